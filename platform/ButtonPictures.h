#pragma once
// The 32 x 32 pictures of the windows' large buttons, drawn in code so
// they stay sharp and need no files.
#include <QIcon>

namespace platform {

enum class Picture { NewProduct, Sell, SalesDetail, Summary, Correct, Delete };
QIcon picture(Picture which);

}  // namespace platform
