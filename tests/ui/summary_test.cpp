// The product summary window: layout, fitted columns, footers, re-reading at
// every showing and Ctrl+Delete. Its yellow rows are in stock_alarm_test.
#include "tests/ui/AppFixture.h"

#include "platform/DBGridEh.h"
#include "platform/GridHeader.h"
#include "platform/StatusBar.h"
#include "reports/SphzUnit.h"

#include <QKeyEvent>
#include <QTableView>
#include <QToolButton>

namespace {

const char* kProducts =
    "insert into jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,"
    "销售利润,库存数量,库存金额,供货厂商,供货电话,备注) values "
    "('P1','矿泉水','550ml','怡宝','瓶','2014-01-01 00:00:00',1.25,10,12.5,2,1000.1234,1000.1234,8,10,'深圳','0755',''),"
    "('P2','方便面','5连包','康师傅','袋','2014-01-31 00:00:00',12,3,36,1,234.4444,234.4444,2,24,'天津','022','')";

class Summary : public AppFixture {
protected:
    void fillStore() override { store->exec(QString::fromUtf8(kProducts)); }

    TSphzForm& summary() { return *SphzForm; }
    DBGridEh& grid() { return *SphzForm->DBGridEh1; }
    // Shows the summary from the main window; `act` looks at it meanwhile.
    void show(const std::function<void()>& act)
    {
        user.onModal = [act](QWidget* w) {
            if (w == SphzForm) {
                QApplication::processEvents();
                act();
            }
        };
        MainForm->SpeedButton11->click();
    }
    int widthSum()
    {
        int total = 0;
        for (int c = 0; c < int(grid().columns().size()); ++c) total += grid().columnWidth(c);
        return total;
    }
    QStringList fields()
    {
        QStringList out;
        for (const GridColumn& c : grid().columns()) out << c.field;
        return out;
    }
    QStringList footers()
    {
        QStringList out;
        for (int c = 0; c < int(grid().columns().size()); ++c) out << grid().footerText(c);
        return out;
    }
    void ctrlDelete()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::ControlModifier);
        QApplication::sendEvent(grid().view(), &press);
    }
};

class EmptySummary : public Summary {
protected:
    void fillStore() override {}
};

TEST_F(Summary, WindowIsAFixedDialogWithTheGridOverTheStatusBar)
{
    TSphzForm& f = summary();
    EXPECT_EQ(f.windowTitle(), "商品汇总");
    EXPECT_EQ(f.size(), QSize(1004, 596));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(f.Panel1->geometry(), QRect(0, 0, 1004, 574));
    EXPECT_EQ(f.DBGridEh1->parentWidget(), f.Panel1);
    EXPECT_EQ(f.DBGridEh1->geometry(), QRect(0, 0, 1004, 574));
    EXPECT_EQ(f.StatusBar1->geometry(), QRect(0, 574, 1004, 22));
    EXPECT_EQ(f.StatusBar1->panelCount(), 0);
}

TEST_F(Summary, ThirteenColumnsOfFiguresFillTheGridsWidthExactlyAndFollowItsSize)
{
    EXPECT_EQ(fields(), QStringList({"商品编号", "商品名称", "商品规格", "商品型号", "单位", "进货单价", "进货数量",
                                     "进货金额", "销售数量", "销售金额", "销售利润", "库存数量", "库存金额"}));
    EXPECT_EQ(grid().columns()[5].title, "进货|单价");
    EXPECT_EQ(grid().columns()[10].title, "销售|利润");
    std::vector<grid::UpperSpan> spans = grid().titleHeader()->spans();
    ASSERT_EQ(spans.size(), 4u);
    EXPECT_EQ(spans[0], (grid::UpperSpan{0, 5, "商品", false}));
    EXPECT_EQ(spans[1], (grid::UpperSpan{5, 3, "进货", false}));
    EXPECT_EQ(spans[2], (grid::UpperSpan{8, 3, "销售", false}));
    EXPECT_EQ(spans[3], (grid::UpperSpan{11, 2, "库存", false}));
    show([&] {
        const int viewport = grid().view()->viewport()->width();
        EXPECT_GT(viewport, 900);
        EXPECT_EQ(widthSum(), viewport);
        // Proportions of the set widths: 名称 80 against 编号 50.
        EXPECT_NEAR(double(grid().columnWidth(1)) / grid().columnWidth(0), 80.0 / 50.0, 0.05);
        EXPECT_EQ(grid().cellText(0, 5), "1.25");
        grid().resize(700, 400);
        QApplication::processEvents();
        EXPECT_EQ(widthSum(), grid().view()->viewport()->width());
    });
}

TEST_F(Summary, ProfitFooterIsTheGeneralNumberTextAndTheOthersTwoDecimals)
{
    show([&] {
        const QStringList f = footers();
        EXPECT_EQ(f[0], "合计");
        EXPECT_EQ(f[9], "1234.57");     // 销售金额
        EXPECT_EQ(f[10], "1234.5678");  // 销售利润
        EXPECT_EQ(f[6], "13");          // 进货数量
        EXPECT_EQ(f[7], "48.5");        // 进货金额
        EXPECT_EQ(f[5], "");            // 进货单价 has no sum
    });
}

TEST_F(EmptySummary, AnEmptyProductTableShowsNoRowsAndZeroSums)
{
    show([&] {
        EXPECT_EQ(summary().ADOQuery1.RecordCount(), 0);
        EXPECT_EQ(footers(), QStringList({"合计", "", "", "", "", "", "0", "0", "0", "0", "0", "0", "0"}));
    });
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(Summary, EveryShowingRereadsTheStoreAndTheThreshold)
{
    show([] {});
    // Changed through the main window while the summary is hidden.
    TADOQuery& products = MainForm->ADOQuery1;
    products.First();
    products.Edit();
    products.FieldByName("库存数量").SetAsString("1");
    products.Post();
    products.Append();
    products.FieldByName("商品编号").SetAsString("P3");
    products.Post();
    store->exec("update kcbj set 库存报警数=2");
    EXPECT_EQ(summary().ADOQuery1.RecordCount(), 2);  // the last showing's rows until shown again
    show([&] {
        EXPECT_EQ(summary().ADOQuery1.RecordCount(), 3);
        EXPECT_EQ(grid().cellText(0, 11), "1");
        EXPECT_EQ(grid().cellText(2, 0), "P3");
        EXPECT_EQ(grid().cellBackground(1, 0), DBGridEh::evenRowColor());
        summary().ADOQuery1.Last();
        EXPECT_EQ(grid().cellBackground(0, 12), QColor(255, 255, 0));
    });
}

TEST_F(Summary, CtrlDeleteAsksTheGridsQuestionAndDeletesOnlyOnOK)
{
    show([&] {
        user.answers = {platform::Answer::Cancel, platform::Answer::OK};
        ctrlDelete();
        EXPECT_EQ(store->scalar("select count(*) from jxc"), "2");
        ctrlDelete();
    });
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[0].text, "Delete record?");
    EXPECT_EQ(user.messages[0].caption, "Confirm");
    EXPECT_EQ(user.messages[0].icon, platform::Icon::Question);
    EXPECT_EQ(store->scalar("select group_concat(商品编号) from jxc"), "P2");
}

}  // namespace
