// Purchasing as the user meets it: the product entry window for new products
// and corrections, the purchase amount, and the deletion of marked products.
#include "tests/ui/AppFixture.h"
#include "tests/engine/LocalTimeZone.h"

#include "db/ConnectionString.h"
#include "db/Regional.h"
#include "platform/DBGridEh.h"
#include "platform/StatusBar.h"
#include "purchasing/XzspUnit.h"
#include "sales/XsmxUnit.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

// P1 has a three-decimal price, P2 has sales, P3 and P4 none; P2 and P3
// have sales lines.
const char* kProducts =
    "insert into jxc (商品编号,商品名称,商品规格,商品型号,单位,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,"
    "销售利润,库存数量,库存金额,供货厂商,供货电话,备注) values "
    "('P1','矿泉水','550ml','怡宝','瓶','2014-01-01 00:00:00',12.345,2.5,30.8625,0,0,null,2.5,30.8625,'深圳水厂','0755-1','冰'),"
    "('P2','方便面','5连包','康师傅','袋','2014-01-31 00:00:00',1.5,10,15,2,5,2,8,12,'天津食品','022-2',''),"
    "('P3','矿泉水','1.5L','农夫','瓶','2014-02-01 00:00:00',3,4,12,0,0,null,4,12,'杭州水厂','0571-3',''),"
    "('P4','火腿肠','10支','双汇','包','2014-02-03 00:00:00',8,5,40,0,0,null,5,40,'漯河','0395-4','')";
const char* kSales =
    "insert into xsmx (商品编号,商品名称,销售日期,销售单价,销售数量,销售金额) values "
    "('P2','方便面','2014-02-01 00:00:00',2.5,2,5),('P3','矿泉水','2014-02-02 00:00:00',4,1,4),"
    "('P3','矿泉水','2014-02-03 00:00:00',4,1,4)";

// The number columns as the store holds them after a save.
const char* kFigures[] = {"进货单价", "进货数量", "进货金额", "销售数量", "销售金额", "库存数量", "库存金额"};

