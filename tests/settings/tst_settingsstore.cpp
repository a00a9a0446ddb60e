// The settings store: defaults of a fresh store, the text encodings, the rate checks and the write orders.
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QTest>
#include <memory>

#include "settings/settings.h"
#include "tests/settings/storefixture.h"

namespace {

class RecordingSink final : public SettingsSink {
public:
    QStringList names;  // "Section/Name", in the order written
    QStringList texts;
    void writeText(const QString &section, const QString &name, const QString &text) override
    {
        names << section + u'/' + name;
        texts << text;
    }
};

Settings readStore()
{
    return ReadSettings(*OpenSettingsStore());
}

// One read value of a store, as text, by "Section/Name".
QString readBack(const Settings &s, const QString &key)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    if (key == QLatin1String("StartWith/StartCombo"))
        return QString::number(s.startCombo);
    if (key == QLatin1String("StartWith/LabelCombo"))
        return QString::number(s.labelCombo);
    if (key == QLatin1String("StartWith/Validity"))
        return flag(s.validity);
    if (key == QLatin1String("StartWith/Descriptions"))
        return flag(s.descriptions);
    if (key == QLatin1String("StartWith/UserFrames"))
        return s.userFrames;
    if (key == QLatin1String("StartWith/Frames"))
        return s.frames;
    if (key == QLatin1String("Grid/1A"))
        return QString::number(s.columnBaseWidth[0]);
    if (key == QLatin1String("Postion/MainLeft"))
        return QString::number(s.mainLeft);
    if (key == QLatin1String("Font/NDFontSize"))
        return QString::number(s.modeFonts[0].size);
    if (key == QLatin1String("Font/FramesFontColor"))
        return QString::number(s.modeFonts[5].color);
    if (key == QLatin1String("Font/PALGridColor"))
        return s.gridColors[2];
    if (key == QLatin1String("Function/F12"))
        return s.functions[11];
    if (key == QLatin1String("Print/Page"))
        return flag(s.print.page);
    if (key == QLatin1String("Export/UseHead"))
        return flag(s.exportOptions.useHead);
    return QStringLiteral("?");
}

Settings everyValueChanged()
{
    Settings s;
    s.startCombo = 3;
    s.tabCombo = 1;
    s.labelCombo = 2;
    s.userFrames = QStringLiteral("24");
    s.frames = QStringLiteral("29.97");
    s.validity = false;
    s.descriptions = true;
    s.percentages = false;
    s.frameMode = true;
    s.columnBaseWidth = {90, 13, 91, 14, 92, 17, 150};
    s.mainLeft = -40;
    s.mainTop = 7;
    s.calcMiniLeft = 640;
    s.calcMiniTop = 480;
    for (std::size_t mode = 0; mode < s.modeFonts.size(); ++mode) {
        s.modeFonts[mode] = {QStringLiteral("Font %1").arg(mode), static_cast<std::int64_t>(0x102030 + mode),
                             static_cast<int>(8 + mode), static_cast<int>(mode * 2)};
        s.gridColors[mode] = GridColourNames()[mode];
    }
    s.modeFonts[3].color = 0x80000008; // a system colour
    s.printFont = {QStringLiteral("Courier"), 0x0000FF, 9, 15};
    for (std::size_t i = 0; i < s.functions.size(); ++i)
        s.functions[i] = QStringLiteral("01:02:03:%1").arg(i, 2, 10, QLatin1Char('0'));
    s.print = {2, false, false, true, false, QStringLiteral("Reel 4, scene 12"), QStringLiteral("Cut list")};
    s.exportOptions = {5, false, true, QStringLiteral("Export head"), QStringLiteral("Sub")};
    return s;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init() { m_store = std::make_unique<TempStore>(); }
    void cleanup() { m_store.reset(); }

    void freshStoreGivesEveryDefault();
    void storedTexts_data();
    void storedTexts();
    void roundTripKeepsEveryValue();
    void valuesAreWrittenAsText();
    void preferencesWriteOrder();
    void layoutWriteOrder();
    void functionNames();
    void fontStyleCodes_data();
    void fontStyleCodes();
    void styleCodesOutsideTheTableArePlain_data();
    void styleCodesOutsideTheTableArePlain();
    void colourValues();
    void gridColourList();
    void rateTexts_data();
    void rateTexts();
    void fontsRoundTrip();

private:
    std::unique_ptr<TempStore> m_store;
};

