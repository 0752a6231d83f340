// Backup and restore of the working store as the user meets them, including
// the files a user may wrongly pick and the places a backup cannot go.
#include "tests/ui/DataFixture.h"
#include "tests/ui/FileSizeLimit.h"

#include "db/StoreCheck.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

void execOn(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

class Backup : public DataFixture {
protected:
    void backUp(const QString& name)
    {
        user.saveAnswers.push_back(outFile(name));
        MainForm->N8->trigger();
    }
    void restore(const QString& path)
    {
        user.openAnswers.push_back(path);
        MainForm->N9->trigger();
    }
    QStringList texts() const
    {
        QStringList out;
        for (const auto& m : user.messages) out << m.text;
        return out;
    }
};

TEST_F(Backup, TwiceToOneNameOverwritesTheFirstWithoutAsking)
{
    backUp("备份");
    EXPECT_EQ(bytes(outFile("备份.bak")), bytes(store->path()));
    store->exec("delete from jxc where 商品编号='P3'");
    backUp("备份");
    EXPECT_EQ(bytes(outFile("备份.bak")), bytes(store->path()));
    EXPECT_EQ(texts(), QStringList({"数据备份成功！", "数据备份成功！"}));
    EXPECT_EQ(user.messages[1].caption, "提示");
    EXPECT_EQ(user.messages[1].icon, platform::Icon::None);
    EXPECT_EQ(user.messages[1].owner, MainForm);
    EXPECT_EQ(entries(out.path()), QStringList({"备份.bak"}));
}

// The connections open data.mdb in the current directory; the program
// folder holds none, so a copy of the program folder's file fails.
TEST_F(Backup, CopiesTheStoreOfTheCurrentDirectoryNotTheProgramFolders)
{
    ASSERT_NE(QFileInfo(platform::programFolder()).canonicalFilePath(), QFileInfo(store->folder()).canonicalFilePath());
    backUp("x.bak");
    EXPECT_EQ(texts(), QStringList({"数据备份成功！"}));
    EXPECT_EQ(bytes(outFile("x.bak.bak")), bytes(store->path()));
    EXPECT_TRUE(checkStore(outFile("x.bak.bak")).ok);
}

TEST_F(Backup, ACancelledDialogOrAnEmptyNameDoesNothing)
{
    const QByteArray before = bytes(store->path());
    for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
        user.saveAnswers.push_back(answer);
        MainForm->N8->trigger();
        user.openAnswers.push_back(answer);
        MainForm->N9->trigger();
    }
    EXPECT_EQ(user.saveStarts.size(), 2u);
    EXPECT_EQ(user.openStarts.size(), 2u);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(user.programEnds, 0);
    EXPECT_EQ(bytes(store->path()), before);
    EXPECT_TRUE(MainForm->ADOConnection1.Connected());
    EXPECT_TRUE(entries(out.path()).isEmpty());
}

TEST_F(Backup, ABackupRestoredBringsTheStoreBackKeepsTheReplacedOneAndEndsTheProgram)
{
    backUp("备份");
    const QByteArray saved = bytes(outFile("备份.bak"));
    store->exec("delete from jxc");
    const QByteArray replaced = bytes(store->path());
    ASSERT_NE(saved, replaced);

    restore(outFile("备份.bak"));
    EXPECT_EQ(texts(), QStringList({"数据备份成功！", "数据恢复成功！"}));
    EXPECT_EQ(user.messages[1].owner, MainForm);
    EXPECT_EQ(user.messages[1].caption, "提示");
    EXPECT_EQ(user.programEnds, 1);
    EXPECT_FALSE(MainForm->ADOConnection1.Connected());
    EXPECT_EQ(bytes(store->path()), saved);
    EXPECT_EQ(store->scalar("select count(*) from jxc"), "3");

    // The replaced store stays beside it under a dated name; nothing else is left.
    const QStringList beside = entries(store->folder()).filter(QRegularExpression("^data\\.mdb\\.\\d{8}-\\d{6}\\.bak$"));
    ASSERT_EQ(beside.size(), 1);
    EXPECT_EQ(bytes(store->folder() + "/" + beside[0]), replaced);
    EXPECT_EQ(entries(store->folder()), QStringList({"data.mdb", beside[0]}));
}

