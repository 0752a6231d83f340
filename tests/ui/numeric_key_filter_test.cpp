#include "purchasing/NumericKeyFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    char16_t ch;
    const char* text;
    bool accepted;
};

TEST(NumericKeyAccepted, LetsDigitsOnePointAndBackspaceThrough)
{
    const KeyCase cases[] = {
        {u'0', "", true},
        {u'9', "12", true},
        {u'5', "3.5", true},
        {8, "", true},
        {8, "1.5", true},
        {u'.', "", true},
        {u'.', "12", true},
        {u'.', "1.2", false},
        {u'.', ".", false},
        {u'.', "5.", false},
        {u'a', "", false},
        {u'E', "1", false},
        {u'+', "", false},
        {u'-', "", false},
        {u' ', "1", false},
        {u',', "1", false},
        {13, "", false},  // Enter
        {27, "", false},  // Escape
        {3, "1", false},  // Ctrl+C
        {22, "", false},  // Ctrl+V
        {24, "1", false}, // Ctrl+X
        {26, "1", false}, // Ctrl+Z
        {0xFF15, "", false}, // full-width 5
        {0x3002, "1", false}, // ideographic full stop
        {0x0665, "", false}, // Arabic-Indic five
    };
    for (const KeyCase& c : cases)
        EXPECT_EQ(numericKeyAccepted(QChar(c.ch), QString::fromLatin1(c.text)), c.accepted)
            << "char " << int(c.ch) << " on '" << c.text << "'";
}

// Records which key events actually reach the field.
class RecordingEdit : public QLineEdit {
public:
    int presses = 0;
    int releases = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        ++presses;
        QLineEdit::keyPressEvent(e);
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        ++releases;
        QLineEdit::keyReleaseEvent(e);
    }
};

// One key stroke as the window system delivers it: press, then release.
void stroke(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

void typeText(QWidget* w, const QString& keys)
{
    for (QChar ch : keys) {
        const int key = ch.isLetter() ? ch.toUpper().unicode() : ch.unicode();
        stroke(w, key, Qt::NoModifier, QString(ch));
    }
}

class NumericKeyFilterTest : public ::testing::Test {
protected:
    void SetUp() override { NumericKeyFilter::attach(&field); }
    RecordingEdit field;
};

TEST_F(NumericKeyFilterTest, TypingKeepsOnlyWhatTheRuleLetsThrough)
{
    const struct {
        const char* keys;
        const char* result;
    } cases[] = {
        {"1.2.3", "1.23"},
        {"-5", "5"},
        {"abc", ""},
        {"+1 e2,", "12"},
        {".5", ".5"},
        {"5.", "5."},
        {"007", "007"},
    };
    for (const auto& c : cases) {
        field.clear();
        typeText(&field, QString::fromLatin1(c.keys));
        EXPECT_EQ(field.text().toStdString(), c.result) << c.keys;
    }
}

TEST_F(NumericKeyFilterTest, PointIsRefusedWhileTheSelectedTextHoldsOne)
{
    field.setText("3.5");
    field.selectAll();
    typeText(&field, ".");
    EXPECT_EQ(field.text(), "3.5");
    typeText(&field, "7");
    EXPECT_EQ(field.text(), "7");
}

TEST_F(NumericKeyFilterTest, EditingAndNavigationKeysStillWork)
{
    typeText(&field, "125");
    stroke(&field, Qt::Key_Left);
    stroke(&field, Qt::Key_Backspace, Qt::NoModifier, QString(QChar(8)));
    EXPECT_EQ(field.text(), "15");
    stroke(&field, Qt::Key_Home);
    stroke(&field, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
    EXPECT_EQ(field.text(), "5");
    stroke(&field, Qt::Key_End);
    typeText(&field, "0");
    EXPECT_EQ(field.text(), "50");
}

TEST_F(NumericKeyFilterTest, RefusedKeyIsDroppedButItsReleaseArrives)
{
    field.setText("12");
    typeText(&field, "x");
    EXPECT_EQ(field.text(), "12");
    EXPECT_EQ(field.presses, 0);
    EXPECT_EQ(field.releases, 1);
}

TEST_F(NumericKeyFilterTest, ClipboardShortcutsAreDropped)
{
    QClipboard* clipboard = QApplication::clipboard();
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers mods;
        QChar text;
    } shortcuts[] = {
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, QChar(22)},
        {"Ctrl+V without text", Qt::Key_V, Qt::ControlModifier, QChar()},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, QChar()},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, QChar(24)},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, QChar(3)},
    };
    for (const auto& s : shortcuts) {
        const QString text = s.text.isNull() ? QString() : QString(s.text);
        // An unfiltered field shows the shortcut does something here.
        QLineEdit plain("12");
        plain.selectAll();
        clipboard->setText("abc");
        stroke(&plain, s.key, s.mods, text);
        if (plain.text() == "12" && clipboard->text() == "abc")
            GTEST_SKIP() << "no working clipboard on this platform (" << s.name << ")";

        field.setText("12");
        field.selectAll();
        clipboard->setText("abc");
        stroke(&field, s.key, s.mods, text);
        EXPECT_EQ(field.text(), "12") << s.name;
        EXPECT_EQ(clipboard->text(), "abc") << s.name;
    }
}

TEST(NumericKeyFilter, AttachingTwiceInstallsOneFilter)
{
    QLineEdit field;
    NumericKeyFilter::attach(&field);
    NumericKeyFilter::attach(&field);
    EXPECT_EQ(field.findChildren<NumericKeyFilter*>().size(), 1);
}

} // namespace
