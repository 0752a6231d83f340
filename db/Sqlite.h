#pragma once
// A thin RAII layer over SQLite's C API: one open file (StoreHandle), shared
// by every connection of the process that names the same file, and prepared
// statements (Statement).
#include <QString>

#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class Statement {
public:
    Statement(sqlite3* db, const QByteArray& sql);  // throws EDatabaseError
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    bool step();  // true: a row is ready; false: done. Throws on error.
    void bindNull(int i);
    void bindDouble(int i, double v);
    void bindInt(int i, qint64 v);
    void bindText(int i, const QByteArray& utf8);

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

class StoreHandle {
public:
    // The handle of the existing file `path` (absolute), opened once per file
    // and shared; never creates a file. Throws EDatabaseError naming the file.
    static std::shared_ptr<StoreHandle> open(const QString& path);
    ~StoreHandle();

    sqlite3* db() const { return db_; }
    const QString& path() const { return path_; }
    [[noreturn]] void fail(const QString& context = {}) const;  // throws the last error
    void exec(const char* sql);
    // Changes whenever the file's contents may have changed, through this
    // handle or any other connection.
    QString changeStamp() const;

    // Transactions. Writes made while one is open are undone in the snapshots
    // too when it rolls back; the undo steps are registered by the queries.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return depth_ > 0; }
    void addUndo(std::function<void()> undo);

    // Test seam: handles opened while it is true are opened read-only, as
    // SQLite opens a file the user may not write to (root may write to any).
    static bool& readOnlyForTest();

    // Test seam: runs after every row written inside a transaction.
    static void setWriteHook(std::function<void()> hook);
    static void runWriteHook();

private:
    StoreHandle(sqlite3* db, QString path, quint64 dev, quint64 ino);
    sqlite3* db_;
    QString path_;
    quint64 dev_, ino_;
    int depth_ = 0;
    std::vector<std::function<void()>> undo_;
};

// Keeps a transaction open for its scope; rolls it back unless committed.
class StoreTransaction {
public:
    explicit StoreTransaction(std::shared_ptr<StoreHandle> handle);
    ~StoreTransaction();
    void commit();
    StoreTransaction(const StoreTransaction&) = delete;
    StoreTransaction& operator=(const StoreTransaction&) = delete;

private:
    std::shared_ptr<StoreHandle> handle_;
    bool done_ = false;
};
