#include "reports/SphzUnit.h"

#include "db/ConnectionString.h"
#include "platform/DataWindow.h"

TSphzForm* SphzForm = nullptr;

TSphzForm::TSphzForm()
{
    setWindowTitle(QStringLiteral("商品汇总"));
    setClientSize(800, 500);
    openAtCreation(this, ADOConnection1, connstr::shortForm(),
                   {{&ADOQuery1, QStringLiteral("select * from jxc")},
                    {&ADOQuery2, QStringLiteral("select * from kcbj")}});
}

TSphzForm::~TSphzForm() = default;
