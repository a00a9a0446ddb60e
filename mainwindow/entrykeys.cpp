// How the entry row reads a key press.
#include "mainwindow/entrykeys.h"

#include <QKeyEvent>
#include <QKeySequence>

bool IsCommandChord(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (mods & Qt::MetaModifier)
        return true;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool alt = mods & Qt::AltModifier;
    if (ctrl && alt) {
        // AltGr on some keyboards: a printable character is a typed character.
        const QString text = event.text();
        return text.isEmpty() || text.front().unicode() < 0x20;
    }
    return ctrl || alt;
}

std::optional<char> TypedCharacter(const QKeyEvent &event)
{
    if (IsCommandChord(event))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Escape:
        return '\x1b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t c = text.front().unicode();
    if (c < 0x20 || c == 0x7f)
        return std::nullopt;
    return c < 0x7f ? static_cast<char>(c) : '\x7f';
}

bool IsCaretKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return !(event.modifiers() & (Qt::AltModifier | Qt::MetaModifier));
    default:
        return false;
    }
}

bool IsReadingChord(const QKeyEvent &event)
{
    return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::SelectAll);
}

std::optional<Operator> OperatorKey(char key)
{
    if (key == 'x' || key == '%')
        return std::nullopt;
    return OperatorForKey(key);
}

bool IsRecallKey(char key)
{
    switch (key) {
    case 'D': case 'd':
    case 'I': case 'i':
    case 'O': case 'o':
    case 'P': case 'p':
    case 'T': case 't':
        return true;
    default:
        return false;
    }
}
