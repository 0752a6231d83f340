// Every command of the main window, reached as the user reaches it: a menu
// button opens its own menu, whose item is then chosen; a right click on the
// grid opens the grid's menu. Each must arrive at its own window or command.
#include "tests/ui/DataFixture.h"

#include "platform/DBGridEh.h"
#include "purchasing/XzspUnit.h"
#include "reports/SphzUnit.h"
#include "reports/XstjUnit.h"
#include "sales/XsmxUnit.h"
#include "sales/XsspUnit.h"
#include "stock/KcglUnit.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

enum class Effect {
    NewProduct, Correct, Delete, Sell, SalesDetail, Statistics, Summary, StockAlarm, Export, Backup, Restore,
    Calculator, TextEditor, CommonQuestions, Support, WebSite, Search, Refresh, DatePickers
};

enum class Place { Button, MenuButton, GridMenu, DoubleClick };

struct Command {
    const char* control;
    Place place;
    QToolButton* TMainForm::*menuButton;  // the button that opens the item's menu
    QMenu* TMainForm::*menu;              // the menu the item must be in
    const char* caption;                  // the button's or the item's caption
    Effect effect;
};

QMenu* openPopup()
{
    QApplication::processEvents();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Chooses the item as from the keyboard: highlight it, press Return.
void choose(QMenu* menu, const QString& caption)
{
    for (QAction* a : menu->actions()) {
        if (a->text() != caption) continue;
        menu->setActiveAction(a);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &press);
        QApplication::processEvents();
        return;
    }
    ADD_FAILURE() << "no item " << caption.toStdString() << " in the menu that opened";
    menu->close();
}

// The one button with this caption, as the user finds it.
QAbstractButton* buttonCaptioned(QWidget* window, const QString& caption)
{
    QAbstractButton* found = nullptr;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text() != caption) continue;
        EXPECT_EQ(found, nullptr) << "two buttons captioned " << caption.toStdString();
        found = b;
    }
    return found;
}

class CommandTable : public DataFixture, public ::testing::WithParamInterface<Command> {
protected:
    QWidget* lastModal() const { return user.modalShown.empty() ? nullptr : user.modalShown.back(); }

    void reach(const Command& c)
    {
        TMainForm& m = *MainForm;
        const QString caption = QString::fromUtf8(c.caption);
        switch (c.place) {
        case Place::Button: {
            QAbstractButton* b = buttonCaptioned(&m, caption);
            ASSERT_NE(b, nullptr) << c.caption;
            b->click();
            break;
        }
        case Place::MenuButton: {
            (m.*c.menuButton)->click();
            QMenu* opened = openPopup();
            ASSERT_EQ(opened, m.*c.menu) << "the button opened another menu";
            choose(opened, caption);
            break;
        }
        case Place::GridMenu: {
            QWidget* cells = m.DBGridEh1->view()->viewport();
            const QPoint p(40, 10);
            QContextMenuEvent event(QContextMenuEvent::Mouse, p, cells->mapToGlobal(p));
            QApplication::sendEvent(cells, &event);
            QMenu* opened = openPopup();
            ASSERT_EQ(opened, m.PopupMenu6);
            choose(opened, caption);
            break;
        }
        case Place::DoubleClick: {
            QTableView* view = m.DBGridEh1->view();
            const QPoint p = view->visualRect(view->model()->index(0, 1)).center();
            for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                   QEvent::MouseButtonRelease}) {
                const Qt::MouseButtons held = t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
                QMouseEvent e(t, QPointF(p), QPointF(view->viewport()->mapToGlobal(p)), Qt::LeftButton, held, {});
                QApplication::sendEvent(view->viewport(), &e);
            }
            break;
        }
        }
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "a menu stayed open";
    }

    void prepare(Effect e)
    {
        switch (e) {
        case Effect::Export:
        case Effect::Backup: user.saveAnswers.push_back(outFile("cmd")); break;
        case Effect::Restore:
            write(outFile("note.txt"), "no store");
            user.openAnswers.push_back(outFile("note.txt"));
            break;
        case Effect::Search: MainForm->Edit2->setText("矿泉水"); break;
        case Effect::Refresh:
            MainForm->Edit2->setText("矿泉水");
            MainForm->Button1Click();
            ASSERT_EQ(MainForm->ADOQuery1.RecordCount(), 1);
            break;
        case Effect::NewProduct:
        case Effect::Correct:
            user.onModal = [this](QWidget* w) {
                if (w == XzspForm) xzspHeader = XzspForm->Label1->text();
            };
            break;
        default: break;
        }
    }

    QString lastMessage() const { return user.messages.empty() ? QString() : user.messages.back().text; }
    QString firstProgram() const { return user.started.empty() ? QString() : user.started.front().program; }
    QString lastUrl() const { return user.urls.empty() ? QString() : user.urls.back(); }

    void expectArrived(Effect e)
    {
        TMainForm& m = *MainForm;
        switch (e) {
        case Effect::NewProduct:
            EXPECT_EQ(lastModal(), XzspForm);
            EXPECT_EQ(xzspHeader, "进货管理   新增商品");
            break;
        case Effect::Correct:
            EXPECT_EQ(lastModal(), XzspForm);
            EXPECT_EQ(xzspHeader, "进货管理   修改");
            break;
        case Effect::Delete: EXPECT_TRUE(lastMessage().startsWith("请单击左边的序号")) << lastMessage().toStdString(); break;
        case Effect::Sell: EXPECT_EQ(lastModal(), XsspForm); break;
        case Effect::SalesDetail: EXPECT_EQ(lastModal(), XsmxForm); break;
        case Effect::Statistics: EXPECT_EQ(lastModal(), XstjForm); break;
        case Effect::Summary: EXPECT_EQ(lastModal(), SphzForm); break;
        case Effect::StockAlarm: EXPECT_EQ(lastModal(), KcglForm); break;
        case Effect::Export:
            EXPECT_EQ(lastMessage(), "数据导出成功！");
            EXPECT_TRUE(QFile::exists(outFile("cmd.xls")));
            break;
        case Effect::Backup:
            EXPECT_EQ(lastMessage(), "数据备份成功！");
            EXPECT_TRUE(QFile::exists(outFile("cmd.bak")));
            break;
        case Effect::Restore:
            EXPECT_EQ(user.openStarts.size(), 1u);
            EXPECT_EQ(lastMessage(), "数据恢复失败，请重试！");
            break;
        case Effect::Calculator: EXPECT_EQ(firstProgram(), "gnome-calculator"); break;
        case Effect::TextEditor: EXPECT_EQ(firstProgram(), "gedit"); break;
        case Effect::CommonQuestions: EXPECT_EQ(lastUrl(), maker::kCommonQuestions); break;
        case Effect::Support: EXPECT_EQ(lastUrl(), maker::kSupportMail); break;
        case Effect::WebSite: EXPECT_EQ(lastUrl(), maker::kWebSite); break;
        case Effect::Search: EXPECT_EQ(m.ADOQuery1.RecordCount(), 1); break;
        case Effect::Refresh: EXPECT_EQ(m.ADOQuery1.RecordCount(), 3); break;
        case Effect::DatePickers:
            EXPECT_TRUE(m.CheckBox1->isChecked());
            EXPECT_TRUE(m.DateTimePicker1->isEnabled());
            EXPECT_TRUE(m.DateTimePicker2->isEnabled());
            break;
        }
    }

    QString xzspHeader;
};

