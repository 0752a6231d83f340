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

QString kindCondition(const Column& c) {
    const QString q = "\"" + QString::fromUtf8(c.name) + "\"";
    switch (c.kind) {
    case FieldKind::Number: return "typeof(" + q + ") IN ('real','integer','null')";
    case FieldKind::DateTime:
        return q + " IS NULL OR (typeof(" + q + ")='text' AND " + q +
               " GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')";
    case FieldKind::Text: break;
    }
    return {};
}

QString storedKindCondition(const Column& c) {
    if (c.kind == FieldKind::Text) {
        const QString q = "\"" + QString::fromUtf8(c.name) + "\"";
        return "typeof(" + q + ") IN ('text','null')";
    }
    return kindCondition(c);
}

QString columnDefinition(const Column& c) {
    QString def = "\"" + QString::fromUtf8(c.name) + "\" " + declaredType(c.kind);
    if (const QString cond = kindCondition(c); !cond.isEmpty()) def += " CHECK (" + cond + ")";
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
