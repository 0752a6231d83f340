// A read transaction keeps every other connection from committing a change,
// so a copy of the file taken meanwhile is whole.
#include "tests/engine/TestStore.h"

#include "db/ReadTransaction.h"
#include "db/Sqlite.h"

namespace {

// A write from another connection, as another copy of the program makes it.
int writeFromElsewhere(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_busy_timeout(db, 0);
    const int rc = sqlite3_exec(db, "insert into jxc (商品编号) values ('X')", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

TEST(ReadTransaction, NoOtherConnectionCommitsWhileItIsHeld)
{
    TestStore store;
    auto handle = StoreHandle::open(store.path());
    {
        ReadTransaction hold(handle);
        EXPECT_EQ(writeFromElsewhere(store.path()), SQLITE_BUSY);
    }
    EXPECT_EQ(writeFromElsewhere(store.path()), SQLITE_OK);
    EXPECT_EQ(store.scalar("select count(*) from jxc"), "1");
}

TEST(ReadTransaction, InsideAnOpenTransactionLeavesThatOneAlone)
{
    TestStore store;
    auto handle = StoreHandle::open(store.path());
    StoreTransaction write(handle);
    { ReadTransaction hold(handle); }
    EXPECT_TRUE(handle->inTransaction());
    handle->exec("insert into jxc (商品编号) values ('Y')");
    write.commit();
    EXPECT_EQ(store.scalar("select count(*) from jxc"), "1");
}

}  // namespace
