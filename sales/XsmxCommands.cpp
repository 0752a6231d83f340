// The sales detail window's own commands: showing, the date check box, the
// searches, the export and closing.
#include "sales/XsmxUnit.h"

#include "datamgmt/SheetExport.h"
#include "db/RecordSearch.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>

void TXsmxForm::FormShow()
{
    // The grid keeps the rows of the last search; only the inputs start afresh.
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) e->clear();
    const QDate today = QDate::currentDate();
    DateTimePicker1->setDate(today);
    DateTimePicker2->setDate(today);
}

void TXsmxForm::CheckBox1Click()
{
    const bool on = CheckBox1->isChecked();
    DateTimePicker1->setEnabled(on);
    DateTimePicker2->setEnabled(on);
}

void TXsmxForm::Button1Click()
{
    if (CheckBox1->isChecked())
        DateSearch(ADOQuery1, salesSearch(), DateTimePicker1->date(), DateTimePicker2->date());
    else
        TextSearch(ADOQuery1, salesSearch(),
                   {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text(), Edit5->text(), Edit6->text()});
}

void TXsmxForm::Button2Click() { ShowAll(ADOQuery1, salesSearch()); }

void TXsmxForm::SpeedButton3Click() { close(); }

void TXsmxForm::SpeedButton2Click() { exportQuery(this, SaveDialog1, ADOQuery1); }
void TXsmxForm::N6Click() { exportQuery(this, SaveDialog1, ADOQuery1); }
