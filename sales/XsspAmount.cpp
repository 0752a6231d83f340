// The sale window's live figures: the amount while the user types, and the
// stock check on every key release in the quantity.
#include "sales/XsspUnit.h"

#include "platform/Platform.h"
#include "purchasing/NumberText.h"

#include <QComboBox>
#include <QLineEdit>

QString TXsspForm::amountFor(const QString& quantity) const
{
    // In this order, in extended precision, and not rounded: 12.5 × 3 at 9.5 is 35.625.
    const long double q = StrToFloat(quantity);
    const long double price = StrToFloat(Edit1->text());
    const long double discount = StrToFloat(ComboBox1->currentText());
    return FloatToStr(((q * price) * discount) * 0.1L);
}

void TXsspForm::Edit1KeyUp()
{
    if (Edit1->text().isEmpty() || Edit2->text().isEmpty()) return;
    Edit4->setText(amountFor(Edit2->text()));
}

void TXsspForm::ComboBox1Change()
{
    Edit1KeyUp();
}

void TXsspForm::Edit2KeyUp()
{
    if (Edit2->text().isEmpty()) return;
    if (StrToFloat(Edit2->text()) > StrToFloat(Edit3->text())) {
        Edit2->setText(QStringLiteral("1"));
        if (!Edit1->text().isEmpty()) Edit4->setText(amountFor(Edit2->text()));
        platform::notice(this, QStringLiteral("库存不足，请重新输入！"));
        return;
    }
    if (!Edit1->text().isEmpty()) Edit4->setText(amountFor(Edit2->text()));
}
