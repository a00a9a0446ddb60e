// In-place editing of a log cell.
#include "mainwindow/logdelegate.h"

#include <QLineEdit>
#include <QStringEncoder>

int LogCellMaxLength(int column)
{
    return column == 6 ? kDescriptionMaxLength : kValueCellMaxLength;
}

bool LogCellTextAllowed(int column, const QString &text)
{
    if (text.size() > LogCellMaxLength(column))
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
        if (column != 6 && c.isSpace())
            return false;
    }
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray encoded = encoder.encode(text);
    return !encoder.hasError();
}

LogCellValidator::LogCellValidator(int column, QObject *parent)
    : QValidator(parent)
    , m_column(column)
{
}

QValidator::State LogCellValidator::validate(QString &input, int &) const
{
    return LogCellTextAllowed(m_column, input) ? Acceptable : Invalid;
}

QWidget *LogCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setMaxLength(LogCellMaxLength(index.column()));
        line->setValidator(new LogCellValidator(index.column(), line));
        line->setAccessibleName(index.column() == 6 ? QStringLiteral("Description") : QStringLiteral("Log cell"));
    }
    return editor;
}

void LogCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    // A text that does not fit the cell (which the validator does not let through) is never stored.
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && !LogCellTextAllowed(index.column(), line->text()))
        return;
    QStyledItemDelegate::setModelData(editor, model, index);
}
