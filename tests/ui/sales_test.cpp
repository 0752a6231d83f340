// Selling, correcting, searching and deleting sales lines, as the user does
// it: the sale window opened from the main window, the sales detail window
// with its grid, lookup, searches and deletion, and the correction.
#include "tests/ui/AppFixture.h"
#include "tests/engine/LocalTimeZone.h"

#include "db/Errors.h"
#include "db/Regional.h"
#include "db/Reconnect.h"
#include "db/Sqlite.h"
#include "platform/DBGridEh.h"
#include "platform/StatusBar.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include <csignal>

namespace {

// Store order puts product 10 before product 1 on purpose: a lookup by
// containment would take 10 for the lines of 1.
const char* kProducts =
    "insert into jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,"
    "销售利润,库存数量,库存金额,供货厂商,供货电话,备注) values "
    "('10','纯净水','550ml','怡宝','瓶','2014-01-01 00:00:00',2,20,40,0,0,null,20,40,'','',''),"
    "('A1','螺丝','M6','不锈钢','个','2014-01-02 00:00:00',6,10,60,5,50,20,5,30,'','',''),"
    "('1','垫片','M6','','个','2014-01-03 00:00:00',1.5,5.25,7.875,1.25,2.5,0.625,4,6,'','',''),"
    "('21','胶水','50g','','支','2014-01-04 00:00:00',3,11.25,33.75,2.25,4.5,-2.25,9,27,'','',''),"
    "('Q\"1''','引号','','','个','2014-01-05 00:00:00',2,4,8,1,3,1,3,6,'','',''),"
    "('21','胶水','100g','','支','2014-01-06 00:00:00',4,1,4,0,0,null,1,4,'','','')";

const char* kLines =
    "insert into xsmx (商品编号,商品名称,商品规格,商品型号,单位,销售日期,销售单价,销售数量,销售金额,销售利润,"
    "客户姓名,联系电话,详细地址,备注) values "
    "('A1','螺丝','M6','不锈钢','个','2014-03-01 00:00:00',10,5,50,20,'王五','139','北京路1号','老客户'),"
    "('1','垫片','M6','','个','2014-03-02 00:00:00',2,1.25,2.5,0.625,'李四','','',''),"
    "('21','胶水','50g','','支','2014-03-31 00:00:00',2,2.25,4.5,-2.25,'李四','','',''),"
    "('GONE','已删除','','','个','2014-04-01 00:00:00',1,1,1,0,'赵六','','',''),"
    "('Q\"1''','引号','','','个','2014-04-02 00:00:00',3,1,3,1,'','','','')";

enum Line { LineA1, Line1, Line21, LineGone, LineQuote };

// --- input as the window system delivers it ---------------------------------

void type(QWidget* w, const QString& keys)
{
    for (QChar c : keys) {
        int code = c.toUpper().unicode();
        if (c == u'\b') code = Qt::Key_Backspace;
        else if (c == u'.') code = Qt::Key_Period;
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

// Empties a field the way a user does: select everything, Backspace.
void retype(QLineEdit* e, const QString& keys)
{
    e->selectAll();
    type(e, QStringLiteral("\b") + keys);
}

void click(QWidget* w, QPoint pos)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(w, &release);
}

class Sales : public AppFixture {
protected:
    void fillStore() override
    {
        store->exec(QString::fromUtf8(kProducts));
        store->exec(QString::fromUtf8(kLines));
    }
    void TearDown() override
    {
        StoreHandle::setWriteHook(nullptr);
        AppFixture::TearDown();
    }

    TXsspForm& sale() { return *XsspForm; }
    TXsmxForm& detail() { return *XsmxForm; }

    // Puts the main grid's cursor on the product row `row` (0-based).
    void pickProduct(int row) { MainForm->ADOQuery1.SetRecNo(row + 1); }

    // Opens the sale window on the current product; `act` plays the user while it is shown.
    void sell(const std::function<void()>& act)
    {
        user.onModal = [this, act](QWidget* w) {
            if (w == XsspForm) act();
        };
        MainForm->SpeedButton9->click();
    }

    // The detail window on screen, its grid laid out for mouse clicks.
    void showDetail()
    {
        detail().show();
        QApplication::processEvents();
    }
    void clickLine(int row)
    {
        QTableView* view = detail().DBGridEh1->view();
        click(view->viewport(), view->visualRect(view->model()->index(row, 1)).center());
    }
    // Clicks the line, then 修改, with `act` playing the user in the sale window.
    void correct(int row, const std::function<void()>& act)
    {
        showDetail();
        clickLine(row);
        user.onModal = [act](QWidget* w) {
            if (w == XsspForm) act();
        };
        detail().SpeedButton4->click();
    }

    QString productField(const char* code, const char* field, int nth = 0) const
    {
        return store->scalar(QStringLiteral("select %1 from jxc where 商品编号='%2' order by rowid limit 1 offset %3")
                                 .arg(QString::fromUtf8(field), QString::fromUtf8(code))
                                 .arg(nth));
    }
    QString lineField(int rowid, const char* field) const
    {
        return store->scalar(
            QStringLiteral("select %1 from xsmx where rowid=%2").arg(QString::fromUtf8(field)).arg(rowid));
    }
    QString lineCount() const { return store->scalar("select count(*) from xsmx"); }
    QString current(TADOQuery& q, const char* field) { return q.FieldByName(QString::fromUtf8(field)).AsString(); }
    QStringList detailColumn(const char* field)
    {
        QStringList out;
        TADOQuery& q = detail().ADOQuery1;
        const int col = q.fieldIndex(QString::fromUtf8(field));
        for (int r = 0; r < q.RecordCount(); ++r) out << q.cellText(r, col);
        return out;
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : user.messages) out << m.text;
        return out;
    }
};

class NoProducts : public AppFixture {};

// --- the sale window ---------------------------------------------------------

TEST_F(Sales, SaleWindowIsLaidOutWithItsDiscountListAndHiddenPanel)
{
    TXsspForm& f = sale();
    EXPECT_EQ(f.size(), QSize(325, 442));
    ASSERT_EQ(f.ComboBox1->count(), 100);
    EXPECT_EQ(f.ComboBox1->itemText(0), "10");
    EXPECT_EQ(f.ComboBox1->itemText(1), "9.9");
    EXPECT_EQ(f.ComboBox1->itemText(10), "9.0");
    EXPECT_EQ(f.ComboBox1->itemText(90), "1.0");
    EXPECT_EQ(f.ComboBox1->itemText(99), "0.1");
    EXPECT_EQ(f.ComboBox1->currentText(), "10");
    EXPECT_EQ(f.ComboBox1->maxVisibleItems(), 15);
    EXPECT_TRUE(f.ComboBox1->isEditable());
    EXPECT_TRUE(f.Panel3->isHidden());
    EXPECT_EQ(f.Panel3->geometry(), QRect(184, 8, 137, 113));
    EXPECT_TRUE(f.Edit3->isReadOnly());
    EXPECT_TRUE(f.Edit4->isReadOnly());
    EXPECT_EQ(f.Edit3->palette().color(QPalette::Base), QColor(255, 128, 64));
    EXPECT_EQ(f.Edit1->geometry(), QRect(88, 160, 97, 21));
    EXPECT_EQ(f.ComboBox1->geometry(), QRect(239, 160, 58, 21));
    EXPECT_EQ(f.Edit3->geometry(), QRect(240, 184, 57, 21));
    EXPECT_EQ(f.Edit7->width(), 201);
    EXPECT_EQ(f.SpeedButton1->geometry(), f.SpeedButton2->geometry());
    EXPECT_EQ(f.SpeedButton1->geometry(), QRect(130, 332, 63, 25));
    EXPECT_EQ(f.Label2->text(), "@");
    // The keyboard walks the fields in the order of the rows.
    QWidget* order[] = {f.DateTimePicker1, f.Edit1, f.ComboBox1, f.Edit2, f.Edit3,
                        f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (order[i]->isAncestorOf(next) || next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]) << i;
    }
}

