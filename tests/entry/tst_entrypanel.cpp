// The entry row driven by keys: key programs, the key map of every field, recall, chained
// calculations, Frame Mode, focus rules, hints, colours and names.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "mainwindow/entrypanel.h"
#include "mainwindow/timecodeedit.h"
#include "tests/entry/fakeentryhost.h"

namespace {

// One key press per character: '\b' Backspace, '\r' Return, '\x1b' Escape. Keys go to whichever
// control has the focus at that moment, as the user's keys do.
void Type(const QString &keys)
{
    for (QChar c : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY2(target, "no control has the keyboard focus");
        switch (c.unicode()) {
        case u'\b':
            QTest::keyClick(target, Qt::Key_Backspace);
            break;
        case u'\r':
            QTest::keyClick(target, Qt::Key_Return);
            break;
        case 0x1b:
            QTest::keyClick(target, Qt::Key_Escape);
            break;
        default:
            QTest::keyClick(target, c.toLatin1());
            break;
        }
    }
}

QString FocusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Log rows whose cells tell where they came from: mode m gives 0m:01:00:00, 0m:02:00:00 and
// 0m:03:00:00 (";" on the drop-frame log), the Frames log 100, 200 and 300; a "%" row holds the
// percent 50 in cell 0.
std::array<LogRow, kModeCount> MadeUpRows(bool percent)
{
    std::array<LogRow, kModeCount> rows;
    const std::string op = percent ? "%" : "-";
    for (int m = 0; m < 5; ++m) {
        const char sep = m == 1 ? ';' : ':';
        auto tc = [&](char n) { return std::string{'0', char('0' + m), sep, '0', n, sep, '0', '0', sep, '0', '0'}; };
        rows[static_cast<std::size_t>(m)] = {percent ? "50" : tc('1'), op, tc('2'), "=", tc('3'), "", ""};
    }
    rows[5] = {percent ? "50" : "100", op, "200", "=", "300", "", ""};
    return rows;
}

} // namespace

class TestEntryPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeEntryHost> host;
    std::unique_ptr<QWidget> window;
    EntryPanel *panel = nullptr;

    QLineEdit *field(const QString &name) const { return panel->findChild<QLineEdit *>(name); }
    QWidget *control(const QString &name) const { return panel->findChild<QWidget *>(name); }
    // Tab into a control, as the user does.
    void enter(QWidget *w)
    {
        w->clearFocus();
        w->setFocus(Qt::TabFocusReason);
    }
    void setFrameMode(bool on)
    {
        host->frames = on;
        panel->setFrameFieldsVisible(on);
    }

private Q_SLOTS:
    void init();
    void cleanup();

    void typing_data();
    void typing();
    void dropFrameSeparator();
    void everyTypedKeyZeroesResult_data();
    void everyTypedKeyZeroesResult();
    void keyMap_data();
    void keyMap();
    void frameKeysZeroFrameDur_data();
    void frameKeysZeroFrameDur();
    void secondFieldChainsWithNewOperator();
    void frameOutChainsWithOperatorInForce();
    void rejectedChainLeavesFields();
    void openOperatorListTakesKeys();
    void recall_data();
    void recall();
    void recallWithoutCalculations();
    void places_data();
    void places();
    void loadEditAndInitLoads();
    void focusRules();
    void platformEditingNeverChangesTimecode();
    void chordsReachWindowShortcuts();
    void statusHints_data();
    void statusHints();
    void fieldColour();
    void captionsAndNames();
    void rowFitsItsTexts();
};

void TestEntryPanel::init()
{
    host = std::make_unique<FakeEntryHost>();
    window = std::make_unique<QWidget>();
    panel = new EntryPanel(*host, window.get());
    host->panel = panel;
    window->resize(panel->sizeHint());
    panel->resize(panel->sizeHint());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void TestEntryPanel::cleanup()
{
    window.reset();
    host.reset();
    panel = nullptr;
}

void TestEntryPanel::typing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");  // -1: entered by Tab, whole text selected
    QTest::addColumn<int>("length"); // selection from the caret
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<int>("lengthAfter");

    const QString zero = QStringLiteral("00:00:00:00");
    const QString full = QStringLiteral("12:34:56:78");
    QTest::newRow("1") << "MaskEdit1" << zero << -1 << 0 << "1" << "00:00:00:01" << 11 << 0;
    QTest::newRow("1 2") << "MaskEdit1" << zero << -1 << 0 << "12" << "00:00:00:12" << 11 << 0;
    QTest::newRow("1 2 3") << "MaskEdit1" << zero << -1 << 0 << "123" << "00:00:01:23" << 11 << 0;
    QTest::newRow("1 2 3 4") << "MaskEdit1" << zero << -1 << 0 << "1234" << "00:00:12:34" << 11 << 0;
    QTest::newRow("second field 1 2 3 4") << "MaskEdit2" << zero << -1 << 0 << "1234" << "00:00:12:34" << 11 << 0;
    QTest::newRow("1 2 3 4 Backspace") << "MaskEdit1" << zero << -1 << 0 << "1234\b" << "00:00:01:23" << 11 << 0;
    QTest::newRow("dot enters two zeros") << "MaskEdit2" << zero << -1 << 0 << "12." << "00:00:12:00" << 11 << 0;
    QTest::newRow("Tab entry then 5") << "MaskEdit1" << full << -1 << 0 << "5" << "00:00:00:05" << 11 << 0;
    QTest::newRow("Backspace at 11") << "MaskEdit1" << full << 11 << 0 << "\b" << "01:23:45:67" << 11 << 0;
    QTest::newRow("Backspace at 0") << "MaskEdit1" << full << 0 << 0 << "\b" << "02:34:56:78" << 0 << 1;
    QTest::newRow("Backspace at 2") << "MaskEdit2" << full << 2 << 0 << "\b" << "02:34:56:78" << 3 << 1;
    QTest::newRow("Backspace at 7") << "MaskEdit2" << full << 7 << 0 << "\b" << "01:23:45:78" << 7 << 1;
    QTest::newRow("caret 4 then 7") << "MaskEdit1" << full << 4 << 0 << "7" << "12:37:56:78" << 6 << 1;
    QTest::newRow("caret 4 then 7 9") << "MaskEdit1" << full << 4 << 0 << "79" << "12:37:96:78" << 7 << 1;
    QTest::newRow("digit before a separator") << "MaskEdit1" << full << 2 << 0 << "5" << full << 3 << 1;
    QTest::newRow("highlighted digit overwritten") << "MaskEdit2" << full << 9 << 1 << "0" << "12:34:56:08" << 10 << 1;
    QTest::newRow("selection Backspace zeroes it") << "MaskEdit1" << full << 3 << 5 << "\b" << "12:00:00:78" << 3 << 1;
    QTest::newRow("two characters Backspace") << "MaskEdit2" << full << 9 << 2 << "\b" << "12:34:56:00" << 9 << 1;
    QTest::newRow("whole text Backspace") << "MaskEdit1" << full << -1 << 0 << "\b" << zero << 0 << 1;
    QTest::newRow("other key keeps digits") << "MaskEdit1" << full << 5 << 0 << "q" << full << 6 << 1;
}

