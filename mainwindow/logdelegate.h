// In-place editing of a log cell: what a cell may hold so that a saved document reads it back
// unchanged (value cells without spaces and at most 20 characters, descriptions at most 100).
#pragma once

#include <QStyledItemDelegate>
#include <QValidator>

inline constexpr int kValueCellMaxLength = 20;
inline constexpr int kDescriptionMaxLength = 100;

// The longest text a cell of a column may hold.
int LogCellMaxLength(int column);
// Whether a text may stand in a cell of a column: no line breaks or other control characters, no
// space outside the description, within the length, and every character writable in the system's
// 8-bit code page.
bool LogCellTextAllowed(int column, const QString &text);

class LogCellValidator : public QValidator {
    Q_OBJECT
public:
    explicit LogCellValidator(int column, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;

private:
    int m_column;
};

class LogCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
