// The preferences dialog: loading, applying, storing and resetting the settings its controls hold.
#include "settings/preferences.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTabWidget>

#include "app/dialogseam.h"
#include "settings/colourcombo.h"
#include "settings/preferencestarget.h"
#include "settings/preferencesui.h"

struct TPreferences::Private {
    TPreferences *q = nullptr;
    PreferencesControls c;
    Settings settings;
    LayoutState layout;
    PreferencesTarget *target = nullptr;
    bool closedByButton = false;     // ClosedByButton: OK or Cancel is closing the dialog
    bool preferencesChanged = false; // PreferencesChanged: a control changed since the dialog was shown
    bool okClosing = false;          // the close under way is OK's

    void connectControls();
    void takeControls();
    void load(const Settings &shown);
    void showMode(std::size_t mode);
    void viewTicks();
    void chooseFont(std::size_t mode);
    bool ok();
    void storeBox(QCheckBox *box, const QString &name, bool on);
};

// The values the controls hold go into the settings the main window reads.
void TPreferences::Private::takeControls()
{
    settings.startCombo = c.StartCombo->currentIndex();
    settings.tabCombo = c.TabCombo->currentIndex();
    settings.labelCombo = c.LabelCombo->currentIndex();
    settings.userFrames = c.UserFramesMask->text();
    settings.frames = c.FramesMask->text();
    settings.validity = c.ValidityCheckBox->isChecked();
    settings.descriptions = c.DescriptionsCheckBox->isChecked();
    settings.percentages = c.PercentagesCheckBox->isChecked();
    settings.frameMode = c.FrameModeCheckBox->isChecked();
    for (std::size_t mode = 0; mode < c.modes.size(); ++mode)
        settings.gridColors[mode] = c.modes[mode].gridColour->currentName();
}

// Shows a whole set of settings in the controls. A grid colour name that is not in the list leaves
// that mode's colour choice as it was.
void TPreferences::Private::load(const Settings &shown)
{
    settings = shown;
    c.StartCombo->setCurrentIndex(shown.startCombo);
    c.TabCombo->setCurrentIndex(shown.tabCombo);
    c.LabelCombo->setCurrentIndex(shown.labelCombo);
    c.UserFramesMask->setText(shown.userFrames);
    c.FramesMask->setText(shown.frames);
    c.ValidityCheckBox->setChecked(shown.validity);
    c.DescriptionsCheckBox->setChecked(shown.descriptions);
    c.PercentagesCheckBox->setChecked(shown.percentages);
    c.FrameModeCheckBox->setChecked(shown.frameMode);
    for (std::size_t mode = 0; mode < c.modes.size(); ++mode)
        c.modes[mode].gridColour->selectName(shown.gridColors[mode]);
    takeControls();
    for (std::size_t mode = 0; mode < c.modes.size(); ++mode)
        showMode(mode);
}

void TPreferences::Private::showMode(std::size_t mode)
{
    const FontSetting &font = settings.modeFonts[mode];
    const ModeControls &controls = c.modes[mode];
    controls.textColour->showValue(font.color);
    ShowModeLook(controls, FontFromSetting(font), ColourFromValue(font.color), GridColour(settings.gridColors[mode]));
}

void TPreferences::Private::viewTicks()
{
    if (target)
        target->setViewTicks(c.DescriptionsCheckBox->isChecked(), c.PercentagesCheckBox->isChecked(),
                             c.FrameModeCheckBox->isChecked());
}

void TPreferences::Private::chooseFont(std::size_t mode)
{
    const FontSetting current = settings.modeFonts[mode];
    if (const std::optional<QFont> chosen = Dialogs::current().font(q, FontFromSetting(current))) {
        settings.modeFonts[mode] = SettingFromFont(*chosen, current.color);
        showMode(mode);
    }
    preferencesChanged = true;
}

