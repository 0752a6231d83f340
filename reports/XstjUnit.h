#pragma once
// The sales statistics window: the total sold on each day of a month and in
// each month of a year, as two bar charts.
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Form.h"

#include <QDate>
#include <functional>

class DBChart;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class TStatusBar;

class TXstjForm : public TForm {
    Q_OBJECT
public:
    TXstjForm();
    ~TXstjForm() override;

    TADOConnection ADOConnection1;
    TADOQuery ADOQuery1{&ADOConnection1};  // the days of one month
    TADOQuery ADOQuery2{&ADOConnection1};  // the months of one year

    QFrame *Panel1, *Panel2, *Panel3;
    DBChart *DBChart1, *DBChart2;
    QLabel *Label1, *Label2, *Label8, *Label9;  // over the charts' corners
    QGroupBox *GroupBox1, *GroupBox2;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3;
    QLabel *Label5, *Label6, *Label7;
    QPushButton *Button1, *Button2;
    TStatusBar* StatusBar1;

    // Today's local date; tests pin it.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    void FormShow() override;
    void Button1Click();
    void Button2Click();
};

extern TXstjForm* XstjForm;