TEST_F(Sales, TabLeavesTheDatePickerForThePrice)
{
    TXsspForm& f = sale();
    f.show();
    f.activateWindow();
    f.DateTimePicker1->setFocus();
    QApplication::processEvents();
    if (!f.DateTimePicker1->hasFocus()) GTEST_SKIP() << "no keyboard focus on this platform";
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(f.DateTimePicker1, &tab);
    EXPECT_TRUE(f.Edit1->hasFocus());
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::sendEvent(f.Edit1, &back);
    EXPECT_TRUE(f.DateTimePicker1->hasFocus());
    f.close();
}

TEST_F(NoProducts, EveryCommandRefusesAnEmptyProductListAndShowsNoWindow)
{
    const std::function<void()> commands[] = {
        [] { MainForm->SpeedButton9->click(); },
        [] { MainForm->N4->trigger(); },
        [] { MainForm->N21->trigger(); },
        [] { MainForm->DBGridEh1->onDblClick(); },
    };
    for (const auto& command : commands) {
        user.messages.clear();
        command();
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, "商品记录为空，请新增商品！");
        EXPECT_EQ(user.messages[0].caption, "提示");
        EXPECT_EQ(user.messages[0].owner, MainForm);
        EXPECT_EQ(user.messages[0].icon, platform::Icon::None);
    }
    EXPECT_TRUE(user.modalShown.empty());
}

TEST_F(Sales, EveryCommandOpensTheSaleWindowFilledFromTheCurrentProduct)
{
    store->exec("update jxc set 库存数量 = 7.126, 进货单价 = 12.50 where 商品编号 = 'A1'");
    MainForm->Button2->click();
    const std::function<void()> commands[] = {
        [] { MainForm->SpeedButton9->click(); },
        [] { MainForm->N4->trigger(); },
        [] { MainForm->N21->trigger(); },
        [] { MainForm->DBGridEh1->onDblClick(); },
    };
    for (const auto& command : commands) {
        pickProduct(1);
        sale().Edit10->setText("kept");
        sale().Edit5->setText("left over");
        bool checked = false;
        user.onModal = [&](QWidget* w) {
            ASSERT_EQ(w, XsspForm);
            TXsspForm& f = sale();
            EXPECT_EQ(f.windowTitle(), "销售管理");
            EXPECT_EQ(f.Label1->text(), "销售管理   销售商品");
            EXPECT_TRUE(f.SpeedButton1->isVisible());
            EXPECT_FALSE(f.SpeedButton2->isVisible());
            EXPECT_EQ(f.Label18->text(), "A1");
            EXPECT_EQ(f.Label19->text(), "螺丝");
            EXPECT_EQ(f.Label20->text(), "M6");
            EXPECT_EQ(f.Label21->text(), "不锈钢");
            EXPECT_EQ(f.Label22->text(), "个");
            EXPECT_EQ(f.DateTimePicker1->date(), QDate::currentDate());
            EXPECT_EQ(f.Edit1->text(), "0");
            EXPECT_EQ(f.Edit2->text(), "1");
            EXPECT_EQ(f.Edit3->text(), "7.13");
            EXPECT_EQ(f.Edit4->text(), "0");
            EXPECT_EQ(f.Edit5->text(), "");
            EXPECT_EQ(f.Edit9->text(), "12.5");
            EXPECT_EQ(f.Edit10->text(), "kept");
            checked = true;
        };
        command();
        EXPECT_TRUE(checked);
    }
    EXPECT_EQ(user.modalShown.size(), 4u);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(lineCount(), "5");  // closing by the close box writes nothing
}

