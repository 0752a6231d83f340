#pragma once
// The spreadsheet files the program writes: Excel 2007+ workbooks (whatever
// name they are given), written row by row in constant memory by
// libxlsxwriter, beside the chosen name under a temporary one and renamed
// into place only when the workbook is complete.
#include "platform/FileReplacement.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace platform {

class SpreadsheetWriter {
public:
    static constexpr int kRowsPerSheet = 1048576;

    // Starts the workbook with its first worksheet; throws EInOutError when
    // no file can be made there.
    explicit SpreadsheetWriter(const QString& fileName);
    // A workbook never finished leaves nothing under its name.
    ~SpreadsheetWriter();
    SpreadsheetWriter(const SpreadsheetWriter&) = delete;
    SpreadsheetWriter& operator=(const SpreadsheetWriter&) = delete;

    // The following cells go to a new worksheet. Cells are written in row
    // order; rows and columns count from 0 in each worksheet.
    void addSheet();
    // Text stays text: "001" keeps its zeros and "=1+1" is no formula.
    void writeText(int row, int col, const QString& text);
    void writeNumber(int row, int col, double value);
    // A date in the system's short date format, with the time when it is not
    // midnight. False (and nothing written) for a day the format cannot hold.
    bool writeDateTime(int row, int col, const QDate& day, const QTime& time);

    // Completes the workbook and puts it under its name; throws EInOutError.
    void finish();

private:
    [[noreturn]] void fail(const QString& why) const;
    void check(int error, int row, int col) const;

    FileReplacement file_;
    QByteArray temporaryName_;
    QByteArray folder_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* date_ = nullptr;
    lxw_format* dateTime_ = nullptr;
};

// The spreadsheet's number format for a date format of the regional
// settings ("yyyy/M/d" becomes "yyyy/m/d"); other letters stay literal.
QString spreadsheetDateFormat(const QString& dateFormat);

}  // namespace platform
