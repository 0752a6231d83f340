#pragma once
// The low-stock highlight: a product row whose 库存数量 is below the stock
// alarm threshold is drawn yellow in every cell, in the main window's product
// grid and in the product summary grid alike.
#include <QColor>
#include <QString>

class DataSetView;

namespace stock {

inline QColor lowStockColor() { return QColor(255, 255, 0); }

// Both texts read by the number reading rule and compared as numbers,
// strictly. A text that is empty or not a number gives no highlight: there
// is then nothing to compare.
bool belowThreshold(const QString& stock, const QString& threshold);

// The rule for row `row` of `products`, against 库存报警数 of the current row
// of `thresholds`. A closed data set, a missing row or column gives false.
bool isLowStock(const DataSetView& products, int row, const DataSetView& thresholds);

// What a grid's cell hook does with it: yellow for a low-stock row, the
// grid's own colour otherwise.
void paintLowStock(const DataSetView& products, int row, const DataSetView& thresholds, QColor& background);

}  // namespace stock
