#include "purchasing/NumericKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

bool numericKeyAccepted(QChar ch, const QString& currentText)
{
    if (ch == QChar(8))
        return true;
    if (ch >= u'0' && ch <= u'9')
        return true;
    return ch == u'.' && !currentText.contains(u'.');
}

void NumericKeyFilter::attach(QLineEdit* field)
{
    if (field->findChild<NumericKeyFilter*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    // With an input method on, keys arrive as composed text instead of key
    // presses; the field takes only digits, so it needs none.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(new NumericKeyFilter(field));
}

NumericKeyFilter::NumericKeyFilter(QLineEdit* field) : QObject(field), field_(field) {}

namespace {

// The character a key press would type. Qt does not always put the control
// character of Ctrl+letter into the event's text, so it is derived here; the
// filter must see Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z as the characters they are.
QChar typedCharacter(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key.key() >= Qt::Key_A
        && key.key() <= Qt::Key_Z)
        return QChar(char16_t(key.key() - Qt::Key_A + 1));
    const QString text = key.text();
    return text.isEmpty() ? QChar() : text.front();
}

// Keys that never put a character into a single-line field: moving the focus,
// the dialog's default and cancel buttons, and Delete (editing, not typing).
bool isNavigation(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

} // namespace

bool NumericKeyFilter::refuses(const QKeyEvent& key) const
{
    // Paste by keyboard (Ctrl+V, Shift+Insert) would bring in unfiltered text.
    if (key.matches(QKeySequence::Paste)
        || (key.key() == Qt::Key_Insert && (key.modifiers() & Qt::ShiftModifier)))
        return true;
    if (isNavigation(key))
        return false;
    const QChar ch = typedCharacter(key);
    if (ch.isNull())
        return false; // arrows, Home, End and the like type nothing
    return !numericKeyAccepted(ch, field_->text());
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != field_)
        return false;
    if (event->type() == QEvent::KeyPress)
        return refuses(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod) {
        // Composed text (an input method's commit) is typed one character at
        // a time as far as the rule is concerned.
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (im->commitString().isEmpty())
            return false;
        QString text = field_->text();
        QString kept;
        for (QChar ch : im->commitString()) {
            if (ch != QChar(8) && numericKeyAccepted(ch, text + kept))
                kept += ch;
        }
        if (kept != im->commitString())
            im->setCommitString(kept, im->replacementStart(), im->replacementLength());
    }
    return false;
}
