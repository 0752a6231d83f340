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

// What one row adds to that sum, and what the changed row added before the
// change that the data set is telling of (see DataSetView::hasPreviousRow),
// so a sum can follow a change without reading every row.
long double rowTenThousandths(const DataSetView& dataSet, int row, int field);
long double previousRowTenThousandths(const DataSetView& dataSet, int field);

// SumFormatted: "#0.##"; SumGeneral: the general number text.
QString sumText(long double tenThousandths, GridColumn::Footer kind);

}  // namespace grid
