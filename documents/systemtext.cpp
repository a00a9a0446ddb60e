// Shared plumbing of the document and export files: the system code page and row lines of cells.
#include "documents/systemtext.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <string_view>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

} // namespace

bool SystemCodePageIsUtf8()
{
    static const bool utf8 = [] {
        QStringEncoder encoder(QStringConverter::System);
        const QByteArray probe = encoder.encode(QStringView(u"\u00E9\u20AC"));
        return probe == QByteArray("\xC3\xA9\xE2\x82\xAC");
    }();
    return utf8;
}

QByteArray ToSystemCodePage(const QByteArray &utf8)
{
    if (SystemCodePageIsUtf8())
        return utf8;
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(QString::fromUtf8(utf8));
}

QByteArray Utf8FromSystemCodePage(const QByteArray &bytes)
{
    // Sound UTF-8 is used as it stands, which spares two conversions of a large document.
    if (SystemCodePageIsUtf8() && !bytes.startsWith(kUtf8Bom) && bytes.isValidUtf8())
        return bytes;
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QByteArray utf8 = QString(decoder.decode(bytes)).toUtf8();
    if (utf8.startsWith(kUtf8Bom))
        utf8.remove(0, kUtf8Bom.size());
    return utf8;
}

const LogRow *RowAt(const LogRowAt &rows, std::int64_t row)
{
    return rows ? rows(row) : nullptr;
}

void AppendRowLine(QByteArray &out, const LogRow *row, int lastColumn, bool trimCells)
{
    // The line's length is known before it is written, so the buffer grows once per line and the
    // cells are copied straight in: a large document is hundreds of thousands of these lines.
    std::array<std::string_view, kLogColumns> cells{};
    qsizetype length = lastColumn + 1 + 2; // a space after each cell, then CR LF
    if (row != nullptr) {
        for (int column = 0; column <= lastColumn; ++column) {
            std::string_view cell = (*row)[static_cast<std::size_t>(column)];
            if (trimCells) {
                const auto end = cell.find_last_not_of(' ');
                cell = end == std::string_view::npos ? std::string_view() : cell.substr(0, end + 1);
            }
            cells[static_cast<std::size_t>(column)] = cell;
            length += static_cast<qsizetype>(cell.size());
        }
    }
    const qsizetype at = out.size();
    out.resize(at + length);
    char *to = out.data() + at;
    for (int column = 0; column <= lastColumn; ++column) {
        const std::string_view cell = cells[static_cast<std::size_t>(column)];
        to = std::copy(cell.begin(), cell.end(), to);
        *to++ = ' ';
    }
    *to++ = '\r';
    *to = '\n';
}

void AppendLine(QByteArray &out, const QByteArray &utf8)
{
    out.append(utf8);
    out.append("\r\n");
}
