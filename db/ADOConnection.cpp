#include "db/ADOConnection.h"

#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Sqlite.h"

#include <QDir>
#include <algorithm>

TADOConnection::~TADOConnection() {
    for (TADOQuery* q : std::vector<TADOQuery*>(queries_)) q->setConnection(nullptr);
}

void TADOConnection::Open() {
    if (handle_) return;
    const QString path = connstr::dataSourcePath(connectionString_, QDir::currentPath());
    handle_ = StoreHandle::open(path);
}

void TADOConnection::Close() {
    for (TADOQuery* q : queries_) q->Close();
    handle_.reset();
}

const std::shared_ptr<StoreHandle>& TADOConnection::handle() {
    Open();
    return handle_;
}

QString TADOConnection::fileName() const { return handle_ ? handle_->path() : QString(); }

void TADOConnection::attach(TADOQuery* q) {
    if (std::find(queries_.begin(), queries_.end(), q) == queries_.end()) queries_.push_back(q);
}

void TADOConnection::detach(TADOQuery* q) { std::erase(queries_, q); }
