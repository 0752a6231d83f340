#include "platform/WaitCursor.h"

#include "db/LockWait.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCursor>

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

namespace platform {

// The store tells when it starts and stops waiting for a lock; each start
// is followed by one stop.
void showWaitCursorWhileTheStoreWaits()
{
    lockwait::setWaitHook([](bool waiting) {
        if (waiting) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else QApplication::restoreOverrideCursor();
    });
}

}  // namespace platform
