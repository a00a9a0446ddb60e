// The document commands of the window: save, open (chosen, dropped from the desktop or named on the
// command line), export, and the question that offers to save unsaved work first.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <utility>

#include "documents/documentio.h"
#include "documents/exportdialog.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/mainwindow.h"

namespace {

// The file of a desktop drop: the first dropped item, when it is a file on this machine.
QString DroppedFileName(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

// A drag over the window is taken when it brings such a file.
void AnswerDrag(QDropEvent *event)
{
    if (!DroppedFileName(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace

DocumentLogs TCalcMainForm::documentLogs() const
{
    DocumentLogs logs;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const LogModel *model = log(mode);
        logs.logs[static_cast<std::size_t>(mode)] = [model](std::int64_t r) -> const LogRow * {
            return r >= 0 && r < model->count() ? &model->row(r) : nullptr;
        };
    }
    logs.CalcCount = m_state.CalcCount;
    logs.UserFps = m_state.UserFps;
    logs.FramesFps = m_state.FramesFps;
    return logs;
}

bool TCalcMainForm::Save1Click()
{
    // A cell being edited in place is saved with what has been typed into it.
    Panel3->finishEditing();
    if (!SaveDocumentCommand(this, documentLogs()))
        return false;
    m_state.WorkChanged = false;
    return true;
}

void TCalcMainForm::Open1Click()
{
    // Taken at once, so that a drop is used by this open only, whatever the question's answer.
    const QString dropped = std::exchange(m_droppedFile, QString());
    const bool unsavedWork = m_state.CalcCount > 0 && m_state.WorkChanged;
    // Cancel, or a save that did not happen, leaves everything as it was.
    if (!OfferToSaveWork(this, unsavedWork, [this] { return Save1Click(); }))
        return;

    std::optional<QString> fileName;
    if (!dropped.isEmpty())
        fileName = dropped;
    else if (m_openFromCommandLine)
        fileName = m_commandLineDocument;
    if (std::optional<CalcDocument> document = OpenDocumentCommand(this, fileName)) {
        // CalcCount becomes the document's count, the rows of every log.
        setLogs(document->logs);
        m_state.WorkChanged = false;
        enableDocumentCommands();
        // The count of the opened document, as after a calculation.
        showCalculationCount();
    }

    ActivateDragMode();
    EditBtn->setChecked(false);
    EditBtn->setEnabled(true);
}

void TCalcMainForm::Export1Click()
{
    Panel3->finishEditing();
    m_exportForm->exec();
}

void TCalcMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    AnswerDrag(event);
}

void TCalcMainForm::dragMoveEvent(QDragMoveEvent *event)
{
    AnswerDrag(event);
}

void TCalcMainForm::dropEvent(QDropEvent *event)
{
    const QString fileName = DroppedFileName(event->mimeData());
    if (fileName.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The open asks questions and shows dialogs: it runs once the desktop has finished the drop.
    QMetaObject::invokeMethod(
        this,
        [this, fileName] {
            m_droppedFile = fileName;
            Open1Click();
        },
        Qt::QueuedConnection);
}
