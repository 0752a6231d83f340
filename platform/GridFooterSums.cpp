#include "platform/GridFooterSums.h"

#include "db/DataSet.h"
#include "purchasing/NumberText.h"

#include <cmath>

namespace grid {

namespace {

// A whole count of ten-thousandths in a long double: no figure a number
// column can hold overflows it, and counts up to 2^64 add exactly.
long double scaled(double value, bool ok)
{
    if (!ok || !std::isfinite(value))
        return 0;
    return std::nearbyint(static_cast<long double>(value) * 10000.0L);  // to nearest, ties to even
}

bool hasField(const DataSetView& dataSet, int field)
{
    return dataSet.active() && field >= 0 && field < dataSet.fieldCount();
}

}  // namespace

long double rowTenThousandths(const DataSetView& dataSet, int row, int field)
{
    if (!hasField(dataSet, field) || row < 0 || row >= dataSet.recordCount() || dataSet.cellIsNull(row, field))
        return 0;
    bool ok = false;
    const double value = dataSet.cellNumber(row, field, &ok);
    return scaled(value, ok);
}

long double previousRowTenThousandths(const DataSetView& dataSet, int field)
{
    if (!hasField(dataSet, field) || !dataSet.hasPreviousRow() || dataSet.previousIsNull(field))
        return 0;
    bool ok = false;
    const double value = dataSet.previousNumber(field, &ok);
    return scaled(value, ok);
}

long double sumTenThousandths(const DataSetView& dataSet, int field)
{
    long double total = 0;
    if (!hasField(dataSet, field))
        return 0;
    for (int row = 0, rows = dataSet.recordCount(); row < rows; ++row)
        total += rowTenThousandths(dataSet, row, field);
    return total;
}

QString sumText(long double tenThousandths, GridColumn::Footer kind)
{
    const long double value = tenThousandths / 10000.0L;
    return kind == GridColumn::SumGeneral ? FloatToStr(value) : FormatFloat0_00(value);
}

}  // namespace grid
