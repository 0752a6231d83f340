#include "app/MainUnit.h"

#include "db/ConnectionString.h"
#include "db/Reconnect.h"
#include "platform/ButtonPictures.h"
#include "platform/DBGridEh.h"
#include "platform/DataWindow.h"
#include "platform/DatePicker.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/StatusBar.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

TMainForm* MainForm = nullptr;

namespace {

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
    b->setFont(platform::songti(12));
    b->setGeometry(x, 40, 57, 57);
    return b;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, 56, 21);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
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

TMainForm::TMainForm() : TForm(Border::Window)
{
    setWindowTitle(QStringLiteral("Tavrin进销存管理软件 V5.23(Pelmo版)"));
    setClientSize(1004, 652);
    buildTopPanel();
    buildSearchGroup();
    buildGrid();

    StatusBar1 = new TStatusBar({280, 300, 0}, this);
    StatusBar1->setFont(platform::msSansSerif(11));
    StatusBar1->setGeometry(0, 652 - 22, 1004, 22);
    StatusBar1->setPanelText(0, QStringLiteral(" 以“好用、实用、易用”为设计理念！"));
    StatusBar1->setPanelText(2, QStringLiteral(" 网站：") + QString::fromLatin1(maker::kWebSite));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    buildMenus();
    wire();
    Timer1->start();
    centreOnScreen();

    platform::guarded(this, [this] { FormCreate(); });
    openAtCreation(this, ADOConnection1, connstr::shortForm(),
                   {{&ADOQuery1, QStringLiteral("select * from jxc")},
                    {&ADOQuery2, QStringLiteral("select * from kcbj")}});
}

TMainForm::~TMainForm()
{
    // The grid outlives the queries it shows; let go of them first.
    DBGridEh1->setDataSet(nullptr);
}

void TMainForm::buildTopPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, 1004, 121);
    SpeedButton1 = flatButton(Panel1, QStringLiteral("进货管理"), 8);
    SpeedButton2 = flatButton(Panel1, QStringLiteral("销售管理"), 8 + 65);
    SpeedButton3 = flatButton(Panel1, QStringLiteral("库存管理"), 8 + 65 * 2);
    SpeedButton4 = flatButton(Panel1, QStringLiteral("数据导出"), 8 + 65 * 3);
    SpeedButton5 = flatButton(Panel1, QStringLiteral("数据管理"), 8 + 65 * 4);
    SpeedButton6 = flatButton(Panel1, QStringLiteral("其他功能"), 8 + 65 * 5);
    SpeedButton7 = flatButton(Panel1, QStringLiteral("帮助主题"), 8 + 65 * 6);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 26, 455, 2);

    using platform::Picture;
    SpeedButton8 = largeButton(Panel1, QStringLiteral("新增商品"), Picture::NewProduct, 24);
    SpeedButton9 = largeButton(Panel1, QStringLiteral("销售商品"), Picture::Sell, 80);
    SpeedButton10 = largeButton(Panel1, QStringLiteral("销售明细"), Picture::SalesDetail, 136);
    SpeedButton11 = largeButton(Panel1, QStringLiteral("商品汇总"), Picture::Summary, 192);
}

void TMainForm::buildSearchGroup()
{
    GroupBox1 = new QGroupBox(QStringLiteral("科目查询"), Panel1);
    GroupBox1->setGeometry(488, 8, 513, 105);
    GroupBox1->setFont(platform::songti(13, true));
    const QFont regular = platform::songti(13);
    // The bold caption must not pass on to the controls inside.
    QWidget* inner = new QWidget(GroupBox1);
    inner->setGeometry(0, 0, 513, 105);
    inner->setFont(regular);

    label(inner, QStringLiteral("商品编号"), 24, 24);
    Edit1 = field(inner, 80, 24);
    label(inner, QStringLiteral("商品名称"), 184, 24);
    Edit2 = field(inner, 240, 24);
    label(inner, QStringLiteral("商品规格"), 344, 24);
    Edit3 = field(inner, 400, 24);
    label(inner, QStringLiteral("商品型号"), 24, 48);
    Edit4 = field(inner, 80, 48);
    label(inner, QStringLiteral("供货厂商"), 184, 48);
    Edit5 = field(inner, 240, 48);
    label(inner, QStringLiteral("供货电话"), 344, 48);
    Edit6 = field(inner, 400, 48);

    CheckBox1 = new QCheckBox(QStringLiteral("进货日期"), inner);
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

void TMainForm::buildGrid()
{
    DBGridEh1 = new DBGridEh(this);
    DBGridEh1->setGeometry(0, 121, 1004, 652 - 121 - 22);
    DBGridEh1->setToolTip(QStringLiteral("双击可以销售商品！"));
    using F = GridColumn;
    std::vector<GridColumn> columns = {
        column("商品编号", "商品|编号", 50, false, F::StaticText),
        column("商品名称", "商品|名称", 80),
        column("商品规格", "商品|规格", 70),
        column("商品型号", "商品|型号", 70),
        column("单位", "商品|单位", 50),
        column("进货日期", "进货|日期", 75),
        column("进货单价", "进货|单价", 65, true),
        column("进货数量", "进货|数量", 55, true, F::SumFormatted),
        column("进货金额", "进货|金额", 70, true, F::SumFormatted),
        column("销售数量", "销售|数量", 55, true, F::SumFormatted),
        column("销售金额", "销售|金额", 70, true, F::SumFormatted),
        column("销售利润", "销售|利润", -1, true, F::SumGeneral),
        column("库存数量", "库存|数量", 55, true, F::SumFormatted),
        column("库存金额", "库存|金额", 70, true, F::SumFormatted),
        column("供货厂商", "供货|厂商", 75),
        column("供货电话", "供货|电话", 80),
        column("备注", "", 70),
    };
    columns[0].footerText = QStringLiteral("合计");
    DBGridEh1->setColumns(std::move(columns));
    DBGridEh1->setDataSet(&ADOQuery1);
}

QString TMainForm::clockText(const QDateTime& time)
{
    return time.toString(QStringLiteral(" 今天是：yyyy年MM月dd日  HH:mm:ss"));
}

void TMainForm::FormCreate()
{
    platform::writeDesktopShortcut();
}

void TMainForm::FormShow()
{
    Reconnect(ADOConnection1, ADOQuery1, QStringLiteral("select * from jxc"), ADOQuery2,
              QStringLiteral("select * from kcbj"));
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) e->clear();
    const QDate today = now().date();
    DateTimePicker1->setDate(today);
    DateTimePicker2->setDate(today);
}

void TMainForm::Timer1Timer()
{
    StatusBar1->setPanelText(1, clockText(now()));
}

void TMainForm::CheckBox1Click()
{
    const bool on = CheckBox1->isChecked();
    DateTimePicker1->setEnabled(on);
    DateTimePicker2->setEnabled(on);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    TForm::closeEvent(event);
    // Closing the main window ends the program, whatever else is hidden.
    QCoreApplication::quit();
}
