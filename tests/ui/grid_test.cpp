// The data grid: titles, footer sums, row colours, marked rows, Ctrl+Delete,
// sort markers and the binding to its data set, over a small fake data set.
#include "platform/DBGridEh.h"
#include "platform/DBGridModel.h"
#include "platform/GridFooter.h"
#include "platform/GridFooterSums.h"
#include "platform/GridHeader.h"
#include "platform/GridIndicator.h"
#include "platform/GridTitles.h"
#include "platform/ScriptedInteraction.h"
#include "tests/ui/FakeDataSet.h"

#include "db/DataSet.h"
#include "db/Errors.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>
#include <QToolTip>
#include <QHelpEvent>
#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

using platform::Answer;

std::vector<QVariant> product(const QString& key, QVariant qty = {}, QVariant profit = {})
{
    return {key, "名称" + key, "2014-1-8", qty, profit, QVariant()};
}

std::vector<std::vector<QVariant>> products(int count)
{
    std::vector<std::vector<QVariant>> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(product(QString::number(i), double(i + 1), 0.5));
    return rows;
}

GridColumn titled(const QString& field, const QString& title)
{
    GridColumn column;
    column.field = field;
    column.title = title;
    return column;
}

std::vector<GridColumn> columns()
{
    return {
        {"编号", "商品|编号", 50, GridColumn::None, GridColumn::StaticText, "合计"},
        {"名称", "商品|名称", 80, GridColumn::None, GridColumn::NoFooter, {}},
        {"日期", "进货|日期", 75, GridColumn::None, GridColumn::NoFooter, {}},
        {"数量", "进货|数量", 55, GridColumn::Float0_00, GridColumn::SumFormatted, {}},
        {"利润", "销售|利润", -1, GridColumn::Float0_00, GridColumn::SumGeneral, {}},
        {"备注", "", 70, GridColumn::None, GridColumn::NoFooter, {}},
    };
}
constexpr int keyCol = 0, qtyCol = 3, profitCol = 4;

// --- input as the window system delivers it ---------------------------------

void mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::KeyboardModifiers modifiers = {},
           Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, modifiers);
    QApplication::sendEvent(w, &event);
}

void moveMouse(QWidget* w, QPoint pos, Qt::MouseButtons held)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, held, {});
    QApplication::sendEvent(w, &event);
}

void click(QWidget* w, QPoint pos, Qt::KeyboardModifiers modifiers = {})
{
    mouse(w, QEvent::MouseButtonPress, pos, modifiers);
    mouse(w, QEvent::MouseButtonRelease, pos, modifiers);
}

void key(QWidget* w, int code, Qt::KeyboardModifiers modifiers = {})
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers);
    QApplication::sendEvent(w, &release);
}

class Grid : public ::testing::Test {
protected:
    platform::ScriptedInteraction user;
    platform::ScopedInteraction installed{user};
    FakeDataSet data;
    DBGridEh grid;

    void SetUp() override
    {
        grid.setColumns(columns());
        grid.setDataSet(&data);
        grid.resize(700, 300);
        grid.show();
        QApplication::processEvents();
    }

    QWidget* cells() const { return grid.view()->viewport(); }
    QPoint cellPoint(int row, int col = 1) const
    {
        return grid.view()->visualRect(grid.view()->model()->index(row, col)).center();
    }
    QPoint indicatorPoint(int row) const
    {
        grid::GridIndicator* ind = grid.indicator();
        return QPoint(ind->width() / 2, ind->sectionViewportPosition(row) + ind->sectionSize(row) / 2);
    }
    void clickCell(int row, Qt::KeyboardModifiers modifiers = {}) { click(cells(), cellPoint(row), modifiers); }
    void clickIndicator(int row, Qt::KeyboardModifiers modifiers = {})
    {
        click(grid.indicator()->viewport(), indicatorPoint(row), modifiers);
    }
    void clickTitle(int col, Qt::KeyboardModifiers modifiers = {})
    {
        grid::GridHeader* header = grid.titleHeader();
        click(header->viewport(),
              QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() * 3 / 4),
              modifiers);
    }
    std::vector<int> marks() const { return grid.selectedRows(); }
    int viewRow() const { return grid.view()->currentIndex().row(); }
};

// --- titles -----------------------------------------------------------------

