#include "platform/FileReplacement.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Makes a rename in `folder` durable, not only the data.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

QString fileErrorText(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QStringLiteral("磁盘空间不足");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("没有写入权限");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("文件夹不存在");
    case EISDIR:
        return QStringLiteral("这是一个文件夹");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

FileReplacement::FileReplacement(const QString& target)
    : target_(QFileInfo(target).absoluteFilePath()),
      temporary_(target_ + QStringLiteral(".XXXXXX.tmp"))
{
}

bool FileReplacement::failed(int error)
{
    error_ = "无法写入文件“" + target_ + "”：" + fileErrorText(error);
    return false;
}

bool FileReplacement::open()
{
    if (QFileInfo(target_).isDir()) return failed(EISDIR);
    errno = 0;
    if (temporary_.open()) {
        // A temporary file is private; the finished one gets what any new file of the user gets.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(temporary_.handle(), 0666 & ~mask);
        return true;
    }
    // QTemporaryFile keeps no error number; the folder tells the usual causes apart.
    const QFileInfo folder(QFileInfo(target_).absolutePath());
    return failed(errno != 0 ? errno : !folder.isDir() ? ENOENT : EACCES);
}

bool FileReplacement::sync()
{
    errno = 0;
    if (!temporary_.flush()) return failed(errno != 0 ? errno : EIO);
    if (::fsync(temporary_.handle()) != 0) return failed(errno);
    return true;
}

bool FileReplacement::commit()
{
    if (!sync()) return false;
    const QByteArray from = QFile::encodeName(temporary_.fileName());
    const QByteArray to = QFile::encodeName(target_);
    if (std::rename(from.constData(), to.constData()) != 0) return failed(errno);
    temporary_.setAutoRemove(false);
    temporary_.close();
    syncFolder(QFileInfo(target_).absolutePath());
    return true;
}

}  // namespace platform
