// libFuzzer target: the document reader on any bytes, and a write and read of whatever it accepts.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "documents/celltext.h"
#include "documents/document.h"

namespace {

[[noreturn]] void Fault(const char *what)
{
    std::fprintf(stderr, "document reader fault: %s\n", what);
    std::abort();
}

void CheckCells(const CalcDocument &document)
{
    for (const LogRows &rows : document.logs) {
        if (static_cast<std::int64_t>(rows.size()) != document.CalcCount)
            Fault("a log's row count differs from CalcCount");
        for (const LogRow &row : rows) {
            if (!row[5].empty())
                Fault("cell 5 is not empty");
            for (int column = 0; column < kLogColumns; ++column) {
                const QString text = QString::fromStdString(row[static_cast<std::size_t>(column)]);
                if (text.size() > CellMaxLength(column))
                    Fault("a cell is longer than its column allows");
                if (column != kDescriptionColumn && text.contains(QLatin1Char(' ')))
                    Fault("a field holds a space");
                if (text.contains(QLatin1Char('\n')) || text.contains(QChar::Null))
                    Fault("a cell holds a line feed or a zero");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DocumentReadResult first = ReadDocument(bytes);
    if (!first.document) {
        if (first.error.isEmpty())
            Fault("a refused document without a reason");
        return 0;
    }
    const CalcDocument &document = *first.document;
    CheckCells(document);

    DocumentLogs logs;
    for (std::size_t mode = 0; mode < logs.logs.size(); ++mode)
        logs.logs[mode] = RowsOf(document.logs[mode]);
    logs.CalcCount = document.CalcCount;
    const DocumentReadResult second = ReadDocument(WriteDocument(logs));
    if (!second.document)
        Fault("a written document does not read back");

    // What was read saves and reads again unchanged, but for the trailing spaces the Frames log drops.
    CalcDocument expected = document;
    for (LogRow &row : expected.logs[static_cast<std::size_t>(TimecodeMode::Frames)]) {
        std::string &description = row[kDescriptionColumn];
        description.erase(description.find_last_not_of(' ') + 1);
    }
    if (!(*second.document == expected))
        Fault("a document changed on its way through the writer and the reader");
    return 0;
}
