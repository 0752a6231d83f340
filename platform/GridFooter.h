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
    std::function<bool(int col)> rightAligned;  // number columns, in `figureFont`
    QFont figureFont;

    // A footer's text as painted: elided when it does not fit its column.
    QString shownText(int col) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;  // the whole text of a cut footer as its tooltip
    void paintEvent(QPaintEvent* event) override;

private:
    struct Cell;
    Cell cell(int col) const;
    int columnAt(int x) const;

    QHeaderView* header_;
    QWidget* viewport_;
};

}  // namespace grid