void TestEntryPanel::typing()
{
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(int, length);
    QFETCH(QString, keys);
    auto *edit = static_cast<TimecodeEdit *>(field(name));
    edit->setText(start);
    enter(edit);
    QCOMPARE(edit->selectedText(), edit->text());
    if (caret >= 0 && length > 0)
        edit->setSelection(caret, length);
    else if (caret >= 0)
        edit->setCursorPosition(caret);
    Type(keys);
    QTEST(edit->text(), "text");
    QTEST(edit->cursorPosition(), "caretAfter");
    QTEST(static_cast<int>(edit->selectedText().size()), "lengthAfter");
    QCOMPARE(FocusName(), name);
}

void TestEntryPanel::dropFrameSeparator()
{
    host->tab = 1;
    panel->setFieldSeparator(';');
    enter(panel->MaskEdit1);
    Type(QStringLiteral("1234."));
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("00;12;34;00"));
    QCOMPARE(panel->MaskEdit3->text(), QStringLiteral("00;00;00;00"));
    panel->setFieldSeparator(':');
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("00:12:34:00"));
}

void TestEntryPanel::everyTypedKeyZeroesResult_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    QTest::newRow("digit") << "MaskEdit1" << "5" << "00:00:00:00";
    QTest::newRow("dot") << "MaskEdit2" << "." << "00:00:00:00";
    QTest::newRow("Backspace") << "MaskEdit1" << "\b" << "00:00:00:00";
    QTest::newRow("other key") << "MaskEdit2" << "q" << "00:00:00:00";
    QTest::newRow("Escape") << "MaskEdit1" << "\x1b" << "00:00:00:00";
    QTest::newRow("number field leaves it") << "FrameIn" << "5" << "01:02:03:04";
}

void TestEntryPanel::everyTypedKeyZeroesResult()
{
    QFETCH(QString, name);
    QFETCH(QString, keys);
    setFrameMode(name.startsWith(QLatin1String("Frame")));
    panel->MaskEdit3->setText(QStringLiteral("01:02:03:04"));
    enter(field(name));
    QTest::keyClick(field(name), Qt::Key_Left); // caret keys are no typed keys
    QCOMPARE(panel->MaskEdit3->text(), QStringLiteral("01:02:03:04"));
    Type(keys);
    QTEST(panel->MaskEdit3->text(), "result");
}

