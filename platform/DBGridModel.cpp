#include "platform/DBGridModel.h"

#include "db/DataSet.h"
#include "purchasing/NumberText.h"

namespace grid {

DBGridModel::DBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DBGridModel::setDataSet(DataSetView* dataSet)
{
    dataSet_ = dataSet;
    reload();
}

void DBGridModel::setColumns(const std::vector<GridColumn>& columns)
{
    beginResetModel();
    columns_ = columns;
    resolveFields();
    rows_ = dataSetRows();
    endResetModel();
}

int DBGridModel::dataSetRows() const
{
    return dataSet_ && dataSet_->active() ? dataSet_->recordCount() : 0;
}

void DBGridModel::resolveFields()
{
    fields_.assign(columns_.size(), -1);
    if (!dataSet_ || !dataSet_->active())
        return;
    for (size_t i = 0; i < columns_.size(); ++i)
        fields_[i] = dataSet_->fieldIndex(columns_[i].field);
}

int DBGridModel::field(int col) const
{
    if (col < 0 || col >= int(fields_.size()) || !dataSet_ || !dataSet_->active())
        return -1;
    // Fields resolved at the last reload; a data set reopened with other
    // fields is not asked about them before its notice arrives.
    const int f = fields_[size_t(col)];
    return f < dataSet_->fieldCount() ? f : -1;
}

void DBGridModel::reload()
{
    beginResetModel();
    resolveFields();
    rows_ = dataSetRows();
    endResetModel();
}

void DBGridModel::removeRow(int row)
{
    if (row < 0 || row >= rows_) {
        followRowCount();
        return;
    }
    beginRemoveRows({}, row, row);
    --rows_;
    endRemoveRows();
    followRowCount();  // in case more than the one row went
}

void DBGridModel::followRowCount()
{
    const int now = dataSetRows();
    if (now > rows_) {
        beginInsertRows({}, rows_, now - 1);
        rows_ = now;
        endInsertRows();
    } else if (now < rows_) {
        beginRemoveRows({}, now, rows_ - 1);
        rows_ = now;
        endRemoveRows();
    }
}

void DBGridModel::rowChanged(int row)
{
    if (row >= 0 && row < rows_ && !columns_.empty())
        emit dataChanged(index(row, 0), index(row, int(columns_.size()) - 1));
}

int DBGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int DBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QString DBGridModel::cellText(int row, int col) const
{
    const int f = field(col);
    // The views may ask about rows the data set has just dropped, before the
    // notice of it has arrived.
    if (f < 0 || row < 0 || row >= dataSetRows() || dataSet_->cellIsNull(row, f))
        return {};
    if (columns_[size_t(col)].displayFormat == GridColumn::Float0_00 && dataSet_->fieldKind(f) == FieldKind::Number) {
        bool ok = false;
        const double value = dataSet_->cellNumber(row, f, &ok);
        if (ok)
            return FormatFloat0_00(value);
    }
    return dataSet_->cellText(row, f);
}

QVariant DBGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const int f = field(index.column());
        const bool number = f >= 0 && dataSet_->fieldKind(f) == FieldKind::Number;
        return int(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        return {};
    }
}

QVariant DBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < int(columns_.size()))
        return columns_[size_t(section)].title.isEmpty() ? columns_[size_t(section)].field
                                                         : columns_[size_t(section)].title;
    return {};
}

Qt::ItemFlags DBGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace grid
