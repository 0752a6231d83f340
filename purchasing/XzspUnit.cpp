#include "purchasing/XzspUnit.h"

TXzspForm* XzspForm = nullptr;

TXzspForm::TXzspForm()
{
    setWindowTitle(QStringLiteral("进货管理"));
    setClientSize(443, 248);
}

TXzspForm::~TXzspForm() = default;
