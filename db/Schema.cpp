#include "db/Schema.h"

#include <QStringList>

namespace schema {

const char* declaredType(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text: return "TEXT";
    case FieldKind::Number: return "REAL";
    case FieldKind::DateTime: return "DATETIME";
    }
    return "TEXT";
}

static QString columnDefinition(const Column& c) {
    const QString name = QString::fromUtf8(c.name);
    const QString q = "\"" + name + "\"";
    QString def = q + " " + declaredType(c.kind);
    if (c.kind == FieldKind::Number)
        def += " CHECK (typeof(" + q + ") IN ('real','integer','null'))";
    else if (c.kind == FieldKind::DateTime)
        def += " CHECK (" + q + " IS NULL OR (typeof(" + q + ")='text' AND " + q +
               " GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'))";
    return def;
}

QString createStatements() {
    QString sql = "PRAGMA application_id = " + QString::number(kApplicationId) + ";\n";
    sql += "PRAGMA user_version = " + QString::number(kUserVersion) + ";\n";
    for (const Table& t : kTables) {
        QStringList defs;
        for (const Column& c : t.columns) defs << columnDefinition(c);
        sql += "CREATE TABLE " + QString::fromUtf8(t.name) + " (\n  " + defs.join(",\n  ") + "\n);\n";
    }
    sql += "CREATE INDEX xsmx_date ON xsmx(\"销售日期\");\n";
    sql += "CREATE INDEX xsmx_code ON xsmx(\"商品编号\");\n";
    sql += "CREATE INDEX jxc_code ON jxc(\"商品编号\");\n";
    sql += "INSERT INTO kcbj DEFAULT VALUES;\n";
    return sql;
}

const Table* findTable(QStringView name) {
    for (const Table& t : kTables)
        if (name.compare(QString::fromUtf8(t.name), Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

}  // namespace schema
