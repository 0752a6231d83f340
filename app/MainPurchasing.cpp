// The main window's purchasing commands: new product, correction, deletion.
#include "app/MainUnit.h"

#include "platform/DBGridEh.h"
#include "platform/Platform.h"
#include "purchasing/NumberText.h"
#include "purchasing/XzspUnit.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

void openForNewProduct()
{
    TXzspForm& f = *XzspForm;
    f.Label1->setText(QStringLiteral("进货管理   新增商品"));
    f.SpeedButton1->show();
    f.SpeedButton3->hide();
    f.ResetFields();
    f.DateTimePicker1->setDate(QDate::currentDate());
    platform::showModal(&f);
}

}  // namespace

void TMainForm::SpeedButton8Click() { openForNewProduct(); }
void TMainForm::N1Click() { openForNewProduct(); }
void TMainForm::N16Click() { openForNewProduct(); }

// The focused row is corrected, never the marked ones.
void TMainForm::N2Click()
{
    if (ADOQuery1.RecordCount() == 0) {
        platform::notice(this, QStringLiteral("修改商品记录为空！"));
        return;
    }
    TXzspForm& f = *XzspForm;
    f.Label1->setText(QStringLiteral("进货管理   修改"));
    f.SpeedButton1->hide();
    f.SpeedButton3->show();
    auto text = [this](const char* field) { return ADOQuery1.FieldByName(QString::fromUtf8(field)).AsString(); };
    f.Edit1->setText(text("商品编号"));
    f.Edit2->setText(text("商品名称"));
    f.Edit3->setText(text("商品规格"));
    f.Edit4->setText(text("商品型号"));
    f.Edit5->setText(text("单位"));
    // A product stored without a date shows today's rather than an invented one.
    const QDate bought = ADOQuery1.FieldByName(QStringLiteral("进货日期")).AsDate();
    f.DateTimePicker1->setDate(bought.isValid() ? bought : QDate::currentDate());
    // The figures are shown to two decimals; an empty or non-number one stops here.
    f.Edit6->setText(text("进货单价"));
    f.Edit6->setText(Normalize2(f.Edit6->text()));
    f.Edit7->setText(text("进货数量"));
    f.Edit7->setText(Normalize2(f.Edit7->text()));
    f.Edit8->setText(text("进货金额"));
    f.Edit8->setText(Normalize2(f.Edit8->text()));
    f.Edit9->setText(text("供货厂商"));
    f.Edit10->setText(text("供货电话"));
    f.Edit11->setText(text("备注"));
    platform::showModal(&f);
}

void TMainForm::N17Click() { N2Click(); }

void TMainForm::N3Click()
{
    if (DBGridEh1->selectedRows().empty()) {
        platform::information(nullptr, QStringLiteral("请单击左边的序号选中一条记录或拖选一段记录，\n"
                                                      "也可以用Ctrl及Shift来进行多选，然后再删除信息。"));
        return;
    }
    if (!platform::confirmWarning(this, QStringLiteral("确定要删除选中的记录？"))) return;
    if (ADOQuery1.RecordCount() == 0) return;
    // From the last marked row to the first; sales lines are left as they are.
    DBGridEh1->deleteSelectedRows();
}

void TMainForm::N18Click() { N3Click(); }
