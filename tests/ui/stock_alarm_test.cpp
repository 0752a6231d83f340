// The stock alarm as the user meets it: the threshold window, its check on
// every key release, saving, and the yellow rows of the main and summary grids.
#include "tests/ui/AppFixture.h"
#include "tests/ui/Keys.h"

#include "platform/DBGridEh.h"
#include "platform/StatusBar.h"
#include "reports/SphzUnit.h"
#include "stock/KcglUnit.h"
#include "stock/LowStock.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

const QColor kYellow(255, 255, 0);
const QString kTooSmall = QStringLiteral("库存报警数必须大于0！");
const QString kSaved = QStringLiteral("库存报警设置成功！");

// A product row whose only figure of interest is its stock ("null" for none).
QString productWithStock(const QString& code, const QString& stock)
{
    return QStringLiteral("insert into jxc (商品编号,商品名称,进货单价,进货数量,库存数量) values ('%1','货品',1,1,%2);")
        .arg(code, stock);
}

// The threshold row as the store holds it: an SQL value, or no row at all.
// A text that is not a number needs a table without the kind constraint, as
// an older or damaged store may have it.
QString thresholdRow(const QString& value)
{
    if (value == "no row") return QStringLiteral("delete from kcbj;");
    if (value.startsWith('\''))
        return QStringLiteral("drop table kcbj; create table kcbj (库存报警数 REAL); insert into kcbj values (%1);")
            .arg(value);
    return QStringLiteral("update kcbj set 库存报警数=%1;").arg(value);
}

// Whether every cell of each row is yellow, one letter a row: Y or -. A row
// that is not yellow must show the grid's own colour in every cell.
QString yellowRows(const DBGridEh& grid)
{
    QString out;
    const int rows = grid.dataSet()->recordCount();
    for (int r = 0; r < rows; ++r) {
        const QColor own = r == grid.dataSet()->currentIndex()
                               ? grid.palette().color(QPalette::Highlight)
                               : (r % 2 == 0 ? DBGridEh::oddRowColor() : DBGridEh::evenRowColor());
        int yellow = 0, plain = 0;
        const int cols = int(grid.columns().size());
        for (int c = 0; c < cols; ++c) {
            const QColor bg = grid.cellBackground(r, c);
            yellow += bg == kYellow;
            plain += bg == own;
        }
        out += yellow == cols ? u'Y' : plain == cols ? u'-' : u'?';
    }
    return out;
}

class StockAlarmBase : public AppFixture {
protected:
    TKcglForm& alarm() { return *KcglForm; }
    QString storedThreshold() const { return store->scalar("select 库存报警数 from kcbj"); }
    int thresholdRows() const { return store->scalar("select count(*) from kcbj").toInt(); }
    // Opens the stock alarm window from the toolbar; `act` plays the user.
    void openAlarm(const std::function<void(TKcglForm&)>& act, bool fromMenu = false)
    {
        user.onModal = [act](QWidget* w) {
            if (w == KcglForm) act(*KcglForm);
        };
        if (fromMenu) MainForm->N26->trigger();
        else MainForm->SpeedButton3->click();
    }
    // The summary's yellow rows, as it shows them.
    QString summaryYellowRows()
    {
        QString rows;
        user.onModal = [&rows](QWidget* w) {
            if (w == SphzForm) rows = yellowRows(*SphzForm->DBGridEh1);
        };
        MainForm->SpeedButton11->click();
        return rows;
    }
    // The texts of the message boxes so far, joined by "|".
    QString texts() const
    {
        QStringList out;
        for (const auto& m : user.messages) out << m.text;
        return out.join(u'|');
    }
};

// ---- the highlight ------------------------------------------------------------

struct HighlightCase {
    const char* threshold;            // SQL value of 库存报警数, or "no row"
    std::vector<const char*> stocks;  // SQL values of 库存数量, one product each
    const char* yellow;               // Y / - per product, in both grids
};

void PrintTo(const HighlightCase& c, std::ostream* os) { *os << "threshold " << c.threshold; }

