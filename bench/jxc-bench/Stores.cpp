#include "bench/jxc-bench/Stores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <stdexcept>

namespace bench {

const std::vector<StoreSize>& storeSizes()
{
    static const std::vector<StoreSize> sizes = {
        {QStringLiteral("S"), 1'000, 10'000},
        {QStringLiteral("M"), 20'000, 200'000},
        {QStringLiteral("L"), 50'000, 1'000'000},
    };
    return sizes;
}

const StoreSize* findSize(const QString& name)
{
    for (const StoreSize& s : storeSizes())
        if (s.name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

namespace {

void makeSample(const QString& path, const StoreSize& size)
{
    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/../jxcdb");
    const QString program = QFile::exists(tool) ? tool : QStringLiteral("jxcdb");
    const int code = QProcess::execute(program, {QStringLiteral("sample"), path, QStringLiteral("--products"),
                                                 QString::number(size.products), QStringLiteral("--lines"),
                                                 QString::number(size.lines)});
    if (code != 0)
        throw std::runtime_error("jxcdb sample failed for " + path.toStdString());
}

}  // namespace

QString runFolder(const QString& dir, const StoreSize& size)
{
    return QDir(dir).filePath(QStringLiteral("run-") + size.name);
}

QString prepareStore(const QString& dir, const StoreSize& size)
{
    QDir().mkpath(dir);
    const QString pristine = QDir(dir).filePath(size.name + QStringLiteral(".mdb"));
    if (!QFile::exists(pristine))
        makeSample(pristine, size);
    const QString runDir = runFolder(dir, size);
    QDir(runDir).removeRecursively();
    QDir().mkpath(runDir);
    // Also the windows' runtime folder, which must be private.
    QFile::setPermissions(runDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!QFile::copy(pristine, QDir(runDir).filePath(QStringLiteral("data.mdb"))))
        throw std::runtime_error("cannot copy " + pristine.toStdString());
    return runDir;
}

}  // namespace bench
