#pragma once
// Two-line column titles: "上|下" puts 上 on the upper line and 下 on the lower
// one; neighbouring columns with the same upper part share one upper cell.
#include "platform/GridColumn.h"

#include <vector>

namespace grid {

struct TitleLines {
    QString upper;
    QString lower;
    bool twoLines = false;  // false: `upper` fills the whole title height
};

TitleLines splitTitle(const GridColumn& column);

// One cell of the upper line: columns [first, first + count) under `text`.
// A one-line title is a span of its own that covers both lines.
struct UpperSpan {
    int first = 0;
    int count = 1;
    QString text;
    bool fullHeight = false;

    bool operator==(const UpperSpan&) const = default;
};

std::vector<UpperSpan> upperSpans(const std::vector<TitleLines>& titles);

}  // namespace grid
