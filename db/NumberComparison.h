#pragma once
// The desktop database compares a number with a text by reading the text as
// a number, and refuses a text that is none. SQLite would call any integer
// smaller than any text, so year([销售日期])='2014' would never hold. The
// date parts are the numbers the program's statements compare with texts;
// the text side of such a comparison is read through compared_number().
#include <QString>

struct sqlite3;

namespace dialect {

// In a statement already in SQLite's form: "year(x)='2014'" becomes
// "(year(x)=compared_number('2014') and number_check('2014'))", and so on
// for a bound parameter, for day, month and year on either side of =, <>,
// !=, <, <=, >, >=.
QString comparedAsNumbers(const QString& sqliteStatement);

// Registers on `db` compared_number(v): a number stays itself, a text that
// reads as a number becomes it, NULL stays NULL; and number_check(v), 1 for
// all of these. For any other text both fail the statement with a data type
// mismatch naming the text.
void registerComparedNumber(sqlite3* db);

}  // namespace dialect
