// The sales statistics window as the user meets it: opened from the main
// window on today's month and year, queried again with other texts typed into
// its combo boxes, and its chart control over a small fake data set.
#include "tests/ui/AppFixture.h"
#include "tests/ui/FakeDataSet.h"

#include "db/Sqlite.h"
#include "platform/DBChart.h"
#include "platform/StatusBar.h"
#include "reports/XstjUnit.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <sqlite3.h>

namespace {

// Two times of day on 2014-01-05 are two stored values; the other lines lie
// in other months and years.
const char* kLines =
    "insert into xsmx (商品编号,商品名称,销售日期,销售数量,销售金额) values "
    "('1','螺丝','2014-01-05 00:00:00',1,10),('1','螺丝','2014-01-05 00:00:00',1,2.5),"
    "('1','螺丝','2014-01-05 15:30:00',1,1),('2','胶水','2014-01-20 00:00:00',1,1234.5),"
    "('2','胶水','2014-02-01 00:00:00',1,4),('2','胶水','2013-12-31 00:00:00',1,7),"
    "('2','胶水','2015-01-05 00:00:00',1,100)";

using Bars = std::vector<std::pair<double, double>>;

Bars barsOf(const DBChart* chart)
{
    Bars out;
    for (const DBChart::Bar& b : chart->bars()) out.emplace_back(b.x, b.y);
    return out;
}

class SalesStatistics : public AppFixture {
protected:
    void fillStore() override { store->exec(QString::fromUtf8(kLines)); }

    void SetUp() override
    {
        AppFixture::SetUp();
        XstjForm->today = [this] { return today; };
    }

    // Shows the window from 销售统计 of the 销售管理 menu; `whileOpen` acts in it.
    void open(std::function<void()> whileOpen = {})
    {
        user.onModal = [whileOpen](QWidget*) {
            if (whileOpen) whileOpen();
        };
        MainForm->N7->trigger();
    }

    void query(QComboBox* box, const QString& text, QPushButton* button)
    {
        box->setEditText(text);
        button->click();
    }

