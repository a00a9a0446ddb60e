// Shared plumbing of the document and export files: the system code page and row lines of cells.
#pragma once

#include <QByteArray>
#include <cstdint>

#include "documents/document.h"
#include "engine/logrow.h"

// Cells are UTF-8 inside the program; files are in the system's code page (UTF-8 on most Unix systems).
bool SystemCodePageIsUtf8();
// UTF-8 text to the bytes of a file.
QByteArray ToSystemCodePage(const QByteArray &utf8);
// The bytes of a file to valid UTF-8: sequences the code page cannot decode become U+FFFD, and a
// leading byte-order mark is dropped.
QByteArray Utf8FromSystemCodePage(const QByteArray &bytes);

// Row `row` of `rows`, or nullptr when the log is missing or shorter.
const LogRow *RowAt(const LogRowAt &rows, std::int64_t row);

// Cells 0..lastColumn, each followed by one space (trailing spaces of a cell dropped first when
// `trimCells`), then CR LF. A null row writes empty cells.
void AppendRowLine(QByteArray &out, const LogRow *row, int lastColumn, bool trimCells);
void AppendLine(QByteArray &out, const QByteArray &utf8);
