#pragma once
// The two searches of a grid's query: by text fields and by a date range.
#include <QDate>
#include <QString>
#include <QStringList>

class TADOQuery;

struct SearchTable {
    QString table;         // "jxc" or "xsmx"
    QStringList columns;   // the six text columns, in the order of the fields
    QString dateColumn;    // "进货日期" or "销售日期"
};

SearchTable productSearch();   // the main window's
SearchTable salesSearch();     // the sales detail window's

// Every non-empty text (a space counts) must be contained in its column; %
// and _ in it stay wildcards. The texts are bound as values, so a quote is
// searched for like any other character. Rows with an empty code never match.
void TextSearch(TADOQuery& query, const SearchTable& table, const QStringList& texts);

// Rows whose date lies from `from` to `to`, both days included.
void DateSearch(TADOQuery& query, const SearchTable& table, const QDate& from, const QDate& to);

// The whole table again.
void ShowAll(TADOQuery& query, const SearchTable& table);
