// The document commands: save and open through the dialog seam, failures in error boxes, the old file
// kept whole by a failed save, and the "Save Current Work?" question.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

#include "documents/documentio.h"
#include "tests/documents/documenttext.h"
#include "tests/support/scripteddialogs.h"

Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lowers the largest file this process may write, the way a nearly full disk stops a save part way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

// Two calculations in every log.
struct SampleLogs {
    std::array<LogRows, kModeCount> logs;
    explicit SampleLogs(int rows = 2)
    {
        for (int r = 0; r < rows; ++r) {
            for (LogRows &log : logs)
                log.push_back(Rows({QStringLiteral("00:00:%1:00|+|00:00:05:00|=|00:00:15:00||Scene %1").arg(r, 2, 10, QLatin1Char('0'))})[0]);
        }
    }
    DocumentLogs source() { return LogsOf(logs, static_cast<std::int64_t>(logs[0].size())); }
};

} // namespace

class TestDocumentIo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void saveWritesDocument();
    void saveCancelled();
    void failedSaveReported_data();
    void failedSaveReported();
    void failedSaveKeepsOldFile();
    void readDocumentFile_data();
    void readDocumentFile();
    void openAsksForFile();
    void openCancelled();
    void openNamedFileAsksNothing();
    void offerToSaveWork_data();
    void offerToSaveWork();
    void openStopsWhenSaveDidNotHappen();
    void commandLineFileName_data();
    void commandLineFileName();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void TestDocumentIo::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path()));
}

void TestDocumentIo::saveWritesDocument()
{
    ScriptedDialogs dialogs;
    SampleLogs sample;
    dialogs.expectSaveFile(path(QStringLiteral("work.cvf")));
    QVERIFY(SaveDocumentCommand(nullptr, sample.source()));
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(dialogs.fileFilters, QStringList{kDocumentSaveFilter});
    QCOMPARE(ReadAll(path(QStringLiteral("work.cvf"))), WriteDocument(sample.source()));
}

void TestDocumentIo::saveCancelled()
{
    ScriptedDialogs dialogs;
    SampleLogs sample;
    dialogs.expectSaveFile(QString());
    QVERIFY(!SaveDocumentCommand(nullptr, sample.source()));
    QVERIFY(dialogs.errors.isEmpty());
    QVERIFY(QDir(m_dir.path()).isEmpty());
}

void TestDocumentIo::failedSaveReported_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("setup");
    QTest::newRow("folder that is a file") << "plain.txt/work.cvf" << "file plain.txt";
    QTest::newRow("folder in place of the file") << "work.cvf" << "folder work.cvf";
    QTest::newRow("missing folder") << "nowhere/deeper/work.cvf" << "";
}

void TestDocumentIo::failedSaveReported()
{
    QFETCH(QString, target);
    QFETCH(QString, setup);
    if (setup.startsWith(QStringLiteral("file ")))
        QVERIFY(WriteAll(path(setup.mid(5)), "old"));
    if (setup.startsWith(QStringLiteral("folder ")))
        QVERIFY(QDir(m_dir.path()).mkpath(setup.mid(7) + QStringLiteral("/inside")));

    ScriptedDialogs dialogs;
    SampleLogs sample;
    dialogs.expectSaveFile(path(target));
    dialogs.expectError();
    QVERIFY(!SaveDocumentCommand(nullptr, sample.source()));
    QVERIFY(dialogs.allAnswered());
    QVERIFY2(dialogs.errors.value(0).startsWith(QStringLiteral("Cannot save file \"%1\". ").arg(path(target))),
             qPrintable(dialogs.errors.value(0)));
    // The system's reason follows the name.
    QVERIFY(dialogs.errors.value(0).size() > QStringLiteral("Cannot save file \"%1\". ").arg(path(target)).size());
    if (setup.startsWith(QStringLiteral("file ")))
        QCOMPARE(ReadAll(path(setup.mid(5))), QByteArray("old"));
    if (setup.startsWith(QStringLiteral("folder ")))
        QVERIFY(QFileInfo(path(setup.mid(7) + QStringLiteral("/inside"))).isDir());
}

void TestDocumentIo::failedSaveKeepsOldFile()
{
    const QString target = path(QStringLiteral("work.cvf"));
    const QByteArray old = WriteDocument(SampleLogs(1).source());
    QVERIFY(WriteAll(target, old));

    ScriptedDialogs dialogs;
    SampleLogs large(400);
    QVERIFY(WriteDocument(large.source()).size() > 16384);
    dialogs.expectSaveFile(target);
    dialogs.expectError();
    {
        FileSizeLimit limit(16384);
        QVERIFY(limit.active());
        QVERIFY(!SaveDocumentCommand(nullptr, large.source()));
    }
    QVERIFY(dialogs.allAnswered());
    QVERIFY(dialogs.errors.value(0).startsWith(QStringLiteral("Cannot save file \"%1\". ").arg(target)));
    QCOMPARE(ReadAll(target), old);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("work.cvf")});
}

void TestDocumentIo::readDocumentFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // written to `name` unless empty
    QTest::addColumn<QString>("error");    // the error box starts with this; empty for a sound document

    const QByteArray sound = WriteDocument(SampleLogs().source());
    QTest::newRow("sound document") << "work.cvf" << sound << "";
    QTest::newRow("missing file") << "missing.cvf" << QByteArray() << "Cannot open file \"%1\". ";
    QTest::newRow("not a Corvane file") << "notes.txt" << QByteArray("Shopping list\r\n") << "Not a Corvane file!";
    QTest::newRow("malformed document") << "short.cvf" << QByteArray(sound).replace("\r\n2\r\n", "\r\n9\r\n")
                                        << "Cannot open file \"%1\".\nLine 2: the document claims 9 calculations";
}

