// The controls of the preferences dialog and the routine that lays them out.
#pragma once

#include <QString>
#include <array>

class ColourCombo;
class QCheckBox;
class QColor;
class QFont;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

// One mode's tab: its font, text colour and log background.
struct ModeControls {
    QString caption; // the tab's caption, "NonDrpFrm" ... "User"
    QWidget *page = nullptr;
    QPushButton *fontButton = nullptr;
    QLabel *fontText = nullptr;
    ColourCombo *textColour = nullptr;
    ColourCombo *gridColour = nullptr;
    QLabel *sample = nullptr;
};

struct PreferencesControls {
    QTabWidget *tabs = nullptr;
    QComboBox *StartCombo = nullptr;
    QComboBox *TabCombo = nullptr;
    QComboBox *LabelCombo = nullptr;
    QCheckBox *ValidityCheckBox = nullptr;
    QCheckBox *DescriptionsCheckBox = nullptr;
    QCheckBox *PercentagesCheckBox = nullptr;
    QCheckBox *FrameModeCheckBox = nullptr;
    QLineEdit *FramesMask = nullptr;
    QLineEdit *UserFramesMask = nullptr;
    std::array<ModeControls, 6> modes; // by timecode mode
    QPushButton *ApplyAllBtn = nullptr;
    QPushButton *ApplyBtn = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *DefaultBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
};

// Builds every control inside the dialog, with names, accessible names and the rate fields' key filters.
PreferencesControls BuildPreferencesControls(QDialog &dialog);

// Shows a mode's font, text colour and background on its tab.
void ShowModeLook(const ModeControls &controls, const QFont &font, const QColor &text, const QColor &background);
