#include "platform/GridIndicator.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace grid {

GridIndicator::GridIndicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setFixedWidth(fixedWidth);
}

// Fixed, so the header never measures a million row labels.
QSize GridIndicator::sizeHint() const
{
    return QSize(fixedWidth, 0);
}

void GridIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    painter->save();
    painter->fillRect(rect, palette().button());
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (currentRow && currentRow() == logicalIndex) {
        const QPoint c = rect.center();
        QPolygon arrow;
        arrow << QPoint(c.x() - 2, c.y() - 4) << QPoint(c.x() - 2, c.y() + 4) << QPoint(c.x() + 2, c.y());
        const QColor color = palette().color(QPalette::ButtonText);
        painter->setPen(color);
        painter->setBrush(color);
        painter->drawPolygon(arrow);
    }
    painter->restore();
}

// The base class would select through the table view; marking is the grid's.
void GridIndicator::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    pressed_ = true;
    if (onPress)
        onPress(logicalIndexAt(event->position().toPoint()), event->modifiers());
    event->accept();
}

void GridIndicator::mouseMoveEvent(QMouseEvent* event)
{
    if (pressed_ && (event->buttons() & Qt::LeftButton) && onDrag) {
        const int row = logicalIndexAt(event->position().toPoint());
        if (row >= 0)
            onDrag(row);
    }
    event->accept();
}

void GridIndicator::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ && event->button() == Qt::LeftButton) {
        pressed_ = false;
        if (onRelease)
            onRelease();
    }
    event->accept();
}

void GridIndicator::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A second click on the indicator marks like the first one.
    mousePressEvent(event);
}

}  // namespace grid
