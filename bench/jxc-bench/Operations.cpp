#include "bench/jxc-bench/Operations.h"

#include "app/MainUnit.h"
#include "bench/jxc-bench/Floors.h"
#include "bench/jxc-bench/Program.h"
#include "platform/DBGridEh.h"
#include "platform/ScriptedInteraction.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace bench {

namespace {

const QString kWholeJxc = QStringLiteral("select * from jxc");
const QString kWholeXsmx = QStringLiteral("select * from xsmx");
const QString kWholeKcbj = QStringLiteral("select * from kcbj");

// The last whole month before today: the store's dates run up to today.
QDate monthStart() { return QDate::currentDate().addMonths(-1).addDays(1 - QDate::currentDate().day()); }
QDate monthEnd() { return monthStart().addMonths(1).addDays(-1); }

QString storeDate(const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd 00:00:00")); }

Operation textSearch(const QString& store)
{
    const QString text = QStringLiteral("螺丝");
    return {QStringLiteral("text search"),
            [text] {
                MainForm->CheckBox1->setChecked(false);
                MainForm->Edit2->setText(text);
            },
            [] { MainForm->Button1->click(); },
            [store, text] {
                return floorReadMs(store, {"select * from jxc where 商品编号<>'' and 商品名称 like '%" + text + "%'"});
            }};
}

Operation dateSearch(const QString& store)
{
    return {QStringLiteral("date search"),
            [] {
                XsmxForm->CheckBox1->setChecked(true);
                XsmxForm->DateTimePicker1->setDate(monthStart());
                XsmxForm->DateTimePicker2->setDate(monthEnd());
            },
            [] { XsmxForm->Button1->click(); },
            [store] {
                return floorReadMs(store, {"select * from xsmx where \"销售日期\" between '" + storeDate(monthStart()) +
                                           "' and '" + storeDate(monthEnd()) + "'"});
            }};
}

Operation refresh(const QString& store)
{
    return {QStringLiteral("refresh"), [] {}, [] { XsmxForm->Button2->click(); },
            [store] { return floorReadMs(store, {kWholeXsmx}); }};
}

// 销售商品 on the main grid's current product: a price, then 销售.
Operation sale(platform::ScriptedInteraction& user)
{
    return {QStringLiteral("sale"),
            [&user] {
                user.onModal = [](QWidget*) {
                    XsspForm->Edit1->setText(QStringLiteral("10"));
                    XsspForm->SpeedButton1->click();
                };
            },
            [] { MainForm->SpeedButton9->click(); },
            {}};
}

// 修改 on a line in the middle of the sales grid, saved unchanged.
Operation correction(const QString& store, platform::ScriptedInteraction& user)
{
    return {QStringLiteral("correction"),
            [&user] {
                XsmxForm->ADOQuery1.SetRecNo(XsmxForm->ADOQuery1.RecordCount() / 2);
                user.onModal = [](QWidget*) { XsspForm->SpeedButton2->click(); };
            },
            [] { XsmxForm->SpeedButton4->click(); },
            [store] { return floorReadMs(store, {kWholeJxc, kWholeXsmx, kWholeKcbj}); }};
}

Operation statistics(platform::ScriptedInteraction& user)
{
    return {QStringLiteral("statistics"), [&user] { user.onModal = {}; }, [] { MainForm->N7->trigger(); }, {}};
}

Operation summary(const QString& store, platform::ScriptedInteraction& user)
{
    return {QStringLiteral("summary"), [&user] { user.onModal = {}; }, [] { MainForm->SpeedButton11->click(); },
            [store] { return floorReadMs(store, {kWholeJxc, kWholeKcbj}); }};
}

Operation exportLines(const QString& store, platform::ScriptedInteraction& user)
{
    const QString file = store + QStringLiteral("-export");
    return {QStringLiteral("export"), [] {}, [&user, file] { exportAllSalesLines(user, file); },
            [store, file] { return floorExportMs(store, file + QStringLiteral("-floor.xlsx")); }};
}

// The sales grid, shown and scrolled to its last row, painted whole.
Operation paint()
{
    return {QStringLiteral("paint"),
            [] {
                XsmxForm->show();
                XsmxForm->ADOQuery1.Last();
                settle();
            },
            [] { XsmxForm->DBGridEh1->grab(); },
            {}};
}

}  // namespace

std::vector<Operation> operations(const QString& store, platform::ScriptedInteraction& user)
{
    std::vector<Operation> ops = {sale(user), correction(store, user), textSearch(store), dateSearch(store),
                                  refresh(store), statistics(user), summary(store, user)};
    if (exportAllSalesLines(user, {}))
        ops.push_back(exportLines(store, user));
    ops.push_back(paint());
    return ops;
}

}  // namespace bench