TEST_F(Sales, WorkedExampleSaleWritesTheLineAndTheProductFigureByFigure)
{
    pickProduct(1);  // A1: 进货单价 6, sold 5 for 50, 5 in stock
    sell([&] {
        TXsspForm& f = sale();
        retype(f.Edit1, "10");
        EXPECT_EQ(f.Edit4->text(), "10");
        retype(f.Edit2, "2");
        EXPECT_EQ(f.Edit4->text(), "20");
        f.Edit5->setText("张三");
        f.SpeedButton1->click();
        EXPECT_FALSE(f.isVisible());
    });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "销售商品成功！");
    EXPECT_EQ(user.messages[0].caption, "提示");
    EXPECT_EQ(user.messages[0].owner, XsspForm);

    // The line, in the store and already in the sales detail window's query.
    EXPECT_EQ(lineCount(), "6");
    EXPECT_EQ(lineField(6, "销售单价||','||销售数量||','||销售金额||','||销售利润"), "10.0,2.0,20.0,8.0");
    EXPECT_EQ(lineField(6, "商品编号||商品名称||商品规格||商品型号||单位||客户姓名"), "A1螺丝M6不锈钢个张三");
    EXPECT_EQ(lineField(6, "销售日期"), QDate::currentDate().toString("yyyy-MM-dd") + " 00:00:00");
    ASSERT_EQ(detail().ADOQuery1.RecordCount(), 6);
    EXPECT_EQ(detail().DBGridEh1->footerText(7), "12.5");

    // The product, in the main grid at once.
    TADOQuery& p = MainForm->ADOQuery1;
    EXPECT_EQ(p.RecNo(), 2);
    EXPECT_EQ(current(p, "销售数量"), "7");
    EXPECT_EQ(current(p, "销售金额"), "70");
    EXPECT_EQ(current(p, "销售利润"), "28");  // from the new totals, not 20 + 8
    EXPECT_EQ(current(p, "库存数量"), "3");
    EXPECT_EQ(current(p, "库存金额"), "18");
    EXPECT_EQ(current(p, "进货数量"), "10");
    EXPECT_EQ(current(p, "进货金额"), "60");
    EXPECT_EQ(productField("A1", "销售数量||','||销售金额||','||销售利润||','||库存数量||','||库存金额"),
              "7.0,70.0,28.0,3.0,18.0");
}

TEST_F(Sales, UntouchedSaleSellsOneForNothingAtALossOfThePurchasePrice)
{
    pickProduct(2);  // product 1: 进货单价 1.5
    sell([&] { sale().SpeedButton1->click(); });
    EXPECT_EQ(lineField(6, "商品编号||','||销售单价||','||销售数量||','||销售金额||','||销售利润"), "1,0.0,1.0,0.0,-1.5");
    EXPECT_EQ(productField("1", "销售数量||','||销售金额||','||销售利润||','||库存数量||','||库存金额"),
              "2.25,2.5,-0.875,3.0,4.5");
}

TEST_F(Sales, StockCheckPassesTheStockItselfAndResetsOneAboveIt)
{
    pickProduct(2);  // product 1: 4 in stock
    sell([&] {
        TXsspForm& f = sale();
        retype(f.Edit1, "3");
        retype(f.Edit2, "4");
        EXPECT_EQ(f.Edit2->text(), "4");
        EXPECT_EQ(f.Edit4->text(), "12");
        EXPECT_TRUE(user.messages.empty());

        retype(f.Edit2, "5");
        EXPECT_EQ(f.Edit2->text(), "1");
        EXPECT_EQ(f.Edit4->text(), "3");  // recomputed for 1
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, "库存不足，请重新输入！");
        EXPECT_EQ(user.messages[0].owner, XsspForm);

        // With no price the message comes all the same, the amount stays.
        f.Edit1->clear();
        retype(f.Edit2, "4.5");
        EXPECT_EQ(f.Edit2->text(), "1");
        EXPECT_EQ(f.Edit4->text(), "3");
        EXPECT_EQ(user.messages.size(), 2u);
    });
}

struct AmountCase {
    const char* name;
    const char* price;     // typed into 销售单价; nullptr: cleared after the quantity
    const char* quantity;  // typed into 销售数量
    const char* discount;  // chosen from, or typed into, the discount box
    const char* amount;    // 销售金额 afterwards
    bool error;
};

