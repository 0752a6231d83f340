#include "reports/XstjUnit.h"

#include "db/ConnectionString.h"
#include "db/mylib.h"
#include "platform/DBChart.h"
#include "reports/SalesDateRange.h"
#include "platform/DataWindow.h"
#include "platform/Fonts.h"
#include "platform/StatusBar.h"
#include "platform/Wiring.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TXstjForm* XstjForm = nullptr;

namespace {

constexpr int kWidth = 1004, kHeight = 596;
constexpr int kStatusHeight = 22, kUpperHeight = 286;

// The year and the month are bound, never pasted into the statement; the
// store reads them as numbers and refuses a text that is none.
const char* kDailySql =
    "select day([销售日期]) as 销售日期,sum(销售金额) as 销售金额 from xsmx "
    "where [销售日期]>=:from and [销售日期]<:to "
    "and year([销售日期])=:year and month([销售日期])=:month "
    "group by xsmx.[销售日期] order by xsmx.[销售日期]";
const char* kMonthlySql =
    "select month([销售日期]) as 销售日期,sum(销售金额) as 销售金额 from xsmx "
    "where [销售日期]>=:from and [销售日期]<:to "
    "and year([销售日期])=:year group by month([销售日期])";

DBChart* chart(QWidget* parent, const QString& title, const QColor& colour, double max, double step,
               const QString& unit)
{
    auto* c = new DBChart(parent);
    c->setGeometry(32, 10, 801, 265);
    c->setTitle(title);
    c->setBarColour(colour);
    c->setBottomAxis(0, max, step, unit);
    return c;
}

// Hides the bottom axis's end value in one of the chart's corners.
QLabel* cornerLabel(QWidget* chart, int x)
{
    auto* l = new QLabel(chart);
    l->setGeometry(x, 238, 41, 20);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QColor(238, 247, 255));
    l->setPalette(p);
    return l;
}

QGroupBox* queryGroup(QWidget* parent, int height)
{
    auto* g = new QGroupBox(QStringLiteral("查询"), parent);
    g->setGeometry(860, 24, 119, height);
    g->setFont(platform::songti(13, true));
    return g;
}

// An editable drop-down: what is typed stays as typed.
QComboBox* comboBox(QGroupBox* group, int y, int first, int last)
{
    auto* c = new QComboBox(group);
    c->setFont(platform::songti(13));
    c->setEditable(true);
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMaxVisibleItems(12);
    for (int i = first; i <= last; ++i) c->addItem(QString::number(i));
    c->setGeometry(24, y, 57, 21);
    return c;
}

QLabel* label(QGroupBox* group, const QString& text, int y)
{
    auto* l = new QLabel(text, group);
    l->setFont(platform::songti(13));
    l->move(84, y);
    l->adjustSize();
    return l;
}

QPushButton* button(QGroupBox* group, int y)
{
    auto* b = new QPushButton(QStringLiteral("查询销售额"), group);
    b->setFont(platform::songti(13));
    b->setGeometry(18, y, 81, 25);
    return b;
}

}  // namespace

TXstjForm::TXstjForm()
{
    setWindowTitle(QStringLiteral("销售统计"));
    setClientSize(kWidth, kHeight);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, kWidth, kHeight - kStatusHeight);
    Panel2 = new QFrame(Panel1);
    Panel2->setGeometry(0, 0, kWidth, kUpperHeight);
    Panel3 = new QFrame(Panel1);
    Panel3->setGeometry(0, kUpperHeight, kWidth, kHeight - kStatusHeight - kUpperHeight);

    DBChart1 = chart(Panel2, QStringLiteral("日销售报表统计"), Qt::red, 32, 2, QStringLiteral("日"));
    Label1 = cornerLabel(DBChart1, 36);
    Label2 = cornerLabel(DBChart1, 752);
    GroupBox1 = queryGroup(Panel2, 121);
    ComboBox1 = comboBox(GroupBox1, 24, 2014, 2025);
    Label5 = label(GroupBox1, QStringLiteral("年"), 26);
    ComboBox2 = comboBox(GroupBox1, 48, 1, 12);
    Label6 = label(GroupBox1, QStringLiteral("月"), 50);
    Button1 = button(GroupBox1, 80);

    DBChart2 = chart(Panel3, QStringLiteral("月销售报表统计"), Qt::blue, 13, 1, QStringLiteral("月"));
    Label8 = cornerLabel(DBChart2, 36);
    Label9 = cornerLabel(DBChart2, 752);
    GroupBox2 = queryGroup(Panel3, 97);
    ComboBox3 = comboBox(GroupBox2, 24, 2014, 2025);
    Label7 = label(GroupBox2, QStringLiteral("年"), 26);
    Button2 = button(GroupBox2, 56);

    StatusBar1 = new TStatusBar({}, this);
    StatusBar1->setGeometry(0, kHeight - kStatusHeight, kWidth, kStatusHeight);

    platform::onClick(Button1, this, [this] { Button1Click(); });
    platform::onClick(Button2, this, [this] { Button2Click(); });
    centreOnScreen();

    openAtCreation(this, ADOConnection1, connstr::longForm(),
                   {{&ADOQuery1, QStringLiteral("select * from xsmx")},
                    {&ADOQuery2, QStringLiteral("select * from xsmx")}},
                   // Both statements are replaced before the window first shows.
                   CreationRows::WhenLookedAt);
}

namespace {
// A chart starts following its query only once the query holds the chart's
// own statement: bound to the whole xsmx of start-up it would read every
// sales line for bars nobody sees. From then on it follows every close and
// open, a failed one included.
void follow(DBChart* chart, TADOQuery& query)
{
    if (chart->dataSet() != &query)
        chart->setDataSet(&query, QStringLiteral("销售日期"), QStringLiteral("销售金额"));
}

void bindRange(TADOQuery& query, const SalesDateRange& range)
{
    query.setParameter(QStringLiteral("from"), range.from);
    query.setParameter(QStringLiteral("to"), range.to);
}
}  // namespace

TXstjForm::~TXstjForm()
{
    // The charts outlive the queries they follow; let go of them first.
    DBChart1->setDataSet(nullptr, {}, {});
    DBChart2->setDataSet(nullptr, {}, {});
}

void TXstjForm::FormShow()
{
    const QDate d = today();
    ComboBox1->setEditText(QString::number(d.year()));
    ComboBox2->setEditText(QString::number(d.month()));
    ComboBox3->setEditText(QString::number(d.year()));
    Button1Click();
    Button2Click();
}

void TXstjForm::Button1Click()
{
    ADOQuery1.clearParameters();
    ADOQuery1.setParameter(QStringLiteral("year"), ComboBox1->currentText());
    ADOQuery1.setParameter(QStringLiteral("month"), ComboBox2->currentText());
    bindRange(ADOQuery1, salesDateRange(ComboBox1->currentText(), ComboBox2->currentText()));
    OpenSql(ADOQuery1, QString::fromUtf8(kDailySql));
    follow(DBChart1, ADOQuery1);
}

void TXstjForm::Button2Click()
{
    ADOQuery2.clearParameters();
    ADOQuery2.setParameter(QStringLiteral("year"), ComboBox3->currentText());
    bindRange(ADOQuery2, salesDateRange(ComboBox3->currentText()));
    OpenSql(ADOQuery2, QString::fromUtf8(kMonthlySql));
    follow(DBChart2, ADOQuery2);
}
