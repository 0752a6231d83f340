#pragma once
// Makes a new, empty store file.
#include <QString>

// Creates `path` with mode 0600 and the empty schema (the tables, their
// indexes and the one threshold row) in one transaction, with the rollback
// journal and full sync the program works with. Refuses an existing file and
// throws EJxcError; a file it could not finish is removed again.
void createEmptyStore(const QString& path);
