#pragma once
// Keys as the window system delivers them to a field: a press, then its release.
#include <QApplication>
#include <QKeyEvent>

namespace keys {

inline void send(QWidget* w, QEvent::Type type, int key, const QString& text)
{
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &event);
}

inline void stroke(QWidget* w, int key, const QString& text = {})
{
    send(w, QEvent::KeyPress, key, text);
    send(w, QEvent::KeyRelease, key, text);
}

// One stroke per character; "\b" is Backspace.
inline void type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        int key = c.toUpper().unicode();
        if (c == u'\b') key = Qt::Key_Backspace;
        else if (c == u'.') key = Qt::Key_Period;
        stroke(w, key, QString(c));
    }
}

}  // namespace keys
