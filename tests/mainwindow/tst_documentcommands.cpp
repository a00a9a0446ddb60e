// The window's document commands driven headless: save, open with each answer of "Save Current
// Work?", malformed documents, a file dropped on the window, the command line's document, export,
// and a description edited in place surviving a save and an open.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "documents/documentio.h"
#include "documents/exportdialog.h"
#include "documents/exportformat.h"
#include "mainwindow/logarea.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/logview.h"
#include "settings/preferences.h"
#include "tests/documents/documenttext.h"
#include "tests/mainwindow/windowfixture.h"

namespace {

using Answer = Dialogs::Answer;

// Every logged row of the six logs, "mode: cell|cell|...|cell".
QStringList WindowCells(const TCalcMainForm &w)
{
    QStringList out;
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (std::int64_t r = 0; r < w.log(mode)->count(); ++r) {
            QStringList cells;
            for (int column = 0; column < kLogColumns; ++column)
                cells << w.log(mode)->cell(r, column);
            out << QString::number(mode) + QStringLiteral(": ") + cells.join(QLatin1Char('|'));
        }
    }
    return out;
}

// A document of `count` rows, the same in every section, and the rows it gives each log.
struct SampleDocument {
    QByteArray bytes;
    QStringList rows;
};

SampleDocument Sample(int count, const QString &take)
{
    SampleDocument sample;
    QByteArrayList lines;
    for (int i = 0; i < count; ++i) {
        const QString first = QStringLiteral("00:00:%1:00").arg(i + 10, 2, 10, QLatin1Char('0'));
        const QString result = QStringLiteral("00:00:%1:00").arg(i + 15, 2, 10, QLatin1Char('0'));
        const QString description = take + QLatin1Char(' ') + QString::number(i + 1);
        lines << QStringLiteral("%1 + 00:00:05:00 = %2  %3 ").arg(first, result, description).toUtf8();
        sample.rows << QStringLiteral("%1|+|00:00:05:00|=|%2||%3").arg(first, result, description);
    }
    sample.bytes = Document({"CorvaneFile", QByteArray::number(count)}, lines);
    return sample;
}

QString WriteFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A path that no file can take: its parent is a regular file.
QString UnwritablePath(const QTemporaryDir &dir)
{
    WriteFile(dir, QStringLiteral("blocker"), "a file, not a folder");
    return dir.filePath(QStringLiteral("blocker/doc.cvf"));
}

// Two calculations, left unsaved.
void TwoCalculations(WindowFixture &f)
{
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    f.calculate(QStringLiteral("00:01:00:00"), 1, QStringLiteral("00:00:20:00"));
}

QList<QAction *> DocumentCommands(const TCalcMainForm &w)
{
    return {w.Save1, w.Export1, w.PrintPreview1, w.Print1, w.New1, w.Sort1, w.Find1};
}

} // namespace

class TestDocumentCommands : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheDocument();
    void saveThatDoesNotHappen_data();
    void saveThatDoesNotHappen();
    void openAnswers_data();
    void openAnswers();
    void malformedDocumentChangesNothing_data();
    void malformedDocumentChangesNothing();
    void openingEnablesCommandsAndScrolls();
    void openingAnEmptyDocument();
    void closeAfterAFailedSaveStaysOpen();
    void droppedFilesOpenTheFirst();
    void dropsThatAreNoFile_data();
    void dropsThatAreNoFile();
    void commandLineDocumentAtFirstActivation_data();
    void commandLineDocumentAtFirstActivation();
    void exportWritesTheChosenLog();
    void exportSettingsFollowTheStore();
    void cellsEditedInPlaceSaveAndOpenUnchanged();
};

void TestDocumentCommands::saveWritesTheDocument()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);
    QVERIFY(w.workChanged());

    const QString path = f.storeDir.filePath(QStringLiteral("work.cvf"));
    f.dialogs.expectSaveFile(path);
    w.Save1->trigger();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.dialogs.fileFilters, QStringList{kDocumentSaveFilter});
    QVERIFY(!w.workChanged());

    const QByteArray bytes = ReadFile(path);
    QVERIFY(bytes.startsWith("CorvaneFile\r\n2\r\nNonDropFrame Timecode\r\n"
                             "00:00:10:00 + 00:00:05:00 = 00:00:15:00   \r\n"
                             "00:01:00:00 - 00:00:20:00 = 00:00:40:00   \r\n\r\n"
                             "DropFrame Timecode\r\n"));
    QVERIFY(bytes.contains("\r\nUser (15fps) Timecode\r\n"));
    QVERIFY(bytes.contains("\r\nFrames (30fps)\r\n300 + 150 = 450   \r\n1800 - 600 = 1200   \r\n\r\n"));
    const DocumentReadResult read = ReadDocument(bytes);
    QVERIFY2(read.document, qPrintable(read.error));
    QCOMPARE(read.document->CalcCount, 2);
    QCOMPARE(Flatten(*read.document), WindowCells(w));

    // Saved work closes without a question.
    QVERIFY(w.close());
}

