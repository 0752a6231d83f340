#include "platform/Form.h"

#include "platform/Fonts.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

TForm::TForm(Border border) : border_(border)
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
    clientSize_ = QSize(width, height);
    if (border_ == Border::Dialog) {
        setFixedSize(clientSize_);
        return;
    }
    // A fixed size would leave the maximise box nothing to do; instead any
    // other size than the maximised one is undone.
    setMinimumSize(clientSize_);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(clientSize_);
}

void TForm::keepClientSize()
{
    if (border_ == Border::Window && clientSize_.isValid() && !sizeIsFree() && size() != clientSize_)
        resize(clientSize_);
}

void TForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The desktop may tell the new size before the new state; look again
    // once both have arrived.
    if (border_ == Border::Window && !sizeIsFree() && size() != clientSize_)
        QTimer::singleShot(0, this, [this] { keepClientSize(); });
}

void TForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        keepClientSize();
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