void TestEntryPanel::keyMap_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("op");       // operator before the key
    QTest::addColumn<bool>("frames");  // Frame Mode
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("opAfter");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("percent"); // the percentage field shown
    QTest::addColumn<int>("calculations");
    QTest::addColumn<QString>("text"); // the keyed field's text afterwards; empty: not checked

    const QString any;
    // The first timecode field.
    QTest::newRow("first +") << "MaskEdit1" << 1 << false << "+" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("first -") << "MaskEdit1" << 0 << false << "-" << 1 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("first *") << "MaskEdit1" << 0 << false << "*" << 2 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("first /") << "MaskEdit1" << 0 << false << "/" << 3 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("first ~") << "MaskEdit1" << 0 << false << "~" << 5 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("first grave") << "MaskEdit1" << 0 << false << "`" << 5 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("first %") << "MaskEdit1" << 0 << false << "%" << 4 << "MaskEdit4" << true << 0 << any;
    QTest::newRow("first Enter") << "MaskEdit1" << 1 << false << "\r" << 1 << "MaskEdit1" << false << 1 << "00:00:10:00";
    QTest::newRow("first =") << "MaskEdit1" << 1 << false << "=" << 1 << "MaskEdit1" << false << 1 << any;
    QTest::newRow("first space") << "MaskEdit1" << 1 << false << " " << 1 << "OperandCombo" << false << 0 << any;
    QTest::newRow("first x is a letter") << "MaskEdit1" << 1 << false << "x" << 1 << "MaskEdit1" << false << 0 << "00:00:10:00";
    QTest::newRow("first other key") << "MaskEdit1" << 1 << false << "q" << 1 << "MaskEdit1" << false << 0 << "00:00:10:00";
    // The second timecode field.
    QTest::newRow("second +") << "MaskEdit2" << 1 << false << "+" << 0 << "MaskEdit2" << false << 1 << any;
    QTest::newRow("second ~") << "MaskEdit2" << 0 << false << "~" << 5 << "MaskEdit2" << false << 1 << any;
    QTest::newRow("second %") << "MaskEdit2" << 0 << false << "%" << 4 << "MaskEdit4" << true << 0 << any;
    QTest::newRow("second Enter") << "MaskEdit2" << 1 << false << "\r" << 1 << "MaskEdit1" << false << 1 << any;
    QTest::newRow("second =") << "MaskEdit2" << 1 << false << "=" << 1 << "MaskEdit1" << false << 1 << any;
    QTest::newRow("second space") << "MaskEdit2" << 1 << false << " " << 1 << "MaskEdit1" << false << 1 << any;
    QTest::newRow("second other key") << "MaskEdit2" << 1 << false << "q" << 1 << "MaskEdit2" << false << 0 << "00:00:05:00";
    // The operator list: every key but the operators, "%", Enter and "=" stands for "+".
    QTest::newRow("list digit") << "OperandCombo" << 1 << false << "5" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list dot") << "OperandCombo" << 1 << false << "." << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list Backspace") << "OperandCombo" << 1 << false << "\b" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list space") << "OperandCombo" << 1 << false << " " << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list recall letter") << "OperandCombo" << 1 << false << "I" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list letter x") << "OperandCombo" << 1 << false << "x" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list other key") << "OperandCombo" << 1 << false << "q" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list % leaves percentage") << "OperandCombo" << 4 << false << "q" << 0 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list -") << "OperandCombo" << 0 << false << "-" << 1 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list *") << "OperandCombo" << 0 << false << "*" << 2 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list grave") << "OperandCombo" << 0 << false << "`" << 5 << "MaskEdit2" << false << 0 << any;
    QTest::newRow("list % shows percentage") << "OperandCombo" << 0 << false << "%" << 4 << "MaskEdit4" << true << 0 << any;
    QTest::newRow("list % again") << "OperandCombo" << 4 << false << "%" << 4 << "MaskEdit2" << true << 0 << any;
    QTest::newRow("list Enter") << "OperandCombo" << 1 << false << "\r" << 1 << "MaskEdit1" << false << 1 << any;
    QTest::newRow("list =") << "OperandCombo" << 1 << false << "=" << 1 << "MaskEdit1" << false << 1 << any;
    QTest::newRow("list digit in Frame Mode") << "OperandCombo" << 1 << true << "5" << 0 << "FrameOut" << false << 0 << any;
    // The percentage field.
    QTest::newRow("percent digits") << "MaskEdit4" << 4 << false << "12" << 4 << "MaskEdit4" << true << 0 << "12";
    QTest::newRow("percent dot") << "MaskEdit4" << 4 << false << "5.5" << 4 << "MaskEdit4" << true << 0 << "5.5";
    QTest::newRow("percent Backspace") << "MaskEdit4" << 4 << false << "12\b" << 4 << "MaskEdit4" << true << 0 << "1";
    QTest::newRow("percent +") << "MaskEdit4" << 4 << false << "+" << 0 << "MaskEdit1" << false << 0 << any;
    QTest::newRow("percent /") << "MaskEdit4" << 4 << false << "/" << 3 << "MaskEdit1" << false << 0 << any;
    QTest::newRow("percent + in Frame Mode") << "MaskEdit4" << 4 << true << "+" << 0 << "FrameIn" << false << 0 << any;
    QTest::newRow("percent %") << "MaskEdit4" << 4 << false << "%" << 4 << "MaskEdit2" << true << 0 << "50";
    QTest::newRow("percent space") << "MaskEdit4" << 4 << false << " " << 4 << "MaskEdit2" << true << 0 << "50";
    QTest::newRow("percent Enter") << "MaskEdit4" << 4 << false << "\r" << 4 << "MaskEdit4" << true << 1 << "50";
    QTest::newRow("percent other key") << "MaskEdit4" << 4 << false << "q" << 4 << "MaskEdit4" << true << 0 << "50";
    // The first frame field.
    QTest::newRow("in digits") << "FrameIn" << 1 << true << "75" << 1 << "FrameIn" << false << 0 << "75";
    QTest::newRow("in Backspace") << "FrameIn" << 1 << true << "75\b" << 1 << "FrameIn" << false << 0 << "7";
    QTest::newRow("in dot ignored") << "FrameIn" << 1 << true << "." << 1 << "FrameIn" << false << 0 << "100";
    QTest::newRow("in +") << "FrameIn" << 1 << true << "+" << 0 << "FrameOut" << false << 0 << "100";
    QTest::newRow("in ~") << "FrameIn" << 0 << true << "~" << 5 << "FrameOut" << false << 0 << "100";
    QTest::newRow("in space") << "FrameIn" << 1 << true << " " << 1 << "FrameOut" << false << 0 << "100";
    QTest::newRow("in % ignored") << "FrameIn" << 1 << true << "%" << 1 << "FrameIn" << false << 0 << "100";
    QTest::newRow("in Enter") << "FrameIn" << 1 << true << "\r" << 1 << "FrameIn" << false << 1 << "100";
    QTest::newRow("in other key") << "FrameIn" << 1 << true << "q" << 1 << "FrameIn" << false << 0 << "100";
    // The second frame field.
    QTest::newRow("out digits") << "FrameOut" << 1 << true << "75" << 1 << "FrameOut" << false << 0 << "75";
    QTest::newRow("out dot ignored") << "FrameOut" << 1 << true << "." << 1 << "FrameOut" << false << 0 << "40";
    QTest::newRow("out +") << "FrameOut" << 1 << true << "+" << 0 << "FrameOut" << false << 1 << "40";
    QTest::newRow("out space") << "FrameOut" << 1 << true << " " << 1 << "FrameOut" << false << 1 << "40";
    QTest::newRow("out % ignored") << "FrameOut" << 1 << true << "%" << 1 << "FrameOut" << false << 0 << "40";
    QTest::newRow("out Enter") << "FrameOut" << 1 << true << "\r" << 1 << "FrameIn" << false << 1 << "40";
    QTest::newRow("out =") << "FrameOut" << 1 << true << "=" << 1 << "FrameIn" << false << 1 << "40";
}

