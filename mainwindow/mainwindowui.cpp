// Building the main window: commands, menus, toolbars, panels, status bar and the status-bar help.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwindow/calculatebutton.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logheader.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/statushelp.h"

namespace {

QIcon artwork(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

// One command: menu text, icon, shortcut, and the hint of its toolbar button.
QAction *command(QObject *parent, const char *objectName, const QString &text, const char *icon,
                 const QKeySequence &shortcut = {}, const QString &hint = {})
{
    auto *action = new QAction(text, parent);
    action->setObjectName(QLatin1String(objectName));
    if (icon)
        action->setIcon(artwork(icon));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    action->setToolTip(hint.isEmpty() ? QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("...")) : hint);
    // The status bar shows its own help texts; Qt's status tips would overwrite its panels.
    action->setStatusTip(QString());
    return action;
}

QAction *toggle(QObject *parent, const char *objectName, const QString &text, const QKeySequence &shortcut = {})
{
    QAction *action = command(parent, objectName, text, nullptr, shortcut);
    action->setCheckable(true);
    action->setChecked(true);
    return action;
}

} // namespace

void TCalcMainForm::createActions()
{
    New1 = command(this, "New1", QStringLiteral("&New"), "new", QKeySequence(QStringLiteral("Ctrl+N")),
                   QStringLiteral("New"));
    Open1 = command(this, "Open1", QStringLiteral("&Open..."), "open", QKeySequence(QStringLiteral("Ctrl+O")),
                    QStringLiteral("Open"));
    Save1 = command(this, "Save1", QStringLiteral("&Save.."), "save", QKeySequence(QStringLiteral("Ctrl+S")),
                    QStringLiteral("Save"));
    Export1 = command(this, "Export1", QStringLiteral("&Export..."), "export", QKeySequence(QStringLiteral("Ctrl+E")),
                      QStringLiteral("Export"));
    Print1 = command(this, "Print1", QStringLiteral("&Print..."), "print", QKeySequence(QStringLiteral("Ctrl+P")),
                     QStringLiteral("Print"));
    PrintPreview1 = command(this, "PrintPreview1", QStringLiteral("Print Pre&view"), "preview");
    PrinterSetup1 = command(this, "PrinterSetup1", QStringLiteral("P&rinter Setup..."), "printer-setup");
    Preferences1 = command(this, "Preferences1", QStringLiteral("Pre&ferences..."), "preferences");
    MiniCalc1 = command(this, "MiniCalc1", QStringLiteral("&Mini Calc"), "mini", QKeySequence(QStringLiteral("Ctrl+M")),
                        QStringLiteral("Mini Calculator"));
    MiniCalc1->setCheckable(true);
    Exit1 = command(this, "Exit1", QStringLiteral("E&xit"), "exit", QKeySequence(QStringLiteral("Ctrl+Q")),
                    QStringLiteral("Exit"));

    Copy1 = command(this, "Copy1", QStringLiteral("&Copy"), "copy", QKeySequence(QStringLiteral("Ctrl+C")),
                    QStringLiteral("Copy"));
    Paste1 = command(this, "Paste1", QStringLiteral("&Paste"), "paste", QKeySequence(QStringLiteral("Ctrl+V")),
                     QStringLiteral("Paste"));
    Clear1 = command(this, "Clear1", QStringLiteral("C&lear"), "clear", QKeySequence(QStringLiteral("Ctrl+X")),
                     QStringLiteral("Clear"));
    CopyDuration1 = command(this, "CopyDuration1", QStringLiteral("Copy &Duration"), "copy",
                            QKeySequence(QStringLiteral("Ctrl+B")));
    Sort1 = command(this, "Sort1", QStringLiteral("Sor&t..."), "sort", QKeySequence(QStringLiteral("Ctrl+T")),
                    QStringLiteral("Sort"));
    Find1 = command(this, "Find1", QStringLiteral("&Find..."), "find", QKeySequence(QStringLiteral("Ctrl+F")),
                    QStringLiteral("Find"));
    ValidityCheck = toggle(this, "ValidityCheck", QStringLiteral("&Range Checking"), QKeySequence(QStringLiteral("Ctrl+R")));

    Descriptions1 = toggle(this, "Descriptions1", QStringLiteral("&Descriptions"), QKeySequence(QStringLiteral("Ctrl+D")));
    Percentages1 = toggle(this, "Percentages1", QStringLiteral("&Percentages"));
    FrameMode1 = toggle(this, "FrameMode1", QStringLiteral("Fr&ame Mode"), QKeySequence(QStringLiteral("Ctrl+Z")));

    Contents1 = command(this, "Contents1", QStringLiteral("&Contents"), "help");
    Index1 = command(this, "Index1", QStringLiteral("&Index"), nullptr);
    Balloon1 = toggle(this, "Balloon1", QStringLiteral("Show Balloon Help"));
    About1 = command(this, "About1", QStringLiteral("&About..."), "about");

    ProgF = command(this, "ProgF", QStringLiteral("Program Function Key"), "progf", {},
                    QStringLiteral("Program Function Key"));
    ProgF->setCheckable(true);
    for (int n = 1; n <= 12; ++n) {
        const QByteArray name = "F" + QByteArray::number(n) + "Btn";
        const QByteArray icon = "f" + QByteArray::number(n);
        QAction *key = command(this, name.constData(), QStringLiteral("F%1").arg(n), icon.constData(), {},
                               QStringLiteral("00:00:00:00"));
        FKeys[static_cast<std::size_t>(n - 1)] = key;
    }
}

