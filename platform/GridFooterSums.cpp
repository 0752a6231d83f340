#include "platform/GridFooterSums.h"

#include "db/DataSet.h"
#include "purchasing/NumberText.h"

#include <cmath>

namespace grid {

namespace {

// Beyond this a ten-thousandths count no longer fits; such a value is not a
// shop's figure and is left out rather than wrapping the total.
qint64 scaled(double value, bool ok)
{
    if (!ok)
        return 0;
    constexpr long double limit = 9.2e18L;
    const long double v = static_cast<long double>(value) * 10000.0L;
    if (!std::isfinite(v) || std::fabs(v) >= limit)
        return 0;
    return std::llrint(v);  // to nearest, ties to even, like the FPU
}

bool hasField(const DataSetView& dataSet, int field)
{
    return dataSet.active() && field >= 0 && field < dataSet.fieldCount();
}

}  // namespace

qint64 rowTenThousandths(const DataSetView& dataSet, int row, int field)
{
    if (!hasField(dataSet, field) || row < 0 || row >= dataSet.recordCount() || dataSet.cellIsNull(row, field))
        return 0;
    bool ok = false;
    const double value = dataSet.cellNumber(row, field, &ok);
    return scaled(value, ok);
}

qint64 previousRowTenThousandths(const DataSetView& dataSet, int field)
{
    if (!hasField(dataSet, field) || !dataSet.hasPreviousRow() || dataSet.previousIsNull(field))
        return 0;
    bool ok = false;
    const double value = dataSet.previousNumber(field, &ok);
    return scaled(value, ok);
}

qint64 sumTenThousandths(const DataSetView& dataSet, int field)
{
    qint64 total = 0;
    if (!hasField(dataSet, field))
        return 0;
    for (int row = 0, rows = dataSet.recordCount(); row < rows; ++row)
        total += rowTenThousandths(dataSet, row, field);
    return total;
}

QString sumText(qint64 tenThousandths, GridColumn::Footer kind)
{
    const long double value = static_cast<long double>(tenThousandths) / 10000.0L;
    return kind == GridColumn::SumGeneral ? FloatToStr(value) : FormatFloat0_00(value);
}

}  // namespace grid
