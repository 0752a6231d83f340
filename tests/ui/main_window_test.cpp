// The main window as the user meets it: start-up, the grid, the searches,
// the clock, the date check box, the menus and the desktop launcher.
#include "tests/ui/AppFixture.h"

#include "platform/DBGridEh.h"
#include "platform/GridTitles.h"
#include "platform/StatusBar.h"
#include "db/Regional.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

const char* kProducts =
    "insert into jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,"
    "销售利润,库存数量,库存金额,供货厂商,供货电话,备注) values "
    "('P1','矿泉水','550ml','怡宝','瓶','2014-01-01 00:00:00',1.25,10,12.5,2,5,2.5,8,10,'深圳水厂','0755-1',''),"
    "('P2','方便面','5连包','康师傅','袋','2014-01-31 00:00:00',12,3,36,0,0,null,3,36,'天津食品','022-2','o''neil'),"
    "('P10','矿泉水','1.5L','农夫','瓶','2014-02-01 00:00:00',2.25,4,9,0,0,null,4,9,'杭州水厂','0571-3',''),"
    "('','无编号','','','个','2014-01-15 00:00:00',1,1,1,0,0,null,1,1,'','',''),"
    "(null,'空编号','','','个','2014-01-15 00:00:00',1,1,1,0,0,null,1,1,'','','')";

class MainWindow : public AppFixture {
protected:
    void fillStore() override { store->exec(QString::fromUtf8(kProducts)); }
};

class EmptyStore : public AppFixture {};

class NoStore : public AppFixture {
protected:
    bool withStore() const override { return false; }
};

TEST_F(MainWindow, StartsWithEveryProductTheFirstCurrentAndTheSumsOfAllRows)
{
    EXPECT_EQ(column("商品名称"), QStringList({"矿泉水", "方便面", "矿泉水", "无编号", "空编号"}));
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 1);
    DBGridEh* grid = MainForm->DBGridEh1;
    EXPECT_EQ(grid->footerText(0), "合计");
    EXPECT_EQ(grid->footerText(7), "19");    // 进货数量
    EXPECT_EQ(grid->footerText(8), "59.5");  // 进货金额
    EXPECT_EQ(grid->footerText(11), "2.5");  // 销售利润, general form
    EXPECT_EQ(grid->footerText(1), "");
    EXPECT_TRUE(user.messages.empty());
    for (QLineEdit* e : {MainForm->Edit1, MainForm->Edit2, MainForm->Edit3, MainForm->Edit4, MainForm->Edit5,
                         MainForm->Edit6})
        EXPECT_TRUE(e->text().isEmpty());
    EXPECT_FALSE(MainForm->CheckBox1->isChecked());
    EXPECT_FALSE(MainForm->DateTimePicker1->isEnabled());
    EXPECT_FALSE(MainForm->DateTimePicker2->isEnabled());
    EXPECT_EQ(MainForm->DateTimePicker1->date(), QDate::currentDate());
    EXPECT_EQ(MainForm->DateTimePicker2->date(), QDate::currentDate());
}

TEST_F(MainWindow, GridLayoutFollowsTheColumnTable)
{
    const auto& columns = MainForm->DBGridEh1->columns();
    ASSERT_EQ(columns.size(), 17u);
    EXPECT_EQ(columns[0].title, "商品|编号");
    EXPECT_EQ(columns[5].title, "进货|日期");
    EXPECT_EQ(columns[16].field, "备注");
    EXPECT_EQ(MainForm->DBGridEh1->columnWidth(0), 50);
    EXPECT_EQ(MainForm->DBGridEh1->columnWidth(1), 80);
    EXPECT_EQ(MainForm->DBGridEh1->cellText(0, 5), regional::formatShortDate(QDate(2014, 1, 1)));
    EXPECT_EQ(MainForm->DBGridEh1->cellText(0, 6), "1.25");
    EXPECT_EQ(MainForm->DBGridEh1->cellBackground(1, 1), DBGridEh::evenRowColor());
    EXPECT_EQ(MainForm->DBGridEh1->toolTip(), "双击可以销售商品！");
    EXPECT_EQ(MainForm->size(), QSize(1004, 652));
    EXPECT_EQ(MainForm->windowTitle(), "Tavrin进销存管理软件 V5.23(Pelmo版)");
}