void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class Amount : public Sales, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(Amount, FollowsPriceQuantityAndDiscount)
{
    const AmountCase& c = GetParam();
    pickProduct(0);  // 20 in stock
    sell([&] {
        TXsspForm& f = sale();
        retype(f.Edit1, c.price ? c.price : "7");
        retype(f.Edit2, c.quantity);
        if (!c.price) f.Edit1->clear();
        const int item = f.ComboBox1->findText(c.discount);
        if (item >= 0) f.ComboBox1->setCurrentIndex(item);
        else f.ComboBox1->setEditText(c.discount);
        EXPECT_EQ(f.Edit4->text(), c.amount);
        EXPECT_EQ(user.messages.size(), c.error ? 1u : 0u);
        if (c.error) {
            EXPECT_EQ(user.messages[0].text,
                      QStringLiteral("'%1' is not a valid floating point value.").arg(QString::fromUtf8(c.discount)));
        }
        f.ComboBox1->setCurrentIndex(0);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Amount,
    ::testing::Values(AmountCase{"DiscountEightAndAHalf", "20", "2", "8.5", "34", false},
                      AmountCase{"NotRounded", "12.5", "3", "9.5", "35.625", false},
                      AmountCase{"LonePointIsZero", ".", "3", "9.5", "0", false},
                      AmountCase{"TypedDiscount", "10", "3", "7.25", "21.75", false},
                      AmountCase{"EmptyPriceLeavesTheAmount", nullptr, "2", "5.0", "14", false},
                      AmountCase{"DiscountThatIsNoNumber", "10", "2", "9折", "20", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sales, PriceAndQuantityTakeOnlyDigitsAndOnePoint)
{
    pickProduct(0);  // 20 in stock
    sell([&] {
        TXsspForm& f = sale();
        const std::pair<const char*, QLineEdit*> fields[] = {{"销售单价", f.Edit1}, {"销售数量", f.Edit2}};
        for (const auto& [name, field] : fields) {
            field->clear();
            type(field, "1a2.3.4-");
            EXPECT_EQ(field->text(), "12.34") << name;
        }
        EXPECT_EQ(f.Edit4->text(), "152.2756");
    });
    EXPECT_TRUE(user.messages.empty());
}

// The success message is shown over the window, which goes only once it is
// acknowledged: in a sale and in a correction alike.
TEST_F(Sales, SuccessMessagesShowOverTheStillOpenSaleWindow)
{
    struct Seen {
        QString text;
        bool saleVisible, detailVisible;
    };
    std::vector<Seen> seen;
    user.onMessage = [&](const platform::MessageRecord& box) {
        seen.push_back({box.text, XsspForm->isVisible(), XsmxForm->isVisible()});
    };
    pickProduct(1);
    sell([&] { sale().SpeedButton1->click(); });
    correct(LineA1, [&] { sale().SpeedButton2->click(); });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "销售商品成功！");
    EXPECT_TRUE(seen[0].saleVisible);
    EXPECT_EQ(seen[1].text, "修改商品成功！");
    EXPECT_TRUE(seen[1].saleVisible);
    EXPECT_TRUE(seen[1].detailVisible);
    EXPECT_FALSE(XsspForm->isVisible());
}

// Where daylight saving starts at midnight, the chosen day is still the day
// stored, and a correction opens on it again.
TEST_F(Sales, ASaleOnADayWithoutALocalMidnightKeepsItsDay)
{
    LocalTimeZone zone("America/Sao_Paulo");
    if (!LocalTimeZone::midnightMissing(saoPauloGapDay())) GTEST_SKIP() << "no time zone data";
    pickProduct(1);
    sell([&] {
        sale().DateTimePicker1->setDate(saoPauloGapDay());
        sale().SpeedButton1->click();
    });
    EXPECT_EQ(lineField(6, "销售日期"), "2018-11-04 00:00:00");
    showDetail();
    EXPECT_EQ(detail().DBGridEh1->cellText(5, 5), regional::formatShortDate(saoPauloGapDay()));
    correct(5, [&] { EXPECT_EQ(sale().DateTimePicker1->date(), saoPauloGapDay()); });
}

TEST_F(Sales, DiscountKeepsItsTextBetweenOpeningsInEitherMode)
{
    pickProduct(0);
    sell([&] { sale().ComboBox1->setCurrentIndex(sale().ComboBox1->findText("8.5")); });
    sell([&] { EXPECT_EQ(sale().ComboBox1->currentText(), "8.5"); });
    correct(LineA1, [&] { EXPECT_EQ(sale().ComboBox1->currentText(), "8.5"); });
    EXPECT_EQ(user.modalShown.size(), 3u);
}

// A product row whose totals cannot be read: without the computing first,
// the line would be posted and the product left as it was.
TEST_F(Sales, SaleOfAProductWithUnreadableTotalsWritesNothing)
{
    store->exec("update jxc set 销售数量 = null where 商品编号 = 'A1'");
    MainForm->Button2->click();
    pickProduct(1);
    sell([&] {
        retype(sale().Edit1, "10");
        sale().SpeedButton1->click();
        EXPECT_TRUE(sale().isVisible());  // the window stays open
    });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "'' is not a valid floating point value.");
    EXPECT_EQ(user.messages[0].icon, platform::Icon::Stop);
    EXPECT_EQ(lineCount(), "5");
    EXPECT_EQ(detail().ADOQuery1.RecordCount(), 5);
    EXPECT_EQ(MainForm->ADOQuery1.state(), TADOQuery::State::Browse);
    EXPECT_EQ(productField("A1", "库存数量"), "5.0");
}

TEST_F(Sales, SaleWhoseProductWriteFailsTakesItsLineBack)
{
    pickProduct(1);
    int writes = 0;
    StoreHandle::setWriteHook([&] {
        if (++writes == 1) throw EDatabaseError("磁盘已满");
    });
    sell([&] { sale().SpeedButton1->click(); });
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(texts(), QStringList({"磁盘已满."}));
    EXPECT_EQ(lineCount(), "5");
    EXPECT_EQ(detail().ADOQuery1.RecordCount(), 5);
    EXPECT_EQ(detail().DBGridEh1->footerText(7), "10.5");
    EXPECT_EQ(current(MainForm->ADOQuery1, "库存数量"), "5");
}

// The child process of the kill test re-runs the test from its start, with a
// store of its own; this names the parent's store, which it is to write.
constexpr const char* kKillStore = "JXC_SALES_KILL_STORE";

TEST_F(Sales, KilledBetweenTheTwoWritesTheStoreHasNeither)
{
    // Qt runs threads of its own, so the child starts afresh instead of
    // being forked from this process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (qEnvironmentVariableIsEmpty(kKillStore)) qputenv(kKillStore, store->folder().toUtf8());
    auto sellAndDie = [this] {
        // The child's own folders would outlive it.
        QDir(store->folder()).removeRecursively();
        QDir(desktop.path()).removeRecursively();
        QDir::setCurrent(qEnvironmentVariable(kKillStore));
        MainForm->FormShow();
        Reconnect(XsmxForm->ADOConnection1, XsmxForm->ADOQuery1, "select * from xsmx", XsmxForm->ADOQuery2,
                  "select * from jxc");
        pickProduct(1);
        sale().Label18->setText("A1");
        sale().Edit2->setText("2");
        sale().Edit4->setText("20");
        sale().Edit9->setText("6");
        StoreHandle::setWriteHook([] { std::raise(SIGKILL); });
        sale().SpeedButton1Click();
        std::_Exit(0);
    };
    EXPECT_EXIT(sellAndDie(), ::testing::KilledBySignal(SIGKILL), "");
    qunsetenv(kKillStore);
    EXPECT_EQ(lineCount(), "5");
    EXPECT_EQ(productField("A1", "销售数量||','||库存数量"), "5.0,5.0");
    EXPECT_EQ(store->scalar("pragma integrity_check"), "ok");
}

// --- the sales detail window -------------------------------------------------

TEST_F(Sales, DetailWindowIsLaidOutWithItsGridAndMenus)
{
    TXsmxForm& f = detail();
    EXPECT_EQ(f.size(), QSize(1004, 596));
    EXPECT_EQ(f.windowTitle(), "销售明细");
    const auto& columns = f.DBGridEh1->columns();
    ASSERT_EQ(columns.size(), 14u);
    const char* titles[] = {"商品|编号", "商品|名称", "商品|规格", "商品|型号", "商品|单位", "销售|日期", "销售|单价",
                            "销售|数量", "销售|金额", "销售|利润", "客户|姓名", "客户|电话", "客户|地址", ""};
    const int widths[] = {50, 80, 70, 70, 50, 80, 65, 55, 70, 70, 70, 80, 100, 70};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(columns[size_t(i)].title, QString::fromUtf8(titles[i])) << i;
        EXPECT_EQ(f.DBGridEh1->columnWidth(i), widths[i]) << i;
    }
    EXPECT_EQ(columns[11].field, "联系电话");
    EXPECT_EQ(columns[12].field, "详细地址");
    EXPECT_EQ(columns[13].field, "备注");
    EXPECT_EQ(f.DBGridEh1->footerText(0), "合计");
    EXPECT_EQ(f.DBGridEh1->footerText(7), "10.5");
    EXPECT_EQ(f.DBGridEh1->footerText(8), "61");
    EXPECT_EQ(f.DBGridEh1->footerText(9), "19.375");  // no format of its own
    EXPECT_EQ(f.DBGridEh1->footerText(6), "");
    EXPECT_EQ(f.DBGridEh1->cellText(1, 7), "1.25");
    EXPECT_EQ(f.DBGridEh1->cellBackground(1, 2), DBGridEh::evenRowColor());
    EXPECT_EQ(f.GroupBox1->geometry(), QRect(228, 8, 513, 105));
    EXPECT_TRUE(f.Edit7->isHidden());
    EXPECT_FALSE(f.CheckBox1->isChecked());
    EXPECT_FALSE(f.DateTimePicker1->isEnabled());
    EXPECT_EQ(f.SpeedButton4->geometry(), QRect(24, 40, 57, 57));
    EXPECT_EQ(f.SpeedButton5->geometry(), QRect(80, 40, 57, 57));

    auto captions = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? "-" : a->text());
        return out;
    };
    EXPECT_EQ(captions(f.PopupMenu1), QStringList({"修改", "删除"}));
    EXPECT_EQ(captions(f.PopupMenu2), QStringList({"修改", "删除", "-", "数据导出"}));
    EXPECT_EQ(f.DBGridEh1->popupMenu(), f.PopupMenu2);
    f.move(120, 40);
    const QRect frame = f.frameGeometry();
    EXPECT_EQ(f.menuPoint(), QPoint(frame.left() + 8, frame.top() + 3 + 22 + 30));
}

