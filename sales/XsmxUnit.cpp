// The sales detail window's layout and grid; menus, wiring and handlers live
// in the files next to it.
#include "sales/XsmxUnit.h"

#include "db/ConnectionString.h"
#include "platform/ButtonPictures.h"
#include "platform/DBGridEh.h"
#include "platform/DataWindow.h"
#include "platform/Fonts.h"
#include "platform/StatusBar.h"

#include <QCheckBox>
#include "platform/DatePicker.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

TXsmxForm* XsmxForm = nullptr;

namespace {

constexpr int kWidth = 1004, kHeight = 596;
constexpr int kTopHeight = 121, kStatusHeight = 19;

QToolButton* flatButton(QWidget* parent, const QString& caption, int x)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 3, 65, 22);
    return b;
}

QToolButton* largeButton(QWidget* parent, const QString& caption, platform::Picture picture, int x)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setIcon(platform::picture(picture));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 40, 57, 57);
    return b;
}

void label(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, 56, 21);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QLineEdit* field(QWidget* parent, int x, int y)
{
    auto* e = new QLineEdit(parent);
    e->setGeometry(x, y, 89, 21);
    return e;
}

QDateEdit* datePicker(QWidget* parent, int x, int y)
{
    auto* d = new TDateTimePicker(parent);
    d->setGeometry(x, y, 113, 21);
    d->setEnabled(false);
    return d;
}

GridColumn column(const char* field, const char* title, int width, bool number = false,
                  GridColumn::Footer footer = GridColumn::NoFooter)
{
    GridColumn c;
    c.field = QString::fromUtf8(field);
    c.title = QString::fromUtf8(title);
    c.width = width;
    c.displayFormat = number ? GridColumn::Float0_00 : GridColumn::None;
    c.footer = footer;
    return c;
}

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
    SpeedButton1 = flatButton(Panel1, QStringLiteral("销售明细"), 8);
    SpeedButton2 = flatButton(Panel1, QStringLiteral("数据导出"), 73);
    SpeedButton3 = flatButton(Panel1, QStringLiteral("关闭窗体"), 138);
    Panel3 = new QFrame(Panel1);
    Panel3->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Panel3->setGeometry(8, 26, 195, 2);

    using platform::Picture;
    SpeedButton4 = largeButton(Panel1, QStringLiteral("修改"), Picture::Correct, 24);
    SpeedButton5 = largeButton(Panel1, QStringLiteral("删除"), Picture::Delete, 80);

    Edit7 = new QLineEdit(Panel1);
    Edit7->setGeometry(760, 8, 89, 21);
    Edit7->hide();
}

void TXsmxForm::buildSearchGroup()
{
    GroupBox1 = new QGroupBox(QStringLiteral("科目查询"), Panel1);
    GroupBox1->setGeometry(228, 8, 513, 105);
    GroupBox1->setFont(platform::songti(13, true));
    // The bold caption must not pass on to the controls inside.
    QWidget* inner = new QWidget(GroupBox1);
    inner->setGeometry(0, 0, 513, 105);
    inner->setFont(platform::songti(13));

    label(inner, QStringLiteral("商品编号"), 24, 24);
    Edit1 = field(inner, 80, 24);
    label(inner, QStringLiteral("商品名称"), 184, 24);
    Edit2 = field(inner, 240, 24);
    label(inner, QStringLiteral("商品规格"), 344, 24);
    Edit3 = field(inner, 400, 24);
    label(inner, QStringLiteral("商品型号"), 24, 48);
    Edit4 = field(inner, 80, 48);
    label(inner, QStringLiteral("客户姓名"), 184, 48);
    Edit5 = field(inner, 240, 48);
    label(inner, QStringLiteral("联系电话"), 344, 48);
    Edit6 = field(inner, 400, 48);

    CheckBox1 = new QCheckBox(QStringLiteral("销售日期"), inner);
    CheckBox1->setGeometry(6, 72, 74, 21);
    DateTimePicker1 = datePicker(inner, 80, 72);
    auto* to = new QLabel(QStringLiteral("至"), inner);
    to->setGeometry(198, 72, 16, 21);
    DateTimePicker2 = datePicker(inner, 216, 72);
    Button1 = new QPushButton(QStringLiteral("查询"), inner);
    Button1->setGeometry(376, 72, 50, 20);
    Button2 = new QPushButton(QStringLiteral("刷新"), inner);
    Button2->setGeometry(440, 72, 50, 20);
}

void TXsmxForm::buildGrid()
{
    Panel2 = new QFrame(this);
    Panel2->setGeometry(0, kTopHeight, kWidth, kHeight - kTopHeight - kStatusHeight);
    DBGridEh1 = new DBGridEh(Panel2);
    DBGridEh1->setGeometry(0, 0, Panel2->width(), Panel2->height());
    using F = GridColumn;
    std::vector<GridColumn> columns = {
        column("商品编号", "商品|编号", 50, false, F::StaticText),
        column("商品名称", "商品|名称", 80),
        column("商品规格", "商品|规格", 70),
        column("商品型号", "商品|型号", 70),
        column("单位", "商品|单位", 50),
        column("销售日期", "销售|日期", 80),
        column("销售单价", "销售|单价", 65, true),
        column("销售数量", "销售|数量", 55, true, F::SumFormatted),
        column("销售金额", "销售|金额", 70, true, F::SumFormatted),
        column("销售利润", "销售|利润", 70, true, F::SumGeneral),
        column("客户姓名", "客户|姓名", 70),
        column("联系电话", "客户|电话", 80),
        column("详细地址", "客户|地址", 100),
        column("备注", "", 70),
    };
    columns[0].footerText = QStringLiteral("合计");
    DBGridEh1->setColumns(std::move(columns));
    DBGridEh1->setDataSet(&ADOQuery1);
}
