#pragma once
// The columns of a product grid, in store order, as the main window shows
// them; the product summary shows them without the purchase date, the
// supplier and the remark.
#include "platform/GridColumn.h"

#include <vector>

std::vector<GridColumn> productColumns();
