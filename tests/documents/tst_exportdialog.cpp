// The export window: its controls, the greying of the headings, the subheading of each format, and an
// export through the borrowed save dialog that hands its settings back only once the file is written.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "documents/documentio.h"
#include "documents/exportdialog.h"
#include "documents/exportformat.h"
#include "tests/documents/documenttext.h"
#include "tests/support/scripteddialogs.h"

Q_DECLARE_METATYPE(ExportSettings)

namespace {

// The logs the window exports from: one calculation, each log telling its mode.
struct Logs {
    std::array<LogRows, kModeCount> rows;
    Logs()
    {
        for (int mode = 0; mode < kModeCount; ++mode)
            rows[static_cast<std::size_t>(mode)] = Rows({QStringLiteral("m%1|+|2|=|3||Scene 4 ").arg(mode)});
    }
    DocumentLogs source()
    {
        DocumentLogs logs = LogsOf(rows, 1);
        logs.UserFps = 15;
        logs.FramesFps = 29.97;
        return logs;
    }
};

} // namespace

class TestExportDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controls();
    void greyOutHeadings();
    void gridExportClick_data();
    void gridExportClick();
    void exportWritesFileAndHandsBackSettings_data();
    void exportWritesFileAndHandsBackSettings();
    void exportCancelled();
    void exportFailure();
    void formatOutsideTheList();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Logs m_logs;
    std::unique_ptr<TExportForm> m_form;
    std::unique_ptr<QSignalSpy> m_completed;
};

void TestExportDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QLocale::setDefault(QLocale::c());
    m_form = std::make_unique<TExportForm>([this] { return m_logs.source(); });
    m_completed = std::make_unique<QSignalSpy>(m_form.get(), &TExportForm::exportCompleted);
}

void TestExportDialog::cleanup()
{
    m_completed.reset();
    m_form.reset();
}

void TestExportDialog::controls()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Export"));
    QCOMPARE(m_form->GridExport->title(), QStringLiteral("Export Format..."));
    QStringList items;
    for (QAbstractButton *item : m_form->GridExportButtons->buttons())
        items << item->text();
    QCOMPARE(items, (QStringList{"30 fps non-drop frame", "30 fps drop frame", "25 fps PAL", "24 fps Film",
                                 "User Definable", "Frames"}));
    QCOMPARE(m_form->DescriptionsChk->text(), QStringLiteral("Export Descriptions"));
    QCOMPARE(m_form->HeadingsChk->text(), QStringLiteral("Export Headings"));
    QCOMPARE(m_form->Label1->text(), QStringLiteral("Heading"));
    QCOMPARE(m_form->Label2->text(), QStringLiteral("Subheading"));
    QCOMPARE(m_form->ExportBtn->text(), QStringLiteral("&Export"));
    QCOMPARE(m_form->CancelBtn->text(), QStringLiteral("&Cancel"));
    QVERIFY(m_form->ExportBtn->isDefault());

    // The settings of a fresh store.
    QCOMPARE(m_form->settings(), ExportSettings{});

    const QList<QWidget *> widgets = m_form->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QGroupBox *>(widget) || qobject_cast<QLabel *>(widget))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
}

void TestExportDialog::greyOutHeadings()
{
    const QList<QWidget *> headings{m_form->Label1, m_form->Label2, m_form->HeadingEdit, m_form->SubheadingEdit};
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    for (QWidget *widget : headings)
        QVERIFY(!widget->isEnabled());
    QTest::mouseClick(m_form->HeadingsChk, Qt::LeftButton);
    for (QWidget *widget : headings)
        QVERIFY(widget->isEnabled());
    QTest::mouseClick(m_form->HeadingsChk, Qt::LeftButton);
    for (QWidget *widget : headings)
        QVERIFY(!widget->isEnabled());
}

