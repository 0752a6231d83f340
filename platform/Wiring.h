#pragma once
// Connects a control's event to a handler that runs under the error guard of
// its window, so no exception ever reaches the event loop.
#include "platform/Platform.h"

#include <QAbstractButton>
#include <QAction>

namespace platform {

template <class Handler>
void onClick(QAbstractButton* button, QWidget* owner, Handler handler)
{
    QObject::connect(button, &QAbstractButton::clicked, owner, [owner, handler] { guarded(owner, handler); });
}

template <class Handler>
void onTriggered(QAction* action, QWidget* owner, Handler handler)
{
    QObject::connect(action, &QAction::triggered, owner, [owner, handler] { guarded(owner, handler); });
}

}  // namespace platform