    QDate today{2014, 1, 20};
    const Bars january2014{{5, 12.5}, {5, 1}, {20, 1234.5}};
    const Bars year2014{{1, 1248}, {2, 4}};
};

TEST_F(SalesStatistics, OpensOnTodaysMonthAndYearWithOneBarPerRow)
{
    bool shown = false;
    open([&] {
        shown = XstjForm->isVisible();
        EXPECT_EQ(XstjForm->ComboBox1->currentText(), "2014");
        EXPECT_EQ(XstjForm->ComboBox2->currentText(), "1");
        EXPECT_EQ(XstjForm->ComboBox3->currentText(), "2014");
    });
    EXPECT_TRUE(shown);
    ASSERT_EQ(user.modalShown.size(), 1u);
    EXPECT_EQ(user.modalShown[0], XstjForm);
    EXPECT_TRUE(user.messages.empty());

    // Two bars at the 5th: one per stored time of day.
    EXPECT_EQ(barsOf(XstjForm->DBChart1), january2014);
    EXPECT_EQ(XstjForm->DBChart1->markTexts(), QStringList({"12.5", "1", "1,234.5"}));
    EXPECT_EQ(barsOf(XstjForm->DBChart2), year2014);
    EXPECT_EQ(XstjForm->DBChart2->markTexts(), QStringList({"1,248", "4"}));
    // Loading the bars moved no row.
    EXPECT_EQ(XstjForm->ADOQuery1.RecNo(), 1);

    // The chart follows its query.
    XstjForm->ADOQuery1.Close();
    EXPECT_TRUE(XstjForm->DBChart1->bars().empty());
    EXPECT_TRUE(XstjForm->DBChart1->markTexts().isEmpty());
    EXPECT_EQ(barsOf(XstjForm->DBChart2), year2014);
}

TEST_F(SalesStatistics, EveryShowingStartsAgainFromToday)
{
    open([&] {
        // A year outside the list, typed by hand.
        query(XstjForm->ComboBox1, "2013", XstjForm->Button1);
        query(XstjForm->ComboBox2, "12", XstjForm->Button1);
        query(XstjForm->ComboBox3, "2013", XstjForm->Button2);
        EXPECT_EQ(barsOf(XstjForm->DBChart1), Bars({{31, 7}}));
        EXPECT_EQ(barsOf(XstjForm->DBChart2), Bars({{12, 7}}));
    });
    today = QDate(2015, 1, 31);
    open([&] {
        EXPECT_EQ(XstjForm->ComboBox1->currentText(), "2015");
        EXPECT_EQ(XstjForm->ComboBox2->currentText(), "1");
        EXPECT_EQ(XstjForm->ComboBox3->currentText(), "2015");
    });
    EXPECT_EQ(barsOf(XstjForm->DBChart1), Bars({{5, 100}}));
    EXPECT_EQ(barsOf(XstjForm->DBChart2), Bars({{1, 100}}));
    // A month without sales: no bars, the day axis all the same.
    today = QDate(2014, 3, 1);
    open();
    EXPECT_TRUE(XstjForm->DBChart1->bars().empty());
    EXPECT_EQ(XstjForm->DBChart1->xAxis->range(), QCPRange(0, 32));
    EXPECT_TRUE(user.messages.empty());
}

// What a combo box may hold, typed by the user. A text that is no number is
// refused by the store: one error box, that chart empty, the other one as it
// was, and the next good query draws again.
TEST_F(SalesStatistics, BadTextsInTheComboBoxesAreRefusedAndBreakNothing)
{
    const struct {
        const char* text;
        bool refused;
    } cases[] = {
        {"2014'", true},
        {"abc", true},
        {"", true},
        {"２０１４", true},
        {"2014' or '1'='1", true},
        {"99999", false},
    };
    open([&] {
        TXstjForm* f = XstjForm;
        const struct {
            const char* name;
            QComboBox* box;
            QPushButton* button;
            DBChart *chart, *other;
        } boxes[] = {
            {"ComboBox1", f->ComboBox1, f->Button1, f->DBChart1, f->DBChart2},
            {"ComboBox2", f->ComboBox2, f->Button1, f->DBChart1, f->DBChart2},
            {"ComboBox3", f->ComboBox3, f->Button2, f->DBChart2, f->DBChart1},
        };
        for (const auto& b : boxes) {
            for (const auto& c : cases) {
                SCOPED_TRACE(std::string(b.name) + " " + c.text);
                const QString good = b.box == f->ComboBox2 ? "1" : "2014";
                query(f->ComboBox1, "2014", f->Button1);
                query(f->ComboBox2, "1", f->Button1);
                query(f->ComboBox3, "2014", f->Button2);
                const Bars other = barsOf(b.other);
                user.messages.clear();

                query(b.box, QString::fromUtf8(c.text), b.button);
                EXPECT_TRUE(b.chart->bars().empty());
                EXPECT_EQ(barsOf(b.other), other);
                ASSERT_EQ(user.messages.size(), c.refused ? 1u : 0u);
                if (c.refused) {
                    const platform::MessageRecord& box = user.messages[0];
                    EXPECT_EQ(box.icon, platform::Icon::Stop);
                    EXPECT_EQ(box.caption, platform::applicationTitle());
                    EXPECT_TRUE(box.text.contains("数据类型不匹配")) << box.text.toStdString();
                }
                query(b.box, good, b.button);
                EXPECT_FALSE(b.chart->bars().empty());
            }
        }
    });
}

TEST_F(SalesStatistics, AFailingDailyQueryAtShowingSkipsTheMonthlyOneAndTheWindowStillOpens)
{
    open();
    ASSERT_EQ(barsOf(XstjForm->DBChart2), year2014);

    // A day() that fails, as a store may fail: only the daily statement uses it.
    const auto handle = StoreHandle::open(store->path());
    sqlite3_create_function(
        handle->db(), "day", 1, SQLITE_UTF8, nullptr,
        [](sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_error(ctx, "磁盘 I/O 错误", -1); }, nullptr,
        nullptr);
    today = QDate(2015, 1, 5);
    bool shown = false;
    open([&] { shown = XstjForm->isVisible(); });
    EXPECT_TRUE(shown);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_TRUE(user.messages[0].text.contains("磁盘 I/O 错误"));
    EXPECT_TRUE(XstjForm->DBChart1->bars().empty());
    // The monthly chart still shows 2014: its query was not run again.
    EXPECT_EQ(XstjForm->ComboBox3->currentText(), "2015");
    EXPECT_EQ(barsOf(XstjForm->DBChart2), year2014);
}

TEST_F(SalesStatistics, AxesAndTitles)
{
    open();
    const struct {
        DBChart* chart;
        const char* title;
        QCPRange range;
        QStringList labels;
        QColor bars;
    } charts[] = {
        {XstjForm->DBChart1, "日销售报表统计", {0, 32},
         {"0日", "2日", "4日", "6日", "8日", "10日", "12日", "14日", "16日", "18日", "20日", "22日", "24日", "26日",
          "28日", "30日", "32日"},
         Qt::red},
        {XstjForm->DBChart2, "月销售报表统计", {0, 13},
         {"0月", "1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月", "13月"},
         Qt::blue},
    };
    for (const auto& c : charts) {
        SCOPED_TRACE(c.title);
        c.chart->replot();
        EXPECT_EQ(c.chart->title(), c.title);
        EXPECT_EQ(c.chart->xAxis->range(), c.range);
        EXPECT_EQ(c.chart->xAxis->tickVectorLabels(), c.labels);
        EXPECT_EQ(c.chart->plottable(0)->brush().color(), c.bars);
        // The left axis is automatic: from 0 to above the highest bar.
        const double highest = std::max_element(c.chart->bars().begin(), c.chart->bars().end(),
                                                [](auto& a, auto& b) { return a.y < b.y; })->y;
        EXPECT_EQ(c.chart->yAxis->range().lower, 0);
        EXPECT_GT(c.chart->yAxis->range().upper, highest);
        EXPECT_LT(c.chart->yAxis->range().upper, 2 * highest);
    }
    const QStringList amounts = XstjForm->DBChart1->yAxis->tickVectorLabels();
    EXPECT_TRUE(amounts.contains("1,000")) << amounts.join(' ').toStdString();
}

TEST_F(SalesStatistics, LayoutFollowsTheControlTable)
{
    TXstjForm* f = XstjForm;
    EXPECT_EQ(f->windowTitle(), "销售统计");
    EXPECT_EQ(f->size(), QSize(1004, 596));
    EXPECT_FALSE(f->windowFlags() & Qt::WindowMinMaxButtonsHint);
    const struct {
        QWidget* w;
        QRect place;
    } places[] = {
        {f->Panel1, {0, 0, 1004, 574}},   {f->Panel2, {0, 0, 1004, 286}},  {f->Panel3, {0, 286, 1004, 288}},
        {f->DBChart1, {32, 10, 801, 265}}, {f->DBChart2, {32, 10, 801, 265}}, {f->GroupBox1, {860, 24, 119, 121}},
        {f->GroupBox2, {860, 24, 119, 97}}, {f->Button1, {18, 80, 81, 25}},    {f->Button2, {18, 56, 81, 25}},
        {f->Label1, {36, 238, 41, 20}},    {f->Label2, {752, 238, 41, 20}},   {f->Label8, {36, 238, 41, 20}},
        {f->Label9, {752, 238, 41, 20}},   {f->StatusBar1, {0, 574, 1004, 22}},
    };
    for (const auto& p : places) EXPECT_EQ(p.w->geometry(), p.place) << p.w->metaObject()->className();
    EXPECT_EQ(f->DBChart1->parentWidget(), f->Panel2);
    EXPECT_EQ(f->DBChart2->parentWidget(), f->Panel3);
    for (QLabel* l : {f->Label1, f->Label2, f->Label8, f->Label9}) {
        EXPECT_TRUE(l->text().isEmpty());
        EXPECT_TRUE(l->autoFillBackground());
        EXPECT_EQ(l->palette().color(QPalette::Window), QColor(238, 247, 255));
    }
    for (QComboBox* c : {f->ComboBox1, f->ComboBox2, f->ComboBox3}) {
        EXPECT_TRUE(c->isEditable());
        EXPECT_EQ(c->maxVisibleItems(), 12);
        EXPECT_EQ(c->x(), 24);
        EXPECT_EQ(c->width(), 57);
    }
    EXPECT_EQ(f->ComboBox1->itemText(0), "2014");
    EXPECT_EQ(f->ComboBox1->itemText(f->ComboBox1->count() - 1), "2025");
    EXPECT_EQ(f->ComboBox1->count(), 12);
    EXPECT_EQ(f->ComboBox3->count(), 12);
    EXPECT_EQ(f->ComboBox2->count(), 12);
    EXPECT_EQ(f->ComboBox2->itemText(11), "12");
    EXPECT_EQ(f->GroupBox1->title(), "查询");
    EXPECT_TRUE(f->GroupBox1->font().bold());
    EXPECT_FALSE(f->Button1->font().bold());
    EXPECT_EQ(f->Button1->text(), "查询销售额");
    EXPECT_EQ(f->Label5->text(), "年");
    EXPECT_EQ(f->Label6->text(), "月");
    EXPECT_EQ(f->Label7->pos(), QPoint(84, 26));
    EXPECT_EQ(f->StatusBar1->panelCount(), 0);
}

// A data set that notes the mouse pointer whenever the chart reads a number.
class WatchedDataSet : public FakeDataSet {
public:
    mutable std::vector<Qt::CursorShape> pointers;
    double cellNumber(int row, int col, bool* ok) const override
    {
        const QCursor* c = QApplication::overrideCursor();
        pointers.push_back(c ? c->shape() : Qt::ArrowCursor);
        return FakeDataSet::cellNumber(row, col, ok);
    }
};

TEST(DBChart, LoadsUnderTheHourglassInXOrderAndMovesNoRow)
{
    WatchedDataSet data;
    data.names = {"销售日期", "销售金额"};
    data.kinds = {FieldKind::Number, FieldKind::Number};
    DBChart chart;
    chart.setDataSet(&data, "销售日期", "销售金额");
    EXPECT_TRUE(chart.bars().empty());

    data.open({{12.0, 1234.5}, {QVariant(), 3.0}, {1.0, QVariant()}, {3.0, 0.0625}});
    ASSERT_FALSE(data.pointers.empty());
    for (Qt::CursorShape p : data.pointers) EXPECT_EQ(p, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // No X, no bar; no Y, a bar of 0.
    EXPECT_EQ(barsOf(&chart), Bars({{1, 0}, {3, 0.0625}, {12, 1234.5}}));
    EXPECT_EQ(chart.markTexts(), QStringList({"0", "0.063", "1,234.5"}));
    EXPECT_EQ(data.currentIndex(), 0);
    data.moveTo(3);
    EXPECT_EQ(chart.bars().size(), 3u);
    data.close();
    EXPECT_TRUE(chart.bars().empty());
}

}  // namespace
