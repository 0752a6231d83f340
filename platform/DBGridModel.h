#pragma once
// The grid's model: reads the data set by position at paint time and copies
// no rows, so a million rows cost what ten do. It does not listen to the data
// set itself; the grid tells it what changed.
#include "platform/GridColumn.h"

#include <QAbstractTableModel>

#include <vector>

class DataSetView;

namespace grid {

class DBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DBGridModel(QObject* parent = nullptr);

    void setDataSet(DataSetView* dataSet);  // not owned
    void setColumns(const std::vector<GridColumn>& columns);

    // The data set's field behind grid column `col`; -1 when it has none.
    int field(int col) const;
    // The text a cell shows: empty for an empty cell, "#0.##" for formatted
    // number columns, otherwise the field's ordinary text.
    QString cellText(int row, int col) const;

    // Change notices, in the terms the data set gives them.
    void reload();                  // everything may have changed
    void removeRow(int row);        // `row` is already gone from the data set
    void followRowCount();          // rows added or dropped at the end
    void rowChanged(int row);       // values of one row changed in place

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int dataSetRows() const;
    void resolveFields();

    DataSetView* dataSet_ = nullptr;
    std::vector<GridColumn> columns_;
    std::vector<int> fields_;
    int rows_ = 0;  // what the views have been told
};

}  // namespace grid
