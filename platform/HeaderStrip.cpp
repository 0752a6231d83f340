#include "platform/HeaderStrip.h"

#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QPainter>

namespace platform {

namespace {

// The title with its blanks half as wide as its characters, as 宋体 draws
// them whatever face stands in for it, so that "@" lying over the blanks
// falls between the two words.
class HeaderLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetricsF metrics(font());
        const qreal space = font().pixelSize() / 2.0;
        // The characters' em box starts at the top, as the label's text does.
        const qreal baseline = font().pixelSize() * 0.88;
        qreal x = 0;
        for (const QString& word : text().split(u' ')) {
            painter.drawText(QPointF(x, baseline), word);
            x += metrics.horizontalAdvance(word) + space;
        }
    }
};

}  // namespace

HeaderStrip headerStrip(QWidget* parent, int width, const QString& title)
{
    HeaderStrip h;
    h.panel = new QFrame(parent);
    h.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    h.panel->setLineWidth(2);
    h.panel->setGeometry(0, 0, width, 49);

    h.title = new HeaderLabel(title, h.panel);
    h.title->setFont(songti(19, true));
    h.title->setGeometry(16, 15, 240, 21);
    h.at = new QLabel(QStringLiteral("@"), h.panel);
    h.at->setFont(msSansSerif(19, true));
    h.at->setGeometry(104, 12, 21, 24);
    return h;
}

}  // namespace platform
