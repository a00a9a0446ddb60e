// The main window driven headless: calculations from the keyboard, range and conversion failures,
// tabs, Frame Mode, New, the close question, the settings it starts from and stores, the column
// layout, divider drags, description editing, the Calculate button and accessible names.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "mainwindow/calculatebutton.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logheader.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/columnlayout.h"
#include "mainwindow/logview.h"
#include "settings/preferences.h"
#include "tests/mainwindow/windowfixture.h"

namespace {

const QString kZero = QStringLiteral("00:00:00:00");

QStringList rowOf(const LogModel *log, int row)
{
    QStringList cells;
    for (int column = 0; column < 7; ++column)
        cells << log->cell(row, column);
    return cells;
}

// The mouse moving over a control with no button held.
void hover(QWidget *control, QPoint position)
{
    QMouseEvent move(QEvent::MouseMove, position, control->mapToGlobal(position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

QStringList cells(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QLatin1String(text);
    return list;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void firstCalculationFromTheKeyboard();
    void logsScrollToTheirLastFiveRows();
    void rangeFailure_data();
    void rangeFailure();
    void rangeFailureAfterACalculationKeepsTheLog();
    void conversionFailure_data();
    void conversionFailure();
    void rangeCheckingOffLetsAnyTimecodeThrough();
    void frameModeCalculation();
    void frameModeToggle();
    void tabChangeBeforeCalculations();
    void tabChangeAfterCalculations_data();
    void tabChangeAfterCalculations();
    void tabChangeAfterAPercentage();
    void newAnswered_data();
    void newAnswered();
    void closeQuestion_data();
    void closeQuestion();
    void freshStoreGivesEveryDefault();
    void storedStartTabAndLabels();
    void unreadableRatesDoNotStopTheStart();
    void percentagesToggle();
    void balloonHelpToggle();
    void lastHeaderSectionTogglesDescriptions();
    void columnLayoutWidths();
    void preferencesCommand();
    void dividerDragResizesEveryLog();
    void editModeEntersAndLeaves();
    void cellEditedInOneLogOnly();
    void calculateButtonImages();
    void accessibleNames();
};

void TestMainWindow::firstCalculationFromTheKeyboard()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);
    QVERIFY(!w.Save1->isEnabled());
    QVERIFY(!w.EditBtn->isEnabled());

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000+"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("500"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(w.calcCount(), 1);
    const QStringList timecodes = cells({"00:00:10:00", "+", "00:00:05:00", "=", "00:00:15:00", "", ""});
    for (int mode : {0, 2, 3, 4})
        QCOMPARE(rowOf(w.log(mode), 0), timecodes);
    QCOMPARE(rowOf(w.log(1), 0), cells({"00;00;10;00", "+", "00;00;05;00", "=", "00;00;15;00", "", ""}));
    QCOMPARE(rowOf(w.log(5), 0), cells({"300", "+", "150", "=", "450", "", ""}));
    QCOMPARE(f.entry().MaskEdit1->text(), QStringLiteral("00:00:10:00"));
    QCOMPARE(f.entry().MaskEdit2->text(), QStringLiteral("00:00:05:00"));
    QCOMPARE(f.entry().MaskEdit3->text(), QStringLiteral("00:00:15:00"));
    QCOMPARE(w.StatusPanel0->text(), QStringLiteral("Total Calculations: 1"));
    QCOMPARE(w.StatusPanel1->text(), QStringLiteral("50.00%"));
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);
    QVERIFY(w.workChanged());

    for (QAction *command : {w.Save1, w.Export1, w.Print1, w.PrintPreview1, w.New1, w.Sort1, w.Find1})
        QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
    QVERIFY(w.EditBtn->isEnabled());
    QVERIFY(w.toolButton(w.Save1)->isEnabled());
}

void TestMainWindow::logsScrollToTheirLastFiveRows()
{
    WindowFixture f;
    QVERIFY(f.start());
    for (int i = 1; i <= 5; ++i)
        f.calculate(QStringLiteral("00:00:0%1:00").arg(i), 0, kZero);
    for (int mode = 0; mode < kModeCount; ++mode)
        QCOMPARE(f.window->StringGrid(mode)->topRow(), 0);
    f.calculate(QStringLiteral("00:00:06:00"), 0, kZero);
    for (int mode = 0; mode < kModeCount; ++mode) {
        QCOMPARE(f.window->log(mode)->count(), 6);
        QCOMPARE(f.window->StringGrid(mode)->topRow(), 1);
    }
    f.calculate(QStringLiteral("00:00:07:00"), 0, kZero);
    QCOMPARE(f.window->StringGrid(5)->topRow(), 2);
    // A log on another tab shows its last rows as soon as its tab is chosen.
    f.window->Panel3->PageControl1->setCurrentIndex(3);
    QCOMPARE(f.window->StringGrid(3)->verticalScrollBar()->value(), 2);
    QCOMPARE(f.window->StringGrid(0)->verticalScrollBar()->value(), 2);
}

void TestMainWindow::rangeFailure_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("firstField");

