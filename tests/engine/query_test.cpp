#include "TestStore.h"
#include "TestWindow.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"
#include "db/Reconnect.h"
#include "db/Regional.h"
#include "db/Sqlite.h"
#include "db/mylib.h"

#include <QFile>

namespace {

using Window = TestWindow;

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.exec(QStringLiteral(
            "INSERT INTO jxc (商品编号,商品名称,进货单价,进货数量,进货日期) VALUES "
            "('1','螺丝',6,10,'2014-01-01 00:00:00'),('10','Pen',1.5,20,'2014-01-31 00:00:00'),"
            "('21','胶水',2,5,'2014-02-01 00:00:00'),('','空编号',1,1,NULL),(NULL,'无编号',1,1,NULL)"));
    }
    TestStore store;
};

TEST_F(QueryTest, OpensWholeTableInStoreOrderWithHiddenKey) {
    Window w;
    w.q.Open();
    EXPECT_EQ(w.q.RecordCount(), 5);
    EXPECT_EQ(w.q.RecNo(), 1);
    EXPECT_EQ(w.get("商品编号"), "1");
    QStringList expected;
    for (const auto& c : schema::kJxcColumns) expected << QString::fromUtf8(c.name);
    EXPECT_EQ(w.q.GetFieldNames(), expected);  // no row key among them
    EXPECT_EQ(w.q.fieldKind(5), FieldKind::DateTime);
    EXPECT_EQ(w.q.fieldKind(6), FieldKind::Number);
}

TEST_F(QueryTest, WalksRowsWithEndTests) {
    Window w;
    w.q.Open();
    QStringList codes;
    for (w.q.First(); !w.q.Eof(); w.q.Next()) codes << w.get("商品名称");
    EXPECT_EQ(codes, (QStringList{"螺丝", "Pen", "胶水", "空编号", "无编号"}));
    EXPECT_EQ(w.q.RecNo(), 5);  // stays on the last row
    w.q.Prior();
    EXPECT_EQ(w.q.RecNo(), 4);
    w.q.SetRecNo(2);
    EXPECT_EQ(w.get("商品名称"), "Pen");
    w.q.Last();
    EXPECT_TRUE(w.q.Eof());
    w.q.First();
    EXPECT_TRUE(w.q.Bof());
}

TEST_F(QueryTest, EmptyTableOpensWithoutError) {
    store.exec(QStringLiteral("DELETE FROM jxc"));
    Window w;
    w.q.Open();
    EXPECT_EQ(w.q.RecordCount(), 0);
    EXPECT_TRUE(w.q.Eof());
    EXPECT_EQ(w.q.RecNo(), 0);
}

TEST_F(QueryTest, NumbersReadBackAsGeneralNumberText) {
    store.exec(QStringLiteral("UPDATE jxc SET 进货金额 = 0.1 + 0.2, 销售利润 = 1.5e-6 WHERE 商品编号='1'"));
    Window w;
    w.q.Open();
    EXPECT_EQ(w.get("进货单价"), "6");
    EXPECT_EQ(w.get("进货金额"), "0.3");
    EXPECT_EQ(w.get("销售利润"), "1.5E-6");
    EXPECT_EQ(w.get("销售数量"), "");  // no value
}

TEST_F(QueryTest, DateTimeReadsAsShortDate) {
    Window w;
    w.q.Open();
    EXPECT_EQ(w.get("进货日期"), regional::formatShortDate(QDate(2014, 1, 1)));
    EXPECT_EQ(w.q.FieldByName("进货日期").AsDateTime(), QDateTime(QDate(2014, 1, 1), QTime(0, 0)));
}

TEST_F(QueryTest, EditAndPostWritesAtOnceAndKeepsValues) {
    Window w;
    w.q.Open();
    w.q.SetRecNo(2);
    w.q.Edit();
    w.set("商品名称", "钢笔");
    w.set("进货单价", "12.345");
    w.q.Post();
    EXPECT_EQ(w.q.state(), TADOQuery::State::Browse);
    EXPECT_EQ(w.get("商品名称"), "钢笔");
    EXPECT_EQ(w.get("进货单价"), "12.345");
    EXPECT_EQ(store.scalar("SELECT 商品名称 FROM jxc WHERE 商品编号='10'"), "钢笔");
    EXPECT_EQ(store.scalar("SELECT typeof(进货单价) FROM jxc WHERE 商品编号='10'"), "real");
}

