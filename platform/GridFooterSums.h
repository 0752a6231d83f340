#pragma once
// Footer sums of a data grid. A total is held the way a currency total is: each
// value rounded to four decimals and then added exactly, so long columns of
// decimal fractions do not drift.
#include "platform/GridColumn.h"

#include <QtGlobal>

class DataSetView;

namespace grid {

// The sum of `field` over every row, in ten-thousandths: a whole number held
// in a long double, whose range no figure of a number column can overflow.
// Empty cells and texts that are not numbers add nothing.
long double sumTenThousandths(const DataSetView& dataSet, int field);

// SumFormatted: "#0.##"; SumGeneral: the general number text.
QString sumText(long double tenThousandths, GridColumn::Footer kind);

}  // namespace grid
