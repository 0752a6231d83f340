#pragma once
// The program's two faces. Heights are character heights in pixels.
#include <QFont>

namespace platform {

QFont songti(int pixelHeight, bool bold = false);       // 宋体, or the CJK serif face
QFont msSansSerif(int pixelHeight, bool bold = false);  // "MS Sans Serif", or a sans face
// 宋体 for figures in grid cells: where 宋体 is missing, a CJK face whose
// digits are half-width as 宋体's are, so that a figure takes the room the
// column widths were made for.
QFont songtiFigures(int pixelHeight, bool bold = false);

}  // namespace platform
