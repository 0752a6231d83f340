#pragma once
// The narrow indicator column at the grid's left: a marker at the current
// row, and the place where rows are marked by clicking and dragging.
#include <QHeaderView>

#include <functional>

namespace grid {

class GridIndicator : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int fixedWidth = 12;

    explicit GridIndicator(QWidget* parent = nullptr);

    std::function<int()> currentRow;
    // Mouse actions on the indicator, by row (-1 below the last row).
    std::function<void(int row, Qt::KeyboardModifiers modifiers)> onPress;
    std::function<void(int row)> onDrag;
    std::function<void()> onRelease;

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace grid