void TCalcMainForm::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addActions({New1, Open1, Save1, Export1});
    file->addSeparator();
    file->addActions({Print1, PrintPreview1, PrinterSetup1});
    file->addSeparator();
    file->addActions({Preferences1, MiniCalc1});
    file->addSeparator();
    file->addAction(Exit1);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addActions({Copy1, Paste1, Clear1, CopyDuration1});
    edit->addSeparator();
    edit->addActions({Sort1, Find1});
    edit->addSeparator();
    edit->addAction(ValidityCheck);

    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addActions({Descriptions1, Percentages1});
    view->addSeparator();
    view->addAction(FrameMode1);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addActions({Contents1, Index1});
    help->addSeparator();
    help->addAction(Balloon1);
    help->addSeparator();
    help->addAction(About1);

    for (QMenu *menu : {file, edit, view, help})
        menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
}

void TCalcMainForm::createToolBars()
{
    ToolBar1 = new QToolBar(QStringLiteral("Commands"), this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->addActions({New1, Open1, Save1, Export1, Print1});
    ToolBar1->addSeparator();
    ToolBar1->addActions({Clear1, Copy1, Paste1, Find1, Sort1});
    ToolBar1->addSeparator();
    ToolBar1->addActions({MiniCalc1, Exit1});

    ToolBar2 = new QToolBar(QStringLiteral("Function keys"), this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->addAction(ProgF);
    ToolBar2->addSeparator();
    for (QAction *key : FKeys)
        ToolBar2->addAction(key);

    for (QToolBar *bar : {ToolBar1, ToolBar2}) {
        bar->setAccessibleName(bar->windowTitle());
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->toggleViewAction()->setVisible(false);
        for (QAction *action : bar->actions()) {
            if (QWidget *button = bar->widgetForAction(action); button && !action->isSeparator()) {
                button->setObjectName(action->objectName() == QLatin1String("MiniCalc1")
                                          ? QStringLiteral("MiniBtn")
                                          : QString(action->objectName()).replace(QLatin1String("1"), QLatin1String("Btn")));
                button->setAccessibleName(action->toolTip());
            }
        }
    }
    ProgF->setObjectName(QStringLiteral("ProgF"));
    toolButton(ProgF)->setObjectName(QStringLiteral("ProgF"));
    for (std::size_t n = 0; n < FKeys.size(); ++n) {
        QToolButton *button = toolButton(FKeys[n]);
        button->setObjectName(FKeys[n]->objectName());
        button->setAccessibleName(QStringLiteral("F%1 memory").arg(n + 1));
    }
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, ToolBar2);
}

void TCalcMainForm::createPanels()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("CalcMainClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel3 = new LogArea(central);
    Panel3->setAccessibleName(QStringLiteral("Logs"));
    layout->addWidget(Panel3, 0, Qt::AlignHCenter);

    Panel1 = new EntryPanel(*this, central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Entry"));
    layout->addWidget(Panel1);

    Panel2 = new QWidget(central);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAccessibleName(QStringLiteral("Commands below the entry"));
    auto *bottom = new QHBoxLayout(Panel2);
    bottom->setContentsMargins(6, 3, 6, 3);

    EditBtn = new QToolButton(Panel2);
    EditBtn->setObjectName(QStringLiteral("EditBtn"));
    EditBtn->setText(QStringLiteral("Edit Descriptions"));
    EditBtn->setIcon(artwork("edit-descriptions"));
    EditBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    EditBtn->setCheckable(true);
    EditBtn->setToolTip(QStringLiteral("Edit Descriptions"));
    EditBtn->setAccessibleName(QStringLiteral("Edit Descriptions"));
    bottom->addWidget(EditBtn, 0, Qt::AlignVCenter);
    bottom->addStretch(1);

    CalculateBtn = new CalculateButton(Panel2);
    CalculateBtn->setObjectName(QStringLiteral("CalculateBtn"));
    bottom->addWidget(CalculateBtn, 0, Qt::AlignVCenter);
    bottom->addStretch(1);

    const QString trashHint = QStringLiteral("Drag items to delete row");
    TrashClose = new QLabel(Panel2);
    TrashClose->setObjectName(QStringLiteral("TrashClose"));
    TrashClose->setPixmap(artwork("trash-closed").pixmap(QSize(32, 32), devicePixelRatio()));
    TrashOpen = new QLabel(Panel2);
    TrashOpen->setObjectName(QStringLiteral("TrashOpen"));
    TrashOpen->setPixmap(artwork("trash-open").pixmap(QSize(32, 32), devicePixelRatio()));
    TrashOpen->hide();
    for (QLabel *trash : {TrashClose, TrashOpen}) {
        trash->setFixedSize(32, 32);
        trash->setToolTip(trashHint);
        trash->setAccessibleName(QStringLiteral("Trash"));
        trash->setAccessibleDescription(trashHint);
        bottom->addWidget(trash, 0, Qt::AlignVCenter);
    }

    ClipStore = new QLineEdit(Panel2);
    ClipStore->setObjectName(QStringLiteral("ClipStore"));
    ClipStore->setMaxLength(11);
    ClipStore->setAccessibleName(QStringLiteral("Clipboard holding field"));
    ClipStore->hide();

    layout->addWidget(Panel2, 0, Qt::AlignHCenter);
    setCentralWidget(central);
}

void TCalcMainForm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(bar);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    // At least the widths the panels were made for, wider where the system's type needs it.
    StatusPanel0->setMinimumWidth(225);
    StatusPanel0->setAccessibleName(QStringLiteral("Status"));
    StatusPanel1 = new QLabel(bar);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFixedWidth(std::max(50, StatusPanel1->fontMetrics().horizontalAdvance(QStringLiteral("100.00%")) + 8));
    StatusPanel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StatusPanel1->setAccessibleName(QStringLiteral("Percentage"));
    ProgressBar1 = new QProgressBar(bar);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setAccessibleName(QStringLiteral("Progress"));
    ProgressBar1->hide();
    for (QLabel *panel : {StatusPanel0, StatusPanel1}) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
    }
    bar->addWidget(StatusPanel0, 1);
    bar->addWidget(ProgressBar1, 1);
    bar->addPermanentWidget(StatusPanel1);
}

