#pragma once
// The connection strings the windows carry: "name=value;..." with the file in
// Data Source. Only Data Source matters to the store; the rest (provider,
// password, modes) is read and otherwise ignored.
#include <QMap>
#include <QString>

namespace connstr {

// Property names are compared without case; values may be quoted with " or '.
QMap<QString, QString> parse(const QString& text);  // keys in lower case

// Data Source resolved against `currentDir`; "\" counts as a separator.
QString dataSourcePath(const QString& connectionString, const QString& currentDir);

// The short and long forms the windows carry when created, and the run-time
// form the reconnect sequence builds from the current directory.
QString shortForm();
QString longForm();
QString runtimeForm(const QString& currentDir);

}  // namespace connstr
