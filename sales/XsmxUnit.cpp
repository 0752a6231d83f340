// The sales detail window's layout and grid; menus, wiring and handlers live
// in the files next to it.
#include "sales/XsmxUnit.h"

#include "db/ConnectionString.h"
#include "platform/DBGridEh.h"
#include "platform/DataWindow.h"
#include "platform/PanelControls.h"
#include "platform/StatusBar.h"

#include <QFrame>
#include <QLineEdit>
#include <QToolButton>

TXsmxForm* XsmxForm = nullptr;

namespace {

constexpr int kWidth = 1004, kHeight = 596;
constexpr int kTopHeight = 121, kStatusHeight = 19;

}  // namespace

TXsmxForm::TXsmxForm()
{
    setWindowTitle(QStringLiteral("销售明细"));
    setClientSize(kWidth, kHeight);
    buildTopPanel();
    buildSearchGroup();
    buildGrid();
    StatusBar1 = new TStatusBar({}, this);
    StatusBar1->setGeometry(0, kHeight - kStatusHeight, kWidth, kStatusHeight);
    buildMenus();
    wire();
    centreOnScreen();
    openAtCreation(this, ADOConnection1, connstr::longForm(),
                   {{&ADOQuery1, QStringLiteral("select * from xsmx")}, {&ADOQuery2, QStringLiteral("select * from jxc")}});
}

TXsmxForm::~TXsmxForm()
{
    // The grid outlives the queries it shows; let go of them first.
    DBGridEh1->setDataSet(nullptr);
}

void TXsmxForm::buildTopPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, kWidth, kTopHeight);
    SpeedButton1 = platform::flatButton(Panel1, QStringLiteral("销售明细"), 8);
    SpeedButton2 = platform::flatButton(Panel1, QStringLiteral("数据导出"), 73);
    SpeedButton3 = platform::flatButton(Panel1, QStringLiteral("关闭窗体"), 138);
    Panel3 = new QFrame(Panel1);
    Panel3->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Panel3->setGeometry(8, 26, 195, 2);

    using platform::Picture;
    SpeedButton4 = platform::largeButton(Panel1, QStringLiteral("修改"), Picture::Correct, 24);
    SpeedButton5 = platform::largeButton(Panel1, QStringLiteral("删除"), Picture::Delete, 80);

    Edit7 = new QLineEdit(Panel1);
    Edit7->setGeometry(760, 8, 89, 21);
    Edit7->hide();
}

void TXsmxForm::buildSearchGroup()
{
    const platform::SearchGroup g = platform::searchGroup(Panel1, 228, {QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("商品规格"), QStringLiteral("商品型号"), QStringLiteral("客户姓名"), QStringLiteral("联系电话")}, QStringLiteral("销售日期"));
    GroupBox1 = g.group;
    Edit1 = g.edits[0];
    Edit2 = g.edits[1];
    Edit3 = g.edits[2];
    Edit4 = g.edits[3];
    Edit5 = g.edits[4];
    Edit6 = g.edits[5];
    CheckBox1 = g.dateCheck;
    DateTimePicker1 = g.from;
    DateTimePicker2 = g.to;
    Button1 = g.search;
    Button2 = g.refresh;
}

void TXsmxForm::buildGrid()
{
    Panel2 = new QFrame(this);
    Panel2->setGeometry(0, kTopHeight, kWidth, kHeight - kTopHeight - kStatusHeight);
    DBGridEh1 = new DBGridEh(Panel2);
    DBGridEh1->setGeometry(0, 0, Panel2->width(), Panel2->height());
    using F = GridColumn;
    std::vector<GridColumn> columns = {
        gridColumn("商品编号", "商品|编号", 50, false, F::StaticText),
        gridColumn("商品名称", "商品|名称", 80),
        gridColumn("商品规格", "商品|规格", 70),
        gridColumn("商品型号", "商品|型号", 70),
        gridColumn("单位", "商品|单位", 50),
        gridColumn("销售日期", "销售|日期", 80),
        gridColumn("销售单价", "销售|单价", 65, true),
        gridColumn("销售数量", "销售|数量", 55, true, F::SumFormatted),
        gridColumn("销售金额", "销售|金额", 70, true, F::SumFormatted),
        gridColumn("销售利润", "销售|利润", 70, true, F::SumGeneral),
        gridColumn("客户姓名", "客户|姓名", 70),
        gridColumn("联系电话", "客户|电话", 80),
        gridColumn("详细地址", "客户|地址", 100),
        gridColumn("备注", "", 70),
    };
    columns[0].footerText = QStringLiteral("合计");
    DBGridEh1->setColumns(std::move(columns));
    DBGridEh1->setDataSet(&ADOQuery1);
}
