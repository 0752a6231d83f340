// The platform layer: message texts and boxes, the error guard, file dialogs,
// file copies, outside programs and the desktop launcher.
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/QtInteraction.h"
#include "platform/ScriptedInteraction.h"
#include "tests/engine/UserDirs.h"

#include "db/Errors.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>
#include <unistd.h>

using namespace platform;

namespace {

class Scripted : public ::testing::Test {
protected:
    ScriptedInteraction user;
    ScopedInteraction installed{user};
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// Sets or clears one environment variable for a scope.
class EnvOverride {
public:
    EnvOverride(const char* name, const std::optional<QString>& value)
        : name_(name), hadValue_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value)
            qputenv(name, value->toLocal8Bit());
        else
            qunsetenv(name);
    }
    ~EnvOverride()
    {
        if (hadValue_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool hadValue_;
    QByteArray old_;
};

}  // namespace

// --- texts ------------------------------------------------------------------

TEST(ErrorText, AddsFullStopOnlyAfterCharactersSortingAfterDot)
{
    const struct {
        QString message;
        QString shown;
    } cases[] = {
        {"Table not found", "Table not found."},
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"'abc'", "'abc'"},
        {"Done.", "Done."},
        {"无法打开数据库", "无法打开数据库."},
        {"value 5", "value 5."},
        {"a-", "a-"},  // '-' sorts before '.'
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorText(c.message), c.shown) << c.message.toStdString();
}

