#pragma once
// The operations measured once the program has started, each one what a
// user's command really does. `prepare` runs before every run, untimed;
// `work` is timed; `floor`, where there is one, is the bare read of the
// rows the operation must read, timed in the same run.
#include <QString>
#include <functional>
#include <vector>

namespace platform {
class ScriptedInteraction;
}

namespace bench {

struct Operation {
    QString name;
    std::function<void()> prepare;
    std::function<void()> work;
    std::function<double()> floor;  // empty: no floor
};

// `store` is the program's data.mdb; `user` answers the modal windows.
std::vector<Operation> operations(const QString& store, platform::ScriptedInteraction& user);

// The sales detail window's export of every sales line, 数据导出, answered
// with `xlsxPath`. Returns false while the program has no export.
bool exportAllSalesLines(platform::ScriptedInteraction& user, const QString& xlsxPath);

}  // namespace bench
