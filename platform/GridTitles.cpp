#include "platform/GridTitles.h"

namespace grid {

TitleLines splitTitle(const GridColumn& column)
{
    TitleLines lines;
    const qsizetype bar = column.title.indexOf(u'|');
    if (bar < 0) {
        lines.upper = column.title.isEmpty() ? column.field : column.title;
        return lines;
    }
    lines.upper = column.title.left(bar);
    lines.lower = column.title.mid(bar + 1);
    lines.twoLines = true;
    return lines;
}

std::vector<UpperSpan> upperSpans(const std::vector<TitleLines>& titles)
{
    std::vector<UpperSpan> spans;
    for (int i = 0; i < int(titles.size()); ++i) {
        const TitleLines& t = titles[size_t(i)];
        if (t.twoLines && !spans.empty() && !spans.back().fullHeight && spans.back().text == t.upper) {
            ++spans.back().count;
            continue;
        }
        spans.push_back(UpperSpan{i, 1, t.upper, !t.twoLines});
    }
    return spans;
}

}  // namespace grid
