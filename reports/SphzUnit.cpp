#include "reports/SphzUnit.h"

#include "db/ConnectionString.h"
#include "db/Reconnect.h"
#include "platform/DBGridEh.h"
#include "platform/DataWindow.h"
#include "platform/StatusBar.h"
#include "purchasing/ProductColumns.h"
#include "stock/LowStock.h"

#include <QFrame>
#include <QStringList>

TSphzForm* SphzForm = nullptr;

namespace {

constexpr int kWidth = 1004, kHeight = 596, kStatusHeight = 22;

// The product grid's figures only.
std::vector<GridColumn> summaryColumns()
{
    std::vector<GridColumn> columns = productColumns();
    const QStringList left = {QStringLiteral("进货日期"), QStringLiteral("供货厂商"), QStringLiteral("供货电话"),
                              QStringLiteral("备注")};
    std::erase_if(columns, [&](const GridColumn& c) { return left.contains(c.field); });
    return columns;
}

}  // namespace

TSphzForm::TSphzForm()
{
    setWindowTitle(QStringLiteral("商品汇总"));
    setClientSize(kWidth, kHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, kWidth, kHeight - kStatusHeight);
    DBGridEh1 = new DBGridEh(Panel1);
    DBGridEh1->setGeometry(0, 0, Panel1->width(), Panel1->height());
    DBGridEh1->setColumns(summaryColumns());
    DBGridEh1->setFitColumnsToWidth(true);
    DBGridEh1->setDataSet(&ADOQuery1);
    DBGridEh1->onGetCellParams = [this](int row, int col, QColor& background) {
        DBGridEh1GetCellParams(row, col, background);
    };

    StatusBar1 = new TStatusBar({}, this);
    StatusBar1->setGeometry(0, kHeight - kStatusHeight, kWidth, kStatusHeight);

    openAtCreation(this, ADOConnection1, connstr::shortForm(),
                   {{&ADOQuery1, QStringLiteral("select * from jxc")},
                    {&ADOQuery2, QStringLiteral("select * from kcbj")}});
}

TSphzForm::~TSphzForm()
{
    // The grid outlives the queries it shows; let go of them first.
    DBGridEh1->setDataSet(nullptr);
}

void TSphzForm::FormShow()
{
    centreOnScreen();
    Reconnect(ADOConnection1, ADOQuery1, QStringLiteral("select * from jxc"), ADOQuery2,
              QStringLiteral("select * from kcbj"));
}

void TSphzForm::DBGridEh1GetCellParams(int row, int, QColor& background)
{
    // Against the threshold as this window read it at its last showing.
    stock::paintLowStock(ADOQuery1, row, ADOQuery2, background);
}
