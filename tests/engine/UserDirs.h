#pragma once
// Names the user's desktop folder in the user-dirs settings under
// `configHome`, as a desktop session does.
#include <QDir>
#include <QFile>
#include <QString>

inline bool nameDesktopFolder(const QString& configHome, const QString& desktop)
{
    QDir().mkpath(configHome);
    QFile file(QDir(configHome).filePath(QStringLiteral("user-dirs.dirs")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("XDG_DESKTOP_DIR=\"" + desktop.toUtf8() + "\"\n");
    return true;
}
