// The calculation document (.cvf): the six logs as the bytes of a text file and back.
#include "documents/document.h"

#include <QByteArrayView>
#include <QLocale>
#include <algorithm>
#include <string>

#include "documents/celltext.h"
#include "documents/systemtext.h"

namespace {

constexpr int kFramesMode = static_cast<int>(TimecodeMode::Frames);

// Lines of the file besides the row lines: signature, count, six headers, five section ends
// (the empty line that closes the last section is not read).
constexpr std::int64_t kFixedLines = 2 + kModeCount + (kModeCount - 1);

QString SectionName(int mode)
{
    static const char *const kNames[kModeCount] = {"NonDropFrame", "DropFrame", "PAL", "Film", "User", "Frames"};
    return QStringLiteral("section %1 (%2)").arg(mode + 1).arg(QLatin1String(kNames[mode]));
}

// UTF-16 code units of valid UTF-8: what a line edit counts against its maximum length.
qsizetype Utf16Length(QByteArrayView utf8)
{
    qsizetype units = 0;
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte & 0xC0) != 0x80)
            ++units;
        if (byte >= 0xF0)
            ++units; // a character beyond the BMP takes a surrogate pair
    }
    return units;
}

// The longest start of `utf8` that holds at most `maxUnits` UTF-16 units, cut between characters.
QByteArrayView CutToUnits(QByteArrayView utf8, qsizetype maxUnits)
{
    qsizetype units = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype width = byte >= 0xF0 ? 2 : 1;
        if (units + width > maxUnits)
            return utf8.first(i);
        units += width;
    }
    return utf8;
}

QString Shown(QByteArrayView utf8)
{
    constexpr qsizetype kShownMax = 40;
    QString text = QString::fromUtf8(utf8);
    if (text.size() > kShownMax)
        text = text.first(kShownMax) + QStringLiteral("...");
    return text;
}

// Walks the lines of a buffer: a line ends at LF, and one CR before the LF belongs to the line end.
class LineReader {
public:
    explicit LineReader(QByteArrayView data) : m_data(data) {}

    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_data.size())
            return false;
        qsizetype end = m_data.indexOf('\n', m_pos);
        const qsizetype after = end < 0 ? m_data.size() : end + 1;
        if (end < 0)
            end = m_data.size();
        line = m_data.sliced(m_pos, end - m_pos);
        if (line.endsWith('\r'))
            line.chop(1);
        m_pos = after;
        ++m_lineNumber;
        return true;
    }
    std::int64_t lineNumber() const { return m_lineNumber; }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    std::int64_t m_lineNumber = 0;
};

std::int64_t CountLines(QByteArrayView data)
{
    if (data.isEmpty())
        return 0;
    return data.count('\n') + (data.endsWith('\n') ? 0 : 1);
}

// The count line: its first 11 characters as a decimal number, spaces around it allowed.
std::optional<std::int64_t> ParseCount(QByteArrayView line)
{
    QByteArrayView text = line.first(std::min<qsizetype>(line.size(), kSignatureLength)).trimmed();
    if (text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    std::int64_t count = 0; // at most 11 digits: far inside 64 bits
    for (const char ch : text) {
        if (!IsDigit(ch))
            return std::nullopt;
        count = count * 10 + (ch - '0');
    }
    return count;
}

struct RowError {
    QString message;
};

// One row line: `fields` space-terminated fields of at most 20 characters, then (with descriptions)
// the rest of the line as the description, less the one space the writer puts after it.
std::optional<RowError> ParseRow(QByteArrayView line, std::int64_t lineNumber, bool withDescriptions,
                                 LogRow &row)
{
    const int fields = withDescriptions ? 6 : 5;
    qsizetype pos = 0;
    for (int field = 0; field < fields; ++field) {
        const qsizetype space = line.indexOf(' ', pos);
        if (space < 0) {
            return RowError{QStringLiteral("Line %1 has %2 of the %3 fields a calculation row needs, "
                                           "each followed by a space.")
                                .arg(lineNumber)
                                .arg(field)
                                .arg(fields)};
        }
        const QByteArrayView text = line.sliced(pos, space - pos);
        if (text.size() > kFieldMaxLength && Utf16Length(text) > kFieldMaxLength) {
            return RowError{QStringLiteral("Line %1: field %2 (\"%3\") is longer than %4 characters.")
                                .arg(lineNumber)
                                .arg(field + 1)
                                .arg(Shown(text))
                                .arg(kFieldMaxLength)};
        }
        row[static_cast<std::size_t>(field)].assign(text.data(), static_cast<std::size_t>(text.size()));
        pos = space + 1;
    }
    row[5].clear();
    row[6].clear();
    if (withDescriptions) {
        QByteArrayView description = line.sliced(pos);
        if (description.endsWith(' '))
            description.chop(1);
        description = CutToUnits(description, kDescriptionMaxLength);
        row[6].assign(description.data(), static_cast<std::size_t>(description.size()));
    }
    return std::nullopt;
}

DocumentReadResult Failure(QString message)
{
    return DocumentReadResult{std::nullopt, std::move(message)};
}

} // namespace

