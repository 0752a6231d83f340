#pragma once
// The sales statistics window: daily and monthly sales charts.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

class TXstjForm : public TForm {
    Q_OBJECT
public:
    TXstjForm();
    ~TXstjForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};
    TADOQuery ADOQuery2{&ADOConnection1};
};

extern TXstjForm* XstjForm;
