// The seam itself: which Interaction the rest of the program talks to.
#include "platform/Platform.h"
#include "platform/QtInteraction.h"

namespace platform {

namespace {
Interaction* installed = nullptr;

Interaction& realInteraction()
{
    static QtInteraction real;
    return real;
}
}  // namespace

void setInteraction(Interaction* interaction)
{
    installed = interaction;
}

Interaction& interaction()
{
    return installed ? *installed : realInteraction();
}

void showModal(QWidget* window)
{
    if (window)
        interaction().showModal(window);
}

void endProgram(QWidget* mainWindow)
{
    interaction().endProgram(mainWindow);
}

}  // namespace platform