void TestSettingsStore::freshStoreGivesEveryDefault()
{
    const Settings s = readStore();
    QCOMPARE(s.startCombo, 0);
    QCOMPARE(s.tabCombo, 0);
    QCOMPARE(s.labelCombo, 1);
    QCOMPARE(s.userFrames, QStringLiteral("15"));
    QCOMPARE(s.frames, QStringLiteral("30"));
    QVERIFY(s.validity);
    QVERIFY(!s.descriptions);
    QVERIFY(s.percentages);
    QVERIFY(!s.frameMode);
    QVERIFY(s.balloon);
    QCOMPARE(s.columnBaseWidth, (std::array<int, 7>{85, 12, 85, 12, 85, 16, 100}));
    QCOMPARE(s.mainLeft, 200);
    QCOMPARE(s.mainTop, 100);
    QCOMPARE(s.calcMiniLeft, 200);
    QCOMPARE(s.calcMiniTop, 100);
    for (std::size_t mode = 0; mode < 6; ++mode) {
        QCOMPARE(s.modeFonts[mode].name, QStringLiteral("MS Sans Serif"));
        QCOMPARE(s.modeFonts[mode].color, 0x800000);
        QCOMPARE(s.modeFonts[mode].size, 11);
        QCOMPARE(s.modeFonts[mode].style, 1);
        QCOMPARE(s.gridColors[mode], QStringLiteral("Window"));
    }
    QCOMPARE(s.printFont.name, QStringLiteral("Arial"));
    QCOMPARE(s.printFont.color, 0);
    QCOMPARE(s.printFont.size, 12);
    QCOMPARE(s.printFont.style, 1);
    for (const QString &memory : s.functions)
        QCOMPARE(memory, QStringLiteral("00:00:00:00"));
    QCOMPARE(s.print.radio, 0);
    QVERIFY(s.print.page && s.print.date && s.print.time && s.print.descriptions);
    QCOMPARE(s.print.heading, QStringLiteral("Timecode Data"));
    QCOMPARE(s.print.subheading, QStringLiteral("30 fps Non-Drop Frame"));
    QCOMPARE(s.exportOptions.radio, 0);
    QVERIFY(s.exportOptions.exportDescriptions);
    QVERIFY(!s.exportOptions.useHead);
    QCOMPARE(s.exportOptions.heading, QStringLiteral("Timecode Data"));
    QCOMPARE(s.exportOptions.subheading, QStringLiteral("30 fps Non-Drop Frame"));
    QVERIFY2(!m_store->exists(), "reading must not create the store");
}

void TestSettingsStore::storedTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read");

    QTest::newRow("boolean 1") << "StartWith/Descriptions" << "1" << "true";
    QTest::newRow("boolean 0") << "StartWith/Validity" << "0" << "false";
    QTest::newRow("boolean 2 is true") << "StartWith/Descriptions" << "2" << "true";
    QTest::newRow("boolean -1 is true") << "StartWith/Descriptions" << "-1" << "true";
    QTest::newRow("boolean yes is the default (off)") << "StartWith/Descriptions" << "yes" << "false";
    QTest::newRow("boolean true is the default (on)") << "StartWith/Validity" << "false" << "true";
    QTest::newRow("boolean empty is the default") << "Export/UseHead" << "" << "false";
    QTest::newRow("print boolean 0") << "Print/Page" << "0" << "false";
    QTest::newRow("integer") << "StartWith/StartCombo" << "4" << "4";
    QTest::newRow("integer with blanks") << "StartWith/StartCombo" << " 3 " << "3";
    QTest::newRow("negative integer") << "Postion/MainLeft" << "-1200" << "-1200";
    QTest::newRow("integer with letters") << "StartWith/LabelCombo" << "2x" << "1";
    QTest::newRow("hexadecimal is no decimal") << "StartWith/LabelCombo" << "$2" << "1";
    QTest::newRow("decimal fraction") << "Grid/1A" << "90.5" << "85";
    QTest::newRow("integer beyond 32 bits") << "Grid/1A" << "4294967296" << "85";
    QTest::newRow("empty integer") << "Font/NDFontSize" << "" << "11";
    QTest::newRow("signed system colour") << "Font/FramesFontColor" << "-2147483643" << "2147483653";
    QTest::newRow("unsigned system colour") << "Font/FramesFontColor" << "2147483653" << "2147483653";
    QTest::newRow("colour beyond 32 bits") << "Font/FramesFontColor" << "8589934592" << "8388608";
    QTest::newRow("unknown grid colour name kept as text") << "Font/PALGridColor" << "window" << "window";
    QTest::newRow("memory of 11") << "Function/F12" << "01:02:03:04" << "01:02:03:04";
    QTest::newRow("long memory cut to 11") << "Function/F12" << "01:02:03:04:05:06" << "01:02:03:04";
    QTest::newRow("user rate") << "StartWith/UserFrames" << "24" << "24";
    QTest::newRow("user rate 00 reads as 01") << "StartWith/UserFrames" << "00" << "01";
    QTest::newRow("user rate 0") << "StartWith/UserFrames" << "0" << "15";
    QTest::newRow("user rate of three digits") << "StartWith/UserFrames" << "120" << "15";
    QTest::newRow("user rate with letters") << "StartWith/UserFrames" << "2a" << "15";
    QTest::newRow("empty user rate") << "StartWith/UserFrames" << "" << "15";
    QTest::newRow("frames rate") << "StartWith/Frames" << "29.97" << "29.97";
    QTest::newRow("frames rate with two points") << "StartWith/Frames" << "2.9.7" << "30";
    QTest::newRow("frames rate lone point") << "StartWith/Frames" << "." << "30";
    QTest::newRow("frames rate zero") << "StartWith/Frames" << "0.0" << "30";
    QTest::newRow("frames rate of six characters") << "StartWith/Frames" << "29.970" << "30";
    QTest::newRow("frames rate with a comma") << "StartWith/Frames" << "29,97" << "30";
    QTest::newRow("empty frames rate") << "StartWith/Frames" << "" << "30";
}