// One key stroke as the window system delivers it: press, then release.
void stroke(QWidget* w, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void type(QLineEdit* field, const QString& keys)
{
    for (QChar c : keys) {
        int key = c.toUpper().unicode();
        if (c == u'.') key = Qt::Key_Period;
        stroke(field, key, QString(c));
    }
}

void backspace(QLineEdit* field) { stroke(field, Qt::Key_Backspace, QString(QChar(8))); }

// A field's whole text replaced by typing, as the user does after selecting it.
void retype(QLineEdit* field, const QString& keys)
{
    field->selectAll();
    type(field, keys);
}

class Purchasing : public AppFixture {
protected:
    void fillStore() override
    {
        store->exec(QString::fromUtf8(kProducts));
        store->exec(QString::fromUtf8(kSales));
    }

    // Runs `act` on the product entry window while a command shows it.
    void whileOpen(std::function<void(TXzspForm&)> act)
    {
        user.onModal = [act](QWidget* w) {
            ASSERT_EQ(w, XzspForm);
            act(*XzspForm);
        };
    }

    // One column of the product table as the store holds it now, read afresh
    // on a connection of the test's own; "<null>" for no value.
    QStringList stored(const char* field) const
    {
        TADOConnection connection;
        connection.setConnectionString(connstr::shortForm());
        TADOQuery q(&connection);
        q.SQL.Add(QStringLiteral("select * from jxc"));
        q.Open();
        const int col = q.fieldIndex(QString::fromUtf8(field));
        QStringList out;
        for (int r = 0; r < q.RecordCount(); ++r) out << (q.cellIsNull(r, col) ? "<null>" : q.cellText(r, col));
        return out;
    }
    // The figures of the last stored product, in the order of kFigures.
    QStringList lastFigures() const
    {
        QStringList out;
        for (const char* f : kFigures) out << stored(f).value(stored(f).size() - 1);
        return out;
    }
    int storedCount(const char* table) const
    {
        return store->scalar(QString("select count(*) from ") + table).toInt();
    }
};

class EmptyProducts : public AppFixture {};

// ---- the window -------------------------------------------------------------

TEST_F(Purchasing, WindowIsLaidOutAsAFixedDialogWithTheFieldsInFocusOrder)
{
    TXzspForm& f = *XzspForm;
    EXPECT_EQ(f.windowTitle(), "进货管理");
    EXPECT_EQ(f.size(), QSize(443, 248));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_EQ(f.Panel1->geometry(), QRect(0, 0, 443, 49));
    EXPECT_EQ(f.Label1->text(), "进货管理   新增商品");
    EXPECT_EQ(f.Label1->pos(), QPoint(16, 15));
    EXPECT_TRUE(f.Label1->font().bold());
    EXPECT_EQ(f.Label1->font().pixelSize(), 19);
    EXPECT_EQ(f.Label2->text(), "@");
    EXPECT_EQ(f.Label2->geometry(), QRect(104, 12, 21, 24));
    EXPECT_EQ(f.SpeedButton1->geometry(), QRect(296, 13, 50, 22));
    EXPECT_EQ(f.SpeedButton3->geometry(), f.SpeedButton1->geometry());
    EXPECT_EQ(f.SpeedButton2->geometry(), QRect(360, 13, 50, 22));
    for (QToolButton* b : {f.SpeedButton1, f.SpeedButton2, f.SpeedButton3}) {
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
        EXPECT_FALSE(b->text().contains('&'));
    }
    EXPECT_EQ(f.Edit1->geometry(), QRect(88, 16, 121, 21));
    EXPECT_EQ(f.Edit11->geometry(), QRect(288, 16 + 5 * 24, 121, 21));
    EXPECT_EQ(f.DateTimePicker1->geometry(), QRect(288, 16 + 2 * 24, 121, 21));
    EXPECT_EQ(f.Panel2->mapTo(&f, QPoint(0, 0)).y(), 49);
    EXPECT_EQ(f.StatusBar1->geometry(), QRect(0, 226, 443, 22));
    EXPECT_EQ(f.StatusBar1->panelCount(), 0);
    EXPECT_TRUE(f.Edit8->isReadOnly());
    EXPECT_EQ(f.Edit8->palette().color(QPalette::Base), QColor(4227327 & 0xFF, (4227327 >> 8) & 0xFF, 4227327 >> 16));

}

TEST_F(Purchasing, TabWalksTheFieldsInOrderFromTheFirst)
{
    whileOpen([&](TXzspForm& f) {
        f.activateWindow();
        QApplication::processEvents();
        const std::vector<QWidget*> order = {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.DateTimePicker1,
                                             f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10, f.Edit11, f.Edit1};
        std::vector<QWidget*> walked = {f.focusWidget()};
        for (size_t i = 1; i < order.size(); ++i) {
            // The date picker takes Tab to leave, not to step through its sections.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(f.focusWidget(), &tab);
            walked.push_back(f.focusWidget());
        }
        EXPECT_EQ(walked, order);
    });
    XzspForm->Edit9->setFocus();  // where a previous entry left it
    MainForm->SpeedButton8->click();
}

// ---- new products -----------------------------------------------------------

struct Opener {
    const char* name;
    void (*trigger)();
};

void PrintTo(const Opener& o, std::ostream* os) { *os << o.name; }

class OpenNew : public Purchasing, public ::testing::WithParamInterface<Opener> {};

TEST_P(OpenNew, AlwaysResetsTheFieldsToADefaultProductOfToday)
{
    TXzspForm& f = *XzspForm;
    // Whatever a correction left behind.
    f.Label1->setText("进货管理   修改");
    f.SpeedButton1->hide();
    f.SpeedButton3->show();
    for (QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10,
                         f.Edit11})
        e->setText("x");
    f.DateTimePicker1->setDate(QDate(2001, 2, 3));

    bool shown = false;
    whileOpen([&](TXzspForm& f) {
        shown = f.isVisible();
        EXPECT_EQ(f.Label1->text(), "进货管理   新增商品");
        EXPECT_FALSE(f.SpeedButton1->isHidden());
        EXPECT_TRUE(f.SpeedButton3->isHidden());
        for (QLineEdit* e : {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit9, f.Edit10, f.Edit11})
            EXPECT_TRUE(e->text().isEmpty());
        EXPECT_EQ(f.Edit6->text(), "0");
        EXPECT_EQ(f.Edit7->text(), "1");
        EXPECT_EQ(f.Edit8->text(), "0");
        EXPECT_EQ(f.DateTimePicker1->date(), QDate::currentDate());
    });
    GetParam().trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(user.modalShown.size(), 1u);
    EXPECT_TRUE(user.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, OpenNew,
                         ::testing::Values(Opener{"LargeButton", [] { MainForm->SpeedButton8->click(); }},
                                           Opener{"PurchasingMenu", [] { MainForm->N1->trigger(); }},
                                           Opener{"GridMenu", [] { MainForm->N16->trigger(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Purchasing, SavingAtOnceStoresTheDefaultProductAndAgainAnotherWhileTheWindowStaysOpen)
{
    whileOpen([&](TXzspForm& f) {
        f.SpeedButton1->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 5);  // the new row is current
        EXPECT_EQ(MainForm->DBGridEh1->footerText(7), "22.5");
        f.SpeedButton1->click();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 6);
    });
    MainForm->SpeedButton8->click();
    EXPECT_TRUE(user.messages.empty());
    ASSERT_EQ(storedCount("jxc"), 6);
    const QStringList defaults = {"0", "1", "0", "0", "0", "1", "0"};
    for (size_t i = 0; i < std::size(kFigures); ++i)
        EXPECT_EQ(stored(kFigures[i]).mid(4), QStringList({defaults[int(i)], defaults[int(i)]})) << kFigures[i];
    EXPECT_EQ(stored("商品编号").mid(4), QStringList({"", ""}));
    EXPECT_EQ(stored("销售利润").mid(4), QStringList({"<null>", "<null>"}));
    EXPECT_EQ(stored("进货日期").mid(4).value(0), regional::formatShortDate(QDate::currentDate()));
    // After closing, the grid is read afresh from its first row.
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 6);
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 1);
}

TEST_F(Purchasing, TypedPriceAndQuantityGiveTheAmountAndTheStock)
{
    whileOpen([&](TXzspForm& f) {
        type(f.Edit1, "P9");
        type(f.Edit2, "酱油");
        f.DateTimePicker1->setDate(QDate(2014, 3, 4));
        retype(f.Edit6, "5");
        EXPECT_EQ(f.Edit8->text(), "5");
        retype(f.Edit7, "4");
        EXPECT_EQ(f.Edit8->text(), "20");
        type(f.Edit11, "备注");
        f.SpeedButton1->click();
        // Reset for the next product; the date stays.
        EXPECT_TRUE(f.Edit1->text().isEmpty());
        EXPECT_TRUE(f.Edit11->text().isEmpty());
        EXPECT_EQ(f.Edit6->text(), "0");
        EXPECT_EQ(f.Edit7->text(), "1");
        EXPECT_EQ(f.Edit8->text(), "0");
        EXPECT_EQ(f.DateTimePicker1->date(), QDate(2014, 3, 4));
    });
    MainForm->N1->trigger();
    EXPECT_EQ(lastFigures(), QStringList({"5", "4", "20", "0", "0", "4", "20"}));
    EXPECT_EQ(stored("商品编号").last(), "P9");
    EXPECT_EQ(stored("商品名称").last(), "酱油");
    EXPECT_EQ(stored("进货日期").last(), regional::formatShortDate(QDate(2014, 3, 4)));
    EXPECT_EQ(stored("备注").last(), "备注");
    EXPECT_EQ(store->scalar("select 进货日期 from jxc where 商品编号 = 'P9'"), "2014-03-04 00:00:00");
}

// Where daylight saving starts at midnight, the product is stored on the
// chosen day, never without a date, and its correction opens on that day.
TEST_F(Purchasing, AProductBoughtOnADayWithoutALocalMidnightKeepsItsDay)
{
    LocalTimeZone zone("America/Sao_Paulo");
    if (!LocalTimeZone::midnightMissing(saoPauloGapDay())) GTEST_SKIP() << "no time zone data";
    whileOpen([&](TXzspForm& f) {
        type(f.Edit1, "DST");
        f.DateTimePicker1->setDate(saoPauloGapDay());
        f.SpeedButton1->click();
    });
    MainForm->N1->trigger();
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(store->scalar("select 进货日期 from jxc where 商品编号 = 'DST'"), "2018-11-04 00:00:00");
    MainForm->ADOQuery1.Last();
    whileOpen([&](TXzspForm& f) { EXPECT_EQ(f.DateTimePicker1->date(), saoPauloGapDay()); });
    MainForm->N2->trigger();
}

TEST_F(Purchasing, EmptiedQuantityKeepsTheAmountAndStoresNoQuantityNorStock)
{
    whileOpen([&](TXzspForm& f) {
        retype(f.Edit6, "5");
        ASSERT_EQ(f.Edit8->text(), "5");
        f.Edit7->end(false);
        backspace(f.Edit7);
        EXPECT_TRUE(f.Edit7->text().isEmpty());
        EXPECT_EQ(f.Edit8->text(), "5");
        f.SpeedButton1->click();
    });
    MainForm->SpeedButton8->click();
    EXPECT_EQ(lastFigures(), QStringList({"5", "<null>", "5", "0", "0", "<null>", "5"}));
}

TEST_F(Purchasing, OnlyAllElevenFieldsEmptyAreRefused)
{
    whileOpen([&](TXzspForm& f) {
        f.Edit6->clear();
        f.Edit7->clear();
        f.Edit8->clear();
        f.SpeedButton1->click();
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, "新增商品不能为空！");
        EXPECT_EQ(user.messages[0].caption, "提示");
        EXPECT_EQ(user.messages[0].owner, XzspForm);
        EXPECT_EQ(user.messages[0].icon, platform::Icon::None);
        EXPECT_EQ(storedCount("jxc"), 4);
        EXPECT_TRUE(f.Edit6->text().isEmpty());  // left as they were

        f.Edit10->setText(" ");  // any text at all will do
        f.SpeedButton1->click();
        EXPECT_EQ(user.messages.size(), 1u);
    });
    MainForm->SpeedButton8->click();
    EXPECT_EQ(storedCount("jxc"), 5);
    EXPECT_EQ(lastFigures(), QStringList({"<null>", "<null>", "<null>", "0", "0", "<null>", "<null>"}));
}

