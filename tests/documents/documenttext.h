// Builders of document texts and log contents for the document suites.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <QString>
#include <QStringList>

#include "documents/document.h"

// Lines joined with CR LF, the last one ended too.
inline QByteArray CrLf(const QByteArrayList &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

// A document of `head` (signature and count lines) and six sections, each a header, its row lines
// and the empty line that ends it.
inline QByteArray SectionsDocument(const QByteArrayList &head, const QList<QByteArrayList> &sections)
{
    QByteArrayList lines = head;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        lines << "Header " + QByteArray::number(i + 1);
        lines << sections.at(i);
        lines << QByteArray();
    }
    return CrLf(lines);
}

// The same rows in all six sections.
inline QByteArray Document(const QByteArrayList &head, const QByteArrayList &rows)
{
    return SectionsDocument(head, QList<QByteArrayList>(kModeCount, rows));
}

// A log from rows written as cells joined by "|": "00:00:10:00|+|00:00:05:00|=|00:00:15:00||Scene 4".
inline LogRows Rows(const QStringList &rows)
{
    LogRows log;
    for (const QString &text : rows) {
        const QStringList cells = text.split(QLatin1Char('|'));
        LogRow row;
        for (qsizetype c = 0; c < cells.size() && c < kLogColumns; ++c)
            row[static_cast<std::size_t>(c)] = cells.at(c).toStdString();
        log.push_back(row);
    }
    return log;
}

// A document's logs in the "|" form, each row tagged with its mode: "5: 300|+|150|=|450||Scene 4".
inline QStringList Flatten(const CalcDocument &document)
{
    QStringList out;
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (const LogRow &row : document.logs[static_cast<std::size_t>(mode)]) {
            QStringList cells;
            for (const std::string &cell : row)
                cells << QString::fromStdString(cell);
            out << QString::number(mode) + QStringLiteral(": ") + cells.join(QLatin1Char('|'));
        }
    }
    return out;
}

// The same "|" rows tagged for all six modes.
inline QStringList InAllModes(const QStringList &rows)
{
    QStringList out;
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (const QString &row : rows)
            out << QString::number(mode) + QStringLiteral(": ") + row;
    }
    return out;
}

inline DocumentLogs LogsOf(const std::array<LogRows, kModeCount> &logs, std::int64_t count)
{
    DocumentLogs out;
    for (std::size_t mode = 0; mode < out.logs.size(); ++mode)
        out.logs[mode] = RowsOf(logs[mode]);
    out.CalcCount = count;
    return out;
}
