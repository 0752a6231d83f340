#include "platform/Spreadsheet.h"

#include "db/Errors.h"
#include "db/Regional.h"

#include <QFileInfo>
#include <xlsxwriter.h>

#include <cerrno>

namespace platform {

namespace {

// Characters that a number format shows as they are; every other one is
// escaped so that it cannot be taken for a format letter.
bool plainInFormat(QChar c)
{
    return QStringView(u" /-.,:").contains(c);
}

void appendLiteral(QString& out, QChar c)
{
    if (!plainInFormat(c))
        out += u'\\';
    out += c;
}

}  // namespace

QString spreadsheetDateFormat(const QString& dateFormat)
{
    QString out;
    for (qsizetype i = 0; i < dateFormat.size();) {
        const QChar c = dateFormat[i];
        if (c == u'\'') {
            // Quoted text; '' is one quote.
            qsizetype j = i + 1;
            if (j < dateFormat.size() && dateFormat[j] == u'\'') {
                appendLiteral(out, c);
                i = j + 1;
                continue;
            }
            for (; j < dateFormat.size(); ++j) {
                if (dateFormat[j] == u'\'') {
                    if (j + 1 < dateFormat.size() && dateFormat[j + 1] == u'\'') {
                        appendLiteral(out, u'\'');
                        ++j;
                        continue;
                    }
                    break;
                }
                appendLiteral(out, dateFormat[j]);
            }
            i = j + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < dateFormat.size() && dateFormat[i + run] == c) ++run;
        if (c == u'd' || c == u'M') {
            out += QString(std::min<qsizetype>(run, 4), c == u'd' ? u'd' : u'm');
        } else if (c == u'y') {
            out += run == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        } else {
            for (qsizetype k = 0; k < run; ++k) appendLiteral(out, c);
        }
        i += run;
    }
    return out;
}

SpreadsheetWriter::SpreadsheetWriter(const QString& fileName) : file_(fileName)
{
    if (!file_.open())
        throw EInOutError(file_.errorString());
    temporaryName_ = QFile::encodeName(file_.temporaryName());
    // The worksheets' own temporary files go beside the target too: no
    // memory-backed /tmp fills up, and a full disk shows on the target's disk.
    folder_ = QFile::encodeName(QFileInfo(file_.target()).absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder_.data();
    book_ = workbook_new_opt(temporaryName_.constData(), &options);
    if (!book_)
        fail(QStringLiteral("无法创建工作簿"));
    const QString day = spreadsheetDateFormat(regional::shortDateFormat());
    date_ = workbook_add_format(book_);
    format_set_num_format(date_, day.toUtf8().constData());
    dateTime_ = workbook_add_format(book_);
    format_set_num_format(dateTime_, (day + QStringLiteral(" hh:mm:ss")).toUtf8().constData());
    addSheet();
}

SpreadsheetWriter::~SpreadsheetWriter()
{
    if (book_)
        lxw_workbook_free(book_);
}

void SpreadsheetWriter::fail(const QString& why) const
{
    throw EInOutError("无法写入文件“" + file_.target() + "”：" + why);
}

void SpreadsheetWriter::check(int error, int row, int col) const
{
    if (error == LXW_NO_ERROR)
        return;
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        fail("第 " + QString::number(row + 1) + " 行第 " + QString::number(col + 1) +
             " 列的文字超过了一个单元格能容纳的 32767 个字符");
    fail(QString::fromUtf8(lxw_strerror(lxw_error(error))));
}

void SpreadsheetWriter::addSheet()
{
    sheet_ = workbook_add_worksheet(book_, nullptr);
    if (!sheet_)
        fail(QStringLiteral("无法添加工作表"));
}

void SpreadsheetWriter::writeText(int row, int col, const QString& text)
{
    if (text.isEmpty())
        return;
    check(worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(col), text.toUtf8().constData(), nullptr), row,
          col);
}

void SpreadsheetWriter::writeNumber(int row, int col, double value)
{
    check(worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(col), value, nullptr), row, col);
}

bool SpreadsheetWriter::writeDateTime(int row, int col, const QDate& day, const QTime& time)
{
    // The spreadsheet counts days from 1900.
    if (!day.isValid() || day.year() < 1900 || day.year() > 9999)
        return false;
    lxw_datetime value{day.year(), day.month(), day.day(), time.hour(), time.minute(), double(time.second())};
    lxw_format* format = time == QTime(0, 0) ? date_ : dateTime_;
    check(worksheet_write_datetime(sheet_, lxw_row_t(row), lxw_col_t(col), &value, format), row, col);
    return true;
}

void SpreadsheetWriter::finish()
{
    errno = 0;
    const lxw_error error = workbook_close(book_);
    const int cause = errno;
    book_ = nullptr;  // closed and freed, whatever the outcome
    if (error != LXW_NO_ERROR)
        fail(cause != 0 ? fileErrorText(cause) : QString::fromUtf8(lxw_strerror(error)));
    if (!file_.commit())
        throw EInOutError(file_.errorString());
}

}  // namespace platform
