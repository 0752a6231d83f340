#pragma once
// The one door through which windows reach dialogs, the shell and the file
// system. Tests swap the interactive half (Interaction) for a script, so no
// test ever waits on a dialog.
#include "db/LockWait.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace platform {

enum class Buttons { OK, OKCancel };
enum class Icon { None, Information, Warning, Question, Stop };
enum class Answer { OK, Cancel };

// One message box as it was asked for; tests read these back.
struct MessageRecord {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
};

// The interactive part of the platform. The real one shows Qt dialogs and
// starts programs; tests install a ScriptedInteraction.
class Interaction {
public:
    virtual ~Interaction() = default;
    virtual Answer messageBox(const MessageRecord& box) = 0;
    // Empty optional: the user cancelled. `start` is the name last chosen in that dialog.
    virtual std::optional<QString> saveFileName(QWidget* owner, const QString& start) = 0;
    virtual std::optional<QString> openFileName(QWidget* owner, const QString& start) = 0;
    // Shows `window` modally and returns when it is closed.
    virtual void showModal(QWidget* window) = 0;
    // Starts a detached program; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& args) = 0;
    virtual bool openUrl(const QString& url) = 0;
    // Ends the program by closing its main window `mainWindow`.
    virtual void endProgram(QWidget* mainWindow) = 0;
};

// Installs `interaction` (not owned); nullptr puts the real one back.
void setInteraction(Interaction* interaction);
Interaction& interaction();

// The application title used as the general error box's caption: the program
// file's name without folder and without everything from its first ".",
// every letter after the first in lower case ("Project1").
QString applicationTitle();
QString titleFromProgramPath(const QString& programPath);  // the rule behind it

// The general error box: full stop added when the last character sorts after
// ".", stop icon, OK, the application title as caption.
void showError(QWidget* owner, const QString& message);
QString errorText(const QString& message);  // the text showError shows

// Notice boxes, caption "提示".
void notice(QWidget* owner, const QString& text);                 // OK, no icon
void information(QWidget* owner, const QString& text);            // OK, information icon
bool confirmWarning(QWidget* owner, const QString& text);         // OK/Cancel, warning icon; true on OK
Answer messageBox(QWidget* owner, const QString& text, const QString& caption, Buttons buttons, Icon icon);

// One command, or the start-up: a store locked by another program is waited
// for once in it (see lockwait). Handlers run under guarded are commands.
class CommandScope {
public:
    CommandScope();
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    static int& runningLevel();
    int outerLevel_;
    std::optional<lockwait::Scope> budget_;
};

// Shows the wait cursor while the store waits for a lock.
void showWaitCursorWhileTheStoreWaits();

// Runs `handler`; an escaping error goes to the general error box (owned by
// `owner`) and any row left in editing by it is cancelled. Nothing crosses the
// Qt event loop.
void guarded(QWidget* owner, const std::function<void()>& handler);
// Run by guarded after every caught error, before the box shows; the database
// layer installs the cancelling of pending edits here. An empty hook removes it.
void setAfterErrorHook(std::function<void()> hook);

// Modal show through the seam.
void showModal(QWidget* window);
// Ends the program (its main window closes) through the seam.
void endProgram(QWidget* mainWindow);

// A save or open dialog that starts with the name last chosen in it.
class FileDialog {
public:
    enum class Kind { Save, Open };
    explicit FileDialog(Kind kind) : kind_(kind) {}
    std::optional<QString> execute(QWidget* owner);  // empty optional when cancelled
    const QString& fileName() const { return fileName_; }

private:
    Kind kind_;
    QString fileName_;
};

// Files.
bool copyFile(const QString& from, const QString& to, bool overwrite);
// Puts a copy of `from` in the place of `target` in one rename, once it is
// whole on disk; the file that stood there keeps living under `kept`. Any
// failure leaves `target` as it was.
bool replaceFileKeepingOld(const QString& from, const QString& target, const QString& kept);
// `wanted`, or `wanted` with ".2", ".3", ... appended when that name is taken.
QString unusedFileName(const QString& wanted);
bool deleteFile(const QString& path);
QString currentDirectory();   // the process's current directory, no trailing separator
QString programFolder();      // the program file's folder, with a trailing separator
QString programFile();        // full path of the program file

// The shell: the first desktop calculator or text editor that starts; a
// failure shows nothing.
void startCalculator();
void startTextEditor();
void openAddress(const QString& url);

// The desktop launcher "Tavrin进销存管理软件(Pelmo版).desktop" in the user's
// desktop folder, rewritten at every start. Returns the path written; empty,
// and nothing written, when that folder is missing or cannot be written.
// Throws only when the launcher cannot be made at all.
QString writeDesktopShortcut();
QString desktopFolder();

}  // namespace platform
