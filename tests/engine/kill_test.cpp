// The program killed at any moment of a long mixed run: after every kill the
// store passes the store check and its figures agree. The run is the test
// driver (the whole program with a scripted user, in a process of its own),
// restarted on the same store after each kill. The build names it in
// JXC_DRIVER and the store tool in JXCDB.
#include "db/StoreCheck.h"
#include "tests/engine/UserDirs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <random>
#include <sqlite3.h>

namespace {

std::string s(const QString& t) { return t.toStdString(); }

struct Product {
    double purchased = 0, sold = 0, amount = 0, stock = 0;
};
struct Sums {
    double quantity = 0, amount = 0;
};

// What the driver's log says: products whose lines it deleted, and how often
// it corrected a line of each product.
struct Log {
    QSet<QString> deleted;
    QHash<QString, int> corrections;
};

Log readLog(const QString& file)
{
    Log log;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return log;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QString code = QString::fromUtf8(line.mid(2));
        if (line.startsWith("X ")) log.deleted.insert(code);
        else if (line.startsWith("C ")) ++log.corrections[code];
    }
    return log;
}

// Every product's totals against its lines. Returns the first disagreement.
QString figuresFault(const QString& store, const Log& log, int* checked)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(store).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return "cannot open: " + QString::fromUtf8(sqlite3_errmsg(db));
    auto each = [db](const char* sql, auto row) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) row(st);
        sqlite3_finalize(st);
    };
    auto code = [](sqlite3_stmt* st) { return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))); };
    QHash<QString, Product> products;
    QHash<QString, Sums> lines;
    QString fault;
    each("SELECT 商品编号, 进货数量, 销售数量, 销售金额, 库存数量 FROM jxc", [&](sqlite3_stmt* st) {
        if (products.contains(code(st))) fault = "two products " + code(st);
        products[code(st)] = {sqlite3_column_double(st, 1), sqlite3_column_double(st, 2), sqlite3_column_double(st, 3),
                              sqlite3_column_double(st, 4)};
    });
    each("SELECT 商品编号, total(销售数量), total(销售金额) FROM xsmx GROUP BY 商品编号", [&](sqlite3_stmt* st) {
        lines[code(st)] = {sqlite3_column_double(st, 1), sqlite3_column_double(st, 2)};
    });
    sqlite3_close_v2(db);
    *checked = 0;
    for (auto it = products.cbegin(); it != products.cend() && fault.isEmpty(); ++it) {
        if (log.deleted.contains(it.key())) continue;
        ++*checked;
        const Product& p = it.value();
        const Sums sum = lines.value(it.key());
        // Each correction may round the product's totals to two decimals once.
        const double rounding = 0.005 * log.corrections.value(it.key()) + 1e-6;
        auto off = [&](const char* what, double stored, double expected, double tolerance) {
            if (std::abs(stored - expected) > tolerance)
                fault = it.key() + ": " + what + " " + QString::number(stored, 'g', 17) + ", expected " +
                        QString::number(expected, 'g', 17);
        };
        off("销售数量", p.sold, sum.quantity, rounding);
        off("销售金额", p.amount, sum.amount, rounding + 1e-9 * std::abs(sum.amount));
        off("库存数量", p.stock, p.purchased - p.sold, 1e-6);
    }
    return fault;
}

TEST(KilledAtAnyMoment, EveryKillLeavesAWholeStoreWhoseFiguresAgree)
{
    const QString driver = QStringLiteral(JXC_DRIVER);
    const QString tool = qEnvironmentVariable("JXCDB");
    ASSERT_FALSE(tool.isEmpty()) << "JXCDB must name the store tool";
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("data.mdb"));
    const QString log = dir.filePath(QStringLiteral("driver.log"));
    ASSERT_EQ(QProcess::execute(tool, {"sample", store, "--products", "30", "--lines", "300", "--seed", "11"}), 0);
    int checked = 0;
    ASSERT_EQ(s(figuresFault(store, {}, &checked)), "") << "the sample itself";

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The launcher each start writes goes to the test's own folder.
    ASSERT_TRUE(nameDesktopFolder(dir.path(), dir.path()));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
    std::mt19937 random(20240611);
    QElapsedTimer clock;
    clock.start();
    int kills = 0;
    // A hundred and more kills, within a bound that keeps the suite's time.
    while (kills < 120 && (kills < 100 || clock.elapsed() < 60'000) && clock.elapsed() < 100'000) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProgram(driver);
        p.setArguments({"run", dir.path(), log, QString::number(kills + 1)});
        p.start();
        ASSERT_TRUE(p.waitForStarted(10'000));
        // One kill in ten lands while the program starts; the rest while it works.
        if (kills % 10 != 0) {
            while (!p.canReadLine() && p.state() == QProcess::Running) p.waitForReadyRead(100);
            ASSERT_EQ(p.readLine(), "ready\n") << s(QString::fromUtf8(p.readAllStandardError()));
        }
        QThread::msleep(std::uniform_int_distribution<int>(0, 400)(random));
        ASSERT_EQ(p.state(), QProcess::Running)
            << "the driver stopped by itself: " << s(QString::fromUtf8(p.readAllStandardError()));
        p.kill();
        ASSERT_TRUE(p.waitForFinished(10'000));
        ++kills;

        SCOPED_TRACE("after kill " + std::to_string(kills));
        const StoreCheckResult check = checkStore(store);
        ASSERT_TRUE(check.ok) << s(check.message);
        const QString fault = figuresFault(store, readLog(log), &checked);
        ASSERT_EQ(s(fault), "");
    }
    EXPECT_GE(kills, 100);
    EXPECT_GT(checked, 10) << "most products must stay in the check";
    const Log done = readLog(log);
    EXPECT_GT(done.corrections.size(), 5) << "the runs corrected lines";
    EXPECT_GT(done.deleted.size(), 2) << "the runs deleted lines";
    std::printf("[ kills survived: %d in %lld ms; products still checked: %d ]\n", kills,
                static_cast<long long>(clock.elapsed()), checked);
}

}  // namespace
