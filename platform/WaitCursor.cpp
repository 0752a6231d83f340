// The wait cursor over every window while the store waits for a lock.
#include "platform/Platform.h"

#include <QApplication>

namespace platform {

void showWaitCursorWhileTheStoreWaits()
{
    lockwait::setWaitHook([](bool waiting) {
        if (waiting) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else if (QApplication::overrideCursor()) {
            QApplication::restoreOverrideCursor();
        }
    });
}

}  // namespace platform
