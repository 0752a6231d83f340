#pragma once
// The main window: every product in a grid with footer sums, the search
// group, the clock, and the buttons and menus that lead to every other window.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <functional>

class DBGridEh;
class QCheckBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QTimer;
class QToolButton;
class TStatusBar;

class TMainForm : public TForm {
    Q_OBJECT
public:
    TMainForm();
    ~TMainForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};  // the product query, behind the grid
    TADOQuery ADOQuery2{&ADOConnection1};  // the threshold row

    QFrame* Panel1;  // the top panel
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5, *SpeedButton6,
        *SpeedButton7;
    QFrame* Bevel1;
    QToolButton *SpeedButton8, *SpeedButton9, *SpeedButton10, *SpeedButton11;
    QGroupBox* GroupBox1;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
    QCheckBox* CheckBox1;
    QDateEdit *DateTimePicker1, *DateTimePicker2;
    QPushButton *Button1, *Button2;
    DBGridEh* DBGridEh1;
    TStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1;
    platform::FileDialog SaveDialog1{platform::FileDialog::Kind::Save};  // the export and the backup
    platform::FileDialog OpenDialog1{platform::FileDialog::Kind::Open};  // the restore

    QMenu *PopupMenu1, *PopupMenu2, *PopupMenu3, *PopupMenu4, *PopupMenu5, *PopupMenu6;
    QAction *N1, *N2, *N3;                            // PopupMenu1
    QAction *N4, *N5, *N6, *N7;                       // PopupMenu2 (N5 the separator)
    QAction *N8, *N9;                                 // PopupMenu3
    QAction *N10, *N11;                               // PopupMenu4
    QAction *N13, *N14, *N15;                         // PopupMenu5
    QAction *N16, *N17, *N18, *N19, *N21, *N23, *N24, *N26, *N28;  // PopupMenu6

    // The clock's time source; tests pin it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    static QString clockText(const QDateTime& time);
    // Where a menu button opens its menu, in screen coordinates.
    QPoint menuPoint(const QToolButton* button) const;

    // Handlers, named after their controls.
    void FormCreate();
    void FormShow() override;
    void Timer1Timer();
    void CheckBox1Click();
    void Button1Click();
    void Button2Click();
    void N19Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void DBGridEh1GetCellParams(int row, int col, QColor& background);

    // Purchasing
    void SpeedButton8Click();
    void N1Click();
    void N16Click();
    void N2Click();
    void N17Click();
    void N3Click();
    void N18Click();
    // Sales
    void SpeedButton9Click();
    void N4Click();
    void N21Click();
    void DBGridEh1DblClick();
    void SpeedButton10Click();
    void N6Click();
    void N23Click();
    // Reports, stock alarm, data management
    void N7Click();
    void N24Click();
    void SpeedButton11Click();
    void SpeedButton3Click();
    void N26Click();
    void SpeedButton4Click();
    void N28Click();
    void N8Click();
    void N9Click();
    // Outside programs and the maker's addresses
    void N10Click();
    void N11Click();
    void N13Click();
    void N14Click();
    void N15Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void buildTopPanel();
    void buildSearchGroup();
    void buildGrid();
    void buildMenus();
    void wire();
    void openMenu(QToolButton* button, QMenu* menu);
};

extern TMainForm* MainForm;

// The maker's addresses.
namespace maker {
inline constexpr const char* kWebSite = "http://www.tavrin.example.cn/";
inline constexpr const char* kCommonQuestions = "http://www.tavrin.example.cn/cyques.htm";
inline constexpr const char* kSupportMail = "mailto:support@tavrin.example.cn";
}  // namespace maker