void TestDocumentCommands::saveThatDoesNotHappen_data()
{
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("dialog cancelled") << true;
    QTest::newRow("file cannot be written") << false;
}

void TestDocumentCommands::saveThatDoesNotHappen()
{
    QFETCH(bool, cancelled);
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);

    const QString path = cancelled ? QString() : UnwritablePath(f.storeDir);
    f.dialogs.expectSaveFile(path);
    if (!cancelled)
        f.dialogs.expectError();
    QVERIFY(!w.Save1Click());
    QVERIFY(f.dialogs.allAnswered());
    QVERIFY(w.workChanged());
    if (!cancelled) {
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY2(f.dialogs.errors.first().startsWith(QStringLiteral("Cannot save file \"%1\".").arg(path)),
                 qPrintable(f.dialogs.errors.first()));
        QVERIFY(!QFile::exists(path));
    }
    // The work is still unsaved, so closing asks again.
    f.dialogs.expectQuestion(Answer::Cancel);
    QVERIFY(!w.close());
}

void TestDocumentCommands::openAnswers_data()
{
    QTest::addColumn<int>("answer");
    // Yes only: the name the save dialog answers, "" for a cancelled save.
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<bool>("opens");

    QTest::newRow("Yes saves, then opens") << int(Answer::Yes) << QStringLiteral("before.cvf") << true;
    QTest::newRow("Yes with a cancelled save stops") << int(Answer::Yes) << QString() << false;
    QTest::newRow("No opens and drops the work") << int(Answer::No) << QString() << true;
    QTest::newRow("Cancel stops") << int(Answer::Cancel) << QString() << false;
}

void TestDocumentCommands::openAnswers()
{
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, opens);

    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);
    w.EditBtn->click();
    QVERIFY(w.Panel3->editMode());
    const QStringList before = WindowCells(w);
    const SampleDocument sample = Sample(3, QStringLiteral("Take"));
    const QString document = WriteFile(f.storeDir, QStringLiteral("sample.cvf"), sample.bytes);

    f.dialogs.expectQuestion(static_cast<Answer>(answer));
    const QString savedPath = saveAs.isEmpty() ? QString() : f.storeDir.filePath(saveAs);
    if (answer == int(Answer::Yes))
        f.dialogs.expectSaveFile(savedPath);
    if (opens)
        f.dialogs.expectOpenFile(document);
    w.Open1->trigger();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.dialogs.questions, QStringList{kSaveCurrentWork});

    if (opens) {
        QCOMPARE(WindowCells(w), InAllModes(sample.rows));
        QCOMPARE(w.calcCount(), 3);
        QVERIFY(!w.workChanged());
        QVERIFY(!w.Panel3->editMode());
        QVERIFY(!w.EditBtn->isChecked());
        QVERIFY(w.EditBtn->isEnabled());
    } else {
        // Nothing changes, description editing included.
        QCOMPARE(WindowCells(w), before);
        QCOMPARE(w.calcCount(), 2);
        QVERIFY(w.workChanged());
        QVERIFY(w.Panel3->editMode());
        QVERIFY(w.EditBtn->isChecked());
    }
    if (!savedPath.isEmpty()) {
        const DocumentReadResult saved = ReadDocument(ReadFile(savedPath));
        QVERIFY2(saved.document, qPrintable(saved.error));
        QCOMPARE(Flatten(*saved.document), before);
    }
}

void TestDocumentCommands::malformedDocumentChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no such file
    QTest::addColumn<QString>("message");  // the start of the error box's text

    const SampleDocument eight = Sample(8, QStringLiteral("Take"));
    QByteArray shortRows = eight.bytes;
    shortRows.replace("00:00:17:00 + 00:00:05:00 = 00:00:22:00  Take 8 \r\n",
                      "00:00:17:00 + 00:00:05:00\r\n");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("Cannot open file");
    QTest::newRow("not a document") << QByteArray("Dear editor,\r\n") << QStringLiteral("Not a Corvane file!");
    QTest::newRow("count not a number") << Document({"CorvaneFile", "eight"}, {}) << QStringLiteral("Cannot open file");
    QTest::newRow("fewer rows than the count")
        << Document({"CorvaneFile", "9"}, {"a + b = c  d "}) << QStringLiteral("Cannot open file");
    QTest::newRow("a row with too few fields") << shortRows << QStringLiteral("Cannot open file");
    QTest::newRow("binary") << (QByteArray("CorvaneFile\r\n1\r\n") + QByteArray(3, '\0') + "\x01\x02") << QStringLiteral("Cannot open file");
}