// Figures whose "#0.##" form differs from their general form.
const char* kFigures =
    "insert into jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,"
    "销售利润,库存数量,库存金额,供货厂商,供货电话,备注) values "
    "('P1','矿泉水','550ml','怡宝','瓶','2014-01-31 00:00:00',1.2345,10.126,12.3456,2.004,5.556,1234.5678,8.1,10.019,"
    "'深圳水厂','0755-1','冰'),"
    "('P2','方便面','5连包','康师傅','袋','2014-02-01 00:00:00',12,2.5,100,1,4,null,2,1,'天津食品','022-2','')";

class MainGrid : public AppFixture {
protected:
    void fillStore() override { store->exec(QString::fromUtf8(kFigures)); }
};

struct ColumnRow {
    const char* field;
    const char* upper;
    const char* lower;  // nullptr: the upper part fills both lines
    int width;          // -1: the grid's default width
    bool number;
    GridColumn::Footer footer;
    QString cell;  // the first row's cell
    const char* sum;
};

TEST_F(MainGrid, SeventeenColumnsWithTheirTitlesWidthsFormatsAndFooters)
{
    using F = GridColumn;
    const ColumnRow table[] = {
        {"商品编号", "商品", "编号", 50, false, F::StaticText, "P1", "合计"},
        {"商品名称", "商品", "名称", 80, false, F::NoFooter, "矿泉水", ""},
        {"商品规格", "商品", "规格", 70, false, F::NoFooter, "550ml", ""},
        {"商品型号", "商品", "型号", 70, false, F::NoFooter, "怡宝", ""},
        {"单位", "商品", "单位", 50, false, F::NoFooter, "瓶", ""},
        {"进货日期", "进货", "日期", 75, false, F::NoFooter, regional::formatShortDate(QDate(2014, 1, 31)), ""},
        {"进货单价", "进货", "单价", 65, true, F::NoFooter, "1.23", ""},
        {"进货数量", "进货", "数量", 55, true, F::SumFormatted, "10.13", "12.63"},
        {"进货金额", "进货", "金额", 70, true, F::SumFormatted, "12.35", "112.35"},
        {"销售数量", "销售", "数量", 55, true, F::SumFormatted, "2", "3"},
        {"销售金额", "销售", "金额", 70, true, F::SumFormatted, "5.56", "9.56"},
        {"销售利润", "销售", "利润", -1, true, F::SumGeneral, "1234.57", "1234.5678"},
        {"库存数量", "库存", "数量", 55, true, F::SumFormatted, "8.1", "10.1"},
        {"库存金额", "库存", "金额", 70, true, F::SumFormatted, "10.02", "11.02"},
        {"供货厂商", "供货", "厂商", 75, false, F::NoFooter, "深圳水厂", ""},
        {"供货电话", "供货", "电话", 80, false, F::NoFooter, "0755-1", ""},
        {"备注", "备注", nullptr, 70, false, F::NoFooter, "冰", ""},
    };
    DBGridEh* grid = MainForm->DBGridEh1;
    const auto& columns = grid->columns();
    ASSERT_EQ(columns.size(), std::size(table));
    for (size_t i = 0; i < std::size(table); ++i) {
        const ColumnRow& row = table[i];
        const int col = int(i);
        SCOPED_TRACE(row.field);
        EXPECT_EQ(columns[i].field, row.field);
        const grid::TitleLines title = grid::splitTitle(columns[i]);
        EXPECT_EQ(title.upper, row.upper);
        EXPECT_EQ(title.twoLines, row.lower != nullptr);
        if (row.lower) {
            EXPECT_EQ(title.lower, row.lower);
        }
        EXPECT_EQ(grid->columnWidth(col), row.width > 0 ? row.width : grid->defaultColumnWidth());
        EXPECT_EQ(columns[i].displayFormat, row.number ? F::Float0_00 : F::None);
        EXPECT_EQ(columns[i].footer, row.footer);
        EXPECT_EQ(grid->cellText(0, col), row.cell);
        EXPECT_EQ(grid->footerText(col), row.sum);
        EXPECT_EQ(grid->shownFooterText(col), row.sum);
    }
}