TEST_F(QueryTest, AppendAddsRowAtEndAndMakesItCurrent) {
    Window w;
    w.q.Open();
    w.q.Last();
    w.q.Append();
    w.set("商品编号", "99");
    w.q.FieldByName("进货日期").SetAsDateTime(QDateTime(QDate(2020, 5, 6), QTime(0, 0)));
    w.set("进货单价", "");
    w.q.Post();
    EXPECT_EQ(w.q.RecordCount(), 6);
    EXPECT_EQ(w.q.RecNo(), 6);
    EXPECT_EQ(w.get("商品编号"), "99");
    EXPECT_EQ(store.scalar("SELECT 进货日期 FROM jxc WHERE 商品编号='99'"), "2020-05-06 00:00:00");
    EXPECT_EQ(store.scalar("SELECT quote(进货单价) FROM jxc WHERE 商品编号='99'"), "NULL");
}

TEST_F(QueryTest, EditOnEmptyQueryAppends) {
    store.exec(QStringLiteral("DELETE FROM kcbj"));
    Window w(QStringLiteral("select * from kcbj"));
    w.q.Open();
    w.q.Edit();
    EXPECT_EQ(w.q.state(), TADOQuery::State::Insert);
    w.set("库存报警数", "5");
    w.q.Post();
    EXPECT_EQ(store.scalar("SELECT count(*) || ':' || 库存报警数 FROM kcbj"), "1:5.0");
}

TEST_F(QueryTest, MovingPostsAChangedRowAndDropsAnUnchangedEdit) {
    Window w;
    w.q.Open();
    w.q.Edit();
    w.set("备注", "改过");
    w.q.Next();
    EXPECT_EQ(store.scalar("SELECT 备注 FROM jxc WHERE 商品编号='1'"), "改过");
    w.q.Edit();
    w.q.Next();
    EXPECT_EQ(w.q.state(), TADOQuery::State::Browse);
    w.q.Append();
    w.q.Last();  // an untouched appended row is dropped
    EXPECT_EQ(w.q.RecordCount(), 5);
    EXPECT_EQ(store.scalar("SELECT count(*) FROM jxc"), "5");
}

TEST_F(QueryTest, NonNumberIsRefusedAndTheRowIsNeverStoredHalfFilled) {
    Window w;
    w.q.Open();
    w.q.Last();
    w.q.Append();
    w.set("商品编号", "X");
    try {
        w.set("进货单价", "12abc");
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "'12abc' is not a valid floating point value for field '进货单价'");
    }
    EXPECT_EQ(w.q.state(), TADOQuery::State::Browse);
    w.q.First();
    w.q.Post();
    EXPECT_EQ(store.scalar("SELECT count(*) FROM jxc"), "5");
    EXPECT_EQ(w.q.RecordCount(), 5);
}

TEST_F(QueryTest, CancelAllPendingDropsEveryEdit) {
    Window a, b(QStringLiteral("select * from kcbj"));
    a.q.Open();
    b.q.Open();
    a.q.Edit();
    a.set("商品名称", "半截");
    b.q.Edit();
    TADOQuery::CancelAllPending();
    EXPECT_EQ(a.q.state(), TADOQuery::State::Browse);
    EXPECT_EQ(b.q.state(), TADOQuery::State::Browse);
    EXPECT_EQ(a.get("商品名称"), "螺丝");
}

TEST_F(QueryTest, DeleteRemovesCurrentRowFromStore) {
    Window w;
    w.q.Open();
    w.q.SetRecNo(2);
    w.q.Delete();
    EXPECT_EQ(w.q.RecordCount(), 4);
    EXPECT_EQ(w.get("商品编号"), "21");  // the next row becomes current
    EXPECT_EQ(store.scalar("SELECT count(*) FROM jxc WHERE 商品编号='10'"), "0");
    w.q.Last();
    w.q.Delete();
    EXPECT_EQ(w.q.RecNo(), 3);
}

