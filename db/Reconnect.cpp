#include "db/Reconnect.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"

#include <QDir>

void Reconnect(TADOConnection& connection, TADOQuery& query1, const QString& sql1, TADOQuery& query2,
               const QString& sql2) {
    connection.Close();
    query1.Close();
    query2.Close();
    connection.setConnectionString(connstr::runtimeForm(QDir::currentPath()));
    connection.setLoginPrompt(false);
    query1.SQL.Clear();
    query2.SQL.Clear();
    query1.SQL.Add(sql1);
    query2.SQL.Add(sql2);
    query1.Open();
    query2.Open();
    connection.Open();
}
