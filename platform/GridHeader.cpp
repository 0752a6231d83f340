#include "platform/GridHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace grid {

namespace {

constexpr int markerWidth = 7;
constexpr int markerMargin = 4;

void drawMarker(QPainter* painter, const QRect& area, SortMarker marker, const QColor& color)
{
    const int x = area.right() - markerMargin - markerWidth + 1;
    const int y = area.center().y() - 2;
    QPolygon arrow;
    if (marker == SortMarker::Ascending)
        arrow << QPoint(x, y + 4) << QPoint(x + markerWidth - 1, y + 4) << QPoint(x + markerWidth / 2, y);
    else
        arrow << QPoint(x, y) << QPoint(x + markerWidth - 1, y) << QPoint(x + markerWidth / 2, y + 4);
    painter->setPen(color);
    painter->setBrush(color);
    painter->drawPolygon(arrow);
}

}  // namespace

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setStretchLastSection(false);
    // A merged upper cell spans several sections; resizing one moves the
    // text of all of them.
    connect(this, &QHeaderView::sectionResized, this, [this] { viewport()->update(); });
    connect(this, &QHeaderView::sectionClicked, this, [this](int col) {
        toggleSortMarker(col, clickModifiers_ & Qt::ControlModifier);
    });
}

void GridHeader::setTitles(const std::vector<TitleLines>& titles)
{
    titles_ = titles;
    spans_ = upperSpans(titles_);
    spanOf_.assign(titles_.size(), 0);
    for (size_t s = 0; s < spans_.size(); ++s)
        for (int c = spans_[s].first; c < spans_[s].first + spans_[s].count; ++c)
            spanOf_[size_t(c)] = int(s);
    markers_.assign(titles_.size(), SortMarker::None);
    viewport()->update();
}

SortMarker GridHeader::sortMarker(int col) const
{
    return col >= 0 && col < int(markers_.size()) ? markers_[size_t(col)] : SortMarker::None;
}

void GridHeader::toggleSortMarker(int col, bool keepOthers)
{
    if (col < 0 || col >= int(markers_.size()))
        return;
    const SortMarker next =
        markers_[size_t(col)] == SortMarker::Ascending ? SortMarker::Descending : SortMarker::Ascending;
    if (!keepOthers)
        markers_.assign(markers_.size(), SortMarker::None);
    markers_[size_t(col)] = next;
    viewport()->update();
}

QSize GridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    size.setHeight(2 * lineHeight);
    return size;
}

// The click is reported by the base class on release; the modifiers are
// those of that release.
void GridHeader::mouseReleaseEvent(QMouseEvent* event)
{
    clickModifiers_ = event->modifiers();
    QHeaderView::mouseReleaseEvent(event);
}

void GridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || logicalIndex < 0 || logicalIndex >= int(titles_.size()))
        return;
    const TitleLines& title = titles_[size_t(logicalIndex)];
    const UpperSpan& span = spans_[size_t(spanOf_[size_t(logicalIndex)])];
    const QColor lineColor = palette().color(QPalette::Mid);
    const QColor textColor = palette().color(QPalette::ButtonText);

    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->fillRect(rect, palette().button());
    painter->setFont(font());

    const int half = rect.height() / 2;
    const SortMarker marker = sortMarker(logicalIndex);
    QRect lower = title.twoLines ? QRect(rect.left(), rect.top() + half, rect.width(), rect.height() - half) : rect;
    QRect lowerText = lower;
    if (marker != SortMarker::None)
        lowerText.setRight(lower.right() - markerWidth - markerMargin);

    painter->setPen(textColor);
    if (title.twoLines) {
        // The upper text is laid out over the whole span; each section paints
        // its own slice of it.
        const int last = span.first + span.count - 1;
        const int left = sectionViewportPosition(span.first);
        const int right = sectionViewportPosition(last) + sectionSize(last);
        const QRect upper(left, rect.top(), right - left, half);
        painter->drawText(upper, Qt::AlignCenter, title.upper);
        painter->drawText(lowerText, Qt::AlignCenter, title.lower);
    } else {
        painter->drawText(lowerText, Qt::AlignCenter, title.upper);
    }
    if (marker != SortMarker::None)
        drawMarker(painter, lower, marker, textColor);

    painter->setPen(lineColor);
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const bool lastOfSpan = logicalIndex == span.first + span.count - 1;
    painter->drawLine(QPoint(rect.right(), lastOfSpan ? rect.top() : lower.top()), rect.bottomRight());
    if (title.twoLines)
        painter->drawLine(QPoint(rect.left(), lower.top()), QPoint(rect.right(), lower.top()));
    painter->restore();
}

}  // namespace grid
