#pragma once
// A window's connection to the store file named by its connection string.
// Connections to the same file share one SQLite handle; each query keeps its
// own snapshot.
#include <QString>

#include <memory>
#include <vector>

class StoreHandle;
class TADOQuery;

class TADOConnection {
public:
    TADOConnection() = default;
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    void setConnectionString(const QString& text) { connectionString_ = text; }
    const QString& connectionString() const { return connectionString_; }
    void setLoginPrompt(bool on) { loginPrompt_ = on; }
    bool loginPrompt() const { return loginPrompt_; }
    // Other connections may always open the file at the same time.
    QString mode() const { return QStringLiteral("Share Deny None"); }

    // Resolves Data Source against the current directory now; opens only an
    // existing store file. Throws EDatabaseError naming the file.
    void Open();
    // Closes the connection and every query on it.
    void Close();
    bool Connected() const { return handle_ != nullptr; }

    const std::shared_ptr<StoreHandle>& handle();  // opens when closed
    QString fileName() const;                      // the file in use, empty when closed

private:
    friend class TADOQuery;
    void attach(TADOQuery* q);
    void detach(TADOQuery* q);

    QString connectionString_;
    bool loginPrompt_ = false;
    std::shared_ptr<StoreHandle> handle_;
    std::vector<TADOQuery*> queries_;
};
