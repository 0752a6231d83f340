#include "db/StoreErrors.h"

#include "db/Errors.h"

#include <sqlite3.h>

namespace {

QString explanation(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库文件正被另一个程序（或本程序的另一个副本）锁定，等待后仍无法使用，这一步没有完成。"
                              "请稍后再试，或先关闭正在使用它的程序");
    case SQLITE_READONLY:
        return QStringLiteral("数据库文件是只读的，修改没有保存。请检查文件及其文件夹的写入权限，或它是否在只读的磁盘上");
    case SQLITE_FULL: return QStringLiteral("磁盘已满，修改没有保存。请腾出磁盘空间后再试");
    case SQLITE_CORRUPT: return QStringLiteral("数据库文件已损坏，无法读取。请用备份恢复数据库");
    case SQLITE_NOTADB: return QStringLiteral("它不是有效的数据库文件，或已严重损坏");
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法打开数据库文件：文件不存在、没有访问权限，或它所在的文件夹无法访问");
    case SQLITE_IOERR: return QStringLiteral("读写数据库文件时出现磁盘错误，这一步没有完成。请检查磁盘后再试");
    case SQLITE_PERM:
    case SQLITE_AUTH: return QStringLiteral("没有访问数据库文件的权限");
    case SQLITE_CONSTRAINT: return QStringLiteral("数据库拒绝了这个值：它不符合该列的要求，修改没有保存");
    case SQLITE_NOMEM: return QStringLiteral("内存不足，数据库无法完成这一步");
    case SQLITE_TOOBIG: return QStringLiteral("数据太长，数据库无法保存");
    case SQLITE_SCHEMA: return QStringLiteral("数据库的结构刚被其他程序改动，请再试一次");
    case SQLITE_PROTOCOL: return QStringLiteral("无法锁定数据库文件，请再试一次");
    case SQLITE_ERROR: return QStringLiteral("SQL 语句有误，或数据库缺少它用到的表或列，数据库无法执行");
    default: return QStringLiteral("数据库操作失败");
    }
}

}  // namespace

QString storeErrorText(int code, const QString& engineText, const QString& context)
{
    QString text = context.isEmpty() ? explanation(code) : context + "：" + explanation(code);
    text += QStringLiteral("。");
    if (!engineText.isEmpty()) text += "\n数据库引擎报告：" + engineText;
    return text;
}

void throwStoreError(int code, const QString& engineText, const QString& context)
{
    throw EDatabaseError(storeErrorText(code, engineText, context));
}
