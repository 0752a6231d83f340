#include "platform/DataWindow.h"

#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "platform/Platform.h"

void openAtCreation(QWidget* owner, TADOConnection& connection, const QString& connectionString,
                    std::initializer_list<std::pair<TADOQuery*, QString>> queries, CreationRows rows)
{
    connection.setConnectionString(connectionString);
    connection.setLoginPrompt(false);
    platform::guarded(owner, [&] { connection.Open(); });
    for (const auto& [query, sql] : queries) {
        query->SQL.Clear();
        query->SQL.Add(sql);
        platform::guarded(owner, [query, rows] {
            if (rows == CreationRows::WhenLookedAt)
                query->OpenUnread();
            else
                query->Open();
        });
    }
}
