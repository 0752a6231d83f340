#pragma once
// The 32 x 32 pictures of the main window's large buttons, drawn in code so
// they stay sharp and need no files.
#include <QIcon>

namespace platform {

enum class Picture { NewProduct, Sell, SalesDetail, Summary };
QIcon picture(Picture which);

}  // namespace platform