// The totals of a large shop, in the main window's own widths: not one digit
// of a footer is lost.
TEST_F(MainGrid, LargeTotalsShowWholeInEveryFooter)
{
    store->exec("delete from jxc");
    store->exec("insert into jxc (商品编号,进货数量,进货金额,销售数量,销售金额,销售利润,库存数量,库存金额) values "
                "('P1',285895.4,6252503.162,152347.3,4375236.78369,1035748.02169,133548.1,2913014.4),"
                "('P2',0,0,0,0,-123456789.1234,0,0)");
    MainForm->Button2->click();
    DBGridEh* grid = MainForm->DBGridEh1;
    EXPECT_EQ(grid->footerText(8), "6252503.16");
    EXPECT_EQ(grid->footerText(11), "-122421041.1017");
    for (int col = 7; col <= 13; ++col)
        EXPECT_EQ(grid->shownFooterText(col), grid->footerText(col)) << col;
}

TEST_F(EmptyStore, EmptyProductTableGivesZeroSums)
{
    DBGridEh* grid = MainForm->DBGridEh1;
    EXPECT_EQ(grid->footerText(0), "合计");
    for (int col : {7, 8, 9, 10, 11, 12, 13}) EXPECT_EQ(grid->footerText(col), "0") << col;
}

TEST_F(NoStore, EveryFailingConnectionAndQueryShowsItsErrorAndTheWindowStillOpens)
{
    ASSERT_FALSE(user.messages.empty());
    for (const auto& box : user.messages) {
        EXPECT_EQ(box.caption, platform::applicationTitle());
        EXPECT_EQ(box.icon, platform::Icon::Stop);
        EXPECT_TRUE(box.text.contains("data.mdb")) << box.text.toStdString();
    }
    // Main: connection and two queries at creation, then the show; sales
    // detail, statistics and summary three each; stock alarm two.
    EXPECT_EQ(user.messages.size(), 4u + 3u + 3u + 2u + 3u);
    EXPECT_TRUE(MainForm->isVisible());
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 0);
    EXPECT_EQ(MainForm->DBGridEh1->footerText(0), "合计");
}

