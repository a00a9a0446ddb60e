// The main window: creation, activation, closing, and the connections of its commands.
#include "mainwindow/mainwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include "app/aboutbox.h"
#include "documents/documentio.h"
#include "documents/exportdialog.h"
#include "mainwindow/calculatebutton.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/logview.h"
#include "mainwindow/statushelp.h"
#include "mainwindow/timecodeedit.h"
#include "settings/preferences.h"

namespace {

// The stored log fonts name a Windows typeface. Where it is missing, a face of the same build
// (Helvetica-like) keeps the text within the column widths it was made for; the system's own
// fallback is often a much wider face.
void AddFontSubstitutes()
{
    const QString family = QStringLiteral("MS Sans Serif");
    if (!QFont::substitutes(family).isEmpty())
        return;
    QFont::insertSubstitutions(family, {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                        QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                                        QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans"),
                                        QStringLiteral("DejaVu Sans Condensed")});
}

} // namespace

TCalcMainForm::TCalcMainForm(QWidget *parent)
    : QMainWindow(parent)
{
    AddFontSubstitutes();
    setObjectName(QStringLiteral("CalcMainForm"));
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/corvane.svg")));
    setAccessibleName(QStringLiteral("Corvane"));
    // A fixed-size window with a system menu and a minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setContextMenuPolicy(Qt::PreventContextMenu);

    createActions();
    createMenus();
    createToolBars();
    createPanels();
    createStatusBar();
    createStatusHelp();
    connectCommands();

    FormCreate();

    // The preferences come after the window; until the first activation loads the store, the window
    // shows their defaults.
    m_preferences = new TPreferences(this);
    m_preferences->setTarget(this);
    shareDisplayLayout();
    applyPreferences(m_preferences->settings(), m_preferences->layout());

    // The export window borrows the logs and rates each time it needs them; the export settings
    // live with the other settings.
    m_exportForm = new TExportForm([this] { return documentLogs(); }, this);
    m_exportForm->setSettings(settings().exportOptions);
    connect(m_exportForm, &TExportForm::exportCompleted, m_preferences, &TPreferences::storeExport);
    // A file dropped from the desktop opens as a document.
    setAcceptDrops(true);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

TCalcMainForm::~TCalcMainForm() = default;

void TCalcMainForm::connectCommands()
{
    connect(New1, &QAction::triggered, this, &TCalcMainForm::NewBtnClick);
    connect(Open1, &QAction::triggered, this, &TCalcMainForm::Open1Click);
    connect(Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(Export1, &QAction::triggered, this, &TCalcMainForm::Export1Click);
    connect(Clear1, &QAction::triggered, this, &TCalcMainForm::Clear1Click);
    connect(Exit1, &QAction::triggered, this, &TCalcMainForm::Exit1Click);
    connect(About1, &QAction::triggered, this, &TCalcMainForm::About1Click);
    connect(Preferences1, &QAction::triggered, this, &TCalcMainForm::Preferences1Click);
    connect(Descriptions1, &QAction::triggered, this, &TCalcMainForm::Descriptions1Click);
    connect(Percentages1, &QAction::triggered, this, &TCalcMainForm::Percentages1Click);
    connect(Balloon1, &QAction::triggered, this, &TCalcMainForm::Balloon1Click);
    connect(FrameMode1, &QAction::triggered, this, &TCalcMainForm::FrameMode1Click);
    connect(ValidityCheck, &QAction::triggered, this, &TCalcMainForm::ValidityCheckClick);

    connect(EditBtn, &QToolButton::clicked, this, &TCalcMainForm::EditBtnClick);
    connect(CalculateBtn, &CalculateButton::clicked, this, &TCalcMainForm::CalculateBtnClick);
    connect(CalculateBtn, &CalculateButton::hovered, this, &TCalcMainForm::showCalculationCount);

    connect(Panel3, &LogArea::tabChanged, this, &TCalcMainForm::PageControl1Change);
    connect(Panel3, &LogArea::logHovered, this,
            [this] { showStatusText(QStringLiteral("Drag timecode from grid or right click to copy")); });
    connect(Panel3, &LogArea::cellEdited, this, [this] { m_state.WorkChanged = true; });
    for (int mode = 0; mode < kModeCount; ++mode) {
        connect(HeaderControl(mode), &LogHeader::sectionTrack, this, &TCalcMainForm::HeaderControl1SectionTrack);
        connect(HeaderControl(mode), &QHeaderView::sectionClicked, this, [this](int section) {
            // The last, narrow section switches the descriptions; the others sort (armed by Sort).
            if (section == 7)
                Descriptions1->trigger();
        });
    }
    connect(Panel1, &EntryPanel::statusText, this, &TCalcMainForm::showStatusText);
}

void TCalcMainForm::showStatusText(const QString &text)
{
    CalculateBtn->ButtonNormal();
    StatusPanel0->setText(text);
}

QToolButton *TCalcMainForm::toolButton(QAction *action) const
{
    for (QToolBar *bar : {ToolBar1, ToolBar2}) {
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action)))
            return button;
    }
    return nullptr;
}

