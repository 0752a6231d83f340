#pragma once
// The program's two faces. Heights are character heights in pixels.
#include <QFont>

namespace platform {

QFont songti(int pixelHeight, bool bold = false);       // 宋体, or the CJK serif face
QFont msSansSerif(int pixelHeight, bool bold = false);  // "MS Sans Serif", or a sans face

}  // namespace platform
