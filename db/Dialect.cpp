#include "db/Dialect.h"

#include "db/Errors.h"
#include "db/NumberComparison.h"
#include "db/Regional.h"

#include <QRegularExpression>

namespace dialect {

static QString quoteString(const QString& s) {
    QString out = s;
    out.replace('\'', QStringLiteral("''"));
    return '\'' + out + '\'';
}

static QString dateLiteral(const QString& body) {
    const regional::DayTime v = regional::parseDisplayText(body);
    if (!v.isValid()) throw EDatabaseError("日期“" + body.trimmed() + "”的格式不正确");
    return quoteString(regional::toStoreText(v));
}

QString toSqlite(const QString& statement) {
    QString out;
    out.reserve(statement.size() + 16);
    const qsizetype n = statement.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = statement[i];
        if (c == '\'') {  // a string: copied as it is, '' included
            qsizetype j = i + 1;
            while (j < n) {
                if (statement[j] == '\'') {
                    if (j + 1 < n && statement[j + 1] == '\'') { j += 2; continue; }
                    break;
                }
                ++j;
            }
            out += statement.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == '"') {  // a string in double quotes
            QString body;
            qsizetype j = i + 1;
            while (j < n) {
                if (statement[j] == '"') {
                    if (j + 1 < n && statement[j + 1] == '"') { body += '"'; j += 2; continue; }
                    break;
                }
                body += statement[j++];
            }
            if (j >= n) throw EDatabaseError("SQL 语句有误：字符串缺少结束的引号");
            out += quoteString(body);
            i = j + 1;
        } else if (c == '[') {  // a bracketed name
            const qsizetype j = statement.indexOf(']', i + 1);
            if (j < 0) throw EDatabaseError("SQL 语句有误：名称缺少“]”");
            QString name = statement.mid(i + 1, j - i - 1);
            name.replace('"', QStringLiteral("\"\""));
            out += '"' + name + '"';
            i = j + 1;
        } else if (c == '#') {  // a date literal
            const qsizetype j = statement.indexOf('#', i + 1);
            if (j < 0) throw EDatabaseError("SQL 语句有误：日期缺少结束的“#”");
            out += dateLiteral(statement.mid(i + 1, j - i - 1));
            i = j + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return comparedAsNumbers(out);
}

static const QRegularExpression& plainSelect() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+("[^"]+"|[\p{L}_][\p{L}\p{N}_]*)(\s+(?!join\b)|\s*$))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

QString plainSelectTable(const QString& s) {
    const auto m = plainSelect().match(s);
    if (!m.hasMatch()) return {};
    const QString rest = s.mid(m.capturedEnd(1)).trimmed().toLower();
    if (rest.startsWith(',') || rest.contains(QStringLiteral(" join "))) return {};
    QString t = m.captured(1);
    if (t.startsWith('"')) t = t.mid(1, t.size() - 2);
    return t;
}

QString withRowKey(const QString& s) {
    const auto m = plainSelect().match(s);
    if (!m.hasMatch()) return s;
    // Replace the "*" of "select *" by "rowid, *".
    const qsizetype star = s.indexOf('*');
    return s.left(star) + QStringLiteral("rowid, *") + s.mid(star + 1);
}

}  // namespace dialect