TEST_F(Backup, ChoosingTheStoreItselfInRestoreKeepsItWhole)
{
    const QByteArray before = bytes(store->path());
    restore(store->path());
    EXPECT_EQ(texts(), QStringList({"数据恢复成功！"}));
    EXPECT_EQ(bytes(store->path()), before);
    EXPECT_TRUE(checkStore(store->path()).ok);
    EXPECT_EQ(entries(store->folder()).size(), 2);  // data.mdb and the kept copy
    EXPECT_EQ(user.programEnds, 1);
}

TEST_F(Backup, ARestoreWhoseCopyFailsLeavesTheStoreInPlace)
{
    backUp("备份");
    store->exec("delete from jxc where 商品编号='P3'");
    const QByteArray before = bytes(store->path());
    const QStringList files = entries(store->folder());
    ASSERT_GT(bytes(outFile("备份.bak")).size(), 4096);
    {
        FileSizeLimit full(4096);
        restore(outFile("备份.bak"));
    }
    EXPECT_EQ(texts(), QStringList({"数据备份成功！", "数据恢复失败，请重试！"}));
    EXPECT_EQ(user.programEnds, 0);
    EXPECT_EQ(bytes(store->path()), before);
    EXPECT_EQ(entries(store->folder()), files);
}

// Files that are no store of this program: restore refuses them and
// nothing changes, the open connection included.
struct NotAStoreCase {
    const char* name;
    std::function<void(const QString& path)> make;
};

class RestoreRefuses : public Backup, public ::testing::WithParamInterface<NotAStoreCase> {};

TEST_P(RestoreRefuses, AFileThatIsNoStoreOfThisProgram)
{
    const QString chosen = outFile("chosen.bak");
    GetParam().make(chosen);
    const QByteArray before = bytes(store->path());
    const QStringList files = entries(store->folder());
    restore(chosen);
    EXPECT_EQ(texts(), QStringList({"数据恢复失败，请重试！"}));
    EXPECT_EQ(user.messages[0].caption, "提示");
    EXPECT_EQ(user.programEnds, 0);
    EXPECT_EQ(bytes(store->path()), before);
    EXPECT_EQ(entries(store->folder()), files);
    EXPECT_TRUE(MainForm->ADOConnection1.Connected());
    EXPECT_EQ(MainForm->ADOQuery1.RecordCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, RestoreRefuses,
    ::testing::Values(
        NotAStoreCase{"TextFile", [](const QString& p) { write(p, "商品编号,商品名称\n001,矿泉水\n"); }},
        NotAStoreCase{"EmptyFile", [](const QString& p) { write(p, ""); }},
        NotAStoreCase{"StoreMissingATable",
                      [](const QString& p) {
                          TestStore::createAt(p);
                          execOn(p, "drop table xsmx");
                      }},
        NotAStoreCase{"StoreOfAnotherProgram",
                      [](const QString& p) {
                          TestStore::createAt(p);
                          execOn(p, "pragma application_id=1");
                      }},
        NotAStoreCase{"DamagedStore",
                      [](const QString& p) {
                          TestStore::createAt(p);
                          QByteArray contents = bytes(p);
                          ASSERT_GT(contents.size(), 4096);
                          for (qsizetype i = 4096; i < contents.size(); ++i) contents[i] = char(0xA5);
                          write(p, contents);
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

// Places a backup cannot go: the failure message, no file under the chosen
// name, the store unchanged.
struct BadTargetCase {
    const char* name;
    const char* chosen;
    rlim_t sizeLimit;  // 0: none
};

class BackupFails : public Backup, public ::testing::WithParamInterface<BadTargetCase> {};

TEST_P(BackupFails, SaysSoAndLeavesNoFile)
{
    const BadTargetCase c = GetParam();
    write(outFile("plain.txt"), "not a folder");
    const QStringList before = entries(out.path());
    const QByteArray storeBefore = bytes(store->path());
    {
        std::optional<FileSizeLimit> full;
        if (c.sizeLimit) full.emplace(c.sizeLimit);
        backUp(QString::fromUtf8(c.chosen));
    }
    EXPECT_EQ(texts(), QStringList({"数据备份失败，请重试！"}));
    EXPECT_EQ(entries(out.path()), before);
    EXPECT_EQ(bytes(store->path()), storeBefore);
}

INSTANTIATE_TEST_SUITE_P(BadPlaces, BackupFails,
                         ::testing::Values(BadTargetCase{"FolderThatDoesNotExist", "missing/备份", 0},
                                           BadTargetCase{"FolderThatIsAFile", "plain.txt/备份", 0},
                                           BadTargetCase{"FullDisk", "备份", 4096}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
