// The two saves of the product entry window: a new product, and the
// correction of the main window's current product.
#include "purchasing/XzspUnit.h"

#include "app/MainUnit.h"
#include "platform/Platform.h"
#include "purchasing/NumberText.h"
#include "purchasing/ProductRow.h"

#include <QDateEdit>
#include <QLineEdit>

namespace {

ProductEntry entryOf(const TXzspForm& f)
{
    ProductEntry e;
    e.code = f.Edit1->text();
    e.name = f.Edit2->text();
    e.size = f.Edit3->text();
    e.model = f.Edit4->text();
    e.unit = f.Edit5->text();
    e.date = f.DateTimePicker1->date();
    e.price = f.Edit6->text();
    e.quantity = f.Edit7->text();
    e.amount = f.Edit8->text();
    e.supplier = f.Edit9->text();
    e.phone = f.Edit10->text();
    e.note = f.Edit11->text();
    return e;
}

// What the product has sold so far; an empty figure counts as none.
long double soldQuantity(TADOQuery& products)
{
    long double sold = 0;
    return TryTextToFloat(products.FieldByName(QStringLiteral("销售数量")).AsString(), sold) ? sold : 0;
}

}  // namespace

void TXzspForm::SpeedButton1Click()
{
    bool allEmpty = true;
    for (const QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11})
        if (!e->text().isEmpty()) allEmpty = false;
    if (allEmpty) {
        platform::notice(this, QStringLiteral("新增商品不能为空！"));
        return;
    }
    TADOQuery& products = MainForm->ADOQuery1;
    const RowValues row = newProductRow(entryOf(*this));
    products.Last();
    storeRow(products, RowStart::Append, row);
    ResetFields();
}

void TXzspForm::SpeedButton3Click()
{
    TADOQuery& products = MainForm->ADOQuery1;
    if (products.RecordCount() == 0) {
        platform::notice(this, QStringLiteral("当前修改进货商品为空！"));
        return;
    }
    storeRow(products, RowStart::Edit, correctedRow(entryOf(*this), soldQuantity(products)));
    // Shown over the window, which closes once it is acknowledged.
    platform::notice(this, QStringLiteral("修改进货商品成功！"));
    close();
}
