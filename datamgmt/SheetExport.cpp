#include "datamgmt/SheetExport.h"

#include "db/ADOQuery.h"
#include "platform/Platform.h"

namespace {

// Numbers and dates keep their kind; a value the spreadsheet cannot hold as
// such goes in as the text the grid shows.
void writeCell(platform::SpreadsheetWriter& sheet, int row, int col, const DataSetView& data, int record)
{
    if (data.cellIsNull(record, col)) return;
    switch (data.fieldKind(col)) {
    case FieldKind::Number: {
        bool ok = false;
        const double value = data.cellNumber(record, col, &ok);
        if (ok) {
            sheet.writeNumber(row, col, value);
            return;
        }
        break;
    }
    case FieldKind::DateTime: {
        QDate day;
        QTime time;
        if (data.cellDateTime(record, col, day, time) && sheet.writeDateTime(row, col, day, time)) return;
        break;
    }
    case FieldKind::Text: break;
    }
    sheet.writeText(row, col, data.cellText(record, col));
}

}  // namespace

void writeSpreadsheet(const DataSetView& data, const QString& fileName, int rowsPerSheet)
{
    platform::SpreadsheetWriter sheet(fileName);
    const int fields = data.fieldCount();
    auto header = [&] {
        for (int col = 0; col < fields; ++col) sheet.writeText(0, col, data.fieldName(col));
    };
    header();
    int row = 1;
    for (int record = 0, records = data.recordCount(); record < records; ++record, ++row) {
        if (row == rowsPerSheet) {
            sheet.addSheet();
            header();
            row = 1;
        }
        for (int col = 0; col < fields; ++col) writeCell(sheet, row, col, data, record);
    }
    sheet.finish();
}

void exportQuery(QWidget* owner, platform::FileDialog& dialog, TADOQuery& query)
{
    const auto name = dialog.execute(owner);
    if (!name) return;
    // Appended to the name as chosen: a.xls becomes a.xls.xls.
    writeSpreadsheet(query, *name + QStringLiteral(".xls"));
    query.Last();
    platform::notice(owner, QStringLiteral("数据导出成功！"));
}