void TestEntryPanel::keyMap()
{
    QFETCH(QString, name);
    QFETCH(int, op);
    QFETCH(bool, frames);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    host->rangeCheck = false;
    setFrameMode(frames);
    panel->MaskEdit1->setText(QStringLiteral("00:00:10:00"));
    panel->MaskEdit2->setText(QStringLiteral("00:00:05:00"));
    panel->MaskEdit4->setText(QStringLiteral("50"));
    panel->FrameIn->setText(QStringLiteral("100"));
    panel->FrameOut->setText(QStringLiteral("40"));
    panel->OperandCombo->setCurrentIndex(op);
    QCOMPARE(!panel->MaskEdit4->isHidden(), op == 4);

    enter(control(name));
    QCOMPARE(FocusName(), name);
    Type(keys);
    QTEST(panel->OperandCombo->currentIndex(), "opAfter");
    QTEST(FocusName(), "focus");
    QTEST(!panel->MaskEdit4->isHidden(), "percent");
    QTEST(static_cast<int>(host->calls.size()), "calculations");
    if (!text.isEmpty())
        QCOMPARE(field(name)->text(), text);
    QVERIFY(host->rejections.empty());
}

void TestEntryPanel::frameKeysZeroFrameDur_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    for (const char *name : {"FrameIn", "FrameOut"}) {
        for (const char *keys : {"7", "\b", ".", "%", "q"})
            QTest::addRow("%s %s", name, keys[0] == '\b' ? "Backspace" : keys) << name << keys;
    }
}

void TestEntryPanel::frameKeysZeroFrameDur()
{
    QFETCH(QString, name);
    QFETCH(QString, keys);
    setFrameMode(true);
    panel->FrameDur->setText(QStringLiteral("99"));
    enter(field(name));
    Type(keys);
    QCOMPARE(panel->FrameDur->text(), QStringLiteral("0"));
}

void TestEntryPanel::secondFieldChainsWithNewOperator()
{
    panel->MaskEdit1->setText(QStringLiteral("00:00:10:00"));
    panel->OperandCombo->setCurrentIndex(1); // "-"
    panel->MaskEdit2->setText(QStringLiteral("00:00:04:00"));
    enter(panel->MaskEdit2);
    Type(QStringLiteral("+"));
    QCOMPARE(host->calls.size(), 1u);
    QCOMPARE(host->calls[0].op, 0); // the new operator is applied
    QCOMPARE(panel->MaskEdit3->text(), QStringLiteral("00:00:14:00"));
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("00:00:14:00"));
    QCOMPARE(panel->OperandCombo->currentIndex(), 0);
    QCOMPARE(FocusName(), QStringLiteral("MaskEdit2"));
    QCOMPARE(panel->MaskEdit2->selectedText(), panel->MaskEdit2->text());
    // The next operand and Enter go on from the result.
    Type(QStringLiteral("100\r"));
    QCOMPARE(host->calls.size(), 2u);
    QCOMPARE(host->calls[1].first, std::string("00:00:14:00"));
    QCOMPARE(panel->MaskEdit3->text(), QStringLiteral("00:00:15:00"));
}

void TestEntryPanel::frameOutChainsWithOperatorInForce()
{
    setFrameMode(true);
    panel->FrameIn->setText(QStringLiteral("100"));
    panel->OperandCombo->setCurrentIndex(1); // "-"
    panel->FrameOut->setText(QStringLiteral("40"));
    enter(panel->FrameOut);
    Type(QStringLiteral("+"));
    QCOMPARE(host->calls.size(), 1u);
    QCOMPARE(host->calls[0].op, 1); // computed before the new operator is set
    QCOMPARE(panel->FrameDur->text(), QStringLiteral("60"));
    QCOMPARE(panel->FrameIn->text(), QStringLiteral("60"));
    QCOMPARE(panel->OperandCombo->currentIndex(), 0);
    QCOMPARE(FocusName(), QStringLiteral("FrameOut"));
    QCOMPARE(panel->FrameOut->selectedText(), panel->FrameOut->text());
    Type(QStringLiteral("5 "));
    QCOMPARE(host->calls.size(), 2u);
    QCOMPARE(host->calls[1].op, 0);
    QCOMPARE(panel->FrameIn->text(), QStringLiteral("65"));
}

