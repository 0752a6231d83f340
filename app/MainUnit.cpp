#include "app/MainUnit.h"

#include "db/ConnectionString.h"
#include "db/Reconnect.h"
#include "platform/DBGridEh.h"
#include "platform/DataWindow.h"
#include "platform/Fonts.h"
#include "platform/PanelControls.h"
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include "purchasing/ProductColumns.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFrame>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

TMainForm* MainForm = nullptr;

TMainForm::TMainForm() : TForm(Border::Window)
{
    setWindowTitle(QStringLiteral("Tavrin进销存管理软件 V5.23(Pelmo版)"));
    setClientSize(1004, 652);
    buildTopPanel();
    buildSearchGroup();
    buildGrid();

    StatusBar1 = new TStatusBar({280, 300, 0}, this);
    StatusBar1->setFont(platform::msSansSerif(11));
    StatusBar1->setPanelText(0, QStringLiteral(" 以“好用、实用、易用”为设计理念！"));
    StatusBar1->setPanelText(2, QStringLiteral(" 网站：") + QString::fromLatin1(maker::kWebSite));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);

    buildMenus();
    wire();
    Timer1->start();
    layOut();
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
    SpeedButton1 = platform::flatButton(Panel1, QStringLiteral("进货管理"), 8);
    SpeedButton2 = platform::flatButton(Panel1, QStringLiteral("销售管理"), 8 + 65);
    SpeedButton3 = platform::flatButton(Panel1, QStringLiteral("库存管理"), 8 + 65 * 2);
    SpeedButton4 = platform::flatButton(Panel1, QStringLiteral("数据导出"), 8 + 65 * 3);
    SpeedButton5 = platform::flatButton(Panel1, QStringLiteral("数据管理"), 8 + 65 * 4);
    SpeedButton6 = platform::flatButton(Panel1, QStringLiteral("其他功能"), 8 + 65 * 5);
    SpeedButton7 = platform::flatButton(Panel1, QStringLiteral("帮助主题"), 8 + 65 * 6);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(8, 26, 455, 2);

    using platform::Picture;
    SpeedButton8 = platform::largeButton(Panel1, QStringLiteral("新增商品"), Picture::NewProduct, 24);
    SpeedButton9 = platform::largeButton(Panel1, QStringLiteral("销售商品"), Picture::Sell, 80);
    SpeedButton10 = platform::largeButton(Panel1, QStringLiteral("销售明细"), Picture::SalesDetail, 136);
    SpeedButton11 = platform::largeButton(Panel1, QStringLiteral("商品汇总"), Picture::Summary, 192);
}

void TMainForm::buildSearchGroup()
{
    const platform::SearchGroup g = platform::searchGroup(Panel1, 488, {QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("商品规格"), QStringLiteral("商品型号"), QStringLiteral("供货厂商"), QStringLiteral("供货电话")}, QStringLiteral("进货日期"));
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

void TMainForm::buildGrid()
{
    DBGridEh1 = new DBGridEh(this);
    DBGridEh1->setToolTip(QStringLiteral("双击可以销售商品！"));
    DBGridEh1->setColumns(productColumns());
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

// The top panel and the status bar span the window; the grid fills what is
// between them, also when the window is maximised.
void TMainForm::layOut()
{
    Panel1->setGeometry(0, 0, width(), 121);
    DBGridEh1->setGeometry(0, 121, width(), height() - 121 - 22);
    StatusBar1->setGeometry(0, height() - 22, width(), 22);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    TForm::resizeEvent(event);
    if (StatusBar1) layOut();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    TForm::closeEvent(event);
    // Closing the main window ends the program, whatever else is hidden.
    QCoreApplication::quit();
}
