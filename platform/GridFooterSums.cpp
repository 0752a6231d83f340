#include "platform/GridFooterSums.h"

#include "db/DataSet.h"
#include "purchasing/NumberText.h"

#include <cmath>

namespace grid {

qint64 sumTenThousandths(const DataSetView& dataSet, int field)
{
    if (!dataSet.active() || field < 0 || field >= dataSet.fieldCount())
        return 0;
    // Beyond this a ten-thousandths count no longer fits; such a value is not a
    // shop's figure and is left out rather than wrapping the total.
    constexpr long double limit = 9.2e18L;
    qint64 total = 0;
    const int rows = dataSet.recordCount();
    for (int row = 0; row < rows; ++row) {
        if (dataSet.cellIsNull(row, field))
            continue;
        bool ok = false;
        const double value = dataSet.cellNumber(row, field, &ok);
        if (!ok)
            continue;
        const long double scaled = static_cast<long double>(value) * 10000.0L;
        if (!std::isfinite(scaled) || std::fabs(scaled) >= limit)
            continue;
        total += std::llrint(scaled);  // to nearest, ties to even, like the FPU
    }
    return total;
}

QString sumText(qint64 tenThousandths, GridColumn::Footer kind)
{
    const long double value = static_cast<long double>(tenThousandths) / 10000.0L;
    return kind == GridColumn::SumGeneral ? FloatToStr(value) : FormatFloat0_00(value);
}

}  // namespace grid
