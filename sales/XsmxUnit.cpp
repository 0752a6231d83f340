#include "sales/XsmxUnit.h"

#include "db/ConnectionString.h"
#include "platform/DataWindow.h"

TXsmxForm* XsmxForm = nullptr;

TXsmxForm::TXsmxForm()
{
    setWindowTitle(QStringLiteral("销售明细"));
    setClientSize(800, 500);
    openAtCreation(this, ADOConnection1, connstr::longForm(),
                   {{&ADOQuery1, QStringLiteral("select * from xsmx")}, {&ADOQuery2, QStringLiteral("select * from jxc")}});
}

TXsmxForm::~TXsmxForm() = default;