void TCalcMainForm::createStatusHelp()
{
    m_statusHelp = new StatusHelp(StatusPanel0, CalculateBtn, this);
    const std::pair<QAction *, const char *> buttonTexts[] = {
        {New1, "Erase all timecode values from grids"},
        {Open1, "Open Corvane file"},
        {Save1, "Save Corvane file"},
        {Export1, "Export individual formats"},
        {Print1, "Print timecode"},
        {Find1, "Find timecode or description"},
        {Clear1, "Clear edit boxes"},
        {Copy1, "Copy selection to clipboard"},
        {Paste1, "Paste from clipboard"},
        {Sort1, "Toggle to sort entries, then click header"},
        {MiniCalc1, "Activate mini calculator"},
        {Exit1, "Exit"},
    };
    for (const auto &[action, text] : buttonTexts)
        m_statusHelp->add(toolButton(action), QLatin1String(text));
    m_statusHelp->add(EditBtn, QStringLiteral("Toggle to edit descriptions"));
    m_statusHelp->add(TrashClose, QStringLiteral("Drag item from grid to delete item's row"));
    for (int mode = 0; mode < kModeCount; ++mode)
        m_statusHelp->add(HeaderControl(mode), QStringLiteral("Slide bars to resize columns"));
    // These only bring the Calculate button back to its normal image.
    m_statusHelp->add(centralWidget());
    m_statusHelp->add(Panel2);
    m_statusHelp->add(TrashOpen);
    m_statusHelp->add(Panel1->FrameDur);

    m_hints = new HintSwitch(this);
    m_hints->alwaysShow(toolButton(ProgF));
    for (QAction *key : FKeys)
        m_hints->alwaysShow(toolButton(key));
    m_hints->alwaysShow(TrashClose);
    m_hints->alwaysShow(TrashOpen);
}