    QTest::newRow("PAL first field")
        << 2 << "00:00:00:25" << kZero << "Out - 00:00:00:25 is not valid timecode!" << true;
    QTest::newRow("non-drop second field")
        << 0 << kZero << "00:00:00:30" << "In - 00:00:00:30 is not valid timecode!" << false;
    QTest::newRow("first field named before the second")
        << 3 << "00:00:61:00" << "00:00:00:24" << "Out - 00:00:61:00 is not valid timecode!" << true;
    QTest::newRow("film frames") << 3 << kZero << "00:00:00:24" << "In - 00:00:00:24 is not valid timecode!" << false;
    QTest::newRow("user rate 15") << 4 << "00:00:00:15" << kZero << "Out - 00:00:00:15 is not valid timecode!" << true;
    QTest::newRow("hours") << 1 << "24;00;00;00" << kZero << "Out - 24;00;00;00 is not valid timecode!" << true;
}

void TestMainWindow::rangeFailure()
{
    QFETCH(int, tab);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, message);
    QFETCH(bool, firstField);

    WindowFixture f;
    QVERIFY(f.start());
    f.window->Panel3->PageControl1->setCurrentIndex(tab);
    f.dialogs.expectError();
    f.calculate(first, 0, second);

    QCOMPARE(f.dialogs.errors, QStringList{message});
    QCOMPARE(f.window->calcCount(), 0);
    for (int mode = 0; mode < kModeCount; ++mode)
        QCOMPARE(f.window->log(mode)->count(), 0);
    QLineEdit *offending = firstField ? static_cast<QLineEdit *>(f.entry().MaskEdit1) : f.entry().MaskEdit2;
    QCOMPARE(QApplication::focusWidget(), offending);
    QCOMPARE(offending->selectedText(), offending->text());
    QCOMPARE(f.entry().MaskEdit1->text(), first);
    QCOMPARE(f.window->StatusPanel0->text(), QStringLiteral("Total Calculations: 0"));
    QVERIFY(!f.window->Save1->isEnabled());
    QVERIFY(!f.window->workChanged());
}

void TestMainWindow::rangeFailureAfterACalculationKeepsTheLog()
{
    WindowFixture f;
    QVERIFY(f.start());
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    f.window->Panel3->PageControl1->setCurrentIndex(2);
    f.dialogs.expectError();
    f.calculate(QStringLiteral("00:00:00:25"), 0, kZero);
    QCOMPARE(f.window->calcCount(), 1);
    QCOMPARE(f.window->log(2)->count(), 1);
    QCOMPARE(f.window->StatusPanel0->text(), QStringLiteral("Total Calculations: 1"));
    QCOMPARE(f.window->StatusPanel1->text(), QStringLiteral("50.00%"));
}

void TestMainWindow::conversionFailure_data()
{
    QTest::addColumn<bool>("frameMode");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("text");

    QTest::newRow("frame number that is not a number") << true << 0 << "12a";
    QTest::newRow("percentage that is not a number") << false << 4 << "1.2.3";
}

void TestMainWindow::conversionFailure()
{
    QFETCH(bool, frameMode);
    QFETCH(int, op);
    QFETCH(QString, text);

    WindowFixture f;
    QVERIFY(f.start());
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    if (frameMode)
        f.window->FrameMode1->trigger();
    QLineEdit *field = frameMode ? f.entry().FrameIn : f.entry().MaskEdit4;
    f.entry().OperandCombo->setCurrentIndex(op);
    field->setText(text);
    f.dialogs.expectError();
    f.window->CalculateBtnClick();

    QCOMPARE(f.dialogs.errors.size(), 1);
    QVERIFY2(f.dialogs.errors.first().contains(text), qPrintable(f.dialogs.errors.first()));
    QCOMPARE(f.window->calcCount(), 1);
    for (int mode = 0; mode < kModeCount; ++mode)
        QCOMPARE(f.window->log(mode)->count(), 1);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->text(), text);
}

void TestMainWindow::rangeCheckingOffLetsAnyTimecodeThrough()
{
    WindowFixture f;
    QVERIFY(f.start());
    QVERIFY(f.window->ValidityCheck->isChecked());
    f.window->ValidityCheck->trigger();
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/Validity")), QStringLiteral("0"));
    QVERIFY(!f.window->preferences().settings().validity);
    f.window->Panel3->PageControl1->setCurrentIndex(2);
    f.calculate(QStringLiteral("00:00:00:25"), 0, kZero);
    QCOMPARE(f.window->calcCount(), 1);
    QCOMPARE(f.window->log(2)->cell(0, 4), QStringLiteral("00:00:01:00"));
}