void TestSettingsStore::storedTexts()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    const QString section = key.section(u'/', 0, 0);
    const QString name = key.section(u'/', 1);
    m_store->write(QStringLiteral("[%1]\n%2=%3\n").arg(section, name, stored).toUtf8());
    QCOMPARE(readBack(readStore(), key), read);
}

void TestSettingsStore::roundTripKeepsEveryValue()
{
    Settings written = everyValueChanged();
    {
        const auto store = OpenSettingsStore();
        WritePreferences(*store, written);
        WritePositionsAndGrid(*store, written);
        WriteFunctions(*store, written.functions);
        WritePrint(*store, written.print);
        WriteExport(*store, written.exportOptions);
        WriteStartWithBool(*store, QStringLiteral("Balloon"), false);
        WritePrintFont(*store, written.printFont);
    }
    written.balloon = false;
    const Settings read = readStore();
    QCOMPARE(read.modeFonts[3].color, 0x80000008);
    QCOMPARE(read.print.heading, QStringLiteral("Reel 4, scene 12"));
    QVERIFY(read == written);
}

void TestSettingsStore::valuesAreWrittenAsText()
{
    Settings s = everyValueChanged();
    s.modeFonts[0].color = 0x80000005;
    {
        const auto store = OpenSettingsStore();
        WritePreferences(*store, s);
        WriteExport(*store, s.exportOptions);
        WriteMiniPosition(*store, -5, 12);
    }
    const QMap<QString, QString> stored = m_store->values();
    QCOMPARE(stored.value("StartWith/Validity"), QStringLiteral("0"));
    QCOMPARE(stored.value("StartWith/Descriptions"), QStringLiteral("1"));
    QCOMPARE(stored.value("StartWith/LabelCombo"), QStringLiteral("2"));
    QCOMPARE(stored.value("StartWith/Frames"), QStringLiteral("29.97"));
    QCOMPARE(stored.value("Font/NDFontColor"), QStringLiteral("-2147483643"));
    QCOMPARE(stored.value("Font/DFFontColor"), QString::number(0x102031));
    QCOMPARE(stored.value("Font/FramesFontName"), QStringLiteral("Font 5"));
    QCOMPARE(stored.value("Font/PrintFontStyle"), QStringLiteral("15"));
    QCOMPARE(stored.value("Export/UseHead"), QStringLiteral("1"));
    QCOMPARE(stored.value("Export/ExportDescriptions"), QStringLiteral("0"));
    QCOMPARE(stored.value("Postion/CalcMiniLeft"), QStringLiteral("-5"));
    QCOMPARE(stored.value("Postion/CalcMiniTop"), QStringLiteral("12"));
    QVERIFY(!stored.contains("Postion/MainLeft"));
}

