// Message boxes: the general error box, the "提示" notices and the guard that
// turns an escaping error into the error box.
#include "platform/Platform.h"

#include "db/Errors.h"
#include "db/LockWait.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <exception>
#include <utility>

namespace platform {

namespace {

const QString noticeCaption = QStringLiteral("提示");

std::function<void()>& afterErrorHook()
{
    static std::function<void()> hook;
    return hook;
}

// The hook is cleanup after a failure; a second failure inside it must not
// hide the first one's message.
void runAfterErrorHook()
{
    auto& hook = afterErrorHook();
    if (!hook)
        return;
    try {
        hook();
    } catch (...) {
    }
}

void fail(QWidget* owner, const QString& message)
{
    runAfterErrorHook();
    try {
        showError(owner, message);
    } catch (...) {
    }
}

}  // namespace

QString titleFromProgramPath(const QString& programPath)
{
    const qsizetype slash = std::max(programPath.lastIndexOf(u'/'), programPath.lastIndexOf(u'\\'));
    QString name = programPath.mid(slash + 1);
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle()
{
    return titleFromProgramPath(QCoreApplication::applicationFilePath());
}

QString errorText(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

Answer messageBox(QWidget* owner, const QString& text, const QString& caption, Buttons buttons, Icon icon)
{
    MessageRecord box;
    box.owner = owner;
    box.text = text;
    box.caption = caption;
    box.buttons = buttons;
    box.icon = icon;
    return interaction().messageBox(box);
}

void showError(QWidget* owner, const QString& message)
{
    messageBox(owner, errorText(message), applicationTitle(), Buttons::OK, Icon::Stop);
}

void notice(QWidget* owner, const QString& text)
{
    messageBox(owner, text, noticeCaption, Buttons::OK, Icon::None);
}

void information(QWidget* owner, const QString& text)
{
    messageBox(owner, text, noticeCaption, Buttons::OK, Icon::Information);
}

bool confirmWarning(QWidget* owner, const QString& text)
{
    return messageBox(owner, text, noticeCaption, Buttons::OKCancel, Icon::Warning) == Answer::OK;
}

void setAfterErrorHook(std::function<void()> hook)
{
    afterErrorHook() = std::move(hook);
}

CommandScope::CommandScope() : outerLevel_(runningLevel())
{
    // A handler run from the event loop the running command waits in (a
    // modal window's) is a command of its own; one at the command's own
    // level is a part of it, such as each window's opening at start-up.
    const int level = QThread::currentThread()->loopLevel();
    if (outerLevel_ != level) {
        budget_.emplace();
        runningLevel() = level;
    }
}

CommandScope::~CommandScope()
{
    runningLevel() = outerLevel_;
}

int& CommandScope::runningLevel()
{
    static int level = -1;
    return level;
}

void guarded(QWidget* owner, const std::function<void()>& handler)
{
    const CommandScope command;
    try {
        handler();
    } catch (const EJxcError& error) {
        fail(owner, error.message());
    } catch (const std::exception& error) {
        fail(owner, QString::fromUtf8(error.what()));
    } catch (...) {
        fail(owner, QStringLiteral("未知错误"));
    }
}

}  // namespace platform
