// 修改: the corrected line and its product's re-derived totals, written
// together through the sales detail window's two queries; then both windows
// re-read the store.
#include "sales/XsspUnit.h"

#include "app/MainUnit.h"
#include "db/Reconnect.h"
#include "db/SalePosting.h"
#include "platform/Platform.h"
#include "sales/XsmxUnit.h"

#include <QLineEdit>

void TXsspForm::SpeedButton2Click()
{
    TXsmxForm* detail = XsmxForm;
    if (detail->ADOQuery1.RecordCount() > 0 && detail->ADOQuery2.RecordCount() > 0) {
        PostCorrection(detail->ADOQuery1, lineTexts(), detail->ADOQuery2, Edit11->text(), Edit12->text());
        // Shown over the window, which closes once it is acknowledged.
        platform::notice(this, QStringLiteral("修改商品成功！"));
        close();
    }
    // The main window holds its own snapshot of the products; both windows
    // show the corrected figures only once they have re-read the store.
    Reconnect(MainForm->ADOConnection1, MainForm->ADOQuery1, QStringLiteral("select * from jxc"),
              MainForm->ADOQuery2, QStringLiteral("select * from kcbj"));
    Reconnect(detail->ADOConnection1, detail->ADOQuery1, QStringLiteral("select * from xsmx"), detail->ADOQuery2,
              QStringLiteral("select * from jxc"));
}
