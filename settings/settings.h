// Every setting that survives a restart: the in-memory values, their defaults, and the store
// ("Brisken", "CorvaneCalc") they are read from and written to as text.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

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

// FontStyleCode: bold, italic, underline, strike-out as one code 0..15; codes outside 1..15 decode plain.
int FontStyleCode(bool bold, bool italic, bool underline, bool strikeOut);
int FontStyle(const QFont &font);
void DecodeFontStyle(int code, QFont &font);

// A stored font colour value (0x00BBGGRR or 0x80000000 + system colour index) as a QColor, and back.
QColor ColourFromValue(std::int64_t value);
std::int64_t ValueFromColour(const QColor &colour);

QFont FontFromSetting(const FontSetting &setting);
FontSetting SettingFromFont(const QFont &font, std::int64_t colour);

// The named grid colours, in list order: "Black" ... "White", "Window".
const std::array<QString, 16> &GridColourNames();
// The colour a name stands for; invalid QColor when the name is not in the list (case matters).
QColor GridColour(const QString &name);

// The value a grid colour name stands for (0x00BBGGRR, or 0x80000005 for "Window"); empty when the
// name is not in the list.
std::optional<std::int64_t> GridColourValue(const QString &name);

// The group prefixes of the six modes' font values in the "Font" section: "ND", "DF", "PAL", "Film",
// "User", "Frames".
const std::array<QString, 6> &ModeFontPrefixes();

// Frame rate texts. A user rate is one or two digits whose value is at least 1, "00" counting as "01";
// a Frames rate is up to five characters of digits with at most one decimal point, at least one digit,
// and a value above 0. Anything else is not a rate.
std::optional<std::int64_t> UserRateValue(const QString &text);
std::optional<double> FramesRateValue(const QString &text);

// Where written values go, one at a time and in the order they are written.
class SettingsSink {
public:
    virtual ~SettingsSink() = default;
    virtual void writeText(const QString &section, const QString &name, const QString &text) = 0;
};

// The per-user store: organisation "Brisken", application "CorvaneCalc", in the platform's native form
// (the registry key Software\Brisken\CorvaneCalc on Windows, an INI file elsewhere).
std::unique_ptr<QSettings> OpenSettingsStore();

// Store access. Every value is text: strings unchanged, integers in decimal, booleans "1"/"0".
// A missing value, or an integer or boolean whose text is not a decimal integer, reads as its default.
Settings ReadSettings(QSettings &store);
// Preferences OK: the "Font" section (six mode groups, then the print font), then "StartWith"
// values in the stored order.
void WritePreferences(QSettings &store, const Settings &settings);
void WriteStartWithBool(QSettings &store, const QString &name, bool value);
void WriteFunctions(QSettings &store, const std::array<QString, 12> &memories);
void WritePositionsAndGrid(QSettings &store, const Settings &settings); // "MainLeft" ... "1A".."1G" ... mini
void WriteExport(QSettings &store, const ExportSettings &options);
void WritePrint(QSettings &store, const PrintSettings &options);
void WritePrintFont(QSettings &store, const FontSetting &font); // the print dialog's Font button
void WriteMiniPosition(QSettings &store, int left, int top);     // closing the mini calculator
// The same writers on any sink, for the orders to be seen.
void WritePreferences(SettingsSink &sink, const Settings &settings);
void WritePositionsAndGrid(SettingsSink &sink, const Settings &settings);