TEST_F(QueryTest, SnapshotIsolationBetweenConnections) {
    Window writer, reader;
    writer.q.Open();
    reader.q.Open();
    writer.q.Edit();
    writer.set("商品名称", "新名");
    writer.q.Post();
    EXPECT_EQ(writer.get("商品名称"), "新名");
    EXPECT_EQ(reader.get("商品名称"), "螺丝");  // until it re-opens
    reader.q.Close();
    reader.q.Open();
    EXPECT_EQ(reader.get("商品名称"), "新名");
}

TEST_F(QueryTest, LostUpdateIsRefusedAndWritesNothing) {
    Window a, b;
    a.q.Open();
    b.q.Open();
    b.q.Edit();
    b.set("商品名称", "B改");
    b.q.Post();

    a.q.Edit();
    a.set("商品名称", "A改");
    a.set("备注", "A");
    EXPECT_THROW(a.q.Post(), EDatabaseError);
    EXPECT_EQ(a.q.state(), TADOQuery::State::Browse);
    EXPECT_EQ(store.scalar("SELECT 商品名称 || '/' || ifnull(备注,'') FROM jxc WHERE 商品编号='1'"), "B改/");

    // A column the other connection did not touch can still be written.
    a.q.Edit();
    a.set("备注", "A");
    a.q.Post();
    EXPECT_EQ(store.scalar("SELECT 商品名称 || '/' || 备注 FROM jxc WHERE 商品编号='1'"), "B改/A");
}

TEST_F(QueryTest, PostOnRowDeletedElsewhereFails) {
    Window a;
    a.q.Open();
    store.exec(QStringLiteral("DELETE FROM jxc WHERE 商品编号='1'"));
    a.q.Edit();
    a.set("商品名称", "x");
    try {
        a.q.Post();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.message().contains("删除"));
    }
    EXPECT_EQ(store.scalar("SELECT count(*) FROM jxc"), "4");
}

TEST_F(QueryTest, ListenersHearOpenMovePostDeleteClose) {
    Window w;
    std::vector<DataSetEvent> seen;
    w.q.subscribe([&](DataSetEvent e) { seen.push_back(e); });
    w.q.Open();
    w.q.Next();
    w.q.Edit();
    w.set("备注", "r");
    w.q.Post();
    w.q.Delete();
    w.q.Close();
    auto has = [&](DataSetEvent e) { return std::find(seen.begin(), seen.end(), e) != seen.end(); };
    for (auto e : {DataSetEvent::Opened, DataSetEvent::Moved, DataSetEvent::Posted, DataSetEvent::Deleted,
                   DataSetEvent::Closed})
        EXPECT_TRUE(has(e));
}

TEST_F(QueryTest, TransactionRollbackUndoesStoreAndSnapshots) {
    Window products, lines(QStringLiteral("select * from xsmx"));
    products.q.Open();
    lines.q.Open();
    ASSERT_EQ(products.conn.handle(), lines.conn.handle());  // one handle per file
    {
        StoreTransaction tx(products.conn.handle());
        lines.q.Append();
        lines.set("商品编号", "1");
        lines.q.Post();
        products.q.Edit();
        products.set("销售数量", "3");
        products.q.Post();
        products.q.Next();
        products.q.Delete();
    }  // not committed
    EXPECT_EQ(lines.q.RecordCount(), 0);
    EXPECT_EQ(products.q.RecordCount(), 5);
    products.q.First();
    EXPECT_EQ(products.get("销售数量"), "");
    EXPECT_EQ(store.scalar("SELECT count(*) FROM xsmx"), "0");
    EXPECT_EQ(store.scalar("SELECT count(*) FROM jxc"), "5");
}

