// Operation 7, the export of every sales line, kept apart: it is filled in
// once the sales detail window can export.
#include "bench/jxc-bench/Operations.h"

namespace bench {

// TODO(export): when 数据导出 of the sales detail window lands: with the
// whole table in the sales grid (刷新), queue `xlsxPath` as the answer of the
// save dialog (user.saveAnswers), press XsmxForm->SpeedButton2 and return
// true. An empty `xlsxPath` asks only whether the export exists.
bool exportAllSalesLines(platform::ScriptedInteraction& user, const QString& xlsxPath)
{
    (void)user;
    (void)xlsxPath;
    return false;
}

}  // namespace bench
