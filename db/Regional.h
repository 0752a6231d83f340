#pragma once
// Regional settings the store and the windows share: the system's short date
// format (dates in grids, date literals in statements). The decimal
// separator is always ".".
#include <QDate>
#include <QDateTime>
#include <QString>

namespace regional {

QString shortDateFormat();                 // e.g. "yyyy/M/d" for zh_CN
QString formatShortDate(const QDate& date);
// Reads a date typed or written in the short date format; also accepts ISO
// "yyyy-M-d" and "yyyy/M/d". Invalid QDate when it is neither.
QDate parseShortDate(const QString& text);

// The store's own date-time text, 'YYYY-MM-DD HH:MM:SS'.
QString toStoreText(const QDateTime& value);
QDateTime fromStoreText(QStringView text);
// The same text as a calendar day and a time of day, free of any time zone
// (a stored midnight stays midnight where the local clock skips it).
// False when the text is no store date-time.
bool splitStoreText(QStringView text, QDate& day, QTime& time);

// A date-time's ordinary text form: the short date, followed by the time when
// the time of day is not midnight.
QString displayText(const QDateTime& value);

}  // namespace regional
