// The main window's own commands: searches, the windows it only shows, and
// the outside programs and addresses.
#include "app/MainUnit.h"

#include "db/RecordSearch.h"
#include "platform/Platform.h"
#include "reports/SphzUnit.h"
#include "reports/XstjUnit.h"
#include "sales/XsmxUnit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>

void TMainForm::Button1Click()
{
    if (CheckBox1->isChecked())
        DateSearch(ADOQuery1, productSearch(), DateTimePicker1->date(), DateTimePicker2->date());
    else
        TextSearch(ADOQuery1, productSearch(),
                   {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text(), Edit5->text(), Edit6->text()});
}

void TMainForm::Button2Click() { ShowAll(ADOQuery1, productSearch()); }
void TMainForm::N19Click() { ShowAll(ADOQuery1, productSearch()); }

void TMainForm::SpeedButton10Click() { platform::showModal(XsmxForm); }
void TMainForm::N6Click() { platform::showModal(XsmxForm); }
void TMainForm::N23Click() { platform::showModal(XsmxForm); }
void TMainForm::N7Click() { platform::showModal(XstjForm); }
void TMainForm::N24Click() { platform::showModal(XstjForm); }
void TMainForm::SpeedButton11Click() { platform::showModal(SphzForm); }

void TMainForm::N10Click() { platform::startCalculator(); }
void TMainForm::N11Click() { platform::startTextEditor(); }
void TMainForm::N13Click() { platform::openAddress(QString::fromLatin1(maker::kCommonQuestions)); }
void TMainForm::N14Click() { platform::openAddress(QString::fromLatin1(maker::kSupportMail)); }
void TMainForm::N15Click() { platform::openAddress(QString::fromLatin1(maker::kWebSite)); }

// The export and the backup arrive with their own windows.
void TMainForm::SpeedButton4Click() {}
void TMainForm::N28Click() {}
void TMainForm::N8Click() {}
void TMainForm::N9Click() {}