TEST(GridTitles, SplitAtTheBarOrFillBothLinesWithTheFieldName)
{
    const struct {
        QString field, title, upper, lower;
        bool twoLines;
    } cases[] = {
        {"商品编号", "商品|编号", "商品", "编号", true},
        {"备注", "", "备注", "", false},
        {"x", "单行", "单行", "", false},
        {"x", "a|b|c", "a", "b|c", true},
    };
    for (const auto& c : cases) {
        const grid::TitleLines lines = grid::splitTitle(titled(c.field, c.title));
        EXPECT_EQ(lines.upper, c.upper) << c.title.toStdString();
        EXPECT_EQ(lines.lower, c.lower) << c.title.toStdString();
        EXPECT_EQ(lines.twoLines, c.twoLines) << c.title.toStdString();
    }
}

TEST(GridTitles, NeighboursWithTheSameUpperPartShareOneUpperCell)
{
    using Span = grid::UpperSpan;
    const struct {
        const char* name;
        std::vector<QString> titles;  // empty entry: no title, field "备注"
        std::vector<Span> spans;
    } cases[] = {
        {"summary grid",
         {"商品|编号", "商品|名称", "商品|规格", "商品|型号", "商品|单位", "进货|单价", "进货|数量", "进货|金额",
          "销售|数量", "销售|金额", "销售|利润", "库存|数量", "库存|金额"},
         {{0, 5, "商品", false}, {5, 3, "进货", false}, {8, 3, "销售", false}, {11, 2, "库存", false}}},
        {"one-line title at the end", {"供货|厂商", "供货|电话", ""}, {{0, 2, "供货", false}, {2, 1, "备注", true}}},
        {"same upper apart is not merged", {"a|x", "b|y", "a|z"}, {{0, 1, "a", false}, {1, 1, "b", false}, {2, 1, "a", false}}},
        {"one-line title breaks a run", {"a|x", "a", "a|y"}, {{0, 1, "a", false}, {1, 1, "a", true}, {2, 1, "a", false}}},
        {"no columns", {}, {}},
    };
    for (const auto& c : cases) {
        std::vector<grid::TitleLines> lines;
        for (const QString& title : c.titles)
            lines.push_back(grid::splitTitle(titled("备注", title)));
        EXPECT_EQ(grid::upperSpans(lines), c.spans) << c.name;
    }
}

TEST_F(Grid, TitleRowIsTwoLinesHighAndKnowsItsSpans)
{
    EXPECT_EQ(grid.titleHeader()->height(), 2 * grid::GridHeader::lineHeight);
    const std::vector<grid::UpperSpan> expected = {
        {0, 2, "商品", false}, {2, 2, "进货", false}, {4, 1, "销售", false}, {5, 1, "备注", true}};
    EXPECT_EQ(grid.titleHeader()->spans(), expected);
}

// --- footer -----------------------------------------------------------------

TEST_F(Grid, FooterSumsAllRowsFormattedOrInGeneralFormHeldToFourDecimals)
{
    const struct {
        const char* name;
        std::vector<QVariant> values;
        QString formatted, general;
    } cases[] = {
        {"two decimals at most", {1.25, 2.25}, "3.5", "3.5"},
        {"rounded only for show", {1234.5678}, "1234.57", "1234.5678"},
        {"held to four decimals", {1.23456}, "1.23", "1.2346"},
        {"no drift over tenths", {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}, "4.5", "4.5"},
        {"each value held to four decimals", {0.00004, 0.00004, 0.00004}, "0", "0"},
        {"empty cells and texts add nothing", {QVariant(), QString("abc"), QString("2.5"), 1.0}, "3.5", "3.5"},
        {"negative", {-1.5, 0.25}, "-1.25", "-1.25"},
        {"beyond a 64-bit count of ten-thousandths", {9.3e14, 1.0}, "930000000000001", "930000000000001"},
        {"far beyond it", {1e300, 1e300}, "", "2E300"},
    };
    for (const auto& c : cases) {
        std::vector<std::vector<QVariant>> rows;
        for (const QVariant& v : c.values)
            rows.push_back(product("p", v, v));
        data.open(rows);
        if (!c.formatted.isEmpty()) {
            EXPECT_EQ(grid.footerText(qtyCol), c.formatted) << c.name;
        }
        EXPECT_EQ(grid.footerText(profitCol), c.general) << c.name;
        EXPECT_EQ(grid.footerText(keyCol), "合计") << c.name;
        EXPECT_EQ(grid.footerText(1), "") << c.name;
    }
}

