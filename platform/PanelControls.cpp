#include "platform/PanelControls.h"

#include "platform/DatePicker.h"
#include "platform/Fonts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace platform {

QToolButton* flatButton(QWidget* parent, const QString& caption, int x)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(x, 3, 65, 22);
    return b;
}

QToolButton* largeButton(QWidget* parent, const QString& caption, Picture which, int x)
{
    auto* b = new QToolButton(parent);
    b->setText(caption);
    b->setIcon(picture(which));
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFont(songti(12));
    b->setGeometry(x, 40, 57, 57);
    return b;
}

SearchGroup searchGroup(QWidget* parent, int x, const QStringList& labels, const QString& dateCaption)
{
    SearchGroup g;
    g.group = new QGroupBox(QStringLiteral("科目查询"), parent);
    g.group->setGeometry(x, 8, 513, 105);
    g.group->setFont(songti(13, true));
    // The bold caption must not pass on to the controls inside.
    auto* inner = new QWidget(g.group);
    inner->setGeometry(0, 0, 513, 105);
    inner->setFont(songti(13));

    for (int i = 0; i < 6; ++i) {
        const int left = 24 + 160 * (i % 3), top = 24 + 24 * (i / 3);
        auto* l = new QLabel(labels.value(i), inner);
        l->setGeometry(left, top, 56, 21);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        g.edits[i] = new QLineEdit(inner);
        g.edits[i]->setGeometry(left + 56, top, 89, 21);
    }

    g.dateCheck = new QCheckBox(dateCaption, inner);
    g.dateCheck->setGeometry(6, 72, 74, 21);
    auto picker = [inner](int left) {
        auto* d = new TDateTimePicker(inner);
        d->setGeometry(left, 72, 113, 21);
        d->setEnabled(false);
        return d;
    };
    g.from = picker(80);
    auto* to = new QLabel(QStringLiteral("至"), inner);
    to->setGeometry(198, 72, 16, 21);
    g.to = picker(216);
    g.search = new QPushButton(QStringLiteral("查询"), inner);
    g.search->setGeometry(376, 72, 50, 20);
    g.refresh = new QPushButton(QStringLiteral("刷新"), inner);
    g.refresh->setGeometry(440, 72, 50, 20);
    return g;
}

}  // namespace platform
