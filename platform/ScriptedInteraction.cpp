#include "platform/ScriptedInteraction.h"

#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

template <typename T>
std::optional<T> takeFront(std::deque<T>& queue)
{
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

}  // namespace

Answer ScriptedInteraction::messageBox(const MessageRecord& box)
{
    messages.push_back(box);
    if (onMessage)
        onMessage(box);
    return takeFront(answers).value_or(Answer::OK);
}

std::optional<QString> ScriptedInteraction::saveFileName(QWidget*, const QString& start)
{
    saveStarts.push_back(start);
    return takeFront(saveAnswers).value_or(std::nullopt);
}

std::optional<QString> ScriptedInteraction::openFileName(QWidget*, const QString& start)
{
    openStarts.push_back(start);
    return takeFront(openAnswers).value_or(std::nullopt);
}

void ScriptedInteraction::showModal(QWidget* window)
{
    modalShown.push_back(window);
    QPointer<QWidget> guard(window);
    if (showsWindow)
        window->show();
    if (onModal && guard)
        onModal(window);
    if (showsWindow && guard && guard->isVisible())
        guard->close();
}

bool ScriptedInteraction::startProgram(const QString& program, const QStringList& args)
{
    started.push_back({program, args});
    return startSucceeds && !unavailable.contains(program);
}

bool ScriptedInteraction::openUrl(const QString& url)
{
    urls.push_back(url);
    return openUrlSucceeds;
}

void ScriptedInteraction::endProgram(QWidget*)
{
    ++programEnds;
}

}  // namespace platform
