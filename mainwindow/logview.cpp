// The view of one log.
#include "mainwindow/logview.h"

#include <QHeaderView>
#include <QScrollBar>

LogView::LogView(QWidget *parent)
    : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    fitRowsToFont();
}

int LogView::topRow() const
{
    return m_pendingTopRow >= 0 ? m_pendingTopRow : verticalScrollBar()->value();
}

void LogView::setTopRow(int row)
{
    if (!isVisible()) {
        m_pendingTopRow = row;
        return;
    }
    m_pendingTopRow = -1;
    // The scroll range follows a new row only at the next layout; bring it up to date first.
    updateGeometries();
    verticalScrollBar()->setValue(row);
}

void LogView::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    if (m_pendingTopRow >= 0)
        setTopRow(m_pendingTopRow);
}

void LogView::fitRowsToFont()
{
    const int rowHeight = fontMetrics().height() + 2;
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    setFixedHeight(rowHeight * kVisibleRows + 2 * frameWidth());
}

void LogView::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT hovered();
    QTableView::mouseMoveEvent(event);
}

void LogView::finishEditing()
{
    // Editors live on the viewport; any of them may be open, not only the current cell's. A closed
    // one is hidden until it is deleted.
    const QList<QWidget *> editors = viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors) {
        if (editor->isHidden())
            continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
