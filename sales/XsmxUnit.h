#pragma once
// The sales detail window: every sales line, searched, corrected and deleted.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

class TXsmxForm : public TForm {
    Q_OBJECT
public:
    TXsmxForm();
    ~TXsmxForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};  // the sales lines, behind the grid
    TADOQuery ADOQuery2{&ADOConnection1};  // the product of the chosen line
};

extern TXsmxForm* XsmxForm;
