#pragma once
// The raised strip at the top of the small entry windows: a title of two
// words in 宋体 bold with "@" lying over the blanks between them.
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace platform {

struct HeaderStrip {
    QFrame* panel;  // full width, 49 pixels high, raised bevel 2 pixels wide
    QLabel* title;  // at (16, 15)
    QLabel* at;     // "@" at (104, 12)
};

HeaderStrip headerStrip(QWidget* parent, int width, const QString& title);

}  // namespace platform
