#pragma once
// A fresh store file in a temporary folder that is also the current
// directory for the test, as the program expects.
#include "db/Schema.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class TestStore {
public:
    explicit TestStore(bool create = true) {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        if (create) createAt(path());
    }
    ~TestStore() { QDir::setCurrent(previous_); }

    QString folder() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("data.mdb")); }

    static void createAt(const QString& file) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
        char* err = nullptr;
        ASSERT_EQ(sqlite3_exec(db, schema::createStatements().toUtf8().constData(), nullptr, nullptr, &err), SQLITE_OK)
            << (err ? err : "");
        sqlite3_close(db);
    }

    // Runs raw SQL on the file, as another program would.
    void exec(const QString& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path().toUtf8().constData(), &db), SQLITE_OK);
        char* err = nullptr;
        const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
        EXPECT_EQ(rc, SQLITE_OK) << (err ? err : "") << " in " << sql.toStdString();
        sqlite3_free(err);
        sqlite3_close(db);
    }

    QString scalar(const QString& sql) const {
        sqlite3* db = nullptr;
        sqlite3_open(path().toUtf8().constData(), &db);
        sqlite3_stmt* st = nullptr;
        QString out = QStringLiteral("<error>");
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK) {
            out = sqlite3_step(st) == SQLITE_ROW
                      ? (sqlite3_column_type(st, 0) == SQLITE_NULL
                             ? QStringLiteral("<null>")
                             : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0))))
                      : QStringLiteral("<none>");
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};