struct SearchCase {
    const char* name;
    std::vector<const char*> fields;  // Edit1..Edit6
    std::vector<const char*> found;   // 商品编号 of the rows found
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class Search : public MainWindow, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, FindsRowsContainingEveryFilledText)
{
    const SearchCase& c = GetParam();
    QLineEdit* edits[] = {MainForm->Edit1, MainForm->Edit2, MainForm->Edit3,
                          MainForm->Edit4, MainForm->Edit5, MainForm->Edit6};
    for (size_t i = 0; i < c.fields.size(); ++i) edits[i]->setText(QString::fromUtf8(c.fields[i]));
    MainForm->Button1->click();
    QStringList expected;
    for (const char* code : c.found) expected << QString::fromUtf8(code);
    EXPECT_EQ(column("商品编号"), expected);
    EXPECT_TRUE(user.messages.empty());
    if (!expected.isEmpty()) {
        EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Search,
    ::testing::Values(SearchCase{"AllEmptyDropsRowsWithoutCode", {}, {"P1", "P2", "P10"}},
                      SearchCase{"Code", {"P1"}, {"P1", "P10"}},
                      SearchCase{"TwoFieldsNarrow", {"P1", "矿泉水", "1.5"}, {"P10"}},
                      SearchCase{"Supplier", {"", "", "", "", "水厂"}, {"P1", "P10"}},
                      SearchCase{"Telephone", {"", "", "", "", "", "022"}, {"P2"}},
                      SearchCase{"PercentIsAWildcard", {"", "矿%水"}, {"P1", "P10"}},
                      SearchCase{"UnderscoreIsAWildcard", {"P_0"}, {"P10"}},
                      SearchCase{"LatinLettersIgnoreCase", {"p2"}, {"P2"}},
                      SearchCase{"ASpaceCounts", {" "}, {}},
                      SearchCase{"NothingFound", {"X"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, AQuoteInASearchFieldIsSearchedForAndBreaksNothing)
{
    store->exec("update jxc set 商品名称 = 'o''clock' where 商品编号 = 'P10'");
    MainForm->Button2->click();
    MainForm->Edit2->setText("o'c");
    MainForm->Button1->click();
    EXPECT_EQ(column("商品编号"), QStringList({"P10"}));
    MainForm->Edit2->setText("'");
    MainForm->Button1->click();
    EXPECT_EQ(column("商品编号"), QStringList({"P10"}));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(MainWindow, DateSearchIgnoresTheFieldsAndIncludesBothEndDays)
{
    MainForm->Edit1->setText("nothing like this");
    MainForm->CheckBox1->click();
    MainForm->DateTimePicker1->setDate(QDate(2014, 1, 1));
    MainForm->DateTimePicker2->setDate(QDate(2014, 1, 31));
    MainForm->Button1->click();
    EXPECT_EQ(column("商品名称"), QStringList({"矿泉水", "方便面", "无编号", "空编号"}));
    EXPECT_EQ(MainForm->DBGridEh1->footerText(7), "15");
    EXPECT_TRUE(user.messages.empty());
}

// Every day the pickers can write is read back as that day, in whatever
// locale: a two-digit year, the century around it, a day whose local
// midnight may not exist.
TEST_F(MainWindow, ADateSearchFindsJustTheDayOfAnyCentury)
{
    store->exec("insert into jxc (商品编号,进货日期) values ('D1','1929-12-31 00:00:00'),"
                "('D2','2030-01-01 00:00:00'),('D3','2018-11-04 00:00:00'),('D4','2026-12-11 00:00:00')");
    MainForm->Button2->click();
    MainForm->CheckBox1->click();
    const std::pair<QDate, const char*> days[] = {{QDate(1929, 12, 31), "D1"}, {QDate(2030, 1, 1), "D2"},
                                                  {QDate(2018, 11, 4), "D3"}, {QDate(2026, 12, 11), "D4"}};
    for (const auto& [day, code] : days) {
        MainForm->DateTimePicker1->setDate(day);
        MainForm->DateTimePicker2->setDate(day);
        MainForm->Button1->click();
        EXPECT_EQ(column("商品编号"), QStringList({code})) << day.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(column("进货日期"), QStringList({regional::formatShortDate(day)}));
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(MainWindow, RefreshBringsBackEveryRowAndKeepsTheSearchInputs)
{
    MainForm->Edit2->setText("方便");
    MainForm->Button1->click();
    ASSERT_EQ(column("商品编号"), QStringList({"P2"}));
    EXPECT_EQ(MainForm->DBGridEh1->footerText(7), "3");
    MainForm->N19->trigger();
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 5);
    EXPECT_EQ(MainForm->DBGridEh1->footerText(7), "19");
    EXPECT_EQ(MainForm->Edit2->text(), "方便");
    MainForm->Button1->click();
    MainForm->Button2->click();
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 5);
}

TEST_F(MainWindow, ShowingAgainDropsTheSearchButKeepsTheCheckBox)
{
    MainForm->Edit1->setText("P2");
    MainForm->Button1->click();
    MainForm->CheckBox1->click();
    MainForm->DateTimePicker1->setDate(QDate(2015, 3, 3));
    MainForm->hide();
    MainForm->show();
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 5);
    EXPECT_TRUE(MainForm->Edit1->text().isEmpty());
    EXPECT_TRUE(MainForm->CheckBox1->isChecked());
    EXPECT_EQ(MainForm->DateTimePicker1->date(), QDate::currentDate());
}

TEST_F(MainWindow, CheckBoxEnablesBothPickersAndKeepsTheirDates)
{
    MainForm->DateTimePicker1->setDate(QDate(2014, 5, 6));
    MainForm->CheckBox1->click();
    EXPECT_TRUE(MainForm->DateTimePicker1->isEnabled());
    EXPECT_TRUE(MainForm->DateTimePicker2->isEnabled());
    MainForm->CheckBox1->click();
    EXPECT_FALSE(MainForm->DateTimePicker1->isEnabled());
    EXPECT_FALSE(MainForm->DateTimePicker2->isEnabled());
    EXPECT_EQ(MainForm->DateTimePicker1->date(), QDate(2014, 5, 6));
}

TEST_F(MainWindow, ClockIsEmptyUntilTheFirstTickThenShowsTheLocalTime)
{
    EXPECT_EQ(MainForm->StatusBar1->panelText(1), "");
    MainForm->now = [] { return QDateTime(QDate(2014, 1, 8), QTime(9, 5, 3)); };
    MainForm->Timer1Timer();
    EXPECT_EQ(MainForm->StatusBar1->panelText(1), " 今天是：2014年01月08日  09:05:03");
    EXPECT_EQ(MainForm->StatusBar1->panelText(0), " 以“好用、实用、易用”为设计理念！");
    EXPECT_TRUE(MainForm->StatusBar1->panelText(2).startsWith(" 网站："));
}

TEST_F(MainWindow, TheTimerStartsTheClockWithinTheFirstSeconds)
{
    EXPECT_TRUE(MainForm->Timer1->isActive());
    EXPECT_EQ(MainForm->Timer1->interval(), 1000);
    MainForm->now = [] { return QDateTime(QDate(2014, 1, 8), QTime(9, 5, 3)); };
    QElapsedTimer waited;
    waited.start();
    while (MainForm->StatusBar1->panelText(1).isEmpty() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(MainForm->StatusBar1->panelText(1), " 今天是：2014年01月08日  09:05:03");
}

// Maximised, the grid takes the larger window; restored, the window is
// 1004 x 652 again; dragged to another size, it keeps its own.
TEST_F(MainWindow, MaximisedTheGridFillsTheWindowAndRestoredItIsItsOwnSizeAgain)
{
    DBGridEh* grid = MainForm->DBGridEh1;
    EXPECT_EQ(grid->geometry(), QRect(0, 121, 1004, 652 - 121 - 22));
    EXPECT_NE(MainForm->minimumSize(), MainForm->maximumSize());

    MainForm->setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    const QSize maximised = MainForm->size();  // the whole screen, as the desktop gives it
    EXPECT_NE(maximised, QSize(1004, 652));
    EXPECT_EQ(grid->geometry(), QRect(0, 121, maximised.width(), maximised.height() - 121 - 22));
    EXPECT_EQ(MainForm->StatusBar1->geometry(), QRect(0, maximised.height() - 22, maximised.width(), 22));

    MainForm->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(MainForm->size(), QSize(1004, 652));
    EXPECT_EQ(grid->geometry(), QRect(0, 121, 1004, 652 - 121 - 22));

    MainForm->resize(1100, 700);  // a drag at the border
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(MainForm->size(), QSize(1004, 652));
    EXPECT_EQ(grid->geometry(), QRect(0, 121, 1004, 652 - 121 - 22));
}

TEST_F(MainWindow, MenuButtonsOpenTheirMenuBelowTheButtonRow)
{
    MainForm->move(100, 50);
    const QRect frame = MainForm->frameGeometry();
    EXPECT_EQ(MainForm->menuPoint(MainForm->SpeedButton1), QPoint(frame.left() + 8, frame.top() + 55));
    EXPECT_EQ(MainForm->menuPoint(MainForm->SpeedButton7), QPoint(frame.left() + 8 + 6 * 65, frame.top() + 55));
    MainForm->move(300, 200);
    EXPECT_EQ(MainForm->menuPoint(MainForm->SpeedButton5).y(), MainForm->frameGeometry().top() + 55);
}

TEST_F(MainWindow, MenusHoldTheirItemsInOrder)
{
    auto captions = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? "-" : a->text());
        return out;
    };
    EXPECT_EQ(captions(MainForm->PopupMenu1), QStringList({"新增商品", "修改", "删除"}));
    EXPECT_EQ(captions(MainForm->PopupMenu2), QStringList({"销售商品", "-", "销售明细", "销售统计"}));
    EXPECT_EQ(captions(MainForm->PopupMenu3), QStringList({"数据备份", "数据恢复"}));
    EXPECT_EQ(captions(MainForm->PopupMenu4), QStringList({"计算器", "记事本"}));
    EXPECT_EQ(captions(MainForm->PopupMenu5), QStringList({"常见问题", "技术支持", "软件网站"}));
    EXPECT_EQ(captions(MainForm->PopupMenu6),
              QStringList({"新增商品", "修改", "删除", "刷新", "-", "销售商品", "-", "销售明细", "销售统计", "-",
                           "库存管理", "-", "数据导出"}));
}

TEST_F(MainWindow, OutsideProgramsAndAddressesGoToTheShellAndAFailureShowsNothing)
{
    user.startSucceeds = false;
    user.openUrlSucceeds = false;
    MainForm->N10->trigger();
    MainForm->N11->trigger();
    MainForm->N13->trigger();
    MainForm->N14->trigger();
    MainForm->N15->trigger();
    EXPECT_FALSE(user.started.empty());
    ASSERT_EQ(user.urls.size(), 3u);
    EXPECT_TRUE(user.urls[0].endsWith("/cyques.htm"));
    EXPECT_TRUE(user.urls[1].startsWith("mailto:"));
    EXPECT_TRUE(user.messages.empty());
}

// Each help item opens its own address, and the calculator and the text
// editor are two different programs.
TEST_F(MainWindow, EachHelpItemOpensItsOwnAddressAndEachToolItsOwnProgram)
{
    const std::pair<QAction*, const char*> help[] = {{MainForm->N13, maker::kCommonQuestions},
                                                     {MainForm->N14, maker::kSupportMail},
                                                     {MainForm->N15, maker::kWebSite}};
    for (const auto& [item, address] : help) {
        user.urls.clear();
        item->trigger();
        EXPECT_EQ(user.urls, std::vector<QString>({QString::fromLatin1(address)})) << address;
    }
    EXPECT_NE(QString(maker::kCommonQuestions), maker::kWebSite);

    QStringList calculators, editors;
    user.startSucceeds = false;  // every candidate is tried in turn
    MainForm->N10->trigger();
    for (const auto& call : user.started) calculators << call.program;
    user.started.clear();
    MainForm->N11->trigger();
    for (const auto& call : user.started) editors << call.program;
    EXPECT_TRUE(calculators.contains("gnome-calculator")) << calculators.join(' ').toStdString();
    EXPECT_TRUE(editors.contains("gedit")) << editors.join(' ').toStdString();
    for (const QString& program : calculators) EXPECT_FALSE(editors.contains(program)) << program.toStdString();

    user.startSucceeds = true;
    user.started.clear();
    MainForm->N10->trigger();
    MainForm->N11->trigger();
    ASSERT_EQ(user.started.size(), 2u);
    EXPECT_EQ(user.started[0].program, calculators.value(0));
    EXPECT_EQ(user.started[1].program, editors.value(0));
}

TEST_F(MainWindow, WindowCommandsShowTheSameSalesDetailWindowModally)
{
    MainForm->SpeedButton10->click();
    MainForm->N6->trigger();
    MainForm->N23->trigger();
    ASSERT_EQ(user.modalShown.size(), 3u);
    EXPECT_EQ(user.modalShown[0], user.modalShown[1]);
    EXPECT_EQ(user.modalShown[1], user.modalShown[2]);
}

TEST_F(MainWindow, AStartWithoutADesktopFolderShowsNothingAndCreatesNoFolder)
{
    DestroyWindows();
    user.messages.clear();
    ASSERT_TRUE(QDir(desktop.path()).removeRecursively());
    CreateWindows();
    MainForm->show();
    EXPECT_TRUE(user.messages.empty());
    EXPECT_FALSE(QFileInfo::exists(desktop.path()));
    ASSERT_TRUE(QDir().mkpath(desktop.path()));  // for the fixture to remove
}

TEST_F(MainWindow, EveryStartRewritesTheDesktopLauncher)
{
    const QString path = desktop.filePath("Tavrin进销存管理软件(Pelmo版).desktop");
    ASSERT_TRUE(QFile::exists(path));
    QFile::remove(path);
    DestroyWindows();
    CreateWindows();
    MainForm->show();
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
