// The desktop launcher. It starts the program in its own folder, where the
// program looks for its database, and is written anew at every start.
#include "platform/Platform.h"

#include "db/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

// Resources of a static library are only linked in when named.
static void initPlatformResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace platform {

namespace {

const QString launcherName = QStringLiteral("Tavrin进销存管理软件(Pelmo版)");

// Escapes of a desktop entry string value.
QString escapeValue(const QString& value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\': escaped += QStringLiteral("\\\\"); break;
        case u'\n': escaped += QStringLiteral("\\n"); break;
        case u'\t': escaped += QStringLiteral("\\t"); break;
        case u'\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

// One quoted Exec argument; the string escapes apply on top of the quoting,
// and "%" would start a field code.
QString execArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    return escapeValue(quoted).replace(u'%', QStringLiteral("%%"));
}

// The launcher's icon lives next to the program; an empty result when it
// cannot be put there.
QString iconFile()
{
    const QString path = programFolder() + QStringLiteral("jxc.png");
    if (QFile::exists(path))
        return path;
    initPlatformResources();
    if (!QFile::copy(QStringLiteral(":/jxc.png"), path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return path;
}

QString entryText()
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Version=1.0\n"
                                  "Type=Application\n");
    text += QStringLiteral("Name=") + escapeValue(launcherName) + u'\n';
    text += QStringLiteral("Exec=") + execArgument(programFile()) + u'\n';
    text += QStringLiteral("Path=") + escapeValue(programFolder()) + u'\n';
    const QString icon = iconFile();
    if (!icon.isEmpty())
        text += QStringLiteral("Icon=") + escapeValue(icon) + u'\n';
    text += QStringLiteral("Terminal=false\n"
                           "Categories=Office;Finance;\n");
    return text;
}

}  // namespace

// The folder the user's desktop shows, as its user-dirs settings name it.
QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// Where there is no desktop folder to write to, or the launcher cannot be
// written, there is nothing to show the user: the program runs without it.
QString writeDesktopShortcut()
{
    if (programFile().isEmpty())
        throw EJxcError(QStringLiteral("无法创建桌面快捷方式：不知道程序文件在哪里"));
    const QString folder = desktopFolder();
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isWritable())
        return QString();

    const QString path = QDir(folder).filePath(launcherName + QStringLiteral(".desktop"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(entryText().toUtf8()) < 0 || !file.commit())
        return QString();
    // Desktops only start launchers that are marked executable.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return path;
}

}  // namespace platform
