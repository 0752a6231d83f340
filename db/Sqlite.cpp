#include "db/Sqlite.h"

#include "db/Errors.h"
#include "db/LockWait.h"
#include "db/StoreErrors.h"
#include "db/NumberComparison.h"

#include <QFileInfo>
#include <map>
#include <sqlite3.h>
#include <sys/stat.h>

// ---- Statement -------------------------------------------------------------

Statement::Statement(sqlite3* db, const QByteArray& sql) : db_(db) {
    const lockwait::WaitEnd waited;  // reading the schema may wait for a lock
    if (const int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt_, nullptr); rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throwStoreError(rc, msg);
    }
    if (!stmt_) throw EDatabaseError(QStringLiteral("SQL 语句为空"));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

bool Statement::step() {
    const lockwait::WaitEnd waited;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throwStoreError(rc, QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Statement::bindNull(int i) { sqlite3_bind_null(stmt_, i); }
void Statement::bindDouble(int i, double v) { sqlite3_bind_double(stmt_, i, v); }
void Statement::bindInt(int i, qint64 v) { sqlite3_bind_int64(stmt_, i, v); }
void Statement::bindText(int i, const QByteArray& utf8) {
    sqlite3_bind_text(stmt_, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

// ---- day(), month(), year() over the store's date-time text ----------------

static int datePart(const unsigned char* t, int len, int part) {
    // 'YYYY-MM-DD ...'
    if (len < 10) return -1;
    auto num = [&](int from, int n) {
        int v = 0;
        for (int i = from; i < from + n; ++i) {
            if (t[i] < '0' || t[i] > '9') return -1;
            v = v * 10 + (t[i] - '0');
        }
        return v;
    };
    switch (part) {
    case 0: return num(0, 4);
    case 1: return num(5, 2);
    default: return num(8, 2);
    }
}

static void datePartFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const int part = int(reinterpret_cast<intptr_t>(sqlite3_user_data(ctx)));
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* t = sqlite3_value_text(argv[0]);
    const int v = datePart(t, sqlite3_value_bytes(argv[0]), part);
    if (v < 0) sqlite3_result_null(ctx);
    else sqlite3_result_int(ctx, v);
}

// ---- StoreHandle -----------------------------------------------------------

// Stores made before the sales lines had an index on their date get it once:
// the date searches and the charts select by date. A file that cannot take
// it (read-only, locked) simply goes without.
static void addDateIndex(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    bool missing = false;
    if (sqlite3_prepare_v2(db,
                           "SELECT (SELECT count(*) FROM sqlite_master WHERE type='table' AND name='xsmx') = 1 AND "
                           "NOT EXISTS (SELECT 1 FROM sqlite_master WHERE type='index' AND tbl_name='xsmx' AND "
                           "sql LIKE '%(\"销售日期\")%')",
                           -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        missing = sqlite3_column_int(st, 0) != 0;
    sqlite3_finalize(st);
    if (missing)
        sqlite3_exec(db, "CREATE INDEX IF NOT EXISTS xsmx_date ON xsmx(\"销售日期\")", nullptr, nullptr, nullptr);
}

namespace {
struct PoolKey {
    QString path;
    bool operator<(const PoolKey& o) const { return path < o.path; }
};
std::map<PoolKey, std::weak_ptr<StoreHandle>>& pool() {
    static std::map<PoolKey, std::weak_ptr<StoreHandle>> p;
    return p;
}
std::function<void()>& writeHook() {
    static std::function<void()> h;
    return h;
}
}  // namespace

std::shared_ptr<StoreHandle> StoreHandle::open(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw EDatabaseError("找不到数据库文件“" + path + "”");
    if (!info.isReadable()) throw EDatabaseError("无法读取数据库文件“" + path + "”：没有读取权限");
    if (info.size() == 0) throw EDatabaseError("“" + path + "”不是有效的数据库文件：文件是空的");

    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) != 0) throw EDatabaseError("找不到数据库文件“" + path + "”");

    // The same file (by inode, so a replaced file gets a fresh handle) is
    // opened once and shared, so that one transaction can span the windows.
    const PoolKey key{info.canonicalFilePath()};
    if (auto it = pool().find(key); it != pool().end()) {
        if (auto h = it->second.lock(); h && h->dev_ == quint64(st.st_dev) && h->ino_ == quint64(st.st_ino))
            return h;
    }

    sqlite3* db = nullptr;
    const int flags = readOnlyForTest() ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(native.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        throwStoreError(rc, msg, "无法打开数据库文件“" + path + "”");
    }
    std::shared_ptr<StoreHandle> h(new StoreHandle(db, path, quint64(st.st_dev), quint64(st.st_ino)));
    lockwait::install(db);
    const lockwait::WaitEnd waited;
    // Reading the schema tells a database from any other file.
    if (sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) != SQLITE_OK) {
        h->fail("无法打开数据库文件“" + path + "”");
    }
    // A committed row survives a power cut; a file copied between writes is whole.
    sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    addDateIndex(db);
    const int fnFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "year", 1, fnFlags, reinterpret_cast<void*>(intptr_t(0)), datePartFunction, nullptr, nullptr);
    sqlite3_create_function(db, "month", 1, fnFlags, reinterpret_cast<void*>(intptr_t(1)), datePartFunction, nullptr, nullptr);
    sqlite3_create_function(db, "day", 1, fnFlags, reinterpret_cast<void*>(intptr_t(2)), datePartFunction, nullptr, nullptr);
    dialect::registerComparedNumber(db);
    pool()[key] = h;
    return h;
}

StoreHandle::StoreHandle(sqlite3* db, QString path, quint64 dev, quint64 ino)
    : db_(db), path_(std::move(path)), dev_(dev), ino_(ino) {}

StoreHandle::~StoreHandle() {
    if (depth_ > 0) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
}

void StoreHandle::fail(const QString& context) const {
    throwStoreError(sqlite3_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)), context);
}

