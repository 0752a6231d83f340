#include "platform/GridFooter.h"

#include "platform/GridCellText.h"
#include "platform/GridHeader.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace grid {

// One footer cell: where it is, how its text is fitted, in which font.
struct GridFooter::Cell {
    QRect area;  // without the grid line at its right
    QString whole;
    bool bold = false;
    QFont font;
    FittedText fitted;
};

GridFooter::GridFooter(QHeaderView* header, QWidget* viewport, QWidget* parent)
    : QWidget(parent), header_(header), viewport_(viewport)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAutoFillBackground(false);
    const auto repaint = [this] { update(); };
    connect(header_, &QHeaderView::sectionResized, this, repaint);
    connect(header_, &QHeaderView::geometriesChanged, this, repaint);
    connect(header_, &QHeaderView::sectionCountChanged, this, repaint);
}

QSize GridFooter::sizeHint() const
{
    return QSize(100, GridHeader::lineHeight);
}

// The data cells start where the viewport does inside the view, which sits
// at the same x as this footer.
GridFooter::Cell GridFooter::cell(int col) const
{
    const int origin = parentWidget() ? viewport_->mapTo(parentWidget(), QPoint(0, 0)).x() - x() : 0;
    Cell c;
    c.area = QRect(origin + header_->sectionViewportPosition(col), 1, header_->sectionSize(col) - 1, height() - 1);
    c.whole = text ? text(col) : QString();
    c.bold = bold && bold(col);
    c.font = !c.bold && rightAligned && rightAligned(col) ? figureFont : font();
    c.font.setBold(c.bold);
    c.fitted = fitText(QFontMetrics(c.font), c.area, c.whole);
    return c;
}

QString GridFooter::shownText(int col) const
{
    return cell(col).fitted.text;
}

int GridFooter::columnAt(int x) const
{
    for (int col = 0; col < header_->count(); ++col) {
        if (header_->isSectionHidden(col))
            continue;
        const QRect area = cell(col).area;
        if (x >= area.left() && x <= area.right() + 1)
            return col;
    }
    return -1;
}

bool GridFooter::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int col = columnAt(help->pos().x());
        if (col >= 0) {
            const Cell c = cell(col);
            if (!c.fitted.whole) {
                QToolTip::showText(help->globalPos(), c.whole, this, c.area);
                return true;
            }
        }
        event->ignore();  // the grid's own tooltip
        return false;
    }
    return QWidget::event(event);
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background());
    const QColor lineColor = palette().color(QPalette::Mid);
    painter.setPen(lineColor);
    painter.drawLine(rect().topLeft(), rect().topRight());

    const int origin = viewport_->mapTo(parentWidget(), QPoint(0, 0)).x() - x();
    const int clipRight = origin + viewport_->width();
    if (origin > 0)
        painter.drawLine(QPoint(origin - 1, 0), QPoint(origin - 1, height() - 1));
    painter.setClipRect(QRect(origin, 0, clipRight - origin, height()));

    for (int col = 0; col < header_->count(); ++col) {
        if (header_->isSectionHidden(col))
            continue;
        const Cell c = cell(col);
        if (c.area.right() + 1 < origin || c.area.left() >= clipRight)
            continue;
        painter.setPen(lineColor);
        painter.drawLine(QPoint(c.area.right() + 1, 0), QPoint(c.area.right() + 1, height() - 1));
        if (c.whole.isEmpty())
            continue;
        painter.setFont(c.font);
        painter.setPen(QColor(Qt::black));  // on the fixed orange, whatever the palette
        Qt::Alignment align = Qt::AlignVCenter;
        if (c.bold)
            align |= Qt::AlignHCenter;
        else
            align |= rightAligned && rightAligned(col) ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(c.fitted.rect, int(align), c.fitted.text);
    }
}

}  // namespace grid
