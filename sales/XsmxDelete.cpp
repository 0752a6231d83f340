// 删除: the selected sales lines go; nothing is given back to their products.
#include "sales/XsmxUnit.h"

#include "platform/DBGridEh.h"
#include "platform/Platform.h"

void TXsmxForm::deleteSelectedLines()
{
    if (DBGridEh1->selectedRows().empty()) {
        platform::information(this, QStringLiteral("请单击左边的序号选中一条记录或拖选一段记录，\r\n"
                                                    "也可以用Ctrl及Shift来进行多选，然后再删除信息。"));
        return;
    }
    if (!platform::confirmWarning(this, QStringLiteral("确定要删除选中的记录？"))) return;
    if (ADOQuery1.RecordCount() <= 0) return;
    DBGridEh1->deleteSelectedRows();
}

void TXsmxForm::SpeedButton5Click() { deleteSelectedLines(); }
void TXsmxForm::N2Click() { deleteSelectedLines(); }
void TXsmxForm::N4Click() { deleteSelectedLines(); }