void TestMainWindow::frameModeCalculation()
{
    WindowFixture f;
    QVERIFY(f.start());
    f.window->FrameMode1->trigger();
    f.entry().FrameIn->setText(QStringLiteral("45"));
    f.entry().OperandCombo->setCurrentIndex(0);
    f.entry().FrameOut->setText(QStringLiteral("10"));
    f.window->CalculateBtnClick();

    QCOMPARE(rowOf(f.window->log(0), 0), cells({"00:00:01:15", "+", "00:00:00:10", "=", "00:00:01:25", "", ""}));
    QCOMPARE(f.window->log(2)->cell(0, 0), QStringLiteral("00:00:01:20"));
    QCOMPARE(f.window->log(2)->cell(0, 2), QStringLiteral("00:00:00:10"));
    QCOMPARE(rowOf(f.window->log(5), 0), cells({"45", "+", "10", "=", "55", "", ""}));
    QCOMPARE(f.entry().FrameDur->text(), QStringLiteral("55"));
    QCOMPARE(QApplication::focusWidget(), f.entry().FrameIn);

    // No range check in Frame Mode, whatever the numbers.
    f.window->Panel3->PageControl1->setCurrentIndex(2);
    f.entry().FrameIn->setText(QStringLiteral("29"));
    f.window->CalculateBtnClick();
    QCOMPARE(f.window->calcCount(), 2);
}

void TestMainWindow::frameModeToggle()
{
    WindowFixture f;
    QVERIFY(f.start());
    QVERIFY(!f.window->FrameMode1->isChecked());
    QVERIFY(!f.entry().FrameIn->isVisible());
    f.window->FrameMode1->trigger();
    QVERIFY(f.entry().FrameIn->isVisible());
    QVERIFY(f.entry().FrameOut->isVisible());
    QVERIFY(f.entry().FrameDur->isVisible());
    QCOMPARE(QApplication::focusWidget(), f.entry().FrameIn);
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/FrameMode")), QStringLiteral("1"));
    QVERIFY(f.window->preferences().settings().frameMode);

    f.window->FrameMode1->trigger();
    QVERIFY(!f.entry().FrameIn->isVisible());
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/FrameMode")), QStringLiteral("0"));
}

void TestMainWindow::tabChangeBeforeCalculations()
{
    WindowFixture f;
    QVERIFY(f.start());
    f.entry().MaskEdit1->setText(QStringLiteral("01:02:03:04"));
    f.window->Panel3->PageControl1->setCurrentIndex(1);
    QCOMPARE(f.entry().fieldSeparator(), ';');
    QCOMPARE(f.window->calcState().FieldSeparator, ';');
    QCOMPARE(f.entry().MaskEdit1->text(), QStringLiteral("01;02;03;04"));
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);
    f.window->Panel3->PageControl1->setCurrentIndex(2);
    QCOMPARE(f.entry().MaskEdit1->text(), QStringLiteral("01:02:03:04"));
    QCOMPARE(f.window->calcState().FieldSeparator, ':');
}

void TestMainWindow::tabChangeAfterCalculations_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");

    QTest::newRow("NonDrop") << 0 << "00:01:00:00" << "00:00:05:00" << "00:01:05:00";
    QTest::newRow("DropFrm") << 1 << "00;01;00;02" << "00;00;05;00" << "00;01;05;02";
    QTest::newRow("PAL") << 2 << "00:01:00:00" << "00:00:05:00" << "00:01:05:00";
    QTest::newRow("Frames") << 5 << kZero << kZero << kZero;
}

void TestMainWindow::tabChangeAfterCalculations()
{
    QFETCH(int, tab);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);

    WindowFixture f;
    QVERIFY(f.start());
    f.calculate(QStringLiteral("00:00:10:00"), 1, QStringLiteral("00:00:05:00"));
    f.calculate(QStringLiteral("00:01:00:00"), 0, QStringLiteral("00:00:05:00"));
    f.entry().OperandCombo->setCurrentIndex(3);
    f.window->Panel3->PageControl1->setCurrentIndex(tab == 3 ? 4 : 3);
    f.entry().OperandCombo->setCurrentIndex(3);
    f.window->Panel3->PageControl1->setCurrentIndex(tab);
    QCOMPARE(f.entry().MaskEdit1->text(), first);
    QCOMPARE(f.entry().MaskEdit2->text(), second);
    QCOMPARE(f.entry().MaskEdit3->text(), result);
    QCOMPARE(f.entry().OperandCombo->currentText(), QStringLiteral("+"));
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);
}

void TestMainWindow::tabChangeAfterAPercentage()
{
    WindowFixture f;
    QVERIFY(f.start());
    f.entry().OperandCombo->setCurrentIndex(4);
    f.entry().MaskEdit4->setText(QStringLiteral("50"));
    f.entry().MaskEdit2->setText(QStringLiteral("00:00:10:00"));
    f.window->CalculateBtnClick();
    QCOMPARE(f.window->log(0)->cell(0, 0), QStringLiteral("50"));
    QCOMPARE(f.window->log(0)->cell(0, 4), QStringLiteral("00:00:05:00"));
    QVERIFY(f.window->StatusPanel1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit4);

    f.entry().MaskEdit4->setText(QStringLiteral("7"));
    f.window->Panel3->PageControl1->setCurrentIndex(2);
    QVERIFY(f.entry().MaskEdit4->isVisible());
    QCOMPARE(f.entry().MaskEdit4->text(), QStringLiteral("50"));
    QCOMPARE(f.entry().OperandCombo->currentText(), QStringLiteral("%"));
}

