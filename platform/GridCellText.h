#pragma once
// How a grid cell's text is fitted into its cell: inside the cell's margins
// when it fits there, over the margins when only that makes it fit, and
// otherwise cut with a visible "…". A figure never loses digits silently;
// the grid shows the whole text as the cell's tooltip.
#include <QRect>
#include <QString>

class QFontMetrics;

namespace grid {

struct FittedText {
    QRect rect;    // where the text is drawn
    QString text;  // as drawn
    bool whole = true;
};

// `cell` is the cell's area without its grid lines.
FittedText fitText(const QFontMetrics& metrics, const QRect& cell, const QString& text);

}  // namespace grid