void TestSettingsStore::preferencesWriteOrder()
{
    RecordingSink sink;
    WritePreferences(sink, everyValueChanged());
    QStringList expected;
    for (const char *prefix : {"ND", "DF", "PAL", "Film", "User", "Frames"}) {
        for (const char *value : {"FontName", "FontColor", "FontSize", "FontStyle", "GridColor"})
            expected << QStringLiteral("Font/") + QLatin1String(prefix) + QLatin1String(value);
    }
    for (const char *value : {"FontName", "FontColor", "FontSize", "FontStyle"})
        expected << QStringLiteral("Font/Print") + QLatin1String(value);
    for (const char *value : {"StartCombo", "TabCombo", "LabelCombo", "UserFrames", "Frames", "Validity",
                              "Descriptions", "Percentages", "FrameMode"})
        expected << QStringLiteral("StartWith/") + QLatin1String(value);
    QCOMPARE(sink.names, expected);
    QCOMPARE(sink.texts.mid(sink.texts.size() - 9),
             (QStringList{"3", "1", "2", "24", "29.97", "0", "1", "0", "1"}));
}

void TestSettingsStore::layoutWriteOrder()
{
    RecordingSink sink;
    WritePositionsAndGrid(sink, everyValueChanged());
    QCOMPARE(sink.names, (QStringList{"Postion/MainLeft", "Postion/MainTop", "Grid/1A", "Grid/1B", "Grid/1C", "Grid/1D",
                                      "Grid/1E", "Grid/1F", "Grid/1G", "Postion/CalcMiniLeft", "Postion/CalcMiniTop"}));
    QCOMPARE(sink.texts, (QStringList{"-40", "7", "90", "13", "91", "14", "92", "17", "150", "640", "480"}));
}

void TestSettingsStore::functionNames()
{
    std::array<QString, 12> memories;
    for (std::size_t i = 0; i < memories.size(); ++i)
        memories[i] = QStringLiteral("00:00:00:%1").arg(i + 1, 2, 10, QLatin1Char('0'));
    WriteFunctions(*OpenSettingsStore(), memories);
    const QMap<QString, QString> stored = m_store->values();
    QCOMPARE(stored.size(), 12);
    QCOMPARE(stored.value("Function/GF1"), QStringLiteral("00:00:00:01"));
    for (int key = 2; key <= 12; ++key)
        QCOMPARE(stored.value(QStringLiteral("Function/F%1").arg(key)), QStringLiteral("00:00:00:%1").arg(key, 2, 10, QLatin1Char('0')));
}

void TestSettingsStore::fontStyleCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikeOut");
    QTest::newRow("none") << 0 << false << false << false << false;
    QTest::newRow("bold") << 1 << true << false << false << false;
    QTest::newRow("italic") << 2 << false << true << false << false;
    QTest::newRow("underline") << 3 << false << false << true << false;
    QTest::newRow("strike-out") << 4 << false << false << false << true;
    QTest::newRow("bold italic") << 5 << true << true << false << false;
    QTest::newRow("bold underline") << 6 << true << false << true << false;
    QTest::newRow("bold strike-out") << 7 << true << false << false << true;
    QTest::newRow("italic underline") << 8 << false << true << true << false;
    QTest::newRow("italic strike-out") << 9 << false << true << false << true;
    QTest::newRow("underline strike-out") << 10 << false << false << true << true;
    QTest::newRow("bold italic underline") << 11 << true << true << true << false;
    QTest::newRow("bold italic strike-out") << 12 << true << true << false << true;
    QTest::newRow("bold underline strike-out") << 13 << true << false << true << true;
    QTest::newRow("italic underline strike-out") << 14 << false << true << true << true;
    QTest::newRow("all four") << 15 << true << true << true << true;
}

void TestSettingsStore::fontStyleCodes()
{
    QFETCH(int, code);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strikeOut);
    QCOMPARE(FontStyleCode(bold, italic, underline, strikeOut), code);

    QFont font;
    font.setBold(!bold);
    font.setItalic(!italic);
    font.setUnderline(!underline);
    font.setStrikeOut(!strikeOut);
    DecodeFontStyle(code, font);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.underline(), underline);
    QCOMPARE(font.strikeOut(), strikeOut);
    QCOMPARE(FontStyle(font), code);
}

void TestSettingsStore::styleCodesOutsideTheTableArePlain_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("16") << 16;
    QTest::newRow("-1") << -1;
    QTest::newRow("255") << 255;
}

void TestSettingsStore::styleCodesOutsideTheTableArePlain()
{
    QFETCH(int, code);
    QFont font;
    DecodeFontStyle(15, font);
    DecodeFontStyle(code, font);
    QVERIFY(!font.bold() && !font.italic() && !font.underline() && !font.strikeOut());
}

