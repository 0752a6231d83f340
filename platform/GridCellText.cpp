#include "platform/GridCellText.h"

#include <QFontMetrics>

namespace grid {

FittedText fitText(const QFontMetrics& metrics, const QRect& cell, const QString& text)
{
    const QRect inner = cell.adjusted(2, 0, -2, 0);
    const int width = metrics.horizontalAdvance(text);
    if (width <= inner.width())
        return {inner, text, true};
    if (width <= cell.width())
        return {cell, text, true};
    return {inner, metrics.elidedText(text, Qt::ElideRight, inner.width()), false};
}

}  // namespace grid