void TestMainWindow::newAnswered_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestMainWindow::newAnswered()
{
    QFETCH(bool, yes);
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    w.EditBtn->click();
    QVERIFY(w.Panel3->editMode());
    f.entry().OperandCombo->setCurrentIndex(1);

    f.dialogs.expectQuestion(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    w.New1->trigger();
    QCOMPARE(f.dialogs.questions, QStringList{QStringLiteral("Clear all calculations?")});

    // Either answer clears the entry fields and leaves description editing.
    QCOMPARE(f.entry().MaskEdit1->text(), kZero);
    QCOMPARE(f.entry().MaskEdit2->text(), kZero);
    QCOMPARE(f.entry().MaskEdit3->text(), kZero);
    QCOMPARE(f.entry().OperandCombo->currentIndex(), 0);
    QVERIFY(!w.Panel3->editMode());
    QVERIFY(!w.EditBtn->isChecked());
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);

    QCOMPARE(w.calcCount(), yes ? 0 : 1);
    for (int mode = 0; mode < kModeCount; ++mode) {
        QCOMPARE(w.log(mode)->count(), yes ? 0 : 1);
        QCOMPARE(w.log(mode)->rowCount(), 1);
    }
    QCOMPARE(w.workChanged(), !yes);
    for (QAction *command : {w.Save1, w.Export1, w.Print1, w.PrintPreview1, w.New1, w.Sort1, w.Find1})
        QCOMPARE(command->isEnabled(), !yes);
    QCOMPARE(w.EditBtn->isEnabled(), !yes);
    QVERIFY(w.Open1->isEnabled());

    if (yes) {
        // Closing after New answered Yes asks nothing.
        QVERIFY(w.close());
    }
}

void TestMainWindow::closeQuestion_data()
{
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<int>("answer");
    // Yes shows the save dialog: "" cancels it, "doc.cvf" saves into a temporary folder.
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<bool>("closes");

    QTest::newRow("no calculation: no question") << false << -1 << QString() << true;
    QTest::newRow("No closes") << true << int(Dialogs::Answer::No) << QString() << true;
    QTest::newRow("Cancel keeps the window") << true << int(Dialogs::Answer::Cancel) << QString() << false;
    QTest::newRow("Yes with a save closes") << true << int(Dialogs::Answer::Yes) << QStringLiteral("doc.cvf") << true;
    // Unsaved work is never lost: a cancelled save keeps the window.
    QTest::newRow("Yes with a cancelled save keeps the window")
        << true << int(Dialogs::Answer::Yes) << QString() << false;
}

void TestMainWindow::closeQuestion()
{
    QFETCH(bool, calculate);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, closes);

    WindowFixture f;
    QVERIFY(f.start());
    if (calculate)
        f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    const QString saved = saveAs.isEmpty() ? QString() : f.storeDir.filePath(saveAs);
    if (answer >= 0)
        f.dialogs.expectQuestion(static_cast<Dialogs::Answer>(answer));
    if (answer == int(Dialogs::Answer::Yes))
        f.dialogs.expectSaveFile(saved);
    f.window->move(260, 140);
    f.window->GridSize(0, 95);

    QCOMPARE(f.window->close(), closes);
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.dialogs.questions, answer >= 0 ? QStringList{QStringLiteral("Save Current Work?")} : QStringList());
    QCOMPARE(f.window->isVisible(), !closes);
    QCOMPARE(QFile::exists(saved), !saved.isEmpty());
    if (closes) {
        // The layout is saved at exit: position and column widths.
        const int extra = f.window->preferences().layout().extraEven;
        QCOMPARE(WindowFixture::stored(QStringLiteral("Grid/1A")), QString::number(95 - extra));
        QCOMPARE(WindowFixture::stored(QStringLiteral("Postion/MainLeft")), QString::number(f.window->pos().x()));
        QCOMPARE(WindowFixture::stored(QStringLiteral("Postion/MainTop")), QString::number(f.window->pos().y()));
    } else {
        QCOMPARE(WindowFixture::stored(QStringLiteral("Grid/1A")), QString());
        QVERIFY(f.window->workChanged());
    }
}