void TestDocumentCommands::malformedDocumentChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);
    const QStringList before = WindowCells(w);
    const QString path = bytes.isEmpty() ? f.storeDir.filePath(QStringLiteral("missing.cvf"))
                                         : WriteFile(f.storeDir, QStringLiteral("bad.cvf"), bytes);

    f.dialogs.expectQuestion(Answer::No);
    f.dialogs.expectOpenFile(path);
    f.dialogs.expectError();
    w.Open1Click();
    QVERIFY(f.dialogs.allAnswered());
    QVERIFY2(f.dialogs.errors.first().startsWith(message), qPrintable(f.dialogs.errors.first()));
    QCOMPARE(WindowCells(w), before);
    QCOMPARE(w.calcCount(), 2);
    QVERIFY(w.workChanged());
    for (QAction *command : DocumentCommands(w))
        QVERIFY(command->isEnabled());
}

void TestDocumentCommands::openingEnablesCommandsAndScrolls()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    for (QAction *command : DocumentCommands(w))
        QVERIFY(!command->isEnabled());
    QVERIFY(!w.EditBtn->isEnabled());

    const SampleDocument sample = Sample(8, QStringLiteral("Scene"));
    f.dialogs.expectOpenFile(WriteFile(f.storeDir, QStringLiteral("eight.cvf"), sample.bytes));
    w.Open1Click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.dialogs.shown, QStringList{kDocumentOpenTitle});
    QCOMPARE(f.dialogs.fileFilters, QStringList{kDocumentOpenFilter});

    QCOMPARE(WindowCells(w), InAllModes(sample.rows));
    QCOMPARE(w.calcCount(), 8);
    QVERIFY(!w.workChanged());
    QCOMPARE(w.StatusPanel0->text(), QStringLiteral("Total Calculations: 8"));
    for (QAction *command : DocumentCommands(w)) {
        QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
        if (QToolButton *button = w.toolButton(command))
            QVERIFY2(button->isEnabled(), qPrintable(command->objectName()));
    }
    QVERIFY(w.EditBtn->isEnabled());
    // Rows 4 to 8 in view in every log, the hidden tabs' logs too once they are shown.
    for (int mode = 0; mode < kModeCount; ++mode) {
        w.Panel3->PageControl1->setCurrentIndex(mode);
        QCOMPARE(w.StringGrid(mode)->topRow(), 3);
    }
    // The next calculation follows the opened rows.
    f.calculate(QStringLiteral("00:00:10:00"), 0, QStringLiteral("00:00:05:00"));
    QCOMPARE(w.calcCount(), 9);
    QCOMPARE(w.log(0)->count(), 9);
}

void TestDocumentCommands::openingAnEmptyDocument()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);
    f.dialogs.expectQuestion(Answer::No);
    f.dialogs.expectOpenFile(WriteFile(f.storeDir, QStringLiteral("empty.cvf"), Document({"CorvaneFile", "0"}, {})));
    w.Open1Click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(w.calcCount(), 0);
    for (int mode = 0; mode < kModeCount; ++mode) {
        QCOMPARE(w.log(mode)->count(), 0);
        QCOMPARE(w.log(mode)->rowCount(), 1);
    }
    // Even with no rows the document commands stay on, and saving writes the empty document.
    for (QAction *command : DocumentCommands(w))
        QVERIFY(command->isEnabled());
    const QString path = f.storeDir.filePath(QStringLiteral("empty-again.cvf"));
    f.dialogs.expectSaveFile(path);
    QVERIFY(w.Save1Click());
    QCOMPARE(ReadFile(path), QByteArray("CorvaneFile\r\n0\r\nNonDropFrame Timecode\r\n\r\nDropFrame Timecode\r\n\r\n"
                                        "PAL Timecode\r\n\r\nFilm Timecode\r\n\r\nUser (15fps) Timecode\r\n\r\n"
                                        "Frames (30fps)\r\n\r\n"));
}

