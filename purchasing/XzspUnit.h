#pragma once
// The product entry window: new products and the correction of one product.
// It owns no connection; it writes through the main window's product query.
#include "platform/Form.h"

class TXzspForm : public TForm {
    Q_OBJECT
public:
    TXzspForm();
    ~TXzspForm() override;
};

extern TXzspForm* XzspForm;