void TestMainWindow::freshStoreGivesEveryDefault()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    QCOMPARE(w.activeTab(), 0);
    const QStringList captions{QStringLiteral("NonDrop"), QStringLiteral("DropFrm"), QStringLiteral("PAL"),
                               QStringLiteral("Film/24P"), QStringLiteral("User-15"), QStringLiteral("Frames-30")};
    for (int tab = 0; tab < kModeCount; ++tab)
        QCOMPARE(w.Panel3->tabCaption(tab), captions.at(tab));
    QCOMPARE(w.Panel3->PageControl1->tabPosition(), QTabWidget::North);
    QVERIFY(w.ValidityCheck->isChecked());
    QVERIFY(w.Percentages1->isChecked());
    QVERIFY(w.Balloon1->isChecked());
    QVERIFY(!w.Descriptions1->isChecked());
    QVERIFY(!w.FrameMode1->isChecked());
    QCOMPARE(QApplication::focusWidget(), f.entry().MaskEdit1);
    QCOMPARE(w.calcState().UserFps, 15);
    QCOMPARE(w.calcState().FramesFps, 30.0);

    QCOMPARE(f.entry().Label1->text(), QStringLiteral("Out"));
    QCOMPARE(f.entry().Label2->text(), QStringLiteral("In"));
    QCOMPARE(f.entry().Label4->text(), QStringLiteral("Duration"));
    QCOMPARE(w.FieldCaptions(), (std::array<QString, 3>{QStringLiteral("Out"), QStringLiteral("In"), QStringLiteral("Dur")}));
    for (int mode = 0; mode < kModeCount; ++mode) {
        const LogHeader *header = w.HeaderControl(mode);
        QCOMPARE(header->count(), 8);
        QCOMPARE(header->sectionText(0), QStringLiteral("Out"));
        QCOMPARE(header->sectionText(2), QStringLiteral("In"));
        QCOMPARE(header->sectionText(4), QStringLiteral("Duration"));
        QCOMPARE(header->sectionText(6), QStringLiteral("Descriptions"));
        QCOMPARE(header->sectionText(7), QStringLiteral("-"));
        QCOMPARE(header->height(), 17);
        QCOMPARE(header->toolTip(), QStringLiteral("Drag bars"));
        QVERIFY(w.StringGrid(mode)->isColumnHidden(6));
        QCOMPARE(w.StringGrid(mode)->font().bold(), true);
        QCOMPARE(w.StringGrid(mode)->font().pointSize(), 11);
        QCOMPARE(w.StringGrid(mode)->palette().color(QPalette::Text), QColor(0, 0, 128));
        QCOMPARE(w.log(mode)->rowCount(), 1);
    }

    const LayoutState &layout = w.preferences().layout();
    for (int column = 0; column < 7; ++column) {
        const int extra = column % 2 == 0 ? layout.extraEven : layout.extraOdd;
        QCOMPARE(w.Panel3->columnWidth(column), kDefaultColumnBaseWidth[static_cast<std::size_t>(column)] + extra);
    }
    QCOMPARE(w.width(), layout.highDpi ? 416 : 339);
    QVERIFY(w.StatusPanel0->width() >= 225);
    QVERIFY(w.StatusPanel1->width() >= 50);
    QCOMPARE(w.StatusPanel1->alignment() & Qt::AlignRight, Qt::AlignRight);
    QVERIFY(!w.ProgressBar1->isVisible());
    QVERIFY(!w.ClipStore->isVisible());
    QCOMPARE(w.ClipStore->maxLength(), 11);
    QVERIFY(w.TrashClose->isVisible());
    QVERIFY(!w.TrashOpen->isVisible());
    QCOMPARE(w.versionText(), QStringLiteral("Version 1.65"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Corvane"));
}

void TestMainWindow::storedStartTabAndLabels()
{
    WindowFixture f({{QStringLiteral("StartWith/StartCombo"), QStringLiteral("1")},
                     {QStringLiteral("StartWith/LabelCombo"), QStringLiteral("2")},
                     {QStringLiteral("StartWith/TabCombo"), QStringLiteral("1")},
                     {QStringLiteral("StartWith/Frames"), QStringLiteral("29.97")},
                     {QStringLiteral("StartWith/Descriptions"), QStringLiteral("1")},
                     {QStringLiteral("StartWith/Balloon"), QStringLiteral("0")}});
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    QVERIFY(!w.Balloon1->isChecked());
    QVERIFY(!w.hintShown(w.toolButton(w.New1)));
    QCOMPARE(w.activeTab(), 1);
    QCOMPARE(f.entry().fieldSeparator(), ';');
    QCOMPARE(f.entry().MaskEdit1->text(), QStringLiteral("00;00;00;00"));
    QCOMPARE(w.Panel3->tabCaption(5), QStringLiteral("Frm-29.97"));
    QCOMPARE(w.calcState().FramesFps, 29.97);
    QCOMPARE(w.Panel3->PageControl1->tabPosition(), QTabWidget::South);
    QCOMPARE(f.entry().Label1->text(), QStringLiteral("TC1"));
    QCOMPARE(f.entry().Label4->text(), QStringLiteral("Total"));
    QCOMPARE(w.HeaderControl(3)->sectionText(4), QStringLiteral("Total"));
    QCOMPARE(w.FieldCaptions()[2], QStringLiteral("Tot"));
    QCOMPARE(w.labelSet(), 2);
    QVERIFY(w.Descriptions1->isChecked());
    QVERIFY(!w.StringGrid(0)->isColumnHidden(6));
    QCOMPARE(w.width(), w.preferences().layout().highDpi ? 559 : 460);
}

void TestMainWindow::unreadableRatesDoNotStopTheStart()
{
    // A hand-edited store: neither rate converts. The start-up runs once, without error boxes.
    WindowFixture f({{QStringLiteral("StartWith/Frames"), QStringLiteral("1.2.3")},
                     {QStringLiteral("StartWith/UserFrames"), QStringLiteral("x")}});
    QVERIFY(f.start());
    QVERIFY(f.dialogs.errors.isEmpty());
    QVERIFY(f.window->calcState().UserFps >= 1);
    QVERIFY(f.window->calcState().FramesFps > 0);
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    QCOMPARE(f.window->calcCount(), 1);
}

void TestMainWindow::percentagesToggle()
{
    WindowFixture f;
    QVERIFY(f.start());
    f.window->Percentages1->trigger();
    QVERIFY(f.window->StatusPanel1->text().isEmpty());
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/Percentages")), QStringLiteral("0"));
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    QVERIFY(f.window->StatusPanel1->text().isEmpty());
    f.window->Percentages1->trigger();
    QCOMPARE(f.window->StatusPanel1->text(), QStringLiteral("0.0%"));
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/Percentages")), QStringLiteral("1"));
    QVERIFY(f.window->preferences().settings().percentages);
}

void TestMainWindow::balloonHelpToggle()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    QWidget *newButton = w.toolButton(w.New1);
    QWidget *f1Button = w.toolButton(w.FKeys[0]);
    QVERIFY(w.hintShown(newButton));
    w.Balloon1->trigger();
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/Balloon")), QStringLiteral("0"));
    QVERIFY(!w.hintShown(newButton));
    QVERIFY(!w.hintShown(w.HeaderControl(0)));
    QVERIFY(w.hintShown(f1Button));
    QVERIFY(w.hintShown(w.toolButton(w.ProgF)));
    QVERIFY(w.hintShown(w.TrashClose));
    QCOMPARE(f1Button->toolTip(), QStringLiteral("00:00:00:00"));
    QCOMPARE(newButton->toolTip(), QStringLiteral("New"));

    // The switch is applied at each activation from the tick.
    w.FormActivate();
    QVERIFY(!w.hintShown(newButton));
    w.Balloon1->trigger();
    QVERIFY(w.hintShown(newButton));
}

