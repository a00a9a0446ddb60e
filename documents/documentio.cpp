// The document commands as the main window runs them: save and open with their dialogs and error boxes.
#include "documents/documentio.h"

#include <QFile>
#include <QSaveFile>

#include "app/dialogseam.h"

namespace {

QString CannotOpen(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason);
}

} // namespace

bool WriteFileReporting(QWidget *parent, const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Dialogs::current().error(parent, QStringLiteral("Cannot save file \"%1\". %2").arg(fileName, reason));
    }
    return written;
}

bool SaveDocumentCommand(QWidget *parent, const DocumentLogs &logs)
{
    const QString fileName =
        Dialogs::current().saveFileName(parent, QString(), kDocumentSaveFilter, kDocumentExtension);
    if (fileName.isEmpty())
        return false;
    return WriteFileReporting(parent, fileName, WriteDocument(logs));
}

bool OfferToSaveWork(QWidget *parent, bool unsavedWork, const std::function<bool()> &saveNow)
{
    if (!unsavedWork)
        return true;
    switch (Dialogs::current().question(parent, kSaveCurrentWork, Dialogs::Buttons::YesNoCancel)) {
    case Dialogs::Answer::Yes:
        return saveNow();
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

QString CommandLineFileName(const QStringList &arguments)
{
    QString name = arguments.join(QLatin1Char(' '));
    qsizetype end = name.size();
    while (end > 0 && name.at(end - 1) == QLatin1Char(' '))
        --end;
    name.truncate(end);
    return name;
}

std::optional<CalcDocument> ReadDocumentFile(QWidget *parent, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs::current().error(parent, CannotOpen(fileName, file.errorString()));
        return std::nullopt;
    }
    // A foreign file is turned away on its first bytes, before all of it is read.
    if (!HasDocumentSignature(file.peek(64))) {
        Dialogs::current().error(parent, kNotCorvaneFile);
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Dialogs::current().error(parent, CannotOpen(fileName, file.errorString()));
        return std::nullopt;
    }
    DocumentReadResult result = ReadDocument(bytes);
    if (!result.document) {
        Dialogs::current().error(parent, result.error == kNotCorvaneFile
                                             ? result.error
                                             : QStringLiteral("Cannot open file \"%1\".\n%2").arg(fileName, result.error));
        return std::nullopt;
    }
    return std::move(result.document);
}

std::optional<CalcDocument> OpenDocumentCommand(QWidget *parent, const std::optional<QString> &fileName)
{
    const QString name = fileName ? *fileName
                                  : Dialogs::current().openFileName(parent, kDocumentOpenTitle,
                                                                    kDocumentOpenFilter, kDocumentExtension);
    if (name.isEmpty())
        return std::nullopt;
    return ReadDocumentFile(parent, name);
}
