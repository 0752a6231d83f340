// The sales detail window's two menus and the wiring of every control to its handler.
#include "sales/XsmxUnit.h"

#include "platform/DBGridEh.h"
#include "platform/Wiring.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

void TXsmxForm::buildMenus()
{
    auto menu = [this] {
        auto* m = new QMenu(this);
        m->setFont(font());
        return m;
    };
    PopupMenu1 = menu();
    N1 = PopupMenu1->addAction(QStringLiteral("修改"));
    N2 = PopupMenu1->addAction(QStringLiteral("删除"));

    PopupMenu2 = menu();
    N3 = PopupMenu2->addAction(QStringLiteral("修改"));
    N4 = PopupMenu2->addAction(QStringLiteral("删除"));
    N5 = PopupMenu2->addSeparator();
    N6 = PopupMenu2->addAction(QStringLiteral("数据导出"));
    DBGridEh1->setPopupMenu(PopupMenu2);
}

void TXsmxForm::wire()
{
    using platform::onClick;
    using platform::onTriggered;
    onClick(SpeedButton1, this, [this] { SpeedButton1Click(); });
    onClick(SpeedButton2, this, [this] { SpeedButton2Click(); });
    onClick(SpeedButton3, this, [this] { SpeedButton3Click(); });
    onClick(SpeedButton4, this, [this] { SpeedButton4Click(); });
    onClick(SpeedButton5, this, [this] { SpeedButton5Click(); });
    onClick(CheckBox1, this, [this] { CheckBox1Click(); });
    onClick(Button1, this, [this] { Button1Click(); });
    onClick(Button2, this, [this] { Button2Click(); });
    onTriggered(N1, this, [this] { N1Click(); });
    onTriggered(N2, this, [this] { N2Click(); });
    onTriggered(N3, this, [this] { N3Click(); });
    onTriggered(N4, this, [this] { N4Click(); });
    onTriggered(N6, this, [this] { N6Click(); });
    // The grid runs its events under the error guard itself.
    DBGridEh1->onCellClick = [this](int) { DBGridEh1CellClick(); };
}

QPoint TXsmxForm::menuPoint() const
{
    const QRect frame = frameGeometry();
    return QPoint(frame.left() + SpeedButton1->x(), frame.top() + SpeedButton1->y() + SpeedButton1->height() + 30);
}

void TXsmxForm::SpeedButton1Click() { PopupMenu1->popup(menuPoint()); }
