// The view options and commands of the window: the menu toggles, the preferences command and what
// the preferences apply, the label sets, New and Clear.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include "app/dialogseam.h"
#include "documents/exportdialog.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logheader.h"
#include "mainwindow/logview.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/statushelp.h"
#include "mainwindow/timecodeedit.h"
#include "settings/preferences.h"

namespace {

struct LabelSet {
    const char *first;
    const char *second;
    const char *result;
    const char *resultShort;
    // Left edges of Label1, Label2, Label4 below 100 dpi, then at 100 dpi or more.
    std::array<int, 3> positions;
    std::array<int, 3> positionsHighDpi;
};

constexpr std::array<LabelSet, 3> kLabelSets{{
    {"In", "Out", "Duration", "Dur", {47, 169, 252}, {57, 209, 312}},
    {"Out", "In", "Duration", "Dur", {42, 175, 252}, {52, 215, 312}},
    {"TC1", "TC2", "Total", "Tot", {38, 167, 262}, {48, 207, 322}},
}};

} // namespace

void TCalcMainForm::setCheckedQuietly(QAction *action, bool checked)
{
    // setChecked does not run the command; only a person's click (triggered) does.
    action->setChecked(checked);
}

void TCalcMainForm::applyPreferences(const Settings &current, LayoutState &layout)
{
    SetMaskColor();
    for (int mode = 0; mode < kModeCount; ++mode) {
        const FontSetting &font = current.modeFonts[static_cast<std::size_t>(mode)];
        Panel3->setLogFont(mode, FontFromSetting(font), ColourFromValue(font.color));
    }
    // The column layout reads the descriptions tick, which the check box has already set.
    setCheckedQuietly(Descriptions1, current.descriptions);
    SetGrid(layout);
    Panel3->PageControl1->setTabPosition(current.tabCombo == 0 ? QTabWidget::North : QTabWidget::South);
    setTabCaptions();
    setCheckedQuietly(ValidityCheck, current.validity);
    setCheckedQuietly(Percentages1, current.percentages);
    SetLabels(current.labelCombo);
    setCheckedQuietly(FrameMode1, current.frameMode);
    Panel1->setFrameFieldsVisible(current.frameMode);
    for (int mode = 0; mode < kModeCount; ++mode) {
        const QColor colour = GridColour(current.gridColors[static_cast<std::size_t>(mode)]);
        if (colour.isValid())
            Panel3->setLogBackground(mode, colour);
    }
    fitWindowHeight();
}

void TCalcMainForm::setViewTicks(bool descriptions, bool percentages, bool frameMode)
{
    setCheckedQuietly(Descriptions1, descriptions);
    setCheckedQuietly(Percentages1, percentages);
    setCheckedQuietly(FrameMode1, frameMode);
}

void TCalcMainForm::setTabCaptions()
{
    const Settings &current = settings();
    Panel3->setTabCaption(static_cast<int>(TimecodeMode::User), QStringLiteral("User-") + current.userFrames);
    Panel3->setTabCaption(static_cast<int>(TimecodeMode::Frames),
                          (current.frames.size() <= 2 ? QStringLiteral("Frames-") : QStringLiteral("Frm-")) +
                              current.frames);
}

void TCalcMainForm::takeRates()
{
    m_state.UserFps = m_preferences->userFps();
    // A Frames rate that is not a number keeps the rate in force rather than stopping the start-up.
    if (const auto frames = m_preferences->framesFps())
        m_state.FramesFps = *frames;
}

void TCalcMainForm::SetLabels(int labelSet)
{
    if (labelSet < 0 || labelSet >= static_cast<int>(kLabelSets.size()))
        return;
    const LabelSet &set = kLabelSets[static_cast<std::size_t>(labelSet)];
    const QString first = QLatin1String(set.first);
    const QString second = QLatin1String(set.second);
    const QString result = QLatin1String(set.result);
    Panel1->setCaptions(first, second, result);
    LogHeader *model = HeaderControl(0);
    model->setSectionText(0, first);
    model->setSectionText(2, second);
    model->setSectionText(4, result);
    for (int mode = 1; mode < kModeCount; ++mode)
        HeaderControl(mode)->copySectionsFrom(*model);
    m_fieldCaptions = {first, second, QLatin1String(set.resultShort)};
    const std::array<int, 3> &left = m_highDpi ? set.positionsHighDpi : set.positions;
    Panel1->setCaptionPositions(left[0], left[1], left[2]);
    m_labelSet = labelSet;
}

void TCalcMainForm::Descriptions1Click()
{
    const bool on = Descriptions1->isChecked();
    m_preferences->storeDescriptions(on);
    m_preferences->ApplyBtnClick();
    if (!on) {
        ActivateDragMode();
        EditBtn->setChecked(false);
    }
}

void TCalcMainForm::Percentages1Click()
{
    const bool on = Percentages1->isChecked();
    if (on)
        StatusPanel1->setText(QStringLiteral("0.0%"));
    else
        StatusPanel1->clear();
    m_preferences->storePercentages(on);
}

void TCalcMainForm::Balloon1Click()
{
    const bool on = Balloon1->isChecked();
    m_preferences->storeBalloon(on);
    m_hints->setHintsOn(on);
}

void TCalcMainForm::FrameMode1Click()
{
    const bool on = FrameMode1->isChecked();
    Panel1->setFrameFieldsVisible(on);
    if (on)
        Panel1->focusFrameIn();
    else
        Panel1->focusFirst();
    m_preferences->storeFrameMode(on);
}

void TCalcMainForm::ValidityCheckClick()
{
    m_preferences->storeValidity(ValidityCheck->isChecked());
}

void TCalcMainForm::Preferences1Click()
{
    WritePosGrid();
    m_preferences->setMode0Font(StringGrid(0)->font());
    m_preferences->exec();
    // Showing the dialog loaded the store again (and Cancel reloads it): the export window follows.
    m_exportForm->setSettings(settings().exportOptions);
    takeRates();
    setTabCaptions();
}

void TCalcMainForm::NewBtnClick()
{
    if (Dialogs::current().question(this, QStringLiteral("Clear all calculations?"), Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::Yes) {
        Panel3->eraseAll();
        m_state.CalcCount = 0;
        FormCreate();
        m_state.WorkChanged = false;
    }
    Clear1Click();
    ActivateDragMode();
    // The button shows the mode: with editing left, it comes up too.
    EditBtn->setChecked(false);
}

void TCalcMainForm::Clear1Click()
{
    Panel1->InitLoads();
    Panel1->MaskEdit4->setText(QStringLiteral("0"));
    if (Panel1->OperandCombo->currentIndex() != static_cast<int>(Operator::Percent))
        Panel1->OperandCombo->setCurrentIndex(0);
    Panel1->focusFirst();
    if (FrameMode1->isChecked())
        Panel1->focusFrameIn();
    for (QLineEdit *frames : {Panel1->FrameIn, Panel1->FrameOut, Panel1->FrameDur})
        frames->setText(QStringLiteral("0"));
}
