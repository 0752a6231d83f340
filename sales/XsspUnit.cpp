#include "sales/XsspUnit.h"

TXsspForm* XsspForm = nullptr;

TXsspForm::TXsspForm()
{
    setWindowTitle(QStringLiteral("销售管理"));
    setClientSize(325, 442);
}

TXsspForm::~TXsspForm() = default;