LogModel *TCalcMainForm::log(int mode) const
{
    return Panel3->logs[static_cast<std::size_t>(mode)];
}

LogView *TCalcMainForm::StringGrid(int mode) const
{
    return Panel3->views[static_cast<std::size_t>(mode)];
}

LogHeader *TCalcMainForm::HeaderControl(int mode) const
{
    return Panel3->headers[static_cast<std::size_t>(mode)];
}

bool TCalcMainForm::hintShown(const QWidget *control) const
{
    return m_hints->shows(control);
}

void TCalcMainForm::setAboutBox(TAboutBox *box)
{
    m_aboutBox = box;
    if (box)
        box->setVersionText(m_versionText);
}

const Settings &TCalcMainForm::settings() const
{
    return m_preferences->settings();
}

int TCalcMainForm::activeTab() const
{
    return Panel3->activeTab();
}

const LogRow *TCalcMainForm::lastRow(int mode) const
{
    if (m_state.CalcCount <= 0 || mode < 0 || mode >= kModeCount)
        return nullptr;
    return log(mode)->lastRow();
}

void TCalcMainForm::setLogs(const std::array<LogRows, kModeCount> &rows)
{
    for (int mode = 0; mode < kModeCount; ++mode) {
        log(mode)->setRows(rows[static_cast<std::size_t>(mode)]);
        Panel3->scrollToEnd(mode);
    }
    m_state.CalcCount = log(0)->count();
}

bool TCalcMainForm::frameMode() const
{
    return FrameMode1->isChecked();
}

void TCalcMainForm::FormCreate()
{
    m_extraEven = 0;
    m_extraOdd = 0;
    m_highDpi = false;
    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (display && display->logicalDotsPerInch() >= 100) {
        m_extraEven = 20;
        m_extraOdd = 6;
        m_highDpi = true;
    }
    shareDisplayLayout();
    m_droppedFile.clear();
    m_state.CalcCount = 0;
    ZeroDisable();
    Panel1->OperandCombo->setCurrentIndex(0);
    m_versionText = QStringLiteral("Version 1.65");
    if (m_aboutBox)
        m_aboutBox->setVersionText(m_versionText);
    fitWindowHeight();
}

void TCalcMainForm::shareDisplayLayout()
{
    if (!m_preferences)
        return;
    LayoutState &layout = m_preferences->layout();
    layout.extraEven = m_extraEven;
    layout.extraOdd = m_extraOdd;
    layout.highDpi = m_highDpi;
}

void TCalcMainForm::FormActivate()
{
    if (m_firstActivationPending) {
        m_preferences->GetRegInfo();
        m_exportForm->setSettings(settings().exportOptions);
        takeRates();
        setTabCaptions();
        const int start = settings().startCombo;
        if (start >= 0 && start < kModeCount) {
            Panel3->selectTabQuietly(start);
            if (start == static_cast<int>(TimecodeMode::DropFrame)) {
                Panel1->setFieldSeparator(';');
                m_state.FieldSeparator = ';';
            }
        }
        setCheckedQuietly(ValidityCheck, settings().validity);
        setCheckedQuietly(Descriptions1, settings().descriptions);
        // The load also ticks "Show Balloon Help", which Apply leaves alone.
        setCheckedQuietly(Balloon1, settings().balloon);
        Panel1->InitLoads();
        if (!m_commandLineDocument.isEmpty()) {
            m_openFromCommandLine = true;
            Open1Click();
            m_openFromCommandLine = false;
        }
    }
    Panel3->finishEditing();
    m_firstActivationPending = false;
    m_hints->setHintsOn(Balloon1->isChecked());
    if (QWidget *pending = m_focusAfterActivation.data()) {
        // A rejected calculation's field keeps the focus its message box gave back.
        m_focusAfterActivation = nullptr;
        pending->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(pending))
            edit->selectAll();
        return;
    }
    Panel1->focusFirst();
    if (FrameMode1->isChecked())
        Panel1->focusFrameIn();
}

bool TCalcMainForm::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TCalcMainForm::closeEvent(QCloseEvent *event)
{
    // Unsaved work is never thrown away: Yes closes the window only when the save happened.
    if (!OfferToSaveWork(this, m_state.CalcCount > 0 && m_state.WorkChanged, [this] { return Save1Click(); })) {
        event->ignore();
        return;
    }
    WritePosGrid();
    event->accept();
}

void TCalcMainForm::WritePosGrid()
{
    const Settings &current = settings();
    m_preferences->storeLayout(pos().x(), pos().y(), Panel3->columnWidths(), current.calcMiniLeft,
                               current.calcMiniTop);
}

void TCalcMainForm::moveWindows(int mainLeft, int mainTop, int, int)
{
    // A position on a display that is no longer there would put the window out of reach.
    const QPoint titleBar(mainLeft + 40, mainTop + 10);
    if (QGuiApplication::screenAt(titleBar))
        move(mainLeft, mainTop);
}

void TCalcMainForm::Exit1Click()
{
    close();
}

void TCalcMainForm::About1Click()
{
    if (m_aboutBox)
        m_aboutBox->exec();
}
