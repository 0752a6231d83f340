#pragma once
// The sale window: one sale of the main window's current product, or the
// correction of one sales line. It owns no connection.
#include "platform/Form.h"

class TXsspForm : public TForm {
    Q_OBJECT
public:
    TXsspForm();
    ~TXsspForm() override;
};

extern TXsspForm* XsspForm;