void TestDocumentCommands::closeAfterAFailedSaveStaysOpen()
{
    WindowFixture f;
    QVERIFY(f.start());
    TwoCalculations(f);
    f.dialogs.expectQuestion(Answer::Yes);
    f.dialogs.expectSaveFile(UnwritablePath(f.storeDir));
    f.dialogs.expectError();
    QVERIFY(!f.window->close());
    QVERIFY(f.dialogs.allAnswered());
    QVERIFY(f.window->isVisible());
    QVERIFY(f.window->workChanged());
}

void TestDocumentCommands::droppedFilesOpenTheFirst()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    QVERIFY(w.acceptDrops());
    TwoCalculations(f);
    const SampleDocument first = Sample(3, QStringLiteral("First"));
    QList<QUrl> urls;
    urls << QUrl::fromLocalFile(WriteFile(f.storeDir, QStringLiteral("first file.cvf"), first.bytes));
    urls << QUrl::fromLocalFile(WriteFile(f.storeDir, QStringLiteral("second.cvf"), Sample(4, QStringLiteral("Second")).bytes));
    urls << QUrl::fromLocalFile(WriteFile(f.storeDir, QStringLiteral("third.cvf"), Sample(5, QStringLiteral("Third")).bytes));
    QMimeData data;
    data.setUrls(urls);

    const QPoint where = w.rect().center();
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(where), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // The unsaved work is offered for saving first; no open dialog is shown.
    f.dialogs.expectQuestion(Answer::No);
    QApplication::sendEvent(&w, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_VERIFY(f.dialogs.allAnswered());
    QTRY_COMPARE(WindowCells(w), InAllModes(first.rows));
    QCOMPARE(f.dialogs.questions, QStringList{kSaveCurrentWork});

    // The drop is used once: File > Open shows the dialog again.
    f.dialogs.expectOpenFile(QString());
    w.Open1Click();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(WindowCells(w), InAllModes(first.rows));
}

void TestDocumentCommands::dropsThatAreNoFile_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain text") << QList<QUrl>() << QStringLiteral("00:00:10:00");
    QTest::newRow("a web address first")
        << QList<QUrl>{QUrl(QStringLiteral("https://example.com/a.cvf")), QUrl::fromLocalFile(QStringLiteral("/tmp/a.cvf"))}
        << QString();
}

void TestDocumentCommands::dropsThatAreNoFile()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    WindowFixture f;
    QVERIFY(f.start());
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &drop);
    QVERIFY(!drop.isAccepted());
    // No dialog of any kind follows.
    QTest::qWait(20);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestDocumentCommands::commandLineDocumentAtFirstActivation_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("document opens") << true;
    QTest::newRow("missing document") << false;
}

void TestDocumentCommands::commandLineDocumentAtFirstActivation()
{
    QFETCH(bool, exists);
    WindowFixture f;
    TCalcMainForm &w = *f.window;
    const SampleDocument sample = Sample(6, QStringLiteral("Reel"));
    const QString path = exists ? WriteFile(f.storeDir, QStringLiteral("from the shell.cvf"), sample.bytes)
                                : f.storeDir.filePath(QStringLiteral("gone.cvf"));
    w.setCommandLineDocument(path);
    if (!exists)
        f.dialogs.expectError();
    QVERIFY(f.start());
    QVERIFY(f.dialogs.allAnswered());
    QVERIFY(!w.openFromCommandLine());
    // No question and no open dialog: the name is the command line's.
    QVERIFY(f.dialogs.questions.isEmpty());
    QCOMPARE(WindowCells(w), exists ? InAllModes(sample.rows) : QStringList());
    QCOMPARE(w.calcCount(), exists ? 6 : 0);
    QCOMPARE(w.Save1->isEnabled(), exists);
    QVERIFY(w.EditBtn->isEnabled());

    // Later activations open nothing; File > Open asks for a file.
    w.FormActivate();
    f.dialogs.expectOpenFile(QString());
    w.Open1Click();
    QVERIFY(f.dialogs.allAnswered());
}

