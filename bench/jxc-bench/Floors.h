#pragma once
// The floor of an operation: a bare SQLite read of every column of every row
// the operation must read, with nothing of the program in between.
#include <QString>
#include <QStringList>

namespace bench {

// Prepares and steps each statement once on a fresh read-only connection to
// `store` (opened before the clock starts), reading every column of every row.
double floorReadMs(const QString& store, const QStringList& statements);

// The same loop over every sales line, each value handed as text to a new
// spreadsheet file at `xlsxPath`.
double floorExportMs(const QString& store, const QString& xlsxPath);

}  // namespace bench
