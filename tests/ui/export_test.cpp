// The spreadsheet export as the user meets it, with the file read back by an
// independent reader.
#include "tests/ui/DataFixture.h"
#include "tests/ui/FileSizeLimit.h"
#include "tests/ui/SheetReader.h"

#include "datamgmt/SheetExport.h"
#include "db/Regional.h"
#include "db/Schema.h"
#include "platform/Spreadsheet.h"
#include "sales/XsmxUnit.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

QStringList columnNames(std::span<const schema::Column> columns)
{
    QStringList out;
    for (const schema::Column& c : columns) out << QString::fromUtf8(c.name);
    return out;
}

class Export : public DataFixture {
protected:
    void exportProducts(const QString& name)
    {
        user.saveAnswers.push_back(outFile(name));
        MainForm->SpeedButton4->click();
    }
};

TEST_F(Export, ProductQueryGoesOutWholeInStoreOrderWithEveryKindKept)
{
    MainForm->ADOQuery1.SetRecNo(2);
    exportProducts("商品表");

    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.messages[0].text, "数据导出成功！");
    EXPECT_EQ(user.messages[0].caption, "提示");
    EXPECT_EQ(user.messages[0].icon, platform::Icon::None);
    EXPECT_EQ(user.messages[0].owner, MainForm);
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 3);  // the last record

    const auto book = readWorkbook(outFile("商品表.xls"));
    ASSERT_EQ(book.size(), 1u);
    const Sheet& sheet = book[0];
    ASSERT_EQ(sheet.rows.size(), 4u);
    EXPECT_EQ(sheet.texts(0), columnNames(schema::kJxcColumns));
    EXPECT_EQ(sheet.texts(1), QStringList({"001", "=1+1", "550ml", "怡宝", "瓶", "2014-01-01 00:00:00", "12.5", "10",
                                           "125", "2", "25", "", "8", "100", "深圳水厂", "0755-1", ""}));
    EXPECT_EQ(sheet.texts(3)[0], "P3");

    const auto& first = sheet.rows[1];
    EXPECT_EQ(first[0].type, "s");  // "001" keeps its zeros
    EXPECT_EQ(first[1].type, "s");  // "=1+1" is no formula
    EXPECT_EQ(first[6].type, "n");
    EXPECT_EQ(first[6].number, 12.5);
    EXPECT_EQ(first[11].type, "");  // null
    EXPECT_EQ(first[16].type, "");
    const QString day = platform::spreadsheetDateFormat(regional::shortDateFormat());
    EXPECT_EQ(first[5].type, "d");
    EXPECT_EQ(first[5].format, day);  // midnight: the date alone
    const SheetCell& withTime = sheet.rows[2][5];
    EXPECT_EQ(withTime.type, "d");
    EXPECT_EQ(withTime.text, "2014-02-01 10:30:00");
    EXPECT_EQ(withTime.format, day + " hh:mm:ss");
}

// The four commands, each on its own window's query.
struct CommandCase {
    const char* name;
    bool salesWindow;
    bool contextMenu;
};

class ExportCommand : public Export, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ExportCommand, WritesItsWindowsQueryUnderTheChosenNameWithXlsAppended)
{
    const CommandCase c = GetParam();
    user.saveAnswers.push_back(outFile("a.xls"));
    TADOQuery* query = &MainForm->ADOQuery1;
    auto run = [&c](QWidget* window) {
        if (c.salesWindow) {
            auto* f = static_cast<TXsmxForm*>(window);
            c.contextMenu ? f->N6->trigger() : f->SpeedButton2->click();
        } else {
            c.contextMenu ? MainForm->N28->trigger() : MainForm->SpeedButton4->click();
        }
    };
    if (c.salesWindow) {
        query = &XsmxForm->ADOQuery1;
        user.onModal = run;
        MainForm->SpeedButton10->click();
    } else {
        run(MainForm);
    }