void TestMainWindow::lastHeaderSectionTogglesDescriptions()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    const int width = w.width();
    Q_EMIT w.HeaderControl(3)->sectionClicked(7);
    QVERIFY(w.Descriptions1->isChecked());
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/Descriptions")), QStringLiteral("1"));
    for (int mode = 0; mode < kModeCount; ++mode)
        QVERIFY(!w.StringGrid(mode)->isColumnHidden(6));
    QVERIFY(w.width() > width);
    // Other sections sort only when sorting is armed: nothing happens.
    Q_EMIT w.HeaderControl(3)->sectionClicked(2);
    QVERIFY(w.Descriptions1->isChecked());
    Q_EMIT w.HeaderControl(0)->sectionClicked(7);
    QVERIFY(!w.Descriptions1->isChecked());
    QCOMPARE(w.width(), width);
}

void TestMainWindow::columnLayoutWidths()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TPreferences &preferences = w.preferences();
    if (preferences.layout().highDpi)
        QSKIP("the window widths of this test are those of a display under 100 dpi");

    QCOMPARE(w.width(), 339);
    w.Descriptions1->trigger();
    QCOMPARE(w.width(), 460);
    QCOMPARE(w.Panel3->width(), 453);
    QCOMPARE(w.Panel2->width(), 454);
    QCOMPARE(w.Panel3->PageControl1->width(), 438);
    QCOMPARE(w.HeaderControl(5)->width(), 430);
    QCOMPARE(w.StringGrid(5)->width(), 429);
    for (int mode = 0; mode < kModeCount; ++mode) {
        QCOMPARE(w.HeaderControl(mode)->sectionSize(0), 89);
        QCOMPARE(w.HeaderControl(mode)->sectionSize(6), 102);
        QCOMPARE(w.HeaderControl(mode)->sectionSize(7), 19);
        QCOMPARE(w.StringGrid(mode)->columnWidth(6), 100 + kGridLineRoom);
    }

    // After Defaults the wider default width is used once.
    preferences.layout().widthResetPending = true;
    preferences.ApplyBtnClick();
    QCOMPARE(w.width(), 456);
    QVERIFY(!preferences.layout().widthResetPending);
    preferences.ApplyBtnClick();
    QCOMPARE(w.width(), 460);

    w.Descriptions1->trigger();
    QCOMPARE(w.width(), 339);
}

