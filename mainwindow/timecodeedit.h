// A timecode field of the entry row: eleven characters, eight digits and a separator at 3, 6 and 9,
// edited only by the window's key program, never by the platform's own editing.
#pragma once

#include "engine/entry.h"
#include "mainwindow/entrylineedit.h"

class TimecodeEdit : public EntryLineEdit {
    Q_OBJECT
public:
    explicit TimecodeEdit(QWidget *parent = nullptr);

    // ":" or ";". Rewrites the three separators of the text, keeping its digits, caret and selection.
    void setFieldSeparator(char separator);
    char fieldSeparator() const { return m_separator; }

    // Puts a text into the field, shaped as the mask shapes it (see Shape). Hides QLineEdit::setText
    // so that every text the program writes is shaped; a text set through a QLineEdit pointer is
    // shaped as soon as it arrives.
    void setText(const QString &text);

    // The field as the key program sees it, and back: digits, caret and selection.
    EntryField entryField() const;
    void setEntryField(const EntryField &field);

    // Entering the field (by Tab or by the program) selects its whole text; a click then puts the
    // caret where it lands.
    void setSelectAllOnEntry(bool on) { m_selectAllOnEntry = on; }

    // Eleven characters: the digits of `text` in the digit places, `separator` at 2, 5 and 8, "_"
    // for a place that gets no digit. A ":" or ";" in the text is taken as a separator.
    static QString Shape(const QString &text, char separator);

Q_SIGNALS:
    // A key that types a character (see TypedCharacter), for the window's key program. Caret keys,
    // copy and select all act here as in any field; nothing else reaches the platform's editing.
    void keyTyped(char key);

protected:
    bool claimsKey(const QKeyEvent &event) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void writeShaped(const QString &shaped);
    void reshapeForeignText(const QString &text);

    char m_separator = ':';
    bool m_writing = false;
    bool m_selectAllOnEntry = true;
};
