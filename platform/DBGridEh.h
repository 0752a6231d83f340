#pragma once
// The data grid of the product, sales and summary windows. It shows a data
// set's rows by position, with two-line merged titles, a footer row of sums,
// alternating row colours, an indicator column and rows marked by the user
// (the "selected rows" that the deletion commands work on).
//
// Events, all std::function members run under the error guard:
//   onGetCellParams(row, col, background) - may change a data cell's
//       background as it is painted; `background` comes in as the grid's own
//       colour for that cell (row colour, or highlight for the current and
//       marked rows).
//   onCellClick(col) - a left click on a data cell, after the click has made
//       its row current.
//   onDblClick() - a double click on a data cell.
// The tooltip is the grid's own (setToolTip); the context menu is the one
// given to setPopupMenu, shown at the click point.
#include "platform/GridColumn.h"

#include <QFrame>

#include <functional>
#include <vector>

class DataSetView;
enum class DataSetEvent;
class QMenu;
class QScrollBar;
class QTableView;

namespace grid {
class DBGridModel;
class GridFooter;
class GridHeader;
class GridIndicator;
}  // namespace grid

class DBGridEh : public QFrame {
    Q_OBJECT
public:
    static QColor oddRowColor() { return QColor(255, 255, 255); }
    static QColor evenRowColor() { return QColor(238, 238, 238); }

    explicit DBGridEh(QWidget* parent = nullptr);
    ~DBGridEh() override;

    // The rows shown. Not owned: a window whose data set dies before the
    // grid detaches it first with setDataSet(nullptr).
    void setDataSet(DataSetView* dataSet);
    DataSetView* dataSet() const { return dataSet_; }

    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }
    int columnWidth(int col) const;
    int defaultColumnWidth() const;
    // Widths taken as proportions, scaled to fill the visible width exactly.
    void setFitColumnsToWidth(bool fit);
    bool fitColumnsToWidth() const { return fit_; }

    QString cellText(int row, int col) const;       // as shown, whole
    QString shownCellText(int row, int col) const;  // as painted: elided when it does not fit
    QString cellToolTip(int row, int col) const;    // the whole text of a cut cell, else empty
    QString shownFooterText(int col) const;
    QColor cellBackground(int row, int col) const;  // as painted, hook applied
    QString footerText(int col) const;
    SortMarker sortMarker(int col) const;

    // Marked rows, as record positions in data set order, ascending.
    std::vector<int> selectedRows() const { return marks_; }
    void clearSelection();
    void selectRow(int row);  // adds one mark, moves nothing

    // Deletes the marked rows from the last to the first, each made current
    // and then deleted, with redrawing suspended. An error propagates; the
    // rows deleted before it stay deleted, the rest stay marked.
    void deleteSelectedRows();
    // Ctrl+Delete: asks "Delete record?" (fewer than two marked) or "Delete
    // all selected records?", then deletes the marked rows, or the current
    // row when none is marked.
    void deleteWithConfirmation();

    // Suspends redrawing; changes of the data set meanwhile are caught up in
    // one go at the last endUpdate.
    void beginUpdate();
    void endUpdate();

    void setPopupMenu(QMenu* menu) { popup_ = menu; }
    QMenu* popupMenu() const { return popup_; }

    QTableView* view() const { return view_; }
    grid::GridHeader* titleHeader() const { return header_; }
    grid::GridIndicator* indicator() const { return indicator_; }
    grid::GridFooter* footer() const { return footer_; }
    QScrollBar* horizontalScrollBar() const { return hbar_; }

    std::function<void(int row, int col, QColor& background)> onGetCellParams;
    std::function<void(int col)> onCellClick;
    std::function<void()> onDblClick;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void dataSetChanged(DataSetEvent event);
    int dataSetCurrent() const;
    int rowCount() const;
    void syncCurrent();
    void ensureRowVisible(int row);
    void goToRow(int row);
    void currentChangedByView(int row);

    void applyWidths(int keep = -1);
    void sectionResizedByUser(int col);

    void footersChanged();
    void computeFooters() const;
    void footerTextsFromSums() const;
    void footersFollowRow(int row);

    bool isMarked(int row) const;
    void setMarks(std::vector<int> marks);
    void markRange(int from, int to, const std::vector<int>& base = {});
    void toggleMark(int row);
    void dropDeletedMark(int row);
    void marksChanged();

    void cellPressed(int row, int col, Qt::KeyboardModifiers modifiers);
    void indicatorPressed(int row, Qt::KeyboardModifiers modifiers);
    void indicatorDragged(int row);
    bool keyPressed(QKeyEvent* event);

    void cellColors(int row, int col, QColor& background, QColor& text) const;
    QFont cellFont(int col) const;  // figures in 宋体's figure widths

    DataSetView* dataSet_ = nullptr;
    int subscription_ = 0;
    int lastCurrent_ = -1;  // the data set's current row as last told; a deletion removes it

    std::vector<GridColumn> columns_;
    std::vector<int> widths_;  // set widths, or proportions when fitting
    bool fit_ = false;
    bool fitting_ = false;

    std::vector<int> marks_;
    int anchor_ = -1;
    int dragAnchor_ = -1;
    int dragRow_ = -1;
    std::vector<int> dragBase_;
    int pressedRow_ = -1;
    int pressedCol_ = -1;
    int currentColumn_ = 0;

    int updateDepth_ = 0;
    bool pendingReset_ = false;
    bool syncing_ = false;
    mutable bool footersDirty_ = true;
    mutable std::vector<QString> footerTexts_;
    mutable std::vector<long double> sums_;  // in ten-thousandths, per column

    QMenu* popup_ = nullptr;
    grid::DBGridModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    grid::GridHeader* header_ = nullptr;
    grid::GridIndicator* indicator_ = nullptr;
    grid::GridFooter* footer_ = nullptr;
    QScrollBar* hbar_ = nullptr;
};
