#pragma once
// The product entry window: new products and the correction of one product.
// It owns no connection; it writes through the main window's product query.
#include "platform/Form.h"

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
class TStatusBar;

class TXzspForm : public TForm {
    Q_OBJECT
public:
    TXzspForm();
    ~TXzspForm() override;

    QFrame* Panel1;  // the header strip
    QLabel *Label1, *Label2;
    QToolButton* SpeedButton1;  // 保存, new product
    QToolButton* SpeedButton3;  // 保存, correction; at the same place
    QToolButton* SpeedButton2;  // 退出
    QFrame* Panel2;             // the body
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5;
    QDateEdit* DateTimePicker1;
    QLineEdit *Edit6, *Edit7, *Edit8, *Edit9, *Edit10, *Edit11;
    TStatusBar* StatusBar1;

    // Handlers, named after their controls.
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Edit6KeyUp();
    void Edit7KeyUp();
    void FormShow() override;
    void FormClose() override;

    // The fields as a new product starts them: empty texts, price "0",
    // quantity "1", amount "0". The date and the header are left alone.
    void ResetFields();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildBody();
    void wire();
    void purchaseAmountUpdate();
};

extern TXzspForm* XzspForm;