void TestMainWindow::preferencesCommand()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    w.move(230, 120);
    w.GridSize(4, 90);
    // Changed in the store behind the dialog's back: the dialog loads it when it opens.
    WindowFixture::openStore()->setValue(QStringLiteral("StartWith/UserFrames"), QStringLiteral("25"));
    WindowFixture::openStore()->setValue(QStringLiteral("StartWith/Frames"), QStringLiteral("23.98"));

    bool shown = false;
    QTimer::singleShot(0, &w, [&] {
        shown = w.preferences().isVisible();
        w.preferences().CancelBtnClick();
    });
    w.Preferences1->trigger();
    QVERIFY(shown);
    QVERIFY(!w.preferences().isVisible());

    // The layout was saved before the dialog opened.
    QCOMPARE(WindowFixture::stored(QStringLiteral("Grid/1E")),
             QString::number(90 - w.preferences().layout().extraEven));
    QCOMPARE(WindowFixture::stored(QStringLiteral("Postion/MainLeft")), QString::number(w.pos().x()));
    // The rates and captions follow the dialog.
    QCOMPARE(w.calcState().UserFps, 25);
    QCOMPARE(w.calcState().FramesFps, 23.98);
    QCOMPARE(w.Panel3->tabCaption(4), QStringLiteral("User-25"));
    QCOMPARE(w.Panel3->tabCaption(5), QStringLiteral("Frm-23.98"));
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    QCOMPARE(w.log(4)->cell(0, 4), QStringLiteral("00:00:15:00"));
    QCOMPARE(w.log(5)->cell(0, 0), QStringLiteral("240"));
}

void TestMainWindow::dividerDragResizesEveryLog()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    const LayoutState &layout = w.preferences().layout();
    LogHeader *header = w.HeaderControl(0);
    QWidget *surface = header->viewport();
    const int divider = header->sectionViewportPosition(2) + header->sectionSize(2) - 1;
    const int start = header->sectionSize(2);
    const int column = w.Panel3->columnWidth(2);
    QCOMPARE(start, column + 2);

    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(divider, 8));
    QTest::mouseMove(surface, QPoint(divider + 120 - start, 8));
    for (int mode = 0; mode < kModeCount; ++mode) {
        QCOMPARE(w.HeaderControl(mode)->sectionSize(2), 120);
        QCOMPARE(w.StringGrid(mode)->columnWidth(2), 118 + kGridLineRoom);
    }
    // The window follows while the divider moves; nothing is stored before the release.
    const int logWidth = NeededWidth(w.Panel3->columnWidths(), false);
    QCOMPARE(w.width(), logWidth + 32);
    QCOMPARE(w.StringGrid(3)->width(), logWidth);
    QCOMPARE(w.HeaderControl(3)->width(), logWidth - 1);
    QCOMPARE(WindowFixture::stored(QStringLiteral("Grid/1C")), QString());

    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(divider + 120 - start, 8));
    QCOMPARE(WindowFixture::stored(QStringLiteral("Grid/1C")), QString::number(118 - layout.extraEven));
    QCOMPARE(w.preferences().settings().columnBaseWidth[2], 118 - layout.extraEven);

    // A section is held within its limits while dragged.
    const int divider0 = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(divider0, 8));
    QTest::mouseMove(surface, QPoint(2, 8));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(2, 8));
    QCOMPARE(header->sectionSize(0), 20);
    QCOMPARE(w.StringGrid(4)->columnWidth(0), 16 + kGridLineRoom);
}

void TestMainWindow::editModeEntersAndLeaves()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    QVERIFY(!w.Descriptions1->isChecked());
    QVERIFY(!w.log(0)->isEditable());

    QTest::mouseClick(w.EditBtn, Qt::LeftButton);
    QVERIFY(w.EditBtn->isChecked());
    QVERIFY(w.Panel3->editMode());
    // Editing descriptions shows them.
    QVERIFY(w.Descriptions1->isChecked());
    QCOMPARE(WindowFixture::stored(QStringLiteral("StartWith/Descriptions")), QStringLiteral("1"));
    for (int mode = 0; mode < kModeCount; ++mode) {
        QVERIFY(w.log(mode)->isEditable());
        QVERIFY(!w.StringGrid(mode)->currentIndex().isValid());
    }

    QTest::mouseClick(w.EditBtn, Qt::LeftButton);
    QVERIFY(!w.EditBtn->isChecked());
    QVERIFY(!w.Panel3->editMode());
    for (int mode = 0; mode < kModeCount; ++mode)
        QVERIFY(!w.log(mode)->isEditable());
    QVERIFY(w.Descriptions1->isChecked());

    // Switching descriptions off leaves editing and releases the button.
    QTest::mouseClick(w.EditBtn, Qt::LeftButton);
    QVERIFY(w.Panel3->editMode());
    w.Descriptions1->trigger();
    QVERIFY(!w.Panel3->editMode());
    QVERIFY(!w.EditBtn->isChecked());
}

