#pragma once
// The grid's footer row, under the data. It follows the title row's column
// widths and horizontal scroll; the texts come from the grid.
#include <QWidget>

#include <functional>

class QHeaderView;

namespace grid {

class GridFooter : public QWidget {
    Q_OBJECT
public:
    static QColor background() { return QColor(255, 128, 64); }

    // `header` gives the column positions; `viewport` is where the data cells
    // are, so the footer's cells line up with them.
    GridFooter(QHeaderView* header, QWidget* viewport, QWidget* parent = nullptr);

    std::function<QString(int col)> text;
    std::function<bool(int col)> bold;          // centred bold static text
    std::function<bool(int col)> rightAligned;  // number columns

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHeaderView* header_;
    QWidget* viewport_;
};

}  // namespace grid
