// Whole-file copies and the program's places in the file system.
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

bool copyContents(QFile& source, QFile& target)
{
    constexpr qint64 chunk = 1 << 16;
    QByteArray buffer(chunk, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(buffer.data(), chunk);
        if (read < 0)
            return false;
        if (read == 0)
            return true;
        if (target.write(buffer.constData(), read) != read)
            return false;
    }
}

// Makes the rename itself durable, not only the data.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

// The copy goes to a temporary file next to the target and is renamed over
// it only when complete, so a failed copy leaves the old target as it was.
bool copyFile(const QString& from, const QString& to, bool overwrite)
{
    const QFileInfo sourceInfo(from);
    if (!sourceInfo.isFile())
        return false;
    const QFileInfo targetInfo(to);
    if (targetInfo.isDir() || (!overwrite && targetInfo.exists()))
        return false;

    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;

    const QString folder = targetInfo.absolutePath();
    QTemporaryFile temporary(folder + u'/' + targetInfo.fileName() + QStringLiteral(".XXXXXX.tmp"));
    if (!temporary.open())
        return false;
    if (!copyContents(source, temporary) || !temporary.flush() || ::fsync(temporary.handle()) != 0)
        return false;
    temporary.setPermissions(source.permissions());

    const QByteArray temporaryPath = QFile::encodeName(temporary.fileName());
    const QByteArray targetPath = QFile::encodeName(targetInfo.absoluteFilePath());
    temporary.close();
    if (std::rename(temporaryPath.constData(), targetPath.constData()) != 0)
        return false;  // the temporary file removes itself
    temporary.setAutoRemove(false);
    syncFolder(folder);
    return true;
}

bool deleteFile(const QString& path)
{
    return QFile::remove(path);
}

QString currentDirectory()
{
    return QDir::currentPath();
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QString programFile()
{
    return QCoreApplication::applicationFilePath();
}

}  // namespace platform
