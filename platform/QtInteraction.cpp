#include "platform/QtInteraction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Stop: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Ends a local event loop once its window is really hidden; a minimised
// window also gets a hide event but stays visible.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop& loop) : window_(window), loop_(loop) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Hide && !window_->isVisible())
            loop_.quit();
        return false;
    }

private:
    QWidget* window_;
    QEventLoop& loop_;
};

// An empty name is what the Qt dialogs return on cancel.
std::optional<QString> chosen(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

}  // namespace

Answer QtInteraction::messageBox(const MessageRecord& box)
{
    const auto buttons = box.buttons == Buttons::OKCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                          : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox message(toQt(box.icon), box.caption, box.text, buttons, box.owner);
    message.setDefaultButton(QMessageBox::Ok);
    if (box.buttons == Buttons::OKCancel)
        message.setEscapeButton(QMessageBox::Cancel);
    const int result = message.exec();
    if (box.buttons == Buttons::OK)
        return Answer::OK;
    return result == QMessageBox::Ok ? Answer::OK : Answer::Cancel;
}

// No title, filter or extension of our own. The save dialog does not ask
// about overwriting: its callers append their own extension to the name, so
// the question would be about the wrong file.
std::optional<QString> QtInteraction::saveFileName(QWidget* owner, const QString& start)
{
    return chosen(QFileDialog::getSaveFileName(owner, QString(), start, QString(), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

std::optional<QString> QtInteraction::openFileName(QWidget* owner, const QString& start)
{
    return chosen(QFileDialog::getOpenFileName(owner, QString(), start));
}

void QtInteraction::showModal(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    // The windows are created without a parent; tying the modal one to the
    // window it was opened from keeps it above that window on every desktop.
    if (QWidget* opener = QApplication::activeWindow(); opener && opener != window) {
        window->winId();
        if (QWindow* handle = window->windowHandle()) handle->setTransientParent(opener->windowHandle());
    }
    window->show();
    // A show handler may already have closed it again.
    if (!guard || !guard->isVisible())
        return;
    // Shown again, a window may come up under the one that opened it, where
    // nobody can reach it.
    window->raise();
    window->activateWindow();
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

bool QtInteraction::startProgram(const QString& program, const QStringList& args)
{
    return QProcess::startDetached(program, args);
}

bool QtInteraction::openUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

// Closing the main window ends the program (its close handling quits).
void QtInteraction::endProgram(QWidget* mainWindow)
{
    if (mainWindow)
        mainWindow->close();
    else
        QCoreApplication::quit();
}

}  // namespace platform
