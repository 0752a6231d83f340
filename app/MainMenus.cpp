// The main window's menus and the wiring of every control to its handler.
#include "app/MainUnit.h"

#include "platform/DBGridEh.h"
#include "platform/Wiring.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

QMenu* menu(QWidget* parent)
{
    auto* m = new QMenu(parent);
    m->setFont(parent->font());
    return m;
}

}  // namespace

void TMainForm::buildMenus()
{
    auto item = [this](QMenu* m, const char* caption) { return m->addAction(QString::fromUtf8(caption)); };

    PopupMenu1 = menu(this);
    N1 = item(PopupMenu1, "新增商品");
    N2 = item(PopupMenu1, "修改");
    N3 = item(PopupMenu1, "删除");

    PopupMenu2 = menu(this);
    N4 = item(PopupMenu2, "销售商品");
    N5 = PopupMenu2->addSeparator();
    N6 = item(PopupMenu2, "销售明细");
    N7 = item(PopupMenu2, "销售统计");

    PopupMenu3 = menu(this);
    N8 = item(PopupMenu3, "数据备份");
    N9 = item(PopupMenu3, "数据恢复");

    PopupMenu4 = menu(this);
    N10 = item(PopupMenu4, "计算器");
    N11 = item(PopupMenu4, "记事本");

    PopupMenu5 = menu(this);
    N13 = item(PopupMenu5, "常见问题");
    N14 = item(PopupMenu5, "技术支持");
    N15 = item(PopupMenu5, "软件网站");

    PopupMenu6 = menu(this);
    N16 = item(PopupMenu6, "新增商品");
    N17 = item(PopupMenu6, "修改");
    N18 = item(PopupMenu6, "删除");
    N19 = item(PopupMenu6, "刷新");
    PopupMenu6->addSeparator();
    N21 = item(PopupMenu6, "销售商品");
    PopupMenu6->addSeparator();
    N23 = item(PopupMenu6, "销售明细");
    N24 = item(PopupMenu6, "销售统计");
    PopupMenu6->addSeparator();
    N26 = item(PopupMenu6, "库存管理");
    PopupMenu6->addSeparator();
    N28 = item(PopupMenu6, "数据导出");
    DBGridEh1->setPopupMenu(PopupMenu6);
}

void TMainForm::wire()
{
    using platform::onClick;
    using platform::onTriggered;
    onClick(SpeedButton1, this, [this] { SpeedButton1Click(); });
    onClick(SpeedButton2, this, [this] { SpeedButton2Click(); });
    onClick(SpeedButton3, this, [this] { SpeedButton3Click(); });
    onClick(SpeedButton4, this, [this] { SpeedButton4Click(); });
    onClick(SpeedButton5, this, [this] { SpeedButton5Click(); });
    onClick(SpeedButton6, this, [this] { SpeedButton6Click(); });
    onClick(SpeedButton7, this, [this] { SpeedButton7Click(); });
    onClick(SpeedButton8, this, [this] { SpeedButton8Click(); });
    onClick(SpeedButton9, this, [this] { SpeedButton9Click(); });
    onClick(SpeedButton10, this, [this] { SpeedButton10Click(); });
    onClick(SpeedButton11, this, [this] { SpeedButton11Click(); });
    onClick(Button1, this, [this] { Button1Click(); });
    onClick(Button2, this, [this] { Button2Click(); });
    onClick(CheckBox1, this, [this] { CheckBox1Click(); });

    onTriggered(N1, this, [this] { N1Click(); });
    onTriggered(N2, this, [this] { N2Click(); });
    onTriggered(N3, this, [this] { N3Click(); });
    onTriggered(N4, this, [this] { N4Click(); });
    onTriggered(N6, this, [this] { N6Click(); });
    onTriggered(N7, this, [this] { N7Click(); });
    onTriggered(N8, this, [this] { N8Click(); });
    onTriggered(N9, this, [this] { N9Click(); });
    onTriggered(N10, this, [this] { N10Click(); });
    onTriggered(N11, this, [this] { N11Click(); });
    onTriggered(N13, this, [this] { N13Click(); });
    onTriggered(N14, this, [this] { N14Click(); });
    onTriggered(N15, this, [this] { N15Click(); });
    onTriggered(N16, this, [this] { N16Click(); });
    onTriggered(N17, this, [this] { N17Click(); });
    onTriggered(N18, this, [this] { N18Click(); });
    onTriggered(N19, this, [this] { N19Click(); });
    onTriggered(N21, this, [this] { N21Click(); });
    onTriggered(N23, this, [this] { N23Click(); });
    onTriggered(N24, this, [this] { N24Click(); });
    onTriggered(N26, this, [this] { N26Click(); });
    onTriggered(N28, this, [this] { N28Click(); });

    QObject::connect(Timer1, &QTimer::timeout, this, [this] { platform::guarded(this, [this] { Timer1Timer(); }); });
    DBGridEh1->onDblClick = [this] { DBGridEh1DblClick(); };
    DBGridEh1->onGetCellParams = [this](int row, int col, QColor& background) {
        DBGridEh1GetCellParams(row, col, background);
    };
}

QPoint TMainForm::menuPoint(const QToolButton* button) const
{
    const QRect frame = frameGeometry();
    return QPoint(frame.left() + button->x(), frame.top() + button->y() + button->height() + 30);
}

void TMainForm::openMenu(QToolButton* button, QMenu* menu)
{
    menu->popup(menuPoint(button));
}

void TMainForm::SpeedButton1Click() { openMenu(SpeedButton1, PopupMenu1); }
void TMainForm::SpeedButton2Click() { openMenu(SpeedButton2, PopupMenu2); }
void TMainForm::SpeedButton5Click() { openMenu(SpeedButton5, PopupMenu3); }
void TMainForm::SpeedButton6Click() { openMenu(SpeedButton6, PopupMenu4); }
void TMainForm::SpeedButton7Click() { openMenu(SpeedButton7, PopupMenu5); }
