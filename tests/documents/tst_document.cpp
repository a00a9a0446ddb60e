// The document format without a window: reading well-formed and malformed files, writing, round trips,
// the in-place editor's cell rules, and the text export's lines (its subheadings are checked in the window).
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include "documents/celltext.h"
#include "documents/document.h"
#include "documents/exportformat.h"
#include "tests/documents/documenttext.h"

namespace {

const QByteArrayList kHead2{"CorvaneFile", "2"};
const QByteArray kRow1 = "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4 ";
const QString kCells1 = QStringLiteral("00:00:10:00|+|00:00:05:00|=|00:00:15:00||Scene 4");
const QByteArray kRow2 = "00:01:00:00 - 00:00:00:10 = 00:00:59:20  take 2  with spaces  ";
const QString kCells2 = QStringLiteral("00:01:00:00|-|00:00:00:10|=|00:00:59:20||take 2  with spaces ");

// Restores the default locale a test changed.
class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(m_saved); }
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    QLocale m_saved;
};

} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void readSound_data();
    void readSound();
    void readMalformed_data();
    void readMalformed();
    void readSeeds();
    void write_data();
    void write();
    void framesFpsText_data();
    void framesFpsText();
    void framesHeaderUsesDecimalSeparator();
    void roundTrip_data();
    void roundTrip();
    void cellTextFits_data();
    void cellTextFits();
    void cellValidatorRefusesTyping();
    void exportText_data();
    void exportText();
};

void TestDocument::readSound_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("well-formed") << Document(kHead2, {kRow1, kRow2}) << qint64(2) << InAllModes({kCells1, kCells2});
    QTest::newRow("auxiliary cell emptied")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3 aux note "}) << qint64(1) << InAllModes({"1|+|2|=|3||note"});
    QTest::newRow("no description") << Document({"CorvaneFile", "1"}, {"1 + 2 = 3   "}) << qint64(1)
                                    << InAllModes({"1|+|2|=|3||"});
    QTest::newRow("description of spaces")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3     "}) << qint64(1) << InAllModes({"1|+|2|=|3||  "});
    QTest::newRow("description with leading space")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3    lead "}) << qint64(1) << InAllModes({"1|+|2|=|3||  lead"});
    QTest::newRow("description without separator space")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3  bare"}) << qint64(1) << InAllModes({"1|+|2|=|3||bare"});
    QTest::newRow("description cut to 100 characters")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3  " + QByteArray(150, 'd') + ' '}) << qint64(1)
        << InAllModes({"1|+|2|=|3||" + QString(100, QLatin1Char('d'))});
    QTest::newRow("empty fields") << Document({"CorvaneFile", "1"}, {"       "}) << qint64(1)
                                  << InAllModes({"||||||"});
    QTest::newRow("20-character field")
        << Document({"CorvaneFile", "1"}, {"12345678901234567890 + 2 = 3   "}) << qint64(1)
        << InAllModes({"12345678901234567890|+|2|=|3||"});
    QTest::newRow("20 two-byte characters in a field")
        << Document({"CorvaneFile", "1"}, {QString(20, QChar(0xE9)).toUtf8() + " + 2 = 3   "}) << qint64(1)
        << InAllModes({QString(20, QChar(0xE9)) + "|+|2|=|3||"});
    QTest::newRow("characters beyond the BMP")
        << Document({"CorvaneFile", "1"}, {"\xF0\x9F\x8E\xAC + 2 = 3  caf\xC3\xA9 \xF0\x9F\x8E\xAC "}) << qint64(1)
        << InAllModes({QString::fromUtf8("\xF0\x9F\x8E\xAC|+|2|=|3||caf\xC3\xA9 \xF0\x9F\x8E\xAC")});
    QTest::newRow("byte that is not UTF-8 kept as a replacement")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3  caf\xE9 "}) << qint64(1)
        << InAllModes({QStringLiteral("1|+|2|=|3||caf\uFFFD")});
    QTest::newRow("older layout") << Document({"CorvaneSave", "2"}, {"1 + 2 = 3 ", "4 - 5 = -1 extra words "})
                                  << qint64(2) << InAllModes({"1|+|2|=|3||", "4|-|5|=|-1||"});
    QTest::newRow("signature followed by more") << Document({"CorvaneFile version 2", "1"}, {"1 + 2 = 3   "})
                                                << qint64(1) << InAllModes({"1|+|2|=|3||"});
    QTest::newRow("empty document") << Document({"CorvaneFile", "0"}, QByteArrayList{}) << qint64(0) << QStringList();
    QTest::newRow("count with leading zeros") << Document({"CorvaneFile", "0001"}, {"1 + 2 = 3   "}) << qint64(1)
                                              << InAllModes({"1|+|2|=|3||"});
    QTest::newRow("only 11 characters of the count line count")
        << Document({"CorvaneFile", "1          9"}, {"1 + 2 = 3   "}) << qint64(1) << InAllModes({"1|+|2|=|3||"});
    QTest::newRow("line feeds without carriage returns")
        << Document(kHead2, {kRow1, kRow2}).replace("\r\n", "\n") << qint64(2) << InAllModes({kCells1, kCells2});
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + Document({"CorvaneFile", "1"}, {"1 + 2 = 3   "})
                                     << qint64(1) << InAllModes({"1|+|2|=|3||"});
    QTest::newRow("last empty line missing") << Document({"CorvaneFile", "1"}, {"1 + 2 = 3   "}).chopped(2)
                                             << qint64(1) << InAllModes({"1|+|2|=|3||"});
    QTest::newRow("anything after the last section ignored")
        << Document({"CorvaneFile", "1"}, {"1 + 2 = 3   "}) + "trailing\r\nlines" << qint64(1)
        << InAllModes({"1|+|2|=|3||"});

    QList<QByteArrayList> modes;
    QStringList expected;
    for (int mode = 0; mode < kModeCount; ++mode) {
        modes << QByteArrayList{QByteArray::number(mode) + " x 2 = r" + QByteArray::number(mode) + "  m "};
        expected << QStringLiteral("%1: %1|x|2|=|r%1||m").arg(mode);
    }
    QTest::newRow("each section into its own log") << SectionsDocument({"CorvaneFile", "1"}, modes) << qint64(1) << expected;
}