TEST_F(Grid, FooterShowsZeroWhenEmptyOrClosed)
{
    data.open({});
    EXPECT_EQ(grid.footerText(qtyCol), "0");
    EXPECT_EQ(grid.footerText(profitCol), "0");
    EXPECT_EQ(grid.footerText(keyCol), "合计");
    data.open(products(2));
    data.close();
    EXPECT_EQ(grid.footerText(qtyCol), "0");
    EXPECT_EQ(grid.footerText(profitCol), "0");
}

TEST_F(Grid, FooterFollowsDeletePostAndAppend)
{
    data.open({product("a", 1.25), product("b", 2.25), product("c", 10.0)});
    EXPECT_EQ(grid.footerText(qtyCol), "13.5");
    data.moveTo(2);
    data.deleteCurrent();
    EXPECT_EQ(grid.footerText(qtyCol), "3.5");
    data.change(0, qtyCol, 5.0);
    EXPECT_EQ(grid.footerText(qtyCol), "7.25");
    data.append(product("d", 0.75));
    EXPECT_EQ(grid.footerText(qtyCol), "8");
    EXPECT_EQ(grid.view()->model()->rowCount(), 3);
}

TEST_F(Grid, FooterPaintsOnOrangeAndIsNotSummedWhilePainting)
{
    data.open(products(3));
    const long reads = data.numberReads;
    const QImage image = grid.footer()->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, image.height() / 2), QColor(255, 128, 64));
    grid.footer()->grab();
    EXPECT_EQ(data.numberReads, reads);
}

// A figure wider than its column is cut with a visible "…" and shown whole
// in its tooltip; one that fits only without the margins is shown whole.
TEST_F(Grid, FiguresThatDoNotFitAreElidedVisiblyAndWholeInTheirTooltip)
{
    data.open({product("a", 1234567.25, 1.0), product("b", 1.0, 1.0), product("c", 1.0, 1.0)});
    const QString cell = grid.cellText(0, qtyCol);
    ASSERT_EQ(cell, "1234567.25");
    const QString footer = grid.footerText(qtyCol);
    ASSERT_EQ(footer, "1234569.25");
    for (const QString& shown : {grid.shownCellText(0, qtyCol), grid.shownFooterText(qtyCol)}) {
        EXPECT_TRUE(shown.endsWith(u'…')) << shown.toStdString();
        EXPECT_TRUE(cell.startsWith(shown.chopped(1))) << shown.toStdString();
    }
    EXPECT_EQ(grid.cellToolTip(0, qtyCol), cell);
    EXPECT_EQ(grid.shownCellText(1, qtyCol), "1");
    EXPECT_EQ(grid.cellToolTip(1, qtyCol), "");

    auto toolTipAt = [](QWidget* w, QPoint pos) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, pos, w->mapToGlobal(pos));
        QApplication::sendEvent(w, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    grid.setToolTip("双击");
    EXPECT_EQ(toolTipAt(cells(), cellPoint(0, qtyCol)), cell);
    EXPECT_EQ(toolTipAt(cells(), cellPoint(1, qtyCol)), "双击");
    grid::GridFooter* f = grid.footer();
    grid::GridHeader* h = grid.titleHeader();
    const int footerX = grid.view()->viewport()->mapTo(&grid, QPoint(0, 0)).x() - f->x();
    auto footerPoint = [&](int col) {
        return QPoint(footerX + h->sectionViewportPosition(col) + h->sectionSize(col) / 2, f->height() / 2);
    };
    EXPECT_EQ(toolTipAt(f, footerPoint(qtyCol)), footer);
    EXPECT_EQ(toolTipAt(f, footerPoint(profitCol)), "双击");
    QToolTip::hideText();

    // The default width holds a general number text of fifteen digits.
    data.open({product("a", 1.0, -12345678901.2345)});
    EXPECT_EQ(grid.footerText(profitCol), "-12345678901.2345");
    EXPECT_EQ(grid.shownFooterText(profitCol), "-12345678901.2345");
}

// --- cells ------------------------------------------------------------------

