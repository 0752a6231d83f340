// The store in trouble: what the user is told for each error of the engine,
// a store locked by another program (waited for once per command), and two
// copies of the program writing the same rows.
#include "TestStore.h"
#include "TestWindow.h"

#include "db/Errors.h"
#include "db/LockWait.h"
#include "db/SalePosting.h"
#include "db/Sqlite.h"
#include "db/StoreErrors.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <memory>
#include <thread>
#include <sqlite3.h>

namespace {

std::string s(const QString& t) { return t.toStdString(); }

// --- the texts ----------------------------------------------------------------

TEST(StoreErrorText, EveryErrorAUserCanMeetIsExplainedInChineseWithTheEnginesTextAfterIt)
{
    const struct {
        int code;
        const char* engine;
        const char* says;
    } cases[] = {
        {SQLITE_BUSY, "database is locked", "正被另一个程序（或本程序的另一个副本）锁定"},
        {SQLITE_LOCKED, "database table is locked", "锁定"},
        {SQLITE_READONLY, "attempt to write a readonly database", "数据库文件是只读的，修改没有保存"},
        {SQLITE_FULL, "database or disk is full", "磁盘已满，修改没有保存"},
        {SQLITE_CORRUPT, "database disk image is malformed", "数据库文件已损坏"},
        {SQLITE_NOTADB, "file is not a database", "不是有效的数据库文件"},
        {SQLITE_CANTOPEN, "unable to open database file", "无法打开数据库文件"},
        {SQLITE_IOERR, "disk I/O error", "磁盘错误"},
        {SQLITE_PERM, "access permission denied", "没有访问数据库文件的权限"},
        {SQLITE_CONSTRAINT, "CHECK constraint failed: 进货单价", "数据库拒绝了这个值"},
        {SQLITE_TOOBIG, "string or blob too big", "数据太长"},
        {SQLITE_ERROR, "no such table: jxc", "SQL 语句有误，或数据库缺少它用到的表或列"},
        {SQLITE_IOERR | (3 << 8), "disk I/O error", "磁盘错误"},  // an extended code counts as its kind
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.engine);
        const QString text = storeErrorText(c.code, QString::fromUtf8(c.engine), QStringLiteral("无法打开“x”"));
        EXPECT_TRUE(text.startsWith("无法打开“x”：")) << s(text);
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << s(text);
        EXPECT_TRUE(text.endsWith("\n数据库引擎报告：" + QString::fromUtf8(c.engine))) << s(text);
    }
}

// --- each trouble, met through a window's query -------------------------------

class Trouble : public ::testing::Test {
public:
    void SetUp() override
    {
        lockwait::setTimeoutMs(200);
        store.exec(QStringLiteral("INSERT INTO jxc (商品编号,商品名称,进货单价) VALUES ('1','螺丝',6)"));
    }
    void TearDown() override
    {
        lockwait::setTimeoutMs(lockwait::kDefaultTimeoutMs);
        StoreHandle::readOnlyForTest() = false;
        sqlite3_close_v2(other);
        keep.reset();
    }
    // Another program's handle on the store, in a write transaction.
    void otherHolds(const char* begin)
    {
        sqlite3_open_v2(QFile::encodeName(store.path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
        ASSERT_EQ(sqlite3_exec(other, begin, nullptr, nullptr, nullptr), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "UPDATE jxc SET 备注='别的程序'", nullptr, nullptr, nullptr), SQLITE_OK);
    }
    // The message of what `action` throws; empty when it throws nothing.
    static QString failure(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const EJxcError& e) {
            return e.message();
        }
        return {};
    }

    TestStore store;
    sqlite3* other = nullptr;
    std::unique_ptr<TestWindow> keep;  // holds the shared handle open
};

inline void writeBytesAt(const QString& file, qint64 at, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(at);
    f.write(bytes);
}