void TestEntryPanel::rejectedChainLeavesFields()
{
    // A rejected calculation ends the key's action: the first field keeps the operand the user
    // typed rather than taking the result field, which the key has just set to zero.
    host->tab = 2; // PAL: frame 25 is out of range
    panel->MaskEdit1->setText(QStringLiteral("00:00:10:00"));
    panel->OperandCombo->setCurrentIndex(1);
    panel->MaskEdit2->setText(QStringLiteral("00:00:00:25"));
    enter(panel->MaskEdit2);
    Type(QStringLiteral("+"));
    QCOMPARE(host->rejections.size(), 1u);
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("00:00:10:00"));
    QCOMPARE(panel->OperandCombo->currentIndex(), 0);
    QCOMPARE(FocusName(), QStringLiteral("MaskEdit2"));

    // Frame Mode: a frame number that does not convert leaves operator and first number alone.
    host->rejections.clear();
    setFrameMode(true);
    panel->FrameIn->setText(QStringLiteral("100"));
    panel->OperandCombo->setCurrentIndex(1);
    panel->FrameOut->setText(QStringLiteral("4x"));
    enter(panel->FrameOut);
    Type(QStringLiteral("+"));
    QCOMPARE(host->rejections.size(), 1u);
    QCOMPARE(panel->OperandCombo->currentIndex(), 1);
    QCOMPARE(panel->FrameIn->text(), QStringLiteral("100"));
}

void TestEntryPanel::openOperatorListTakesKeys()
{
    enter(panel->OperandCombo);
    panel->OperandCombo->showPopup();
    QTRY_VERIFY(panel->OperandCombo->view()->isVisible());
    QTest::keyClick(panel->OperandCombo->view(), '-');
    QCOMPARE(panel->OperandCombo->currentIndex(), 1);
    QTRY_VERIFY(!panel->OperandCombo->view()->isVisible());
    QCOMPARE(FocusName(), QStringLiteral("MaskEdit2"));

    enter(panel->OperandCombo);
    panel->OperandCombo->showPopup();
    QTRY_VERIFY(panel->OperandCombo->view()->isVisible());
    QTest::keyClick(panel->OperandCombo->view(), 'd');
    QCOMPARE(panel->OperandCombo->currentIndex(), 0);
    QTRY_VERIFY(!panel->OperandCombo->view()->isVisible());
}

void TestEntryPanel::recall_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("labels");
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("percentRow");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    const QString none; // nothing recalled: the field keeps its text
    QTest::newRow("I, Out-In") << "MaskEdit2" << 1 << 0 << false << "I" << "00:02:00:00";
    QTest::newRow("i, Out-In") << "MaskEdit1" << 1 << 0 << false << "i" << "00:02:00:00";
    QTest::newRow("O, Out-In") << "MaskEdit1" << 1 << 0 << false << "O" << "00:01:00:00";
    QTest::newRow("O, Out-In, after %") << "MaskEdit1" << 1 << 0 << true << "o" << none;
    QTest::newRow("I, Out-In, after %") << "MaskEdit2" << 1 << 0 << true << "I" << "00:02:00:00";
    QTest::newRow("I, In-Out") << "MaskEdit2" << 0 << 0 << false << "I" << "00:01:00:00";
    QTest::newRow("I, In-Out, after %") << "MaskEdit2" << 0 << 0 << true << "I" << none;
    QTest::newRow("O, In-Out, after %") << "MaskEdit2" << 0 << 0 << true << "O" << "00:02:00:00";
    QTest::newRow("I, TC1-TC2") << "MaskEdit1" << 2 << 0 << false << "I" << "00:01:00:00";
    QTest::newRow("I, TC1-TC2, after %") << "MaskEdit1" << 2 << 0 << true << "I" << none;
    QTest::newRow("O, TC1-TC2") << "MaskEdit1" << 2 << 0 << false << "O" << "00:02:00:00";
    QTest::newRow("D") << "MaskEdit1" << 1 << 0 << false << "D" << "00:03:00:00";
    QTest::newRow("p") << "MaskEdit2" << 0 << 0 << true << "p" << "00:03:00:00";
    QTest::newRow("T") << "MaskEdit2" << 2 << 0 << false << "T" << "00:03:00:00";
    QTest::newRow("PAL log") << "MaskEdit1" << 1 << 2 << false << "T" << "02:03:00:00";
    QTest::newRow("user log") << "MaskEdit2" << 1 << 4 << false << "I" << "04:02:00:00";
    QTest::newRow("drop-frame log") << "MaskEdit1" << 1 << 1 << false << "D" << "01;03;00;00";
    QTest::newRow("Frames tab recalls nothing") << "MaskEdit1" << 1 << 5 << false << "D" << none;
    // The number fields read the Frames log, whatever the tab, and know no "%" exception.
    QTest::newRow("FrameIn I, Out-In") << "FrameIn" << 1 << 0 << false << "I" << "200";
    QTest::newRow("FrameIn O, Out-In") << "FrameIn" << 1 << 2 << false << "O" << "100";
    QTest::newRow("FrameOut I, In-Out, after %") << "FrameOut" << 0 << 0 << true << "i" << "50";
    QTest::newRow("FrameOut t") << "FrameOut" << 2 << 3 << false << "t" << "300";
    QTest::newRow("percentage D") << "MaskEdit4" << 1 << 0 << false << "D" << "300";
    QTest::newRow("percentage O, Out-In, after %") << "MaskEdit4" << 1 << 0 << true << "O" << "50";
}