TEST_F(Grid, CellsShowNumbersAsHashZeroPointHashHashAndEmptyCellsEmpty)
{
    data.open({product("a", 12.345, 3.0), product("b", QVariant(), 2.5)});
    EXPECT_EQ(grid.cellText(0, qtyCol), "12.35");
    EXPECT_EQ(grid.cellText(0, profitCol), "3");
    EXPECT_EQ(grid.cellText(1, qtyCol), "");
    EXPECT_EQ(grid.cellText(1, profitCol), "2.5");
    EXPECT_EQ(grid.cellText(0, 2), "2014-1-8");  // the data set's own short date text
    EXPECT_EQ(grid.cellText(0, 5), "");
}

TEST_F(Grid, RowsAlternateByPositionAndTheHookPaintsOverThem)
{
    data.open(products(5));
    data.moveTo(4);
    const QColor white(255, 255, 255), grey(238, 238, 238), yellow(255, 255, 0);
    EXPECT_EQ(grid.cellBackground(0, 0), white);  // first record
    EXPECT_EQ(grid.cellBackground(1, 0), grey);
    EXPECT_EQ(grid.cellBackground(2, 3), white);
    EXPECT_EQ(grid.cellBackground(3, 5), grey);
    const QColor highlight = grid.cellBackground(4, 0);
    EXPECT_NE(highlight, white);  // the current row
    EXPECT_NE(highlight, grey);

    std::vector<std::pair<int, int>> asked;
    grid.onGetCellParams = [&](int row, int col, QColor& background) {
        asked.emplace_back(row, col);
        if (row == 1)
            background = yellow;
    };
    EXPECT_EQ(grid.cellBackground(1, 2), yellow);
    EXPECT_EQ(grid.cellBackground(2, 2), white);
    EXPECT_EQ((asked.front()), std::make_pair(1, 2));

    // What the cells really show.
    const QImage image = grid.view()->viewport()->grab().toImage();
    const auto painted = [&](int row) {
        return image.pixelColor(grid.view()->visualRect(grid.view()->model()->index(row, 1)).topLeft() + QPoint(1, 1));
    };
    EXPECT_EQ(painted(0), white);
    EXPECT_EQ(painted(1), yellow);
    EXPECT_EQ(painted(3), grey);
    EXPECT_EQ(painted(4), highlight);
}

// --- current row ------------------------------------------------------------

TEST_F(Grid, CurrentRowIsTheDataSetsOneBothWays)
{
    data.open(products(5));
    EXPECT_EQ(viewRow(), 0);
    clickCell(3);
    EXPECT_EQ(data.currentIndex(), 3);
    EXPECT_EQ(viewRow(), 3);
    data.moveTo(1);
    EXPECT_EQ(viewRow(), 1);
    key(grid.view(), Qt::Key_Down);
    EXPECT_EQ(data.currentIndex(), 2);
    key(grid.view(), Qt::Key_End);
    EXPECT_EQ(data.currentIndex(), 4);
    key(grid.view(), Qt::Key_Down);  // stays on the last row
    EXPECT_EQ(data.currentIndex(), 4);
    key(grid.view(), Qt::Key_Home);
    EXPECT_EQ(data.currentIndex(), 0);
}

TEST_F(Grid, DeletingTheCurrentRowRemovesJustThatRow)
{
    data.open(products(4));
    data.moveTo(1);
    data.deleteCurrent();
    ASSERT_EQ(grid.view()->model()->rowCount(), 3);
    EXPECT_EQ(grid.cellText(1, keyCol), "2");
    EXPECT_EQ(viewRow(), 1);
    data.moveTo(2);
    data.deleteCurrent();  // the last row: the one before becomes current
    EXPECT_EQ(grid.view()->model()->rowCount(), 2);
    EXPECT_EQ(viewRow(), 1);
    EXPECT_EQ(data.currentIndex(), 1);
}

TEST_F(Grid, DeletingKeepsTheScrollPosition)
{
    data.open(products(100));
    data.moveTo(60);
    data.moveTo(55);
    QScrollBar* bar = grid.view()->verticalScrollBar();
    const int top = bar->value();
    ASSERT_GT(top, 40);
    data.deleteCurrent();
    EXPECT_EQ(bar->value(), top);
    EXPECT_EQ(viewRow(), 55);
}

