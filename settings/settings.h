// Every setting that survives a restart: the in-memory values, their defaults, and the store
// ("Brisken", "CorvaneCalc") they are read from and written to as text.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <cstdint>

class QSettings;

// A log's or the print font as the store keeps it.
struct FontSetting {
    QString name = QStringLiteral("MS Sans Serif");
    std::int64_t color = 0x800000; // 0x00BBGGRR, or 0x80000000 + system colour index
    int size = 11;
    int style = 1; // FontStyleCode
    friend bool operator==(const FontSetting &, const FontSetting &) = default;
};

struct PrintSettings {
    int radio = 0;
    bool page = true;
    bool date = true;
    bool time = true;
    bool descriptions = true;
    QString heading = QStringLiteral("Timecode Data");
    QString subheading = QStringLiteral("30 fps Non-Drop Frame");
    friend bool operator==(const PrintSettings &, const PrintSettings &) = default;
};

struct ExportSettings {
    int radio = 0;
    bool exportDescriptions = true;
    bool useHead = false;
    QString heading = QStringLiteral("Timecode Data");
    QString subheading = QStringLiteral("30 fps Non-Drop Frame");
    friend bool operator==(const ExportSettings &, const ExportSettings &) = default;
};

inline constexpr std::array<int, 7> kDefaultColumnBaseWidth{85, 12, 85, 12, 85, 16, 100};

// The whole set, with every default of a fresh store.
struct Settings {
    // "StartWith"
    int startCombo = 0;
    int tabCombo = 0;
    int labelCombo = 1;
    QString userFrames = QStringLiteral("15");
    QString frames = QStringLiteral("30");
    bool validity = true;
    bool descriptions = false;
    bool percentages = true;
    bool frameMode = false;
    bool balloon = true;
    // "Grid"
    std::array<int, 7> columnBaseWidth = kDefaultColumnBaseWidth;
    // "Postion"
    int mainLeft = 200;
    int mainTop = 100;
    int calcMiniLeft = 200;
    int calcMiniTop = 100;
    // "Font"
    std::array<FontSetting, 6> modeFonts{};
    std::array<QString, 6> gridColors{QStringLiteral("Window"), QStringLiteral("Window"), QStringLiteral("Window"),
                                      QStringLiteral("Window"), QStringLiteral("Window"), QStringLiteral("Window")};
    FontSetting printFont{QStringLiteral("Arial"), 0, 12, 1};
    // "Function"
    std::array<QString, 12> functions{};
    // "Print", "Export"
    PrintSettings print;
    ExportSettings exportOptions;

    Settings();
    friend bool operator==(const Settings &, const Settings &) = default;
};