    ASSERT_EQ(user.saveStarts.size(), 1u);
    ASSERT_FALSE(user.messages.empty());
    EXPECT_EQ(user.messages.back().text, "数据导出成功！");
    EXPECT_EQ(user.messages.back().owner, c.salesWindow ? static_cast<QWidget*>(XsmxForm) : MainForm);
    EXPECT_FALSE(QFile::exists(outFile("a.xls")));
    const auto book = readWorkbook(outFile("a.xls.xls"));
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book[0].texts(0), c.salesWindow ? columnNames(schema::kXsmxColumns) : columnNames(schema::kJxcColumns));
    EXPECT_EQ(book[0].rows.size(), size_t(query->RecordCount() + 1));
    EXPECT_EQ(query->RecNo(), query->RecordCount());
}

INSTANTIATE_TEST_SUITE_P(FourCommands, ExportCommand,
                         ::testing::Values(CommandCase{"MainButton", false, false}, CommandCase{"MainMenu", false, true},
                                           CommandCase{"SalesButton", true, false},
                                           CommandCase{"SalesMenu", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Export, SalesLinesKeepTheirKindsToo)
{
    user.saveAnswers.push_back(outFile("明细"));
    XsmxForm->SpeedButton2->click();
    const auto book = readWorkbook(outFile("明细.xls"));
    ASSERT_EQ(book.size(), 1u);
    ASSERT_EQ(book[0].rows.size(), 3u);
    EXPECT_EQ(book[0].texts(1), QStringList({"001", "=1+1", "550ml", "怡宝", "瓶", "2014-03-01 00:00:00", "12.5", "2",
                                             "25", "0", "王五", "0139", "北京路1号", ""}));
    EXPECT_EQ(book[0].rows[1][11].type, "s");  // "0139"
    EXPECT_EQ(book[0].rows[1][8].type, "n");
}

TEST_F(Export, AFilteredGridExportsOnlyItsRowsAndAnEmptyOneTheHeaderAlone)
{
    MainForm->Edit2->setText("矿泉水");
    MainForm->Button1->click();
    exportProducts("filtered");
    auto book = readWorkbook(outFile("filtered.xls"));
    ASSERT_EQ(book.size(), 1u);
    ASSERT_EQ(book[0].rows.size(), 2u);
    EXPECT_EQ(book[0].texts(1)[0], "P3");

    MainForm->Edit2->setText("没有这种商品");
    MainForm->Button1->click();
    ASSERT_EQ(MainForm->ADOQuery1.RecordCount(), 0);
    exportProducts("empty");
    book = readWorkbook(outFile("empty.xls"));
    ASSERT_EQ(book.size(), 1u);
    ASSERT_EQ(book[0].rows.size(), 1u);
    EXPECT_EQ(book[0].texts(0), columnNames(schema::kJxcColumns));
    ASSERT_EQ(user.messages.size(), 2u);
    EXPECT_EQ(user.messages[1].text, "数据导出成功！");
}

TEST_F(Export, ACancelledDialogDoesNothing)
{
    MainForm->ADOQuery1.SetRecNo(2);
    MainForm->SpeedButton4->click();
    EXPECT_EQ(user.saveStarts.size(), 1u);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 2);
    EXPECT_TRUE(entries(out.path()).isEmpty());
}

TEST_F(Export, ASecondExportToTheSameNameWritesTheSameRowsAgain)
{
    exportProducts("twice");
    const auto first = readWorkbook(outFile("twice.xls"));
    exportProducts("twice");
    ASSERT_EQ(user.saveStarts.size(), 2u);
    EXPECT_EQ(user.saveStarts[1], outFile("twice"));  // the dialog starts with the last name
    const auto second = readWorkbook(outFile("twice.xls"));
    ASSERT_EQ(second.size(), 1u);
    ASSERT_EQ(second[0].rows.size(), first[0].rows.size());
    for (size_t r = 0; r < first[0].rows.size(); ++r) EXPECT_EQ(second[0].texts(r), first[0].texts(r));
    EXPECT_EQ(entries(out.path()), QStringList({"twice.xls"}));
}

TEST_F(Export, RecordsBeyondOneWorksheetGoOnInFurtherWorksheetsEachWithTheHeader)
{
    // Three rows to a sheet stand in for the spreadsheet's 1,048,576.
    writeSpreadsheet(MainForm->ADOQuery1, outFile("sheets.xlsx"), 3);
    const auto book = readWorkbook(outFile("sheets.xlsx"));
    ASSERT_EQ(book.size(), 2u);
    const QStringList header = columnNames(schema::kJxcColumns);
    ASSERT_EQ(book[0].rows.size(), 3u);
    ASSERT_EQ(book[1].rows.size(), 2u);
    EXPECT_EQ(book[0].texts(0), header);
    EXPECT_EQ(book[1].texts(0), header);
    EXPECT_EQ(book[0].texts(1)[0], "001");
    EXPECT_EQ(book[0].texts(2)[0], "P2");
    EXPECT_EQ(book[1].texts(1)[0], "P3");
    EXPECT_EQ(platform::SpreadsheetWriter::kRowsPerSheet, 1048576);
}

// A file that cannot be written: the general error box says why, nothing
// lies under the chosen name, and no success is reported.
struct FailureCase {
    const char* name;
    const char* chosen;  // in the user's folder
    const char* reason;
    rlim_t sizeLimit;  // 0: none
};

class ExportFailure : public Export, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ExportFailure, ShowsTheErrorAndLeavesNoFile)
{
    const FailureCase c = GetParam();
    write(outFile("plain.txt"), "not a folder");
    const QStringList before = entries(out.path());
    const QByteArray storeBefore = bytes(store->path());
    MainForm->ADOQuery1.SetRecNo(2);
    user.saveAnswers.push_back(outFile(QString::fromUtf8(c.chosen)));
    {
        std::optional<FileSizeLimit> full;
        if (c.sizeLimit) full.emplace(c.sizeLimit);
        MainForm->SpeedButton4->click();
    }
    ASSERT_EQ(user.messages.size(), 1u);
    const platform::MessageRecord& box = user.messages[0];
    EXPECT_EQ(box.icon, platform::Icon::Stop);
    EXPECT_EQ(box.caption, platform::applicationTitle());
    EXPECT_TRUE(box.text.contains(outFile(QString::fromUtf8(c.chosen)) + ".xls")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QString::fromUtf8(c.reason))) << box.text.toStdString();
    EXPECT_EQ(entries(out.path()), before);
    EXPECT_EQ(bytes(store->path()), storeBefore);
    EXPECT_EQ(MainForm->ADOQuery1.RecNo(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    BadPlaces, ExportFailure,
    ::testing::Values(FailureCase{"FolderThatDoesNotExist", "missing/商品表", "文件夹不存在", 0},
                      FailureCase{"FolderThatIsAFile", "plain.txt/商品表", "文件夹不存在", 0},
                      FailureCase{"FullDisk", "商品表", "磁盘空间不足", 2048}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpreadsheetDateFormat, FollowsTheRegionalShortDateWithOtherLettersLiteral)
{
    const struct {
        const char* regional;
        const char* sheet;
    } cases[] = {
        {"yyyy/M/d", "yyyy/m/d"},   {"dd.MM.yy", "dd.mm.yy"}, {"M/d/yy", "m/d/yy"},
        {"d MMM yyyy", "d mmm yyyy"}, {"yyyy-MM-dd", "yyyy-mm-dd"},
        {"yyyy'年'M'月'd'日'", "yyyy\\年m\\月d\\日"}, {"d 'de' MMMM", "d \\d\\e mmmm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::spreadsheetDateFormat(QString::fromUtf8(c.regional)), QString::fromUtf8(c.sheet)) << c.regional;
}

}  // namespace
