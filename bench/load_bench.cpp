// How fast a query loads a big sales table, against a bare SQLite read of the
// same rows, and what the snapshot costs in memory.
//
//   load_bench [STORE] [--runs N]
//
// STORE is reused when it exists and made (1,000,000 sales lines) when it does
// not; without STORE a store is made in a temporary folder and removed again.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/Errors.h"
#include "db/StoreCheck.h"
#include "tools/SampleData.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr qint64 kLines = 1'000'000;
constexpr int kProducts = 2000;
constexpr int kRandomRows = 1000;

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

// A line of /proc/self/status, in kB.
long statusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return -1;
}

// Starts a fresh peak (VmHWM) from the current resident size.
bool resetPeak() {
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    return bool(out.flush());
}

struct Stats {
    double best, median;
};
Stats stats(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2]};
}

struct BareResult {
    qint64 rows = 0, textBytes = 0, numbers = 0, nulls = 0;
    double check = 0;  // keeps the reads from being optimised away
};

// (a) Every column of every row, read the way the query's loader reads it.
BareResult bareRead(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw EJxcError("cannot open " + path);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "select rowid,* from xsmx", -1, &st, nullptr) != SQLITE_OK)
        throw EJxcError(QString::fromUtf8(sqlite3_errmsg(db)));
    BareResult r;
    const int cols = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++r.rows;
        r.check += double(sqlite3_column_int64(st, 0));
        for (int c = 1; c < cols; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_NULL: ++r.nulls; break;
            case SQLITE_INTEGER:
            case SQLITE_FLOAT:
                r.check += sqlite3_column_double(st, c);
                ++r.numbers;
                break;
            default: {
                const unsigned char* t = sqlite3_column_text(st, c);
                const int n = sqlite3_column_bytes(st, c);
                r.textBytes += n;
                if (n > 0) r.check += t[0];
            }
            }
        }
    }
    sqlite3_finalize(st);
    sqlite3_close_v2(db);
    return r;
}

double sqlSum(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    double v = 0;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_double(st, 0);
    sqlite3_finalize(st);
    sqlite3_close_v2(db);
    return v;
}

struct Query {
    TADOConnection conn;
    TADOQuery q{&conn};
    explicit Query(const QString& path) {
        conn.setConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path);
        conn.Open();  // the file is opened outside the timing, as in (a)
        q.SQL.Add(QStringLiteral("select * from xsmx"));
    }
};

