#include "db/StoreCheck.h"

#include "db/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

namespace {

// Closes the read-only handle on every way out.
struct ReadOnlyDb {
    sqlite3* db = nullptr;
    ~ReadOnlyDb() { sqlite3_close_v2(db); }
};

// Runs one statement; `row` sees each result row. Returns false on an error.
template <typename RowFn>
bool eachRow(sqlite3* db, const QByteArray& sql, RowFn row) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK) return false;
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) row(st);
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

QString textAt(sqlite3_stmt* st, int col) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)));
}

struct ColumnInfo {
    QString name;
    QString type;
};

// The first difference between a table's columns and the schema, or empty.
QString columnFault(const schema::Table& table, const std::vector<ColumnInfo>& actual) {
    const QString t = QString::fromUtf8(table.name);
    QStringList expected, names;
    for (const schema::Column& c : table.columns) expected << QString::fromUtf8(c.name);
    for (const ColumnInfo& c : actual) names << c.name;

    for (const QString& e : expected)
        if (!names.contains(e)) return "表 " + t + " 缺少列“" + e + "”";
    for (const QString& n : names)
        if (!expected.contains(n)) return "表 " + t + " 多出列“" + n + "”";
    for (qsizetype i = 0; i < expected.size(); ++i)
        if (names[i] != expected[i])
            return "表 " + t + " 的第 " + QString::number(i + 1) + " 列应为“" + expected[i] + "”，实为“" + names[i] +
                   "”";
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QString want = QString::fromLatin1(schema::declaredType(table.columns[i].kind));
        if (actual[i].type.compare(want, Qt::CaseInsensitive) != 0)
            return "表 " + t + " 的列“" + expected[i] + "”类型为“" + actual[i].type + "”，应为“" + want + "”";
    }
    return {};
}

QString quoted(const char* name) { return "\"" + QString::fromUtf8(name) + "\""; }

// Whitespace runs as one blank, so a definition is found however it is laid out.
QString simplified(const QString& sql) { return sql.simplified(); }

// SQLite's own integrity check: empty when it says "ok", else its first
// findings. A store too damaged to be checked at all says so too.
QString integrityFault(sqlite3* db) {
    QStringList found;
    int rows = 0;
    const bool read = eachRow(db, "PRAGMA integrity_check(20)", [&](sqlite3_stmt* st) {
        ++rows;
        const QString line = textAt(st, 0);
        if (line != QLatin1String("ok") && found.size() < 3) found << line;
    });
    if (!read) return QString::fromUtf8(sqlite3_errmsg(db));
    if (found.isEmpty()) return {};
    return found.join(QStringLiteral("；")) + (rows > found.size() ? QStringLiteral("……") : QString());
}

// The kind constraints the schema gives each table, as stored in the file.
QStringList constraintFaults(sqlite3* db, const schema::Table& table) {
    QString sql;
    eachRow(db, "SELECT sql FROM sqlite_master WHERE type='table' AND name='" + QByteArray(table.name) + "' COLLATE NOCASE",
            [&](sqlite3_stmt* st) { sql = simplified(textAt(st, 0)); });
    QStringList faults;
    for (const schema::Column& c : table.columns) {
        if (schema::kindCondition(c).isEmpty()) continue;
        if (!sql.contains(simplified(schema::columnDefinition(c))))
            faults << "表 " + QString::fromUtf8(table.name) + " 的列“" + QString::fromUtf8(c.name) + "”没有" +
                          (c.kind == FieldKind::Number ? "只收数字的" : "只收日期时间的") + "约束";
    }
    return faults;
}

// Values that are not of their column's kind, by column: how many, and one of them.
QStringList kindFaults(sqlite3* db, const schema::Table& table, bool* readable) {
    QStringList faults;
    for (const schema::Column& c : table.columns) {
        const QByteArray where = " FROM \"" + QByteArray(table.name) + "\" WHERE NOT (" +
                                 schema::storedKindCondition(c).toUtf8() + ")";
        qint64 count = 0;
        QString example;
        const bool ok =
            eachRow(db, "SELECT count(*)" + where, [&](sqlite3_stmt* st) { count = sqlite3_column_int64(st, 0); }) &&
            (count == 0 || eachRow(db, "SELECT " + quoted(c.name).toUtf8() + where + " LIMIT 1",
                                   [&](sqlite3_stmt* st) { example = textAt(st, 0); }));
        if (!ok) {
            *readable = false;
            return faults;
        }
        if (count == 0) continue;
        const char* kind = c.kind == FieldKind::Number ? "数字" : c.kind == FieldKind::DateTime ? "日期时间" : "文本";
        faults << "表 " + QString::fromUtf8(table.name) + " 的列“" + QString::fromUtf8(c.name) + "”有 " +
                      QString::number(count) + " 个值不是" + kind + "（如“" + example + "”）";
    }
    return faults;
}

}  // namespace