TEST_F(QueryTest, TransactionCommitKeepsBoth) {
    Window products, lines(QStringLiteral("select * from xsmx"));
    products.q.Open();
    lines.q.Open();
    StoreTransaction tx(products.conn.handle());
    lines.q.Append();
    lines.set("商品编号", "1");
    lines.q.Post();
    products.q.Edit();
    products.set("销售数量", "3");
    products.q.Post();
    tx.commit();
    EXPECT_EQ(store.scalar("SELECT count(*) FROM xsmx"), "1");
    EXPECT_EQ(store.scalar("SELECT 销售数量 FROM jxc WHERE 商品编号='1'"), "3.0");
}

// ---- statements ----

struct StatementCase {
    const char* name;
    QString sql;
    QStringList names;  // 商品名称 of the rows found, in order
};


TEST_F(QueryTest, DialectStatementsSelectTheExpectedRows) {
    const QString d1 = regional::formatShortDate(QDate(2014, 1, 1));
    const QString d31 = regional::formatShortDate(QDate(2014, 1, 31));
    const StatementCase cases[] = {
        {"substring", "select * from jxc where 商品编号<>'' and 商品编号 like '%1%'", {"螺丝", "Pen", "胶水"}},
        {"not empty", "select * from jxc where 商品编号<>''", {"螺丝", "Pen", "胶水"}},
        {"ascii case", "select * from jxc where 商品编号<>'' and 商品名称 like '%pEN%'", {"Pen"}},
        {"underscore", "select * from jxc where 商品编号 like '_0'", {"Pen"}},
        {"double quotes", "select * from jxc where 商品编号 like \"%2%\"", {"胶水"}},
        {"date range", "select * from jxc where [进货日期] between #" + d1 + "# \nand #" + d31 + "#", {"螺丝", "Pen"}},
        {"order by", "select * from jxc where 商品编号<>'' order by 进货单价", {"Pen", "胶水", "螺丝"}},
    };
    for (const auto& c : cases) {
        Window w(c.sql);
        w.q.Open();
        QStringList got;
        for (w.q.First(); !w.q.Eof(); w.q.Next()) got << w.get("商品名称");
        EXPECT_EQ(got, c.names) << c.name;
    }
}

TEST_F(QueryTest, GroupingByDayMonthYear) {
    store.exec(QStringLiteral(
        "INSERT INTO xsmx (商品编号,销售日期,销售金额) VALUES ('1','2014-01-08 00:00:00',10),"
        "('1','2014-01-08 00:00:00',2.5),('1','2014-01-09 00:00:00',1),('1','2014-03-01 00:00:00',4),"
        "('1','2015-03-01 00:00:00',100)"));
    Window w(QStringLiteral(
        "select month([销售日期]) as 销售日期,sum(销售金额) as 销售金额 from xsmx where year([销售日期])=2014 "
        "group by month([销售日期]) order by month([销售日期])"));
    w.q.Open();
    ASSERT_EQ(w.q.RecordCount(), 2);
    EXPECT_EQ(w.get("销售日期"), "1");
    EXPECT_EQ(w.get("销售金额"), "13.5");
    EXPECT_EQ(w.q.fieldKind(0), FieldKind::Number);
    EXPECT_THROW(w.q.Edit(), EDatabaseError);  // a computed result is read-only

    Window d(QStringLiteral("select day([销售日期]) as 日 from xsmx where month([销售日期])=3 and year([销售日期])=2015"));
    d.q.Open();
    EXPECT_EQ(d.get("日"), "1");
}

TEST_F(QueryTest, ParametersAreBoundNeverPasted) {
    store.exec(QStringLiteral("INSERT INTO jxc (商品编号,商品名称) VALUES ('O''Brien','引号')"));
    Window w(QStringLiteral("select * from jxc where 商品编号 like :code"));
    w.q.setParameter(QStringLiteral("code"), QStringLiteral("%'%"));
    w.q.Open();
    ASSERT_EQ(w.q.RecordCount(), 1);
    EXPECT_EQ(w.get("商品名称"), "引号");
    Window missing(QStringLiteral("select * from jxc where 商品编号 = :nothing"));
    EXPECT_THROW(missing.q.Open(), EDatabaseError);
}

