#include "platform/Form.h"

#include "platform/Fonts.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

TForm::TForm(Border border)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (border == Border::Window) flags |= Qt::WindowMinMaxButtonsHint;
    else flags = (flags & ~Qt::Window) | Qt::Dialog;
    setWindowFlags(flags);
    setFont(platform::songti(13));
}

void TForm::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void TForm::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) platform::guarded(this, [this] { FormShow(); });
}

void TForm::closeEvent(QCloseEvent* event)
{
    platform::guarded(this, [this] { FormClose(); });
    event->accept();
}