QString SectionHeader(int mode, std::int64_t userFps, double framesFps)
{
    switch (mode) {
    case 0:
        return QStringLiteral("NonDropFrame Timecode");
    case 1:
        return QStringLiteral("DropFrame Timecode");
    case 2:
        return QStringLiteral("PAL Timecode");
    case 3:
        return QStringLiteral("Film Timecode");
    case 4:
        return QStringLiteral("User (%1fps) Timecode").arg(userFps);
    default:
        return QStringLiteral("Frames (%1fps)").arg(FramesFpsText(framesFps));
    }
}

QString FramesFpsText(double framesFps)
{
    QString text = QString::number(framesFps, 'g', QLocale::FloatingPointShortest);
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

QByteArray WriteDocument(const DocumentLogs &logs)
{
    const std::int64_t count = std::max<std::int64_t>(logs.CalcCount, 0);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(std::min<std::int64_t>(count, 10'000'000) * kModeCount * 64 + 256));
    AppendLine(out, kDocumentSignature);
    AppendLine(out, QByteArray::number(count));
    for (int mode = 0; mode < kModeCount; ++mode) {
        const LogRowAt &rows = logs.logs[static_cast<std::size_t>(mode)];
        AppendLine(out, SectionHeader(mode, logs.UserFps, logs.FramesFps).toUtf8());
        for (std::int64_t r = 0; r < count; ++r)
            AppendRowLine(out, RowAt(rows, r), kLogColumns - 1, mode == kFramesMode);
        out.append("\r\n");
    }
    return ToSystemCodePage(out);
}

bool HasDocumentSignature(const QByteArray &head)
{
    const QByteArray utf8 = Utf8FromSystemCodePage(head.first(std::min<qsizetype>(head.size(), 64)));
    return utf8.startsWith(kDocumentSignature) || utf8.startsWith(kOlderDocumentSignature);
}

DocumentReadResult ReadDocument(const QByteArray &bytes)
{
    const QByteArray utf8 = Utf8FromSystemCodePage(bytes);
    LineReader lines(utf8);
    QByteArrayView line;

    if (!lines.next(line))
        return Failure(kNotCorvaneFile);
    // The older layout has no descriptions.
    const bool withDescriptions = line.startsWith(kDocumentSignature);
    if (!withDescriptions && !line.startsWith(kOlderDocumentSignature))
        return Failure(kNotCorvaneFile);

    const qsizetype zero = utf8.indexOf('\0');
    if (zero >= 0) {
        const std::int64_t zeroLine = QByteArrayView(utf8).first(zero).count('\n') + 1;
        return Failure(QStringLiteral("Line %1 holds binary data: this is not a text document.").arg(zeroLine));
    }

    if (!lines.next(line))
        return Failure(QStringLiteral("Line 2: the count of calculations is missing."));
    const std::optional<std::int64_t> count = ParseCount(line);
    if (!count)
        return Failure(QStringLiteral("Line 2: \"%1\" is not a count of calculations.").arg(Shown(line)));
    // Checked before any row is made, so that a claimed count costs nothing the file does not hold:
    // every row takes a line of at least one space per field.
    const int fields = withDescriptions ? 6 : 5;
    const std::int64_t available = CountLines(utf8);
    if (available < kFixedLines)
        return Failure(QStringLiteral("Line %1: the document ends before its six sections do.").arg(available + 1));
    const bool fits = kFixedLines + *count * kModeCount <= available
                      && *count * kModeCount * (fields + 1) <= utf8.size();
    if (!fits) {
        return Failure(QStringLiteral("Line 2: the document claims %1 calculations, more than its %2 lines "
                                      "can hold.")
                           .arg(*count)
                           .arg(available));
    }

    // The line count above makes these unreachable; they keep the walk safe on its own.
    const auto nextLine = [&] { return lines.next(line); };
    const auto endedEarly = [&](int mode) {
        return Failure(QStringLiteral("Line %1: the document ends inside %2.")
                           .arg(lines.lineNumber() + 1)
                           .arg(SectionName(mode)));
    };

    CalcDocument document;
    document.CalcCount = *count;
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (mode > 0) {
            if (!nextLine())
                return endedEarly(mode);
            if (!line.isEmpty()) {
                return Failure(QStringLiteral("Line %1 should be the empty line that ends %2: the section "
                                              "holds more rows than the count of %3 calculations.")
                                   .arg(lines.lineNumber())
                                   .arg(SectionName(mode - 1))
                                   .arg(*count));
            }
        }
        if (!nextLine())
            return endedEarly(mode);
        // The header is for the reader's eye only.
        LogRows &rows = document.logs[static_cast<std::size_t>(mode)];
        rows.resize(static_cast<std::size_t>(*count));
        for (LogRow &row : rows) {
            if (!nextLine())
                return endedEarly(mode);
            if (auto error = ParseRow(line, lines.lineNumber(), withDescriptions, row))
                return Failure(error->message + QStringLiteral(" (in %1)").arg(SectionName(mode)));
        }
    }
    return DocumentReadResult{std::move(document), QString()};
}
