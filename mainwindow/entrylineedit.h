// The common ground of the entry row's edit fields: text arrives only by keys or by the program.
#pragma once

#include <QLineEdit>

class EntryLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryLineEdit(QWidget *parent = nullptr);

protected:
    // The keys the field reads itself rather than leaving them to the window's shortcuts. By default
    // the typed characters and the caret keys: chords and function keys stay the window's (its copy,
    // paste and memory keys act on the fields).
    virtual bool claimsKey(const QKeyEvent &event) const;

    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
