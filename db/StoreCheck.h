#pragma once
// Tells whether a file is a store of this program, without changing it.
#include <QString>

struct StoreCheckResult {
    bool ok;
    QString message;  // names the file and, when not ok, the first fault found
};

// Opens `path` read-only (never creates it; a write that a crash cut off is
// rolled back first, as any program opening the store would) and checks that it is an SQLite
// database with this program's application id, the three tables with exactly
// their columns in order and their declared types, that SQLite's integrity
// check finds nothing, that every kind constraint of the schema is in place
// and every stored value is of its column's kind, and one threshold row.
StoreCheckResult checkStore(const QString& path);
