#include "platform/GridFooterSums.h"

#include "db/DataSet.h"
#include "purchasing/NumberText.h"

#include <cmath>

namespace grid {

long double sumTenThousandths(const DataSetView& dataSet, int field)
{
    if (!dataSet.active() || field < 0 || field >= dataSet.fieldCount())
        return 0;
    long double total = 0;
    const int rows = dataSet.recordCount();
    for (int row = 0; row < rows; ++row) {
        if (dataSet.cellIsNull(row, field))
            continue;
        bool ok = false;
        const double value = dataSet.cellNumber(row, field, &ok);
        if (!ok || !std::isfinite(value))
            continue;
        total += std::nearbyint(static_cast<long double>(value) * 10000.0L);  // to nearest, ties to even
    }
    return total;
}

QString sumText(long double tenThousandths, GridColumn::Footer kind)
{
    const long double value = tenThousandths / 10000.0L;
    return kind == GridColumn::SumGeneral ? FloatToStr(value) : FormatFloat0_00(value);
}

}  // namespace grid