TEST_F(Sales, MainWindowShowsTheDetailWindowWhichClosesItself)
{
    user.onModal = [&](QWidget* w) {
        ASSERT_EQ(w, XsmxForm);
        detail().SpeedButton3->click();
        EXPECT_FALSE(detail().isVisible());
    };
    MainForm->SpeedButton10->click();
    MainForm->N6->trigger();
    MainForm->N23->trigger();
    EXPECT_EQ(user.modalShown.size(), 3u);
}

TEST_F(Sales, ShowingAgainKeepsTheLastSearchButEmptiesTheSearchBoxes)
{
    TXsmxForm& f = detail();
    f.CheckBox1->click();
    f.CheckBox1->click();
    showDetail();
    f.Edit5->setText("李四");
    f.DateTimePicker1->setDate(QDate(2014, 3, 1));
    f.Button1->click();
    ASSERT_EQ(detailColumn("商品编号"), QStringList({"1", "21"}));
    f.CheckBox1->click();
    f.close();
    showDetail();
    EXPECT_EQ(detailColumn("商品编号"), QStringList({"1", "21"}));
    for (QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6}) EXPECT_TRUE(e->text().isEmpty());
    EXPECT_EQ(f.DateTimePicker1->date(), QDate::currentDate());
    EXPECT_EQ(f.DateTimePicker2->date(), QDate::currentDate());
    EXPECT_TRUE(f.CheckBox1->isChecked());
    EXPECT_TRUE(f.DateTimePicker1->isEnabled());
    EXPECT_TRUE(f.DateTimePicker2->isEnabled());
    f.CheckBox1->click();
    EXPECT_FALSE(f.DateTimePicker1->isEnabled());
    EXPECT_FALSE(f.DateTimePicker2->isEnabled());
}

