// A sale and a correction write their sales line and their product's totals
// together or not at all: conversion errors, a refused second write and a
// kill between the two writes leave the store as it was.
#include "TestStore.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"
#include "db/SalePosting.h"
#include "db/Sqlite.h"

#include <csignal>

namespace {

// One window's connection and query, as the windows hold them.
struct Window {
    TADOConnection conn;
    TADOQuery q{&conn};
    explicit Window(const QString& sql, const QString& connection = connstr::shortForm())
    {
        conn.setConnectionString(connection);
        q.SQL.Add(sql);
        q.Open();
    }
    QString get(const char* field) { return q.FieldByName(QString::fromUtf8(field)).AsString(); }
};

// The product of both worked examples: bought 10 at 6, five sold for 50 in one line.
const char* kProduct =
    "INSERT INTO jxc (商品编号,商品名称,进货单价,进货数量,进货金额,销售数量,销售金额,销售利润,库存数量,库存金额) "
    "VALUES ('A1','螺丝',6,10,60,5,50,20,5,30)";
const char* kLine =
    "INSERT INTO xsmx (商品编号,商品名称,销售日期,销售单价,销售数量,销售金额,销售利润) "
    "VALUES ('A1','螺丝','2014-03-01 00:00:00',10,5,50,20)";

SalesLineTexts sale(const char* price, const char* quantity, const char* amount, const char* purchasePrice = "6")
{
    SalesLineTexts line;
    line.code = "A1";
    line.name = "螺丝";
    line.unit = "个";
    line.date = QDate(2014, 3, 9);
    line.price = price;
    line.quantity = quantity;
    line.amount = amount;
    line.purchasePrice = purchasePrice;
    line.customer = "张三";
    return line;
}

class SalePosting : public ::testing::Test {
protected:
    void SetUp() override
    {
        store.exec(kProduct);
        store.exec(kLine);
    }
    void TearDown() override { StoreHandle::setWriteHook(nullptr); }

    QString product(const char* column) const
    {
        return store.scalar(QStringLiteral("SELECT %1 FROM jxc WHERE 商品编号='A1'").arg(QString::fromUtf8(column)));
    }
    QString lines() const { return store.scalar("SELECT count(*) FROM xsmx"); }
    // What the store holds of the product and its lines, in one text.
    QString state() const
    {
        return store.scalar(
            "SELECT group_concat(v, '|') FROM (SELECT 销售数量||','||销售金额||','||ifnull(销售利润,'-')||','||"
            "库存数量||','||库存金额 AS v FROM jxc UNION ALL SELECT 商品编号||','||销售数量||','||销售金额 FROM xsmx)");
    }

