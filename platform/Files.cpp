// Whole-file copies and the program's places in the file system.
#include "platform/FileReplacement.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// `from` copied into the temporary file of `replacement` and synced.
bool copyInto(const QString& from, FileReplacement& replacement)
{
    if (!QFileInfo(from).isFile())
        return false;
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly) || !replacement.open())
        return false;
    if (!copyContents(source, replacement.file()) || !replacement.sync())
        return false;
    replacement.file().setPermissions(source.permissions());
    return true;
}

// A second name for the file `path`: a hard link where the file system has
// them, a copy otherwise.
bool keepAs(const QString& path, const QString& kept)
{
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0)
        return true;
    return copyFile(path, kept, false);
}

}  // namespace

// The copy goes to a temporary file next to the target and is renamed over
// it only when complete, so a failed copy leaves the old target as it was.
bool copyFile(const QString& from, const QString& to, bool overwrite)
{
    const QFileInfo targetInfo(to);
    if (targetInfo.isDir() || (!overwrite && targetInfo.exists()))
        return false;
    FileReplacement replacement(to);
    return copyInto(from, replacement) && replacement.commit();
}

bool replaceFileKeepingOld(const QString& from, const QString& target, const QString& kept)
{
    FileReplacement replacement(target);
    if (!copyInto(from, replacement))
        return false;
    if (QFileInfo::exists(target) && !keepAs(target, kept))
        return false;
    return replacement.commit();
}

QString unusedFileName(const QString& wanted)
{
    if (!QFileInfo::exists(wanted))
        return wanted;
    for (int n = 2;; ++n) {
        const QString name = wanted + u'.' + QString::number(n);
        if (!QFileInfo::exists(name))
            return name;
    }
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
