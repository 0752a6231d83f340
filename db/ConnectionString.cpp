#include "db/ConnectionString.h"

#include "db/Errors.h"

#include <QDir>

namespace connstr {

QMap<QString, QString> parse(const QString& text) {
    QMap<QString, QString> props;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype eq = text.indexOf('=', i);
        if (eq < 0) break;
        const QString name = text.mid(i, eq - i).trimmed().toLower();
        qsizetype j = eq + 1;
        while (j < n && text[j] == ' ') ++j;
        QString value;
        if (j < n && (text[j] == '"' || text[j] == '\'')) {
            const QChar q = text[j];
            const qsizetype end = text.indexOf(q, j + 1);
            value = text.mid(j + 1, (end < 0 ? n : end) - j - 1);
            j = end < 0 ? n : end + 1;
            const qsizetype semi = text.indexOf(';', j);
            i = semi < 0 ? n : semi + 1;
        } else {
            const qsizetype semi = text.indexOf(';', j);
            value = text.mid(j, (semi < 0 ? n : semi) - j).trimmed();
            i = semi < 0 ? n : semi + 1;
        }
        if (!name.isEmpty()) props.insert(name, value);
    }
    return props;
}

QString dataSourcePath(const QString& connectionString, const QString& currentDir) {
    QString source = parse(connectionString).value(QStringLiteral("data source"));
    if (source.isEmpty()) throw EDatabaseError(QStringLiteral("连接字符串中没有指定数据库文件（Data Source）"));
    source.replace('\\', '/');
    return QDir::cleanPath(QDir(currentDir).absoluteFilePath(source));
}

QString shortForm() {
    return QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=data.mdb;Persist Security Info=False;"
        "Jet OLEDB:Database Password=360418527093");
}

QString longForm() {
    return QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=data.mdb;Mode=Share Deny None;"
        "Extended Properties=\"\";Persist Security Info=False;Jet OLEDB:System database=\"\";"
        "Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=360418527093;Jet OLEDB:Engine Type=5;"
        "Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
        "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=\"\";"
        "Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
        "Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica Repair=False;"
        "Jet OLEDB:SFP=False");
}

QString runtimeForm(const QString& currentDir) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Jet OLEDB:Database Password=") +
           QStringLiteral("\"360418527093\"") + QStringLiteral(";Data Source=") + currentDir +
           QStringLiteral("\\data.mdb;Persist Security Info=True");
}

}  // namespace connstr
