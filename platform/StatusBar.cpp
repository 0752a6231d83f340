#include "platform/StatusBar.h"

#include <QLabel>

TStatusBar::TStatusBar(const std::vector<int>& widths, QWidget* parent) : QFrame(parent), widths_(widths)
{
    for (size_t i = 0; i < widths_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        panels_.push_back(label);
    }
    layoutPanels();
}

QString TStatusBar::panelText(int panel) const
{
    return panels_[size_t(panel)]->text();
}

void TStatusBar::setPanelText(int panel, const QString& text)
{
    panels_[size_t(panel)]->setText(text);
}

void TStatusBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutPanels();
}

void TStatusBar::layoutPanels()
{
    int x = 0;
    const int h = height() - 2;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const bool last = i + 1 == panels_.size();
        const int w = last ? std::max(0, width() - x) : widths_[i];
        panels_[i]->setGeometry(x, 2, w - 2, h);
        x += w;
    }
}
