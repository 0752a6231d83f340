#include "db/RecordSearch.h"

#include "db/ADOQuery.h"
#include "db/Regional.h"
#include "db/mylib.h"

SearchTable productSearch()
{
    return {QStringLiteral("jxc"),
            {QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("商品规格"),
             QStringLiteral("商品型号"), QStringLiteral("供货厂商"), QStringLiteral("供货电话")},
            QStringLiteral("进货日期")};
}

SearchTable salesSearch()
{
    return {QStringLiteral("xsmx"),
            {QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("商品规格"),
             QStringLiteral("商品型号"), QStringLiteral("客户姓名"), QStringLiteral("联系电话")},
            QStringLiteral("销售日期")};
}

void TextSearch(TADOQuery& query, const SearchTable& table, const QStringList& texts)
{
    QString sql = "select * from " + table.table + " where 商品编号<>''";
    query.clearParameters();
    for (qsizetype i = 0; i < table.columns.size() && i < texts.size(); ++i) {
        if (texts[i].isEmpty()) continue;
        const QString name = ":p" + QString::number(i + 1);
        sql += " and " + table.columns[i] + " like " + name;
        query.setParameter(name, QString('%' + texts[i] + '%'));
    }
    OpenSql(query, sql);
}

void DateSearch(TADOQuery& query, const SearchTable& table, const QDate& from, const QDate& to)
{
    query.Close();
    query.SQL.Clear();
    query.SQL.Add("select * from " + table.table + " where [" + table.dateColumn + "] between #" +
                  regional::formatShortDate(from) + "# ");
    query.SQL.Add("and #" + regional::formatShortDate(to) + "#");
    query.Open();
}

void ShowAll(TADOQuery& query, const SearchTable& table)
{
    OpenSql(query, "select * from " + table.table);
}
