// The text export of one log: the format choices, their subheadings, and the bytes of the file.
#include "documents/exportformat.h"

#include <algorithm>

#include "documents/document.h"
#include "documents/systemtext.h"

QStringList ExportFormatItems()
{
    return {QStringLiteral("30 fps non-drop frame"), QStringLiteral("30 fps drop frame"), QStringLiteral("25 fps PAL"),
            QStringLiteral("24 fps Film"),           QStringLiteral("User Definable"),    QStringLiteral("Frames")};
}

QString ExportSubheading(int mode, std::int64_t userFps, double framesFps)
{
    switch (mode) {
    case 0:
        return QStringLiteral("30 fps Non-Drop Frame");
    case 1:
        return QStringLiteral("30 fps Drop Frame");
    case 2:
        return QStringLiteral("25 fps PAL");
    case 3:
        return QStringLiteral("24 fps Film");
    case 4:
        return QStringLiteral("User Definable - %1fps").arg(userFps);
    default:
        return QStringLiteral("Frames - %1fps").arg(FramesFpsText(framesFps));
    }
}

QByteArray ExportText(const LogRowAt &rows, std::int64_t calcCount, const ExportSettings &options)
{
    QByteArray out;
    if (options.useHead) {
        if (!options.heading.isEmpty())
            AppendLine(out, options.heading.toUtf8());
        if (!options.subheading.isEmpty())
            AppendLine(out, options.subheading.toUtf8());
    }
    const int lastColumn = options.exportDescriptions ? kLogColumns - 1 : 4;
    const bool trimCells = options.radio == static_cast<int>(TimecodeMode::Frames);
    const std::int64_t count = std::max<std::int64_t>(calcCount, 0);
    for (std::int64_t r = 0; r < count; ++r)
        AppendRowLine(out, RowAt(rows, r), lastColumn, trimCells);
    return ToSystemCodePage(out);
}
