#pragma once
// Runs part of a test in another local time zone and puts the old one back.
#include <QtGlobal>
#include <QDateTime>
#include <ctime>

class LocalTimeZone {
public:
    explicit LocalTimeZone(const char* zone) : had_(qEnvironmentVariableIsSet("TZ")), old_(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalTimeZone()
    {
        if (had_) qputenv("TZ", old_);
        else qunsetenv("TZ");
        tzset();
    }
    LocalTimeZone(const LocalTimeZone&) = delete;
    LocalTimeZone& operator=(const LocalTimeZone&) = delete;

    // Whether local midnight of `day` does not exist here (the zone's data is there).
    static bool midnightMissing(const QDate& day) { return !QDateTime(day, QTime(0, 0)).isValid(); }

private:
    bool had_;
    QByteArray old_;
};

// Daylight saving began at local midnight of this day in America/Sao_Paulo.
inline QDate saoPauloGapDay() { return QDate(2018, 11, 4); }
