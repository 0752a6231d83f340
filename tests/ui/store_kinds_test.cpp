// The program on a store it cannot use as it is: missing, not an SQLite
// file, damaged, read-only, or locked by another program. Start-up shows
// clear errors and goes on; every write command shows a clear error and
// changes nothing. A second copy of the program works on the same store, and
// neither copy overwrites what the other wrote.
#include "tests/ui/AppFixture.h"

#include "db/LockWait.h"
#include "db/Sqlite.h"
#include "platform/DBGridEh.h"
#include "purchasing/XzspUnit.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"
#include "stock/KcglUnit.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>

namespace {

std::string s(const QString& t) { return t.toStdString(); }

const char* kRows =
    "INSERT INTO jxc (商品编号,商品名称,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,销售利润,库存数量,库存金额) "
    "VALUES ('A1','螺丝','2014-01-02 00:00:00',6,10,60,5,50,20,5,30),"
    "       ('B2','垫片','2014-01-03 00:00:00',1.5,8,12,0,0,NULL,8,12);"
    "INSERT INTO xsmx (商品编号,商品名称,销售日期,销售单价,销售数量,销售金额,销售利润) "
    "VALUES ('A1','螺丝','2014-03-01 00:00:00',10,5,50,20);"
    "UPDATE kcbj SET 库存报警数 = 3;";

// Everything the windows can write, in one text.
QString dump(const TestStore& store)
{
    return store.scalar(
        "SELECT group_concat(x, '|') FROM (SELECT 商品编号||quote(商品名称)||quote(进货单价)||quote(销售数量)||"
        "quote(库存数量)||quote(备注) AS x FROM jxc UNION ALL SELECT 商品编号||quote(销售数量)||quote(销售金额) "
        "FROM xsmx UNION ALL SELECT quote(库存报警数) FROM kcbj)");
}

std::vector<QString> errorBoxes(const platform::ScriptedInteraction& user)
{
    std::vector<QString> out;
    for (const auto& box : user.messages)
        if (box.icon == platform::Icon::Stop) out.push_back(box.text);
    return out;
}

// --- start-up on a store it cannot read -------------------------------------

struct StartCase {
    const char* name;
    std::function<void(TestStore&, sqlite3*&)> spoil;
    const char* says;  // in every error box
};
void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartUp : public AppFixture, public ::testing::WithParamInterface<StartCase> {
protected:
    void fillStore() override
    {
        store->exec(QString::fromUtf8(kRows));
        lockwait::setTimeoutMs(1000);
        runOut = lockwait::timeoutsRunOut();
        clock.start();
        GetParam().spoil(*store, other);
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        sqlite3_close_v2(other);
        lockwait::setTimeoutMs(lockwait::kDefaultTimeoutMs);
    }
    sqlite3* other = nullptr;
    int runOut = 0;
    QElapsedTimer clock;
};

TEST_P(StartUp, ShowsWhatIsWrongInEveryErrorBoxThenRunsOnAndSaysItAgainOnRefresh)
{
    const qint64 started = clock.elapsed();
    const auto boxes = errorBoxes(user);
    ASSERT_FALSE(boxes.empty());
    for (const QString& text : boxes) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().says))) << s(text);
        EXPECT_TRUE(text.contains("数据库引擎报告：") || text.contains("找不到数据库文件")) << s(text);
    }
    EXPECT_TRUE(MainForm->isVisible());
    // A locked store is waited for once in the whole start-up, not once per query.
    EXPECT_LE(lockwait::timeoutsRunOut() - runOut, 1);
    EXPECT_LT(started, 6 * lockwait::timeoutMs());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone again";

    user.messages.clear();
    MainForm->Button2->click();  // 刷新
    ASSERT_EQ(errorBoxes(user).size(), 1u);
    EXPECT_TRUE(errorBoxes(user)[0].contains(QString::fromUtf8(GetParam().says))) << s(errorBoxes(user)[0]);
}

