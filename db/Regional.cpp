#include "db/Regional.h"

#include <QLocale>

namespace regional {

QString shortDateFormat() {
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

QString formatShortDate(const QDate& date) {
    return QLocale::system().toString(date, shortDateFormat());
}

QDate parseShortDate(const QString& text) {
    const QString t = text.trimmed();
    QString fmt = shortDateFormat();
    // A two-digit year would be read as 19xx; always take the full year.
    if (!fmt.contains("yyyy")) fmt.replace("yy", "yyyy");
    for (const QString& f : {fmt, QStringLiteral("yyyy-M-d"), QStringLiteral("yyyy/M/d")}) {
        const QDate d = QLocale::system().toDate(t, f);
        if (d.isValid()) return d;
        const QDate c = QDate::fromString(t, f);
        if (c.isValid()) return c;
    }
    return {};
}

QString toStoreText(const QDateTime& value) {
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime fromStoreText(QStringView text) {
    const QString t = text.toString();
    QDateTime v = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!v.isValid()) {
        const QDate d = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid()) v = QDateTime(d, QTime(0, 0));
    }
    return v;
}

QString displayText(const QDateTime& value) {
    if (!value.isValid()) return {};
    QString s = formatShortDate(value.date());
    if (value.time() != QTime(0, 0)) s += ' ' + value.time().toString(QStringLiteral("HH:mm:ss"));
    return s;
}

}  // namespace regional
