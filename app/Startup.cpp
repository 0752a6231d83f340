#include "app/Startup.h"

#include "app/MainUnit.h"
#include "purchasing/XzspUnit.h"
#include "reports/SphzUnit.h"
#include "reports/XstjUnit.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"
#include "stock/KcglUnit.h"

#include "db/ADOQuery.h"
#include "platform/Platform.h"

void CreateWindows()
{
    // A command that fails never leaves a half-filled row behind to be posted later.
    platform::setAfterErrorHook(&TADOQuery::CancelAllPending);
    platform::showWaitCursorWhileTheStoreWaits();
    MainForm = new TMainForm;
    XzspForm = new TXzspForm;
    XsspForm = new TXsspForm;
    XsmxForm = new TXsmxForm;
    XstjForm = new TXstjForm;
    KcglForm = new TKcglForm;
    SphzForm = new TSphzForm;
}

void StartProgram()
{
    // The start-up is one command: a locked store costs it one wait in all.
    const platform::CommandScope startUp;
    CreateWindows();
    MainForm->show();
}

template <class Form>
static void destroy(Form*& form)
{
    delete form;
    form = nullptr;
}

void DestroyWindows()
{
    destroy(SphzForm);
    destroy(KcglForm);
    destroy(XstjForm);
    destroy(XsmxForm);
    destroy(XsspForm);
    destroy(XzspForm);
    destroy(MainForm);
}
