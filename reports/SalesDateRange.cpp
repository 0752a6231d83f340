#include "reports/SalesDateRange.h"

#include "purchasing/NumberText.h"

#include <cmath>

namespace {

// The whole number a combo box text reads as, or 0 when there is none in
// [lo, hi].
int wholeNumber(const QString& text, int lo, int hi)
{
    long double v = 0;
    if (!TryTextToFloat(text, v) || v != std::floor(v) || v < lo || v > hi)
        return 0;
    return int(v);
}

QString day(int year, int month)
{
    return QStringLiteral("%1-%2-01").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

}  // namespace

SalesDateRange salesDateRange(const QString& yearText, const QString& monthText)
{
    // Stored dates are "yyyy-MM-dd hh:mm:ss"; "0" and "A" bound every one.
    const SalesDateRange everything{QStringLiteral("0"), QStringLiteral("A")};
    const int year = wholeNumber(yearText, 1, 9999);
    if (year == 0)
        return everything;
    if (monthText.isNull())
        return {day(year, 1), year == 9999 ? everything.to : day(year + 1, 1)};
    const int month = wholeNumber(monthText, 1, 12);
    if (month == 0)
        return {day(year, 1), year == 9999 ? everything.to : day(year + 1, 1)};
    if (month == 12)
        return {day(year, 12), year == 9999 ? everything.to : day(year + 1, 1)};
    return {day(year, month), day(year, month + 1)};
}
