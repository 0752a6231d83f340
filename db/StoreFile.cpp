#include "db/StoreFile.h"

#include "db/Errors.h"
#include "db/Schema.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

void createEmptyStore(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const QString file = "“" + path + "”";

    // Made here rather than by SQLite so that it is new (O_EXCL) and private
    // from the first byte; SQLite's journal takes the same mode.
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int err = errno;
        if (err == EEXIST) throw EJxcError(file + "已存在，不会覆盖它");
        throw EJxcError("无法创建" + file + "：" + QString::fromLocal8Bit(std::strerror(err)));
    }
    ::fchmod(fd, 0600);  // the umask may only have taken bits away; make it exact
    ::close(fd);

    sqlite3* db = nullptr;
    auto fail = [&](const QString& why) {
        sqlite3_close_v2(db);
        ::unlink(native.constData());
        throw EJxcError("无法创建" + file + "：" + why);
    };
    if (sqlite3_open_v2(native.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));

    const QByteArray sql = "PRAGMA journal_mode=DELETE;\nPRAGMA synchronous=FULL;\nBEGIN;\n" +
                           schema::createStatements().toUtf8() + "COMMIT;\n";
    char* err = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString why = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        fail(why);
    }
    sqlite3_close_v2(db);
}