class Highlight : public StockAlarmBase, public ::testing::WithParamInterface<HighlightCase> {
protected:
    void fillStore() override
    {
        QString sql;
        int n = 0;
        for (const char* s : GetParam().stocks) sql += productWithStock(QString("P%1").arg(++n), s);
        store->exec(sql + thresholdRow(GetParam().threshold));
    }
};

TEST_P(Highlight, RowsBelowTheThresholdAreYellowInEveryCellOfBothGrids)
{
    // Away from the first row, so the current row's colour is not in the way.
    MainForm->ADOQuery1.Last();
    MainForm->ADOQuery1.Next();
    EXPECT_EQ(yellowRows(*MainForm->DBGridEh1), GetParam().yellow) << "main window";
    EXPECT_EQ(summaryYellowRows(), GetParam().yellow) << "summary";
    EXPECT_TRUE(user.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    StockAlarm, Highlight,
    ::testing::Values(
        // Strictly below, as numbers: 4.5 < 5, and 10 is not below 9 though "10" < "9" as texts.
        HighlightCase{"5", {"4", "4.5", "5", "5.5", "100", "null"}, "YY----"},
        HighlightCase{"1", {"-3", "0", "0.5", "1", "1.0001"}, "YYY--"},
        HighlightCase{"9", {"10", "8.99", "90"}, "-Y-"},
        // Nothing to compare with: no threshold yet, an emptied one, a text that is not a number.
        HighlightCase{"no row", {"-3", "0", "4"}, "---"},
        HighlightCase{"null", {"-3", "0", "4"}, "---"},
        HighlightCase{"'很多'", {"-3", "0", "4"}, "---"},
        HighlightCase{"' 5 '", {"4", "5"}, "Y-"}));

TEST(LowStockRule, ComparesTheTextsAsNumbersAndNeverAnEmptyOrNonNumber)
{
    const struct {
        const char* stock;
        const char* threshold;
        bool below;
    } cases[] = {
        {"4", "5", true},   {"5", "5", false},  {"5.5", "5", false}, {"-1", "1", true},
        {"10", "9", false}, {"9", "10", true},  {"", "5", false},    {"4", "", false},
        {"abc", "5", false}, {"4", "abc", false}, {".", "1", true},  {"1E2", "1E3", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stock::belowThreshold(c.stock, c.threshold), c.below) << c.stock << " < " << c.threshold;
}

// ---- the window ---------------------------------------------------------------

class StockAlarm : public StockAlarmBase {
protected:
    void fillStore() override
    {
        store->exec(productWithStock("P1", "4") + productWithStock("P2", "8") + productWithStock("P3", "12") +
                    thresholdRow("5"));
    }
};

class NoThreshold : public StockAlarm {
protected:
    void fillStore() override
    {
        StockAlarm::fillStore();
        store->exec(thresholdRow("no row"));
    }
};

TEST_F(StockAlarm, WindowIsLaidOutAsAFixedDialogWithOnlyTheFieldTakingTheFocus)
{
    TKcglForm& f = alarm();
    EXPECT_EQ(f.windowTitle(), "库存管理");
    EXPECT_EQ(f.size(), QSize(299, 128));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(f.Panel1->geometry(), QRect(0, 0, 299, 49));
    EXPECT_EQ(f.Panel1->frameShadow(), QFrame::Raised);
    EXPECT_EQ(f.Panel1->lineWidth(), 2);
    EXPECT_EQ(f.Label1->text(), "库存管理   报警设置");
    EXPECT_EQ(f.Label1->pos(), QPoint(16, 15));
    EXPECT_TRUE(f.Label1->font().bold());
    EXPECT_EQ(f.Label1->font().pixelSize(), 19);
    EXPECT_EQ(f.Label2->text(), "@");
    EXPECT_EQ(f.Label2->pos(), QPoint(104, 12));
    EXPECT_TRUE(f.Label2->font().bold());
    EXPECT_EQ(f.Panel2->geometry(), QRect(0, 49, 299, 57));
    EXPECT_EQ(f.Label3->text(), "库存报警数");
    EXPECT_EQ(f.Label3->pos(), QPoint(48, 20));
    EXPECT_EQ(f.Edit1->geometry(), QRect(120, 16, 41, 21));
    EXPECT_EQ(f.SpeedButton1->text(), "确定");
    EXPECT_EQ(f.SpeedButton1->geometry(), QRect(184, 16, 49, 22));
    for (QWidget* w : {static_cast<QWidget*>(f.Label3), static_cast<QWidget*>(f.Edit1),
                       static_cast<QWidget*>(f.SpeedButton1)})
        EXPECT_EQ(w->font().pixelSize(), 13);
    EXPECT_EQ(f.StatusBar1->geometry(), QRect(0, 106, 299, 22));
    ASSERT_EQ(f.StatusBar1->panelCount(), 1);
    EXPECT_EQ(f.StatusBar1->panelText(0), " 库存数量小于库存报警数时，记录显示黄色！");
    for (QWidget* w : f.findChildren<QWidget*>())
        if (w != f.Edit1 && !f.Edit1->isAncestorOf(w)) {
            EXPECT_EQ(w->focusPolicy() & Qt::TabFocus, 0) << w->metaObject()->className();
        }
}

TEST_F(StockAlarm, BothCommandsHideTheMainWindowAndShowTheLastSavedThreshold)
{
    for (bool fromMenu : {false, true}) {
        bool mainVisible = true;
        QString shown;
        openAlarm([&](TKcglForm& f) {
            mainVisible = MainForm->isVisible();
            shown = f.Edit1->text();
        }, fromMenu);
        EXPECT_FALSE(mainVisible);
        EXPECT_EQ(shown, "5");
        EXPECT_TRUE(MainForm->isVisible());
    }
    openAlarm([](TKcglForm& f) {
        f.Edit1->setText("7.5");
        f.SpeedButton1->click();
    });
    QString shown;
    openAlarm([&](TKcglForm& f) { shown = f.Edit1->text(); });
    EXPECT_EQ(shown, "7.5");
    EXPECT_EQ(user.modalShown.size(), 4u);
}

TEST_F(NoThreshold, SavingOnAnEmptyTableCreatesTheOneRowAndTheMainGridIsYellowAtOnce)
{
    EXPECT_EQ(yellowRows(*MainForm->DBGridEh1).remove(0, 1), "--");
    QString shown = "?";
    openAlarm([&](TKcglForm& f) {
        shown = f.Edit1->text();
        f.Edit1->setFocus();
        keys::type(f.Edit1, "10");
        f.SpeedButton1->click();
    });
    EXPECT_EQ(shown, "");
    EXPECT_EQ(thresholdRows(), 1);
    EXPECT_EQ(storedThreshold(), "10.0");
    EXPECT_EQ(texts(), kSaved);
    EXPECT_TRUE(MainForm->isVisible());
    MainForm->ADOQuery1.Last();
    EXPECT_EQ(yellowRows(*MainForm->DBGridEh1), "YY-");
}

TEST_F(StockAlarm, SavingOnAFullTableRewritesItsOneRow)
{
    openAlarm([](TKcglForm& f) {
        f.Edit1->selectAll();
        keys::type(f.Edit1, "9");
        f.SpeedButton1->click();
    }, true);
    EXPECT_EQ(thresholdRows(), 1);
    EXPECT_EQ(storedThreshold(), "9.0");
    MainForm->ADOQuery1.Last();
    EXPECT_EQ(yellowRows(*MainForm->DBGridEh1), "YY-");
}

// Records, with every message box, which windows were on screen under it.
class Watching : public platform::ScriptedInteraction {
public:
    struct Seen {
        QString text;
        QWidget* owner;
        bool alarmVisible, mainVisible;
    };
    std::vector<Seen> seen;
    platform::Answer messageBox(const platform::MessageRecord& box) override
    {
        seen.push_back({box.text, box.owner, KcglForm->isVisible(), MainForm->isVisible()});
        return ScriptedInteraction::messageBox(box);
    }
};

TEST_F(StockAlarm, SuccessMessageStandsOverTheStillVisibleWindowThenTheMainWindowReturns)
{
    Watching watching;
    platform::setInteraction(&watching);
    watching.onModal = [](QWidget* w) {
        if (w == KcglForm) KcglForm->SpeedButton1->click();
    };
    MainForm->SpeedButton3->click();
    platform::setInteraction(&user);
    ASSERT_EQ(watching.seen.size(), 1u);
    EXPECT_EQ(watching.seen[0].text, kSaved);
    EXPECT_EQ(watching.seen[0].owner, KcglForm);
    EXPECT_TRUE(watching.seen[0].alarmVisible);
    EXPECT_FALSE(watching.seen[0].mainVisible);
    EXPECT_EQ(watching.messages[0].caption, "提示");
    EXPECT_EQ(watching.messages[0].icon, platform::Icon::None);
    EXPECT_FALSE(KcglForm->isVisible());
    EXPECT_TRUE(MainForm->isVisible());
}

TEST_F(StockAlarm, CloseButtonStoresNothingAndTheMainWindowReturnsRereadingTheStore)
{
    openAlarm([this](TKcglForm& f) {
        f.Edit1->selectAll();
        keys::type(f.Edit1, "100");
        // Meanwhile another program adds a product.
        store->exec(productWithStock("P4", "1"));
        f.close();
    });
    EXPECT_EQ(storedThreshold(), "5.0");
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(MainForm->isVisible());
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 4);
}

// ---- the threshold check --------------------------------------------------------

struct CheckCase {
    const char* text;
    bool passes;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ThresholdCheck : public StockAlarm, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ThresholdCheck, AnyKeyReleaseKeepsANumberAboveZeroOrEmptiesTheFieldWithTheMessage)
{
    TKcglForm& f = alarm();
    f.Edit1->setText(GetParam().text);
    keys::stroke(f.Edit1, Qt::Key_End);
    if (GetParam().passes) {
        EXPECT_EQ(f.Edit1->text(), GetParam().text);
        EXPECT_TRUE(user.messages.empty());
    } else {
        EXPECT_EQ(f.Edit1->text(), "");
        ASSERT_EQ(texts(), kTooSmall);
        EXPECT_EQ(user.messages[0].owner, &f);
        EXPECT_EQ(user.messages[0].caption, "提示");
        EXPECT_EQ(user.messages[0].icon, platform::Icon::None);
    }
}

INSTANTIATE_TEST_SUITE_P(StockAlarm, ThresholdCheck,
                         ::testing::Values(CheckCase{"5", true}, CheckCase{"10", true}, CheckCase{"05", true},
                                           CheckCase{"0.5", true}, CheckCase{".5", true}, CheckCase{"5.", true},
                                           CheckCase{"", false}, CheckCase{"0", false}, CheckCase{"00", false},
                                           CheckCase{"0.0", false}, CheckCase{".", false},
                                           CheckCase{"abc", false}));

TEST_F(StockAlarm, ErasingWithBackspaceBringsTheMessageWhenTheFieldIsEmpty)
{
    TKcglForm& f = alarm();
    f.Edit1->clear();
    keys::type(f.Edit1, "15\b");
    EXPECT_EQ(f.Edit1->text(), "1");
    EXPECT_TRUE(user.messages.empty());
    keys::type(f.Edit1, "\b");
    EXPECT_EQ(f.Edit1->text(), "");
    EXPECT_EQ(texts(), kTooSmall);
    // .5 is reached by deleting the 1 of 1.5; a first key below 1 fails at once.
    keys::type(f.Edit1, "1.5");
    f.Edit1->setCursorPosition(1);
    keys::type(f.Edit1, "\b");
    EXPECT_EQ(f.Edit1->text(), ".5");
    EXPECT_EQ(user.messages.size(), 1u);
    f.Edit1->clear();
    keys::type(f.Edit1, "0");
    EXPECT_EQ(f.Edit1->text(), "");
    EXPECT_EQ(user.messages.size(), 2u);
}

TEST_F(StockAlarm, AReleaseWhosePressWentToTheMessageBoxDoesNotBringItBack)
{
    TKcglForm& f = alarm();
    f.Edit1->clear();
    // Enter closes the message box on its press; its release then reaches the field.
    keys::send(f.Edit1, QEvent::KeyRelease, Qt::Key_Return, "\r");
    EXPECT_TRUE(user.messages.empty());
    keys::stroke(f.Edit1, Qt::Key_Return, "\r");
    EXPECT_EQ(texts(), kTooSmall);
}

// ---- bad input ----------------------------------------------------------------

enum class How { Typed, Pasted };

struct BadInput {
    How how;
    QString input;
    QString fieldAfter;   // what the field holds once the input is in
    int tooSmall;         // how many times the check's message came up meanwhile
    QString stored;       // the store's threshold after 确定; "5.0" = unchanged
    bool refused;         // 确定 ends in the general error box, the window stays open
};

void PrintTo(const BadInput& c, std::ostream* os)
{
    *os << (c.how == How::Typed ? "typed " : "pasted ") << '"' << c.input.left(12).toStdString()
        << (c.input.size() > 12 ? "..." : "") << '"';
}

class BadThreshold : public StockAlarm, public ::testing::WithParamInterface<BadInput> {};

TEST_P(BadThreshold, GivesTheChecksRefusalOrAClearErrorAndKeepsTheStoreWhole)
{
    const BadInput& c = GetParam();
    bool stillOpen = false;
    QString held;
    int tooSmall = 0;
    openAlarm([&](TKcglForm& f) {
        f.Edit1->clear();
        if (c.how == How::Typed) {
            keys::type(f.Edit1, c.input);
        } else {
            QGuiApplication::clipboard()->setText(c.input);
            f.Edit1->paste();  // as the field's context menu does: no key, no check
        }
        held = f.Edit1->text();
        tooSmall = int(user.messages.size());
        f.SpeedButton1->click();
        stillOpen = f.isVisible();
    });
    EXPECT_EQ(held, c.fieldAfter);
    EXPECT_EQ(tooSmall, c.tooSmall);
    for (int i = 0; i < tooSmall; ++i) EXPECT_EQ(user.messages[size_t(i)].text, kTooSmall);
    EXPECT_EQ(storedThreshold(), c.stored);
    EXPECT_EQ(thresholdRows(), 1);
    ASSERT_EQ(int(user.messages.size()), tooSmall + 1);
    const platform::MessageRecord& last = user.messages.back();
    if (c.refused) {
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(last.icon, platform::Icon::Stop);
        EXPECT_TRUE(last.text.startsWith("'" + c.input.left(20))) << last.text.left(80).toStdString();
        EXPECT_TRUE(last.text.endsWith("' is not a valid floating point value for field '库存报警数'"));
    } else {
        EXPECT_EQ(last.text, kSaved);
    }
    // The program goes on: the main window is back and the window opens again.
    EXPECT_TRUE(MainForm->isVisible());
    EXPECT_FALSE(KcglForm->isVisible());
    openAlarm([](TKcglForm&) {});
    EXPECT_EQ(user.modalShown.size(), 2u);
}

const QString kLongDigits(10000, u'9');

INSTANTIATE_TEST_SUITE_P(
    StockAlarm, BadThreshold,
    ::testing::Values(
        // Typed: the key filter drops what is not a digit or a point, and each
        // release runs the check on what the field holds.
        BadInput{How::Typed, "abc", "", 3, "<null>", false},
        BadInput{How::Typed, "５", "", 1, "<null>", false},
        BadInput{How::Typed, "1E5000", "15000", 0, "15000.0", false},
        BadInput{How::Typed, "-5", "5", 1, "5.0", false},
        BadInput{How::Typed, " 5 ", "5", 1, "5.0", false},
        BadInput{How::Typed, "", "", 0, "<null>", false},
        BadInput{How::Typed, ".", "", 1, "<null>", false},
        // Pasted: nothing filters or checks it; 确定 stores it as the column takes it.
        BadInput{How::Pasted, "abc", "abc", 0, "5.0", true},
        BadInput{How::Pasted, "５", "５", 0, "5.0", true},
        BadInput{How::Pasted, "1E5000", "1E5000", 0, "5.0", true},
        BadInput{How::Pasted, "-5", "-5", 0, "-5.0", false},
        BadInput{How::Pasted, " 5 ", " 5 ", 0, "5.0", false},
        BadInput{How::Pasted, ".", ".", 0, "0.0", false},
        BadInput{How::Pasted, kLongDigits, kLongDigits, 0, "5.0", true}));

}  // namespace
