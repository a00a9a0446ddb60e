// The entry row's fields on their own: timecode shaping and separators, caret and selection, the
// keys they read, the number fields' typing limit, and the row's geometry.
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "mainwindow/entrykeys.h"
#include "mainwindow/entrylayout.h"
#include "mainwindow/entrynumberedit.h"
#include "mainwindow/timecodeedit.h"

class TestEntryFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shape_data();
    void shape();
    void separatorKeepsDigitsAndSelection();
    void entryFieldRoundTrip_data();
    void entryFieldRoundTrip();
    void typedCharacter_data();
    void typedCharacter();
    void timecodeFieldRoutesTypedKeys();
    void numberFieldTypingLimit();
    void timecodeMenuHasNoEditing();
    void layoutOriginalRow();
    void layout_data();
    void layout();
};

void TestEntryFields::shape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("shaped");
    QTest::newRow("colon text, colon field") << "01:02:03:04" << ':' << "01:02:03:04";
    QTest::newRow("colon text, drop-frame field") << "01:02:03:04" << ';' << "01;02;03;04";
    QTest::newRow("semicolon text, colon field") << "01;02;03;04" << ':' << "01:02:03:04";
    QTest::newRow("eight digits") << "12345678" << ':' << "12:34:56:78";
    QTest::newRow("missing digit") << "1:02:03:04" << ':' << "1_:02:03:04";
    QTest::newRow("short") << "12" << ';' << "12;__;__;__";
    QTest::newRow("empty") << "" << ':' << "__:__:__:__";
    QTest::newRow("letters") << "abc" << ':' << "__:__:__:__";
    QTest::newRow("too long") << "01:02:03:04:05" << ':' << "01:02:03:04";
    QTest::newRow("spaces") << "01 02 03 04" << ':' << "01:_0:2_:03";
}

void TestEntryFields::shape()
{
    QFETCH(QString, text);
    QFETCH(char, separator);
    QTEST(TimecodeEdit::Shape(text, separator), "shaped");

    TimecodeEdit edit;
    edit.setFieldSeparator(separator);
    edit.setText(text);
    QTEST(edit.text(), "shaped");
}

void TestEntryFields::separatorKeepsDigitsAndSelection()
{
    TimecodeEdit edit;
    QCOMPARE(edit.text(), QStringLiteral("00:00:00:00"));
    edit.setText(QStringLiteral("12:34:56:78"));
    edit.setSelection(5, -1); // the digit at 4 highlighted, caret at its start
    edit.setFieldSeparator(';');
    QCOMPARE(edit.text(), QStringLiteral("12;34;56;78"));
    QCOMPARE(edit.fieldSeparator(), ';');
    QCOMPARE(edit.cursorPosition(), 4);
    QCOMPARE(edit.selectedText(), QStringLiteral("4"));
    edit.setFieldSeparator(':');
    QCOMPARE(edit.text(), QStringLiteral("12:34:56:78"));
}

void TestEntryFields::entryFieldRoundTrip_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::newRow("caret at the end") << 11 << 11 << 0;
    QTest::newRow("caret inside") << 4 << 4 << 0;
    QTest::newRow("one digit highlighted") << 6 << 6 << 1;
    QTest::newRow("whole text") << 11 << 0 << 11;
    QTest::newRow("selection caret at its end") << 8 << 3 << 5;
}

void TestEntryFields::entryFieldRoundTrip()
{
    QFETCH(int, caret);
    QFETCH(int, start);
    QFETCH(int, length);
    TimecodeEdit edit;
    EntryField field;
    field.digits = {'1', '2', '3', '4', '5', '6', '7', '8'};
    field.caret = caret;
    field.selectionStart = start;
    field.selectionLength = length;
    edit.setEntryField(field);
    QCOMPARE(edit.text(), QStringLiteral("12:34:56:78"));
    QCOMPARE(edit.cursorPosition(), caret);
    QCOMPARE(static_cast<int>(edit.selectedText().size()), length);
    if (length > 0)
        QCOMPARE(edit.selectionStart(), start);
    QVERIFY(edit.entryField() == field);
}

void TestEntryFields::typedCharacter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("typed"); // -1: none
    QTest::newRow("digit") << int(Qt::Key_5) << 0 << "5" << int('5');
    QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << int('5');
    QTest::newRow("keypad plus") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << "+" << int('+');
    QTest::newRow("shifted percent") << int(Qt::Key_Percent) << int(Qt::ShiftModifier) << "%" << int('%');
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << int('\b');
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << "\r" << int('\r');
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << int('\r');
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 0x1b;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << int(' ');
    QTest::newRow("letter outside ASCII") << int(Qt::Key_Eacute) << 0 << "\u00e9" << 0x7f;
    QTest::newRow("AltGr character") << int(Qt::Key_AsciiTilde) << int(Qt::ControlModifier | Qt::AltModifier) << "~"
                                     << int('~');
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << "\t" << -1;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << "" << -1;
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "" << -1;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << -1;
    QTest::newRow("Alt+D") << int(Qt::Key_D) << int(Qt::AltModifier) << "d" << -1;
}

void TestEntryFields::typedCharacter()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, typed);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    const auto c = TypedCharacter(event);
    QCOMPARE(c.has_value(), typed >= 0);
    if (c)
        QCOMPARE(int(static_cast<unsigned char>(*c)), typed);
}

