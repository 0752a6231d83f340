// Checking a text against its column before a row is edited: the same
// verdict and message as the write itself, and nothing written.
#include "TestStore.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"

namespace {

struct CheckCase {
    const char* field;
    const char* text;
    const char* error;  // empty when the column takes the text
};

// The error `write` throws, or "" when it throws none.
template <class Write>
QString errorOf(Write write)
{
    try {
        write();
    } catch (const EConvertError& e) {
        return e.message();
    }
    return {};
}

TEST(FieldCheck, RefusesExactlyWhatTheWriteRefusesAndWritesNothing)
{
    TestStore store;
    store.exec(QStringLiteral("INSERT INTO jxc (商品编号,进货单价) VALUES ('P1',2)"));
    TADOConnection connection;
    connection.setConnectionString(connstr::shortForm());
    TADOQuery q(&connection);
    q.SQL.Add(QStringLiteral("select * from jxc"));
    q.Open();

    const CheckCase cases[] = {
        {"进货单价", "12.5", ""},
        {"进货单价", "", ""},
        {"进货单价", " .5 ", ""},
        {"进货单价", "12abc", "'12abc' is not a valid floating point value for field '进货单价'"},
        {"进货数量", "1,5", "'1,5' is not a valid floating point value for field '进货数量'"},
        {"进货数量", "1E400", "'1E400' is not a valid floating point value for field '进货数量'"},
        {"商品名称", "12abc", ""},
        {"进货日期", "2014/3/4", ""},
        {"进货日期", "tomorrow", "'tomorrow' is not a valid date and time"},
    };
    for (const CheckCase& c : cases) {
        const QString field = QString::fromUtf8(c.field);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(errorOf([&] { q.FieldByName(field).CheckString(text); }), QString::fromUtf8(c.error))
            << c.field << " " << c.text;
        EXPECT_EQ(q.state(), TADOQuery::State::Browse);

        q.Edit();
        EXPECT_EQ(errorOf([&] { q.FieldByName(field).SetAsString(text); }), QString::fromUtf8(c.error))
            << c.field << " " << c.text;
        q.Cancel();
    }
    EXPECT_EQ(store.scalar(QStringLiteral("SELECT 进货单价 || '|' || ifnull(进货数量, '-') FROM jxc")), "2.0|-");
}

}  // namespace
