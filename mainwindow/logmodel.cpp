// The calculation log model.
#include "mainwindow/logmodel.h"

LogModel::LogModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int LogModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_rows.empty() ? 1 : static_cast<int>(m_rows.size());
}

int LogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kLogColumns;
}

QVariant LogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index))
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return cell(index.row(), index.column());
}

Qt::ItemFlags LogModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (cellEditable(index))
        result |= Qt::ItemIsEditable;
    return result;
}

bool LogModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !checkIndex(index))
        return false;
    if (!cellEditable(index))
        return false;
    std::string &target = m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    const std::string text = value.toString().toStdString();
    if (text == target)
        return true;
    target = text;
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT cellEdited(index.row(), index.column());
    return true;
}

bool LogModel::cellEditable(const QModelIndex &index) const
{
    // The auxiliary cell is not kept by a saved document (reading one empties it), so nothing typed
    // there may be lost: it is not edited in place.
    return m_editable && index.column() != kAuxiliaryColumn && static_cast<std::size_t>(index.row()) < m_rows.size();
}

const LogRow *LogModel::lastRow() const
{
    return m_rows.empty() ? nullptr : &m_rows.back();
}

QString LogModel::cell(std::int64_t row, int column) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size() || column < 0 || column >= kLogColumns)
        return {};
    return QString::fromStdString(m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]);
}

void LogModel::appendRow(LogRow row)
{
    if (m_rows.empty()) {
        // The empty row on show becomes the first logged row: no row is added to the view.
        m_rows.push_back(std::move(row));
        Q_EMIT dataChanged(index(0, 0), index(0, kLogColumns - 1), {Qt::DisplayRole, Qt::EditRole});
        return;
    }
    const int position = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void LogModel::EraseAll()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void LogModel::setRows(const LogRows &rows)
{
    beginResetModel();
    m_rows.assign(rows.begin(), rows.end());
    endResetModel();
}

LogRows LogModel::rows() const
{
    return LogRows(m_rows.begin(), m_rows.end());
}

void LogModel::setEditable(bool editable)
{
    // Views ask for the flags when an edit is about to start, so nothing needs repainting.
    m_editable = editable;
}