void TestEntryFields::timecodeFieldRoutesTypedKeys()
{
    TimecodeEdit edit;
    QSignalSpy typed(&edit, &TimecodeEdit::keyTyped);
    QTest::keyClicks(&edit, QStringLiteral("1+ q"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QList<char> keys;
    for (const auto &args : typed)
        keys << args.front().value<char>();
    QCOMPARE(keys, (QList<char>{'1', '+', ' ', 'q', '\b', '\r'}));
    QCOMPARE(edit.text(), QStringLiteral("00:00:00:00")); // the field itself changes nothing

    edit.setReadOnly(true);
    typed.clear();
    QTest::keyClicks(&edit, QStringLiteral("12"));
    QCOMPARE(typed.count(), 0);
}

void TestEntryFields::numberFieldTypingLimit()
{
    EntryNumberEdit edit(9);
    QCOMPARE(edit.text(), QStringLiteral("0"));
    QVERIFY(edit.alignment() & Qt::AlignRight);
    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("1234567890"));
    QCOMPARE(edit.text(), QStringLiteral("123456789"));
    // A selection makes room: the typed digit replaces it.
    edit.setSelection(0, 1);
    QTest::keyClicks(&edit, QStringLiteral("9"));
    QCOMPARE(edit.text(), QStringLiteral("923456789"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("92345678"));
    // A text set by the program is kept whole, however long.
    edit.setText(QStringLiteral("123456789012"));
    QCOMPARE(edit.text(), QStringLiteral("123456789012"));
    // Paste and cut chords do not edit the field by themselves.
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("123456789012"));
    QVERIFY(!edit.acceptDrops());
}

void TestEntryFields::timecodeMenuHasNoEditing()
{
    TimecodeEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.selectAll();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&edit, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            entries << action->text();
    }
    QCOMPARE(entries, (QStringList{"&Copy", "Select All"}));
    QVERIFY(menu->actions().front()->isEnabled());
    menu->close();
}

void TestEntryFields::layoutOriginalRow()
{
    // At the original sizes the row is the original one, captions of "Out - In - Duration" included.
    EntryRowNeeds needs;
    needs.captionWidths = {20, 10, 46};
    const EntryRowGeometry g = LayoutEntryRow(331, needs, kDefaultCaptionLefts);
    QCOMPARE(g.first.left(), 12);
    QCOMPARE(g.first.width(), 80);
    QCOMPARE(g.first.height(), 21);
    QCOMPARE(g.combo.left(), 96);
    QCOMPARE(g.combo.width(), 38);
    QCOMPARE(g.second.left(), 138);
    QCOMPARE(g.sign.left(), 218);
    QCOMPARE(g.result.left(), 235);
    QCOMPARE(g.result.right(), 314);
    QCOMPARE(g.captions[0].left(), 42);
    QCOMPARE(g.captions[1].left(), 175);
    QCOMPARE(g.captions[2].left(), 252);
    QCOMPARE(EntryRowSizeHint(needs).width(), 331);
}

void TestEntryFields::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("combo");
    QTest::addColumn<int>("captionWidth");
    QTest::newRow("original sizes, wider window") << 460 << 80 << 38 << 46;
    QTest::newRow("original sizes, very wide") << 900 << 80 << 38 << 46;
    QTest::newRow("larger fonts, spaces give way") << 370 << 92 << 52 << 60;
    QTest::newRow("larger fonts, least width") << 0 << 92 << 52 << 60;
    QTest::newRow("caption wider than its field") << 0 << 80 << 38 << 120;
}

void TestEntryFields::layout()
{
    QFETCH(int, width);
    QFETCH(int, field);
    QFETCH(int, combo);
    QFETCH(int, captionWidth);
    EntryRowNeeds needs;
    needs.field = field;
    needs.combo = combo;
    needs.captionWidths = {captionWidth / 2, captionWidth / 3, captionWidth};
    if (width == 0)
        width = EntryRowMinimumSize(needs).width();
    QVERIFY(width >= EntryRowMinimumSize(needs).width());
    const EntryRowGeometry g = LayoutEntryRow(width, needs, kDefaultCaptionLefts);

    const QRect row[] = {g.first, g.combo, g.second, g.sign, g.result};
    QVERIFY(g.first.left() >= 0);
    for (std::size_t i = 1; i < std::size(row); ++i)
        QVERIFY(row[i - 1].right() < row[i].left());
    QVERIFY(g.result.right() < width);
    // The margins stay in proportion: neither side is squeezed alone.
    const int left = g.first.left();
    const int right = width - 1 - g.result.right();
    QVERIFY(left * 2 >= right && right * 2 >= left);
    const int need = std::max(field, captionWidth);
    for (const QRect &f : {g.first, g.second, g.result}) {
        QVERIFY(f.width() >= need);
        QVERIFY(f.width() <= std::max(need, 80) * 3 / 2);
    }
    QVERIFY(g.combo.width() >= combo);
    const QRect fields[] = {g.first, g.second, g.result};
    for (std::size_t i = 0; i < 3; ++i) {
        const QRect &c = g.captions[i];
        QCOMPARE(c.width(), needs.captionWidths[i]);
        QVERIFY(c.left() >= 0 && c.right() < width);
        QVERIFY(c.bottom() < fields[i].top());
        QVERIFY(c.left() >= fields[i].left() && c.right() <= fields[i].right());
    }
    QVERIFY(g.captions[0].right() < g.captions[1].left());
    QVERIFY(g.captions[1].right() < g.captions[2].left());
}

QTEST_MAIN(TestEntryFields)
#include "tst_entryfields.moc"