void TestDocumentCommands::exportWritesTheChosenLog()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);
    TExportForm &form = w.exportForm();
    const int frames = static_cast<int>(TimecodeMode::Frames);

    // A cancelled save dialog writes nothing and stores nothing.
    form.GridExportButtons->button(frames)->click();
    f.dialogs.expectSaveFile(QString());
    QTimer::singleShot(0, &form, &TExportForm::ExportBtnClick);
    w.Export1->trigger();
    QVERIFY(f.dialogs.allAnswered());
    QVERIFY(!form.isVisible());
    QCOMPARE(WindowFixture::stored(QStringLiteral("Export/Radio")), QString());

    const QString path = f.storeDir.filePath(QStringLiteral("frames.txt"));
    form.HeadingsChk->setChecked(true);
    form.HeadingEdit->setText(QStringLiteral("Reel 7"));
    f.dialogs.expectSaveFile(path);
    QTimer::singleShot(0, &form, &TExportForm::ExportBtnClick);
    w.Export1->trigger();
    QVERIFY(f.dialogs.allAnswered());
    QCOMPARE(f.dialogs.fileFilters.last(), kExportFilter);

    QByteArray expected = "Reel 7\r\nFrames - 30fps\r\n";
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < kLogColumns; ++column)
            expected += w.log(frames)->cell(row, column).toUtf8() + ' ';
        expected += "\r\n";
    }
    QCOMPARE(ReadFile(path), expected);
    QCOMPARE(WindowFixture::stored(QStringLiteral("Export/Radio")), QString::number(frames));
    QCOMPARE(WindowFixture::stored(QStringLiteral("Export/Heading")), QStringLiteral("Reel 7"));
    QCOMPARE(WindowFixture::stored(QStringLiteral("Export/Subheading")), QStringLiteral("Frames - 30fps"));
    QCOMPARE(w.preferences().settings().exportOptions, form.settings());
}

void TestDocumentCommands::exportSettingsFollowTheStore()
{
    WindowFixture f({{QStringLiteral("Export/Radio"), QStringLiteral("3")},
                     {QStringLiteral("Export/UseHead"), QStringLiteral("1")},
                     {QStringLiteral("Export/Heading"), QStringLiteral("Dailies")}});
    TCalcMainForm &w = *f.window;
    QVERIFY(f.start());
    QCOMPARE(w.exportForm().settings().radio, 3);
    QVERIFY(w.exportForm().settings().useHead);
    QCOMPARE(w.exportForm().settings().heading, QStringLiteral("Dailies"));

    // The preferences dialog loads the store again when it is shown; the export window follows.
    WindowFixture::openStore()->setValue(QStringLiteral("Export/Radio"), QStringLiteral("1"));
    QTimer::singleShot(0, &w.preferences(), &TPreferences::CancelBtnClick);
    w.Preferences1->trigger();
    QCOMPARE(w.exportForm().settings().radio, 1);
}

void TestDocumentCommands::cellsEditedInPlaceSaveAndOpenUnchanged()
{
    WindowFixture f;
    QVERIFY(f.start());
    TCalcMainForm &w = *f.window;
    TwoCalculations(f);
    QTest::mouseClick(w.EditBtn, Qt::LeftButton);

    // Descriptions with inner, leading and trailing spaces (the Frames log trims trailing spaces
    // when it saves, so its description has none), and a value cell, each typed into its editor.
    struct Edit {
        int mode;
        int row;
        int column;
        QString text;
    };
    const QList<Edit> edits{{0, 0, 6, QStringLiteral("Scene 4 take 2 ")},
                            {2, 1, 6, QStringLiteral(" Reel 7,  wide")},
                            {5, 0, 6, QStringLiteral("Scene 4 take 2")},
                            {3, 1, 4, QStringLiteral("00:00:41:00")},
                            {1, 0, 6, QString(100, QLatin1Char('d'))}};
    for (const Edit &edit : edits) {
        w.Panel3->PageControl1->setCurrentIndex(edit.mode);
        LogView *view = w.StringGrid(edit.mode);
        const QModelIndex cell = w.log(edit.mode)->index(edit.row, edit.column);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(cell));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, edit.text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(w.log(edit.mode)->cell(edit.row, edit.column), edit.text);
    }
    // The auxiliary cell, which a document does not keep, takes nothing.
    const QModelIndex auxiliary = w.log(0)->index(0, 5);
    w.Panel3->PageControl1->setCurrentIndex(0);
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    w.StringGrid(0)->edit(auxiliary);
    QVERIFY(w.StringGrid(0)->indexWidget(auxiliary) == nullptr);

    const QStringList edited = WindowCells(w);
    const QString path = f.storeDir.filePath(QStringLiteral("edited.cvf"));
    f.dialogs.expectSaveFile(path);
    QVERIFY(w.Save1Click());

    WindowFixture other;
    QVERIFY(other.start());
    other.dialogs.expectOpenFile(path);
    other.window->Open1Click();
    QVERIFY(other.dialogs.allAnswered());
    QCOMPARE(WindowCells(*other.window), edited);
}

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
