#pragma once
// The spreadsheet export of a window's query: every record, every field in
// the query's order, under a header row of the field names.
#include "platform/Spreadsheet.h"

class DataSetView;
class QWidget;
class TADOQuery;

namespace platform {
class FileDialog;
}

// Writes the rows of `data` by position from its snapshot (the grid is not
// moved); more records than one worksheet holds go on in further worksheets,
// each with the header row. Throws EInOutError.
void writeSpreadsheet(const DataSetView& data, const QString& fileName,
                      int rowsPerSheet = platform::SpreadsheetWriter::kRowsPerSheet);

// The command: asks for a name in `dialog`, writes that name with ".xls"
// appended, leaves the query on its last record and says so.
void exportQuery(QWidget* owner, platform::FileDialog& dialog, TADOQuery& query);