void TestSettingsStore::colourValues()
{
    QCOMPARE(ColourFromValue(0x800000), QColor(0, 0, 0x80));
    QCOMPARE(ColourFromValue(0x0000FF), QColor(0xFF, 0, 0));
    QCOMPARE(ColourFromValue(0x123456), QColor(0x56, 0x34, 0x12));
    const QPalette palette = QGuiApplication::palette();
    QCOMPARE(ColourFromValue(0x80000005), palette.color(QPalette::Base));
    QCOMPARE(ColourFromValue(0x8000000F), palette.color(QPalette::Button));
    QCOMPARE(ColourFromValue(0x8000000D), palette.color(QPalette::Highlight));
    QVERIFY(ColourFromValue(0x800000FF).isValid());
    QCOMPARE(ValueFromColour(QColor(1, 2, 3)), 0x030201);
    QCOMPARE(ValueFromColour(QColor(0, 0, 0x80)), 0x800000);
}

void TestSettingsStore::gridColourList()
{
    QCOMPARE(QStringList(GridColourNames().begin(), GridColourNames().end()),
             (QStringList{"Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray", "Silver", "Red",
                          "Lime", "Blue", "Fuchsia", "Aqua", "White", "Window"}));
    QCOMPARE(GridColour(QStringLiteral("Navy")), QColor(0, 0, 0x80));
    QCOMPARE(GridColour(QStringLiteral("Maroon")), QColor(0x80, 0, 0));
    QCOMPARE(GridColour(QStringLiteral("Teal")), QColor(0, 0x80, 0x80));
    QCOMPARE(GridColour(QStringLiteral("Aqua")), QColor(0, 0xFF, 0xFF));
    QCOMPARE(GridColour(QStringLiteral("Window")), QGuiApplication::palette().color(QPalette::Base));
    QCOMPARE(GridColourValue(QStringLiteral("Window")), std::optional<std::int64_t>(0x80000005));
    QVERIFY(!GridColour(QStringLiteral("window")).isValid());
    QVERIFY(!GridColour(QStringLiteral("NAVY")).isValid());
    QVERIFY(!GridColour(QStringLiteral("Yellow")).isValid());
    QVERIFY(!GridColourValue(QString()));
}

void TestSettingsStore::rateTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("user"); // 0: no user rate
    QTest::addColumn<double>("frames"); // 0: no Frames rate

    QTest::newRow("30") << "30" << 30LL << 30.0;
    QTest::newRow("1") << "1" << 1LL << 1.0;
    QTest::newRow("07") << "07" << 7LL << 7.0;
    QTest::newRow("00") << "00" << 1LL << 0.0;
    QTest::newRow("0") << "0" << 0LL << 0.0;
    QTest::newRow("empty") << "" << 0LL << 0.0;
    QTest::newRow("99") << "99" << 99LL << 99.0;
    QTest::newRow("100") << "100" << 0LL << 100.0;
    QTest::newRow("29.97") << "29.97" << 0LL << 29.97;
    QTest::newRow("23.976 is six characters") << "23.976" << 0LL << 0.0;
    QTest::newRow("trailing point") << "29." << 0LL << 29.0;
    QTest::newRow("leading point") << ".5" << 0LL << 0.5;
    QTest::newRow("lone point") << "." << 0LL << 0.0;
    QTest::newRow("two points") << "2.9.7" << 0LL << 0.0;
    QTest::newRow("points only") << ".." << 0LL << 0.0;
    QTest::newRow("zero fraction") << "0.00" << 0LL << 0.0;
    QTest::newRow("sign") << "-5" << 0LL << 0.0;
    QTest::newRow("blank") << " 5" << 0LL << 0.0;
    QTest::newRow("exponent") << "1e3" << 0LL << 0.0;
}

void TestSettingsStore::rateTexts()
{
    QFETCH(QString, text);
    QFETCH(qlonglong, user);
    QFETCH(double, frames);
    QCOMPARE(UserRateValue(text).value_or(0), user);
    QCOMPARE(FramesRateValue(text).value_or(0.0), frames);
}

void TestSettingsStore::fontsRoundTrip()
{
    const FontSetting setting{QStringLiteral("DejaVu Serif"), 0x00FF00, 14, 11};
    const QFont font = FontFromSetting(setting);
    QCOMPARE(font.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold() && font.italic() && font.underline() && !font.strikeOut());
    QCOMPARE(SettingFromFont(font, 0x00FF00), setting);
    // A size the store cannot use falls back to the default size.
    QCOMPARE(FontFromSetting({QStringLiteral("Arial"), 0, 0, 0}).pointSize(), 11);
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
