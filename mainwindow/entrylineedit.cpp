// The common ground of the entry row's edit fields.
#include "mainwindow/entrylineedit.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "mainwindow/entrykeys.h"

EntryLineEdit::EntryLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    // Digits and operators: keys must arrive as key presses, never as composed input.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A drop reaches a field only through the window's own drop handling.
    setAcceptDrops(false);
}

bool EntryLineEdit::claimsKey(const QKeyEvent &event) const
{
    return TypedCharacter(event) || IsCaretKey(event);
}

bool EntryLineEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        key->setAccepted(claimsKey(*key));
        return true;
    }
    return QLineEdit::event(event);
}

void EntryLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // No middle-button paste of the selection clipboard.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryLineEdit::dragEnterEvent(QDragEnterEvent *event)
{
    event->ignore();
}

void EntryLineEdit::dragMoveEvent(QDragMoveEvent *event)
{
    event->ignore();
}

void EntryLineEdit::dropEvent(QDropEvent *event)
{
    event->ignore();
}
