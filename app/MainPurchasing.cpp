// The main window's purchasing commands: new product, correction, deletion.
#include "app/MainUnit.h"

void TMainForm::SpeedButton8Click() {}
void TMainForm::N1Click() {}
void TMainForm::N16Click() {}
void TMainForm::N2Click() {}
void TMainForm::N17Click() {}
void TMainForm::N3Click() {}
void TMainForm::N18Click() {}