// ---- the purchase amount ----------------------------------------------------

struct AmountCase {
    const char* name;
    const char* price;
    const char* quantity;
    const char* key;     // typed into 进货数量 at its end
    const char* amount;  // 进货金额 afterwards
};

void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class PurchaseAmount : public Purchasing, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(PurchaseAmount, FollowsEveryKeyReleaseInTheQuantity)
{
    const AmountCase& c = GetParam();
    whileOpen([&](TXzspForm& f) {
        f.Edit8->setText("before");
        f.Edit6->setText(c.price);
        f.Edit7->setText(c.quantity);
        f.Edit7->end(false);
        type(f.Edit7, c.key);
        EXPECT_EQ(f.Edit8->text(), c.amount);
    });
    MainForm->SpeedButton8->click();
    EXPECT_TRUE(user.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Figures, PurchaseAmount,
    ::testing::Values(AmountCase{"PlainProduct", "12.5", "", "3", "37.5"},
                      AmountCase{"NoRoundingOfItsOwn", "0.1", "", "3", "0.3"},
                      AmountCase{"ThreeDecimalsStay", "2.675", "", "1", "2.675"},
                      AmountCase{"LonePointIsZero", ".", "", "5", "0"},
                      AmountCase{"RefusedLetterStillRecomputes", "2", "3", "a", "6"},
                      AmountCase{"SecondPointRefusedStillRecomputes", "2", "1.5", ".", "3"},
                      AmountCase{"EmptyPriceKeepsTheAmount", "", "", "4", "before"},
                      AmountCase{"LargeIsScientific", "123456789", "100000000", "0", "1.23456789E17"},
                      AmountCase{"SmallIsScientific", "0.00002", "", "1", "2E-5"},
                      AmountCase{"TenThousandthIsFixed", "0.0001", "", "1", "0.0001"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Purchasing, PriceKeysRecomputeTooAndAPastedNonNumberShowsTheErrorAndKeepsTheAmount)
{
    whileOpen([&](TXzspForm& f) {
        f.Edit7->setText("4");
        retype(f.Edit6, "2.5");
        EXPECT_EQ(f.Edit6->text(), "2.5");
        EXPECT_EQ(f.Edit8->text(), "10");
        type(f.Edit6, "-x");  // refused, but recomputed
        EXPECT_EQ(f.Edit6->text(), "2.5");
        EXPECT_TRUE(user.messages.empty());

        f.Edit6->setText("2,5");  // pasted
        type(f.Edit6, "1");
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, "'2,51' is not a valid floating point value.");
        EXPECT_EQ(user.messages[0].icon, platform::Icon::Stop);
        EXPECT_EQ(f.Edit8->text(), "10");
    });
    MainForm->SpeedButton8->click();
}

// ---- a save that stops half-way ----------------------------------------------

struct HalfWayCase {
    const char* name;
    bool correction;
    QLineEdit* TXzspForm::*field;
    const char* column;
};

void PrintTo(const HalfWayCase& c, std::ostream* os) { *os << c.name; }

class HalfWay : public Purchasing, public ::testing::WithParamInterface<HalfWayCase> {};

TEST_P(HalfWay, ShowsTheColumnsErrorStoresNothingNowOrLaterAndKeepsTheFields)
{
    const HalfWayCase& c = GetParam();
    const QStringList names = stored("商品名称");
    whileOpen([&](TXzspForm& f) {
        f.Edit2->setText("半截");
        (f.*c.field)->setText("12abc");
        QToolButton* save = c.correction ? f.SpeedButton3 : f.SpeedButton1;
        save->click();
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text.toStdString(),
                  std::string("'12abc' is not a valid floating point value for field '") + c.column + "'");
        EXPECT_EQ(user.messages[0].caption, platform::applicationTitle());
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.Edit2->text(), "半截");
        EXPECT_EQ((f.*c.field)->text(), "12abc");
        EXPECT_EQ(MainForm->ADOQuery1.state(), TADOQuery::State::Browse);
        EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 4);
        // A later move or post brings nothing half-filled into the store.
        MainForm->ADOQuery1.First();
        MainForm->ADOQuery1.Post();
        EXPECT_EQ(stored("商品名称"), names);

        // Put right, the next save writes every field again.
        (f.*c.field)->setText("3");
        save->click();
        EXPECT_EQ(user.messages.size(), c.correction ? 2u : 1u);
    });
    if (c.correction) MainForm->N2->trigger();
    else MainForm->SpeedButton8->click();
    QStringList expected = names;
    if (c.correction) expected[0] = "半截";
    else expected << "半截";
    EXPECT_EQ(stored("商品名称"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, HalfWay,
    ::testing::Values(HalfWayCase{"NewPrice", false, &TXzspForm::Edit6, "进货单价"},
                      HalfWayCase{"NewQuantity", false, &TXzspForm::Edit7, "进货数量"},
                      HalfWayCase{"CorrectedPrice", true, &TXzspForm::Edit6, "进货单价"},
                      HalfWayCase{"CorrectedQuantity", true, &TXzspForm::Edit7, "进货数量"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- leaving ------------------------------------------------------------------

TEST_F(Purchasing, LeavingRereadsTheProductsFromTheFirstRowAndKeepsTheSearchFields)
{
    for (bool byButton : {true, false}) {
        MainForm->Edit2->setText("矿泉水");
        MainForm->Button1->click();
        ASSERT_EQ(MainForm->ADOQuery1.RecordCount(), 2);
        MainForm->ADOQuery1.Last();
        store->exec("update jxc set 商品名称 = '新名' where 商品编号 = 'P4'");
        whileOpen([&](TXzspForm& f) {
            if (byButton) f.SpeedButton2->click();
            else f.close();
            EXPECT_FALSE(f.isVisible());
        });
        MainForm->SpeedButton8->click();
        EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 4) << byButton;
        EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 1);
        EXPECT_EQ(column("商品名称").last(), "新名");
        EXPECT_EQ(MainForm->Edit2->text(), "矿泉水");
        EXPECT_TRUE(MainForm->isVisible());
    }
    EXPECT_EQ(storedCount("jxc"), 4);
}

// ---- corrections --------------------------------------------------------------

TEST_F(Purchasing, CorrectionOpensWithTheFiguresToTwoDecimalsAndStoresThemUnchanged)
{
    whileOpen([&](TXzspForm& f) {
        EXPECT_EQ(f.Label1->text(), "进货管理   修改");
        EXPECT_TRUE(f.SpeedButton1->isHidden());
        EXPECT_FALSE(f.SpeedButton3->isHidden());
        EXPECT_EQ(f.Edit1->text(), "P1");
        EXPECT_EQ(f.Edit5->text(), "瓶");
        EXPECT_EQ(f.DateTimePicker1->date(), QDate(2014, 1, 1));
        EXPECT_EQ(f.Edit6->text(), "12.35");
        EXPECT_EQ(f.Edit7->text(), "2.5");
        EXPECT_EQ(f.Edit8->text(), "30.86");
        EXPECT_EQ(f.Edit9->text(), "深圳水厂");
        EXPECT_EQ(f.Edit11->text(), "冰");
        f.SpeedButton3->click();
        EXPECT_FALSE(f.isVisible());
    });
    MainForm->N2->trigger();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "修改进货商品成功！");
    EXPECT_EQ(user.messages[0].caption, "提示");
    EXPECT_EQ(user.messages[0].owner, XzspForm);
    // Not recomputed: the amount is the two-decimal text the window showed.
    EXPECT_EQ(stored("进货单价")[0], "12.35");
    EXPECT_EQ(stored("进货金额")[0], "30.86");
    EXPECT_EQ(stored("库存数量")[0], "2.5");
    EXPECT_EQ(stored("库存金额")[0], "30.86");
    EXPECT_EQ(stored("进货日期")[0], regional::formatShortDate(QDate(2014, 1, 1)));
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 1);
}