StoreCheckResult checkStore(const QString& path) {
    const QString file = "“" + path + "”";
    auto notOurs = [&](const QString& why) { return StoreCheckResult{false, file + "不是本程序的数据库：" + why}; };

    const QFileInfo info(path);
    if (!info.exists()) return {false, "找不到数据库文件" + file};
    if (!info.isFile()) return notOurs(QStringLiteral("它不是一个文件"));
    // SQLite takes an empty file for an empty database; it is no store.
    if (info.size() == 0) return notOurs(QStringLiteral("文件是空的"));

    ReadOnlyDb h;
    qint64 appId = 0;
    bool read = false;
    for (const int flags : {SQLITE_OPEN_READONLY, SQLITE_OPEN_READWRITE}) {
        sqlite3_close_v2(h.db);
        h.db = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &h.db, flags, nullptr) != SQLITE_OK)
            return {false, "无法打开" + file + "：" + QString::fromUtf8(h.db ? sqlite3_errmsg(h.db) : "out of memory")};
        sqlite3_busy_timeout(h.db, 2000);
        read = eachRow(h.db, "PRAGMA application_id", [&](sqlite3_stmt* st) { appId = sqlite3_column_int64(st, 0); });
        // A write cut off by a crash left its journal behind: the store is
        // what it was before that write, once SQLite has rolled it back, as
        // the program's next start does too. Only a writer can do that.
        if (read || sqlite3_extended_errcode(h.db) != SQLITE_READONLY_ROLLBACK) break;
    }
    if (!read) {
        if (sqlite3_errcode(h.db) == SQLITE_NOTADB) return notOurs(QStringLiteral("它不是 SQLite 数据库文件"));
        return {false, "无法读取" + file + "：" + QString::fromUtf8(sqlite3_errmsg(h.db))};
    }
    if (appId != schema::kApplicationId)
        return notOurs("应用标识为 0x" + QString::number(quint32(appId), 16).toUpper() + "，应为 0x" +
                       QString::number(quint32(schema::kApplicationId), 16).toUpper());

    if (const QString fault = integrityFault(h.db); !fault.isEmpty())
        return {false, file + "已损坏：SQLite 的完整性检查报告“" + fault + "”"};

    for (const schema::Table& table : schema::kTables) {
        const QString t = QString::fromUtf8(table.name);
        int tables = 0;
        const QByteArray exists = "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='" +
                                  QByteArray(table.name) + "' COLLATE NOCASE";
        std::vector<ColumnInfo> columns;
        const bool read =
            eachRow(h.db, exists, [&](sqlite3_stmt* st) { tables = sqlite3_column_int(st, 0); }) &&
            eachRow(h.db, "PRAGMA table_info(\"" + QByteArray(table.name) + "\")", [&](sqlite3_stmt* st) {
                columns.push_back({textAt(st, 1), textAt(st, 2)});
            });
        if (!read) return {false, "无法读取" + file + "：" + QString::fromUtf8(sqlite3_errmsg(h.db))};
        if (tables == 0) return notOurs("缺少表 " + t);
        if (const QString fault = columnFault(table, columns); !fault.isEmpty()) return notOurs(fault);
    }

    // A store made without the kind constraints may hold what no window
    // could read back as its kind; both are named, the values first.
    QStringList faults, missing;
    for (const schema::Table& table : schema::kTables) {
        bool readable = true;
        faults << kindFaults(h.db, table, &readable);
        if (!readable) return {false, "无法读取" + file + "：" + QString::fromUtf8(sqlite3_errmsg(h.db))};
        missing << constraintFaults(h.db, table);
    }
    faults << missing;
    if (!faults.isEmpty()) return {false, file + "的数据有误：" + faults.join(QStringLiteral("；"))};

    qint64 rows = -1;
    if (!eachRow(h.db, "SELECT count(*) FROM kcbj", [&](sqlite3_stmt* st) { rows = sqlite3_column_int64(st, 0); }))
        return {false, "无法读取" + file + "：" + QString::fromUtf8(sqlite3_errmsg(h.db))};
    if (rows != 1) return notOurs("表 kcbj 应有一行，实有 " + QString::number(rows) + " 行");

    return {true, file + "是本程序的数据库。"};
}
