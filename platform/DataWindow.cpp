#include "platform/DataWindow.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Platform.h"

void openAtCreation(QWidget* owner, TADOConnection& connection, const QString& connectionString,
                    std::initializer_list<std::pair<TADOQuery*, QString>> queries)
{
    connection.setConnectionString(connectionString);
    connection.setLoginPrompt(false);
    platform::guarded(owner, [&] { connection.Open(); });
    for (const auto& [query, sql] : queries) {
        query->SQL.Clear();
        query->SQL.Add(sql);
        platform::guarded(owner, [query] { query->Open(); });
    }
}
