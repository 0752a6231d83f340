#include "db/mylib.h"

#include "db/ADOQuery.h"

void OpenSql(TADOQuery& query, const QString& text) {
    query.Close();
    query.SQL.Clear();
    query.SQL.Add(text);
    query.Open();
}
