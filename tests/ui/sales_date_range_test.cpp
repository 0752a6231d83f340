// The date stretch that lets the chart statements use the index: it must
// hold every line the year()/month() comparison selects.
#include "reports/SalesDateRange.h"

#include <gtest/gtest.h>

namespace {

struct RangeCase {
    const char* year;
    const char* month;  // nullptr: the monthly chart, year only
    const char* from;
    const char* to;
};

class SalesDateRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SalesDateRangeTest, CoversTheChosenYearAndMonth)
{
    const RangeCase& c = GetParam();
    const QString month = c.month ? QString::fromUtf8(c.month) : QString();
    const SalesDateRange r = salesDateRange(QString::fromUtf8(c.year), month);
    EXPECT_EQ(r.from, QString::fromUtf8(c.from));
    EXPECT_EQ(r.to, QString::fromUtf8(c.to));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SalesDateRangeTest,
    ::testing::Values(RangeCase{"2024", "7", "2024-07-01", "2024-08-01"},
                      RangeCase{"2024", "12", "2024-12-01", "2025-01-01"},
                      RangeCase{"2024", "01", "2024-01-01", "2024-02-01"},
                      RangeCase{" 2014.0 ", "1", "2014-01-01", "2014-02-01"},
                      RangeCase{"2024", nullptr, "2024-01-01", "2025-01-01"},
                      RangeCase{"2013", nullptr, "2013-01-01", "2014-01-01"},
                      // Texts the statement itself judges: no narrowing.
                      RangeCase{"abc", "1", "0", "A"},
                      RangeCase{"", nullptr, "0", "A"},
                      RangeCase{"2014.5", "1", "0", "A"},
                      RangeCase{"99999", nullptr, "0", "A"},
                      RangeCase{"2024", "13", "2024-01-01", "2025-01-01"},
                      RangeCase{"2024", "abc", "2024-01-01", "2025-01-01"},
                      RangeCase{"9999", "12", "9999-12-01", "A"}));

}  // namespace
