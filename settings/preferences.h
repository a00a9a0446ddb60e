// The preferences dialog: the one in-memory copy of the settings, the controls that edit it, and the
// routines that load it from the store, apply it to the main window and store it.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "settings/settings.h"

class PreferencesTarget;

// Column layout state kept beside the store.
struct LayoutState {
    int extraEven = 0; // ColumnExtraWidth of columns 0, 2, 4, 6
    int extraOdd = 0;  // ColumnExtraWidth of columns 1, 3, 5
    bool widthResetPending = false;
    bool highDpi = false; // logical resolution of 100 dpi or more
};

class TPreferences : public QDialog {
    Q_OBJECT
public:
    explicit TPreferences(QWidget *parent = nullptr);
    ~TPreferences() override;

    void setTarget(PreferencesTarget *target);

    // The settings as the dialog's controls hold them; the main window reads them from here.
    const Settings &settings() const;
    LayoutState &layout();

    // The full load: every value from the store into the controls, then Apply.
    void GetRegInfo();
    void ApplyBtnClick();
    // The buttons: OK corrects the rates, applies, closes and stores (a Frames rate that is not a
    // rate is refused and the dialog stays open); Cancel reloads the stored settings and closes;
    // Defaults shows the default settings without storing them; Apply to all grids copies the
    // mode-0 font and colour to the other modes.
    void OKBtnClick();
    void CancelBtnClick();
    void DefaultBtnClick();
    void ApplyAllBtnClick();

    // The menu toggles: set the matching check box and store the one value at once.
    void storeValidity(bool on);
    void storeDescriptions(bool on);
    void storePercentages(bool on);
    void storeFrameMode(bool on);
    void storeBalloon(bool on);
    // The function-key memories ("GF1", "F2" ... "F12"), all twelve.
    void storeFunctions(const std::array<QString, 12> &memories);
    // The layout save: window position, the mode-0 log's column widths (extra widths are taken off
    // before storing), the mini calculator's position. Keeps the new base widths in memory too.
    void storeLayout(int mainLeft, int mainTop, const std::array<int, 7> &mode0ColumnWidths, int miniLeft,
                     int miniTop);
    // The export dialog's options, after a completed export.
    void storeExport(const ExportSettings &options);
    // The print dialog's options when it prints, and its font after its font chooser closed.
    void storePrint(const PrintSettings &options);
    void storePrintFont(const FontSetting &font);
    // The mini calculator's position when it closes.
    void storeMiniPosition(int left, int top);

    // The rates in force for the engine: the user rate field's value (at least 1), and the Frames
    // rate field's value, empty when the text is not a number.
    std::int64_t userFps() const;
    std::optional<double> framesFps() const;
    // The mode-0 font chooser starts from this font (the main window sets it before showing the dialog).
    void setMode0Font(const QFont &font);

protected:
    // Activation: each showing reloads the store into the controls and applies it.
    void showEvent(QShowEvent *event) override;
    // The close box, OK and Cancel: asks "Save changes?" when a control changed and no button closes.
    void closeEvent(QCloseEvent *event) override;
    // Escape presses Cancel.
    void reject() override;

private:
    struct Private;
    Private *d;
};
