// Bad input, as tables: each row says where it is typed or pasted, what, and
// what the program must do with it.
#include "tests/ui/AppFixture.h"

#include "purchasing/XzspUnit.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

std::string s(const QString& t) { return t.toStdString(); }

// A key release in `w`, as any key after a paste gives one.
void keyRelease(QWidget* w)
{
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// --- number fields ------------------------------------------------------------

const QString kLong(10000, u'1');

// Every input, and what the number reading rule makes of it (empty: it fails).
const struct {
    const char* name;
    QString text;
    const char* reads;  // nullptr: not a number; "" : an empty field
} kNumbers[] = {
    {"pasted letters", QStringLiteral("abc"), nullptr},
    {"full-width digits", QStringLiteral("１２"), nullptr},
    {"too large", QStringLiteral("1E5000"), nullptr},
    {"10,000 digits", kLong, nullptr},
    {"minus five", QStringLiteral("-5"), "-5.0"},
    {"blanks around", QStringLiteral(" 5 "), "5.0"},
    {"empty", QString(), ""},
    {"lone point", QStringLiteral("."), "0.0"},
};

enum class Field { ProductPrice, ProductQuantity, SalePrice, SaleQuantity, Discount };
const struct {
    Field field;
    const char* where;
    const char* column;  // where an accepted input is stored; nullptr: nowhere
} kFields[] = {
    {Field::ProductPrice, "进货管理 进货单价 (Edit6), 保存", "进货单价"},
    {Field::ProductQuantity, "进货管理 进货数量 (Edit7), 保存", "进货数量"},
    {Field::SalePrice, "销售管理 销售单价 (Edit1), 销售", "销售单价"},
    {Field::SaleQuantity, "销售管理 销售数量 (Edit2), 销售", "销售数量"},
    {Field::Discount, "销售管理 折扣 (ComboBox1), 销售", nullptr},
};

QString conversion(const QString& text) { return "'" + text + "' is not a valid floating point value."; }
QString columnRefuses(const QString& text, const char* column)
{
    // Ends in a quote, which sorts before the full stop: the box adds none.
    return "'" + text + "' is not a valid floating point value for field '" + QString::fromUtf8(column) + "'";
}

class NumberFields : public AppFixture {
protected:
    void fillStore() override
    {
        store->exec(QStringLiteral(
            "INSERT INTO jxc (商品编号,商品名称,进货日期,进货单价,进货数量,进货金额,销售数量,销售金额,库存数量,库存金额) "
            "VALUES ('A1','螺丝','2014-01-02 00:00:00',6,10,60,5,50,5,30)"));
    }
    QString table(Field f) const { return f == Field::ProductPrice || f == Field::ProductQuantity ? "jxc" : "xsmx"; }
};

// Pasting bypasses the key filter. The next key release runs the live
// computation, then the button writes: a text that is no number gives the
// conversion error there and stores nothing; one the reading rule takes is
// stored as it reads.
TEST_F(NumberFields, EveryNumberFieldRefusesWhatIsNoNumberAndStoresWhatReadsAsOne)
{
    int tried = 0;
    for (const auto& f : kFields)
        for (const auto& in : kNumbers) {
            SCOPED_TRACE(std::string(f.where) + " <- " + in.name);
            ++tried;
            user.messages.clear();
            const QString table = this->table(f.field);
            const QString before = store->scalar("SELECT count(*) FROM " + table);
            const bool product = table == "jxc";
            QWidget* window = product ? static_cast<QWidget*>(XzspForm) : XsspForm;
            bool stayedOpen = false;
            user.onModal = [&](QWidget* w) {
                if (w != window) return;
                switch (f.field) {
                case Field::ProductPrice: XzspForm->Edit6->setText(in.text), keyRelease(XzspForm->Edit6); break;
                case Field::ProductQuantity: XzspForm->Edit7->setText(in.text), keyRelease(XzspForm->Edit7); break;
                case Field::SalePrice: XsspForm->Edit1->setText(in.text), keyRelease(XsspForm->Edit1); break;
                case Field::SaleQuantity: XsspForm->Edit2->setText(in.text), keyRelease(XsspForm->Edit2); break;
                case Field::Discount: XsspForm->ComboBox1->setEditText(in.text); break;  // its change recomputes
                }
                if (product) XzspForm->SpeedButton1->click();
                else XsspForm->SpeedButton1->click();
                stayedOpen = window->isVisible();
            };
            MainForm->ADOQuery1.First();
            if (product) MainForm->SpeedButton8->click();
            else MainForm->SpeedButton9->click();

            std::vector<QString> boxes;
            for (const auto& b : user.messages)
                if (b.icon == platform::Icon::Stop) boxes.push_back(b.text);
            const bool number = in.reads != nullptr;
            const bool empty = number && !*in.reads;
            // The live computation: a price or quantity left empty skips it; a discount cannot be empty.
            std::vector<QString> expected;
            if (!number || (empty && f.field == Field::Discount)) expected.push_back(conversion(in.text));
            const bool stored = f.field == Field::Discount || (number && !(empty && f.field == Field::SaleQuantity));
            if (!number && f.column) expected.push_back(columnRefuses(in.text, f.column));
            if (empty && f.field == Field::SaleQuantity) expected.push_back(conversion(in.text));  // the line's profit
            EXPECT_EQ(boxes.size(), expected.size()) << (boxes.empty() ? "" : s(boxes[0]).substr(0, 200));
            for (size_t i = 0; i < std::min(boxes.size(), expected.size()); ++i) {
                EXPECT_EQ(boxes[i].size(), expected[i].size());
                EXPECT_EQ(s(boxes[i].right(120)), s(expected[i].right(120)));
                EXPECT_EQ(boxes[i], expected[i]);
            }

            const int added = store->scalar("SELECT count(*) FROM " + table).toInt() - before.toInt();
            EXPECT_EQ(added, stored ? 1 : 0);
            EXPECT_EQ(stayedOpen, !stored || product) << "a refused write leaves the window open";
            if (stored && f.column) {
                const QString value = store->scalar("SELECT " + QString::fromUtf8(f.column) + " FROM " + table +
                                                    " ORDER BY rowid DESC LIMIT 1");
                EXPECT_EQ(s(value), empty ? "<null>" : in.reads);
            }
        }
    std::printf("[ number inputs tried: %d ]\n", tried);
}

// --- search fields --------------------------------------------------------------

// Each row holds its special character in every searched column.
const char* kSpecialProducts =
    "INSERT INTO jxc (商品编号,商品名称,商品规格,商品型号,供货厂商,供货电话) VALUES "
    "('K''1','O''Neil','O''Neil','O''Neil','O''Neil','O''Neil'),"
    "('K\"2','说\"明\"','说\"明\"','说\"明\"','说\"明\"','说\"明\"'),"
    "('K%3','100%纯','100%纯','100%纯','100%纯','100%纯'),"
    "('K_4','a_b','a_b','a_b','a_b','a_b'),"
    "('K\\5','C:\\dir','C:\\dir','C:\\dir','C:\\dir','C:\\dir'),"
    "('K6','普通','普通','普通','普通','普通'),"
    "('K7','','','','','')";

const QString kSearches[] = {QStringLiteral("'"), QStringLiteral("\""), QStringLiteral("%"), QStringLiteral("_"),
                             QStringLiteral("\\"), QString(10000, u'长')};

// What 查询 must find for `text` in one column: the text literally, except
// that % and _ are the pattern's wildcards (any text, any one character).
QStringList expectedCodes(const QString& text, int field)
{
    const QStringList codes = {"K'1", "K\"2", "K%3", "K_4", "K\\5", "K6", "K7"};
    const QStringList values = {"O'Neil", "说\"明\"", "100%纯", "a_b", "C:\\dir", "普通", ""};
    QStringList found;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const QString v = field == 0 ? codes[i] : values[i];
        if (text == "%" || (text == "_" ? !v.isEmpty() : v.contains(text))) found << codes[i];
    }
    return found;
}