void TestDocument::readSound()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, count);
    QFETCH(QStringList, cells);

    const DocumentReadResult result = ReadDocument(bytes);
    QVERIFY2(result.document, qPrintable(result.error));
    QCOMPARE(result.document->CalcCount, count);
    QCOMPARE(Flatten(*result.document), cells);
}

void TestDocument::readMalformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // the message starts with this

    const QString notCorvane = QStringLiteral("Not a Corvane file!");
    QTest::newRow("empty file") << QByteArray() << notCorvane;
    QTest::newRow("other signature") << Document({"CorvaneText", "1"}, {"1 + 2 = 3   "}) << notCorvane;
    QTest::newRow("signature cut short") << QByteArray("CorvaneFil\r\n0\r\n") << notCorvane;
    QTest::newRow("signature in lower case") << Document({"corvanefile", "0"}, QByteArrayList{}) << notCorvane;
    QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << notCorvane;
    QTest::newRow("binary after the signature")
        << Document({"CorvaneFile", "1"}, {QByteArray("1 + 2 = 3  \0\x01\x02 ", 15)}) << "Line 4 holds binary data";
    QTest::newRow("count line missing") << QByteArray("CorvaneFile\r\n") << "Line 2: the count of calculations is missing";
    QTest::newRow("count not a number") << Document({"CorvaneFile", "two"}, {"1 + 2 = 3   "})
                                        << "Line 2: \"two\" is not a count";
    QTest::newRow("count negative") << Document({"CorvaneFile", "-1"}, QByteArrayList{}) << "Line 2: \"-1\" is not a count";
    QTest::newRow("count empty") << Document({"CorvaneFile", ""}, QByteArrayList{}) << "Line 2: \"\" is not a count";
    QTest::newRow("count with a fraction") << Document({"CorvaneFile", "1.5"}, {"1 + 2 = 3   "})
                                           << "Line 2: \"1.5\" is not a count";
    QTest::newRow("count absurdly large") << Document({"CorvaneFile", "99999999999"}, {"1 + 2 = 3   "})
                                          << "Line 2: the document claims 99999999999 calculations";
    QTest::newRow("sections missing") << QByteArray("CorvaneFile\r\n0\r\nNonDropFrame Timecode\r\n\r\n")
                                      << "Line 5: the document ends before its six sections do";
    QTest::newRow("count beyond the rows of every section")
        << Document({"CorvaneFile", "3"}, {kRow1, kRow2}) << "Line 2: the document claims 3 calculations";
    QTest::newRow("too few row lines in one section")
        << SectionsDocument(kHead2, {{kRow1, kRow2}, {kRow1, kRow2}, {kRow1}, {kRow1, kRow2}, {kRow1, kRow2}, {kRow1, kRow2, kRow1}})
        << "Line 13 has 0 of the 6 fields";
    QTest::newRow("more rows than the count") << Document({"CorvaneFile", "1"}, {kRow1, kRow2})
                                              << "Line 5 should be the empty line that ends section 1";
    QTest::newRow("row with too few fields") << Document({"CorvaneFile", "1"}, {"1 + 2 = 3"}) << "Line 4 has 4 of the 6 fields";
    QTest::newRow("row of the older layout with too few fields")
        << Document({"CorvaneSave", "1"}, {"1 + 2 ="}) << "Line 4 has 3 of the 5 fields";
    QTest::newRow("field over 20 characters")
        << Document({"CorvaneFile", "1"}, {"1 + 123456789012345678901 = 3   "}) << "Line 4: field 3 (\"123456789012345678901\")";
    QTest::newRow("field of 11 characters beyond the BMP")
        << Document({"CorvaneFile", "1"}, {QByteArray("\xF0\x9F\x8E\xAC").repeated(11) + " + 2 = 3   "})
        << "Line 4: field 1";
    QTest::newRow("fault in the last section named")
        << SectionsDocument({"CorvaneFile", "1"}, {{"1 + 2 = 3   "}, {"1 + 2 = 3   "}, {"1 + 2 = 3   "},
                                                                {"1 + 2 = 3   "}, {"1 + 2 = 3   "}, {"1+2=3"}})
        << "Line 19 has 0 of the 6 fields";
}