TEST_F(QueryTest, OpenSqlReplacesStatementAndFailureLeavesQueryClosed) {
    Window w;
    w.q.Open();
    OpenSql(w.q, QStringLiteral("select * from jxc where 商品编号='21'"));
    EXPECT_EQ(w.q.RecordCount(), 1);
    EXPECT_EQ(w.q.SQL.Count(), 1);
    EXPECT_THROW(OpenSql(w.q, QStringLiteral("select * from jxc where 商品编号 like '%'%'")), EDatabaseError);
    EXPECT_FALSE(w.q.Active());
    EXPECT_EQ(w.q.RecordCount(), 0);
}

TEST_F(QueryTest, ReconnectPutsWholeTablesBackFromTheCurrentDirectory) {
    TADOConnection conn;
    conn.setConnectionString(connstr::shortForm());
    TADOQuery q1(&conn), q2(&conn);
    q1.SQL.Add(QStringLiteral("select * from jxc where 商品编号='21'"));
    q1.Open();
    Reconnect(conn, q1, QStringLiteral("select * from jxc"), q2, QStringLiteral("select * from kcbj"));
    EXPECT_TRUE(conn.Connected());
    EXPECT_EQ(q1.RecordCount(), 5);
    EXPECT_EQ(q1.RecNo(), 1);
    EXPECT_EQ(q2.RecordCount(), 1);
    EXPECT_TRUE(conn.connectionString().endsWith("\\data.mdb;Persist Security Info=True"));
    EXPECT_EQ(conn.fileName(), store.path());
}

TEST_F(QueryTest, ClosingTheConnectionClosesItsQueries) {
    Window w;
    w.q.Open();
    w.conn.Close();
    EXPECT_FALSE(w.q.Active());
    w.q.Open();  // opening a query opens its connection
    EXPECT_TRUE(w.conn.Connected());
}

// ---- connections ----

TEST(ConnectionTest, ParsesTheThreeFormsAndResolvesDataSource) {
    for (const QString& cs : {connstr::shortForm(), connstr::longForm(), connstr::runtimeForm("/shop")}) {
        const auto props = connstr::parse(cs);
        EXPECT_EQ(props.value("provider"), "Microsoft.Jet.OLEDB.4.0") << cs.toStdString();
        EXPECT_EQ(props.value("jet oledb:database password"), "360418527093");
    }
    EXPECT_EQ(connstr::parse(connstr::longForm()).value("mode"), "Share Deny None");
    EXPECT_EQ(connstr::parse(connstr::longForm()).value("extended properties"), "");
    EXPECT_EQ(connstr::dataSourcePath(connstr::shortForm(), "/shop"), "/shop/data.mdb");
    EXPECT_EQ(connstr::dataSourcePath(connstr::runtimeForm("/shop/a"), "/elsewhere"), "/shop/a/data.mdb");
}

TEST(ConnectionTest, BadFilesFailWithTheFileNamedAndNothingCreated) {
    TestStore folder(false);
    TADOConnection conn;
    conn.setConnectionString(connstr::shortForm());
    struct Case {
        const char* name;
        QByteArray content;  // empty name: no file at all
        bool create;
    } cases[] = {{"missing", "", false}, {"empty", "", true}, {"text", "这不是数据库\n hello world, not SQLite at all...", true}};
    for (const auto& c : cases) {
        QFile::remove(folder.path());
        if (c.create) {
            QFile f(folder.path());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.content.repeated(100));
        }
        try {
            conn.Open();
            FAIL() << c.name;
        } catch (const EDatabaseError& e) {
            EXPECT_TRUE(e.message().contains(folder.path())) << c.name << ": " << e.what();
        }
        EXPECT_EQ(QFile::exists(folder.path()), c.create) << c.name;
        EXPECT_FALSE(conn.Connected());
    }
}

}  // namespace

namespace {

TEST(StoreOpen, AStoreWithoutTheSalesDateIndexGetsItWhenOpened) {
    TestStore store;
    store.exec(QStringLiteral("DROP INDEX xsmx_date"));
    {
        Window w(QStringLiteral("select * from xsmx"));
        w.q.Open();
    }
    EXPECT_EQ(store.scalar("SELECT count(*) FROM sqlite_master WHERE type='index' AND name='xsmx_date'"), "1");
}

}  // namespace
