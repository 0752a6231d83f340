#include "purchasing/NumberText.h"

#include "db/Errors.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// strtold follows the process locale's decimal point; the texts here always
// use ".", so conversions go through a private "C" locale.
locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

// A finite non-zero value as decimal digits: value = 0.digits x 10^exponent,
// digits without leading zeros.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Parses the output of "%.*Le" ("-d.ddddde+XX") into a Decimal.
Decimal fromScientific(const std::string& text)
{
    Decimal d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    d.exponent = std::atoi(text.c_str() + i + 1) + 1;
    return d;
}

std::string printScientific(long double value, int precision)
{
    std::string buf(std::size_t(precision) + 32, '\0');
    const int n = std::snprintf(buf.data(), buf.size(), "%.*Le", precision, value);
    buf.resize(std::size_t(n));
    return buf;
}

// Every significant digit of the value, exactly. A long double m x 2^e with
// m odd has at most digits(m) + |e| * log10(5) (e < 0) or
// digits(m) + e * log10(2) (e >= 0) significant digits; glibc prints exactly,
// so asking for that many leaves nothing to round.
Decimal exactDigits(long double value)
{
    int e = 0;
    long double m = std::frexp(value, &e); // value = m x 2^e, 0.5 <= |m| < 1
    m = std::ldexp(m, 64);
    e -= 64;
    while (m == std::trunc(m) && std::fmod(m, 2.0L) == 0 && m != 0) {
        m /= 2;
        ++e;
    }
    const int bound = e < 0 ? 21 + (-e * 7 + 9) / 10 : 21 + (e * 31 + 99) / 100;
    return fromScientific(printScientific(value, bound));
}

// The value correctly rounded to `significant` digits, as the extended
// format's own decimal conversion gives it.
Decimal roundedDigits(long double value, int significant)
{
    return fromScientific(printScientific(value, significant - 1));
}

// Keeps the first `keep` digits, rounding halves away from zero on the digit
// that follows. `keep` may be 0 or negative: the value then rounds to zero
// or, from a first digit of 5 or more at keep == 0, up to one unit.
void roundHalfUp(Decimal& d, int keep)
{
    if (keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[std::size_t(keep)] >= '5';
    d.digits.resize(std::size_t(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9') {
            d.digits[std::size_t(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[std::size_t(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// Fixed notation: at least one integer digit, between minDecimals and
// maxDecimals decimals (the digits must already be rounded to maxDecimals).
QString fixedText(const Decimal& d, int minDecimals)
{
    if (d.digits.empty()) // rounded to zero: no sign
        return minDecimals ? QStringLiteral("0.") + QString(minDecimals, u'0') : QStringLiteral("0");
    std::string out;
    if (d.negative)
        out += '-';
    const int n = int(d.digits.size());
    if (d.exponent <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < d.exponent; ++i)
            out += i < n ? d.digits[std::size_t(i)] : '0';
    }
    std::string decimals;
    for (int i = d.exponent; i < n; ++i)
        decimals += i < 0 ? '0' : d.digits[std::size_t(i)];
    while (int(decimals.size()) < minDecimals)
        decimals += '0';
    if (!decimals.empty())
        out += '.' + decimals;
    return QString::fromLatin1(out);
}

QString nonFiniteText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Decimal formats round the value's 18-digit decimal form, not its binary
// expansion, so 2.675 (binary 2.67499999...) still rounds up to 2.68.
// Values with more than 18 integer digits fall back to the general text.
constexpr int kFormatDigits = 18;

bool formatFallsBack(long double value)
{
    return !std::isfinite(value) || std::fabs(value) >= 1e18L;
}

QString decimalText(long double value, int maxDecimals, int minDecimals)
{
    if (formatFallsBack(value))
        return FloatToStr(value);
    Decimal d;
    if (value != 0) {
        d = roundedDigits(value, kFormatDigits);
        roundHalfUp(d, d.exponent + maxDecimals);
    }
    return fixedText(d, minDecimals);
}

QString twoDecimalText(long double value, int minDecimals)
{
    return decimalText(value, 2, minDecimals);
}

} // namespace

bool TryTextToFloat(QStringView text, long double& value)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;

    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    std::string intDigits;
    while (i < n && isAsciiDigit(text[i]))
        intDigits += char(text[i++].unicode());
    bool point = false;
    std::string fracDigits;
    if (i < n && text[i] == u'.') {
        point = true;
        ++i;
        while (i < n && isAsciiDigit(text[i]))
            fracDigits += char(text[i++].unicode());
    }
    if (intDigits.empty() && !point)
        return false;
    number += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty())
        number += '.' + fracDigits;

    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        std::string exponent = "e";
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            exponent += char(text[i++].unicode());
        const qsizetype start = i;
        while (i < n && isAsciiDigit(text[i]))
            exponent += char(text[i++].unicode());
        if (i == start)
            return false;
        number += exponent;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return false;

    const long double result = strtold_l(number.c_str(), nullptr, cLocale());
    if (std::isinf(result))
        return false;
    value = result;
    return true;
}

long double StrToFloat(const QString& text)
{
    long double value = 0;
    if (!TryTextToFloat(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString FloatToStr(long double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");

    Decimal d = exactDigits(value);
    roundHalfUp(d, 15);

    // exponent is the count of integer digits: 0.0001 has -3, 1E15 has 16.
    if (d.exponent >= -3 && d.exponent <= 15)
        return fixedText(d, 0);

    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1)
        out += '.' + d.digits.substr(1);
    out += 'E' + std::to_string(d.exponent - 1);
    return QString::fromLatin1(out);
}

QString Normalize2(const QString& text)
{
    return FloatToStr(StrToFloat(twoDecimalText(StrToFloat(text), 2)));
}

QString FormatFloat0_00(long double value)
{
    return twoDecimalText(value, 0);
}

QString FormatFloatGrouped(long double value)
{
    QString text = decimalText(value, 3, 0);
    if (formatFallsBack(value))
        return text;
    const qsizetype sign = text.startsWith(u'-') ? 1 : 0;
    qsizetype point = text.indexOf(u'.');
    if (point < 0)
        point = text.size();
    for (qsizetype i = point - 3; i > sign; i -= 3)
        text.insert(i, u',');
    return text;
}
