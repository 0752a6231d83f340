// The product of a sales line: the product row whose code equals the line's.
#include "sales/XsmxUnit.h"

#include "db/mylib.h"

#include <QLineEdit>

void TXsmxForm::lookUpProduct(const QString& code)
{
    // Equality, not containment: the line of product 1 is never taken for
    // product 10 or 21. The code is bound, so a quote in it is just a character.
    ADOQuery2.clearParameters();
    ADOQuery2.setParameter(QStringLiteral(":code"), code);
    OpenSql(ADOQuery2, QStringLiteral("select * from jxc where 商品编号 = :code"));
}

void TXsmxForm::DBGridEh1CellClick()
{
    Edit7->setText(ADOQuery1.FieldByName(QStringLiteral("商品编号")).AsString());
    lookUpProduct(Edit7->text());
}