void TestEntryPanel::recall()
{
    QFETCH(QString, name);
    QFETCH(int, labels);
    QFETCH(int, tab);
    QFETCH(bool, percentRow);
    QFETCH(QString, key);
    QFETCH(QString, text);
    host->labels = labels;
    host->tab = tab;
    host->logRow(MadeUpRows(!percentRow)); // an older row that must not be read
    host->logRow(MadeUpRows(percentRow));
    host->logs[static_cast<std::size_t>(tab)].front()[0] = "99:99:99:99";
    panel->setFieldSeparator(tab == 1 ? ';' : ':');
    setFrameMode(name.startsWith(QLatin1String("Frame")));
    if (name == QLatin1String("MaskEdit4"))
        panel->OperandCombo->setCurrentIndex(4);
    QLineEdit *edit = field(name);
    const QString before = edit->text();

    enter(edit);
    Type(key);
    QCOMPARE(edit->text(), text.isEmpty() ? before : text);
    QCOMPARE(FocusName(), name);
    QCOMPARE(edit->selectedText(), edit->text());
    QVERIFY(host->calls.empty());
}

void TestEntryPanel::recallWithoutCalculations()
{
    const std::pair<QLineEdit *, QString> fields[] = {{panel->MaskEdit1, QStringLiteral("12:34:56:78")},
                                                      {panel->FrameIn, QStringLiteral("12")}};
    for (const auto &[edit, text] : fields) {
        setFrameMode(edit == panel->FrameIn);
        edit->setText(text);
        enter(edit);
        edit->setCursorPosition(1);
        Type(QStringLiteral("D"));
        QCOMPARE(edit->text(), text);
        QVERIFY(edit->selectedText().size() < edit->text().size());
    }
}

void TestEntryPanel::places_data()
{
    QTest::addColumn<bool>("frames");
    QTest::addColumn<int>("op");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("timecodes") << false << 0 << QStringList{"MaskEdit1", "MaskEdit2", "MaskEdit3"} << "MaskEdit1"
                               << "MaskEdit2";
    QTest::newRow("percentage") << false << 4 << QStringList{"MaskEdit4", "MaskEdit2", "MaskEdit3"} << "MaskEdit4"
                                << "MaskEdit2";
    QTest::newRow("Frame Mode") << true << 5 << QStringList{"FrameIn", "FrameOut", "FrameDur"} << "FrameIn"
                                << "FrameOut";
    QTest::newRow("Frame Mode percentage") << true << 4 << QStringList{"MaskEdit4", "FrameOut", "FrameDur"}
                                           << "MaskEdit4" << "FrameOut";
}

void TestEntryPanel::places()
{
    QFETCH(bool, frames);
    QFETCH(int, op);
    QFETCH(QStringList, shown);
    setFrameMode(frames);
    panel->OperandCombo->setCurrentIndex(op);
    for (const char *name : {"MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4", "FrameIn", "FrameOut", "FrameDur"})
        QVERIFY2(field(QLatin1String(name))->isVisible() == shown.contains(QLatin1String(name)), name);
    QVERIFY(panel->OperandCombo->isVisible());
    panel->focusSecond();
    QTEST(FocusName(), "second");
    panel->focusFirst();
    QTEST(FocusName(), "first");
    QCOMPARE(QApplication::focusWidget()->property("selectedText").toString(),
             QApplication::focusWidget()->property("text").toString());

    // Another operator hides the percentage field again.
    panel->OperandCombo->setCurrentIndex(1);
    QVERIFY(panel->MaskEdit4->isHidden());
    QCOMPARE(panel->MaskEdit1->isVisible(), !frames);
    QCOMPARE(panel->FrameIn->isVisible(), frames);
    QCOMPARE(panel->frameFieldsVisible(), frames);
}

void TestEntryPanel::loadEditAndInitLoads()
{
    panel->LoadEdit("12345678", 2);
    QCOMPARE(panel->MaskEdit2->text(), QStringLiteral("12:34:56:78"));
    panel->setFieldSeparator(';'); // the drop-frame tab's mask
    QCOMPARE(panel->fieldSeparator(), ';');
    QCOMPARE(panel->MaskEdit2->text(), QStringLiteral("12;34;56;78"));
    panel->LoadEdit("87654321", 3);
    QCOMPARE(panel->MaskEdit3->text(), QStringLiteral("87;65;43;21"));
    panel->LoadEdit("123", 1); // short input: the missing digits read zero
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("12;30;00;00"));
    panel->InitLoads();
    for (TimecodeEdit *edit : {panel->MaskEdit1, panel->MaskEdit2, panel->MaskEdit3})
        QCOMPARE(edit->text(), QStringLiteral("00;00;00;00"));
}

void TestEntryPanel::focusRules()
{
    // Tab into a timecode field selects it all; a click puts the caret where it lands.
    enter(panel->MaskEdit1);
    QCOMPARE(panel->MaskEdit1->selectedText(), panel->MaskEdit1->text());
    enter(panel->MaskEdit2);
    QCOMPARE(panel->MaskEdit2->selectedText(), panel->MaskEdit2->text());
    QTest::mouseClick(panel->MaskEdit1, Qt::LeftButton, {}, panel->MaskEdit1->rect().center());
    QCOMPARE(FocusName(), QStringLiteral("MaskEdit1"));
    QVERIFY(!panel->MaskEdit1->hasSelectedText());

    // Focus that only comes back with the window keeps the caret.
    panel->MaskEdit1->setCursorPosition(4);
    panel->MaskEdit1->clearFocus();
    panel->MaskEdit1->setFocus(Qt::ActiveWindowFocusReason);
    QVERIFY(!panel->MaskEdit1->hasSelectedText());
    QCOMPARE(panel->MaskEdit1->cursorPosition(), 4);

    // Entering the percentage field selects the first timecode field's text.
    panel->OperandCombo->setCurrentIndex(4);
    enter(panel->MaskEdit4);
    QCOMPARE(panel->MaskEdit1->selectedText(), panel->MaskEdit1->text());
    QCOMPARE(panel->MaskEdit4->selectedText(), panel->MaskEdit4->text());

    // The frame fields select their text on entry; the result fields are left alone.
    setFrameMode(true);
    panel->OperandCombo->setCurrentIndex(0);
    panel->FrameIn->setText(QStringLiteral("123"));
    panel->FrameIn->setFocus(Qt::MouseFocusReason);
    QCOMPARE(panel->FrameIn->selectedText(), QStringLiteral("123"));
    panel->FrameOut->setText(QStringLiteral("45"));
    panel->FrameOut->setFocus(Qt::OtherFocusReason);
    QCOMPARE(panel->FrameOut->selectedText(), QStringLiteral("45"));
    panel->focusFrameIn();
    QCOMPARE(FocusName(), QStringLiteral("FrameIn"));
    QCOMPARE(panel->FrameIn->selectedText(), QStringLiteral("123"));

    // The result field is no tab stop; Tab runs through the shown fields.
    setFrameMode(false);
    QCOMPARE(panel->MaskEdit3->focusPolicy(), Qt::ClickFocus);
    enter(panel->MaskEdit1);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("OperandCombo"));
    QTest::keyClick(panel->OperandCombo, Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("MaskEdit2"));
}

