#pragma once
// The stretch of stored 销售日期 texts that a chart's year (and month) can
// select, so that the statements can be served by the index on 销售日期.
// It only narrows: the year()/month() comparisons stay in the statements and
// still decide which lines count and which texts are refused.
#include <QString>

struct SalesDateRange {
    QString from;  // inclusive
    QString to;    // exclusive
};

// A text that does not read as a whole year 1..9999 (or month 1..12) gives
// the range of every stored date, so the comparison in the statement sees
// every line and reports the text as it always has.
SalesDateRange salesDateRange(const QString& year, const QString& month = {});
