#include "db/ReadTransaction.h"

#include "db/Sqlite.h"

#include <sqlite3.h>

ReadTransaction::ReadTransaction(std::shared_ptr<StoreHandle> handle) : handle_(std::move(handle))
{
    if (handle_->inTransaction()) return;
    handle_->exec("BEGIN");
    own_ = true;
    try {
        // A deferred transaction takes its lock on the first read and keeps it to the end.
        Statement read(handle_->db(), "SELECT count(*) FROM sqlite_master");
        read.step();
    } catch (...) {
        sqlite3_exec(handle_->db(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

ReadTransaction::~ReadTransaction()
{
    if (own_) sqlite3_exec(handle_->db(), "COMMIT", nullptr, nullptr, nullptr);
}
