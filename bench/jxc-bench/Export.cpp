// Operation 7, the export of every sales line, as 数据导出 of the sales
// detail window does it.
#include "bench/jxc-bench/Operations.h"

#include "platform/ScriptedInteraction.h"
#include "sales/XsmxUnit.h"

#include <QFile>
#include <QPushButton>
#include <QToolButton>

namespace bench {

// An empty `xlsxPath` asks only whether the export exists.
bool exportAllSalesLines(platform::ScriptedInteraction& user, const QString& xlsxPath)
{
    if (xlsxPath.isEmpty())
        return true;
    // The whole table in the grid, as after 刷新; the search of an earlier
    // operation must not shrink the work.
    if (XsmxForm->ADOQuery1.SQL.Text().contains(QStringLiteral("where")))
        XsmxForm->Button2->click();
    QFile::remove(xlsxPath + QStringLiteral(".xls"));
    user.saveAnswers.push_back(xlsxPath);
    XsmxForm->SpeedButton2->click();
    return true;
}

}  // namespace bench
