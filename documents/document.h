// The calculation document (.cvf): the six logs as the bytes of a text file and back, with no window.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/logrow.h"
#include "engine/timecode.h"

inline constexpr char kDocumentSignature[] = "CorvaneFile";
inline constexpr char kOlderDocumentSignature[] = "CorvaneSave"; // read, never written
inline constexpr int kSignatureLength = 11;                         // only this much of line 1 counts

// One log as the writer reads it: the row at an index, or nullptr past the rows the log has.
using LogRowAt = std::function<const LogRow *(std::int64_t row)>;

// A LogRowAt over a random-access container of rows (LogRows, a deque); `rows` must outlive it.
template <typename Container>
LogRowAt RowsOf(const Container &rows)
{
    return [&rows](std::int64_t row) -> const LogRow * {
        return row >= 0 && static_cast<std::uint64_t>(row) < rows.size() ? &rows[static_cast<std::size_t>(row)]
                                                                         : nullptr;
    };
}

// What a save is made from: the logs by mode and the calculator values written with them.
// A log or row that is missing (fewer rows than CalcCount) saves as a row of empty cells.
struct DocumentLogs {
    std::array<LogRowAt, kModeCount> logs{};
    std::int64_t CalcCount = 0;
    std::int64_t UserFps = 15;
    double FramesFps = 30.0;
};

// A document as read: a complete new set of six logs of exactly CalcCount rows each (none for a
// count of 0; the window shows its one empty row itself). Cell 5 is always empty.
struct CalcDocument {
    std::array<LogRows, kModeCount> logs;
    std::int64_t CalcCount = 0;
    friend bool operator==(const CalcDocument &, const CalcDocument &) = default;
};

// Either a document or the reason there is none. `error` names the line at fault, except for a wrong
// signature, which gives exactly "Not a Corvane file!".
struct DocumentReadResult {
    std::optional<CalcDocument> document;
    QString error;
};

inline const QString kNotCorvaneFile = QStringLiteral("Not a Corvane file!");

// The header line of a section: "NonDropFrame Timecode" ... "User (30fps) Timecode", "Frames (29.97fps)".
QString SectionHeader(int mode, std::int64_t userFps, double framesFps);

// A real frame rate in the shortest decimal form that reads back to the same value, with the user's
// decimal separator and no group separators: 29.97 -> "29.97" (or "29,97"), 30 -> "30".
QString FramesFpsText(double framesFps);

// The whole file: signature, count, six sections, CR LF line ends, in the system's code page.
QByteArray WriteDocument(const DocumentLogs &logs);

// Checks the whole file and builds new logs only when all of it is sound. Reads both signatures;
// never reads past `bytes`, and allocates rows only for a count that the file's lines can hold.
DocumentReadResult ReadDocument(const QByteArray &bytes);

// Whether a file's first bytes carry either signature; lets a caller reject a foreign file before
// reading all of it.
bool HasDocumentSignature(const QByteArray &head);