void TestDocumentIo::readDocumentFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    if (!bytes.isEmpty())
        QVERIFY(WriteAll(path(name), bytes));

    ScriptedDialogs dialogs;
    if (!error.isEmpty())
        dialogs.expectError();
    const std::optional<CalcDocument> document = ReadDocumentFile(nullptr, path(name));
    QVERIFY(dialogs.allAnswered());
    if (error.isEmpty()) {
        QVERIFY(document);
        QCOMPARE(Flatten(*document), InAllModes({"00:00:00:00|+|00:00:05:00|=|00:00:15:00||Scene 00",
                                                 "00:00:01:00|+|00:00:05:00|=|00:00:15:00||Scene 01"}));
    } else {
        QVERIFY(!document);
        const QString expected = error.contains(QStringLiteral("%1")) ? error.arg(path(name)) : error;
        QVERIFY2(dialogs.errors.value(0).startsWith(expected), qPrintable(dialogs.errors.value(0)));
        if (!expected.endsWith(QStringLiteral(". ")) && !expected.contains(QLatin1Char('\n')))
            QCOMPARE(dialogs.errors.value(0), expected);
    }
}

void TestDocumentIo::openAsksForFile()
{
    QVERIFY(WriteAll(path(QStringLiteral("work.cvf")), WriteDocument(SampleLogs().source())));
    ScriptedDialogs dialogs;
    dialogs.expectOpenFile(path(QStringLiteral("work.cvf")));
    const std::optional<CalcDocument> document = OpenDocumentCommand(nullptr, std::nullopt);
    QVERIFY(document);
    QCOMPARE(document->CalcCount, 2);
    QCOMPARE(dialogs.shown, QStringList{QStringLiteral("Open Corvane File")});
    QCOMPARE(dialogs.fileFilters, QStringList{kDocumentOpenFilter});
}

void TestDocumentIo::openCancelled()
{
    ScriptedDialogs dialogs;
    dialogs.expectOpenFile(QString());
    QVERIFY(!OpenDocumentCommand(nullptr, std::nullopt));
    QVERIFY(dialogs.allAnswered());
    QVERIFY(dialogs.errors.isEmpty());
}

// A dropped file or the command line's name opens without the dialog; an empty name opens nothing.
void TestDocumentIo::openNamedFileAsksNothing()
{
    QVERIFY(WriteAll(path(QStringLiteral("my work.cvf")), WriteDocument(SampleLogs().source())));
    ScriptedDialogs dialogs;
    const std::optional<CalcDocument> document = OpenDocumentCommand(nullptr, path(QStringLiteral("my work.cvf")));
    QVERIFY(document);
    QCOMPARE(document->CalcCount, 2);
    QVERIFY(!OpenDocumentCommand(nullptr, QString()));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestDocumentIo::offerToSaveWork_data()
{
    QTest::addColumn<bool>("unsavedWork");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<bool>("saved"); // what the save reports
    QTest::addColumn<bool>("saveRuns");
    QTest::addColumn<bool>("goesOn");

    QTest::newRow("no unsaved work") << false << Dialogs::Answer::Cancel << false << false << true;
    QTest::newRow("yes, saved") << true << Dialogs::Answer::Yes << true << true << true;
    QTest::newRow("yes, save cancelled or failed") << true << Dialogs::Answer::Yes << false << true << false;
    QTest::newRow("no") << true << Dialogs::Answer::No << false << false << true;
    QTest::newRow("cancel") << true << Dialogs::Answer::Cancel << true << false << false;
}

void TestDocumentIo::offerToSaveWork()
{
    QFETCH(bool, unsavedWork);
    QFETCH(Dialogs::Answer, answer);
    QFETCH(bool, saved);
    QFETCH(bool, saveRuns);
    QFETCH(bool, goesOn);

    ScriptedDialogs dialogs;
    if (unsavedWork)
        dialogs.expectQuestion(answer);
    bool ran = false;
    const bool result = OfferToSaveWork(nullptr, unsavedWork, [&] {
        ran = true;
        return saved;
    });
    QCOMPARE(result, goesOn);
    QCOMPARE(ran, saveRuns);
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(dialogs.questions, unsavedWork ? QStringList{QStringLiteral("Save Current Work?")} : QStringList());
}

// The open as the window runs it: Yes, then a cancelled save dialog, asks for no file to open.
void TestDocumentIo::openStopsWhenSaveDidNotHappen()
{
    ScriptedDialogs dialogs;
    SampleLogs sample;
    dialogs.expectQuestion(Dialogs::Answer::Yes);
    dialogs.expectSaveFile(QString());
    std::optional<CalcDocument> opened;
    if (OfferToSaveWork(nullptr, true, [&] { return SaveDocumentCommand(nullptr, sample.source()); }))
        opened = OpenDocumentCommand(nullptr, std::nullopt);
    QVERIFY(!opened);
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(dialogs.shown, (QStringList{QStringLiteral("Save Current Work?"), QString()}));
}

void TestDocumentIo::commandLineFileName_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::newRow("one argument") << QStringList{"/tmp/work.cvf"} << "/tmp/work.cvf";
    QTest::newRow("path split at its spaces") << QStringList{"/tmp/my", "work", "file.cvf"} << "/tmp/my work file.cvf";
    QTest::newRow("trailing spaces dropped") << QStringList{"/tmp/work.cvf ", " "} << "/tmp/work.cvf";
    QTest::newRow("leading space kept") << QStringList{" work.cvf"} << " work.cvf";
    QTest::newRow("none") << QStringList() << "";
}

void TestDocumentIo::commandLineFileName()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QCOMPARE(CommandLineFileName(arguments), name);
}

QTEST_MAIN(TestDocumentIo)
#include "tst_documentio.moc"
