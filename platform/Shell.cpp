// Outside programs. Linux desktops have no one calculator or text editor, so
// the usual ones are tried in turn.
#include "platform/Platform.h"

namespace platform {

namespace {

void startFirstOf(std::initializer_list<const char*> programs)
{
    for (const char* program : programs) {
        if (interaction().startProgram(QString::fromLatin1(program), {}))
            return;
    }
}

}  // namespace

void startCalculator()
{
    startFirstOf({"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"});
}

void startTextEditor()
{
    startFirstOf({"gedit", "gnome-text-editor", "kate", "kwrite", "mousepad", "pluma", "xed", "leafpad"});
}

void openAddress(const QString& url)
{
    interaction().openUrl(url);
}

}  // namespace platform
