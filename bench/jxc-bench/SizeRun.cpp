#include "bench/jxc-bench/SizeRun.h"

#include "bench/jxc-bench/Floors.h"
#include "bench/jxc-bench/Measure.h"
#include "bench/jxc-bench/Operations.h"
#include "bench/jxc-bench/Program.h"
#include "platform/ScriptedInteraction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

namespace bench {

namespace {

// A warm-up, then `runs` timed runs, each followed by its floor.
Timing measure(const Operation& op, const QString& size, int runs)
{
    std::vector<double> times, floors;
    for (int i = 0; i <= runs; ++i) {
        op.prepare();
        settle();
        const double t = timeMs(op.work);
        settle();
        const double f = op.floor ? op.floor() : -1;
        if (i == 0)
            continue;
        times.push_back(t);
        floors.push_back(f);
    }
    return {op.name, size, median(times), op.floor ? median(floors) : -1};
}

}  // namespace

SizeResult runSize(int& argc, char** argv, const StoreSize& size, const QString& runDir, int runs)
{
    QDir::setCurrent(runDir);
    const QString store = QDir(runDir).filePath(QStringLiteral("data.mdb"));
    // The shortcut every start writes goes to a desktop folder of the run's
    // own, named in the user-dirs settings as a desktop session names it.
    QTemporaryDir desktop, config;
    QFile userDirs(QDir(config.path()).filePath(QStringLiteral("user-dirs.dirs")));
    if (userDirs.open(QIODevice::WriteOnly))
        userDirs.write("XDG_DESKTOP_DIR=\"" + desktop.path().toUtf8() + "\"\n");
    userDirs.close();
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    SizeResult result;
    result.memory.size = size.name;
    platform::ScriptedInteraction user;
    const QStringList startupTables = {QStringLiteral("select * from jxc"), QStringLiteral("select * from xsmx"),
                                       QStringLiteral("select * from kcbj")};

    // Start-up: from creating the application to the main window shown with
    // its grid filled. The last start keeps running for the operations.
    std::optional<Program> program;
    std::vector<double> times, floors;
    for (int i = 0; i <= runs; ++i) {
        program.reset();
        times.push_back(timeMs([&] { program.emplace(argc, argv, user); }));
        floors.push_back(floorReadMs(store, startupTables));
        if (i == 0) {
            result.memory.afterStartupKb = peakRssKb();
            times.clear();
            floors.clear();
        }
    }
    result.timings.push_back({QStringLiteral("start-up"), size.name, median(times), median(floors)});

    for (const Operation& op : operations(store, user)) {
        result.timings.push_back(measure(op, size.name, runs));
        if (op.name == QStringLiteral("correction"))
            result.memory.afterCorrectionKb = peakRssKb();
    }
    program.reset();
    result.memory.storeKb = long(QFileInfo(store).size() / 1024);
    return result;
}

}  // namespace bench
