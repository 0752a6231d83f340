#pragma once
// The sales detail window: every sales line in a grid with sums, searched,
// corrected and deleted. Its sales query is also the one a sale appends to.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"
#include "platform/Platform.h"

class DBGridEh;
class QAction;
class QCheckBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TStatusBar;

class TXsmxForm : public TForm {
    Q_OBJECT
public:
    TXsmxForm();
    ~TXsmxForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};  // the sales lines, behind the grid
    TADOQuery ADOQuery2{&ADOConnection1};  // the product of the chosen line

    QFrame* Panel1;  // the top panel
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3;  // 销售明细, 数据导出, 关闭窗体
    QFrame* Panel3;                                            // the line under them
    QToolButton *SpeedButton4, *SpeedButton5;                  // 修改, 删除
    QGroupBox* GroupBox1;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QCheckBox* CheckBox1;
    QDateEdit *DateTimePicker1, *DateTimePicker2;
    QPushButton *Button1, *Button2;
    QLineEdit* Edit7;  // hidden: the code of the line last clicked
    QFrame* Panel2;
    DBGridEh* DBGridEh1;
    TStatusBar* StatusBar1;
    platform::FileDialog SaveDialog1{platform::FileDialog::Kind::Save};  // the export

    QMenu *PopupMenu1, *PopupMenu2;
    QAction *N1, *N2;           // PopupMenu1
    QAction *N3, *N4, *N5, *N6;  // PopupMenu2 (N5 the separator)

    // Where the tool button 销售明细 drops its menu, in screen coordinates.
    QPoint menuPoint() const;
    // Points the product lookup query at the products whose code is `code`.
    void lookUpProduct(const QString& code);

    // Handlers, named after their controls.
    void FormShow() override;
    void SpeedButton1Click();
    void SpeedButton2Click();
    void N6Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void N1Click();
    void N3Click();
    void SpeedButton5Click();
    void N2Click();
    void N4Click();
    void CheckBox1Click();
    void Button1Click();
    void Button2Click();
    void DBGridEh1CellClick();

private:
    void buildTopPanel();
    void buildSearchGroup();
    void buildGrid();
    void buildMenus();
    void wire();
    void correctCurrentLine();
    void deleteSelectedLines();
};

extern TXsmxForm* XsmxForm;
