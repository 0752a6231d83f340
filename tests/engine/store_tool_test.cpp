// jxcdb, run as the user runs it: init, sample and check on files in a
// temporary folder. The build hands the tool's path over in JXCDB.
#include "db/Schema.h"
#include "purchasing/NumberText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

struct Result {
    int code = -1;
    QString out, err;
};

std::string s(const QString& text) { return text.toStdString(); }

QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

mode_t modeOf(const QString& file) {
    struct stat st {};
    return ::stat(QFile::encodeName(file).constData(), &st) == 0 ? (st.st_mode & 07777) : mode_t(-1);
}

// Raw access to a file, as another program would have it.
class Db {
public:
    explicit Db(const QString& file) {
        if (sqlite3_open_v2(QFile::encodeName(file).constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << s(file);
    }
    ~Db() { sqlite3_close_v2(db_); }

    void exec(const QString& sql) {
        char* err = nullptr;
        EXPECT_EQ(sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err), SQLITE_OK)
            << (err ? err : "") << " in " << s(sql);
        sqlite3_free(err);
    }

    // Every row of `sql`, each cell as its storage class and value.
    using Row = std::vector<QVariant>;
    std::vector<Row> rows(const QString& sql) {
        std::vector<Row> out;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db_) << " in " << s(sql);
            return out;
        }
        while (sqlite3_step(st) == SQLITE_ROW) {
            Row row;
            for (int c = 0, n = sqlite3_column_count(st); c < n; ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_NULL: row.emplace_back(); break;
                case SQLITE_INTEGER: row.emplace_back(qint64(sqlite3_column_int64(st, c))); break;
                case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(st, c)); break;
                default:
                    row.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                                       sqlite3_column_bytes(st, c)));
                }
            }
            out.push_back(std::move(row));
        }
        sqlite3_finalize(st);
        return out;
    }

    QVariant scalar(const QString& sql) {
        const auto r = rows(sql);
        return r.empty() || r[0].empty() ? QVariant(QStringLiteral("<no row>")) : r[0][0];
    }

    // The whole content, every value exact, in store order.
    QString dump() {
        QString out;
        for (const schema::Table& t : schema::kTables) {
            out += QString::fromUtf8(t.name) + '\n';
            for (const Row& row : rows("SELECT * FROM " + QString::fromUtf8(t.name) + " ORDER BY rowid")) {
                for (const QVariant& v : row) {
                    if (v.isNull()) out += QStringLiteral("NULL");
                    else if (v.typeId() == QMetaType::Double) out += QString::number(v.toDouble(), 'g', 17);
                    else out += v.typeName() + QStringLiteral(":") + v.toString();
                    out += '\t';
                }
                out += '\n';
            }
        }
        return out;
    }

private:
    sqlite3* db_ = nullptr;
};

// A table rebuilt from the schema without column `drop` and with column
// `asText` declared TEXT.
QString rebuilt(const schema::Table& t, const char* drop, const char* asText) {
    QStringList defs;
    for (const schema::Column& c : t.columns) {
        if (drop && qstrcmp(c.name, drop) == 0) continue;
        const bool text = asText && qstrcmp(c.name, asText) == 0;
        defs << "\"" + QString::fromUtf8(c.name) + "\" " + (text ? "TEXT" : schema::declaredType(c.kind));
    }
    const QString name = QString::fromUtf8(t.name);
    return "DROP TABLE " + name + "; CREATE TABLE " + name + " (" + defs.join(", ") + ");";
}

// The number conversions the windows use: what a stored figure reads as, and
// what a computed one is stored as.
long double shown(double stored) { return StrToFloat(FloatToStr(stored)); }
long double keep(long double computed) { return StrToFloat(FloatToStr(computed)); }
// A double with every digit, so that a difference in the last bit shows.
std::string exact(double v) { return s(QString::number(v, 'g', 17)); }
std::string exact(const QVariant& v) { return exact(v.toDouble()); }

const QStringList kSmallSample = {"--products", "20", "--lines", "500", "--seed", "7", "--until", "2021-06-30"};

class StoreToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(tool.isEmpty()) << "JXCDB must name the jxcdb executable";
    }

    QString file(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    Result run(const QStringList& args) const {
        QProcess p;
        p.setProgram(tool);
        p.setArguments(args);
        p.setWorkingDirectory(dir.path());
        p.start();
        Result r;
        if (!p.waitForFinished(120'000) || p.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "jxcdb did not finish: " << s(args.join(' '));
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    Result init(const QString& f) const { return run({"init", f}); }
    Result sample(const QString& f, const QStringList& options = kSmallSample) const {
        return run(QStringList{"sample", f} + options);
    }
    // Makes a store, failing the test when the tool does not.
    void made(const Result& r) const { ASSERT_EQ(r.code, 0) << s(r.err); }

    QTemporaryDir dir;
    QString tool = qEnvironmentVariable("JXCDB");
};

TEST_F(StoreToolTest, CheckAcceptsWhatInitAndSampleMake) {
    const struct {
        const char* name;
        QStringList args;
    } cases[] = {
        {"init.db", {"init"}},
        {"sample.db", QStringList{"sample"} + kSmallSample},
        {"nothing.db", {"sample", "--products", "0", "--lines", "0"}},
        {"default.db", {"sample"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList args = c.args;
        args.insert(1, file(c.name));
        made(run(args));
        const Result r = run({"check", file(c.name)});
        EXPECT_EQ(r.code, 0) << s(r.err);
        EXPECT_TRUE(r.out.contains("是本程序的数据库")) << s(r.out);
        EXPECT_TRUE(r.err.isEmpty()) << s(r.err);
    }
}

TEST_F(StoreToolTest, InitMakesAPrivateStoreWithOneBlankThresholdRow) {
    const mode_t umask = ::umask(0);  // the mode must not depend on the caller's umask
    const Result r = init(file("data.mdb"));
    ::umask(umask);
    ASSERT_EQ(r.code, 0) << s(r.err);
    EXPECT_EQ(modeOf(file("data.mdb")), mode_t(0600));

    Db db(file("data.mdb"));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM jxc").toInt(), 0);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM xsmx").toInt(), 0);
    const auto threshold = db.rows("SELECT * FROM kcbj");
    ASSERT_EQ(threshold.size(), 1u);
    EXPECT_TRUE(threshold[0][0].isNull());
    for (const schema::Table& t : schema::kTables)
        EXPECT_EQ(db.rows("PRAGMA table_info(" + QString::fromUtf8(t.name) + ")").size(), t.columns.size())
            << t.name;
}

TEST_F(StoreToolTest, SampleFileIsPrivateToo) {
    const mode_t umask = ::umask(0);
    const Result r = sample(file("sample.db"));
    ::umask(umask);
    ASSERT_EQ(r.code, 0) << s(r.err);
    EXPECT_EQ(modeOf(file("sample.db")), mode_t(0600));
}

TEST_F(StoreToolTest, CheckRejectsWhatIsNotOurStore) {
    using Make = std::function<void(const QString&)>;
    const Make nothing = [](const QString&) {};
    const auto store = [this](const char* sql) -> Make {
        return [this, sql](const QString& f) {
            made(init(f));
            Db(f).exec(QString::fromUtf8(sql));
        };
    };
    const auto rebuiltStore = [this](const schema::Table& t, const char* drop, const char* asText) -> Make {
        return [this, table = &t, drop, asText](const QString& f) {
            made(init(f));
            Db(f).exec(rebuilt(*table, drop, asText));
        };
    };
    // A sample store with garbage written over one of its middle pages.
    const Make damaged = [this](const QString& f) {
        made(sample(f));
        const int pageSize = Db(f).scalar("PRAGMA page_size").toInt();
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 pages = file.size() / pageSize;
        ASSERT_GT(pages, 4);
        file.seek(pages / 2 * pageSize);
        QByteArray garbage(pageSize, '\0');
        for (int i = 0; i < pageSize; ++i) garbage[i] = char((i * 131 + 7) % 251);
        file.write(garbage);
    };
    // The right id and columns, but tables made without the kind constraints.
    const auto unchecked = [this](const char* sql) -> Make {
        return [this, sql](const QString& f) {
            made(init(f));
            Db db(f);
            for (const schema::Table& t : schema::kTables) db.exec(rebuilt(t, nullptr, nullptr));
            db.exec(QString::fromUtf8(sql));
        };
    };
    const char* badValues =
        "INSERT INTO jxc (商品编号, 进货单价, 进货日期) VALUES ('P1', '12,5', '2014-01-01 00:00:00');"
        "INSERT INTO kcbj VALUES ('很多');";
    const schema::Table& jxc = schema::kTables[0];
    const schema::Table& xsmx = schema::kTables[1];
    const struct {
        const char* name;
        Make make;
        const char* says;
    } cases[] = {
        {"missing.db", nothing, "找不到数据库文件"},
        {"empty.db", [](const QString& f) { writeFile(f, {}); }, "文件是空的"},
        {"text.db", [](const QString& f) { writeFile(f, "商品编号,商品名称\nP0001,螺丝\n"); },
         "不是 SQLite 数据库文件"},
        {"folder.db", [](const QString& f) { QDir().mkdir(f); }, "不是一个文件"},
        {"other.db", [](const QString& f) { Db(f).exec("CREATE TABLE t (a)"); }, "应用标识为 0x0，"},
        {"wrong-id.db", store("PRAGMA application_id = 1"), "应用标识为 0x1，"},
        {"no-kcbj.db", store("DROP TABLE kcbj"), "缺少表 kcbj"},
        {"no-column.db", rebuiltStore(xsmx, "备注", nullptr), "表 xsmx 缺少列“备注”"},
        {"extra-column.db", store("ALTER TABLE jxc ADD COLUMN 折扣 REAL"), "表 jxc 多出列“折扣”"},
        {"text-price.db", rebuiltStore(jxc, nullptr, "进货单价"), "列“进货单价”类型为“TEXT”，应为“REAL”"},
        {"two-thresholds.db", store("INSERT INTO kcbj DEFAULT VALUES"), "表 kcbj 应有一行，实有 2 行"},
        {"no-threshold.db", store("DELETE FROM kcbj"), "表 kcbj 应有一行，实有 0 行"},
        {"damaged.db", damaged, "已损坏：SQLite 的完整性检查报告"},
        {"bad-values.db", unchecked(badValues),
         "表 jxc 的列“进货单价”有 1 个值不是数字（如“12,5”）|表 kcbj 的列“库存报警数”有 1 个值不是数字（如“很多”）"},
        {"bad-date.db", unchecked("INSERT INTO xsmx (销售日期) VALUES ('昨天')"),
         "表 xsmx 的列“销售日期”有 1 个值不是日期时间（如“昨天”）"},
        {"no-constraints.db", unchecked(""), "表 jxc 的列“进货单价”没有只收数字的约束|列“进货日期”没有只收日期时间的约束"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString f = file(c.name);
        c.make(f);
        const QByteArray before = QFileInfo(f).isFile() ? readAll(f) : QByteArray();
        const Result r = run({"check", f});
        EXPECT_EQ(r.code, 1);
        for (const QString& part : QString::fromUtf8(c.says).split('|'))
            EXPECT_TRUE(r.err.contains(part)) << s(part) << " in " << s(r.err);
        EXPECT_TRUE(r.err.contains(f)) << "names the file: " << s(r.err);
        EXPECT_TRUE(r.out.isEmpty()) << s(r.out);
        if (QFileInfo(f).isFile()) {
            EXPECT_EQ(readAll(f), before) << "check must not write";
        }
    }
    EXPECT_FALSE(QFileInfo::exists(file("missing.db"))) << "check must not create";
}

TEST_F(StoreToolTest, InitAndSampleLeaveAnExistingFileAlone) {
    const QByteArray precious = "上个月的账\n";
    for (const char* command : {"init", "sample"}) {
        SCOPED_TRACE(command);
        const QString f = file("data.mdb");
        writeFile(f, precious);
        ASSERT_TRUE(QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
        const Result r = run({command, f});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains("已存在")) << s(r.err);
        EXPECT_EQ(readAll(f), precious);
        EXPECT_EQ(modeOf(f), mode_t(0644));
        QFile::remove(f);
    }
}

TEST_F(StoreToolTest, SampleIsTheSameForTheSameSeed) {
    made(sample(file("a.db")));
    made(sample(file("b.db")));
    QStringList otherSeed = kSmallSample;
    otherSeed[otherSeed.indexOf("--seed") + 1] = "8";
    made(sample(file("c.db"), otherSeed));

    const QString a = Db(file("a.db")).dump();
    EXPECT_EQ(s(Db(file("b.db")).dump()), s(a));
    EXPECT_EQ(readAll(file("b.db")), readAll(file("a.db")));
    EXPECT_NE(Db(file("c.db")).dump(), a);
}

// Each query counts the rows that break one rule.
TEST_F(StoreToolTest, SampleFiguresAgree) {
    made(sample(file("s.db")));
    Db db(file("s.db"));
    EXPECT_EQ(db.scalar("SELECT count(*) FROM jxc").toInt(), 20);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM xsmx").toInt(), 500);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM kcbj").toInt(), 1);

    const QString sums =
        "jxc LEFT JOIN (SELECT 商品编号 AS code, count(*) AS n, sum(销售数量) AS q, sum(销售金额) AS a, "
        "sum(销售利润) AS p FROM xsmx GROUP BY 商品编号) ON code = jxc.商品编号";
    const struct {
        const char* rule;
        QString bad;
    } rules[] = {
        {"销售数量 is the sum of the lines", "SELECT count(*) FROM " + sums + " WHERE abs(销售数量 - ifnull(q, 0)) > 1e-6"},
        {"销售金额 is the sum of the lines", "SELECT count(*) FROM " + sums + " WHERE abs(销售金额 - ifnull(a, 0)) > 1e-6"},
        {"销售利润 is the sum of the line profits",
         "SELECT count(*) FROM " + sums + " WHERE n > 0 AND (销售利润 IS NULL OR abs(销售利润 - p) > 1e-6)"},
        {"销售利润 is what a sale computes",
         "SELECT count(*) FROM jxc WHERE abs(销售利润 - (销售金额 - 销售数量 * 进货单价)) > 1e-6"},
        {"an unsold product has no profit yet",
         "SELECT count(*) FROM " + sums + " WHERE n IS NULL AND (销售利润 IS NOT NULL OR 销售数量 <> 0 OR 销售金额 <> 0)"},
        {"库存数量 = 进货数量 - 销售数量", "SELECT count(*) FROM jxc WHERE abs(库存数量 - (进货数量 - 销售数量)) > 1e-6"},
        {"库存金额 = 库存数量 × 进货单价", "SELECT count(*) FROM jxc WHERE abs(库存金额 - 库存数量 * 进货单价) > 1e-6"},
        {"进货金额 = 进货数量 × 进货单价", "SELECT count(*) FROM jxc WHERE abs(进货金额 - 进货数量 * 进货单价) > 1e-6"},
        {"no product is oversold", "SELECT count(*) FROM jxc WHERE 库存数量 < 0"},
        {"a line's profit is amount less cost",
         "SELECT count(*) FROM xsmx x JOIN jxc j USING (商品编号) "
         "WHERE abs(x.销售利润 - (x.销售金额 - x.销售数量 * j.进货单价)) > 1e-6"},
        {"a line copies its product",
         "SELECT count(*) FROM xsmx x LEFT JOIN jxc j USING (商品编号) WHERE j.rowid IS NULL "
         "OR x.商品名称 IS NOT j.商品名称 OR x.商品规格 IS NOT j.商品规格 OR x.商品型号 IS NOT j.商品型号 "
         "OR x.单位 IS NOT j.单位"},
        {"product codes are unique", "SELECT count(*) - count(DISTINCT 商品编号) FROM jxc"},
        {"dates lie in 2014 .. --until",
         "SELECT (SELECT count(*) FROM jxc WHERE 进货日期 NOT BETWEEN '2014-01-01 00:00:00' AND '2021-06-30 00:00:00') + "
         "(SELECT count(*) FROM xsmx WHERE 销售日期 NOT BETWEEN '2014-01-01 00:00:00' AND '2021-06-30 00:00:00')"},
        {"sales lie in the two years up to --until",
         "SELECT count(*) FROM xsmx WHERE 销售日期 < '2019-06-30 00:00:00'"},
        {"purchases lie from a year before the sales",
         "SELECT count(*) FROM jxc WHERE 进货日期 < '2018-06-30 00:00:00'"},
        {"nothing is sold before it is bought",
         "SELECT count(*) FROM xsmx x JOIN jxc j USING (商品编号) WHERE x.销售日期 < j.进货日期"},
        {"lines are stored in the order they were sold",
         "SELECT count(*) FROM xsmx a JOIN xsmx b ON b.rowid = a.rowid + 1 WHERE b.销售日期 < a.销售日期"},
    };
    for (const auto& r : rules) EXPECT_EQ(db.scalar(r.bad).toInt(), 0) << r.rule;
    // The charts open on the month of today: it has sales.
    EXPECT_GT(db.scalar("SELECT count(*) FROM xsmx WHERE 销售日期 >= '2021-06-01 00:00:00'").toInt(), 0);
}

// The totals are not merely close: replaying the lines in store order with
// the windows' own number conversions gives every figure to the last bit.
TEST_F(StoreToolTest, SampleTotalsAreWhatReplayingTheSalesGives) {
    made(sample(file("s.db")));
    Db db(file("s.db"));
    std::map<QString, long double> cost;
    for (const auto& p : db.rows("SELECT 商品编号, 进货单价 FROM jxc")) cost[p[0].toString()] = shown(p[1].toDouble());

    struct Totals {
        long double qty = 0, amount = 0;
        int lines = 0;
    };
    std::map<QString, Totals> totals;
    for (const auto& l : db.rows("SELECT 商品编号, 销售数量, 销售金额, 销售利润 FROM xsmx ORDER BY rowid")) {
        const QString code = l[0].toString();
        const long double qty = shown(l[1].toDouble()), amount = shown(l[2].toDouble());
        EXPECT_EQ(exact(l[3]), exact(keep(amount - qty * cost[code]))) << "line profit of " << s(code);
        Totals& t = totals[code];
        t.qty = keep(qty + t.qty);
        t.amount = keep(amount + t.amount);
        ++t.lines;
    }
    int sold = 0;
    for (const auto& p : db.rows("SELECT 商品编号, 进货数量, 销售数量, 销售金额, 销售利润, 库存数量, 库存金额 FROM jxc")) {
        const QString code = p[0].toString();
        SCOPED_TRACE(s(code));
        const Totals t = totals[code];
        sold += t.lines > 0;
        EXPECT_EQ(exact(p[2]), exact(t.qty));
        EXPECT_EQ(exact(p[3]), exact(t.amount));
        if (t.lines > 0) {
            EXPECT_EQ(exact(p[4]), exact(keep(t.amount - t.qty * cost[code])));
        }
        const long double stock = keep(shown(p[1].toDouble()) - t.qty);
        EXPECT_EQ(exact(p[5]), exact(stock));
        EXPECT_EQ(exact(p[6]), exact(keep(stock * cost[code])));
    }
    EXPECT_GT(sold, 10) << "most products sell";
}

TEST_F(StoreToolTest, UsageErrorsExitWithTwoAndMakeNothing) {
    const QStringList cases[] = {
        {},
        {"frobnicate", "x.db"},
        {"init"},
        {"init", "x.db", "y.db"},
        {"check"},
        {"check", "x.db", "y.db"},
        {"sample"},
        {"sample", "x.db", "--lines"},
        {"sample", "x.db", "--lines", "many"},
        {"sample", "x.db", "--lines", "-1"},
        {"sample", "x.db", "--products=-5"},
        {"sample", "x.db", "--seed", "-1"},
        {"sample", "x.db", "--until", "2013-12-31"},
        {"sample", "x.db", "--until", "2020-02-30"},
        {"sample", "x.db", "--colour", "red"},
        {"sample", "x.db", "--products", "0", "--lines", "5"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(s(args.join(' ')));
        const Result r = run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.contains("用法")) << s(r.err);
        EXPECT_TRUE(r.out.isEmpty()) << s(r.out);
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << s(QDir(dir.path()).entryList().join(' '));

    const Result help = run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("jxcdb sample FILE")) << s(help.out);
}

}  // namespace
