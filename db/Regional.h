#pragma once
// Regional settings the store and the windows share: the system's short date
// format (dates in grids, date literals in statements). The decimal
// separator is always ".".
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace regional {

// A stored date-time: a calendar day and a time of day, in no time zone. A
// day whose local midnight does not exist (daylight saving starting at
// midnight) is still that day.
struct DayTime {
    QDate day;
    QTime time{0, 0};
    bool isValid() const { return day.isValid() && time.isValid(); }
    friend bool operator==(const DayTime&, const DayTime&) = default;
};

// A two-digit year is read within this window of a hundred years, as the
// regional settings of the desktop the program comes from do by default.
constexpr int kTwoDigitYearFirst = 1930;
constexpr int kTwoDigitYearLast = 2029;

QString shortDateFormat(const QLocale& locale = QLocale::system());  // e.g. "yyyy/M/d" for zh_CN
// A day outside the two-digit window is written with its full year, so that
// every text written here reads back as the same day.
QString formatShortDate(const QDate& date, const QLocale& locale = QLocale::system());
// Reads a date typed or written in the short date format; also accepts ISO
// "yyyy-M-d" and "yyyy/M/d". Invalid QDate when it is neither.
QDate parseShortDate(const QString& text, const QLocale& locale = QLocale::system());

// The store's own date-time text, 'YYYY-MM-DD HH:MM:SS'.
QString toStoreText(const DayTime& value);
DayTime fromStoreText(QStringView text);

// A date-time's ordinary text form: the short date, followed by the time when
// the time of day is not midnight; and the reading of that form.
QString displayText(const DayTime& value, const QLocale& locale = QLocale::system());
DayTime parseDisplayText(const QString& text, const QLocale& locale = QLocale::system());

}  // namespace regional