TEST(ApplicationTitle, NameWithoutFolderAndExtensionLowerCasedAfterFirstLetter)
{
    const struct {
        QString path;
        QString title;
    } cases[] = {
        {"C:/x/Project1.exe", "Project1"},
        {"C:\\Program Files\\jxc\\Project1.exe", "Project1"},
        {"/a/PROJECT1", "Project1"},
        {"/a/my.app.bin", "my"},
        {"/a/.hidden", ""},
        {"test_ui", "test_ui"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(titleFromProgramPath(c.path), c.title) << c.path.toStdString();
    EXPECT_EQ(applicationTitle(), "test_ui");
}

// --- boxes ------------------------------------------------------------------

TEST_F(Scripted, NoticeBoxesHaveTheirCaptionButtonsAndIcon)
{
    QWidget owner;
    notice(&owner, "销售商品成功！");
    information(&owner, "请先选择记录！");
    EXPECT_TRUE(confirmWarning(&owner, "确定要删除选中的记录？"));
    user.answers = {Answer::Cancel};
    EXPECT_FALSE(confirmWarning(&owner, "确定要删除选中的记录？"));

    const struct {
        QString text;
        Buttons buttons;
        Icon icon;
    } expected[] = {
        {"销售商品成功！", Buttons::OK, Icon::None},
        {"请先选择记录！", Buttons::OK, Icon::Information},
        {"确定要删除选中的记录？", Buttons::OKCancel, Icon::Warning},
        {"确定要删除选中的记录？", Buttons::OKCancel, Icon::Warning},
    };
    ASSERT_EQ(user.messages.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const MessageRecord& box = user.messages[i];
        EXPECT_EQ(box.owner, &owner) << i;
        EXPECT_EQ(box.caption, "提示") << i;
        EXPECT_EQ(box.text, expected[i].text) << i;
        EXPECT_EQ(box.buttons, expected[i].buttons) << i;
        EXPECT_EQ(box.icon, expected[i].icon) << i;
    }
}

class Guarded : public Scripted {
protected:
    int hookRuns = 0;
    size_t messagesWhenHookRan = 99;
    void SetUp() override
    {
        setAfterErrorHook([this] {
            ++hookRuns;
            messagesWhenHookRan = user.messages.size();
        });
    }
    void TearDown() override { setAfterErrorHook({}); }
};

TEST_F(Guarded, EveryKindOfErrorShowsTheGeneralErrorBoxAfterCancellingEdits)
{
    const struct {
        const char* name;
        std::function<void()> handler;
        QString text;
    } cases[] = {
        {"database error", [] { throw EDatabaseError("找不到文件 data.mdb"); }, "找不到文件 data.mdb."},
        {"conversion error", [] { throw EConvertError("'' is not a valid floating point value"); },
         "'' is not a valid floating point value."},
        {"std::exception", [] { throw std::runtime_error("bad thing"); }, "bad thing."},
        {"anything else", [] { throw 42; }, "未知错误."},
    };
    QWidget owner;
    for (const auto& c : cases) {
        user.messages.clear();
        hookRuns = 0;
        bool after = false;
        guarded(&owner, [&] {
            c.handler();
            after = true;
        });
        EXPECT_FALSE(after) << c.name;
        EXPECT_EQ(hookRuns, 1) << c.name;
        EXPECT_EQ(messagesWhenHookRan, 0u) << c.name;
        ASSERT_EQ(user.messages.size(), 1u) << c.name;
        const MessageRecord& box = user.messages[0];
        EXPECT_EQ(box.owner, &owner) << c.name;
        EXPECT_EQ(box.text, c.text) << c.name;
        EXPECT_EQ(box.caption, applicationTitle()) << c.name;
        EXPECT_EQ(box.buttons, Buttons::OK) << c.name;
        EXPECT_EQ(box.icon, Icon::Stop) << c.name;
    }
}

TEST_F(Guarded, QuietHandlerShowsNothing)
{
    bool ran = false;
    guarded(nullptr, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(hookRuns, 0);
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(Guarded, FailingHookDoesNotHideTheError)
{
    setAfterErrorHook([] { throw std::runtime_error("cancel failed"); });
    guarded(nullptr, [] { throw EJxcError("原来的错误"); });
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "原来的错误.");
}

// --- file dialogs -----------------------------------------------------------

TEST_F(Scripted, FileDialogStartsWithTheNameLastChosenInIt)
{
    FileDialog save(FileDialog::Kind::Save);
    FileDialog open(FileDialog::Kind::Open);
    user.saveAnswers = {QString("/tmp/a"), std::nullopt, QString("/tmp/b")};
    user.openAnswers = {QString("/tmp/c.bak")};

    EXPECT_EQ(save.execute(nullptr), QString("/tmp/a"));
    EXPECT_EQ(save.execute(nullptr), std::nullopt);  // cancelled: name kept
    EXPECT_EQ(open.execute(nullptr), QString("/tmp/c.bak"));
    EXPECT_EQ(save.execute(nullptr), QString("/tmp/b"));
    EXPECT_EQ(open.execute(nullptr), std::nullopt);  // queue empty: cancel

    EXPECT_EQ(user.saveStarts, (std::vector<QString>{"", "/tmp/a", "/tmp/a"}));
    EXPECT_EQ(user.openStarts, (std::vector<QString>{"", "/tmp/c.bak"}));
    EXPECT_EQ(save.fileName(), "/tmp/b");
    EXPECT_EQ(open.fileName(), "/tmp/c.bak");
}

// --- modal windows ----------------------------------------------------------

TEST_F(Scripted, ModalWindowIsShownToTheHookAndClosedAfter)
{
    QWidget window;
    bool visibleInHook = false;
    user.onModal = [&](QWidget* w) { visibleInHook = (w == &window) && w->isVisible(); };
    showModal(&window);
    ASSERT_EQ(user.modalShown.size(), 1u);
    EXPECT_EQ(user.modalShown[0], &window);
    EXPECT_TRUE(visibleInHook);
    EXPECT_FALSE(window.isVisible());
}

// The real modal loop must end when the window is closed, also when that
// happens while it is being shown.
TEST(QtModal, ReturnsWhenTheWindowCloses)
{
    bool stuck = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        stuck = true;
        QCoreApplication::exit(0);  // leaves every running event loop
    });
    rescue.start(10000);

    QWidget window;
    QTimer::singleShot(0, &window, [&] { window.close(); });
    QtInteraction().showModal(&window);
    EXPECT_FALSE(stuck);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);

    auto* deleted = new QWidget;
    QTimer::singleShot(0, [&] { delete deleted; });
    QtInteraction().showModal(deleted);
    EXPECT_FALSE(stuck);
}

