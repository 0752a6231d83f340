#include "db/Errors.h"
#include "purchasing/NumberText.h"

#include <gtest/gtest.h>


namespace {

struct ReadCase {
    const char16_t* text;
    bool ok;
    long double value;
};

TEST(NumberText, TryTextToFloatFollowsTheReadingRule)
{
    const ReadCase cases[] = {
        {u"5", true, 5.0L},
        {u"12.5", true, 12.5L},
        {u"0.1", true, 0.1L},
        {u".5", true, 0.5L},
        {u"5.", true, 5.0L},
        {u".", true, 0.0L},
        {u"-.", true, 0.0L},
        {u" 5 ", true, 5.0L},
        {u"   -2.5   ", true, -2.5L},
        {u"+5", true, 5.0L},
        {u"-5", true, -5.0L},
        {u"1e3", true, 1000.0L},
        {u"1E+3", true, 1000.0L},
        {u"2.5e-3", true, 2.5e-3L},
        {u".e2", true, 0.0L},
        {u"007", true, 7.0L},
        {u"12345678901234567890", true, 12345678901234567890.0L},
        {u"1e4000", true, 1e4000L},
        {u"", false, 0},
        {u"   ", false, 0},
        {u"abc", false, 0},
        {u"1.2.3", false, 0},
        {u"1e", false, 0},
        {u"1e+", false, 0},
        {u"e3", false, 0},
        {u"+", false, 0},
        {u"+-5", false, 0},
        {u"1 2", false, 0},
        {u"5,5", false, 0},
        {u"0x10", false, 0},
        {u"\x0FF15", false, 0}, // full-width digit five
        {u"1e5000", false, 0},
        {u"-1e5000", false, 0},
    };
    for (const ReadCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        long double value = -42;
        EXPECT_EQ(TryTextToFloat(text, value), c.ok) << text.toStdString();
        if (c.ok)
            EXPECT_EQ(value, c.value) << text.toStdString();
        else
            EXPECT_EQ(value, -42) << "failure must leave the value alone: " << text.toStdString();
    }
}

TEST(NumberText, StrToFloatThrowsConvertErrorWithTheText)
{
    for (const char* text : {"abc", "", "1.2.3", "1e5000"}) {
        try {
            StrToFloat(QString::fromLatin1(text));
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
    EXPECT_EQ(StrToFloat(" 7.25"), 7.25L);
}

struct WriteCase {
    long double value;
    const char* text;
};

TEST(NumberText, FloatToStrWritesTheGeneralNumberText)
{
    const WriteCase cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {1.0L, "1"},
        {-1.5L, "-1.5"},
        {100.0L, "100"},
        {12.5L * 3, "37.5"},
        {0.1L * 3, "0.3"},
        {2.675L * 1, "2.675"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        // Fixed notation from 0.0001 up to below 1E15.
        {0.0001L, "0.0001"},
        {0.00009999999999999999L, "0.0001"}, // rounds up into the fixed range
        {0.00002L, "2E-5"},
        {1.5e-6L, "1.5E-6"},
        {-1.5e-6L, "-1.5E-6"},
        {999999999999999.0L, "999999999999999"},
        {1e15L, "1E15"},
        {999999999999999.9L, "1E15"}, // carry into a 16th digit
        {123456789e9L, "1.23456789E17"},
        {1e4000L, "1E4000"},
        {1e-4900L, "1E-4900"},
        // Exact halves at the 16th digit go away from zero (not to even).
        {12345678901234.25L, "12345678901234.3"},
        {-12345678901234.25L, "-12345678901234.3"},
        {12345678901234.2499L, "12345678901234.2"},
        {1234567890123465.0L, "1.23456789012347E15"},
        // Decided on the exact binary value: 2.000000000000005 is stored as
        // 2.00000000000000499990..., just below the half.
        {2.000000000000005L, "2"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(FloatToStr(c.value).toStdString(), c.text) << "value " << double(c.value);
}

struct TextCase {
    const char* in;
    const char* out;
};

TEST(NumberText, Normalize2RoundsToTwoDecimalsWithoutTrailingZeros)
{
    const TextCase cases[] = {
        {"12.345", "12.35"},
        {"12.5", "12.5"},
        {"3", "3"},
        {"0.004", "0"},
        {"-0.004", "0"},
        {"0.005", "0.01"},
        {"2.675", "2.68"}, // below the half in binary, a half in decimal
        {"-2.675", "-2.68"},
        {"1.005", "1.01"},
        {"0.125", "0.13"},
        {"35.625", "35.63"},
        {"7.126", "7.13"},
        {"99.995", "100"},
        {"12.344999", "12.34"},
        {" 5 ", "5"},
        {".", "0"},
        {"1e20", "1E20"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Normalize2(QString::fromLatin1(c.in)).toStdString(), c.out) << c.in;

    for (const char* bad : {"", "abc", "1.2.3", "1e"})
        EXPECT_THROW(Normalize2(QString::fromLatin1(bad)), EConvertError) << bad;
}

TEST(NumberText, FormatFloat0_00ShowsAtMostTwoDecimals)
{
    const WriteCase cases[] = {
        {0.0L, "0"},
        {12.0L, "12"},
        {1.5L, "1.5"},
        {-1.5L, "-1.5"},
        {0.5L, "0.5"},
        {0.1L * 3, "0.3"},
        {2.675L, "2.68"},
        {0.125L, "0.13"},
        {0.004L, "0"},
        {-0.004L, "0"},
        {99.999L, "100"},
        {1234567.891L, "1234567.89"},
        {123456789012345678.0L, "123456789012345678"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(FormatFloat0_00(c.value).toStdString(), c.text) << "value " << double(c.value);
}

TEST(NumberText, FormatFloatGroupedSeparatesThousandsWithAtMostThreeDecimals)
{
    const WriteCase cases[] = {
        {0.0L, "0"},
        {5.0L, "5"},
        {1234.5L, "1,234.5"},
        {999.9996L, "1,000"},
        {-1234567.0L, "-1,234,567"},
        {-123.0L, "-123"},
        {123456.0625L, "123,456.063"},
        {0.0004L, "0"},
        {1.1L * 3, "3.3"},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(FormatFloatGrouped(c.value).toStdString(), c.text) << "value " << double(c.value);
}

} // namespace