TEST_F(Purchasing, CorrectionTakesTheFocusedRowNotTheMarkedOnes)
{
    DBGridEh* grid = MainForm->DBGridEh1;
    MainForm->ADOQuery1.SetRecNo(3);
    grid->selectRow(0);
    grid->selectRow(3);
    whileOpen([&](TXzspForm& f) {
        EXPECT_EQ(f.Edit1->text(), "P3");
        f.Edit2->setText("矿泉水（大）");
        f.SpeedButton3->click();
    });
    MainForm->N17->trigger();
    EXPECT_EQ(stored("商品名称"), QStringList({"矿泉水", "方便面", "矿泉水（大）", "火腿肠"}));
    EXPECT_EQ(user.messages.size(), 1u);
}

struct StockCase {
    const char* name;
    int recNo;            // the product corrected
    const char* price;    // typed into 进货单价
    const char* quantity; // typed into 进货数量
    QStringList figures;  // in the order of kFigures, row afterwards
};

void PrintTo(const StockCase& c, std::ostream* os) { *os << c.name; }

class CorrectedStock : public Purchasing, public ::testing::WithParamInterface<StockCase> {};

TEST_P(CorrectedStock, KeepsTheQuantityOnHandAndLeavesTheSalesAlone)
{
    const StockCase& c = GetParam();
    MainForm->ADOQuery1.SetRecNo(c.recNo);
    whileOpen([&](TXzspForm& f) {
        retype(f.Edit6, c.price);
        retype(f.Edit7, c.quantity);
        if (QString(c.quantity).isEmpty()) backspace(f.Edit7);
        f.SpeedButton3->click();
    });
    MainForm->N2->trigger();
    QStringList figures;
    for (const char* field : kFigures) figures << stored(field)[c.recNo - 1];
    EXPECT_EQ(figures, c.figures);
    EXPECT_EQ(stored("销售利润")[c.recNo - 1], c.recNo == 2 ? "2" : "<null>");
}

