#pragma once
// The stock alarm window: the threshold below which products are highlighted.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

class TKcglForm : public TForm {
    Q_OBJECT
public:
    TKcglForm();
    ~TKcglForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};
};

extern TKcglForm* KcglForm;
