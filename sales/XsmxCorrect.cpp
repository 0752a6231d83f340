// 修改: the sale window, switched to correction mode, filled from the current
// sales line and its product.
#include "sales/XsmxUnit.h"

#include "platform/Platform.h"
#include "purchasing/NumberText.h"
#include "sales/XsspUnit.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

QString text(TADOQuery& q, const char* field) { return q.FieldByName(QString::fromUtf8(field)).AsString(); }
long double number(TADOQuery& q, const char* field) { return StrToFloat(text(q, field)); }

}  // namespace

void TXsmxForm::correctCurrentLine()
{
    // The lookup holds the rows of the last click in the grid (or of an
    // earlier correction, or every product): a line whose product has gone
    // is refused here when it was clicked.
    if (ADOQuery1.RecordCount() <= 0 || ADOQuery2.RecordCount() <= 0) {
        platform::notice(this, QStringLiteral("修改销售明细为空！"));
        return;
    }
    TXsspForm* sale = XsspForm;
    sale->setCorrectionMode();
    TADOQuery& line = ADOQuery1;
    sale->Label18->setText(text(line, "商品编号"));
    sale->Label19->setText(text(line, "商品名称"));
    sale->Label20->setText(text(line, "商品规格"));
    sale->Label21->setText(text(line, "商品型号"));
    sale->Label22->setText(text(line, "单位"));
    const QDate date = line.FieldByName(QStringLiteral("销售日期")).AsDate();
    if (date.isValid()) sale->DateTimePicker1->setDate(date);

    lookUpProduct(text(line, "商品编号"));
    TADOQuery& product = ADOQuery2;
    const long double oldQuantity = number(line, "销售数量");
    // Every figure first, so a conversion error leaves no field half-filled.
    const QString purchasePrice = Normalize2(text(product, "进货单价"));
    const QString purchased = Normalize2(FloatToStr(oldQuantity + number(product, "进货数量")));
    const QString soldWithout = Normalize2(FloatToStr(number(product, "销售数量") - oldQuantity));
    const QString amountWithout = Normalize2(FloatToStr(number(product, "销售金额") - number(line, "销售金额")));
    const QString price = Normalize2(text(line, "销售单价"));
    const QString quantity = Normalize2(text(line, "销售数量"));
    // The line's own quantity is still on hand for the correction: entering
    // it again, or less, must pass the stock check.
    const QString stock = Normalize2(FloatToStr(number(product, "库存数量") + oldQuantity));
    const QString amount = Normalize2(text(line, "销售金额"));

    sale->Edit9->setText(purchasePrice);
    sale->Edit10->setText(purchased);
    sale->Edit11->setText(soldWithout);
    sale->Edit12->setText(amountWithout);
    sale->Edit1->setText(price);
    sale->Edit2->setText(quantity);
    sale->Edit3->setText(stock);
    sale->Edit4->setText(amount);
    sale->Edit5->setText(text(line, "客户姓名"));
    sale->Edit6->setText(text(line, "联系电话"));
    sale->Edit7->setText(text(line, "详细地址"));
    sale->Edit8->setText(text(line, "备注"));
    platform::showModal(sale);
}

void TXsmxForm::SpeedButton4Click() { correctCurrentLine(); }
void TXsmxForm::N1Click() { correctCurrentLine(); }
void TXsmxForm::N3Click() { correctCurrentLine(); }