TEST_P(CommandTable, ReachesItsOwnWindowOrCommand)
{
    const Command c = GetParam();
    prepare(c.effect);
    reach(c);
    expectArrived(c.effect);
    // Only what the command itself asks for: one dialog at most, no stray window.
    EXPECT_LE(user.modalShown.size(), 1u);
}

using M = TMainForm;
constexpr auto B = Place::Button;
constexpr auto MB = Place::MenuButton;
constexpr auto G = Place::GridMenu;

INSTANTIATE_TEST_SUITE_P(
    MainWindow, CommandTable,
    ::testing::Values(
        Command{"SpeedButton3", B, nullptr, nullptr, "库存管理", Effect::StockAlarm},
        Command{"SpeedButton4", B, nullptr, nullptr, "数据导出", Effect::Export},
        Command{"SpeedButton8", B, nullptr, nullptr, "新增商品", Effect::NewProduct},
        Command{"SpeedButton9", B, nullptr, nullptr, "销售商品", Effect::Sell},
        Command{"SpeedButton10", B, nullptr, nullptr, "销售明细", Effect::SalesDetail},
        Command{"SpeedButton11", B, nullptr, nullptr, "商品汇总", Effect::Summary},
        Command{"Button1", B, nullptr, nullptr, "查询", Effect::Search},
        Command{"Button2", B, nullptr, nullptr, "刷新", Effect::Refresh},
        Command{"CheckBox1", B, nullptr, nullptr, "进货日期", Effect::DatePickers},
        Command{"N1", MB, &M::SpeedButton1, &M::PopupMenu1, "新增商品", Effect::NewProduct},
        Command{"N2", MB, &M::SpeedButton1, &M::PopupMenu1, "修改", Effect::Correct},
        Command{"N3", MB, &M::SpeedButton1, &M::PopupMenu1, "删除", Effect::Delete},
        Command{"N4", MB, &M::SpeedButton2, &M::PopupMenu2, "销售商品", Effect::Sell},
        Command{"N6", MB, &M::SpeedButton2, &M::PopupMenu2, "销售明细", Effect::SalesDetail},
        Command{"N7", MB, &M::SpeedButton2, &M::PopupMenu2, "销售统计", Effect::Statistics},
        Command{"N8", MB, &M::SpeedButton5, &M::PopupMenu3, "数据备份", Effect::Backup},
        Command{"N9", MB, &M::SpeedButton5, &M::PopupMenu3, "数据恢复", Effect::Restore},
        Command{"N10", MB, &M::SpeedButton6, &M::PopupMenu4, "计算器", Effect::Calculator},
        Command{"N11", MB, &M::SpeedButton6, &M::PopupMenu4, "记事本", Effect::TextEditor},
        Command{"N13", MB, &M::SpeedButton7, &M::PopupMenu5, "常见问题", Effect::CommonQuestions},
        Command{"N14", MB, &M::SpeedButton7, &M::PopupMenu5, "技术支持", Effect::Support},
        Command{"N15", MB, &M::SpeedButton7, &M::PopupMenu5, "软件网站", Effect::WebSite},
        Command{"N16", G, nullptr, nullptr, "新增商品", Effect::NewProduct},
        Command{"N17", G, nullptr, nullptr, "修改", Effect::Correct},
        Command{"N18", G, nullptr, nullptr, "删除", Effect::Delete},
        Command{"N19", G, nullptr, nullptr, "刷新", Effect::Refresh},
        Command{"N21", G, nullptr, nullptr, "销售商品", Effect::Sell},
        Command{"N23", G, nullptr, nullptr, "销售明细", Effect::SalesDetail},
        Command{"N24", G, nullptr, nullptr, "销售统计", Effect::Statistics},
        Command{"N26", G, nullptr, nullptr, "库存管理", Effect::StockAlarm},
        Command{"N28", G, nullptr, nullptr, "数据导出", Effect::Export},
        Command{"DBGridEh1", Place::DoubleClick, nullptr, nullptr, "", Effect::Sell}),
    [](const auto& info) { return std::string(info.param.control); });

}  // namespace