TEST_F(Sales, SumsFollowTheSearchAndComeBackWithRefresh)
{
    TXsmxForm& f = detail();
    f.Edit5->setText("李四");
    f.Button1->click();
    EXPECT_EQ(f.DBGridEh1->footerText(7), "3.5");  // 1.25 + 2.25
    EXPECT_EQ(f.DBGridEh1->footerText(8), "7");
    f.Edit1->setText("21");
    f.Button1->click();
    EXPECT_EQ(detailColumn("商品编号"), QStringList({"21"}));
    EXPECT_EQ(f.DBGridEh1->footerText(7), "2.25");
    f.Button2->click();
    EXPECT_EQ(f.ADOQuery1.RecordCount(), 5);
    EXPECT_EQ(f.DBGridEh1->footerText(7), "10.5");
    EXPECT_EQ(f.Edit1->text(), "21");  // 刷新 keeps the inputs
}

struct DetailSearchCase {
    const char* name;
    std::vector<const char*> fields;  // Edit1..Edit6
    QDate from, to;                   // a date search when valid
    std::vector<const char*> found;   // 商品编号 of the lines found
};

void PrintTo(const DetailSearchCase& c, std::ostream* os) { *os << c.name; }

class DetailSearch : public Sales, public ::testing::WithParamInterface<DetailSearchCase> {};