void overwrite(const QString& file, qint64 at, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(at);
    f.write(bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, StartUp,
    ::testing::Values(
        StartCase{"Missing", [](TestStore& t, sqlite3*&) { QFile::remove(t.path()); }, "找不到数据库文件"},
        StartCase{"NotAnSqliteFile",
                  [](TestStore& t, sqlite3*&) {
                      QFile f(t.path());
                      ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                      f.write("商品编号,商品名称\nP0001,螺丝\n" + QByteArray(4096, ' '));
                  },
                  "不是有效的数据库文件"},
        StartCase{"DamagedPages",
                  [](TestStore& t, sqlite3*&) {
                      // The product table's first page: start-up can read the schema, not the rows.
                      const int page = t.scalar("SELECT rootpage FROM sqlite_master WHERE name='jxc'").toInt();
                      overwrite(t.path(), qint64(page - 1) * 4096, QByteArray(4096, '\x5a'));
                  },
                  "已损坏"},
        StartCase{"LockedByAnotherProgramsWrite",
                  [](TestStore& t, sqlite3*& other) {
                      sqlite3_open(QFile::encodeName(t.path()).constData(), &other);
                      ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; UPDATE kcbj SET 库存报警数=9", nullptr, nullptr,
                                             nullptr),
                                SQLITE_OK);
                  },
                  "锁定"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- every write command on a store it cannot write ---------------------------

struct WriteCase {
    const char* name;
    std::function<void(platform::ScriptedInteraction&)> command;
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

void onModal(platform::ScriptedInteraction& user, QWidget* window, std::function<void()> act)
{
    user.onModal = [window, act](QWidget* w) {
        if (w == window) act();
    };
}

const WriteCase kWrites[] = {
    {"NewProduct",
     [](platform::ScriptedInteraction& user) {
         onModal(user, XzspForm, [] {
             XzspForm->Edit1->setText(QStringLiteral("C3"));
             XzspForm->SpeedButton1->click();
         });
         MainForm->SpeedButton8->click();
     }},
    {"ProductCorrection",
     [](platform::ScriptedInteraction& user) {
         onModal(user, XzspForm, [] {
             XzspForm->Edit2->setText(QStringLiteral("改名"));
             XzspForm->SpeedButton3->click();
         });
         MainForm->N2->trigger();
     }},
    {"ProductDeletion",
     [](platform::ScriptedInteraction& user) {
         MainForm->DBGridEh1->selectRow(0);
         user.answers.push_back(platform::Answer::OK);
         MainForm->N3->trigger();
     }},
    {"Sale",
     [](platform::ScriptedInteraction& user) {
         onModal(user, XsspForm, [] { XsspForm->SpeedButton1->click(); });
         MainForm->SpeedButton9->click();
     }},
    {"SaleCorrection",
     [](platform::ScriptedInteraction& user) {
         onModal(user, XsspForm, [] {
             XsspForm->Edit2->setText(QStringLiteral("2"));
             XsspForm->SpeedButton2->click();
         });
         XsmxForm->SpeedButton4->click();
     }},
    {"LineDeletion",
     [](platform::ScriptedInteraction& user) {
         XsmxForm->DBGridEh1->selectRow(0);
         user.answers.push_back(platform::Answer::OK);
         XsmxForm->SpeedButton5->click();
     }},
    {"Threshold",
     [](platform::ScriptedInteraction& user) {
         onModal(user, KcglForm, [] {
             KcglForm->Edit1->setText(QStringLiteral("5"));
             KcglForm->SpeedButton1->click();
         });
         MainForm->SpeedButton3->click();
     }},
};

struct Unwritable {
    const char* name;
    bool readOnly;  // else another program holds a write transaction
    const char* says;
};

class WriteCommand : public AppFixture, public ::testing::WithParamInterface<std::tuple<Unwritable, WriteCase>> {
protected:
    void fillStore() override
    {
        store->exec(QString::fromUtf8(kRows));
        lockwait::setTimeoutMs(300);
        // Root may write to any file, so the store is opened read-only as
        // SQLite opens a file its user may not write to.
        StoreHandle::readOnlyForTest() = std::get<0>(GetParam()).readOnly;
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        StoreHandle::readOnlyForTest() = false;
        sqlite3_close_v2(other);
        lockwait::setTimeoutMs(lockwait::kDefaultTimeoutMs);
    }
    sqlite3* other = nullptr;
};

TEST_P(WriteCommand, ShowsOneClearErrorAndChangesNothing)
{
    const auto& [kind, command] = GetParam();
    ASSERT_TRUE(errorBoxes(user).empty()) << s(errorBoxes(user)[0]);
    if (!kind.readOnly) {
        sqlite3_open(QFile::encodeName(store->path()).constData(), &other);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE kcbj SET 库存报警数=9", nullptr, nullptr, nullptr),
                  SQLITE_OK);
    }
    const QString before = dump(*store);
    const int runOut = lockwait::timeoutsRunOut();
    command.command(user);
    const auto boxes = errorBoxes(user);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].contains(QString::fromUtf8(kind.says))) << s(boxes[0]);
    EXPECT_EQ(s(dump(*store)), s(before)) << "nothing half-written";
    EXPECT_LE(lockwait::timeoutsRunOut() - runOut, 1) << "the command waits once";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (const auto& box : user.messages) EXPECT_FALSE(box.text.contains("成功")) << s(box.text);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, WriteCommand,
    ::testing::Combine(::testing::Values(Unwritable{"ReadOnly", true, "数据库文件是只读的，修改没有保存"},
                                         Unwritable{"LockedByAnotherProgramsWrite", false, "锁定"}),
                       ::testing::ValuesIn(kWrites)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

// --- the wait cursor ----------------------------------------------------------

TEST_F(AppFixture, TheStoresWaitForALockShowsTheWaitCursorUntilItEnds)
{
    lockwait::runWaitHook(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    lockwait::runWaitHook(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// --- two copies of the program --------------------------------------------------

class TwoPrograms : public AppFixture {
protected:
    void fillStore() override { store->exec(QString::fromUtf8(kRows)); }

    // The other copy, a process of its own, sells one of `code` and ends.
    void otherCopySells(const char* code)
    {
        QProcess p;
        p.start(QStringLiteral(JXC_DRIVER), {"sell", store->folder(), QString::fromUtf8(code)});
        ASSERT_TRUE(p.waitForFinished(60'000));
        ASSERT_EQ(p.exitCode(), 0) << s(QString::fromUtf8(p.readAllStandardError()));
    }
};

TEST_F(TwoPrograms, BothWorkAndAWriteFromWhatTheOtherChangedIsRefused)
{
    otherCopySells("A1");
    EXPECT_EQ(store->scalar("SELECT 销售数量 FROM jxc WHERE 商品编号='A1'"), "6.0");
    const QString afterOther = dump(*store);

    // This copy still shows A1 as it read it: its sale and its correction are refused.
    MainForm->ADOQuery1.First();
    for (const WriteCase& c : {kWrites[3], kWrites[1]}) {
        SCOPED_TRACE(c.name);
        user.messages.clear();
        c.command(user);
        const auto boxes = errorBoxes(user);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].contains("该记录已被其他窗口或程序修改")) << s(boxes[0]);
        EXPECT_EQ(s(dump(*store)), s(afterOther));
    }

    // Another product it can still write; and once it has re-read A1, A1 too.
    user.messages.clear();
    MainForm->ADOQuery1.Last();
    kWrites[3].command(user);
    MainForm->Button2->click();  // 刷新
    MainForm->ADOQuery1.First();
    kWrites[3].command(user);
    EXPECT_TRUE(errorBoxes(user).empty()) << s(errorBoxes(user)[0]);
    EXPECT_EQ(store->scalar("SELECT 销售数量 FROM jxc WHERE 商品编号='A1'"), "7.0");
    EXPECT_EQ(store->scalar("SELECT 销售数量 FROM jxc WHERE 商品编号='B2'"), "1.0");
    EXPECT_EQ(store->scalar("SELECT count(*) FROM xsmx"), "4");
}

}  // namespace