struct TroubleCase {
    const char* name;
    std::function<void(Trouble&)> make;
    bool writes;  // met by a write; else by opening the query
    const char* says;
    const char* engine;
};
void PrintTo(const TroubleCase& c, std::ostream* os) { *os << c.name; }

class StoreTrouble : public Trouble, public ::testing::WithParamInterface<TroubleCase> {};

TEST_P(StoreTrouble, ReachesTheUserAsAClearChineseTextWithTheEnginesOwnAfterIt)
{
    const TroubleCase& c = GetParam();
    c.make(*this);
    TestWindow w;
    const QString text = failure([&] {
        w.q.Open();
        if (!c.writes) return;
        w.q.Append();
        w.set("备注", QString(20000, u'满'));
        w.q.Post();
    });
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << s(text);
    EXPECT_TRUE(text.endsWith("数据库引擎报告：" + QString::fromUtf8(c.engine))) << s(text);
    if (c.writes) {
        EXPECT_EQ(store.scalar("SELECT count(*) FROM jxc"), "1") << "nothing written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, StoreTrouble,
    ::testing::Values(
        TroubleCase{"LockedByAnotherProgramsWrite", [](Trouble& t) { t.otherHolds("BEGIN EXCLUSIVE"); }, false,
                    "锁定", "database is locked"},
        TroubleCase{"WriteWhileAnotherProgramWrites", [](Trouble& t) { t.otherHolds("BEGIN IMMEDIATE"); }, true,
                    "锁定", "database is locked"},
        TroubleCase{"ReadOnly", [](Trouble&) { StoreHandle::readOnlyForTest() = true; }, true, "只读",
                    "attempt to write a readonly database"},
        TroubleCase{"DiskFull",
                    [](Trouble& t) {
                        t.keep = std::make_unique<TestWindow>();
                        t.keep->conn.Open();
                        t.keep->conn.handle()->exec("PRAGMA max_page_count = 4");
                    },
                    true, "磁盘已满", "database or disk is full"},
        TroubleCase{"DamagedPages",
                    [](Trouble& t) {
                        t.store.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                                     "INSERT INTO jxc (备注) SELECT printf('%0500d', i) FROM n");
                        const qint64 size = QFileInfo(t.store.path()).size();
                        writeBytesAt(t.store.path(), size / 4096 / 2 * 4096, QByteArray(4096, '\x5a'));
                    },
                    false, "已损坏", "database disk image is malformed"},
        TroubleCase{"NotADatabase",
                    [](Trouble& t) {
                        QFile f(t.store.path());
                        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                        f.write(QByteArray(8192, 'x'));
                    },
                    false, "不是有效的数据库文件", "file is not a database"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- a locked store ------------------------------------------------------------

TEST_F(Trouble, ALockedStoreIsWaitedForOnceInACommandAndEveryLaterStepFailsAtOnce)
{
    otherHolds("BEGIN EXCLUSIVE");
    std::vector<bool> told;
    lockwait::setWaitHook([&](bool waiting) { told.push_back(waiting); });
    const int before = lockwait::timeoutsRunOut();
    QElapsedTimer clock;
    clock.start();
    {
        const lockwait::Scope command;
        for (int i = 0; i < 10; ++i) {
            TestWindow w;
            EXPECT_TRUE(failure([&] { w.q.Open(); }).contains("锁定"));
        }
        EXPECT_TRUE(lockwait::spent());
    }
    // Ten waits would take 2 s; one takes 0.2 s.
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(lockwait::timeoutsRunOut() - before, 1);
    EXPECT_EQ(told, (std::vector<bool>{true, false})) << "the wait cursor comes and goes once";

    // The next command waits again; outside every command each step waits.
    EXPECT_FALSE(lockwait::spent());
    {
        const lockwait::Scope next;
        TestWindow w;
        EXPECT_FALSE(failure([&] { w.q.Open(); }).isEmpty());
    }
    for (int i = 0; i < 2; ++i) {
        TestWindow w;
        EXPECT_FALSE(failure([&] { w.q.Open(); }).isEmpty());
    }
    EXPECT_EQ(lockwait::timeoutsRunOut() - before, 4);
    lockwait::setWaitHook(nullptr);
}

TEST_F(Trouble, ALockReleasedWhileWaitingLetsTheCommandGoOn)
{
    lockwait::setTimeoutMs(5000);
    otherHolds("BEGIN EXCLUSIVE");
    std::vector<bool> told;
    lockwait::setWaitHook([&](bool waiting) { told.push_back(waiting); });
    std::thread release([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    const lockwait::Scope command;
    TestWindow w;
    EXPECT_EQ(s(failure([&] { w.q.Open(); })), "");
    release.join();
    EXPECT_EQ(w.get("备注"), "别的程序");
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
    EXPECT_FALSE(lockwait::spent());
    lockwait::setWaitHook(nullptr);
}

// --- two copies on one store ---------------------------------------------------

// Each copy has its own windows with their own snapshots; copy B writes after
// copy A has read, then A writes from what it read. A must be refused, with a
// message saying so, and write nothing.
struct CopiesCase {
    const char* name;
    std::function<void(TestStore&)> otherCopy;  // what B does meanwhile (as another program would)
    std::function<void(TestWindow& products, TestWindow& lines, TestWindow& threshold)> write;
    const char* says;
};
void PrintTo(const CopiesCase& c, std::ostream* os) { *os << c.name; }

class TwoCopies : public ::testing::TestWithParam<CopiesCase> {
protected:
    void SetUp() override
    {
        store.exec(QStringLiteral(
            "INSERT INTO jxc (商品编号,商品名称,进货单价,进货数量,进货金额,销售数量,销售金额,销售利润,库存数量,库存金额) "
            "VALUES ('A1','螺丝',6,10,60,5,50,20,5,30);"
            "INSERT INTO xsmx (商品编号,商品名称,销售日期,销售单价,销售数量,销售金额,销售利润) "
            "VALUES ('A1','螺丝','2014-03-01 00:00:00',10,5,50,20);"
            "UPDATE kcbj SET 库存报警数 = 3;"));
    }
    QString dump() const
    {
        return store.scalar("SELECT group_concat(x, '|') FROM (SELECT quote(商品名称)||库存数量||quote(销售数量)||"
                            "quote(备注) AS x FROM jxc UNION ALL SELECT count(*)||'/'||total(销售数量) FROM xsmx "
                            "UNION ALL SELECT quote(库存报警数) FROM kcbj)");
    }
    TestStore store;
};

TEST_P(TwoCopies, AWriteFromARowTheOtherCopyChangedOrDeletedIsRefusedAndWritesNothing)
{
    const CopiesCase& c = GetParam();
    TestWindow products, lines(QStringLiteral("select * from xsmx")), threshold(QStringLiteral("select * from kcbj"));
    products.q.Open();
    lines.q.Open();
    threshold.q.Open();
    c.otherCopy(store);
    const QString after = dump();
    try {
        c.write(products, lines, threshold);
        ADD_FAILURE() << "the write went through";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.says))) << s(e.message());
    }
    EXPECT_EQ(s(dump()), s(after)) << "nothing of the refused write is stored";
    for (TestWindow* w : {&products, &lines, &threshold}) EXPECT_EQ(w->q.state(), TADOQuery::State::Browse);
}

SalesLineTexts saleOf(const char* quantity)
{
    SalesLineTexts line;
    line.code = QStringLiteral("A1");
    line.date = QDate(2014, 3, 2);
    line.price = QStringLiteral("10");
    line.quantity = QString::fromUtf8(quantity);
    line.amount = QString::number(10 * QString::fromUtf8(quantity).toInt());
    line.purchasePrice = QStringLiteral("6");
    return line;
}

const auto sold = [](TestStore& b) {
    b.exec("UPDATE jxc SET 销售数量=6, 销售金额=60, 库存数量=4; INSERT INTO xsmx (商品编号, 销售数量) VALUES ('A1', 1)");
};
const auto productGone = [](TestStore& b) { b.exec("DELETE FROM jxc"); };
const auto renamed = [](TestStore& b) { b.exec("UPDATE jxc SET 商品名称='六角螺丝'"); };
const auto lineCorrected = [](TestStore& b) { b.exec("UPDATE xsmx SET 销售数量=4, 销售金额=40"); };
const auto lineGone = [](TestStore& b) { b.exec("DELETE FROM xsmx"); };

INSTANTIATE_TEST_SUITE_P(
    Writes, TwoCopies,
    ::testing::Values(
        CopiesCase{"ProductSavedAfterTheOtherSoldIt", sold,
                   [](TestWindow& p, TestWindow&, TestWindow&) {
                       p.q.Edit();
                       p.set("库存数量", QStringLiteral("8"));
                       p.set("备注", QStringLiteral("A"));
                       p.q.Post();
                   },
                   "该记录已被其他窗口或程序修改，本次修改没有保存"},
        CopiesCase{"ProductSavedAfterTheOtherDeletedIt", productGone,
                   [](TestWindow& p, TestWindow&, TestWindow&) {
                       p.q.Edit();
                       p.set("商品名称", QStringLiteral("A"));
                       p.q.Post();
                   },
                   "该记录已被其他窗口或程序删除"},
        CopiesCase{"ProductDeletedAfterTheOtherChangedIt", renamed,
                   [](TestWindow& p, TestWindow&, TestWindow&) { p.q.Delete(); }, "已被其他窗口或程序修改，没有删除"},
        CopiesCase{"ProductDeletedAfterTheOtherDeletedIt", productGone,
                   [](TestWindow& p, TestWindow&, TestWindow&) { p.q.Delete(); }, "已被其他窗口或程序删除，没有删除"},
        CopiesCase{"SaleOfAProductTheOtherSold", sold,
                   [](TestWindow& p, TestWindow& l, TestWindow&) { PostSale(l.q, saleOf("2"), p.q); },
                   "已被其他窗口或程序修改"},
        CopiesCase{"CorrectionOfALineTheOtherCorrected", lineCorrected,
                   [](TestWindow& p, TestWindow& l, TestWindow&) {
                       PostCorrection(l.q, saleOf("3"), p.q, QStringLiteral("0"), QStringLiteral("0"));
                   },
                   "已被其他窗口或程序修改"},
        CopiesCase{"CorrectionOfALineTheOtherDeleted", lineGone,
                   [](TestWindow& p, TestWindow& l, TestWindow&) {
                       PostCorrection(l.q, saleOf("3"), p.q, QStringLiteral("0"), QStringLiteral("0"));
                   },
                   "已被其他窗口或程序删除"},
        CopiesCase{"CorrectionWhoseProductTheOtherSold", sold,
                   [](TestWindow& p, TestWindow& l, TestWindow&) {
                       PostCorrection(l.q, saleOf("3"), p.q, QStringLiteral("0"), QStringLiteral("0"));
                   },
                   "已被其他窗口或程序修改"},
        CopiesCase{"LineDeletedAfterTheOtherCorrectedIt", lineCorrected,
                   [](TestWindow&, TestWindow& l, TestWindow&) { l.q.Delete(); }, "没有删除"},
        CopiesCase{"ThresholdSetAfterTheOtherSetIt", [](TestStore& b) { b.exec("UPDATE kcbj SET 库存报警数 = 7"); },
                   [](TestWindow&, TestWindow&, TestWindow& t) {
                       t.q.Edit();
                       t.set("库存报警数", QStringLiteral("5"));
                       t.q.Post();
                   },
                   "已被其他窗口或程序修改"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
