#pragma once
// Writing a sale or the correction of a sales line. The line and its
// product's running totals reach the store together or not at all: every
// figure is computed and every number text checked first, and then both rows
// are posted inside one store transaction, which undoes the first post (in
// the store and in the query's snapshot) when the second one fails.
#include <QDate>
#include <QString>

class TADOQuery;

// One sales line as the sale window holds it. Numbers are texts; the price
// is copied as it is and may be empty.
struct SalesLineTexts {
    QString code, name, size, model, unit;
    QDate date;
    QString price, quantity, amount;
    QString purchasePrice;  // the 进货单价 the line's profit is reckoned with
    QString customer, phone, address, remark;
};

// The five figures of a product row that a sale or a correction rewrites.
struct ProductTotals {
    QString soldQuantity;   // 销售数量
    QString soldAmount;     // 销售金额
    QString profit;         // 销售利润
    QString stockQuantity;  // 库存数量
    QString stockAmount;    // 库存金额
};

// amount − quantity × purchase price, as general number text. A text that is
// no number throws EConvertError.
QString LineProfit(const SalesLineTexts& line);

// The current row of `products` once `quantity` more of it is sold for
// `amount`. Its profit is recomputed from the new totals and its own 进货单价.
ProductTotals TotalsAfterSale(TADOQuery& products, const QString& quantity, const QString& amount);

// The current row of `products` once a line of `oldQuantity` is corrected to
// `quantity` for `amount`. `soldWithout` and `amountWithout` are the product's
// sales totals with the old line taken out. The stock gets the old quantity
// back and loses the new one; the purchase figures stay as they are.
ProductTotals TotalsAfterCorrection(TADOQuery& products, const QString& soldWithout, const QString& amountWithout,
                                    const QString& oldQuantity, const QString& quantity, const QString& amount);

// Appends `line` to `lines` (after its last row) and writes the sale into the
// current row of `products`, both or neither.
void PostSale(TADOQuery& lines, const SalesLineTexts& line, TADOQuery& products);

// Rewrites the current row of `lines` with `line` and re-derives the totals
// of the current row of `products` from the old and the new figures, both or
// neither. The old quantity is the one the line holds until then.
void PostCorrection(TADOQuery& lines, const SalesLineTexts& line, TADOQuery& products, const QString& soldWithout,
                    const QString& amountWithout);
