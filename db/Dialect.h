#pragma once
// The program's statements are written in the desktop database's dialect:
// #date# literals in the short date format, [bracketed] names and strings in
// double quotes. This turns them into SQLite's; everything else passes.
#include <QString>

namespace dialect {

// Throws EDatabaseError for a date literal that is no date.
QString toSqlite(const QString& statement);

// The base table of a plain "select * from T ..." statement, or empty when
// the statement is anything else (such a query is read-only).
QString plainSelectTable(const QString& sqliteStatement);

// "select * from T rest" -> "select rowid, * from T rest".
QString withRowKey(const QString& sqliteStatement);

}  // namespace dialect