void TestExportDialog::gridExportClick_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("subheading");
    QTest::newRow("non-drop") << 0 << "30 fps Non-Drop Frame";
    QTest::newRow("drop frame") << 1 << "30 fps Drop Frame";
    QTest::newRow("PAL") << 2 << "25 fps PAL";
    QTest::newRow("film") << 3 << "24 fps Film";
    QTest::newRow("user") << 4 << "User Definable - 15fps";
    QTest::newRow("frames") << 5 << "Frames - 29.97fps";
}

void TestExportDialog::gridExportClick()
{
    QFETCH(int, mode);
    QFETCH(QString, subheading);
    m_form->setSettings({mode == 0 ? 1 : 0, true, true, QStringLiteral("My heading"), QStringLiteral("typed")});
    m_form->GridExportButtons->button(mode)->click();
    QCOMPARE(m_form->SubheadingEdit->text(), subheading);
    QCOMPARE(m_form->HeadingEdit->text(), QStringLiteral("My heading"));
}

void TestExportDialog::exportWritesFileAndHandsBackSettings_data()
{
    QTest::addColumn<ExportSettings>("options");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("PAL with headings and descriptions")
        << ExportSettings{2, true, true, "Reel 1", "25 fps PAL"} << CrLf({"Reel 1", "25 fps PAL", "m2 + 2 = 3  Scene 4  "});
    QTest::newRow("Frames without headings or descriptions") << ExportSettings{5, false, false, "Reel 1", ""}
                                                             << CrLf({"m5 + 2 = 3 "});
}

void TestExportDialog::exportWritesFileAndHandsBackSettings()
{
    QFETCH(ExportSettings, options);
    QFETCH(QByteArray, expected);
    const QString target = m_dir->filePath(QStringLiteral("list.txt"));

    ScriptedDialogs dialogs;
    m_form->setSettings(options);
    m_form->show();
    dialogs.expectSaveFile(target);
    QTest::mouseClick(m_form->ExportBtn, Qt::LeftButton);
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(dialogs.fileFilters, QStringList{kExportFilter});
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
    QCOMPARE(m_completed->count(), 1);
    QCOMPARE(m_completed->at(0).at(0).value<ExportSettings>(), options);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_form->result(), int(QDialog::Accepted));

    // The document's save dialog shows its own filter again.
    dialogs.expectSaveFile(QString());
    QVERIFY(!SaveDocumentCommand(nullptr, m_logs.source()));
    QCOMPARE(dialogs.fileFilters.value(1), kDocumentSaveFilter);
}

void TestExportDialog::exportCancelled()
{
    ScriptedDialogs dialogs;
    m_form->show();
    dialogs.expectSaveFile(QString());
    QTest::mouseClick(m_form->ExportBtn, Qt::LeftButton);
    QVERIFY(dialogs.allAnswered());
    QCOMPARE(m_completed->count(), 0);
    QVERIFY(!m_form->isVisible());
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestExportDialog::exportFailure()
{
    QFile blocker(m_dir->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedDialogs dialogs;
    m_form->show();
    dialogs.expectSaveFile(m_dir->filePath(QStringLiteral("file/list.txt")));
    dialogs.expectError();
    QTest::mouseClick(m_form->ExportBtn, Qt::LeftButton);
    QVERIFY(dialogs.allAnswered());
    QVERIFY(dialogs.errors.value(0).startsWith(QStringLiteral("Cannot save file")));
    QCOMPARE(m_completed->count(), 0);
}

// A stored format index outside the list leaves no format chosen; exporting waits for a choice.
void TestExportDialog::formatOutsideTheList()
{
    m_form->setSettings({9, true, false, QString(), QString()});
    QCOMPARE(m_form->GridExportButtons->checkedId(), -1);
    QVERIFY(!m_form->ExportBtn->isEnabled());
    m_form->GridExportButtons->button(3)->click();
    QVERIFY(m_form->ExportBtn->isEnabled());
    QCOMPARE(m_form->SubheadingEdit->text(), QStringLiteral("24 fps Film"));
}

QTEST_MAIN(TestExportDialog)
#include "tst_exportdialog.moc"
