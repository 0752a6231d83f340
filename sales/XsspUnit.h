#pragma once
// The sale window: one sale of the main window's current product, or the
// correction of one sales line. It owns no connection: a sale writes through
// the sales detail window's sales query and the main window's product query,
// a correction through the two queries of the sales detail window.
#include "platform/Form.h"

class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TStatusBar;
struct SalesLineTexts;

class TXsspForm : public TForm {
    Q_OBJECT
public:
    TXsspForm();
    ~TXsspForm() override;

    QFrame* Panel1;  // the header
    QLabel *Label1, *Label2;
    QFrame* Panel2;  // the body
    QLabel *Label18, *Label19, *Label20, *Label21, *Label22;  // code, name, size, model, unit
    QDateEdit* DateTimePicker1;
    QLineEdit* Edit1;      // 销售单价
    QComboBox* ComboBox1;  // 折扣, in tenths
    QLineEdit* Edit2;      // 销售数量
    QLineEdit* Edit3;      // 库存
    QLineEdit* Edit4;      // 销售金额
    QLineEdit *Edit5, *Edit6, *Edit7, *Edit8;  // customer, telephone, address, remark
    QPushButton* SpeedButton1;  // 销售
    QPushButton* SpeedButton2;  // 修改
    // Hidden: what the opening hands on to the button press.
    QFrame* Panel3;
    QLineEdit* Edit9;   // 进货单价
    QLineEdit* Edit10;  // 进货数量
    QLineEdit* Edit11;  // 销售数量 without the corrected line
    QLineEdit* Edit12;  // 销售金额 without the corrected line
    TStatusBar* StatusBar1;

    // The two modes: caption, header and the one visible button.
    void setSaleMode();
    void setCorrectionMode();

    // Handlers, named after their controls.
    void Edit1KeyUp();
    void Edit2KeyUp();
    void ComboBox1Change();
    void SpeedButton1Click();  // 销售
    void SpeedButton2Click();  // 修改

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildBody();
    void buildHiddenPanel();
    void wire();
    // quantity × price × discount × 0.1 as general number text.
    QString amountFor(const QString& quantity) const;
    // The line as the fields hold it, for a sale and for a correction alike.
    SalesLineTexts lineTexts() const;
};

extern TXsspForm* XsspForm;
