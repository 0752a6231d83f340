#include "stock/LowStock.h"

#include "db/DataSet.h"
#include "purchasing/NumberText.h"

namespace stock {

namespace {

// A cell's text as the grid reads it; empty when there is no such cell.
QString cellText(const DataSetView& data, int row, const QString& field)
{
    if (!data.active() || row < 0 || row >= data.recordCount())
        return {};
    const int col = data.fieldIndex(field);
    return col < 0 ? QString() : data.cellText(row, col);
}

}  // namespace

bool belowThreshold(const QString& stock, const QString& threshold)
{
    long double s = 0, t = 0;
    return TryTextToFloat(stock, s) && TryTextToFloat(threshold, t) && s < t;
}

bool isLowStock(const DataSetView& products, int row, const DataSetView& thresholds)
{
    const QString threshold = cellText(thresholds, thresholds.currentIndex(), QStringLiteral("库存报警数"));
    if (threshold.isEmpty())
        return false;  // no threshold set: no row to compare, and nothing to convert per cell
    return belowThreshold(cellText(products, row, QStringLiteral("库存数量")), threshold);
}

void paintLowStock(const DataSetView& products, int row, const DataSetView& thresholds, QColor& background)
{
    if (isLowStock(products, row, thresholds))
        background = lowStockColor();
}

}  // namespace stock
