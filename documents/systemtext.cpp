// Shared plumbing of the document and export files: the system code page and row lines of cells.
#include "documents/systemtext.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
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
    for (int column = 0; column <= lastColumn; ++column) {
        if (row != nullptr) {
            std::string_view cell = (*row)[static_cast<std::size_t>(column)];
            if (trimCells) {
                const auto end = cell.find_last_not_of(' ');
                cell = end == std::string_view::npos ? std::string_view() : cell.substr(0, end + 1);
            }
            out.append(cell.data(), static_cast<qsizetype>(cell.size()));
        }
        out.append(' ');
    }
    out.append("\r\n");
}

void AppendLine(QByteArray &out, const QByteArray &utf8)
{
    out.append(utf8);
    out.append("\r\n");
}
