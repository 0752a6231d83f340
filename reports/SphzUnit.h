#pragma once
// The product summary window.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

class TSphzForm : public TForm {
    Q_OBJECT
public:
    TSphzForm();
    ~TSphzForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};
    TADOQuery ADOQuery2{&ADOConnection1};
};

extern TSphzForm* SphzForm;
