#pragma once
// The stock alarm window: sets the threshold below which products are drawn
// yellow. It has its own connection and threshold query, opened once at start.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class TStatusBar;

class TKcglForm : public TForm {
    Q_OBJECT
public:
    TKcglForm();
    ~TKcglForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};  // "select * from kcbj"

    QFrame* Panel1;  // the header strip
    QLabel *Label1, *Label2;
    QFrame* Panel2;  // the body
    QLabel* Label3;
    QLineEdit* Edit1;            // 库存报警数
    QToolButton* SpeedButton1;   // 确定
    TStatusBar* StatusBar1;

    // The threshold of this window's own query as text; empty when the
    // query holds no row or the value is empty.
    QString ThresholdText();

    // Handlers, named after their controls.
    void SpeedButton1Click();
    void Edit1KeyUp();
    void FormShow() override;
    void FormClose() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressedInEdit1_ = false;
};

extern TKcglForm* KcglForm;
