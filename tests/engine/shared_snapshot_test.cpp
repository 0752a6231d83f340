// Queries on the same statement share one snapshot until one of them writes;
// a query opened unread reads its rows only when something looks at them.
#include "TestStore.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"
#include "db/Sqlite.h"

#include <memory>

namespace {

struct Window {
    TADOConnection conn;
    TADOQuery q{&conn};
    explicit Window(const QString& sql = QStringLiteral("select * from jxc")) {
        conn.setConnectionString(connstr::shortForm());
        q.SQL.Add(sql);
    }
    QStringList codes() {
        QStringList out;
        const int col = q.fieldIndex(QStringLiteral("商品编号"));
        for (int r = 0; r < q.RecordCount(); ++r) out << q.cellText(r, col);
        return out;
    }
    void append(const QString& code) {
        q.Append();
        q.FieldByName(QStringLiteral("商品编号")).SetAsString(code);
        q.Post();
    }
};

class SharedSnapshot : public ::testing::Test {
protected:
    void SetUp() override { store.exec(QStringLiteral("INSERT INTO jxc (商品编号) VALUES ('1'),('2'),('3')")); }
    TestStore store;
};

// Each case writes through window a; b opened the same rows before.
struct WriteCase {
    const char* name;
    void (*write)(Window& a);
    QStringList a, b;
};

TEST_F(SharedSnapshot, AWriteIsSeenOnlyByTheQueryThatWroteIt) {
    const WriteCase cases[] = {
        {"append", [](Window& a) { a.append("4"); }, {"1", "2", "3", "4"}, {"1", "2", "3"}},
        {"edit",
         [](Window& a) {
             a.q.SetRecNo(2);
             a.q.Edit();
             a.q.FieldByName("商品编号").SetAsString("二");
             a.q.Post();
         },
         {"1", "二", "3"},
         {"1", "2", "3"}},
        {"delete",
         [](Window& a) {
             a.q.SetRecNo(1);
             a.q.Delete();
         },
         {"2", "3"},
         {"1", "2", "3"}},
    };
    for (const WriteCase& c : cases) {
        store.exec(QStringLiteral("DELETE FROM jxc; INSERT INTO jxc (商品编号) VALUES ('1'),('2'),('3')"));
        Window a, b;
        a.q.Open();
        b.q.Open();
        c.write(a);
        EXPECT_EQ(a.codes(), c.a) << c.name;
        EXPECT_EQ(b.codes(), c.b) << c.name;
        // b's own append after a's lands after b's rows, not after a's.
        b.append("9");
        EXPECT_EQ(b.codes(), c.b + QStringList{"9"}) << c.name;
        EXPECT_EQ(a.codes(), c.a) << c.name;
        // A query opened after the writes reads the store as it is now.
        Window fresh;
        fresh.q.Open();
        EXPECT_EQ(fresh.codes(), QStringList(c.a) << "9") << c.name;
    }
}

TEST_F(SharedSnapshot, AChangeByAnotherProgramIsReadByTheNextOpen) {
    Window a, b;
    a.q.Open();
    store.exec(QStringLiteral("UPDATE jxc SET 商品编号='x' WHERE 商品编号='1'"));
    b.q.Open();
    EXPECT_EQ(a.codes(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(b.codes(), (QStringList{"x", "2", "3"}));
}

TEST_F(SharedSnapshot, ARolledBackWriteIsNotHandedToALaterOpen) {
    Window a;
    a.q.Open();
    {
        StoreTransaction tx(a.conn.handle());
        a.append("4");
        Window during;
        during.q.Open();  // sees the write of its own transaction
        EXPECT_EQ(during.codes().size(), 4);
    }
    EXPECT_EQ(a.codes(), (QStringList{"1", "2", "3"}));
    Window after;
    after.q.Open();
    EXPECT_EQ(after.codes(), (QStringList{"1", "2", "3"}));
}

TEST_F(SharedSnapshot, UnreadQueryReadsItsRowsWhenLookedAt) {
    Window a;
    a.q.OpenUnread();
    EXPECT_TRUE(a.q.Active());
    EXPECT_EQ(a.q.GetFieldNames().size(), 17);
    store.exec(QStringLiteral("INSERT INTO jxc (商品编号) VALUES ('4')"));
    EXPECT_EQ(a.q.RecordCount(), 4);
    EXPECT_EQ(a.q.FieldByName("商品编号").AsString(), "1");

    Window bad(QStringLiteral("select * from nosuchtable"));
    EXPECT_THROW(bad.q.OpenUnread(), EDatabaseError);
    EXPECT_FALSE(bad.q.Active());
}

}  // namespace
