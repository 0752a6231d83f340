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
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &h.db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return {false, "无法打开" + file + "：" + QString::fromUtf8(h.db ? sqlite3_errmsg(h.db) : "out of memory")};
    sqlite3_busy_timeout(h.db, 2000);

    qint64 appId = 0;
    if (!eachRow(h.db, "PRAGMA application_id", [&](sqlite3_stmt* st) { appId = sqlite3_column_int64(st, 0); })) {
        if (sqlite3_errcode(h.db) == SQLITE_NOTADB) return notOurs(QStringLiteral("它不是 SQLite 数据库文件"));
        return {false, "无法读取" + file + "：" + QString::fromUtf8(sqlite3_errmsg(h.db))};
    }
    if (appId != schema::kApplicationId)
        return notOurs("应用标识为 0x" + QString::number(quint32(appId), 16).toUpper() + "，应为 0x" +
                       QString::number(quint32(schema::kApplicationId), 16).toUpper());

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

    qint64 rows = -1;
    if (!eachRow(h.db, "SELECT count(*) FROM kcbj", [&](sqlite3_stmt* st) { rows = sqlite3_column_int64(st, 0); }))
        return {false, "无法读取" + file + "：" + QString::fromUtf8(sqlite3_errmsg(h.db))};
    if (rows != 1) return notOurs("表 kcbj 应有一行，实有 " + QString::number(rows) + " 行");

    return {true, file + "是本程序的数据库。"};
}
