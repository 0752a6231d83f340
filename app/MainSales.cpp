// The main window's sales commands: sell the current product.
#include "app/MainUnit.h"

#include "platform/Platform.h"
#include "purchasing/NumberText.h"
#include "sales/XsspUnit.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

// Fills the sale window from the product query's current row and shows it.
// The discount keeps what it showed last time, in either mode.
void sellCurrentProduct(TMainForm* main)
{
    TADOQuery& product = main->ADOQuery1;
    if (product.RecordCount() <= 0) {
        platform::notice(main, QStringLiteral("商品记录为空，请新增商品！"));
        return;
    }
    auto text = [&product](const char* field) { return product.FieldByName(QString::fromUtf8(field)).AsString(); };
    TXsspForm* sale = XsspForm;
    sale->setSaleMode();
    sale->Label18->setText(text("商品编号"));
    sale->Label19->setText(text("商品名称"));
    sale->Label20->setText(text("商品规格"));
    sale->Label21->setText(text("商品型号"));
    sale->Label22->setText(text("单位"));
    sale->DateTimePicker1->setDate(QDate::currentDate());
    sale->Edit1->setText(QStringLiteral("0"));
    sale->Edit2->setText(QStringLiteral("1"));
    sale->Edit3->setText(Normalize2(text("库存数量")));
    sale->Edit4->setText(QStringLiteral("0"));
    for (QLineEdit* e : {sale->Edit5, sale->Edit6, sale->Edit7, sale->Edit8}) e->clear();
    sale->Edit9->setText(Normalize2(text("进货单价")));
    platform::showModal(sale);
}

}  // namespace

void TMainForm::SpeedButton9Click() { sellCurrentProduct(this); }
void TMainForm::N4Click() { sellCurrentProduct(this); }
void TMainForm::N21Click() { sellCurrentProduct(this); }
void TMainForm::DBGridEh1DblClick() { sellCurrentProduct(this); }