// Each showing raises the modal window and makes it the active one, so that
// it never lies under the window that opened it.
TEST(QtModal, EveryShowingRaisesAndActivatesTheWindow)
{
    QWidget opener;
    opener.show();
    QApplication::setActiveWindow(&opener);
    QWidget window;
    struct RaiseCounter : QObject {
        int shown = 0, raisedAfterShow = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Show) ++shown;
            if (e->type() == QEvent::ZOrderChange && shown > raisedAfterShow) ++raisedAfterShow;
            return false;
        }
    } counter;
    window.installEventFilter(&counter);
    for (int showing = 1; showing <= 2; ++showing) {
        QWidget* activeWhileUp = nullptr;
        QTimer::singleShot(0, &window, [&] {
            QApplication::processEvents();
            activeWhileUp = QApplication::activeWindow();
            window.close();
        });
        QtInteraction().showModal(&window);
        EXPECT_EQ(counter.raisedAfterShow, showing) << "showing " << showing;
        EXPECT_EQ(activeWhileUp, &window) << "showing " << showing;
        QApplication::setActiveWindow(&opener);
    }
}

// --- outside programs -------------------------------------------------------

TEST_F(Scripted, ShellStartsTheFirstProgramThatStartsAndReportsNothing)
{
    const struct {
        const char* name;
        void (*start)();
        QStringList unavailable;
        QStringList tried;
    } cases[] = {
        {"calculator found first", startCalculator, {}, {"gnome-calculator"}},
        {"calculator found third", startCalculator, {"gnome-calculator", "kcalc"},
         {"gnome-calculator", "kcalc", "galculator"}},
        {"no calculator", startCalculator,
         {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"},
         {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}},
        {"editor found second", startTextEditor, {"gedit"}, {"gedit", "gnome-text-editor"}},
    };
    for (const auto& c : cases) {
        user.started.clear();
        user.unavailable = c.unavailable;
        c.start();
        QStringList tried;
        for (const auto& call : user.started) {
            tried << call.program;
            EXPECT_TRUE(call.args.isEmpty()) << c.name;
        }
        EXPECT_EQ(tried, c.tried) << c.name;
    }
    EXPECT_TRUE(user.messages.empty());

    user.openUrlSucceeds = false;
    openAddress("mailto:support@example.com");
    EXPECT_EQ(user.urls, (std::vector<QString>{"mailto:support@example.com"}));
    EXPECT_TRUE(user.messages.empty());
}

// --- files ------------------------------------------------------------------

class CopyFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString source = dir.filePath("data.mdb");
    QString target = dir.filePath("backup.bak");
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writeAll(source, "new contents");
        writeAll(target, "old");
    }
    QStringList folderContents() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(CopyFile, OverwritesTheTargetWithTheWholeSource)
{
    EXPECT_TRUE(copyFile(source, target, true));
    EXPECT_EQ(readAll(target), "new contents");
    EXPECT_TRUE(copyFile(source, dir.filePath("fresh"), false));
    EXPECT_EQ(readAll(dir.filePath("fresh")), "new contents");
    EXPECT_EQ(folderContents(), (QStringList{"backup.bak", "data.mdb", "fresh"}));
}

TEST_F(CopyFile, RefusalsLeaveTheOldTargetAsItWas)
{
    EXPECT_FALSE(copyFile(source, target, false));
    EXPECT_FALSE(copyFile(dir.filePath("missing.mdb"), target, true));
    EXPECT_FALSE(copyFile(source, dir.filePath("no/such/folder/x.bak"), true));
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(folderContents(), (QStringList{"backup.bak", "data.mdb"}));
}

// A read error half way must not leave a half-written target behind.
TEST_F(CopyFile, FailedReadLeavesTheOldTargetAndNoLeftovers)
{
    const QString unreadable = QStringLiteral("/proc/self/mem");  // reading address 0 fails
    if (!QFileInfo(unreadable).isFile())
        GTEST_SKIP() << "needs /proc";
    EXPECT_FALSE(copyFile(unreadable, target, true));
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(folderContents(), (QStringList{"backup.bak", "data.mdb"}));
}

TEST_F(CopyFile, UnwritableFolderLeavesTheOldTarget)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_FALSE(copyFile(source, target, true));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readAll(target), "old");
}

