#include "platform/GridFooter.h"

#include "platform/GridHeader.h"

#include <QHeaderView>
#include <QPainter>

namespace grid {

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

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background());
    const QColor lineColor = palette().color(QPalette::Mid);
    painter.setPen(lineColor);
    painter.drawLine(rect().topLeft(), rect().topRight());

    // The data cells start where the viewport does inside the view, which
    // sits at the same x as this footer.
    const int origin = viewport_->mapTo(parentWidget(), QPoint(0, 0)).x() - x();
    const int clipRight = origin + viewport_->width();
    if (origin > 0)
        painter.drawLine(QPoint(origin - 1, 0), QPoint(origin - 1, height() - 1));
    painter.setClipRect(QRect(origin, 0, clipRight - origin, height()));

    const QFont regular = font();
    QFont strong = regular;
    strong.setBold(true);
    for (int col = 0; col < header_->count(); ++col) {
        if (header_->isSectionHidden(col))
            continue;
        const int left = origin + header_->sectionViewportPosition(col);
        const int width = header_->sectionSize(col);
        if (left + width <= origin || left >= clipRight)
            continue;
        const QRect cell(left, 1, width, height() - 1);
        painter.setPen(lineColor);
        painter.drawLine(QPoint(cell.right(), 0), QPoint(cell.right(), height() - 1));
        const QString value = text ? text(col) : QString();
        if (value.isEmpty())
            continue;
        const bool isBold = bold && bold(col);
        painter.setFont(isBold ? strong : regular);
        painter.setPen(QColor(Qt::black));  // on the fixed orange, whatever the palette
        Qt::Alignment align = Qt::AlignVCenter;
        if (isBold)
            align |= Qt::AlignHCenter;
        else
            align |= rightAligned && rightAligned(col) ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(cell.adjusted(2, 0, -3, 0), int(align), value);
    }
}

}  // namespace grid