void TPreferences::Private::connectControls()
{
    // Choosing an item is a change; the load selecting one is not.
    for (QComboBox *combo : {c.StartCombo, c.TabCombo, c.LabelCombo}) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, q, [this] { takeControls(); });
        QObject::connect(combo, &QComboBox::activated, q, [this] { preferencesChanged = true; });
    }
    QObject::connect(c.ValidityCheckBox, &QCheckBox::toggled, q, [this] {
        takeControls();
        preferencesChanged = true;
    });
    for (QCheckBox *box : {c.DescriptionsCheckBox, c.PercentagesCheckBox, c.FrameModeCheckBox}) {
        QObject::connect(box, &QCheckBox::toggled, q, [this] {
            takeControls();
            viewTicks();
            preferencesChanged = true;
        });
    }
    for (QLineEdit *field : {c.UserFramesMask, c.FramesMask}) {
        QObject::connect(field, &QLineEdit::textChanged, q, [this] {
            takeControls();
            preferencesChanged = true;
        });
    }
    for (std::size_t mode = 0; mode < c.modes.size(); ++mode) {
        const ModeControls &controls = c.modes[mode];
        QObject::connect(controls.fontButton, &QPushButton::clicked, q, [this, mode] { chooseFont(mode); });
        QObject::connect(controls.gridColour, &QComboBox::currentIndexChanged, q, [this, mode] {
            takeControls();
            showMode(mode);
        });
        QObject::connect(controls.gridColour, &QComboBox::activated, q, [this] { preferencesChanged = true; });
        QObject::connect(controls.textColour, &QComboBox::activated, q, [this, mode] {
            if (const std::optional<std::int64_t> value = c.modes[mode].textColour->currentValue())
                settings.modeFonts[mode].color = *value;
            showMode(mode);
            preferencesChanged = true;
        });
    }
    QObject::connect(c.ApplyAllBtn, &QPushButton::clicked, q, &TPreferences::ApplyAllBtnClick);
    QObject::connect(c.ApplyBtn, &QPushButton::clicked, q, &TPreferences::ApplyBtnClick);
    QObject::connect(c.OKBtn, &QPushButton::clicked, q, &TPreferences::OKBtnClick);
    QObject::connect(c.DefaultBtn, &QPushButton::clicked, q, &TPreferences::DefaultBtnClick);
    QObject::connect(c.CancelBtn, &QPushButton::clicked, q, &TPreferences::CancelBtnClick);
}

// OK: corrects the rates, applies, closes and stores. A Frames rate that is no rate is refused: the
// dialog stays open with the field focused, and nothing is applied or stored.
bool TPreferences::Private::ok()
{
    if (c.FramesMask->text().isEmpty())
        c.FramesMask->setText(QStringLiteral("1"));
    const QString frames = c.FramesMask->text();
    if (!FramesRateValue(frames)) {
        Dialogs::current().error(q, QStringLiteral("'%1' is not a valid Frames rate. Enter the frames per second as "
                                                   "a number above 0, such as 30 or 29.97.")
                                        .arg(frames));
        c.tabs->setCurrentWidget(c.modes[5].page);
        c.FramesMask->setFocus(Qt::OtherFocusReason);
        c.FramesMask->selectAll();
        return false;
    }
    const QString user = c.UserFramesMask->text();
    if (user.isEmpty() || user == QLatin1String("0") || user == QLatin1String("00"))
        c.UserFramesMask->setText(QStringLiteral("01"));
    q->ApplyBtnClick();
    closedByButton = true;
    okClosing = true;
    q->close();
    WritePreferences(*OpenSettingsStore(), settings);
    return true;
}

// A menu toggle: the matching box takes the state, and the one value is stored at once.
void TPreferences::Private::storeBox(QCheckBox *box, const QString &name, bool on)
{
    box->setChecked(on);
    WriteStartWithBool(*OpenSettingsStore(), name, on);
}

TPreferences::TPreferences(QWidget *parent) : QDialog(parent), d(new Private)
{
    d->q = this;
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    setAccessibleName(QStringLiteral("Preferences"));
    d->c = BuildPreferencesControls(*this);
    d->connectControls();
    d->load(Settings{});
    d->preferencesChanged = false;
    d->closedByButton = false;
}

TPreferences::~TPreferences()
{
    delete d;
}

void TPreferences::setTarget(PreferencesTarget *target)
{
    d->target = target;
}

const Settings &TPreferences::settings() const
{
    return d->settings;
}

LayoutState &TPreferences::layout()
{
    return d->layout;
}

void TPreferences::GetRegInfo()
{
    d->closedByButton = false;
    d->layout.widthResetPending = false;
    const Settings stored = ReadSettings(*OpenSettingsStore());
    d->load(stored);
    if (d->target)
        d->target->moveWindows(stored.mainLeft, stored.mainTop, stored.calcMiniLeft, stored.calcMiniTop);
    ApplyBtnClick();
}

void TPreferences::ApplyBtnClick()
{
    if (d->target)
        d->target->applyPreferences(d->settings, d->layout);
}

void TPreferences::OKBtnClick()
{
    d->ok();
}

void TPreferences::CancelBtnClick()
{
    GetRegInfo();
    d->closedByButton = true;
    close();
}

void TPreferences::DefaultBtnClick()
{
    // Everything else goes back to its default; the hint option, the memories, the window positions
    // and the print and export options stay.
    const Settings &current = d->settings;
    Settings shown;
    shown.balloon = current.balloon;
    shown.functions = current.functions;
    shown.mainLeft = current.mainLeft;
    shown.mainTop = current.mainTop;
    shown.calcMiniLeft = current.calcMiniLeft;
    shown.calcMiniTop = current.calcMiniTop;
    shown.print = current.print;
    shown.exportOptions = current.exportOptions;
    d->load(shown);
    d->layout.widthResetPending = true;
    ApplyBtnClick();
    d->preferencesChanged = true;
}

