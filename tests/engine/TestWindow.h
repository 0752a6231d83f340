#pragma once
// One window's connection and query on the store in the current directory.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"

struct TestWindow {
    TADOConnection conn;
    TADOQuery q{&conn};
    explicit TestWindow(const QString& sql = QStringLiteral("select * from jxc")) {
        conn.setConnectionString(connstr::shortForm());
        q.SQL.Add(sql);
    }
    QString get(const char* field) { return q.FieldByName(QString::fromUtf8(field)).AsString(); }
    void set(const char* field, const QString& v) { q.FieldByName(QString::fromUtf8(field)).SetAsString(v); }
};
