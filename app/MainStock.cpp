// The stock alarm as the main window meets it: opening the threshold window,
// and the low-stock highlight of the product grid.
#include "app/MainUnit.h"

#include "platform/Platform.h"
#include "stock/KcglUnit.h"
#include "stock/LowStock.h"

#include <QLineEdit>

namespace {

void openStockAlarm(TMainForm& main)
{
    // Read before hiding, so a failing read leaves the main window on screen.
    const QString threshold = KcglForm->ThresholdText();
    main.hide();
    KcglForm->Edit1->setText(threshold);
    platform::showModal(KcglForm);
}

}  // namespace

void TMainForm::SpeedButton3Click() { openStockAlarm(*this); }
void TMainForm::N26Click() { openStockAlarm(*this); }

void TMainForm::DBGridEh1GetCellParams(int row, int, QColor& background)
{
    stock::paintLowStock(ADOQuery1, row, ADOQuery2, background);
}
