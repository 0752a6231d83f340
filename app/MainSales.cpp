// The main window's sales commands: sell the current product.
#include "app/MainUnit.h"

void TMainForm::SpeedButton9Click() {}
void TMainForm::N4Click() {}
void TMainForm::N21Click() {}
void TMainForm::DBGridEh1DblClick() {}