QString StoreHandle::changeStamp() const {
    // data_version moves with commits of other connections, total_changes
    // with every row this handle writes (rolled back ones too).
    qint64 version = -1;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, "PRAGMA data_version", -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        version = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return QString::number(version) + ':' + QString::number(sqlite3_total_changes64(db_));
}

void StoreHandle::exec(const char* sql) {
    const lockwait::WaitEnd waited;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail();
}

bool& StoreHandle::readOnlyForTest() {
    static bool readOnly = false;
    return readOnly;
}

void StoreHandle::begin() {
    if (depth_++ == 0) {
        try {
            exec("BEGIN IMMEDIATE");
        } catch (...) {
            depth_ = 0;
            throw;
        }
    }
}

void StoreHandle::commit() {
    if (depth_ == 0) return;
    if (depth_ > 1) {
        --depth_;
        return;
    }
    exec("COMMIT");  // on failure the transaction stays open for the rollback
    depth_ = 0;
    undo_.clear();
}

void StoreHandle::rollback() {
    if (depth_ == 0) return;
    depth_ = 0;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    auto undo = std::move(undo_);
    undo_.clear();
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) (*it)();
}

void StoreHandle::addUndo(std::function<void()> undo) {
    if (depth_ > 0) undo_.push_back(std::move(undo));
}

void StoreHandle::setWriteHook(std::function<void()> hook) { writeHook() = std::move(hook); }
void StoreHandle::runWriteHook() {
    if (writeHook()) writeHook()();
}

// ---- StoreTransaction ------------------------------------------------------

StoreTransaction::StoreTransaction(std::shared_ptr<StoreHandle> handle) : handle_(std::move(handle)) {
    handle_->begin();
}

StoreTransaction::~StoreTransaction() {
    if (!done_) handle_->rollback();
}

void StoreTransaction::commit() {
    handle_->commit();
    done_ = true;
}