class SearchFields : public AppFixture {
protected:
    void fillStore() override
    {
        store->exec(QString::fromUtf8(kSpecialProducts));
        QString lines = QString::fromUtf8(kSpecialProducts);
        lines.replace("INSERT INTO jxc", "INSERT INTO xsmx").replace("供货厂商,供货电话", "客户姓名,联系电话");
        store->exec(lines);
    }

    // Every search field of a window, each input alone: the rows found, no error.
    int searchAll(QLineEdit* const (&edits)[6], QPushButton* search, TADOQuery& q)
    {
        int tried = 0;
        for (int field = 0; field < 6; ++field)
            for (const QString& text : kSearches) {
                SCOPED_TRACE("Edit" + std::to_string(field + 1) + " <- " + s(text.left(5)));
                ++tried;
                for (QLineEdit* e : edits) e->clear();
                edits[field]->setText(text);
                user.messages.clear();
                search->click();
                EXPECT_TRUE(user.messages.empty()) << s(user.messages.empty() ? QString() : user.messages[0].text);
                QStringList codes;
                for (int r = 0; r < q.RecordCount(); ++r) codes << q.cellText(r, q.fieldIndex("商品编号"));
                EXPECT_EQ(s(codes.join(' ')), s(expectedCodes(text, field).join(' ')));
            }
        return tried;
    }
};

TEST_F(SearchFields, EverySearchFieldFindsQuotesAndBackslashesLiterallyAndTakesPercentAndUnderscoreAsWildcards)
{
    TMainForm& m = *MainForm;
    const int main = searchAll({m.Edit1, m.Edit2, m.Edit3, m.Edit4, m.Edit5, m.Edit6}, m.Button1, m.ADOQuery1);
    TXsmxForm& d = *XsmxForm;
    const int detail = searchAll({d.Edit1, d.Edit2, d.Edit3, d.Edit4, d.Edit5, d.Edit6}, d.Button1, d.ADOQuery1);
    std::printf("[ search inputs tried: %d ]\n", main + detail);
}

}  // namespace
