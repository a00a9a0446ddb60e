// The timecode field of the entry row: shaping, separators, caret and selection, key routing.
#include "mainwindow/timecodeedit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>

#include "mainwindow/entrykeys.h"

namespace {

constexpr int kLength = 11;
constexpr QChar kBlank = u'_';

bool IsSeparatorPlace(int i)
{
    return i == 2 || i == 5 || i == 8;
}

bool IsSeparatorChar(QChar c)
{
    return c == u':' || c == u';';
}

} // namespace

TimecodeEdit::TimecodeEdit(QWidget *parent)
    : EntryLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TimecodeEdit::reshapeForeignText);
    writeShaped(Shape(QStringLiteral("00000000"), m_separator));
}

QString TimecodeEdit::Shape(const QString &text, char separator)
{
    const QChar sep = QChar::fromLatin1(separator);
    QString out(kLength, kBlank);
    qsizetype next = 0;
    for (int i = 0; i < kLength; ++i) {
        if (IsSeparatorPlace(i)) {
            out[i] = sep;
            if (next < text.size() && IsSeparatorChar(text[next]))
                ++next;
            continue;
        }
        if (next >= text.size())
            continue;
        const QChar c = text[next];
        if (IsSeparatorChar(c))
            continue; // a missing digit: the place stays blank, the separator meets its own place
        ++next;
        if (c >= u'0' && c <= u'9')
            out[i] = c;
    }
    return out;
}

void TimecodeEdit::setText(const QString &text)
{
    writeShaped(Shape(text, m_separator));
}

void TimecodeEdit::writeShaped(const QString &shaped)
{
    m_writing = true;
    QLineEdit::setText(shaped);
    m_writing = false;
}

void TimecodeEdit::reshapeForeignText(const QString &text)
{
    if (m_writing)
        return;
    const QString shaped = Shape(text, m_separator);
    if (shaped != text)
        writeShaped(shaped);
}

void TimecodeEdit::setFieldSeparator(char separator)
{
    m_separator = separator;
    QString current = text();
    if (current.size() != kLength)
        current = Shape(current, separator);
    for (int i : {2, 5, 8})
        current[i] = QChar::fromLatin1(separator);
    if (current == text())
        return;
    const EntryField field = entryField();
    writeShaped(current);
    setEntryField(field);
}

EntryField TimecodeEdit::entryField() const
{
    const int caret = cursorPosition();
    const bool selected = hasSelectedText();
    const int start = selected ? selectionStart() : caret;
    const int length = selected ? static_cast<int>(selectedText().size()) : 0;
    return EntryFromText(text().toStdString(), caret, start, length);
}

void TimecodeEdit::setEntryField(const EntryField &field)
{
    const QString shaped = QString::fromStdString(EntryText(field.digits, m_separator));
    if (shaped != text())
        writeShaped(shaped);
    if (field.selectionLength > 0) {
        const int start = field.selectionStart;
        const int end = start + field.selectionLength;
        // One highlighted character: the caret stands at its start.
        if (field.caret == start)
            setSelection(end, -field.selectionLength);
        else
            setSelection(start, field.selectionLength);
    } else {
        setCursorPosition(field.caret);
    }
}

bool TimecodeEdit::claimsKey(const QKeyEvent &event) const
{
    return isReadOnly() ? IsCaretKey(event) : EntryLineEdit::claimsKey(event);
}

void TimecodeEdit::keyPressEvent(QKeyEvent *event)
{
    if (IsCaretKey(*event) || IsReadingChord(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!isReadOnly()) {
        if (const auto key = TypedCharacter(*event)) {
            event->accept();
            Q_EMIT keyTyped(*key);
            return;
        }
    }
    event->ignore();
}

void TimecodeEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (m_selectAllOnEntry && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        selectAll();
}

void TimecodeEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // Without a menu from the window: copy and select all, nothing that edits.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("&Copy"), this, &QLineEdit::copy)->setEnabled(hasSelectedText());
    menu->addSeparator();
    menu->addAction(tr("Select All"), this, &QLineEdit::selectAll);
    menu->popup(event->globalPos());
}
