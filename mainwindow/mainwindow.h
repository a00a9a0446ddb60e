// The main window TCalcMainForm: toolbars, mode tabs with their logs, entry row, bottom panel,
// status bar and menus, and the window's own behaviour (calculation, tabs, view options, layout).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "documents/document.h"
#include "engine/calculation.h"
#include "mainwindow/entrypanel.h"
#include "mainwindow/logheader.h"
#include "settings/preferencestarget.h"

class CalculateButton;
class HintSwitch;
class LogArea;
class LogModel;
class LogView;
class QLabel;
class QLineEdit;
class QProgressBar;
class QToolBar;
class QToolButton;
class StatusHelp;
class TAboutBox;
class TExportForm;
class TPreferences;
struct Settings;
struct WindowWidths;

class TCalcMainForm : public QMainWindow, public EntryHost, public PreferencesTarget {
    Q_OBJECT
public:
    explicit TCalcMainForm(QWidget *parent = nullptr);
    ~TCalcMainForm() override;

    // Commands: the menu items and the toolbar buttons that run them share one action.
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *Save1 = nullptr;
    QAction *Export1 = nullptr;
    QAction *Print1 = nullptr;
    QAction *PrintPreview1 = nullptr;
    QAction *PrinterSetup1 = nullptr;
    QAction *Preferences1 = nullptr;
    QAction *MiniCalc1 = nullptr;
    QAction *Exit1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *Clear1 = nullptr;
    QAction *CopyDuration1 = nullptr;
    QAction *Sort1 = nullptr;
    QAction *Find1 = nullptr;
    QAction *ValidityCheck = nullptr;
    QAction *Descriptions1 = nullptr;
    QAction *Percentages1 = nullptr;
    QAction *FrameMode1 = nullptr;
    QAction *Contents1 = nullptr;
    QAction *Index1 = nullptr;
    QAction *Balloon1 = nullptr;
    QAction *About1 = nullptr;
    // The function-key bar: "Program Function Key" and the twelve memories.
    QAction *ProgF = nullptr;
    std::array<QAction *, 12> FKeys{};

    QToolBar *ToolBar1 = nullptr;
    QToolBar *ToolBar2 = nullptr;
    LogArea *Panel3 = nullptr;
    EntryPanel *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QToolButton *EditBtn = nullptr;
    CalculateButton *CalculateBtn = nullptr;
    QLabel *TrashOpen = nullptr;
    QLabel *TrashClose = nullptr;
    QLineEdit *ClipStore = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    // The toolbar button of a command.
    QToolButton *toolButton(QAction *action) const;
    LogModel *log(int mode) const;
    LogView *StringGrid(int mode) const;
    LogHeader *HeaderControl(int mode) const;

    const CalcState &calcState() const { return m_state; }
    // Replaces the rows of all six logs at once (an opened document): CalcCount becomes their
    // count and each log shows its last rows. Command states and WorkChanged are the caller's.
    void setLogs(const std::array<LogRows, kModeCount> &rows);
    bool workChanged() const { return m_state.WorkChanged; }
    // What a save or an export is made from: the six logs as they stand and the rates in force.
    DocumentLogs documentLogs() const;
    TPreferences &preferences() const { return *m_preferences; }
    TExportForm &exportForm() const { return *m_exportForm; }
    const std::array<QString, 3> &FieldCaptions() const { return m_fieldCaptions; }
    QString versionText() const { return m_versionText; }
    bool firstActivationPending() const { return m_firstActivationPending; }
    // Pop-up hints of a control are shown ("Show Balloon Help", or a control that always shows them).
    bool hintShown(const QWidget *control) const;

    // All command-line arguments joined by spaces: a document to open at the first activation.
    void setCommandLineDocument(const QString &path) { m_commandLineDocument = path; }
    QString commandLineDocument() const { return m_commandLineDocument; }
    bool openFromCommandLine() const { return m_openFromCommandLine; }
    void setAboutBox(TAboutBox *box);

    // EntryHost
    void CalculateBtnClick() override;
    int activeTab() const override;
    std::int64_t calcCount() const override { return m_state.CalcCount; }
    const LogRow *lastRow(int mode) const override;
    int labelSet() const override { return m_labelSet; }
    bool frameMode() const override;

    // PreferencesTarget
    void applyPreferences(const Settings &settings, LayoutState &layout) override;
    void setViewTicks(bool descriptions, bool percentages, bool frameMode) override;
    void moveWindows(int mainLeft, int mainTop, int miniLeft, int miniTop) override;

    // Life of the window.
    void FormCreate();
    void FormActivate();
    void WritePosGrid();

    // Tabs and the entry fields.
    void PageControl1Change();
    void ActiveTab(int mode);
    void SetMaskColor();
    void ZeroDisable();

    // Commands.
    void NewBtnClick();
    void Clear1Click();
    // The document save: asks for a file name and writes the six logs; true only when the file was
    // written (a cancelled dialog or a failed write keeps WorkChanged).
    bool Save1Click();
    // Offers to save unsaved work, then opens the dropped file, the command line's document or the
    // file chosen in the open dialog.
    void Open1Click();
    void Export1Click();
    void Exit1Click();
    void About1Click();
    void Preferences1Click();
    void Descriptions1Click();
    void Percentages1Click();
    void Balloon1Click();
    void FrameMode1Click();
    void ValidityCheckClick();

    // Column layout and description editing.
    void SetGrid(LayoutState &layout);
    void GridSize(int index, int width);
    void SetLabels(int labelSet);
    void HeaderControl1SectionTrack(int section, int width, LogHeader::TrackState state);
    void AdjustColums(int index, int width, int allowance);
    void EditBtnClick();
    void ActivateEditMode();
    void ActivateDragMode();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Files dropped from the desktop: the first one opens as a document.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createPanels();
    void createStatusBar();
    void createStatusHelp();
    void connectCommands();

    const Settings &settings() const;
    void enableDocumentCommands();
    // Status panel 0: "Total Calculations: " and the count.
    void showCalculationCount();
    void setTabCaptions();
    void takeRates();
    void showStatusFigures();
    void focusAfterCalculation();
    void focusRejectedField(CalcField field);
    void applyColumnLayout(const std::array<int, 7> &columns);
    void fitWindowHeight();
    // The log area, the bottom panel and the window take the widths of a column layout.
    void applyWindowWidths(const WindowWidths &widths);
    // The display's column allowances go to the preferences' layout (once they exist).
    void shareDisplayLayout();
    // Status panel 0 shows a help text, the Calculate button its normal image.
    void showStatusText(const QString &text);
    void setCheckedQuietly(QAction *action, bool checked);

    CalcState m_state;
    TPreferences *m_preferences = nullptr;
    QPointer<TAboutBox> m_aboutBox;
    TExportForm *m_exportForm = nullptr;
    StatusHelp *m_statusHelp = nullptr;
    HintSwitch *m_hints = nullptr;
    std::array<QString, 3> m_fieldCaptions{QStringLiteral("Out"), QStringLiteral("In"), QStringLiteral("Dur")};
    QString m_versionText;
    QString m_commandLineDocument;
    QString m_droppedFile;
    QPointer<QWidget> m_focusAfterActivation;
    int m_labelSet = 1;
    int m_extraEven = 0;
    int m_extraOdd = 0;
    bool m_highDpi = false;
    bool m_firstActivationPending = true;
    bool m_openFromCommandLine = false;
    // The drag-and-drop row: past the last row after a calculation, so the trash deletes nothing.
    std::int64_t m_dragRow = 0;
};
