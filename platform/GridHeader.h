#pragma once
// The grid's title row: two lines of bold text, upper cells merged over
// neighbouring columns, and a sort marker toggled by clicking a title.
#include "platform/GridColumn.h"
#include "platform/GridTitles.h"

#include <QHeaderView>

#include <vector>

namespace grid {

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int lineHeight = 18;

    explicit GridHeader(QWidget* parent = nullptr);

    void setTitles(const std::vector<TitleLines>& titles);
    const std::vector<UpperSpan>& spans() const { return spans_; }

    SortMarker sortMarker(int col) const;
    // none -> ascending -> descending -> ascending ...; the other titles lose
    // their markers unless `keepOthers` (a Ctrl+click).
    void toggleSortMarker(int col, bool keepOthers);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::KeyboardModifiers clickModifiers_;
    std::vector<TitleLines> titles_;
    std::vector<UpperSpan> spans_;
    std::vector<int> spanOf_;  // column -> index into spans_
    std::vector<SortMarker> markers_;
};

}  // namespace grid
