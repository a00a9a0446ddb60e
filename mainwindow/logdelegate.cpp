// In-place editing of a log cell.
#include "mainwindow/logdelegate.h"

#include <QLineEdit>

#include "documents/celltext.h"

QWidget *LogCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        line->setMaxLength(CellMaxLength(index.column()));
        line->setValidator(new CellTextValidator(index.column(), line));
        line->setAccessibleName(index.column() == kDescriptionColumn ? QStringLiteral("Description")
                                                                     : QStringLiteral("Log cell"));
    }
    return editor;
}

void LogCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    // A text that does not fit the cell (which the validator does not let through) is never stored.
    if (auto *line = qobject_cast<QLineEdit *>(editor); line && !CellTextFits(index.column(), line->text()))
        return;
    QStyledItemDelegate::setModelData(editor, model, index);
}
