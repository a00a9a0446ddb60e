// The settings store: reading and writing every setting as text, the font style codes and colour values.
#include "settings/settings.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSettings>
#include <QStringList>

#include <limits>

namespace {

const QString kStartWith = QStringLiteral("StartWith");
const QString kGrid = QStringLiteral("Grid");
const QString kPosition = QStringLiteral("Postion"); // the stored section name, spelt as it always was
const QString kFont = QStringLiteral("Font");
const QString kFunction = QStringLiteral("Function");
const QString kPrint = QStringLiteral("Print");
const QString kExport = QStringLiteral("Export");

const std::array<QString, 7> kGridNames{QStringLiteral("1A"), QStringLiteral("1B"), QStringLiteral("1C"),
                                        QStringLiteral("1D"), QStringLiteral("1E"), QStringLiteral("1F"),
                                        QStringLiteral("1G")};

constexpr std::int64_t kSystemColourFlag = 0x80000000;
constexpr std::int64_t kWindowColourValue = kSystemColourFlag + 5;

// The attribute sets of the style codes 0..15 (bold 1, italic 2, underline 4, strike-out 8): by number
// of attributes, then in the order bold, italic, underline, strike-out.
constexpr std::array<int, 16> kStyleMasks{0, 1, 2, 4, 8, 3, 5, 9, 6, 10, 12, 7, 11, 13, 14, 15};

const std::array<std::int64_t, 16> kGridColourValues{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                     0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0xFF0000,
                                                     0xFF00FF, 0xFFFF00, 0xFFFFFF, kWindowColourValue};

QString functionName(std::size_t index)
{
    return index == 0 ? QStringLiteral("GF1") : QStringLiteral("F%1").arg(index + 1);
}

// A decimal integer with an optional sign, surrounding blanks allowed; nothing else.
std::optional<std::int64_t> parseDecimal(const QString &text, std::int64_t lowest, std::int64_t highest)
{
    const QString trimmed = text.trimmed();
    qsizetype start = (trimmed.startsWith(u'-') || trimmed.startsWith(u'+')) ? 1 : 0;
    if (trimmed.size() == start)
        return std::nullopt;
    for (qsizetype i = start; i < trimmed.size(); ++i) {
        if (trimmed[i] < u'0' || trimmed[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok, 10);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// Reads one section's values; every read falls back to its default.
class Reader {
public:
    Reader(QSettings &store, const QString &section) : m_store(store) { m_store.beginGroup(section); }
    ~Reader() { m_store.endGroup(); }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    std::optional<QString> raw(const QString &name) const
    {
        const QVariant value = m_store.value(name);
        if (!value.isValid())
            return std::nullopt;
        // An INI line holding commas reads back as a list; it was one text all the same.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QStringLiteral(", "));
        return value.toString();
    }
    QString text(const QString &name, const QString &fallback) const { return raw(name).value_or(fallback); }
    std::int64_t integer64(const QString &name, std::int64_t fallback, std::int64_t lowest, std::int64_t highest) const
    {
        const std::optional<QString> stored = raw(name);
        if (!stored)
            return fallback;
        return parseDecimal(*stored, lowest, highest).value_or(fallback);
    }
    int integer(const QString &name, int fallback) const
    {
        return static_cast<int>(integer64(name, fallback, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    bool boolean(const QString &name, bool fallback) const { return integer(name, fallback ? 1 : 0) != 0; }
    // In place: the value held so far is the fallback.
    void value(const QString &name, int &held) const { held = integer(name, held); }
    void value(const QString &name, bool &held) const { held = boolean(name, held); }
    void value(const QString &name, QString &held) const { held = text(name, held); }

private:
    QSettings &m_store;
};

// Writes text values to a sink, each under the section given last.
class Writer {
public:
    Writer(SettingsSink &sink, const QString &section) : m_sink(sink), m_section(section) {}
    void section(const QString &section) { m_section = section; }
    void text(const QString &name, const QString &value) { m_sink.writeText(m_section, name, value); }
    void integer(const QString &name, std::int64_t value) { text(name, QString::number(value)); }
    void boolean(const QString &name, bool value) { text(name, value ? QStringLiteral("1") : QStringLiteral("0")); }
    void value(const QString &name, int held) { integer(name, held); }
    void value(const QString &name, bool held) { boolean(name, held); }
    void value(const QString &name, const QString &held) { text(name, held); }

private:
    SettingsSink &m_sink;
    QString m_section;
};

class StoreSink final : public SettingsSink {
public:
    explicit StoreSink(QSettings &store) : m_store(store) {}
    void writeText(const QString &section, const QString &name, const QString &text) override
    {
        m_store.beginGroup(section);
        m_store.setValue(name, text);
        m_store.endGroup();
    }

private:
    QSettings &m_store;
};

// A colour value as the store keeps it: system colours as the signed 32-bit number they always were.
std::int64_t storedColour(std::int64_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(bits);
}

FontSetting readFont(const Reader &reader, const QString &prefix, const FontSetting &fallback)
{
    FontSetting font;
    font.name = reader.text(prefix + QStringLiteral("FontName"), fallback.name);
    // Either form of a system colour reads back: the signed number and the unsigned one.
    const std::int64_t colour = reader.integer64(prefix + QStringLiteral("FontColor"), fallback.color,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::uint32_t>::max());
    font.color = static_cast<std::uint32_t>(colour);
    font.size = reader.integer(prefix + QStringLiteral("FontSize"), fallback.size);
    font.style = reader.integer(prefix + QStringLiteral("FontStyle"), fallback.style);
    return font;
}

void writeFont(Writer &writer, const QString &prefix, const FontSetting &font)
{
    writer.text(prefix + QStringLiteral("FontName"), font.name);
    writer.integer(prefix + QStringLiteral("FontColor"), storedColour(font.color));
    writer.integer(prefix + QStringLiteral("FontSize"), font.size);
    writer.integer(prefix + QStringLiteral("FontStyle"), font.style);
}

// The "Print" and the "Export" values in their stored order; reading and writing go through the same lists.
template <typename Io, typename Options>
void printValues(Io &io, Options &options)
{
    io.value(QStringLiteral("Radio"), options.radio);
    io.value(QStringLiteral("Page"), options.page);
    io.value(QStringLiteral("Date"), options.date);
    io.value(QStringLiteral("Time"), options.time);
    io.value(QStringLiteral("Descriptions"), options.descriptions);
    io.value(QStringLiteral("Heading"), options.heading);
    io.value(QStringLiteral("Subheading"), options.subheading);
}

template <typename Io, typename Options>
void exportValues(Io &io, Options &options)
{
    io.value(QStringLiteral("Radio"), options.radio);
    io.value(QStringLiteral("ExportDescriptions"), options.exportDescriptions);
    io.value(QStringLiteral("UseHead"), options.useHead);
    io.value(QStringLiteral("Heading"), options.heading);
    io.value(QStringLiteral("Subheading"), options.subheading);
}

QString readUserRate(const Reader &reader, const QString &fallback)
{
    const QString stored = reader.text(QStringLiteral("UserFrames"), fallback);
    if (!UserRateValue(stored))
        return fallback;
    return stored == QLatin1String("00") ? QStringLiteral("01") : stored;
}

QString readFramesRate(const Reader &reader, const QString &fallback)
{
    const QString stored = reader.text(QStringLiteral("Frames"), fallback);
    return FramesRateValue(stored) ? stored : fallback;
}

// The system colours by their index, on this desktop's palette.
QColor systemColour(std::int64_t index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 0:  // scroll bar
    case 4:  // menu
    case 10: // active border
    case 11: // inactive border
    case 30: // menu bar
        return palette.color(QPalette::Window);
    case 1:  // desktop
    case 12: // application workspace
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 2:  // active caption
    case 13: // highlight
    case 27: // active caption gradient
    case 29: // menu highlight
        return palette.color(QPalette::Highlight);
    case 3:  // inactive caption
    case 28: // inactive caption gradient
        return palette.color(QPalette::Inactive, QPalette::Highlight);
    case 5: // window background
        return palette.color(QPalette::Base);
    case 6:  // window frame
    case 21: // dark 3-D shadow
        return palette.color(QPalette::Shadow);
    case 7: // menu text
        return palette.color(QPalette::WindowText);
    case 9:  // caption text
    case 14: // highlighted text
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 19: // inactive caption text
        return palette.color(QPalette::Inactive, QPalette::Text);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 22: // 3-D light
        return palette.color(QPalette::Midlight);
    case 23: // tooltip text
        return palette.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return palette.color(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return palette.color(QPalette::Link);
    default: // window text, and any index this desktop has no counterpart for
        return palette.color(QPalette::Text);
    }
}

} // namespace

Settings::Settings()
{
    functions.fill(QStringLiteral("00:00:00:00"));
}

int FontStyleCode(bool bold, bool italic, bool underline, bool strikeOut)
{
    const int mask = (bold ? 1 : 0) | (italic ? 2 : 0) | (underline ? 4 : 0) | (strikeOut ? 8 : 0);
    for (std::size_t code = 0; code < kStyleMasks.size(); ++code) {
        if (kStyleMasks[code] == mask)
            return static_cast<int>(code);
    }
    return 0;
}

int FontStyle(const QFont &font)
{
    return FontStyleCode(font.bold(), font.italic(), font.underline(), font.strikeOut());
}

void DecodeFontStyle(int code, QFont &font)
{
    const int mask = (code >= 1 && code <= 15) ? kStyleMasks[static_cast<std::size_t>(code)] : 0;
    font.setBold((mask & 1) != 0);
    font.setItalic((mask & 2) != 0);
    font.setUnderline((mask & 4) != 0);
    font.setStrikeOut((mask & 8) != 0);
}

QColor ColourFromValue(std::int64_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0xFF000000u) == kSystemColourFlag)
        return systemColour(bits & 0x00FFFFFFu);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

std::int64_t ValueFromColour(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return static_cast<std::int64_t>(rgb.red()) | (static_cast<std::int64_t>(rgb.green()) << 8) |
           (static_cast<std::int64_t>(rgb.blue()) << 16);
}

QFont FontFromSetting(const FontSetting &setting)
{
    QFont font(setting.name);
    font.setPointSize(setting.size > 0 ? setting.size : FontSetting{}.size);
    DecodeFontStyle(setting.style, font);
    return font;
}

FontSetting SettingFromFont(const QFont &font, std::int64_t colour)
{
    FontSetting setting;
    setting.name = font.family();
    if (font.pointSize() > 0)
        setting.size = font.pointSize();
    else if (font.pixelSize() > 0)
        setting.size = qMax(1, qRound(font.pixelSize() * 72.0 / 96.0));
    setting.style = FontStyle(font);
    setting.color = colour;
    return setting;
}

const std::array<QString, 16> &GridColourNames()
{
    static const std::array<QString, 16> names{
        QStringLiteral("Black"),  QStringLiteral("Maroon"), QStringLiteral("Green"), QStringLiteral("Olive"),
        QStringLiteral("Navy"),   QStringLiteral("Purple"), QStringLiteral("Teal"),  QStringLiteral("Gray"),
        QStringLiteral("Silver"), QStringLiteral("Red"),    QStringLiteral("Lime"),  QStringLiteral("Blue"),
        QStringLiteral("Fuchsia"), QStringLiteral("Aqua"),  QStringLiteral("White"), QStringLiteral("Window")};
    return names;
}

std::optional<std::int64_t> GridColourValue(const QString &name)
{
    const std::array<QString, 16> &names = GridColourNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return kGridColourValues[i];
    }
    return std::nullopt;
}

QColor GridColour(const QString &name)
{
    const std::optional<std::int64_t> value = GridColourValue(name);
    return value ? ColourFromValue(*value) : QColor();
}

const std::array<QString, 6> &ModeFontPrefixes()
{
    static const std::array<QString, 6> prefixes{QStringLiteral("ND"),   QStringLiteral("DF"),
                                                 QStringLiteral("PAL"),  QStringLiteral("Film"),
                                                 QStringLiteral("User"), QStringLiteral("Frames")};
    return prefixes;
}

std::optional<std::int64_t> UserRateValue(const QString &text)
{
    if (text.isEmpty() || text.size() > 2)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    if (text == QLatin1String("00"))
        return 1;
    const std::int64_t value = text.toLongLong();
    return value >= 1 ? std::optional<std::int64_t>(value) : std::nullopt;
}

std::optional<double> FramesRateValue(const QString &text)
{
    if (text.isEmpty() || text.size() > 5)
        return std::nullopt;
    int digits = 0;
    int points = 0;
    for (const QChar c : text) {
        if (c == u'.')
            ++points;
        else if (c >= u'0' && c <= u'9')
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    // "29." and ".5" are numbers too; QString::toDouble reads both in the C locale.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0.0))
        return std::nullopt;
    return value;
}

std::unique_ptr<QSettings> OpenSettingsStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brisken"),
                                       QStringLiteral("CorvaneCalc"));
}

Settings ReadSettings(QSettings &store)
{
    const Settings defaults;
    Settings settings;
    {
        const Reader reader(store, kStartWith);
        settings.startCombo = reader.integer(QStringLiteral("StartCombo"), defaults.startCombo);
        settings.tabCombo = reader.integer(QStringLiteral("TabCombo"), defaults.tabCombo);
        settings.labelCombo = reader.integer(QStringLiteral("LabelCombo"), defaults.labelCombo);
        settings.userFrames = readUserRate(reader, defaults.userFrames);
        settings.frames = readFramesRate(reader, defaults.frames);
        settings.validity = reader.boolean(QStringLiteral("Validity"), defaults.validity);
        settings.descriptions = reader.boolean(QStringLiteral("Descriptions"), defaults.descriptions);
        settings.percentages = reader.boolean(QStringLiteral("Percentages"), defaults.percentages);
        settings.frameMode = reader.boolean(QStringLiteral("FrameMode"), defaults.frameMode);
        settings.balloon = reader.boolean(QStringLiteral("Balloon"), defaults.balloon);
    }
    {
        const Reader reader(store, kGrid);
        for (std::size_t i = 0; i < kGridNames.size(); ++i)
            settings.columnBaseWidth[i] = reader.integer(kGridNames[i], defaults.columnBaseWidth[i]);
    }
    {
        const Reader reader(store, kPosition);
        settings.mainLeft = reader.integer(QStringLiteral("MainLeft"), defaults.mainLeft);
        settings.mainTop = reader.integer(QStringLiteral("MainTop"), defaults.mainTop);
        settings.calcMiniLeft = reader.integer(QStringLiteral("CalcMiniLeft"), defaults.calcMiniLeft);
        settings.calcMiniTop = reader.integer(QStringLiteral("CalcMiniTop"), defaults.calcMiniTop);
    }
    {
        const Reader reader(store, kFont);
        for (std::size_t mode = 0; mode < settings.modeFonts.size(); ++mode) {
            const QString &prefix = ModeFontPrefixes()[mode];
            settings.modeFonts[mode] = readFont(reader, prefix, defaults.modeFonts[mode]);
            settings.gridColors[mode] = reader.text(prefix + QStringLiteral("GridColor"), defaults.gridColors[mode]);
        }
        settings.printFont = readFont(reader, QStringLiteral("Print"), defaults.printFont);
    }
    {
        const Reader reader(store, kFunction);
        for (std::size_t i = 0; i < settings.functions.size(); ++i)
            settings.functions[i] = reader.text(functionName(i), defaults.functions[i]).left(11);
    }
    {
        // settings holds the defaults still, so each value falls back to its default.
        const Reader reader(store, kPrint);
        printValues(reader, settings.print);
    }
    {
        const Reader reader(store, kExport);
        exportValues(reader, settings.exportOptions);
    }
    return settings;
}

void WritePreferences(SettingsSink &sink, const Settings &settings)
{
    Writer writer(sink, kFont);
    for (std::size_t mode = 0; mode < settings.modeFonts.size(); ++mode) {
        const QString &prefix = ModeFontPrefixes()[mode];
        writeFont(writer, prefix, settings.modeFonts[mode]);
        writer.text(prefix + QStringLiteral("GridColor"), settings.gridColors[mode]);
    }
    writeFont(writer, QStringLiteral("Print"), settings.printFont);
    writer.section(kStartWith);
    writer.integer(QStringLiteral("StartCombo"), settings.startCombo);
    writer.integer(QStringLiteral("TabCombo"), settings.tabCombo);
    writer.integer(QStringLiteral("LabelCombo"), settings.labelCombo);
    writer.text(QStringLiteral("UserFrames"), settings.userFrames);
    writer.text(QStringLiteral("Frames"), settings.frames);
    writer.boolean(QStringLiteral("Validity"), settings.validity);
    writer.boolean(QStringLiteral("Descriptions"), settings.descriptions);
    writer.boolean(QStringLiteral("Percentages"), settings.percentages);
    writer.boolean(QStringLiteral("FrameMode"), settings.frameMode);
}

void WritePreferences(QSettings &store, const Settings &settings)
{
    StoreSink sink(store);
    WritePreferences(sink, settings);
}

void WriteStartWithBool(QSettings &store, const QString &name, bool value)
{
    StoreSink sink(store);
    Writer(sink, kStartWith).boolean(name, value);
}

void WriteFunctions(QSettings &store, const std::array<QString, 12> &memories)
{
    StoreSink sink(store);
    Writer writer(sink, kFunction);
    for (std::size_t i = 0; i < memories.size(); ++i)
        writer.text(functionName(i), memories[i]);
}

void WritePositionsAndGrid(SettingsSink &sink, const Settings &settings)
{
    Writer writer(sink, kPosition);
    writer.integer(QStringLiteral("MainLeft"), settings.mainLeft);
    writer.integer(QStringLiteral("MainTop"), settings.mainTop);
    writer.section(kGrid);
    for (std::size_t i = 0; i < kGridNames.size(); ++i)
        writer.integer(kGridNames[i], settings.columnBaseWidth[i]);
    writer.section(kPosition);
    writer.integer(QStringLiteral("CalcMiniLeft"), settings.calcMiniLeft);
    writer.integer(QStringLiteral("CalcMiniTop"), settings.calcMiniTop);
}

void WritePositionsAndGrid(QSettings &store, const Settings &settings)
{
    StoreSink sink(store);
    WritePositionsAndGrid(sink, settings);
}

void WriteExport(QSettings &store, const ExportSettings &options)
{
    StoreSink sink(store);
    Writer writer(sink, kExport);
    exportValues(writer, options);
}

void WritePrint(QSettings &store, const PrintSettings &options)
{
    StoreSink sink(store);
    Writer writer(sink, kPrint);
    printValues(writer, options);
}

void WritePrintFont(QSettings &store, const FontSetting &font)
{
    StoreSink sink(store);
    Writer writer(sink, kFont);
    writeFont(writer, QStringLiteral("Print"), font);
}

void WriteMiniPosition(QSettings &store, int left, int top)
{
    StoreSink sink(store);
    Writer writer(sink, kPosition);
    writer.integer(QStringLiteral("CalcMiniLeft"), left);
    writer.integer(QStringLiteral("CalcMiniTop"), top);
}
