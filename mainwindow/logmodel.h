// One mode's calculation log as a table model: seven text cells per row, at least one row shown.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <deque>

#include "engine/logrow.h"

// The auxiliary cell, which a calculation leaves empty.
inline constexpr int kAuxiliaryColumn = 5;

class LogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LogModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Logged rows; the view shows one empty row while there are none.
    std::int64_t count() const { return static_cast<std::int64_t>(m_rows.size()); }
    // The last logged row, nullptr while the log is empty.
    const LogRow *lastRow() const;
    // A cell's text; empty outside the logged rows.
    QString cell(std::int64_t row, int column) const;
    const LogRow &row(std::int64_t row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    // Appends one row at the end; costs the same however long the log is.
    void appendRow(LogRow row);
    // Empties the log (it still shows one empty row).
    void EraseAll();
    // Replaces every row at once (a document being opened).
    void setRows(const LogRows &rows);
    LogRows rows() const;

    // Cells of logged rows can be edited in place only while description editing is on; the
    // auxiliary cell never is.
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

Q_SIGNALS:
    // A person changed a cell's text in place.
    void cellEdited(int row, int column);

private:
    bool cellEditable(const QModelIndex &index) const;

    std::deque<LogRow> m_rows;
    bool m_editable = false;
};