INSTANTIATE_TEST_SUITE_P(
    Products, CorrectedStock,
    ::testing::Values(
        StockCase{"WithoutSalesTheStockIsThePurchase", 3, "2.5", "6", {"2.5", "6", "15", "0", "0", "6", "15"}},
        StockCase{"WithSalesTheSoldQuantityIsKeptOff", 2, "1.2", "12", {"1.2", "12", "14.4", "2", "5", "10", "12"}},
        StockCase{"WithSalesAndNoQuantityTheStockIsEmpty", 2, "1.2", "",
                  {"1.2", "<null>", "12", "2", "5", "<null>", "<null>"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Purchasing, CorrectionOfARowWithoutAFigureStopsBeforeTheWindowOpens)
{
    store->exec("update jxc set 进货数量 = null where 商品编号 = 'P4'");
    MainForm->Button2->click();
    MainForm->ADOQuery1.SetRecNo(4);
    MainForm->N2->trigger();
    EXPECT_TRUE(user.modalShown.empty());
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "'' is not a valid floating point value.");
    // What the preparation set before the failing figure stays.
    EXPECT_EQ(XzspForm->Label1->text(), "进货管理   修改");
    EXPECT_FALSE(XzspForm->SpeedButton3->isHidden());
    EXPECT_EQ(XzspForm->Edit1->text(), "P4");
    EXPECT_EQ(XzspForm->Edit6->text(), "8");
}

TEST_F(Purchasing, AProductWithoutADateOpensWithTodayRatherThanAnInventedDay)
{
    store->exec("update jxc set 进货日期 = null where 商品编号 = 'P3'");
    MainForm->Button2->click();
    MainForm->ADOQuery1.SetRecNo(3);
    whileOpen([&](TXzspForm& f) {
        EXPECT_EQ(f.DateTimePicker1->date(), QDate::currentDate());
        f.SpeedButton3->click();
    });
    MainForm->N2->trigger();
    EXPECT_EQ(stored("进货日期")[2], regional::formatShortDate(QDate::currentDate()));
}

TEST_F(Purchasing, SavingACorrectionOfAnEmptiedTableIsRefusedAndTheWindowStaysOpen)
{
    whileOpen([&](TXzspForm& f) {
        while (MainForm->ADOQuery1.RecordCount() > 0) MainForm->ADOQuery1.Delete();
        f.SpeedButton3->click();
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, "当前修改进货商品为空！");
        EXPECT_EQ(user.messages[0].owner, XzspForm);
        EXPECT_TRUE(f.isVisible());
    });
    MainForm->N2->trigger();
    EXPECT_EQ(storedCount("jxc"), 0);
}

TEST_F(EmptyProducts, CorrectingWithoutProductsIsRefusedByTheMainWindow)
{
    for (QAction* command : {MainForm->N2, MainForm->N17}) {
        user.messages.clear();
        command->trigger();
        ASSERT_EQ(user.messages.size(), 1u);
        EXPECT_EQ(user.messages[0].text, "修改商品记录为空！");
        EXPECT_EQ(user.messages[0].owner, MainForm);
    }
    EXPECT_TRUE(user.modalShown.empty());
}

// ---- deletion -----------------------------------------------------------------

TEST_F(Purchasing, DeletingThreeMarkedRowsLeavesNoMarksAndTheirSalesLinesStay)
{
    DBGridEh* grid = MainForm->DBGridEh1;
    for (int row : {0, 1, 2}) grid->selectRow(row);
    MainForm->N3->trigger();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "确定要删除选中的记录？");
    EXPECT_EQ(user.messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(user.messages[0].buttons, platform::Buttons::OKCancel);
    EXPECT_EQ(user.messages[0].owner, MainForm);
    EXPECT_EQ(column("商品编号"), QStringList({"P4"}));
    EXPECT_EQ(stored("商品编号"), QStringList({"P4"}));
    EXPECT_TRUE(grid->selectedRows().empty());
    EXPECT_EQ(grid->footerText(7), "5");
    EXPECT_EQ(storedCount("xsmx"), 3);
    XsmxForm->ADOQuery1.Close();
    XsmxForm->ADOQuery1.Open();
    EXPECT_EQ(XsmxForm->ADOQuery1.RecordCount(), 3);
}

struct RefusedDeletion {
    const char* name;
    std::vector<int> marks;
    bool viaGridMenu;
    platform::Icon icon;  // of the one box shown
};

void PrintTo(const RefusedDeletion& c, std::ostream* os) { *os << c.name; }

class DeleteNothing : public Purchasing, public ::testing::WithParamInterface<RefusedDeletion> {};

TEST_P(DeleteNothing, WithoutMarksOrOnCancelNothingIsDeleted)
{
    const RefusedDeletion& c = GetParam();
    MainForm->ADOQuery1.SetRecNo(2);
    for (int row : c.marks) MainForm->DBGridEh1->selectRow(row);
    user.answers.push_back(platform::Answer::Cancel);
    (c.viaGridMenu ? MainForm->N18 : MainForm->N3)->trigger();
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].icon, c.icon);
    EXPECT_EQ(user.messages[0].caption, "提示");
    if (c.icon == platform::Icon::Information) {
        EXPECT_EQ(user.messages[0].text, "请单击左边的序号选中一条记录或拖选一段记录，\n"
                                         "也可以用Ctrl及Shift来进行多选，然后再删除信息。");
        EXPECT_EQ(user.messages[0].owner, nullptr);
    }
    EXPECT_EQ(storedCount("jxc"), 4);
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 4);
    EXPECT_EQ(MainForm->DBGridEh1->selectedRows(), c.marks);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DeleteNothing,
    ::testing::Values(RefusedDeletion{"NoMarkButACurrentRow", {}, false, platform::Icon::Information},
                      RefusedDeletion{"NoMarkFromTheGridMenu", {}, true, platform::Icon::Information},
                      RefusedDeletion{"Cancelled", {1, 3}, false, platform::Icon::Warning},
                      RefusedDeletion{"CancelledFromTheGridMenu", {0}, true, platform::Icon::Warning}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Purchasing, GridMenuDeletesTheMarkedRowsToo)
{
    MainForm->DBGridEh1->selectRow(3);
    MainForm->DBGridEh1->selectRow(1);
    MainForm->N18->trigger();
    EXPECT_EQ(stored("商品编号"), QStringList({"P1", "P3"}));
    EXPECT_EQ(user.messages.size(), 1u);
}

}  // namespace
