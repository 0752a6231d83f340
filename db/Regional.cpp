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

bool splitStoreText(QStringView text, QDate& day, QTime& time) {
    day = QDate::fromString(text.left(10).toString(), QStringLiteral("yyyy-MM-dd"));
    time = QTime(0, 0);
    if (text.size() == 19 && text[10] == u' ') {
        const QTime t = QTime::fromString(text.mid(11).toString(), QStringLiteral("HH:mm:ss"));
        if (t.isValid()) time = t;
    }
    return day.isValid();
}

QDateTime fromStoreText(QStringView text) {
    QDate day;
    QTime time;
    if (!splitStoreText(text, day, time)) return {};
    return QDateTime(day, time);
}

QString displayText(const QDateTime& value) {
    if (!value.isValid()) return {};
    QString s = formatShortDate(value.date());
    if (value.time() != QTime(0, 0)) s += ' ' + value.time().toString(QStringLiteral("HH:mm:ss"));
    return s;
}

}  // namespace regional
