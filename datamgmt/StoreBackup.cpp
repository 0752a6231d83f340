#include "datamgmt/StoreBackup.h"

#include "db/ADOConnection.h"
#include "db/ConnectionString.h"
#include "db/ReadTransaction.h"
#include "db/Sqlite.h"
#include "db/StoreCheck.h"
#include "platform/Platform.h"

#include <QDateTime>

namespace {

bool copyStoreTo(const QString& target)
{
    const QString store = workingStorePath();
    ReadTransaction unchanged(StoreHandle::open(store));
    // The copy reads the file through a descriptor of its own; it is closed
    // only once the copy is complete, and closing it is what drops the
    // process's locks on the file, so the whole copy is covered.
    return platform::copyFile(store, target, true);
}

bool replaceStoreWith(const QString& chosen, TADOConnection& connection)
{
    if (!checkStore(chosen).ok) return false;
    connection.Close();
    const QString store = workingStorePath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString kept = platform::unusedFileName(store + u'.' + stamp + QStringLiteral(".bak"));
    return platform::replaceFileKeepingOld(chosen, store, kept);
}

// A failure of any kind is the command's own failure message.
template <class Step>
bool succeeded(Step step)
{
    try {
        return step();
    } catch (...) {
        return false;
    }
}

}  // namespace

QString workingStorePath()
{
    return connstr::dataSourcePath(connstr::shortForm(), platform::currentDirectory());
}

void backUpStore(QWidget* owner, platform::FileDialog& dialog)
{
    const auto name = dialog.execute(owner);
    if (!name || name->isEmpty()) return;
    const QString target = *name + QStringLiteral(".bak");
    if (succeeded([&] { return copyStoreTo(target); }))
        platform::notice(owner, QStringLiteral("数据备份成功！"));
    else
        platform::notice(owner, QStringLiteral("数据备份失败，请重试！"));
}

void restoreStore(QWidget* owner, platform::FileDialog& dialog, TADOConnection& connection)
{
    const auto name = dialog.execute(owner);
    if (!name || name->isEmpty()) return;
    if (!succeeded([&] { return replaceStoreWith(*name, connection); })) {
        platform::notice(owner, QStringLiteral("数据恢复失败，请重试！"));
        return;
    }
    platform::notice(owner, QStringLiteral("数据恢复成功！"));
    platform::endProgram(owner);
}
