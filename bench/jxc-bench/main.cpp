// jxc-bench: how long the program's commands take at three store sizes, each
// beside its floor, and how much memory it holds.
//
//   jxc-bench [--sizes S,M,L] [--runs N] [--dir DIR] [--tsv]
//
// Every size runs in a process of its own (this program again, with
// --one SIZE), so that its peak resident size is its own.
#include "bench/jxc-bench/Report.h"
#include "bench/jxc-bench/SizeRun.h"
#include "bench/jxc-bench/Stores.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <cstdio>
#include <stdexcept>

namespace {

struct Options {
    QStringList sizes = {QStringLiteral("S"), QStringLiteral("M"), QStringLiteral("L")};
    int runs = 5;
    QString dir = QDir::temp().filePath(QStringLiteral("jxc-bench"));
    bool tsv = false;
    QString one;  // the size this process measures
};

const char kUsage[] = "usage: jxc-bench [--sizes S,M,L] [--runs N (at least 5)] [--dir DIR] [--tsv]\n";

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (a == "--tsv")
            o.tsv = true;
        else if (a == "--sizes" && hasValue)
            o.sizes = QString::fromLocal8Bit(argv[++i]).toUpper().split(',', Qt::SkipEmptyParts);
        else if (a == "--runs" && hasValue)
            o.runs = std::max(5, std::atoi(argv[++i]));
        else if (a == "--dir" && hasValue)
            o.dir = QDir(QString::fromLocal8Bit(argv[++i])).absolutePath();
        else if (a == "--one" && hasValue)
            o.one = QString::fromLocal8Bit(argv[++i]);
        else
            return false;
    }
    for (const QString& s : o.sizes)
        if (!bench::findSize(s))
            return false;
    return true;
}

void print(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    std::fflush(stdout);
}

// This process measures one size and prints its lines.
int measureOne(int& argc, char** argv, const Options& o)
{
    const bench::StoreSize& size = *bench::findSize(o.one);
    const QString runDir = bench::runFolder(o.dir, size);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir(runDir).absolutePath().toUtf8());
    const bench::SizeResult r = bench::runSize(argc, argv, size, runDir, o.runs);
    print(bench::tsvLines(r.timings, {r.memory}));
    return 0;
}

int measureAll(const Options& o, const QString& self)
{
    std::vector<bench::Timing> timings;
    std::vector<bench::Memory> memory;
    for (const QString& size : o.sizes) {
        std::fprintf(stderr, "jxc-bench: size %s ...\n", qPrintable(size));
        bench::prepareStore(o.dir, *bench::findSize(size));
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(self, {QStringLiteral("--one"), size, QStringLiteral("--runs"), QString::number(o.runs),
                           QStringLiteral("--dir"), o.dir});
        if (!child.waitForFinished(-1) || child.exitCode() != 0 ||
            !bench::parseTsv(QString::fromUtf8(child.readAllStandardOutput()), timings, memory)) {
            std::fprintf(stderr, "jxc-bench: the run at size %s failed\n", qPrintable(size));
            return 1;
        }
    }
    print(o.tsv ? bench::tsvLines(timings, memory) : bench::table(timings, memory));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        if (!o.one.isEmpty())
            return measureOne(argc, argv, o);
        QCoreApplication app(argc, argv);
        return measureAll(o, QCoreApplication::applicationFilePath());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "jxc-bench: %s\n", e.what());
        return 1;
    }
}