    TestStore store;
};

TEST_F(SalePosting, SaleOfTheWorkedExampleWritesTheLineAndTheNewTotals)
{
    Window products("select * from jxc"), sales("select * from xsmx", connstr::longForm());
    PostSale(sales.q, sale("10", "2", "20"), products.q);

    ASSERT_EQ(sales.q.RecordCount(), 2);
    EXPECT_EQ(sales.q.RecNo(), 2);  // the new line, at the end
    EXPECT_EQ(sales.get("销售单价"), "10");
    EXPECT_EQ(sales.get("销售数量"), "2");
    EXPECT_EQ(sales.get("销售金额"), "20");
    EXPECT_EQ(sales.get("销售利润"), "8");
    EXPECT_EQ(sales.get("客户姓名"), "张三");
    EXPECT_EQ(store.scalar("SELECT 销售日期 FROM xsmx WHERE rowid=2"), "2014-03-09 00:00:00");
    EXPECT_EQ(products.get("销售数量"), "7");
    EXPECT_EQ(products.get("销售金额"), "70");
    EXPECT_EQ(products.get("销售利润"), "28");  // not 20 + 8: from the new totals
    EXPECT_EQ(products.get("库存数量"), "3");
    EXPECT_EQ(products.get("库存金额"), "18");
    EXPECT_EQ(products.get("进货数量"), "10");
    EXPECT_EQ(products.get("进货金额"), "60");
    EXPECT_EQ(product("销售数量"), "7.0");
    EXPECT_EQ(lines(), "2");
    EXPECT_FALSE(products.conn.handle()->inTransaction());
}

TEST_F(SalePosting, CorrectionOfTheWorkedExampleMovesTheTotalsAndGivesTheOldQuantityBack)
{
    Window sales("select * from xsmx", connstr::longForm()), lookup("select * from jxc", connstr::longForm());
    // Preparation: the product's sales without the line are 0 and 0.
    PostCorrection(sales.q, sale("10", "3", "30"), lookup.q, "0", "0");

    EXPECT_EQ(sales.q.RecordCount(), 1);
    EXPECT_EQ(sales.get("销售数量"), "3");
    EXPECT_EQ(sales.get("销售金额"), "30");
    EXPECT_EQ(sales.get("销售利润"), "12");
    EXPECT_EQ(lookup.get("销售数量"), "3");
    EXPECT_EQ(lookup.get("销售金额"), "30");
    EXPECT_EQ(lookup.get("销售利润"), "12");
    EXPECT_EQ(lookup.get("库存数量"), "7");   // 5 on hand + 5 back − 3
    EXPECT_EQ(lookup.get("库存金额"), "42");  // 7 × 6
    EXPECT_EQ(lookup.get("进货数量"), "10");
    EXPECT_EQ(lookup.get("进货金额"), "60");
    EXPECT_EQ(state(), "3.0,30.0,12.0,7.0,42.0|A1,3.0,30.0");
}

struct ConversionCase {
    const char* name;
    const char* productUpdate;  // run on the store before the windows read it
    SalesLineTexts line;
    const char* message;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class SaleConversion : public SalePosting, public ::testing::WithParamInterface<ConversionCase> {};

// Every figure is computed before the first write, so a text that is no
// number leaves neither the line nor the totals behind.
TEST_P(SaleConversion, FailsBeforeAnythingIsWritten)
{
    const ConversionCase& c = GetParam();
    if (*c.productUpdate) store.exec(c.productUpdate);
    const QString before = state();
    Window products("select * from jxc"), sales("select * from xsmx", connstr::longForm());
    try {
        PostSale(sales.q, c.line, products.q);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
    }
    EXPECT_EQ(state(), before);
    EXPECT_EQ(sales.q.RecordCount(), 1);
    EXPECT_EQ(sales.q.state(), TADOQuery::State::Browse);
    EXPECT_EQ(products.q.state(), TADOQuery::State::Browse);
    EXPECT_FALSE(products.conn.handle()->inTransaction());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SaleConversion,
    ::testing::Values(
        ConversionCase{"EmptyQuantity", "", sale("10", "", "20"), "'' is not a valid floating point value"},
        ConversionCase{"PastedPrice", "", sale("1o", "2", "20"),
                       "'1o' is not a valid floating point value for field '销售单价'"},
        // Without the computing first, the line would be posted before these fail.
        ConversionCase{"ProductWithoutSoldQuantity", "UPDATE jxc SET 销售数量 = NULL", sale("10", "2", "20"),
                       "'' is not a valid floating point value"},
        ConversionCase{"ProductWithoutStock", "UPDATE jxc SET 库存数量 = NULL", sale("10", "2", "20"),
                       "'' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

// A failure of the second write takes the first one back, in the store and
// in the sales query's snapshot.
TEST_F(SalePosting, ARefusedProductWriteTakesTheLineBack)
{
    Window products("select * from jxc"), sales("select * from xsmx", connstr::longForm());
    const QString before = state();
    int writes = 0;
    StoreHandle::setWriteHook([&] {
        if (++writes == 1) throw EDatabaseError("磁盘已满");
    });
    EXPECT_THROW(PostSale(sales.q, sale("10", "2", "20"), products.q), EDatabaseError);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(sales.q.RecordCount(), 1);
    EXPECT_EQ(products.get("销售数量"), "5");
    EXPECT_FALSE(products.conn.handle()->inTransaction());

    StoreHandle::setWriteHook(nullptr);  // and the same sale goes through afterwards
    PostSale(sales.q, sale("10", "2", "20"), products.q);
    EXPECT_EQ(state(), "7.0,70.0,28.0,3.0,18.0|A1,5.0,50.0|A1,2.0,20.0");
}

// Another program changed the product after the correction was prepared: the
// product write is refused, and the line is not rewritten either.
TEST_F(SalePosting, ACorrectionWhoseProductChangedMeanwhileWritesNothing)
{
    Window sales("select * from xsmx", connstr::longForm()), lookup("select * from jxc", connstr::longForm());
    store.exec("UPDATE jxc SET 销售数量 = 6");
    const QString before = state();
    EXPECT_THROW(PostCorrection(sales.q, sale("10", "3", "30"), lookup.q, "0", "0"), EDatabaseError);
    EXPECT_EQ(state(), before);
    EXPECT_EQ(sales.get("销售数量"), "5");
}

// Runs in a child process: the sale, killed at its first write.
void saleKilledAtTheFirstWrite()
{
    Window products("select * from jxc");
    Window sales("select * from xsmx", connstr::longForm());
    StoreHandle::setWriteHook([] { std::raise(SIGKILL); });
    PostSale(sales.q, sale("10", "2", "20"), products.q);
    std::_Exit(0);
}

void correctionKilledAtTheFirstWrite()
{
    Window sales("select * from xsmx", connstr::longForm());
    Window lookup("select * from jxc", connstr::longForm());
    StoreHandle::setWriteHook([] { std::raise(SIGKILL); });
    PostCorrection(sales.q, sale("10", "3", "30"), lookup.q, "0", "0");
    std::_Exit(0);
}

// The program killed between the two writes: the store comes back with
// neither of them. Without the transaction the line would stand alone.
TEST_F(SalePosting, AKillBetweenTheTwoWritesLeavesTheStoreAsItWas)
{
    const QString before = state();
    EXPECT_EXIT(saleKilledAtTheFirstWrite(), ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(state(), before);
    EXPECT_EQ(lines(), "1");
    EXPECT_EXIT(correctionKilledAtTheFirstWrite(), ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(state(), before);

    // The store opens and takes the next sale as usual.
    Window products("select * from jxc"), sales("select * from xsmx", connstr::longForm());
    PostSale(sales.q, sale("10", "2", "20"), products.q);
    EXPECT_EQ(lines(), "2");
    EXPECT_EQ(store.scalar("PRAGMA integrity_check"), "ok");
}

TEST_F(SalePosting, TwoProductsWithTheSameCodeTheSaleWritesTheCurrentRowOnly)
{
    store.exec("INSERT INTO jxc (商品编号,进货单价,销售数量,销售金额,库存数量) VALUES ('A1',2,0,0,9)");
    Window products("select * from jxc"), sales("select * from xsmx", connstr::longForm());
    products.q.Next();
    PostSale(sales.q, sale("10", "2", "20", "2"), products.q);
    EXPECT_EQ(store.scalar("SELECT group_concat(库存数量, ',') FROM jxc"), "5.0,7.0");
    EXPECT_EQ(sales.get("销售利润"), "16");
}

}  // namespace
