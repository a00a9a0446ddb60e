// A right-aligned number field of the entry row (percentage, frame numbers): typing stops at a
// number of characters, a text set by the program is kept whole.
#pragma once

#include "mainwindow/entrylineedit.h"

class EntryNumberEdit : public EntryLineEdit {
    Q_OBJECT
public:
    explicit EntryNumberEdit(int typingLimit, QWidget *parent = nullptr);

    int typingLimit() const { return m_typingLimit; }

protected:
    bool claimsKey(const QKeyEvent &event) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_typingLimit;
};
