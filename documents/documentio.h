// The document commands as the main window runs them: save and open with their dialogs, the
// "Save Current Work?" question, and every failure reported in an error box.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "documents/document.h"

class QWidget;

// SaveDialog1 and OpenDialog1.
inline const QString kDocumentSaveFilter =
    QStringLiteral("Corvane File (*.cvf)|*.cvf|Text File (.txt)|*.txt|All Files (*.*)|*.*");
inline const QString kDocumentOpenFilter =
    QStringLiteral("Corvane Files (*.cvf)|*.cvf|Text File (*.txt)|*.txt|All Files (*.*)|*.*");
inline const QString kDocumentOpenTitle = QStringLiteral("Open Corvane File");
inline const QString kDocumentExtension = QStringLiteral("cvf");
inline const QString kSaveCurrentWork = QStringLiteral("Save Current Work?");

// Writes `bytes` through QSaveFile, so an existing file is replaced only once everything is written.
// A failure shows "Cannot save file ..." with the system's reason in an error box, leaves any old file
// as it was, and returns false.
bool WriteFileReporting(QWidget *parent, const QString &fileName, const QByteArray &bytes);

// Save1Click: asks for a name with SaveDialog1 and writes the document. True only when the file was
// written; a cancelled dialog or a failed write returns false (WorkChanged must then stay set).
bool SaveDocumentCommand(QWidget *parent, const DocumentLogs &logs);

// The question before an open and before closing the window: without unsaved work, true at once;
// otherwise "Save Current Work?" (Yes, No, Cancel). Yes runs `saveNow` and goes on only when it
// returns true (the file was written); No goes on; Cancel stops.
bool OfferToSaveWork(QWidget *parent, bool unsavedWork, const std::function<bool()> &saveNow);

// The document named by the command-line arguments (the program's name not among them): joined by
// single spaces, so that an unquoted path with spaces comes together again; trailing spaces dropped.
QString CommandLineFileName(const QStringList &arguments);

// Reads and checks the whole file. Any failure (missing, unreadable, not a Corvane file, malformed) is
// shown in an error box and returns nothing, so the caller's logs stay as they were.
std::optional<CalcDocument> ReadDocumentFile(QWidget *parent, const QString &fileName);

// Open1Click after its question: reads `fileName` (a dropped file or the command line's name), or, when
// there is none, the file chosen in OpenDialog1. Nothing when the dialog is cancelled, the name is
// empty or the file does not read.
std::optional<CalcDocument> OpenDocumentCommand(QWidget *parent, const std::optional<QString> &fileName);
