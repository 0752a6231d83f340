#pragma once
class TADOQuery;
class QString;

// Closes `query`, makes `text` its only statement line and opens it. Catches
// nothing: when the open fails the query stays closed.
void OpenSql(TADOQuery& query, const QString& text);
