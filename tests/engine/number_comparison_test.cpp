// A number compared with a text: the text is read as a number, or the
// statement is refused. The sales charts' statements rely on it.
#include "TestStore.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"
#include "db/NumberComparison.h"
#include "db/mylib.h"

#include <algorithm>

namespace {

const char* kDaily =
    "select day([销售日期]) as 销售日期,sum(销售金额) as 销售金额 from xsmx where year([销售日期])='";
const char* kDailyMonth = "' and month([销售日期])='";
const char* kDailyEnd = "' group by 销售日期 order by 销售日期";
const char* kMonthly =
    "select month([销售日期]) as 销售日期,sum(销售金额) as 销售金额 from xsmx where year([销售日期])='";
const char* kMonthlyEnd = "' group by month([销售日期])";

QString daily(const QString& year, const QString& month) {
    return QString::fromUtf8(kDaily) + year + QString::fromUtf8(kDailyMonth) + month + QString::fromUtf8(kDailyEnd);
}
QString monthly(const QString& year) { return QString::fromUtf8(kMonthly) + year + QString::fromUtf8(kMonthlyEnd); }

class NumberComparisonTest : public ::testing::Test {
protected:
    void SetUp() override { conn.setConnectionString(connstr::longForm()); }

    void fill() {
        store.exec(QStringLiteral(
            "INSERT INTO xsmx (商品编号,销售日期,销售金额) VALUES "
            "('1','2014-01-05 00:00:00',10),('1','2014-01-05 00:00:00',2.5),('1','2014-01-05 15:30:00',1),"
            "('1','2014-01-20 00:00:00',1234.5),('1','2014-02-01 00:00:00',4),('1','2013-12-31 00:00:00',7),"
            "('1','2015-01-05 00:00:00',100)"));
    }

    // "销售日期:销售金额" of every row, sorted: the order of rows of one day is the engine's.
    QStringList rows(const QString& sql) {
        OpenSql(q, sql);
        QStringList out;
        for (q.First(); !q.Eof(); q.Next())
            out << q.FieldByName(QStringLiteral("销售日期")).AsString() + ':' +
                       q.FieldByName(QStringLiteral("销售金额")).AsString();
        std::sort(out.begin(), out.end());
        return out;
    }

    TestStore store;
    TADOConnection conn;
    TADOQuery q{&conn};
};

TEST_F(NumberComparisonTest, TheChartStatementsAsWrittenSelectTheirRows) {
    fill();
    // Two times of day on the 5th are two stored values: two rows for that day.
    EXPECT_EQ(rows(daily("2014", "1")), QStringList({"20:1234.5", "5:1", "5:12.5"}));
    EXPECT_EQ(rows(daily("2014", "2")), QStringList({"1:4"}));
    EXPECT_EQ(rows(daily("2013", "12")), QStringList({"31:7"}));
    EXPECT_EQ(rows(daily("2014", "3")), QStringList());
    EXPECT_EQ(rows(monthly("2014")), QStringList({"1:1248", "2:4"}));
    EXPECT_EQ(rows(monthly("2013")), QStringList({"12:7"}));
    // Read as numbers: a leading zero or spaces change nothing.
    EXPECT_EQ(rows(daily(" 2014", "01")), rows(daily("2014", "1")));
    EXPECT_EQ(rows(monthly("99999")), QStringList());
}

TEST_F(NumberComparisonTest, ATextThatIsNoNumberIsRefusedAndTheQueryStaysClosed) {
    const QString bad[] = {"abc", "", "２０１４", "2014x", "1,5"};
    for (bool withRows : {false, true}) {
        if (withRows) fill();
        for (const QString& text : bad) {
            SCOPED_TRACE(text.toStdString() + (withRows ? " with rows" : " on an empty table"));
            try {
                OpenSql(q, monthly(text));
                ADD_FAILURE() << "accepted";
            } catch (const EDatabaseError& e) {
                EXPECT_TRUE(e.message().contains("数据类型不匹配")) << e.message().toStdString();
                EXPECT_TRUE(e.message().contains("“" + text + "”")) << e.message().toStdString();
            }
            EXPECT_FALSE(q.Active());
            EXPECT_THROW(OpenSql(q, daily("2014", text)), EDatabaseError);
        }
    }
}

TEST_F(NumberComparisonTest, BoundTextsCompareLikeQuotedOnes) {
    fill();
    q.setParameter(QStringLiteral("y"), QStringLiteral("2014"));
    EXPECT_EQ(rows(QStringLiteral("select month([销售日期]) as 销售日期,sum(销售金额) as 销售金额 from xsmx "
                                  "where :y = year([销售日期]) group by month([销售日期])")),
              QStringList({"1:1248", "2:4"}));
    q.setParameter(QStringLiteral("y"), QStringLiteral("2014' or '1'='1"));
    EXPECT_THROW(OpenSql(q, QStringLiteral("select * from xsmx where year([销售日期])=:y")), EDatabaseError);
}

// Only the text beside a date part is read as a number; names and strings
// that merely look like one stay as they are.
TEST(NumberComparisonRewrite, WrapsOnlyTheTextBesideADatePart) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"year(d)='2014'", "(year(d)=compared_number('2014') and number_check('2014'))"},
        {"YEAR ( d ) <> :y and '3' >= Month(d)",
         "(YEAR ( d ) <> compared_number(:y) and number_check(:y)) and "
         "(compared_number('3') >= Month(d) and number_check('3'))"},
        {"day(substr(d,1,10))=?1", "(day(substr(d,1,10))=compared_number(?1) and number_check(?1))"},
        {"year(d)=2014", "year(d)=2014"},
        {"year(d)=x", "year(d)=x"},
        {"year(d)='20'||'14'", "year(d)='20'||'14'"},
        {"birthday(d)='1'", "birthday(d)='1'"},
        {"\"year(d)='1'\"='year(d)=''1'''", "\"year(d)='1'\"='year(d)=''1'''"},
        {"year(d) -- ='1'\n", "year(d) -- ='1'\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dialect::comparedAsNumbers(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
}

}  // namespace
