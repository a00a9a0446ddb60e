// Desktop integration: one application id across launcher, metadata and icon, and a document type
// that the desktop recognises by name and by content.
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString AppId = QStringLiteral("org.brisken.Corvane");
const QString DocumentType = QStringLiteral("application/x-corvane-document");

QString packagingFile(const QString &name)
{
    return QStringLiteral(CORVANE_SOURCE_DIR "/packaging/") + name;
}

// The keys of the [Desktop Entry] group of a .desktop file.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        else if (inEntry && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// The text of every element with the given name, with the attributes asked for, in document order.
QStringList elementTexts(const QString &path, const QString &element, const QString &attribute = {})
{
    QStringList found;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == element) {
            if (attribute.isEmpty())
                found << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            else
                found << xml.attributes().value(attribute).toString();
        } else if (!xml.isStartElement()) {
            xml.readNext();
        }
    }
    return found;
}

} // namespace

class TestPackaging : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void oneIdEverywhere();
    void launcherOpensDocuments();
    void documentTypeIsRecognised_data();
    void documentTypeIsRecognised();

private:
    QTemporaryDir m_dataDir;
};

void TestPackaging::initTestCase()
{
    // Install the document type into a private data directory and let the MIME database read it
    // from there, as it reads the installed copy from /usr/share/mime/packages.
    QVERIFY(m_dataDir.isValid());
    QVERIFY(QDir(m_dataDir.path()).mkpath(QStringLiteral("mime/packages")));
    QVERIFY(
        QFile::copy(packagingFile(AppId + QStringLiteral(".mime.xml")),
                    m_dataDir.filePath(QStringLiteral("mime/packages/") + AppId + QStringLiteral(".xml"))));
    qputenv("XDG_DATA_HOME", m_dataDir.filePath(QStringLiteral("home")).toLocal8Bit());
    QByteArray systemDirs = qgetenv("XDG_DATA_DIRS");
    if (systemDirs.isEmpty())
        systemDirs = "/usr/local/share:/usr/share";
    qputenv("XDG_DATA_DIRS", m_dataDir.path().toLocal8Bit() + ':' + systemDirs);
}

void TestPackaging::oneIdEverywhere()
{
    const auto entry = desktopEntry(packagingFile(AppId + QStringLiteral(".desktop")));
    QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Corvane"));
    QCOMPARE(entry.value(QStringLiteral("Icon")), AppId);

    const QString metainfo = packagingFile(AppId + QStringLiteral(".metainfo.xml"));
    QCOMPARE(elementTexts(metainfo, QStringLiteral("id")), QStringList{AppId});
    QCOMPARE(elementTexts(metainfo, QStringLiteral("launchable")),
             QStringList{AppId + QStringLiteral(".desktop")});
    QCOMPARE(elementTexts(metainfo, QStringLiteral("binary")), QStringList{QStringLiteral("corvane")});
    QCOMPARE(elementTexts(metainfo, QStringLiteral("mediatype")), QStringList{DocumentType});
    QCOMPARE(elementTexts(metainfo, QStringLiteral("name")).value(0), QStringLiteral("Corvane"));

    const QString mime = packagingFile(AppId + QStringLiteral(".mime.xml"));
    QCOMPARE(elementTexts(mime, QStringLiteral("mime-type"), QStringLiteral("type")),
             QStringList{DocumentType});

    // The icon installed under the id is the application icon of the program itself.
    QVERIFY(QFile::exists(QStringLiteral(CORVANE_SOURCE_DIR "/resources/icons/corvane.svg")));
    QVERIFY(QFile::exists(packagingFile(QStringLiteral("application-x-corvane-document.svg"))));
}

void TestPackaging::launcherOpensDocuments()
{
    const auto entry = desktopEntry(packagingFile(AppId + QStringLiteral(".desktop")));
    // The program opens the one document named on its command line.
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("corvane %f"));
    const QStringList types =
        entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QCOMPARE(types, QStringList{DocumentType});
    QCOMPARE(entry.value(QStringLiteral("Terminal")), QStringLiteral("false"));
}

void TestPackaging::documentTypeIsRecognised_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("isDocument");

    const QByteArray document("CorvaneFile\r\n1\r\nNonDrop\r\n");
    QTest::newRow("by extension") << QStringLiteral("edit.cvf") << QByteArray() << true;
    QTest::newRow("by extension, upper case") << QStringLiteral("EDIT.CVF") << QByteArray() << true;
    QTest::newRow("by signature, no extension") << QStringLiteral("edit") << document << true;
    QTest::newRow("older signature") << QStringLiteral("edit") << QByteArray("CorvaneSave\r\n1\r\n") << true;
    QTest::newRow("signature not at the start")
        << QStringLiteral("notes") << QByteArray("my CorvaneFile\r\n") << false;
    QTest::newRow("other text") << QStringLiteral("notes") << QByteArray("Corvane\r\n") << false;
}

void TestPackaging::documentTypeIsRecognised()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, isDocument);

    QMimeDatabase db;
    QVERIFY2(db.mimeTypeForName(DocumentType).isValid(), "the document type is not registered");
    const QMimeType type = content.isEmpty() ? db.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension)
                                             : db.mimeTypeForFileNameAndData(fileName, content);
    QCOMPARE(type.name() == DocumentType, isDocument);
    if (isDocument) {
        QVERIFY(type.inherits(QStringLiteral("text/plain")));
        QCOMPARE(type.comment(), QStringLiteral("Corvane calculation document"));
    }
}

QTEST_GUILESS_MAIN(TestPackaging)
#include "tst_packaging.moc"
