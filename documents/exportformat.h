// The text export of one log: the format choices, their subheadings, and the bytes of the file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "documents/document.h"
#include "engine/logrow.h"
#include "settings/settings.h"

inline const QString kExportFilter = QStringLiteral("Text File (.txt)|*.txt|All Files (*.*)|*.*");

// The six "Export Format..." items, by mode: "30 fps non-drop frame" ... "Frames".
QStringList ExportFormatItems();

// The subheading that choosing a format puts in the Subheading edit: "30 fps Non-Drop Frame" ...
// "User Definable - 15fps", "Frames - 29.97fps".
QString ExportSubheading(int mode, std::int64_t userFps, double framesFps);

// The file: with options.useHead the heading and subheading lines (each only when not empty), then one
// line per row 0..calcCount-1 of `rows` with cells 0..4, or 0..6 with options.exportDescriptions, each
// followed by one space; trailing spaces of cells dropped for the Frames log (options.radio 5). CR LF
// line ends, system code page. A row that `rows` lacks exports as empty cells.
QByteArray ExportText(const LogRowAt &rows, std::int64_t calcCount, const ExportSettings &options);
