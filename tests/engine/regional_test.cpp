// Date texts: every short date the program writes reads back as the same day
// in every locale, two-digit years fall in 1930-2029, and a calendar day goes
// to the store and back whatever the local time zone does at its midnight.
#include "LocalTimeZone.h"
#include "TestStore.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"
#include "db/Regional.h"
#include "db/SalePosting.h"

using regional::DayTime;

namespace {

const QDate kDays[] = {QDate(1752, 9, 14), QDate(1929, 12, 31), QDate(1930, 1, 1), QDate(1999, 12, 31),
                       QDate(2000, 2, 29), QDate(2014, 1, 31), QDate(2018, 11, 4), QDate(2026, 12, 11),
                       QDate(2029, 12, 31), QDate(2030, 1, 1),  QDate(2099, 2, 28)};

}  // namespace

TEST(Regional, EveryLocaleReadsBackTheDayItWrites)
{
    int failures = 0;
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        for (const QDate& day : kDays) {
            const QString text = regional::formatShortDate(day, locale);
            const QDate back = regional::parseShortDate(text, locale);
            const DayTime withTime{day, QTime(13, 5, 9)};
            const QString timeText = regional::displayText(withTime, locale);
            const DayTime timeBack = regional::parseDisplayText(timeText, locale);
            if (back == day && timeBack == withTime) continue;
            if (++failures <= 10)
                ADD_FAILURE() << locale.name().toStdString() << " \"" << regional::shortDateFormat(locale).toStdString()
                              << "\": " << day.toString(Qt::ISODate).toStdString() << " written \""
                              << text.toStdString() << "\" read back " << back.toString(Qt::ISODate).toStdString()
                              << "; with a time \"" << timeText.toStdString() << "\"";
        }
    }
    EXPECT_EQ(failures, 0);
}

struct TwoDigitCase {
    const char* locale;
    const char* text;
    QDate day;
};

TEST(Regional, TwoDigitYearsFallInTheHundredYearsFrom1930)
{
    const TwoDigitCase cases[] = {
        {"en_US", "12/11/26", QDate(2026, 12, 11)}, {"en_US", "1/1/30", QDate(1930, 1, 1)},
        {"en_US", "12/31/29", QDate(2029, 12, 31)}, {"en_US", "2/29/00", QDate(2000, 2, 29)},
        {"en_US", "7/4/99", QDate(1999, 7, 4)},     {"en_US", "1/1/2030", QDate(2030, 1, 1)},
        {"en_US", "2/30/00", QDate()},              {"de_DE", "11.12.26", QDate(2026, 12, 11)},
        {"de_DE", "01.01.1929", QDate(1929, 1, 1)}, {"ko_KR", "26. 12. 11.", QDate(2026, 12, 11)},
        {"zh_CN", "2026/12/11", QDate(2026, 12, 11)}, {"C", "11 Dec 2026", QDate(2026, 12, 11)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(regional::parseShortDate(QString::fromLatin1(c.text), QLocale(QString::fromLatin1(c.locale))), c.day)
            << c.locale << " " << c.text;
    // Outside the window the full year is written, so it cannot come back a century off.
    EXPECT_EQ(regional::formatShortDate(QDate(2030, 1, 1), QLocale("en_US")), "1/1/2030");
    EXPECT_EQ(regional::formatShortDate(QDate(2029, 12, 31), QLocale("en_US")), "12/31/29");
}

// --- a day whose local midnight does not exist -------------------------------

class GapDay : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!LocalTimeZone::midnightMissing(day)) GTEST_SKIP() << "no time zone data for America/Sao_Paulo";
        conn.setConnectionString(connstr::shortForm());
    }
    QString stored(const char* sql) const { return store.scalar(QString::fromUtf8(sql)); }

    TestStore store;
    LocalTimeZone zone{"America/Sao_Paulo"};
    const QDate day = saoPauloGapDay();
    TADOConnection conn;
};

TEST_F(GapDay, ASaleOnThatDayStoresAndReadsBackThatDay)
{
    store.exec("INSERT INTO jxc (商品编号,进货单价,销售数量,销售金额,库存数量) VALUES ('A1',6,0,0,5)");
    TADOQuery products(&conn), lines(&conn);
    products.SQL.Add("select * from jxc");
    lines.SQL.Add("select * from xsmx");
    products.Open();
    lines.Open();
    SalesLineTexts line;
    line.code = "A1";
    line.date = day;
    line.price = "10";
    line.quantity = "1";
    line.amount = "10";
    line.purchasePrice = "6";
    PostSale(lines, line, products);

    EXPECT_EQ(stored("SELECT 销售日期 FROM xsmx"), "2018-11-04 00:00:00");
    TField date = lines.FieldByName("销售日期");
    EXPECT_EQ(date.AsDate(), day);
    EXPECT_EQ(date.AsString(), regional::formatShortDate(day));
}

TEST_F(GapDay, DateLiteralsOfThatDayBoundARange)
{
    store.exec("INSERT INTO jxc (商品编号,进货日期) VALUES ('A1','2018-11-04 00:00:00'),('A2','2018-11-05 00:00:00')");
    const QString text = regional::formatShortDate(day);
    TADOQuery q(&conn);
    q.SQL.Add("select * from jxc where [进货日期] between #" + text + "# ");
    q.SQL.Add("and #" + text + "#");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName("商品编号").AsString(), "A1");
}

TEST_F(GapDay, ADateTimeThatDoesNotExistIsRefusedNotStoredAsNone)
{
    store.exec("INSERT INTO jxc (商品编号,进货日期) VALUES ('A1','2014-01-01 00:00:00')");
    TADOQuery q(&conn);
    q.SQL.Add("select * from jxc");
    q.Open();
    q.Edit();
    EXPECT_THROW(q.FieldByName("进货日期").SetAsDateTime(QDateTime(day, QTime(0, 0))), EConvertError);
    EXPECT_EQ(q.state(), TADOQuery::State::Browse);
    EXPECT_EQ(stored("SELECT 进货日期 FROM jxc"), "2014-01-01 00:00:00");

    // The day itself goes in as that day.
    q.Edit();
    q.FieldByName("进货日期").SetAsDate(day);
    q.Post();
    EXPECT_EQ(stored("SELECT 进货日期 FROM jxc"), "2018-11-04 00:00:00");
}