void TestEntryPanel::platformEditingNeverChangesTimecode()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("99:99:99:99"));
    panel->MaskEdit1->setText(QStringLiteral("12:34:56:78"));
    enter(panel->MaskEdit1);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_X, Qt::ControlModifier);
    panel->MaskEdit1->setCursorPosition(3);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_Delete);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("12:34:56:78"));
    QTest::mouseClick(panel->MaskEdit1, Qt::MiddleButton, {}, panel->MaskEdit1->rect().center());
    QCOMPARE(panel->MaskEdit1->text(), QStringLiteral("12:34:56:78"));
    QVERIFY(!panel->MaskEdit1->acceptDrops());

    // Caret keys and copy still act as in any field.
    panel->MaskEdit1->setCursorPosition(0);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(panel->MaskEdit1, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(panel->MaskEdit1->selectedText(), QStringLiteral("12"));
    QTest::keyClick(panel->MaskEdit1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));

    // A text that the program puts in through a plain line-edit pointer is shaped too.
    panel->setFieldSeparator(';');
    static_cast<QLineEdit *>(panel->MaskEdit2)->setText(QStringLiteral("01:02:03:04"));
    QCOMPARE(panel->MaskEdit2->text(), QStringLiteral("01;02;03;04"));

    // The result fields take no typing at all.
    panel->MaskEdit3->setText(QStringLiteral("01:02:03:04"));
    panel->MaskEdit3->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(panel->MaskEdit3, QStringLiteral("5\b"));
    QCOMPARE(panel->MaskEdit3->text(), QStringLiteral("01;02;03;04"));
}

void TestEntryPanel::chordsReachWindowShortcuts()
{
    // The window's copy, paste, clear and memory keys act while an entry field has the focus.
    QList<QAction *> actions;
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::CTRL | Qt::Key_C),
                                     QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::Key_F5)}) {
        auto *action = new QAction(window.get());
        action->setShortcut(keys);
        window->addAction(action);
        actions.append(action);
    }
    setFrameMode(false);
    for (QLineEdit *edit : {static_cast<QLineEdit *>(panel->MaskEdit1), static_cast<QLineEdit *>(panel->MaskEdit2)}) {
        const QString before = edit->text();
        enter(edit);
        for (QAction *action : actions) {
            QSignalSpy triggered(action, &QAction::triggered);
            QTest::keySequence(edit, action->shortcut());
            QCOMPARE(triggered.count(), 1);
        }
        QCOMPARE(edit->text(), before);
    }
    setFrameMode(true);
    panel->FrameIn->setText(QStringLiteral("12"));
    enter(panel->FrameIn);
    QSignalSpy pasted(actions[0], &QAction::triggered);
    QTest::keySequence(panel->FrameIn, actions[0]->shortcut());
    QCOMPARE(pasted.count(), 1);
    QCOMPARE(panel->FrameIn->text(), QStringLiteral("12"));
}

void TestEntryPanel::statusHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint"); // empty: the status text is left alone
    QTest::addColumn<bool>("resets");  // the Calculate image goes back to normal
    const QString timecode = QStringLiteral("Hit 'I, O, P(D,T)' to use previous calculation.");
    QTest::newRow("first timecode") << "MaskEdit1" << timecode << true;
    QTest::newRow("second timecode") << "MaskEdit2" << timecode << true;
    QTest::newRow("percentage") << "MaskEdit4" << "Enter percent value" << true;
    QTest::newRow("first frame") << "FrameIn" << "Enter frame value" << true;
    QTest::newRow("second frame") << "FrameOut" << "Enter frame value" << true;
    QTest::newRow("result frames") << "FrameDur" << QString() << true;
    QTest::newRow("result") << "MaskEdit3" << QString() << false;
}

void TestEntryPanel::statusHints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(bool, resets);
    QSignalSpy texts(panel, &EntryPanel::statusText);
    QSignalSpy pointer(panel, &EntryPanel::pointerOverField);
    QWidget *w = control(name);
    QVERIFY(w->hasMouseTracking() || name == QLatin1String("MaskEdit3"));
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QCOMPARE(texts.count(), hint.isEmpty() ? 0 : 1);
    if (!hint.isEmpty())
        QCOMPARE(texts.front().front().toString(), hint);
    QCOMPARE(pointer.count(), resets ? 1 : 0);
}

