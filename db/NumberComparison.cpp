#include "db/NumberComparison.h"

#include "purchasing/NumberText.h"

#include <sqlite3.h>
#include <vector>

namespace dialect {

namespace {

enum class Kind { Space, Literal, Parameter, Word, Other };

struct Token {
    Kind kind;
    qsizetype from, to;  // [from, to) in the statement
};

bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == '_' || c == '$'; }

// Quoted runs end at their closing quote; a doubled quote stays inside.
qsizetype quotedEnd(const QString& s, qsizetype i) {
    const QChar q = s[i];
    const qsizetype n = s.size();
    for (qsizetype j = i + 1; j < n; ++j) {
        if (s[j] != q) continue;
        if (j + 1 < n && s[j + 1] == q) { ++j; continue; }
        return j + 1;
    }
    return n;
}

std::vector<Token> tokenize(const QString& s) {
    std::vector<Token> out;
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = s[i];
        qsizetype j = i + 1;
        Kind kind = Kind::Other;
        if (c.isSpace()) {
            while (j < n && s[j].isSpace()) ++j;
            kind = Kind::Space;
        } else if (c == '-' && j < n && s[j] == '-') {
            while (j < n && s[j] != '\n') ++j;
            kind = Kind::Space;
        } else if (c == '/' && j < n && s[j] == '*') {
            const qsizetype end = s.indexOf(QStringLiteral("*/"), j + 1);
            j = end < 0 ? n : end + 2;
            kind = Kind::Space;
        } else if (c == '\'') {
            j = quotedEnd(s, i);
            kind = Kind::Literal;
        } else if (c == '"') {
            j = quotedEnd(s, i);
            kind = Kind::Word;
        } else if ((c == ':' || c == '@' || c == '$' || c == '?') && j < n && isWordChar(s[j])) {
            while (j < n && isWordChar(s[j])) ++j;
            kind = Kind::Parameter;
        } else if (isWordChar(c)) {
            while (j < n && isWordChar(s[j])) ++j;
            kind = Kind::Word;
        } else if ((c == '<' && j < n && (s[j] == '>' || s[j] == '=')) ||
                   ((c == '>' || c == '!' || c == '=' || c == '|') && j < n && (s[j] == '=' || s[j] == '|'))) {
            ++j;  // a two-character operator
        }
        out.push_back({kind, i, j});
        i = j;
    }
    return out;
}

class Tokens {
public:
    Tokens(const QString& s) : s_(s), t_(tokenize(s)) {}
    int size() const { return int(t_.size()); }
    const Token& operator[](int i) const { return t_[size_t(i)]; }
    QStringView text(int i) const { return QStringView(s_).mid(t_[size_t(i)].from, t_[size_t(i)].to - t_[size_t(i)].from); }
    bool is(int i, const char* op) const { return i >= 0 && i < size() && text(i) == QLatin1String(op); }

    // The neighbouring token that is not white space, or -1 / size().
    int next(int i) const {
        do ++i;
        while (i < size() && t_[size_t(i)].kind == Kind::Space);
        return i;
    }
    int previous(int i) const {
        do --i;
        while (i >= 0 && t_[size_t(i)].kind == Kind::Space);
        return i;
    }

    bool isComparison(int i) const {
        for (const char* op : {"=", "==", "<>", "!=", "<", "<=", ">", ">="})
            if (is(i, op)) return true;
        return false;
    }
    bool isTextOperand(int i) const {
        return i >= 0 && i < size() && (t_[size_t(i)].kind == Kind::Literal || t_[size_t(i)].kind == Kind::Parameter);
    }
    // An operator that binds tighter than a comparison: the text is then not
    // the whole operand.
    bool bindsTighter(int i) const {
        for (const char* op : {"||", "+", "-", "*", "/", "%", "&", "|", "<<", ">>", "."})
            if (is(i, op)) return true;
        return false;
    }

    // The closing parenthesis of a day/month/year call starting at `i`, or -1.
    int datePartCallEnd(int i) const {
        if (t_[size_t(i)].kind != Kind::Word || bindsTighter(previous(i))) return -1;
        const QStringView name = text(i);
        bool datePart = false;
        for (const char* f : {"day", "month", "year"})
            datePart = datePart || name.compare(QLatin1String(f), Qt::CaseInsensitive) == 0;
        const int open = next(i);
        if (!datePart || !is(open, "(")) return -1;
        int depth = 0;
        for (int j = open; j < size(); ++j) {
            if (is(j, "(")) ++depth;
            else if (is(j, ")") && --depth == 0) return j;
        }
        return -1;
    }

private:
    const QString& s_;
    std::vector<Token> t_;
};

}  // namespace

QString comparedAsNumbers(const QString& s) {
    const Tokens t(s);
    // Text put before and after each token.
    std::vector<QString> before(size_t(t.size())), after(size_t(t.size()));
    auto compare = [&](int from, int to, int operand) {
        const QString text = t.text(operand).toString();
        // The check depends on no row, so SQLite makes it before it reads
        // any: a text that is no number is refused on an empty table too.
        before[size_t(from)] += '(';
        before[size_t(operand)] += QStringLiteral("compared_number(");
        after[size_t(operand)] += ')';
        after[size_t(to)] += " and number_check(" + text + "))";
    };
    for (int i = 0; i < t.size(); ++i) {
        const int end = t.datePartCallEnd(i);
        if (end < 0) continue;
        const int op = t.next(end), right = t.next(op);
        if (t.isComparison(op) && t.isTextOperand(right) && !t.bindsTighter(t.next(right))) compare(i, right, right);
        const int opBefore = t.previous(i), left = t.previous(opBefore);
        if (t.isComparison(opBefore) && t.isTextOperand(left) && !t.bindsTighter(t.previous(left)))
            compare(left, end, left);
    }
    QString out;
    out.reserve(s.size() + 64);
    for (int i = 0; i < t.size(); ++i) out += before[size_t(i)] + t.text(i).toString() + after[size_t(i)];
    return out;
}

namespace {

// The number a compared value stands for. A text that is none sets the
// statement's error and gives false.
bool readNumber(sqlite3_context* ctx, sqlite3_value* v, double& number) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_NULL: return true;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: number = sqlite3_value_double(v); return true;
    default: break;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)),
                                           sqlite3_value_bytes(v));
    long double value = 0;
    if (TryTextToFloat(text, value)) {
        number = double(value);
        return true;
    }
    const QByteArray message = ("标准表达式中数据类型不匹配：“" + text + "”不是数字").toUtf8();
    sqlite3_result_error(ctx, message.constData(), int(message.size()));
    return false;
}

void comparedNumber(sqlite3_context* ctx, int, sqlite3_value** argv) {
    double number = 0;
    if (!readNumber(ctx, argv[0], number)) return;
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_NULL || type == SQLITE_INTEGER) sqlite3_result_value(ctx, argv[0]);
    else sqlite3_result_double(ctx, number);
}

void numberCheck(sqlite3_context* ctx, int, sqlite3_value** argv) {
    double number = 0;
    if (readNumber(ctx, argv[0], number)) sqlite3_result_int(ctx, 1);
}

}  // namespace

void registerComparedNumber(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "compared_number", 1, flags, nullptr, comparedNumber, nullptr, nullptr);
    sqlite3_create_function(db, "number_check", 1, flags, nullptr, numberCheck, nullptr, nullptr);
}

}  // namespace dialect
