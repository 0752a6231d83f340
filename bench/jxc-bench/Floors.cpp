#include "bench/jxc-bench/Floors.h"

#include "bench/jxc-bench/Measure.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>
#include <xlsxwriter.h>

namespace bench {

namespace {

class ReadOnlyStore {
public:
    explicit ReadOnlyStore(const QString& path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
    }
    ~ReadOnlyStore() { sqlite3_close_v2(db_); }
    sqlite3_stmt* prepare(const QString& sql) const
    {
        sqlite3_stmt* st = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        return st;
    }

private:
    sqlite3* db_ = nullptr;
};

// Reads every column of the current row; returns something of each value so
// the reads cannot be left out.
double readRow(sqlite3_stmt* st, int columns)
{
    double check = 0;
    for (int c = 0; c < columns; ++c) {
        switch (sqlite3_column_type(st, c)) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            check += sqlite3_column_double(st, c);
            break;
        default: {
            const unsigned char* text = sqlite3_column_text(st, c);
            if (sqlite3_column_bytes(st, c) > 0)
                check += text[0];
        }
        }
    }
    return check;
}

volatile double sink = 0;

}  // namespace

double floorReadMs(const QString& store, const QStringList& statements)
{
    const ReadOnlyStore db(store);
    return timeMs([&] {
        double check = 0;
        for (const QString& sql : statements) {
            sqlite3_stmt* st = db.prepare(sql);
            const int columns = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW)
                check += readRow(st, columns);
            sqlite3_finalize(st);
        }
        sink = check;
    });
}

double floorExportMs(const QString& store, const QString& xlsxPath)
{
    const ReadOnlyStore db(store);
    const QByteArray file = QFile::encodeName(xlsxPath);
    const double ms = timeMs([&] {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        lxw_workbook* book = workbook_new_opt(file.constData(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
        sqlite3_stmt* st = db.prepare(QStringLiteral("select * from xsmx"));
        const int columns = sqlite3_column_count(st);
        for (int c = 0; c < columns; ++c)
            worksheet_write_string(sheet, 0, lxw_col_t(c), sqlite3_column_name(st, c), nullptr);
        lxw_row_t row = 1;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                if (text)
                    worksheet_write_string(sheet, row, lxw_col_t(c), text, nullptr);
            }
            ++row;
        }
        sqlite3_finalize(st);
        workbook_close(book);
    });
    QFile::remove(xlsxPath);
    return ms;
}

}  // namespace bench
