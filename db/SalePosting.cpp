#include "db/SalePosting.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/Errors.h"
#include "db/Sqlite.h"
#include "purchasing/NumberText.h"

#include <optional>

namespace {

long double N(const QString& text) { return StrToFloat(text); }
QString T(long double value) { return FloatToStr(value); }

QString field(TADOQuery& q, const char* name) { return q.FieldByName(QString::fromUtf8(name)).AsString(); }
void set(TADOQuery& q, const char* name, const QString& text) { q.FieldByName(QString::fromUtf8(name)).SetAsString(text); }

// The line's number texts are checked as its columns would take them, in the
// order they are set, so a text that is no number fails with the column's own
// message before anything is written.
void checkLine(TADOQuery& lines, const SalesLineTexts& line)
{
    lines.FieldByName(QStringLiteral("销售单价")).CheckString(line.price);
    lines.FieldByName(QStringLiteral("销售数量")).CheckString(line.quantity);
    lines.FieldByName(QStringLiteral("销售金额")).CheckString(line.amount);
}

void fillLine(TADOQuery& lines, const SalesLineTexts& line, const QString& profit)
{
    set(lines, "商品编号", line.code);
    set(lines, "商品名称", line.name);
    set(lines, "商品规格", line.size);
    set(lines, "商品型号", line.model);
    set(lines, "单位", line.unit);
    lines.FieldByName(QStringLiteral("销售日期")).SetAsDate(line.date);
    set(lines, "销售单价", line.price);
    set(lines, "销售数量", line.quantity);
    set(lines, "销售金额", line.amount);
    set(lines, "销售利润", profit);
    set(lines, "客户姓名", line.customer);
    set(lines, "联系电话", line.phone);
    set(lines, "详细地址", line.address);
    set(lines, "备注", line.remark);
}

void fillTotals(TADOQuery& products, const ProductTotals& totals)
{
    set(products, "销售数量", totals.soldQuantity);
    set(products, "销售金额", totals.soldAmount);
    set(products, "销售利润", totals.profit);
    set(products, "库存数量", totals.stockQuantity);
    set(products, "库存金额", totals.stockAmount);
}

std::shared_ptr<StoreHandle> handleOf(TADOQuery& q)
{
    if (!q.connection()) throw EDatabaseError(QStringLiteral("查询没有连接到数据库"));
    return q.connection()->handle();
}

// One transaction over the file both queries write to. The windows' queries
// share one handle per file; should they ever sit on two, each gets its own.
class BothRows {
public:
    BothRows(TADOQuery& first, TADOQuery& second)
    {
        auto a = handleOf(first);
        auto b = handleOf(second);
        first_.emplace(a);
        if (b != a) second_.emplace(b);
    }
    void commit()
    {
        if (second_) second_->commit();
        first_->commit();
    }

private:
    std::optional<StoreTransaction> first_, second_;
};

}  // namespace

QString LineProfit(const SalesLineTexts& line)
{
    const long double amount = N(line.amount);
    const long double quantity = N(line.quantity);
    const long double price = N(line.purchasePrice);
    return T(amount - quantity * price);
}

ProductTotals TotalsAfterSale(TADOQuery& products, const QString& quantity, const QString& amount)
{
    // Each figure is read as the row would show it once the ones before are written.
    ProductTotals t;
    t.soldQuantity = T(N(quantity) + N(field(products, "销售数量")));
    t.soldAmount = T(N(amount) + N(field(products, "销售金额")));
    const long double purchasePrice = N(field(products, "进货单价"));
    t.profit = T(N(t.soldAmount) - N(t.soldQuantity) * purchasePrice);
    t.stockQuantity = T(N(field(products, "库存数量")) - N(quantity));
    t.stockAmount = T(N(t.stockQuantity) * purchasePrice);
    return t;
}

ProductTotals TotalsAfterCorrection(TADOQuery& products, const QString& soldWithout, const QString& amountWithout,
                                    const QString& oldQuantity, const QString& quantity, const QString& amount)
{
    ProductTotals t;
    t.soldQuantity = T(N(quantity) + N(soldWithout));
    t.soldAmount = T(N(amount) + N(amountWithout));
    const long double purchasePrice = N(field(products, "进货单价"));
    t.profit = T(N(t.soldAmount) - N(t.soldQuantity) * purchasePrice);
    t.stockQuantity = T(N(field(products, "库存数量")) + N(oldQuantity) - N(quantity));
    t.stockAmount = T(N(t.stockQuantity) * purchasePrice);
    return t;
}

void PostSale(TADOQuery& lines, const SalesLineTexts& line, TADOQuery& products)
{
    checkLine(lines, line);
    const QString profit = LineProfit(line);
    const ProductTotals totals = TotalsAfterSale(products, line.quantity, line.amount);

    BothRows tx(lines, products);
    lines.Last();
    lines.Append();
    fillLine(lines, line, profit);
    lines.Post();
    products.Edit();
    fillTotals(products, totals);
    products.Post();
    tx.commit();
}

void PostCorrection(TADOQuery& lines, const SalesLineTexts& line, TADOQuery& products, const QString& soldWithout,
                    const QString& amountWithout)
{
    checkLine(lines, line);
    const QString profit = LineProfit(line);
    const QString oldQuantity = field(lines, "销售数量");
    const ProductTotals totals =
        TotalsAfterCorrection(products, soldWithout, amountWithout, oldQuantity, line.quantity, line.amount);

    BothRows tx(lines, products);
    lines.Edit();
    fillLine(lines, line, profit);
    lines.Post();
    products.Edit();
    fillTotals(products, totals);
    products.Post();
    tx.commit();
}
