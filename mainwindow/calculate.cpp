// The calculation as the window runs it: the engine's outcome written into the logs, the entry
// fields and the status bar; the tab change that reloads the fields; the commands a calculation
// makes available.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "app/dialogseam.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/timecodeedit.h"
#include "settings/preferences.h"

namespace {

std::string fieldText(const QLineEdit *field)
{
    return field->text().toStdString();
}

} // namespace

void TCalcMainForm::CalculateBtnClick()
{
    for (QLineEdit *frames : {Panel1->FrameIn, Panel1->FrameOut}) {
        if (frames->text().isEmpty())
            frames->setText(QStringLiteral("0"));
    }
    const int operatorIndex = Panel1->OperandCombo->currentIndex();
    CalcRequest request;
    request.first = fieldText(Panel1->MaskEdit1);
    request.second = fieldText(Panel1->MaskEdit2);
    request.percent = fieldText(Panel1->MaskEdit4);
    request.frameIn = fieldText(Panel1->FrameIn);
    request.frameOut = fieldText(Panel1->FrameOut);
    request.op = static_cast<Operator>(operatorIndex >= 0 && operatorIndex < kOperatorCount ? operatorIndex : 0);
    request.activeTab = activeTab();
    request.rangeCheck = ValidityCheck->isChecked();
    request.frameMode = FrameMode1->isChecked();
    request.firstCaption = Panel1->Label1->text().toStdString();
    request.secondCaption = Panel1->Label2->text().toStdString();

    const CalcOutcome outcome = ComputeCalculations(m_state, request);
    if (outcome.status != CalcStatus::Accepted) {
        Dialogs::current().error(this, QString::fromStdString(outcome.message));
        focusRejectedField(outcome.field);
        // A range failure restates the figures of the last row; a text that does not convert stops here.
        if (outcome.status == CalcStatus::OutOfRange)
            showStatusFigures();
        return;
    }

    if (m_state.CalcCount == 1)
        enableDocumentCommands();
    m_dragRow = m_state.CalcCount + 1;
    if (request.frameMode) {
        Panel1->MaskEdit1->setText(QString::fromStdString(outcome.first));
        Panel1->MaskEdit2->setText(QString::fromStdString(outcome.second));
        Panel1->FrameDur->setText(QString::fromStdString(outcome.frameDur));
    }
    Panel3->appendRows(outcome.rows);
    PageControl1Change();
    focusAfterCalculation();
    showStatusFigures();
}

void TCalcMainForm::focusRejectedField(CalcField field)
{
    QLineEdit *target = nullptr;
    switch (field) {
    case CalcField::First:
        target = Panel1->MaskEdit1;
        break;
    case CalcField::Second:
        target = Panel1->MaskEdit2;
        break;
    case CalcField::Percent:
        target = Panel1->MaskEdit4;
        break;
    case CalcField::FrameIn:
        target = Panel1->FrameIn;
        break;
    case CalcField::FrameOut:
        target = Panel1->FrameOut;
        break;
    case CalcField::None:
        return;
    }
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
    // A message box hands the activation back after it has closed; the field keeps the focus then too.
    if (!isActiveWindow())
        m_focusAfterActivation = target;
}

void TCalcMainForm::focusAfterCalculation()
{
    const bool percent = Panel1->OperandCombo->currentIndex() == static_cast<int>(Operator::Percent);
    if (percent) {
        Panel1->MaskEdit4->show();
        Panel1->FrameIn->hide();
        Panel1->MaskEdit4->setFocus(Qt::OtherFocusReason);
        Panel1->MaskEdit4->selectAll();
    } else if (FrameMode1->isChecked()) {
        Panel1->focusFrameIn();
    } else {
        Panel1->focusFirst();
    }
}

void TCalcMainForm::showStatusFigures()
{
    const bool percent = Panel1->OperandCombo->currentIndex() == static_cast<int>(Operator::Percent);
    if (m_state.CalcCount > 0 && !percent && Percentages1->isChecked()) {
        const LogRow *frames = log(static_cast<int>(TimecodeMode::Frames))->lastRow();
        const std::string cell2 = frames ? (*frames)[2] : std::string();
        const std::string cell0 = frames ? (*frames)[0] : std::string();
        const auto value =
            StatusPercentage(cell2, cell0, activeTab() == static_cast<int>(TimecodeMode::DropFrame));
        if (!value) {
            const std::string &bad = StatusPercentage(cell2, "1", false) ? cell0 : cell2;
            Dialogs::current().error(this, QStringLiteral("'%1' is not a valid number.").arg(QString::fromStdString(bad)));
            return;
        }
        StatusPanel1->setText(QString::fromStdString(FormatPercentage(*value)));
    } else {
        StatusPanel1->clear();
    }
    showCalculationCount();
}

void TCalcMainForm::showCalculationCount()
{
    StatusPanel0->setText(QStringLiteral("Total Calculations: ") + QString::number(m_state.CalcCount));
}

void TCalcMainForm::enableDocumentCommands()
{
    if (!Save1->isEnabled()) {
        Save1->setEnabled(true);
        Export1->setEnabled(true);
        PrintPreview1->setEnabled(true);
    }
    for (QAction *action : {Print1, New1, Sort1, Find1})
        action->setEnabled(true);
    EditBtn->setEnabled(true);
}

void TCalcMainForm::ZeroDisable()
{
    for (QAction *action : {Save1, Export1, New1, Sort1, Find1, Print1, PrintPreview1})
        action->setEnabled(false);
    EditBtn->setEnabled(false);
    m_state.WorkChanged = false;
    Panel3->clearSelections();
}

void TCalcMainForm::PageControl1Change()
{
    const int tab = activeTab();
    const char separator = tab == static_cast<int>(TimecodeMode::DropFrame) ? ';' : ':';
    Panel1->setFieldSeparator(separator);
    m_state.FieldSeparator = separator;
    if (m_state.CalcCount > 0) {
        ActiveTab(tab);
        if (tab == static_cast<int>(TimecodeMode::Frames))
            Panel1->InitLoads();
        // Every log holds the same operator; an operator cell edited into something else leaves the
        // operator as it is.
        const int index = Panel1->OperandCombo->findText(log(0)->cell(m_state.CalcCount - 1, 1));
        if (index >= 0)
            Panel1->OperandCombo->setCurrentIndex(index);
    }
    SetMaskColor();
    Panel1->focusFirst();
}

void TCalcMainForm::ActiveTab(int mode)
{
    const LogModel *grid = log(mode);
    const std::int64_t r = m_state.CalcCount - 1;
    Panel1->MaskEdit2->setText(grid->cell(r, 2));
    Panel1->MaskEdit3->setText(grid->cell(r, 4));
    if (grid->cell(r, 1) == QLatin1String("%")) {
        Panel1->MaskEdit4->show();
        Panel1->MaskEdit4->setText(grid->cell(r, 0));
    } else {
        Panel1->MaskEdit4->hide();
        Panel1->MaskEdit1->setText(grid->cell(r, 0));
    }
}

void TCalcMainForm::SetMaskColor()
{
    const QString &name = settings().gridColors[static_cast<std::size_t>(activeTab())];
    const QColor colour = GridColour(name);
    Panel1->setFieldColour(colour.isValid() ? colour : palette().color(QPalette::Base));
}
