#pragma once
// A scripted stand-in for the user, for tests: it records every box, dialog,
// modal window and outside program asked for, answers from queues, and never
// blocks.
#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <vector>

namespace platform {

class ScriptedInteraction : public Interaction {
public:
    struct ProgramCall {
        QString program;
        QStringList args;
    };

    // Message boxes: each one is recorded; the answer is taken from the front
    // of `answers`, OK when it is empty.
    std::vector<MessageRecord> messages;
    std::deque<Answer> answers;
    // Runs while each box is up, before it is answered.
    std::function<void(const MessageRecord&)> onMessage;

    // File dialogs: the start name each was shown with, and the answers; an
    // empty queue or an empty optional means the user cancelled.
    std::vector<QString> saveStarts;
    std::vector<QString> openStarts;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QString>> openAnswers;

    // Modal windows: each one is recorded, shown (so its show handling runs,
    // unless `showsWindow` is false), handed to `onModal`, which may act on
    // it as the user would, and closed again if still visible.
    std::vector<QWidget*> modalShown;
    std::function<void(QWidget*)> onModal;
    bool showsWindow = true;

    // Outside programs and addresses: recorded; a program starts unless
    // `startSucceeds` is false or its name is in `unavailable`.
    std::vector<ProgramCall> started;
    bool startSucceeds = true;
    QStringList unavailable;
    std::vector<QString> urls;
    bool openUrlSucceeds = true;

    // The end of the program: counted, nothing is closed.
    int programEnds = 0;

    Answer messageBox(const MessageRecord& box) override;
    std::optional<QString> saveFileName(QWidget* owner, const QString& start) override;
    std::optional<QString> openFileName(QWidget* owner, const QString& start) override;
    void showModal(QWidget* window) override;
    bool startProgram(const QString& program, const QStringList& args) override;
    bool openUrl(const QString& url) override;
    void endProgram(QWidget* mainWindow) override;
};

// Installs an interaction for one scope and puts the real one back after it.
class ScopedInteraction {
public:
    explicit ScopedInteraction(Interaction& interaction) { setInteraction(&interaction); }
    ~ScopedInteraction() { setInteraction(nullptr); }
    ScopedInteraction(const ScopedInteraction&) = delete;
    ScopedInteraction& operator=(const ScopedInteraction&) = delete;
};

}  // namespace platform
