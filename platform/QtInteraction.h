#pragma once
// The interactive half of the platform as the user sees it: Qt message boxes
// and file dialogs, modal windows, detached programs and the desktop's URL
// handler.
#include "platform/Platform.h"

namespace platform {

class QtInteraction : public Interaction {
public:
    Answer messageBox(const MessageRecord& box) override;
    std::optional<QString> saveFileName(QWidget* owner, const QString& start) override;
    std::optional<QString> openFileName(QWidget* owner, const QString& start) override;
    void showModal(QWidget* window) override;
    bool startProgram(const QString& program, const QStringList& args) override;
    bool openUrl(const QString& url) override;
    void endProgram(QWidget* mainWindow) override;
};

}  // namespace platform
