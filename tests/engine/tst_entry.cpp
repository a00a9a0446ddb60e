// Digit entry in a timecode field: shift entry, overwrite, Backspace, the caret step and ".".
#include <QtTest>

#include "engine/entry.h"
#include "tests/engine/qtstd.h"

namespace {

struct Typed {
    QString text;
    int caret;
    int selectionLength;
};

Typed TypeAll(const QString &start, int caret, int selectionStart, int selectionLength, const QString &keys)
{
    EntryField field = EntryFromText(s(start), caret, selectionStart, selectionLength);
    for (QChar key : keys)
        field = TypeKey(field, key.toLatin1());
    if (field.selectionStart != field.caret)
        qFatal("selection does not start at the caret");
    return {q(EntryText(field.digits, ':')), field.caret, field.selectionLength};
}

} // namespace

class TestEntry : public QObject {
    Q_OBJECT

private slots:
    void digitIndexOfCaret_data();
    void digitIndexOfCaret();
    void keys_data();
    void keys();
    void typingOneToFourStepByStep();
    void fieldFromText_data();
    void fieldFromText();
    void textWithSeparator();
};

void TestEntry::digitIndexOfCaret_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("index");
    const int expected[] = {0, 1, -1, 2, 3, -1, 4, 5, -1, 6, 7, -1};
    for (int caret = 0; caret <= 11; ++caret)
        QTest::addRow("caret %d", caret) << caret << expected[caret];
    QTest::newRow("before the field") << -1 << -1;
    QTest::newRow("past the field") << 12 << -1;
}

void TestEntry::digitIndexOfCaret()
{
    QFETCH(int, caret);
    QFETCH(int, index);
    QCOMPARE(DigitIndexOfCaret(caret).value_or(-1), index);
}

void TestEntry::keys_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<int>("selectionAfter");

    // Whole text selected, as when the field is entered: the first digit starts from zero.
    QTest::newRow("1 2 3 4 into a fresh field") << "98:76:54:32" << 11 << 0 << 11 << "1234" << "00:00:12:34" << 11 << 0;
    QTest::newRow("Tab then 5") << "12:34:56:78" << 11 << 0 << 11 << "5" << "00:00:00:05" << 11 << 0;
    QTest::newRow("Backspace after 1 2 3 4") << "00:00:00:00" << 11 << 0 << 11 << "1234\b" << "00:00:01:23" << 11 << 0;
    QTest::newRow("dot after 12") << "00:00:00:00" << 11 << 0 << 11 << "12." << "00:00:12:00" << 11 << 0;
    QTest::newRow("dot alone") << "00:00:00:12" << 11 << 11 << 0 << "." << "00:00:12:00" << 11 << 0;
    QTest::newRow("nine digits shift the first out") << "00:00:00:00" << 11 << 11 << 0 << "123456789" << "23:45:67:89" << 11 << 0;

    // Inside the field digits overwrite, and the caret skips the separators.
    QTest::newRow("caret 4 then 7") << "12:34:56:78" << 4 << 4 << 0 << "7" << "12:37:56:78" << 6 << 1;
    QTest::newRow("caret 0 then 9") << "12:34:56:78" << 0 << 0 << 0 << "9" << "92:34:56:78" << 1 << 1;
    QTest::newRow("caret 1 then 9 skips the colon") << "12:34:56:78" << 1 << 1 << 0 << "9" << "19:34:56:78" << 3 << 1;
    QTest::newRow("last digit then the end") << "12:34:56:78" << 10 << 10 << 0 << "9" << "12:34:56:79" << 11 << 0;
    QTest::newRow("overwrite on to the end") << "12:34:56:78" << 6 << 6 << 0 << "0000" << "12:34:00:00" << 11 << 0;
    QTest::newRow("highlighted digit is overwritten") << "12:34:56:78" << 7 << 6 << 1 << "0" << "12:34:06:78" << 7 << 1;
    QTest::newRow("digit before a separator only moves") << "12:34:56:78" << 2 << 2 << 0 << "9" << "12:34:56:78" << 3 << 1;
    QTest::newRow("dot inside overwrites two") << "12:34:56:78" << 0 << 0 << 0 << "." << "00:34:56:78" << 3 << 1;

    // Backspace with at most one character selected removes one digit; more zero the selection.
    QTest::newRow("Backspace at 11") << "12:34:56:78" << 11 << 11 << 0 << "\b" << "01:23:45:67" << 11 << 0;
    QTest::newRow("Backspace at 0") << "12:34:56:78" << 0 << 0 << 0 << "\b" << "02:34:56:78" << 0 << 1;
    QTest::newRow("Backspace at 4") << "12:34:56:78" << 4 << 4 << 0 << "\b" << "01:23:56:78" << 4 << 1;
    QTest::newRow("Backspace at 10") << "12:34:56:78" << 10 << 10 << 0 << "\b" << "01:23:45:67" << 10 << 1;
    QTest::newRow("Backspace on a highlighted digit") << "12:34:56:78" << 7 << 6 << 1 << "\b" << "01:23:46:78" << 6 << 1;
    QTest::newRow("Backspace at 2") << "12:34:56:78" << 2 << 2 << 0 << "\b" << "02:34:56:78" << 3 << 1;
    QTest::newRow("Backspace at 8") << "12:34:56:78" << 8 << 8 << 0 << "\b" << "02:34:56:78" << 9 << 1;
    QTest::newRow("Backspace on two digits") << "12:34:56:78" << 5 << 3 << 2 << "\b" << "12:00:56:78" << 3 << 1;
    QTest::newRow("Backspace across a separator") << "12:34:56:78" << 8 << 4 << 4 << "\b" << "12:30:00:78" << 4 << 1;
    QTest::newRow("Backspace on everything") << "12:34:56:78" << 11 << 0 << 11 << "\b" << "00:00:00:00" << 0 << 1;

    // Any other key only steps the caret and highlights one digit.
    QTest::newRow("operator at 5") << "12:34:56:78" << 5 << 5 << 0 << "+" << "12:34:56:78" << 6 << 1;
    QTest::newRow("letter at 3") << "12:34:56:78" << 3 << 3 << 0 << "a" << "12:34:56:78" << 3 << 1;
    QTest::newRow("letter at the end") << "12:34:56:78" << 11 << 11 << 0 << "I" << "12:34:56:78" << 11 << 0;
    QTest::newRow("Enter on a selected field") << "12:34:56:78" << 11 << 0 << 11 << "\r" << "12:34:56:78" << 0 << 1;
}

