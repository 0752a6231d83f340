#include "reports/XstjUnit.h"

#include "db/ConnectionString.h"
#include "platform/DataWindow.h"

TXstjForm* XstjForm = nullptr;

TXstjForm::TXstjForm()
{
    setWindowTitle(QStringLiteral("销售统计"));
    setClientSize(800, 500);
    openAtCreation(this, ADOConnection1, connstr::longForm(),
                   {{&ADOQuery1, QStringLiteral("select * from xsmx")},
                    {&ADOQuery2, QStringLiteral("select * from xsmx")}},
                   // Both statements are replaced before the window first shows.
                   CreationRows::WhenLookedAt);
}

TXstjForm::~TXstjForm() = default;
