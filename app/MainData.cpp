// The main window's data management commands: the export of the product
// query, backup and restore of the store.
#include "app/MainUnit.h"

#include "datamgmt/SheetExport.h"
#include "datamgmt/StoreBackup.h"

void TMainForm::SpeedButton4Click() { exportQuery(this, SaveDialog1, ADOQuery1); }
void TMainForm::N28Click() { exportQuery(this, SaveDialog1, ADOQuery1); }
void TMainForm::N8Click() { backUpStore(this, SaveDialog1); }
void TMainForm::N9Click() { restoreStore(this, OpenDialog1, ADOConnection1); }