void TestDocument::readMalformed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    const DocumentReadResult result = ReadDocument(bytes);
    QVERIFY(!result.document);
    QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
}

// The fuzz target's seeds are sound documents.
void TestDocument::readSeeds()
{
    const QDir dir(QStringLiteral(CORVANE_DOCUMENT_CASES "/seeds"));
    const QStringList names = dir.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const DocumentReadResult result = ReadDocument(file.readAll());
        QVERIFY2(result.document, qPrintable(name + QStringLiteral(": ") + result.error));
    }
}

void TestDocument::write_data()
{
    QTest::addColumn<QStringList>("rows"); // in every log
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("example row, Frames section trimmed")
        << QStringList{"00:00:10:00|+|00:00:05:00|=|00:00:15:00||Scene 4  "} << qint64(1)
        << CrLf({"CorvaneFile", "1", "NonDropFrame Timecode", "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4   ", "",
                 "DropFrame Timecode", "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4   ", "", "PAL Timecode",
                 "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4   ", "", "Film Timecode",
                 "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4   ", "", "User (30fps) Timecode",
                 "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4   ", "", "Frames (29.97fps)",
                 "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4 ", ""});
    QTest::newRow("empty document")
        << QStringList() << qint64(0)
        << CrLf({"CorvaneFile", "0", "NonDropFrame Timecode", "", "DropFrame Timecode", "", "PAL Timecode", "",
                 "Film Timecode", "", "User (30fps) Timecode", "", "Frames (29.97fps)", ""});
    QTest::newRow("rows the logs lack written empty")
        << QStringList{"1|+|2|=|3|aux|d"} << qint64(2)
        << CrLf({"CorvaneFile", "2", "NonDropFrame Timecode", "1 + 2 = 3 aux d ", "       ", "", "DropFrame Timecode",
                 "1 + 2 = 3 aux d ", "       ", "", "PAL Timecode", "1 + 2 = 3 aux d ", "       ", "", "Film Timecode",
                 "1 + 2 = 3 aux d ", "       ", "", "User (30fps) Timecode", "1 + 2 = 3 aux d ", "       ", "",
                 "Frames (29.97fps)", "1 + 2 = 3 aux d ", "       ", ""});
    QTest::newRow("Frames description keeps inner spaces")
        << QStringList{"300|+|150|=|450||Scene 4 take 2"} << qint64(1)
        << CrLf({"CorvaneFile", "1", "NonDropFrame Timecode", "300 + 150 = 450  Scene 4 take 2 ", "",
                 "DropFrame Timecode", "300 + 150 = 450  Scene 4 take 2 ", "", "PAL Timecode",
                 "300 + 150 = 450  Scene 4 take 2 ", "", "Film Timecode", "300 + 150 = 450  Scene 4 take 2 ", "",
                 "User (30fps) Timecode", "300 + 150 = 450  Scene 4 take 2 ", "", "Frames (29.97fps)",
                 "300 + 150 = 450  Scene 4 take 2 ", ""});
}

