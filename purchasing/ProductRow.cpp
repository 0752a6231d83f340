#include "purchasing/ProductRow.h"

#include "db/ADOQuery.h"
#include "purchasing/NumberText.h"


namespace {

ColumnValue text(const char* field, const QString& value)
{
    ColumnValue c;
    c.field = QString::fromUtf8(field);
    c.text = value;
    return c;
}

ColumnValue date(const char* field, const QDate& value)
{
    ColumnValue c;
    c.field = QString::fromUtf8(field);
    c.date = value;
    c.isDate = true;
    return c;
}

// The purchase part, the same in both modes.
void appendPurchase(RowValues& row, const ProductEntry& e)
{
    row.push_back(text("商品编号", e.code));
    row.push_back(text("商品名称", e.name));
    row.push_back(text("商品规格", e.size));
    row.push_back(text("商品型号", e.model));
    row.push_back(text("单位", e.unit));
    row.push_back(date("进货日期", e.date));
    row.push_back(text("进货单价", e.price));
    row.push_back(text("进货数量", e.quantity));
    row.push_back(text("进货金额", e.amount));
}

void appendSupplier(RowValues& row, const ProductEntry& e)
{
    row.push_back(text("供货厂商", e.supplier));
    row.push_back(text("供货电话", e.phone));
    row.push_back(text("备注", e.note));
}

// A text that is not a number gives an empty result here; it never reaches
// the store, since its own column refuses it first.
QString stockQuantity(const QString& quantity, long double sold)
{
    long double q = 0;
    return TryTextToFloat(quantity, q) ? FloatToStr(q - sold) : QString();
}

QString stockAmount(const QString& stock, const QString& price)
{
    long double s = 0, p = 0;
    return TryTextToFloat(stock, s) && TryTextToFloat(price, p) ? FloatToStr(s * p) : QString();
}

}  // namespace

RowValues newProductRow(const ProductEntry& e)
{
    RowValues row;
    appendPurchase(row, e);
    row.push_back(text("销售数量", QStringLiteral("0")));
    row.push_back(text("销售金额", QStringLiteral("0")));
    row.push_back(text("库存数量", e.quantity));
    row.push_back(text("库存金额", e.amount));
    appendSupplier(row, e);
    return row;
}

RowValues correctedRow(const ProductEntry& e, long double sold)
{
    RowValues row;
    appendPurchase(row, e);
    if (sold == 0) {
        row.push_back(text("库存数量", e.quantity));
        row.push_back(text("库存金额", e.amount));
    } else {
        const QString stock = stockQuantity(e.quantity, sold);
        row.push_back(text("库存数量", stock));
        row.push_back(text("库存金额", stockAmount(stock, e.price)));
    }
    appendSupplier(row, e);
    return row;
}

void storeRow(TADOQuery& query, RowStart start, const RowValues& row)
{
    for (const ColumnValue& c : row)
        if (!c.isDate) query.FieldByName(c.field).CheckString(c.text);

    if (start == RowStart::Append) query.Append();
    else query.Edit();
    try {
        for (const ColumnValue& c : row) {
            TField f = query.FieldByName(c.field);
            if (c.isDate) f.SetAsDate(c.date);
            else f.SetAsString(c.text);
        }
        query.Post();
    } catch (...) {
        query.Cancel();
        throw;
    }
}