void TestEntryPanel::fieldColour()
{
    const QColor navy(0x00, 0x00, 0x80);
    panel->setFieldColour(navy);
    for (QWidget *w : std::initializer_list<QWidget *>{panel->MaskEdit1, panel->MaskEdit2, panel->MaskEdit3,
                                                      panel->MaskEdit4, panel->FrameIn, panel->FrameOut,
                                                      panel->FrameDur}) {
        QCOMPARE(w->palette().color(QPalette::Base), navy);
        QCOMPARE(w->palette().color(QPalette::Text), QColor(Qt::white));
    }
    QCOMPARE(panel->OperandCombo->palette().color(QPalette::Button), navy);
    QCOMPARE(panel->OperandCombo->palette().color(QPalette::ButtonText), QColor(Qt::white));

    const QColor cream(0xff, 0xfb, 0xf0);
    panel->setFieldColour(cream);
    QCOMPARE(panel->MaskEdit2->palette().color(QPalette::Base), cream);
    QCOMPARE(panel->MaskEdit2->palette().color(QPalette::Text), QColor(Qt::black));

    // No colour: the fields follow the window's palette again.
    panel->setFieldColour(QColor());
    QCOMPARE(panel->MaskEdit2->palette().color(QPalette::Base), window->palette().color(QPalette::Base));
    QCOMPARE(panel->MaskEdit2->palette().color(QPalette::Text), window->palette().color(QPalette::Text));
}

void TestEntryPanel::captionsAndNames()
{
    const std::pair<const char *, const char *> names[] = {
        {"MaskEdit1", "First timecode"},       {"OperandCombo", "Operator"},
        {"MaskEdit2", "Second timecode"},      {"MaskEdit3", "Result"},
        {"MaskEdit4", "Percentage"},           {"FrameIn", "First frame number"},
        {"FrameOut", "Second frame number"},   {"FrameDur", "Result frame count"},
    };
    for (const auto &[object, accessible] : names)
        QCOMPARE(control(QLatin1String(object))->accessibleName(), QLatin1String(accessible));
    QStringList items;
    for (int i = 0; i < panel->OperandCombo->count(); ++i)
        items << panel->OperandCombo->itemText(i);
    QCOMPARE(items, (QStringList{"+", "-", "x", "/", "%", "~"}));
    QVERIFY(!panel->OperandCombo->isEditable());

    QCOMPARE(panel->Label1->text(), QStringLiteral("Out"));
    QCOMPARE(panel->Label2->text(), QStringLiteral("In"));
    QCOMPARE(panel->Label4->text(), QStringLiteral("Duration"));
    panel->setCaptions(QStringLiteral("TC1"), QStringLiteral("TC2"), QStringLiteral("Total"));
    QCOMPARE(panel->Label1->text(), QStringLiteral("TC1"));
    QCOMPARE(panel->Label4->text(), QStringLiteral("Total"));
    QCOMPARE(panel->MaskEdit1->accessibleDescription(), QStringLiteral("TC1"));
    QCOMPARE(panel->FrameOut->accessibleDescription(), QStringLiteral("TC2"));
    QCOMPARE(panel->FrameDur->accessibleDescription(), QStringLiteral("Total"));

    // The captions stand over their fields, in the places the label set gives them.
    for (const auto &lefts : {std::array<int, 3>{38, 167, 262}, std::array<int, 3>{47, 169, 252}}) {
        panel->setCaptionPositions(lefts[0], lefts[1], lefts[2]);
        const std::pair<QLabel *, QWidget *> over[] = {
            {panel->Label1, panel->MaskEdit1}, {panel->Label2, panel->MaskEdit2}, {panel->Label4, panel->MaskEdit3}};
        for (const auto &[label, edit] : over) {
            QVERIFY(label->geometry().left() >= edit->geometry().left());
            QVERIFY(label->geometry().right() <= edit->geometry().right());
            QVERIFY(label->geometry().bottom() < edit->geometry().top());
        }
    }
    QVERIFY(panel->Label4->x() > panel->MaskEdit3->x() + 10); // "Total" sits further right than at the field's edge
}

void TestEntryPanel::rowFitsItsTexts()
{
    for (int width : {panel->minimumSizeHint().width(), panel->sizeHint().width(), 460, 700}) {
        panel->resize(width, panel->sizeHint().height());
        const int need = panel->MaskEdit1->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00:00"));
        for (QLineEdit *edit : {static_cast<QLineEdit *>(panel->MaskEdit1), static_cast<QLineEdit *>(panel->MaskEdit2),
                                static_cast<QLineEdit *>(panel->MaskEdit3)})
            QVERIFY2(edit->width() >= need + 8, qPrintable(QString::number(width)));
        QVERIFY(panel->OperandCombo->width() >= panel->OperandCombo->minimumSizeHint().width());
        QVERIFY(panel->MaskEdit1->height() >= panel->MaskEdit1->minimumSizeHint().height());
        for (QLabel *label : {panel->Label1, panel->Label2, panel->Label4}) {
            QVERIFY(label->width() >= label->sizeHint().width());
            QVERIFY(label->geometry().right() < width);
        }
        QVERIFY(panel->MaskEdit3->geometry().right() < width);
        QVERIFY(panel->MaskEdit1->geometry().right() < panel->OperandCombo->geometry().left());
        QVERIFY(panel->OperandCombo->geometry().right() < panel->MaskEdit2->geometry().left());
        QVERIFY(panel->MaskEdit2->geometry().right() < panel->MaskEdit3->geometry().left());
    }
}

QTEST_MAIN(TestEntryPanel)
#include "tst_entrypanel.moc"
