#pragma once
// The columns the product entry window writes into a product row, worked out
// in full before the row is touched, and the one way they are stored.
#include <QDate>
#include <QString>

#include <vector>

class TADOQuery;

// The window's fields, as texts (and the date).
struct ProductEntry {
    QString code, name, size, model, unit;  // size: 商品规格
    QDate date;
    QString price, quantity, amount;
    QString supplier, phone, note;
};

// One column and what goes into it: a text, or (for 进货日期) a date.
struct ColumnValue {
    QString field;
    QString text;
    QDate date;
    bool isDate = false;
};
using RowValues = std::vector<ColumnValue>;

// A new product: sixteen columns, no sales, its stock equal to its purchase.
RowValues newProductRow(const ProductEntry& entry);

// A correction: the entry's columns and the stock. Without sales the stock is
// the purchase, as for a new product; with sales (`sold` not 0) 库存数量 is
// 进货数量 - sold and 库存金额 is 库存数量 x 进货单价, so it stays the
// quantity on hand. An empty 进货数量 or 进货单价 leaves those empty too.
RowValues correctedRow(const ProductEntry& entry, long double sold);

enum class RowStart { Append, Edit };

// Checks every value against its column first, so a text a column refuses
// throws before anything is started; then appends or edits the current row,
// writes the values in order and posts. A failure while writing or posting
// cancels the row, so nothing half-filled is ever stored, now or later.
void storeRow(TADOQuery& query, RowStart start, const RowValues& row);