void TPreferences::ApplyAllBtnClick()
{
    const std::optional<std::int64_t> colour = d->c.modes[0].gridColour->currentValue();
    for (std::size_t mode = 1; mode < d->c.modes.size(); ++mode) {
        d->settings.modeFonts[mode] = d->settings.modeFonts[0];
        if (colour)
            d->c.modes[mode].gridColour->selectValue(*colour);
        d->showMode(mode);
    }
    d->takeControls();
    d->preferencesChanged = true;
}

void TPreferences::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    d->c.StartCombo->setCurrentIndex(0);
    d->c.TabCombo->setCurrentIndex(0);
    d->c.LabelCombo->setCurrentIndex(1);
    d->preferencesChanged = false;
    GetRegInfo();
}

void TPreferences::closeEvent(QCloseEvent *event)
{
    bool closing = true;
    if (!d->closedByButton && d->preferencesChanged) {
        switch (Dialogs::current().question(this, QStringLiteral("Save changes?"), Dialogs::Buttons::YesNoCancel)) {
        case Dialogs::Answer::Yes:
            closing = d->ok();
            break;
        case Dialogs::Answer::No:
            CancelBtnClick();
            break;
        case Dialogs::Answer::Cancel:
            closing = false;
            break;
        }
    }
    // Whatever the answer, the next close asks again only after a new change.
    d->closedByButton = false;
    d->preferencesChanged = false;
    if (!closing) {
        d->okClosing = false;
        event->ignore();
        return;
    }
    event->accept();
    const int result = d->okClosing ? QDialog::Accepted : QDialog::Rejected;
    d->okClosing = false;
    QDialog::done(result);
}

void TPreferences::reject()
{
    CancelBtnClick();
}

void TPreferences::storeValidity(bool on)
{
    d->storeBox(d->c.ValidityCheckBox, QStringLiteral("Validity"), on);
}

void TPreferences::storeDescriptions(bool on)
{
    d->storeBox(d->c.DescriptionsCheckBox, QStringLiteral("Descriptions"), on);
}

void TPreferences::storePercentages(bool on)
{
    d->storeBox(d->c.PercentagesCheckBox, QStringLiteral("Percentages"), on);
}

void TPreferences::storeFrameMode(bool on)
{
    d->storeBox(d->c.FrameModeCheckBox, QStringLiteral("FrameMode"), on);
}

void TPreferences::storeBalloon(bool on)
{
    d->settings.balloon = on;
    WriteStartWithBool(*OpenSettingsStore(), QStringLiteral("Balloon"), on);
}

void TPreferences::storeFunctions(const std::array<QString, 12> &memories)
{
    d->settings.functions = memories;
    WriteFunctions(*OpenSettingsStore(), memories);
}

void TPreferences::storeLayout(int mainLeft, int mainTop, const std::array<int, 7> &mode0ColumnWidths, int miniLeft,
                               int miniTop)
{
    Settings &settings = d->settings;
    settings.mainLeft = mainLeft;
    settings.mainTop = mainTop;
    for (std::size_t column = 0; column < mode0ColumnWidths.size(); ++column) {
        const int extra = column % 2 == 0 ? d->layout.extraEven : d->layout.extraOdd;
        settings.columnBaseWidth[column] = mode0ColumnWidths[column] - extra;
    }
    settings.calcMiniLeft = miniLeft;
    settings.calcMiniTop = miniTop;
    WritePositionsAndGrid(*OpenSettingsStore(), settings);
}

void TPreferences::storeExport(const ExportSettings &options)
{
    d->settings.exportOptions = options;
    WriteExport(*OpenSettingsStore(), options);
}

void TPreferences::storePrint(const PrintSettings &options)
{
    d->settings.print = options;
    WritePrint(*OpenSettingsStore(), options);
}

void TPreferences::storePrintFont(const FontSetting &font)
{
    d->settings.printFont = font;
    WritePrintFont(*OpenSettingsStore(), font);
}

void TPreferences::storeMiniPosition(int left, int top)
{
    d->settings.calcMiniLeft = left;
    d->settings.calcMiniTop = top;
    WriteMiniPosition(*OpenSettingsStore(), left, top);
}

std::int64_t TPreferences::userFps() const
{
    return UserRateValue(d->settings.userFrames).value_or(1);
}

std::optional<double> TPreferences::framesFps() const
{
    return FramesRateValue(d->settings.frames);
}

void TPreferences::setMode0Font(const QFont &font)
{
    d->settings.modeFonts[0] = SettingFromFont(font, d->settings.modeFonts[0].color);
    d->showMode(0);
}
