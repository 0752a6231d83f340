#include "db/Regional.h"

#include <QCalendar>

namespace regional {

namespace {

bool hasTwoDigitYear(const QString& format)
{
    return format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy"));
}

QString withFullYear(QString format)
{
    return format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
}

// Qt does not read back the digits it writes outside the basic plane
// (Adlam, Chakma); those texts are read as ASCII digits in the C locale.
QString asciiDigits(const QString& text)
{
    QString out;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) == QChar::Number_DecimalDigit && QChar::digitValue(c) >= 0)
            out += QChar(u'0' + QChar::digitValue(c));
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QDate readWith(const QLocale& locale, const QString& text, const QString& format, QCalendar calendar = QCalendar())
{
    const QDate d = locale.toDate(text, format, calendar);
    return d.isValid() ? d : QLocale::c().toDate(asciiDigits(text), format, calendar);
}

// Qt reads "yy" as 19yy. Read in the Julian calendar, where 1900 is a leap
// year, so that 29 February of year "00" (2000) is read too; then move the
// year into the window.
QDate readTwoDigitYear(const QLocale& locale, const QString& text, const QString& format)
{
    static const QCalendar julian(QCalendar::System::Julian);
    const QDate read = readWith(locale, text, format, julian);
    if (!read.isValid())
        return {};
    const QCalendar::YearMonthDay parts = julian.partsFromDate(read);
    const int twoDigits = ((parts.year % 100) + 100) % 100;
    int year = kTwoDigitYearLast / 100 * 100 + twoDigits;
    if (year > kTwoDigitYearLast)
        year -= 100;
    return QDate(year, parts.month, parts.day);
}

}  // namespace

QString shortDateFormat(const QLocale& locale)
{
    return locale.dateFormat(QLocale::ShortFormat);
}

QString formatShortDate(const QDate& date, const QLocale& locale)
{
    QString format = shortDateFormat(locale);
    if (hasTwoDigitYear(format) && (date.year() < kTwoDigitYearFirst || date.year() > kTwoDigitYearLast))
        format = withFullYear(format);
    return locale.toString(date, format);
}

QDate parseShortDate(const QString& text, const QLocale& locale)
{
    const QString t = text.trimmed();
    const QString format = shortDateFormat(locale);
    if (hasTwoDigitYear(format)) {
        if (const QDate d = readTwoDigitYear(locale, t, format); d.isValid())
            return d;
        if (const QDate d = readWith(locale, t, withFullYear(format)); d.isValid())
            return d;
    } else if (const QDate d = readWith(locale, t, format); d.isValid()) {
        return d;
    }
    for (const QString& iso : {QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d")})
        if (const QDate d = readWith(locale, t, iso); d.isValid())
            return d;
    return {};
}

QString toStoreText(const DayTime& value)
{
    if (!value.isValid())
        return {};
    return value.day.toString(QStringLiteral("yyyy-MM-dd")) + u' ' + value.time.toString(QStringLiteral("HH:mm:ss"));
}

DayTime fromStoreText(QStringView text)
{
    const QString t = text.toString();
    DayTime v;
    v.day = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!v.day.isValid())
        return {QDate(), QTime()};
    // Anything after the day that is not a time of day counts as midnight.
    const QTime time = QTime::fromString(t.mid(11), QStringLiteral("HH:mm:ss"));
    if (t.size() > 10 && t[10] == u' ' && time.isValid())
        v.time = time;
    return v;
}

QString displayText(const DayTime& value, const QLocale& locale)
{
    if (!value.isValid())
        return {};
    QString s = formatShortDate(value.day, locale);
    if (value.time != QTime(0, 0))
        s += u' ' + value.time.toString(QStringLiteral("HH:mm:ss"));
    return s;
}

DayTime parseDisplayText(const QString& text, const QLocale& locale)
{
    const QString t = text.trimmed();
    if (const QDate d = parseShortDate(t, locale); d.isValid())
        return {d, QTime(0, 0)};
    // A date with a time of day after it; short dates may hold spaces themselves.
    const qsizetype space = t.lastIndexOf(u' ');
    if (space <= 0)
        return {QDate(), QTime()};
    const QString clock = t.mid(space + 1);
    QTime time = QTime::fromString(clock, QStringLiteral("H:mm:ss"));
    if (!time.isValid())
        time = QTime::fromString(clock, QStringLiteral("H:mm"));
    const QDate d = time.isValid() ? parseShortDate(t.left(space), locale) : QDate();
    if (!d.isValid())
        return {QDate(), QTime()};
    return {d, time};
}

}  // namespace regional
