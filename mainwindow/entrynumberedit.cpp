// The right-aligned number fields of the entry row.
#include "mainwindow/entrynumberedit.h"

#include <QKeyEvent>

#include "mainwindow/entrykeys.h"

EntryNumberEdit::EntryNumberEdit(int typingLimit, QWidget *parent)
    : EntryLineEdit(parent)
    , m_typingLimit(typingLimit)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setText(QStringLiteral("0"));
}

bool EntryNumberEdit::claimsKey(const QKeyEvent &event) const
{
    return EntryLineEdit::claimsKey(event) || event.key() == Qt::Key_Delete;
}

void EntryNumberEdit::keyPressEvent(QKeyEvent *event)
{
    // Chords other than copy and select all type nothing here (paste goes through the window).
    if (IsCommandChord(*event) && !IsCaretKey(*event) && !IsReadingChord(*event)) {
        event->ignore();
        return;
    }
    const auto key = TypedCharacter(*event);
    if (key && *key != '\b' && !isReadOnly() && text().size() - selectedText().size() >= m_typingLimit) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