TEST(Files, ProgramPlacesAndDeletion)
{
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath() + "/");
    EXPECT_EQ(QFileInfo(programFile()).fileName(), "test_ui");
    EXPECT_EQ(currentDirectory(), QDir::currentPath());

    QTemporaryDir dir;
    const QString path = dir.filePath("x");
    writeAll(path, "x");
    EXPECT_TRUE(deleteFile(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(deleteFile(path));
}

// --- desktop launcher -------------------------------------------------------

class Shortcut : public ::testing::Test {
protected:
    QTemporaryDir home;
    EnvOverride homeVar{"HOME", home.path()};
    EnvOverride configVar{"XDG_CONFIG_HOME", home.filePath(".config")};
    EnvOverride desktopVar{"XDG_DESKTOP_DIR", std::nullopt};
    const QString fileName = QStringLiteral("Tavrin进销存管理软件(Pelmo版).desktop");
};

TEST_F(Shortcut, LauncherStartsTheProgramInItsFolderAndIsRewrittenEachTime)
{
    ASSERT_TRUE(QDir().mkpath(home.filePath("Desktop")));
    const QString path = writeDesktopShortcut();
    EXPECT_EQ(path, home.filePath("Desktop/" + fileName));

    const QStringList lines = QString::fromUtf8(readAll(path)).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], "[Desktop Entry]");
    for (const QString& line : {QString("Type=Application"), QString("Name=Tavrin进销存管理软件(Pelmo版)"),
                                "Exec=\"" + programFile() + "\"", "Path=" + programFolder(),
                                QString("Terminal=false"), QString("Categories=Office;Finance;")})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();

    QString icon;
    for (const QString& line : lines)
        if (line.startsWith("Icon="))
            icon = line.mid(5);
    EXPECT_EQ(icon, programFolder() + "jxc.png");
    EXPECT_FALSE(QImage(icon).isNull());

    const auto executable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path) & executable, executable);

    const QByteArray first = readAll(path);
    writeAll(path, "stale");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(writeDesktopShortcut(), path);
    EXPECT_EQ(readAll(path), first);
    EXPECT_EQ(QFile::permissions(path) & executable, executable);
}

TEST_F(Shortcut, GoesToTheDesktopFolderTheUserDirsSettingsName)
{
    ASSERT_TRUE(nameDesktopFolder(home.filePath(".config"), "$HOME/桌面"));
    ASSERT_TRUE(QDir().mkpath(home.filePath("桌面")));
    ASSERT_TRUE(QDir().mkpath(home.filePath("Desktop")));
    EXPECT_EQ(writeDesktopShortcut(), home.filePath("桌面/" + fileName));
    EXPECT_TRUE(QFile::exists(home.filePath("桌面/" + fileName)));
    EXPECT_FALSE(QFile::exists(home.filePath("Desktop/" + fileName)));
}

// No desktop folder to write to is no error: nothing is written or created.
TEST_F(Shortcut, AMissingOrUnwritableDesktopFolderIsSkippedSilently)
{
    writeAll(home.filePath("plain-file"), "x");
    for (const char* desktop : {"$HOME/桌面", "$HOME/plain-file", "$HOME/plain-file/Desktop"}) {
        ASSERT_TRUE(nameDesktopFolder(home.filePath(".config"), desktop));
        QString path = QStringLiteral("<threw>");
        EXPECT_NO_THROW(path = writeDesktopShortcut()) << desktop;
        EXPECT_TRUE(path.isEmpty()) << desktop;
    }
    EXPECT_FALSE(QFileInfo::exists(home.filePath("桌面")));
    EXPECT_TRUE(QFileInfo(home.filePath("plain-file")).isFile());
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({".config", "plain-file"}));
}

// --- fonts ------------------------------------------------------------------

TEST(Fonts, HeightsArePixelHeights)
{
    const QFont serif = songti(13, true);
    EXPECT_EQ(serif.pixelSize(), 13);
    EXPECT_TRUE(serif.bold());
    EXPECT_TRUE(serif.family() == "SimSun" || serif.family() == "Noto Serif CJK SC") << serif.family().toStdString();

    const QFont sans = msSansSerif(11);
    EXPECT_EQ(sans.pixelSize(), 11);
    EXPECT_FALSE(sans.bold());
}