void TestDocument::write()
{
    QFETCH(QStringList, rows);
    QFETCH(qint64, count);
    QFETCH(QByteArray, expected);

    LocaleGuard locale(QLocale::c());
    std::array<LogRows, kModeCount> logs;
    logs.fill(Rows(rows));
    DocumentLogs source = LogsOf(logs, count);
    source.UserFps = 30;
    source.FramesFps = 29.97;
    QCOMPARE(WriteDocument(source), expected);
}

void TestDocument::framesFpsText_data()
{
    QTest::addColumn<double>("fps");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 30.0 << "30";
    QTest::newRow("NTSC") << 29.97 << "29.97";
    QTest::newRow("film NTSC") << 23.976 << "23.976";
    QTest::newRow("shortest form that reads back") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("no group separator") << 12345.5 << "12345.5";
}

void TestDocument::framesFpsText()
{
    QFETCH(double, fps);
    QFETCH(QString, text);
    LocaleGuard locale(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(FramesFpsText(fps), text);
}

void TestDocument::framesHeaderUsesDecimalSeparator()
{
    LocaleGuard locale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(SectionHeader(5, 15, 29.97), QStringLiteral("Frames (29,97fps)"));
    QCOMPARE(SectionHeader(4, 30, 29.97), QStringLiteral("User (30fps) Timecode"));
    QCOMPARE(ExportSubheading(5, 15, 12345.5), QStringLiteral("Frames - 12345,5fps"));
}

void TestDocument::roundTrip_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("framesDescription"); // as the Frames log reads it back

    QTest::newRow("none") << "" << "";
    QTest::newRow("plain") << "Scene 4" << "Scene 4";
    QTest::newRow("inner spaces") << "take 2  with   gaps" << "take 2  with   gaps";
    QTest::newRow("trailing spaces") << "end  " << "end";
    QTest::newRow("leading spaces") << "  start" << "  start";
    QTest::newRow("only spaces") << "   " << "";
    QTest::newRow("100 characters") << QString(99, QLatin1Char('x')) + QLatin1Char(' ') << QString(99, QLatin1Char('x'));
    QTest::newRow("tab and unicode") << QStringLiteral("caf\u00E9\t\u20AC 5") << QStringLiteral("caf\u00E9\t\u20AC 5");
    QTest::newRow("beyond the BMP") << QString::fromUtf8("\xF0\x9F\x8E\xAC clap") << QString::fromUtf8("\xF0\x9F\x8E\xAC clap");
}

void TestDocument::roundTrip()
{
    QFETCH(QString, description);
    QFETCH(QString, framesDescription);

    // Every mode's rows differ, fields go to the 20-character limit, and the auxiliary cell holds text.
    std::array<LogRows, kModeCount> logs;
    for (int mode = 0; mode < kModeCount; ++mode) {
        logs[static_cast<std::size_t>(mode)] = Rows({
            QStringLiteral("00:00:10:0%1|+|00:00:05:00|=|00:00:15:00|aux|").arg(mode) + description,
            QStringLiteral("50|%|12345678901234567890|=|-0:0-1:0-2:0-3||row 2 %1").arg(mode),
            QStringLiteral("|||||x|"),
        });
    }
    const DocumentReadResult result = ReadDocument(WriteDocument(LogsOf(logs, 3)));
    QVERIFY2(result.document, qPrintable(result.error));
    QCOMPARE(result.document->CalcCount, 3);

    std::array<LogRows, kModeCount> expected = logs;
    for (LogRows &rows : expected) {
        for (LogRow &row : rows)
            row[5].clear();
    }
    expected[5][0][6] = framesDescription.toStdString();
    CalcDocument want;
    want.logs = expected;
    want.CalcCount = 3;
    QCOMPARE(Flatten(*result.document), Flatten(want));

    // Once read, a document saves to the same bytes again and again.
    const QByteArray once = WriteDocument(LogsOf(result.document->logs, 3));
    const DocumentReadResult again = ReadDocument(once);
    QVERIFY(again.document);
    QCOMPARE(WriteDocument(LogsOf(again.document->logs, 3)), once);
}

void TestDocument::cellTextFits_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");

    QTest::newRow("timecode") << 0 << "00:00:10:00" << true;
    QTest::newRow("empty") << 2 << "" << true;
    QTest::newRow("20 characters") << 4 << QString(20, QLatin1Char('9')) << true;
    QTest::newRow("21 characters") << 4 << QString(21, QLatin1Char('9')) << false;
    QTest::newRow("space in a value") << 0 << "00 00" << false;
    QTest::newRow("space in the auxiliary cell") << 5 << "a b" << false;
    QTest::newRow("space in a description") << 6 << "Scene 4 take 2" << true;
    QTest::newRow("100-character description") << 6 << QString(100, QLatin1Char('d')) << true;
    QTest::newRow("101-character description") << 6 << QString(101, QLatin1Char('d')) << false;
    QTest::newRow("21-character description") << 6 << QString(21, QLatin1Char('d')) << true;
    QTest::newRow("line feed") << 6 << "a\nb" << false;
    QTest::newRow("carriage return") << 1 << "a\rb" << false;
    QTest::newRow("zero character") << 6 << QString(QChar::Null) << false;
}