// A long list is read only where it is seen, and summed once per change.
TEST_F(Grid, AMillionRowsAreReadOnlyWhereTheyShow)
{
    data.openGenerated(1'000'000);
    EXPECT_EQ(data.numberReads, 1'000'000);  // the one footer sum over 数量; 利润 is empty
    EXPECT_EQ(grid.footerText(qtyCol), "4500000");
    const long numbers = data.numberReads;
    data.textReads = 0;
    grid.view()->viewport()->grab();
    EXPECT_GT(data.textReads, 0);
    EXPECT_LT(data.textReads, 200);

    data.moveTo(999'999);
    EXPECT_EQ(viewRow(), 999'999);
    QApplication::processEvents();
    EXPECT_GE(grid.view()->rowAt(grid.view()->viewport()->height() - grid::GridHeader::lineHeight), 999'990);
    data.textReads = 0;
    grid.view()->viewport()->grab();
    grid.footer()->grab();
    EXPECT_LT(data.textReads, 200);
    EXPECT_LT(data.numberReads - numbers, 200);  // the 数量 cells shown, no second sum
}

// A data set that tells the row before each change keeps its sums without
// reading the other rows again.
TEST_F(Grid, FooterFollowsAChangedRowWithoutReadingEveryRow)
{
    data.tells = true;
    data.openGenerated(1'000'000);
    EXPECT_EQ(grid.footerText(qtyCol), "4500000");
    const long numbers = data.numberReads;
    data.change(7, qtyCol, 2.5);  // row 7 held 7 % 10 = 7
    EXPECT_EQ(grid.footerText(qtyCol), "4499995.5");
    EXPECT_LT(data.numberReads - numbers, 10);
}

// --- marked rows ------------------------------------------------------------

TEST_F(Grid, IndicatorClickMarksThatRowAloneAndCtrlToggles)
{
    data.open(products(6));
    clickIndicator(2);
    EXPECT_EQ(marks(), (std::vector<int>{2}));
    EXPECT_EQ(data.currentIndex(), 2);
    clickIndicator(4);
    EXPECT_EQ(marks(), (std::vector<int>{4}));
    clickIndicator(1, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 4}));
    clickIndicator(4, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1}));
    clickIndicator(1);
    clickIndicator(5, Qt::ShiftModifier);  // from the row last clicked
    EXPECT_EQ(marks(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(Grid, DraggingOverTheIndicatorMarksTheRange)
{
    data.open(products(6));
    QWidget* ind = grid.indicator()->viewport();
    mouse(ind, QEvent::MouseButtonPress, indicatorPoint(4));
    moveMouse(ind, indicatorPoint(3), Qt::LeftButton);
    moveMouse(ind, indicatorPoint(1), Qt::LeftButton);
    mouse(ind, QEvent::MouseButtonRelease, indicatorPoint(1));
    EXPECT_EQ(marks(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(data.currentIndex(), 1);
    moveMouse(ind, indicatorPoint(5), Qt::NoButton);
    EXPECT_EQ(marks(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(Grid, CtrlAndShiftClicksOnCellsMarkAndAPlainClickClears)
{
    data.open(products(8));
    clickCell(5, Qt::ControlModifier);
    clickCell(1, Qt::ControlModifier);
    clickCell(3, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 3, 5}));  // kept in data set order
    clickCell(3, Qt::ControlModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 5}));

    clickCell(2);
    EXPECT_TRUE(marks().empty());  // and marks nothing
    clickCell(6, Qt::ShiftModifier);
    EXPECT_EQ(marks(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(data.currentIndex(), 6);
}

TEST_F(Grid, KeyboardMovesClearMarksAndShiftMovesExtendThem)
{
    data.open(products(6));
    clickCell(1);
    key(grid.view(), Qt::Key_Down, Qt::ShiftModifier);
    key(grid.view(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(marks(), (std::vector<int>{1, 2, 3}));
    key(grid.view(), Qt::Key_Up);
    EXPECT_TRUE(marks().empty());
    EXPECT_EQ(data.currentIndex(), 2);
}

TEST_F(Grid, MarksFollowDeletionsAndAreDroppedByReopen)
{
    data.open(products(6));
    for (int row : {1, 3, 4})
        grid.selectRow(row);
    data.moveTo(3);
    data.deleteCurrent();
    EXPECT_EQ(marks(), (std::vector<int>{1, 3}));  // 4 moved up to 3
    data.moveTo(0);
    data.deleteCurrent();
    EXPECT_EQ(marks(), (std::vector<int>{0, 2}));
    data.open(products(6));
    EXPECT_TRUE(marks().empty());
    grid.selectRow(2);
    data.close();
    EXPECT_TRUE(marks().empty());
}

// --- Ctrl+Delete ------------------------------------------------------------

TEST_F(Grid, CtrlDeleteAsksThenDeletesMarkedRowsLastToFirstOrTheCurrentRow)
{
    const struct {
        const char* name;
        std::vector<int> marked;
        Answer answer;
        QString question;
        std::vector<QString> deleted;
    } cases[] = {
        {"nothing marked, OK", {}, Answer::OK, "Delete record?", {"2"}},
        {"nothing marked, Cancel", {}, Answer::Cancel, "Delete record?", {}},
        {"one marked", {4}, Answer::OK, "Delete record?", {"4"}},
        {"several marked", {0, 3, 5}, Answer::OK, "Delete all selected records?", {"5", "3", "0"}},
        {"several marked, Cancel", {0, 3}, Answer::Cancel, "Delete all selected records?", {}},
    };
    for (const auto& c : cases) {
        user.messages.clear();
        data.deleted.clear();
        data.open(products(6));
        data.moveTo(2);
        for (int row : c.marked)
            grid.selectRow(row);
        user.answers = {c.answer};
        key(grid.view(), Qt::Key_Delete, Qt::ControlModifier);

        ASSERT_EQ(user.messages.size(), 1u) << c.name;
        const platform::MessageRecord& box = user.messages[0];
        EXPECT_EQ(box.text, c.question) << c.name;
        EXPECT_EQ(box.caption, "Confirm") << c.name;
        EXPECT_EQ(box.buttons, platform::Buttons::OKCancel) << c.name;
        EXPECT_EQ(box.icon, platform::Icon::Question) << c.name;
        EXPECT_EQ(box.owner, &grid) << c.name;
        EXPECT_EQ(data.deleted, c.deleted) << c.name;
        EXPECT_EQ(grid.view()->model()->rowCount(), 6 - int(c.deleted.size())) << c.name;
        if (c.answer == Answer::OK)
            EXPECT_TRUE(marks().empty()) << c.name;
        else
            EXPECT_EQ(marks(), c.marked) << c.name;
    }
}

TEST_F(Grid, CtrlDeleteFailureShowsTheErrorAndKeepsTheRestMarked)
{
    data.open(products(6));
    for (int row : {0, 2, 4, 5})
        grid.selectRow(row);
    data.refuse = "2";
    key(grid.view(), Qt::Key_Delete, Qt::ControlModifier);

    EXPECT_EQ(data.deleted, (std::vector<QString>{"5", "4"}));
    EXPECT_EQ(marks(), (std::vector<int>{0, 2}));
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].text, "记录被锁定.");
    EXPECT_EQ(user.messages[1].icon, platform::Icon::Stop);
    EXPECT_EQ(grid.view()->model()->rowCount(), 4);
    EXPECT_EQ(grid.footerText(qtyCol), "10");  // 1 + 2 + 3 + 4
    EXPECT_TRUE(grid.view()->updatesEnabled());
}

TEST_F(Grid, CtrlDeleteOnAnEmptyGridAsksNothing)
{
    data.open({});
    key(grid.view(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_TRUE(user.messages.empty());
    key(grid.view(), Qt::Key_Delete);  // without Ctrl, never
    data.open(products(2));
    key(grid.view(), Qt::Key_Delete);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(data.deleted.empty());
}

// --- sort markers -----------------------------------------------------------

TEST_F(Grid, TitleClicksToggleTheSortMarkerAndNeverReorderRows)
{
    data.open({product("b", 2.0), product("a", 1.0), product("c", 3.0)});
    EXPECT_EQ(grid.sortMarker(keyCol), SortMarker::None);
    const SortMarker expected[] = {SortMarker::Ascending, SortMarker::Descending, SortMarker::Ascending};
    for (SortMarker marker : expected) {
        clickTitle(keyCol);
        EXPECT_EQ(grid.sortMarker(keyCol), marker);
    }
    EXPECT_EQ(grid.cellText(0, keyCol), "b");
    EXPECT_EQ(grid.cellText(1, keyCol), "a");
    EXPECT_EQ(grid.cellText(2, keyCol), "c");

    clickTitle(qtyCol);
    EXPECT_EQ(grid.sortMarker(qtyCol), SortMarker::Ascending);
    EXPECT_EQ(grid.sortMarker(keyCol), SortMarker::None);
    clickTitle(keyCol, Qt::ControlModifier);  // Ctrl keeps the other markers
    EXPECT_EQ(grid.sortMarker(keyCol), SortMarker::Ascending);
    EXPECT_EQ(grid.sortMarker(qtyCol), SortMarker::Ascending);
}

// --- widths -----------------------------------------------------------------

TEST_F(Grid, ColumnsTakeTheirWidthsOrTheDefault)
{
    EXPECT_EQ(grid.columnWidth(0), 50);
    EXPECT_EQ(grid.columnWidth(qtyCol), 55);
    EXPECT_EQ(grid.columnWidth(profitCol), grid.defaultColumnWidth());
}

TEST_F(Grid, FittedColumnsFillTheWidthExactlyInProportion)
{
    grid.setFitColumnsToWidth(true);
    for (int width : {700, 913, 400}) {
        grid.resize(width, 300);
        QApplication::processEvents();
        int total = 0;
        for (int c = 0; c < int(grid.columns().size()); ++c)
            total += grid.columnWidth(c);
        EXPECT_EQ(total, grid.view()->viewport()->width()) << width;
        // 名称 (80) against 编号 (50)
        EXPECT_NEAR(double(grid.columnWidth(1)) / grid.columnWidth(0), 80.0 / 50.0, 0.05) << width;
    }
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
}

// --- events -----------------------------------------------------------------

TEST_F(Grid, CellClickComesAfterTheRowIsCurrentAndDoubleClickOnCells)
{
    data.open(products(4));
    std::vector<std::pair<int, int>> clicks;  // current row, column
    int doubleClicks = 0;
    grid.onCellClick = [&](int col) { clicks.emplace_back(data.currentIndex(), col); };
    grid.onDblClick = [&] { ++doubleClicks; };

    click(cells(), cellPoint(2, 3));
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{2, 3}}));
    key(grid.view(), Qt::Key_Down);  // a keyboard move is no click
    EXPECT_EQ(clicks.size(), 1u);

    const QPoint p = cellPoint(1);
    mouse(cells(), QEvent::MouseButtonPress, p);
    mouse(cells(), QEvent::MouseButtonRelease, p);
    mouse(cells(), QEvent::MouseButtonDblClick, p);
    mouse(cells(), QEvent::MouseButtonRelease, p);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(data.currentIndex(), 1);

    mouse(grid.indicator()->viewport(), QEvent::MouseButtonDblClick, indicatorPoint(3));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(Grid, AHandlersErrorGoesToTheErrorBox)
{
    data.open(products(2));
    grid.onDblClick = [] { throw EConvertError("'' is not a valid floating point value"); };
    mouse(cells(), QEvent::MouseButtonDblClick, cellPoint(0));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].icon, platform::Icon::Stop);
}

TEST_F(Grid, RightClickShowsThePopupMenuAndMovesNothing)
{
    data.open(products(4));
    QMenu menu;
    menu.addAction("销售商品");
    grid.setPopupMenu(&menu);
    const QPoint p = cellPoint(3);
    mouse(cells(), QEvent::MouseButtonPress, p, {}, Qt::RightButton);
    QContextMenuEvent event(QContextMenuEvent::Mouse, p, cells()->mapToGlobal(p));
    QApplication::sendEvent(cells(), &event);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(data.currentIndex(), 0);
    menu.close();
}

TEST_F(Grid, SuspendedRedrawingCatchesUpAtTheEnd)
{
    data.open(products(5));
    grid.beginUpdate();
    EXPECT_FALSE(grid.view()->updatesEnabled());
    data.moveTo(4);
    data.deleteCurrent();
    data.moveTo(0);
    data.deleteCurrent();
    data.append(product("x", 100.0));
    EXPECT_EQ(grid.footerText(qtyCol), "109");  // 2 + 3 + 4 + 100
    grid.endUpdate();
    EXPECT_TRUE(grid.view()->updatesEnabled());
    EXPECT_EQ(grid.view()->model()->rowCount(), 4);
    EXPECT_EQ(grid.cellText(3, keyCol), "x");
    EXPECT_EQ(viewRow(), 3);
}

}  // namespace
