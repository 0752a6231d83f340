// 销售: the new sales line and the product's new totals, written together.
#include "sales/XsspUnit.h"

#include "app/MainUnit.h"
#include "db/SalePosting.h"
#include "platform/Platform.h"
#include "sales/XsmxUnit.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

SalesLineTexts TXsspForm::lineTexts() const
{
    SalesLineTexts line;
    line.code = Label18->text();
    line.name = Label19->text();
    line.size = Label20->text();
    line.model = Label21->text();
    line.unit = Label22->text();
    line.date = DateTimePicker1->date();
    line.price = Edit1->text();
    line.quantity = Edit2->text();
    line.amount = Edit4->text();
    line.purchasePrice = Edit9->text();
    line.customer = Edit5->text();
    line.phone = Edit6->text();
    line.address = Edit7->text();
    line.remark = Edit8->text();
    return line;
}

void TXsspForm::SpeedButton1Click()
{
    // The line goes through the sales detail window's query, so its grid has
    // it already; the product row through the main grid's own query.
    PostSale(XsmxForm->ADOQuery1, lineTexts(), MainForm->ADOQuery1);
    // Shown over the window, which closes once it is acknowledged.
    platform::notice(this, QStringLiteral("销售商品成功！"));
    close();
}