void TestDocument::cellTextFits()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(CellTextFits(column, text), fits);
    QCOMPARE(CellMaxLength(column), column == 6 ? 100 : 20);
}

void TestDocument::cellValidatorRefusesTyping()
{
    QLineEdit value;
    value.setValidator(new CellTextValidator(0, &value));
    QTest::keyClicks(&value, QStringLiteral("00 00:10 ") + QString(20, QLatin1Char('1')));
    QCOMPARE(value.text(), QStringLiteral("0000:10") + QString(13, QLatin1Char('1')));

    QLineEdit description;
    description.setValidator(new CellTextValidator(6, &description));
    QTest::keyClicks(&description, QStringLiteral("Scene 4 ") + QString(100, QLatin1Char('x')));
    QCOMPARE(description.text(), QStringLiteral("Scene 4 ") + QString(92, QLatin1Char('x')));
}

void TestDocument::exportText_data()
{
    QTest::addColumn<int>("radio");
    QTest::addColumn<bool>("descriptions");
    QTest::addColumn<bool>("headings");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("subheading");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QByteArray>("expected");

    const QString sub = QStringLiteral("30 fps Non-Drop Frame");
    QTest::newRow("headings and descriptions")
        << 0 << true << true << "Timecode Data" << sub << qint64(2)
        << CrLf({"Timecode Data", "30 fps Non-Drop Frame", "00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4  ",
                 "00:01:00:00 - 00:00:00:10 = 00:00:59:20 aux  "});
    QTest::newRow("without descriptions") << 0 << false << true << "Timecode Data" << sub << qint64(2)
                                          << CrLf({"Timecode Data", "30 fps Non-Drop Frame",
                                                   "00:00:10:00 + 00:00:05:00 = 00:00:15:00 ",
                                                   "00:01:00:00 - 00:00:00:10 = 00:00:59:20 "});
    QTest::newRow("headings unchecked") << 0 << true << false << "Timecode Data" << sub << qint64(1)
                                        << CrLf({"00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4  "});
    QTest::newRow("headings checked but empty") << 0 << false << true << "" << "" << qint64(1)
                                                << CrLf({"00:00:10:00 + 00:00:05:00 = 00:00:15:00 "});
    QTest::newRow("only the subheading") << 0 << false << true << "" << sub << qint64(1)
                                         << CrLf({"30 fps Non-Drop Frame", "00:00:10:00 + 00:00:05:00 = 00:00:15:00 "});
    QTest::newRow("Frames log trimmed") << 5 << true << false << "" << "" << qint64(2)
                                        << CrLf({"00:00:10:00 + 00:00:05:00 = 00:00:15:00  Scene 4 ",
                                                 "00:01:00:00 - 00:00:00:10 = 00:00:59:20 aux  "});
    QTest::newRow("no calculations, headings") << 0 << true << true << "Timecode Data" << sub << qint64(0)
                                               << CrLf({"Timecode Data", "30 fps Non-Drop Frame"});
    QTest::newRow("no calculations, no headings") << 0 << true << false << "Timecode Data" << sub << qint64(0)
                                                  << QByteArray();
    QTest::newRow("row the log lacks") << 0 << false << false << "" << "" << qint64(3)
                                       << CrLf({"00:00:10:00 + 00:00:05:00 = 00:00:15:00 ",
                                                "00:01:00:00 - 00:00:00:10 = 00:00:59:20 ", "     "});
}

void TestDocument::exportText()
{
    QFETCH(int, radio);
    QFETCH(bool, descriptions);
    QFETCH(bool, headings);
    QFETCH(QString, heading);
    QFETCH(QString, subheading);
    QFETCH(qint64, count);
    QFETCH(QByteArray, expected);

    const LogRows rows = Rows({"00:00:10:00|+|00:00:05:00|=|00:00:15:00||Scene 4 ",
                               "00:01:00:00|-|00:00:00:10|=|00:00:59:20|aux|"});
    const ExportSettings options{radio, descriptions, headings, heading, subheading};
    QCOMPARE(ExportText(RowsOf(rows), count, options), expected);
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