void TestMainWindow::cellEditedInOneLogOnly()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    f.calculate(QStringLiteral("00:00:20:00"), 0, QStringLiteral("00:00:05:00"));

    // Not in drag mode.
    LogView *pal = w.StringGrid(2);
    const QModelIndex description = w.log(2)->index(1, 6);
    pal->setCurrentIndex(description);
    pal->edit(description);
    QVERIFY(pal->indexWidget(description) == nullptr);

    QTest::mouseClick(w.EditBtn, Qt::LeftButton);
    w.Panel3->PageControl1->setCurrentIndex(2);
    pal->setFocus();
    pal->setCurrentIndex(description);
    pal->edit(description);
    auto *editor = qobject_cast<QLineEdit *>(pal->indexWidget(description));
    QVERIFY(editor);
    QCOMPARE(editor->maxLength(), 100);
    QTest::keyClicks(editor, QStringLiteral("Scene 4"));
    // The editor hands its text over once the key has been handled.
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.log(2)->cell(1, 6), QStringLiteral("Scene 4"));
    for (int mode : {0, 1, 3, 4, 5})
        QCOMPARE(w.log(mode)->cell(1, 6), QString());

    // A value cell takes no spaces and at most 20 characters.
    const QModelIndex result = w.log(2)->index(0, 4);
    pal->setCurrentIndex(result);
    pal->edit(result);
    editor = qobject_cast<QLineEdit *>(pal->indexWidget(result));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("00:00:16:00 take two and more"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.log(2)->cell(0, 4), QStringLiteral("00:00:16:00taketwoan"));
    QCOMPARE(w.log(0)->cell(0, 4), QStringLiteral("00:00:15:00"));

    // Leaving edit mode ends an open edit and keeps what was typed.
    pal->edit(description);
    editor = qobject_cast<QLineEdit *>(pal->indexWidget(description));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Scene 5"));
    QTest::mouseClick(w.EditBtn, Qt::LeftButton);
    QCOMPARE(w.log(2)->cell(1, 6), QStringLiteral("Scene 5"));
    QVERIFY(w.workChanged());
}

void TestMainWindow::calculateButtonImages()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    CalculateButton *button = w.CalculateBtn;
    QCOMPARE(button->size(), QSize(90, 33));
    QCOMPARE(button->image(), CalculateButton::Image::Normal);
    hover(button, QPoint(40, 15));
    QCOMPARE(button->image(), CalculateButton::Image::Over);
    QCOMPARE(w.StatusPanel0->text(), QStringLiteral("Total Calculations: 0"));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(button->image(), CalculateButton::Image::Down);
    f.entry().MaskEdit1->setText(QStringLiteral("00:00:10:00"));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(button->image(), CalculateButton::Image::Over);
    QCOMPARE(w.calcCount(), 1);
    // A double click is a click and a double click: two calculations, as the program always did.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 15));
    QCOMPARE(w.calcCount(), 3);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QCOMPARE(button->image(), CalculateButton::Image::Normal);
    // A control with a help text resets the image and shows its text.
    hover(button, QPoint(40, 15));
    hover(w.toolButton(w.Clear1), QPoint(5, 5));
    QCOMPARE(button->image(), CalculateButton::Image::Normal);
    QCOMPARE(w.StatusPanel0->text(), QStringLiteral("Clear edit boxes"));
}

void TestMainWindow::accessibleNames()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    const QStringList captions{QStringLiteral("NonDrop"), QStringLiteral("DropFrm"), QStringLiteral("PAL"),
                               QStringLiteral("Film/24P"), QStringLiteral("User-15"), QStringLiteral("Frames-30")};
    for (int mode = 0; mode < kModeCount; ++mode)
        QCOMPARE(w.StringGrid(mode)->accessibleName(), captions.at(mode));
    QCOMPARE(w.StatusPanel0->accessibleName(), QStringLiteral("Status"));
    QCOMPARE(w.StatusPanel1->accessibleName(), QStringLiteral("Percentage"));
    QCOMPARE(w.toolButton(w.Save1)->accessibleName(), QStringLiteral("Save"));
    QCOMPARE(w.toolButton(w.MiniCalc1)->accessibleName(), QStringLiteral("Mini Calculator"));
    QCOMPARE(w.toolButton(w.FKeys[11])->accessibleName(), QStringLiteral("F12 memory"));
    QCOMPARE(w.CalculateBtn->accessibleName(), QStringLiteral("Calculate"));
    QCOMPARE(w.EditBtn->accessibleName(), QStringLiteral("Edit Descriptions"));

    // Every control a person can reach or read announces a name.
    const QList<QWidget *> controls = w.findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisible() || qobject_cast<QMenu *>(control))
            continue;
        const bool reachable = control->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(control) ||
                               qobject_cast<QLabel *>(control) || qobject_cast<QAbstractItemView *>(control);
        if (!reachable || control->inherits("QScrollBar") || control->inherits("QTabBar"))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->metaObject()->className() + QStringLiteral(" ") + control->objectName()));
    }

    // The log names follow the rate captions.
    w.Panel3->setTabCaption(4, QStringLiteral("User-30"));
    QCOMPARE(w.StringGrid(4)->accessibleName(), QStringLiteral("User-30"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