void TestEntry::keys()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, caretAfter);
    QFETCH(int, selectionAfter);
    const Typed typed = TypeAll(start, caret, selectionStart, selectionLength, keys);
    QCOMPARE(typed.text, text);
    QCOMPARE(typed.caret, caretAfter);
    QCOMPARE(typed.selectionLength, selectionAfter);
}

void TestEntry::typingOneToFourStepByStep()
{
    EntryField field = EntryFromText("00:00:00:00", 11, 0, 11);
    const char *shown[] = {"00:00:00:01", "00:00:00:12", "00:00:01:23", "00:00:12:34"};
    for (int i = 0; i < 4; ++i) {
        field = TypeKey(field, char('1' + i));
        QCOMPARE(q(EntryText(field.digits, ':')), QString(shown[i]));
        QCOMPARE(field.caret, 11);
    }
}

void TestEntry::fieldFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("caretRead");
    QTest::addColumn<int>("selectionStartRead");
    QTest::addColumn<int>("selectionLengthRead");
    QTest::newRow("colons") << "12:34:56:78" << 4 << 4 << 0 << "12345678" << 4 << 4 << 0;
    QTest::newRow("semicolons") << "12;34;56;78" << 11 << 0 << 11 << "12345678" << 11 << 0 << 11;
    QTest::newRow("blanks read as 0") << "1 :3_:56:78" << 0 << 0 << 0 << "10305678" << 0 << 0 << 0;
    QTest::newRow("short text padded") << "12:3" << 0 << 0 << 0 << "12300000" << 0 << 0 << 0;
    QTest::newRow("positions clamped") << "12:34:56:78" << 40 << -3 << 99 << "12345678" << 11 << 0 << 11;
    QTest::newRow("selection past the end clamped") << "12:34:56:78" << 11 << 9 << 5 << "12345678" << 11 << 9 << 2;
}

void TestEntry::fieldFromText()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, digits);
    QFETCH(int, caretRead);
    QFETCH(int, selectionStartRead);
    QFETCH(int, selectionLengthRead);
    const EntryField field = EntryFromText(s(text), caret, selectionStart, selectionLength);
    QCOMPARE(QString::fromLatin1(field.digits.data(), 8), digits);
    QCOMPARE(field.caret, caretRead);
    QCOMPARE(field.selectionStart, selectionStartRead);
    QCOMPARE(field.selectionLength, selectionLengthRead);
}

void TestEntry::textWithSeparator()
{
    const std::array<char, 8> digits{'0', '1', '2', '3', '4', '5', '6', '7'};
    QCOMPARE(q(EntryText(digits, ':')), QString("01:23:45:67"));
    QCOMPARE(q(EntryText(digits, ';')), QString("01;23;45;67"));
}

QTEST_APPLESS_MAIN(TestEntry)
#include "tst_entry.moc"