TEST_P(DetailSearch, FindsTheLines)
{
    const DetailSearchCase& c = GetParam();
    TXsmxForm& f = detail();
    QLineEdit* edits[] = {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
    for (size_t i = 0; i < c.fields.size(); ++i) edits[i]->setText(QString::fromUtf8(c.fields[i]));
    if (c.from.isValid()) {
        f.CheckBox1->click();
        f.DateTimePicker1->setDate(c.from);
        f.DateTimePicker2->setDate(c.to);
    }
    f.Button1->click();
    QStringList expected;
    for (const char* code : c.found) expected << QString::fromUtf8(code);
    EXPECT_EQ(detailColumn("商品编号"), expected);
    EXPECT_TRUE(user.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Searches, DetailSearch,
    ::testing::Values(DetailSearchCase{"AllEmpty", {}, {}, {}, {"A1", "1", "21", "GONE", "Q\"1'"}},
                      DetailSearchCase{"CodeContained", {"1"}, {}, {}, {"A1", "1", "21", "Q\"1'"}},
                      DetailSearchCase{"QuoteInTheText", {"Q\"1'"}, {}, {}, {"Q\"1'"}},
                      DetailSearchCase{"NameAndCustomer", {"", "胶", "", "", "李"}, {}, {}, {"21"}},
                      DetailSearchCase{"Telephone", {"", "", "", "", "", "13"}, {}, {}, {"A1"}},
                      DetailSearchCase{"MarchIncludesBothEnds",
                                       {"nothing like this"},
                                       QDate(2014, 3, 1),
                                       QDate(2014, 3, 31),
                                       {"A1", "1", "21"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The lookup takes the products whose code equals the line's, not those containing it.
struct LookupCase {
    const char* name;
    Line line;
    std::vector<const char*> sizes;  // 商品规格 of the products found, in store order
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class Lookup : public Sales, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(Lookup, AClickFillsTheLookupWithTheProductsOfThatCode)
{
    const LookupCase& c = GetParam();
    showDetail();
    clickLine(c.line);
    TXsmxForm& f = detail();
    EXPECT_EQ(f.ADOQuery1.RecNo(), int(c.line) + 1);
    EXPECT_EQ(f.Edit7->text(), current(f.ADOQuery1, "商品编号"));
    QStringList sizes;
    TADOQuery& q = f.ADOQuery2;
    for (int r = 0; r < q.RecordCount(); ++r) sizes << q.cellText(r, q.fieldIndex("商品规格"));
    QStringList expected;
    for (const char* s : c.sizes) expected << QString::fromUtf8(s);
    EXPECT_EQ(sizes, expected);
    EXPECT_EQ(q.RecNo(), expected.isEmpty() ? 0 : 1);
    EXPECT_TRUE(user.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Lookup,
    ::testing::Values(LookupCase{"ContainedInOthers", Line1, {"M6"}},  // not 10, A1, 21, Q"1'
                      LookupCase{"TwoOfTheSameCodeInStoreOrder", Line21, {"50g", "100g"}},
                      LookupCase{"AQuoteInTheCode", LineQuote, {""}},
                      LookupCase{"ADeletedProduct", LineGone, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Sales, MovingWithTheKeyboardDoesNotLookUp)
{
    showDetail();
    clickLine(Line1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(detail().DBGridEh1->view(), &down);
    EXPECT_EQ(detail().ADOQuery1.RecNo(), 3);
    EXPECT_EQ(detail().Edit7->text(), "1");
    EXPECT_EQ(detail().ADOQuery2.RecordCount(), 1);
}

TEST_F(Sales, DeletionAsksForSelectedLinesThenForConfirmationAndGivesNothingBack)
{
    TXsmxForm& f = detail();
    const std::function<void()> commands[] = {[&] { f.SpeedButton5->click(); }, [&] { f.N2->trigger(); },
                                              [&] { f.N4->trigger(); }};
    for (const auto& command : commands) {
        user.messages.clear();
        command();
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text,
                  "请单击左边的序号选中一条记录或拖选一段记录，\r\n也可以用Ctrl及Shift来进行多选，然后再删除信息。");
        EXPECT_EQ(user.messages[0].icon, platform::Icon::Information);
        EXPECT_EQ(user.messages[0].caption, "提示");
    }

    f.DBGridEh1->selectRow(LineA1);
    f.DBGridEh1->selectRow(Line21);
    user.messages.clear();
    user.answers = {platform::Answer::Cancel};
    f.N4->trigger();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "确定要删除选中的记录？");
    EXPECT_EQ(user.messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(user.messages[0].buttons, platform::Buttons::OKCancel);
    EXPECT_EQ(user.messages[0].owner, XsmxForm);
    EXPECT_EQ(lineCount(), "5");

    f.SpeedButton5->click();
    EXPECT_EQ(detailColumn("商品编号"), QStringList({"1", "GONE", "Q\"1'"}));
    EXPECT_EQ(lineCount(), "3");
    EXPECT_TRUE(f.DBGridEh1->selectedRows().empty());
    EXPECT_EQ(f.DBGridEh1->footerText(7), "3.25");
    // Their products keep what the lines had sold.
    EXPECT_EQ(productField("A1", "销售数量||','||销售金额||','||库存数量"), "5.0,50.0,5.0");
    EXPECT_EQ(productField("21", "销售数量||','||销售金额||','||库存数量"), "2.25,4.5,9.0");
    MainForm->Button2->click();
    EXPECT_EQ(column("销售数量"), QStringList({"0", "5", "1.25", "2.25", "1", "0"}));
}

// --- the correction ----------------------------------------------------------

TEST_F(Sales, WorkedExampleCorrectionFigureByFigure)
{
    correct(LineA1, [&] {
        TXsspForm& f = sale();
        EXPECT_EQ(f.windowTitle(), "销售明细");
        EXPECT_EQ(f.Label1->text(), "销售明细   修改");
        EXPECT_FALSE(f.SpeedButton1->isVisible());
        EXPECT_TRUE(f.SpeedButton2->isVisible());
        EXPECT_EQ(f.Label18->text(), "A1");
        EXPECT_EQ(f.Label21->text(), "不锈钢");
        EXPECT_EQ(f.DateTimePicker1->date(), QDate(2014, 3, 1));
        EXPECT_EQ(f.Edit9->text(), "6");
        EXPECT_EQ(f.Edit10->text(), "15");  // 进货数量 10 + the line's 5
        EXPECT_EQ(f.Edit11->text(), "0");
        EXPECT_EQ(f.Edit12->text(), "0");
        EXPECT_EQ(f.Edit1->text(), "10");
        EXPECT_EQ(f.Edit2->text(), "5");
        EXPECT_EQ(f.Edit3->text(), "10");  // 5 on hand + the line's own 5
        EXPECT_EQ(f.Edit4->text(), "50");
        EXPECT_EQ(f.Edit5->text(), "王五");
        EXPECT_EQ(f.Edit6->text(), "139");
        EXPECT_EQ(f.Edit7->text(), "北京路1号");
        EXPECT_EQ(f.Edit8->text(), "老客户");
        retype(f.Edit2, "3");
        EXPECT_EQ(f.Edit4->text(), "30");
        f.SpeedButton2->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(texts(), QStringList({"修改商品成功！"}));
    EXPECT_EQ(user.messages[0].owner, XsspForm);
    EXPECT_EQ(lineField(1, "销售单价||','||销售数量||','||销售金额||','||销售利润||','||客户姓名"),
              "10.0,3.0,30.0,12.0,王五");
    EXPECT_EQ(productField("A1", "销售数量||','||销售金额||','||销售利润"), "3.0,30.0,12.0");
    EXPECT_EQ(productField("A1", "库存数量||','||库存金额||','||进货数量||','||进货金额"), "7.0,42.0,10.0,60.0");
    // Both windows have re-read the store.
    pickProduct(1);
    EXPECT_EQ(current(MainForm->ADOQuery1, "销售数量"), "3");
    EXPECT_EQ(current(MainForm->ADOQuery1, "库存数量"), "7");
    EXPECT_EQ(detail().ADOQuery1.RecNo(), 1);
    EXPECT_EQ(detail().DBGridEh1->footerText(7), "8.5");
    EXPECT_EQ(detail().ADOQuery2.RecordCount(), 6);
}

// The stock shown in a correction includes the line's own quantity.
TEST_F(Sales, CorrectionNeverRefusesTheOldQuantityOrLessWhenTheStockIsGone)
{
    store->exec("update jxc set 库存数量 = 0, 库存金额 = 0 where 商品编号 = 'A1'");
    correct(LineA1, [&] {
        TXsspForm& f = sale();
        EXPECT_EQ(f.Edit3->text(), "5");
        for (const char* quantity : {"5", "4", "0.5"}) {
            retype(f.Edit2, quantity);
            EXPECT_EQ(f.Edit2->text(), quantity);
        }
        EXPECT_TRUE(user.messages.empty());
        retype(f.Edit2, "6");
        EXPECT_EQ(texts(), QStringList({"库存不足，请重新输入！"}));
        retype(f.Edit2, "4");
        f.SpeedButton2->click();
    });
    EXPECT_EQ(productField("A1", "库存数量||','||库存金额||','||销售数量||','||销售金额"), "1.0,6.0,4.0,40.0");
}

// The correction updates the product whose code equals the line's.
TEST_F(Sales, CorrectionOfALineOfProductOneLeavesProductTenAlone)
{
    correct(Line1, [&] {
        TXsspForm& f = sale();
        EXPECT_EQ(f.Edit9->text(), "1.5");
        EXPECT_EQ(f.Edit3->text(), "5.25");
        retype(f.Edit2, "2");
        f.SpeedButton2->click();
    });
    EXPECT_EQ(texts(), QStringList({"修改商品成功！"}));
    EXPECT_EQ(productField("1", "销售数量||','||销售金额||','||库存数量"), "2.0,4.0,3.25");
    EXPECT_EQ(productField("10", "销售数量||','||销售金额||','||库存数量"), "0.0,0.0,20.0");
    EXPECT_EQ(productField("21", "销售数量"), "2.25");
}

TEST_F(Sales, CorrectionOfTwoProductsWithOneCodeTakesTheFirstAndAQuoteBreaksNothing)
{
    correct(Line21, [&] { sale().SpeedButton2->click(); });
    correct(LineQuote, [&] {
        retype(sale().Edit2, "2");
        sale().SpeedButton2->click();
    });
    EXPECT_EQ(texts(), QStringList({"修改商品成功！", "修改商品成功！"}));
    EXPECT_EQ(productField("21", "进货单价||','||销售数量||','||库存数量"), "3.0,2.25,9.0");
    EXPECT_EQ(productField("21", "进货单价||','||销售数量||','||库存数量", 1), "4.0,0.0,1.0");
    EXPECT_EQ(productField("Q\"1''", "销售数量||','||销售金额||','||库存数量"), "2.0,6.0,2.0");
}

TEST_F(Sales, AnAmountOf35_625OpensAs35_63AndIsStoredSo)
{
    pickProduct(3);  // product 21, 进货单价 3
    sell([&] {
        retype(sale().Edit1, "12.5");
        retype(sale().Edit2, "3");
        sale().ComboBox1->setCurrentIndex(sale().ComboBox1->findText("9.5"));
        EXPECT_EQ(sale().Edit4->text(), "35.625");
        sale().SpeedButton1->click();
    });
    sale().ComboBox1->setCurrentIndex(0);
    EXPECT_EQ(lineField(6, "销售金额||','||销售利润"), "35.625,26.625");
    correct(5, [&] {
        EXPECT_EQ(sale().Edit4->text(), "35.63");
        EXPECT_EQ(sale().Edit12->text(), "4.5");
        sale().SpeedButton2->click();
    });
    EXPECT_EQ(lineField(6, "销售金额||','||销售利润"), "35.63,26.63");
    EXPECT_EQ(productField("21", "销售数量||','||销售金额||','||库存数量"), "5.25,40.13,6.0");
}

TEST_F(Sales, CorrectionWithoutChangeRewritesTheSameFigures)
{
    correct(LineA1, [&] { sale().SpeedButton2->click(); });
    EXPECT_EQ(lineField(1, "销售单价||','||销售数量||','||销售金额||','||销售利润"), "10.0,5.0,50.0,20.0");
    EXPECT_EQ(productField("A1", "销售数量||','||销售金额||','||销售利润||','||库存数量||','||库存金额"),
              "5.0,50.0,20.0,5.0,30.0");
}

TEST_F(Sales, CorrectionKeepsTheLinesOwnNameAndDropsBothSearches)
{
    store->exec("update jxc set 商品名称 = '新名字' where 商品编号 = 'A1'");
    MainForm->Edit1->setText("A1");
    MainForm->Button1->click();
    ASSERT_EQ(MainForm->ADOQuery1.RecordCount(), 1);
    detail().Edit1->setText("A1");
    detail().Button1->click();
    ASSERT_EQ(detail().ADOQuery1.RecordCount(), 1);
    correct(LineA1, [&] {
        EXPECT_EQ(sale().Label19->text(), "螺丝");
        sale().SpeedButton2->click();
    });
    EXPECT_EQ(lineField(1, "商品名称"), "螺丝");
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 6);
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 1);
    EXPECT_EQ(detail().ADOQuery1.RecordCount(), 5);
    EXPECT_EQ(detail().ADOQuery1.RecNo(), 1);
}

TEST_F(Sales, CorrectionOfADeletedProductsLine)
{
    // Clicked: the lookup is empty and the correction is refused.
    correct(LineGone, [] { FAIL() << "no window expected"; });
    EXPECT_EQ(texts(), QStringList({"修改销售明细为空！"}));
    EXPECT_EQ(user.messages[0].owner, XsmxForm);

    // Reached with the keyboard after a click elsewhere: the product's
    // figures cannot be read, and the window does not open either.
    user.messages.clear();
    clickLine(LineA1);
    detail().ADOQuery1.SetRecNo(LineGone + 1);
    detail().N3->trigger();
    EXPECT_EQ(texts(), QStringList({"'' is not a valid floating point value."}));
    EXPECT_TRUE(user.modalShown.empty());
}

TEST_F(Sales, CorrectionWithAnEmptyQuantityWritesNothingAndStaysOpen)
{
    MainForm->Edit1->setText("A1");
    MainForm->Button1->click();
    correct(LineA1, [&] {
        TXsspForm& f = sale();
        f.Edit2->clear();
        f.SpeedButton2->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(texts(), QStringList({"'' is not a valid floating point value."}));
        EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 1);  // no reconnection
        EXPECT_EQ(detail().ADOQuery1.state(), TADOQuery::State::Browse);
        f.Edit2->setText("4");
        f.SpeedButton2->click();
    });
    EXPECT_EQ(lineField(1, "销售数量||','||销售利润"), "4.0,26.0");
    EXPECT_EQ(productField("A1", "销售数量||','||库存数量"), "4.0,6.0");
}

// Another program changed the product after the correction was prepared:
// its write is refused, and the line stays as it was.
TEST_F(Sales, CorrectionWhoseProductWriteIsRefusedKeepsTheOldLine)
{
    correct(LineA1, [&] {
        store->exec("update jxc set 库存数量 = 4 where 商品编号 = 'A1'");
        retype(sale().Edit2, "3");
        sale().SpeedButton2->click();
        EXPECT_TRUE(sale().isVisible());
    });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].icon, platform::Icon::Stop);
    EXPECT_EQ(lineField(1, "销售数量||','||销售金额"), "5.0,50.0");
    EXPECT_EQ(productField("A1", "销售数量||','||库存数量"), "5.0,4.0");
    EXPECT_EQ(current(detail().ADOQuery1, "销售数量"), "5");
}

TEST_F(Sales, CorrectionWithNoLinesIsRefused)
{
    store->exec("delete from xsmx");
    detail().Button2->click();
    detail().SpeedButton4->click();
    EXPECT_EQ(texts(), QStringList({"修改销售明细为空！"}));
    EXPECT_TRUE(user.modalShown.empty());
}

}  // namespace
