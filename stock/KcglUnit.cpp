#include "stock/KcglUnit.h"

#include "db/ConnectionString.h"
#include "platform/DataWindow.h"

TKcglForm* KcglForm = nullptr;

TKcglForm::TKcglForm()
{
    setWindowTitle(QStringLiteral("库存管理"));
    setClientSize(300, 150);
    openAtCreation(this, ADOConnection1, connstr::shortForm(), {{&ADOQuery1, QStringLiteral("select * from kcbj")}});
}

TKcglForm::~TKcglForm() = default;
