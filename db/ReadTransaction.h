#pragma once
// Holds a read transaction on a store for its scope: while it lasts, no
// connection (of this program or of another copy of it) can commit a change,
// so the file on disk stays whole and unchanged, e.g. while it is copied.
#include <memory>

class StoreHandle;

class ReadTransaction {
public:
    explicit ReadTransaction(std::shared_ptr<StoreHandle> handle);  // throws EDatabaseError
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    std::shared_ptr<StoreHandle> handle_;
    bool own_ = false;  // false inside a transaction already open, which holds the file itself
};