int run(int argc, char** argv) {
    QString store;
    int runs = 5;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
        else if (store.isEmpty() && !a.startsWith("--")) store = a;
        else {
            std::fprintf(stderr, "usage: load_bench [STORE] [--runs N]\n");
            return 2;
        }
    }
    QTemporaryDir temp;
    if (store.isEmpty()) store = temp.filePath(QStringLiteral("data.mdb"));
    store = QFileInfo(store).absoluteFilePath();

    if (QFileInfo::exists(store)) {
        const StoreCheckResult c = checkStore(store);
        if (!c.ok) {
            std::fprintf(stderr, "%s\n", c.message.toUtf8().constData());
            return 1;
        }
        std::printf("store: %s (reused)\n", store.toUtf8().constData());
    } else {
        std::printf("store: %s (making %lld lines, %d products) ...\n", store.toUtf8().constData(),
                    static_cast<long long>(kLines), kProducts);
        std::fflush(stdout);
        const auto t = Clock::now();
        writeSampleStore(store, kProducts, kLines, 1, QDate(2024, 12, 31));
        std::printf("  made in %.1f s\n", secondsSince(t));
    }
    std::printf("file size: %.1f MB\n", double(QFileInfo(store).size()) / 1e6);

    // Warm the page cache so that both readers find the file in memory.
    const BareResult bare = bareRead(store);
    std::printf("xsmx: %lld rows, %lld numbers, %lld text bytes, %lld nulls\n", static_cast<long long>(bare.rows),
                static_cast<long long>(bare.numbers), static_cast<long long>(bare.textBytes),
                static_cast<long long>(bare.nulls));

    // (c) Memory of one open query, from before it exists to after its open.
    long rssBefore = 0, rssAfter = 0, peak = 0;
    bool peakReset = false;
    int rows = 0;
    {
        peakReset = resetPeak();
        rssBefore = statusKb("VmRSS");
        Query w(store);
        w.q.Open();
        rows = w.q.RecordCount();
        rssAfter = statusKb("VmRSS");
        peak = statusKb("VmHWM");
    }

    // (a) and (b), alternated so that neither gets a quieter machine.
    std::vector<double> bareTimes, openTimes;
    double check = 0;
    for (int i = 0; i < runs; ++i) {
        auto t = Clock::now();
        check += bareRead(store).check;
        bareTimes.push_back(secondsSince(t));

        Query w(store);
        t = Clock::now();
        w.q.Open();
        openTimes.push_back(secondsSince(t));
        check += w.q.RecordCount();
    }

    // (d) Reading the open snapshot.
    Query w(store);
    w.q.Open();
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, w.q.RecordCount() - 1);
    std::vector<int> sampleRows(kRandomRows);
    for (int& r : sampleRows) r = pick(random);
    qint64 textChars = 0;
    auto t = Clock::now();
    for (int r : sampleRows)
        for (int c = 0; c < w.q.fieldCount(); ++c) textChars += w.q.cellText(r, c).size();
    const double textTime = secondsSince(t);

    const int amountCol = w.q.fieldIndex(QStringLiteral("销售金额"));
    long double sum = 0;
    t = Clock::now();
    for (int r = 0, n = w.q.RecordCount(); r < n; ++r) sum += w.q.cellNumber(r, amountCol);
    const double sumTime = secondsSince(t);
    const double expected = sqlSum(store, "select sum(销售金额) from xsmx");

    const Stats a = stats(bareTimes), b = stats(openTimes);
    std::printf("\nruns: %d (best / median)\n", runs);
    std::printf("(a) bare sqlite3 step loop, every column : %7.3f s / %7.3f s\n", a.best, a.median);
    std::printf("(b) TADOQuery Open \"select * from xsmx\" : %7.3f s / %7.3f s\n", b.best, b.median);
    std::printf("    ratio (b)/(a)                        : %7.2f   / %7.2f\n", b.best / a.best, b.median / a.median);
    std::printf("(c) rows held %d; RSS %ld -> %ld kB, peak %ld kB%s\n", rows, rssBefore, rssAfter, peak,
                peakReset ? "" : " (peak not reset: includes earlier use)");
    std::printf("    kept      : %7.1f MB, %6.1f bytes per row\n", double(rssAfter - rssBefore) / 1024,
                double(rssAfter - rssBefore) * 1024 / rows);
    std::printf("    peak gain : %7.1f MB, %6.1f bytes per row\n", double(peak - rssBefore) / 1024,
                double(peak - rssBefore) * 1024 / rows);
    std::printf("    raw data  : %7.1f MB, %6.1f bytes per row (text bytes + 8 per number)\n",
                double(bare.textBytes + 8 * bare.numbers) / (1024 * 1024),
                double(bare.textBytes + 8 * bare.numbers) / double(bare.rows));
    std::printf("(d) cellText of every cell of %d random rows: %.3f ms (%lld characters)\n", kRandomRows,
                textTime * 1e3, static_cast<long long>(textChars));
    std::printf("    cellNumber sum of 销售金额 over %d rows : %.3f ms (sum %.2f, SQL sum %.2f)\n", rows,
                sumTime * 1e3, double(sum), expected);
    std::printf("(checksum %g)\n", check);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const EJxcError& e) {
        std::fprintf(stderr, "load_bench: %s\n", e.what());
        return 1;
    }
}
