#pragma once
#include <QString>

class TADOConnection;
class TADOQuery;

// Rebuilds a window's connection from the current directory and re-opens its
// two queries on their fixed statements, in the order the windows rely on.
void Reconnect(TADOConnection& connection, TADOQuery& query1, const QString& sql1, TADOQuery& query2,
               const QString& sql2);
