// In-place editing of a log cell: the editor takes only what a saved document reads back unchanged
// (the cell rules of documents/celltext.h).
#pragma once

#include <QStyledItemDelegate>

class LogCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
