#pragma once
// The product summary window: every product's figures in a grid fitted to
// the window, with footer sums and the low-stock highlight. Each showing
// re-reads the store.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

class DBGridEh;
class QColor;
class QFrame;
class TStatusBar;

class TSphzForm : public TForm {
    Q_OBJECT
public:
    TSphzForm();
    ~TSphzForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};  // the products, behind the grid
    TADOQuery ADOQuery2{&ADOConnection1};  // the threshold row

    QFrame* Panel1;
    DBGridEh* DBGridEh1;
    TStatusBar* StatusBar1;

    // Handlers, named after their controls.
    void FormShow() override;
    void DBGridEh1GetCellParams(int row, int col, QColor& background);
};

extern TSphzForm* SphzForm;
