#pragma once
// How one column of a data grid is laid out: which field it shows, its title,
// width, cell format and footer.
#include <QString>

struct GridColumn {
    enum Format { None, Float0_00 };
    enum Footer { NoFooter, StaticText, SumFormatted, SumGeneral };

    QString field;
    QString title;            // "上|下"; empty: the field name stands over both lines
    int width = -1;           // pixels; -1: the grid's default width
    Format displayFormat = None;
    Footer footer = NoFooter;
    QString footerText;       // shown by a StaticText footer
};

// A column as the windows list them: a number column shows "#0.##".
inline GridColumn gridColumn(const char* field, const char* title, int width, bool number = false,
                             GridColumn::Footer footer = GridColumn::NoFooter)
{
    GridColumn c;
    c.field = QString::fromUtf8(field);
    c.title = QString::fromUtf8(title);
    c.width = width;
    c.displayFormat = number ? GridColumn::Float0_00 : GridColumn::None;
    c.footer = footer;
    return c;
}

// The marker a title button shows; rows are never reordered by it.
enum class SortMarker { None, Ascending, Descending };
