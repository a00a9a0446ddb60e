// The preferences dialog against a recording main window: load, Apply, OK, Cancel, Defaults, the
// close question, the rate checks and the single-value writers.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "settings/colourcombo.h"
#include "settings/preferences.h"
#include "settings/preferencestarget.h"
#include "tests/settings/storefixture.h"
#include "tests/support/scripteddialogs.h"

namespace {

// Stands in for the main window and records what the dialog asks of it.
class FakeTarget final : public PreferencesTarget {
public:
    struct Ticks {
        bool descriptions, percentages, frameMode;
    };
    std::vector<Settings> applied;
    std::vector<LayoutState> layouts; // as each Apply received it
    std::vector<Ticks> ticks;
    std::vector<std::array<int, 4>> moves;
    QStringList calls;
    bool resizes = true; // a layout that resizes the main window clears widthResetPending

    void applyPreferences(const Settings &settings, LayoutState &layout) override
    {
        applied.push_back(settings);
        layouts.push_back(layout);
        calls << QStringLiteral("apply");
        if (resizes)
            layout.widthResetPending = false;
    }
    void setViewTicks(bool descriptions, bool percentages, bool frameMode) override
    {
        ticks.push_back({descriptions, percentages, frameMode});
        calls << QStringLiteral("ticks");
    }
    void moveWindows(int mainLeft, int mainTop, int miniLeft, int miniTop) override
    {
        moves.push_back({mainLeft, mainTop, miniLeft, miniTop});
        calls << QStringLiteral("move");
    }
};

const QByteArray kStoredLook = "[StartWith]\nStartCombo=3\nTabCombo=1\nLabelCombo=2\nUserFrames=24\nFrames=29.97\n"
                               "Validity=0\nDescriptions=1\nPercentages=0\nFrameMode=1\nBalloon=0\n"
                               "[Font]\nFilmFontName=Courier\nFilmFontColor=255\nFilmFontSize=16\nFilmFontStyle=2\n"
                               "FilmGridColor=Silver\nPALGridColor=Aqua\n"
                               "[Function]\nF2=01:00:00:00\n[Print]\nHeading=Reel 1\n";

// A person choosing an item of a list with the keyboard.
void choose(QComboBox *combo, int index)
{
    if (combo->currentIndex() < 0)
        QTest::keyClick(combo, Qt::Key_Home);
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
}

void chooseName(ColourCombo *combo, const QString &name)
{
    choose(combo, combo->findText(name));
}

void retype(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void freshStoreShowsEveryDefault();
    void storedLookIsShown();
    void everyControlIsNamed();
    void rateFieldsFilterKeys_data();
    void rateFieldsFilterKeys();
    void okStoresEveryValue();
    void okEndsTheModalRun();
    void escapeCancels();
    void applyShowsWithoutStoring();
    void cancelRestoresTheStoredLook_data();
    void cancelRestoresTheStoredLook();
    void everyControlRaisesTheQuestion_data();
    void everyControlRaisesTheQuestion();
    void closeQuestionAnswers_data();
    void closeQuestionAnswers();
    void loadingIsNoChange();
    void rateCorrections_data();
    void rateCorrections();
    void framesRateThatIsNoRateIsRefused_data();
    void framesRateThatIsNoRateIsRefused();
    void defaultsRaiseWidthResetPending();
    void applyToAllGrids();
    void fontChooser();
    void viewBoxesTickTheMenuAtOnce();
    void unknownGridColourKeepsTheChoice();
    void menuToggleWriters_data();
    void menuToggleWriters();
    void layoutSaveTakesOffTheExtraWidths();
    void ratesForTheEngine();
    void otherWriters();

private:
    template <typename T>
    T *control(const char *name) const
    {
        T *found = m_dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // Shows the dialog as the preferences command does, and forgets what the showing applied.
    void open();

    std::unique_ptr<TempStore> m_store;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FakeTarget> m_target;
    std::unique_ptr<TPreferences> m_dialog;
};

void TestPreferences::init()
{
    m_store = std::make_unique<TempStore>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_target = std::make_unique<FakeTarget>();
    m_dialog = std::make_unique<TPreferences>();
    m_dialog->setTarget(m_target.get());
}

void TestPreferences::cleanup()
{
    m_dialog.reset();
    const bool allAnswered = m_dialogs->allAnswered();
    m_dialogs.reset();
    m_target.reset();
    m_store.reset();
    QVERIFY2(allAnswered, "a scripted answer was not asked for");
}

void TestPreferences::open()
{
    m_dialog->show();
    QVERIFY(m_dialog->isVisible());
    *m_target = FakeTarget{};
}

void TestPreferences::freshStoreShowsEveryDefault()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Preferences"));
    m_dialog->show();
    QCOMPARE(m_target->calls, (QStringList{"move", "apply"}));
    QCOMPARE(m_target->moves.front(), (std::array<int, 4>{200, 100, 200, 100}));
    QVERIFY(m_target->applied.front() == Settings{});

    auto *tabs = control<QTabWidget>("PageControl1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"General", "NonDrpFrm", "DrpFrm", "PAL", "Frames", "Film", "User"}));

    auto *start = control<QComboBox>("StartCombo");
    QCOMPARE(start->count(), 6);
    QCOMPARE(start->itemText(5), QStringLiteral("Frames"));
    QCOMPARE(start->currentText(), QStringLiteral("30 fps non-drop frame"));
    QCOMPARE(control<QComboBox>("TabCombo")->currentText(), QStringLiteral("Top"));
    QCOMPARE(control<QComboBox>("TabCombo")->itemText(1), QStringLiteral("Bottom"));
    QCOMPARE(control<QComboBox>("LabelCombo")->currentText(), QStringLiteral("Out - In - Duration"));
    QCOMPARE(control<QComboBox>("LabelCombo")->itemText(2), QStringLiteral("TC1 - TC2 - Total"));
    QVERIFY(control<QCheckBox>("ValidityCheckBox")->isChecked());
    QCOMPARE(control<QCheckBox>("ValidityCheckBox")->text(), QStringLiteral("Use timecode range checking"));
    QVERIFY(!control<QCheckBox>("DescriptionsCheckBox")->isChecked());
    QVERIFY(control<QCheckBox>("PercentagesCheckBox")->isChecked());
    QVERIFY(!control<QCheckBox>("FrameModeCheckBox")->isChecked());
    QCOMPARE(control<QLineEdit>("FramesMask")->text(), QStringLiteral("30"));
    QCOMPARE(control<QLineEdit>("UserFramesMask")->text(), QStringLiteral("15"));
    for (const char *mode : {"NonDrpFrm", "DrpFrm", "PAL", "Frames", "Film", "User"}) {
        const QByteArray prefix(mode);
        QCOMPARE(control<ColourCombo>(prefix + "GridColor")->currentName(), QStringLiteral("Window"));
        QCOMPARE(control<ColourCombo>(prefix + "GridColor")->count(), 16);
        QCOMPARE(control<ColourCombo>(prefix + "TextColor")->currentName(), QStringLiteral("Navy"));
        QCOMPARE(control<QLabel>(prefix + "FontText")->text(), QStringLiteral("MS Sans Serif, 11 pt, Bold"));
        QCOMPARE(control<QPushButton>(prefix + "FontBtn")->text(), QStringLiteral("Font"));
    }
    QVERIFY(control<QPushButton>("OKBtn")->isDefault());
    QCOMPARE(control<QPushButton>("ApplyBtn")->text(), QStringLiteral("&Apply"));
    QCOMPARE(control<QPushButton>("DefaultBtn")->text(), QStringLiteral("&Defaults"));
    QCOMPARE(control<QPushButton>("CancelBtn")->text(), QStringLiteral("&Cancel"));
    QCOMPARE(control<QPushButton>("ApplyAllBtn")->text(), QStringLiteral("Apply to all grids"));
}

void TestPreferences::storedLookIsShown()
{
    m_store->write(kStoredLook + "[Postion]\nMainLeft=10\nMainTop=20\nCalcMiniLeft=30\nCalcMiniTop=40\n");
    m_dialog->show();
    QCOMPARE(m_target->moves.front(), (std::array<int, 4>{10, 20, 30, 40}));
    QCOMPARE(control<QComboBox>("StartCombo")->currentIndex(), 3);
    QCOMPARE(control<QComboBox>("TabCombo")->currentIndex(), 1);
    QCOMPARE(control<QComboBox>("LabelCombo")->currentIndex(), 2);
    QCOMPARE(control<QLineEdit>("UserFramesMask")->text(), QStringLiteral("24"));
    QCOMPARE(control<QLineEdit>("FramesMask")->text(), QStringLiteral("29.97"));
    QVERIFY(!control<QCheckBox>("ValidityCheckBox")->isChecked());
    QVERIFY(control<QCheckBox>("DescriptionsCheckBox")->isChecked());
    QCOMPARE(control<ColourCombo>("FilmGridColor")->currentName(), QStringLiteral("Silver"));
    QCOMPARE(control<ColourCombo>("FilmTextColor")->currentName(), QStringLiteral("Red"));
    QCOMPARE(control<QLabel>("FilmFontText")->text(), QStringLiteral("Courier, 16 pt, Italic"));
    const Settings &shown = m_target->applied.back();
    QCOMPARE(shown.gridColors[2], QStringLiteral("Aqua"));
    QCOMPARE(shown.modeFonts[3].name, QStringLiteral("Courier"));
    QVERIFY(!shown.balloon);
    QCOMPARE(shown.functions[1], QStringLiteral("01:00:00:00"));
    QCOMPARE(shown.print.heading, QStringLiteral("Reel 1"));
    QVERIFY(shown == m_dialog->settings());
}

void TestPreferences::everyControlIsNamed()
{
    m_dialog->show();
    const QList<QWidget *> widgets = m_dialog->findChildren<QWidget *>();
    int controls = 0;
    for (const QWidget *widget : widgets) {
        if (!qobject_cast<const QAbstractButton *>(widget) && !qobject_cast<const QComboBox *>(widget) &&
            !qobject_cast<const QLineEdit *>(widget) && !qobject_cast<const QTabWidget *>(widget))
            continue;
        // The tab bar's scroll buttons belong to the tab control.
        if (qobject_cast<const QTabBar *>(widget->parentWidget()))
            continue;
        ++controls;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
    }
    QCOMPARE(controls, 1 + 3 + 4 + 2 + 6 * 3 + 1 + 4);
}

void TestPreferences::rateFieldsFilterKeys_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("frames digits and point") << QByteArray("FramesMask") << "29.97" << "29.97";
    QTest::newRow("frames drops letters, blanks and commas") << QByteArray("FramesMask") << "2a9 ,9-7" << "2997";
    QTest::newRow("frames at most five") << QByteArray("FramesMask") << "1234567" << "12345";
    QTest::newRow("frames admits several points") << QByteArray("FramesMask") << "1.2.3" << "1.2.3";
    QTest::newRow("user digits") << QByteArray("UserFramesMask") << "24" << "24";
    QTest::newRow("user drops the point") << QByteArray("UserFramesMask") << "2.5" << "25";
    QTest::newRow("user at most two") << QByteArray("UserFramesMask") << "120" << "12";
    QTest::newRow("user admits 0") << QByteArray("UserFramesMask") << "0" << "0";
}

void TestPreferences::rateFieldsFilterKeys()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    open();
    auto *edit = control<QLineEdit>(field.constData());
    QVERIFY(edit->alignment() & Qt::AlignRight);
    retype(edit, typed);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), shown.chopped(1));
}

void TestPreferences::okStoresEveryValue()
{
    open();
    choose(control<QComboBox>("StartCombo"), 5);
    choose(control<QComboBox>("TabCombo"), 1);
    choose(control<QComboBox>("LabelCombo"), 0);
    retype(control<QLineEdit>("UserFramesMask"), QStringLiteral("25"));
    retype(control<QLineEdit>("FramesMask"), QStringLiteral("23.98"));
    control<QCheckBox>("ValidityCheckBox")->click();
    control<QCheckBox>("DescriptionsCheckBox")->click();
    control<QCheckBox>("PercentagesCheckBox")->click();
    control<QCheckBox>("FrameModeCheckBox")->click();
    chooseName(control<ColourCombo>("PALGridColor"), QStringLiteral("Teal"));
    chooseName(control<ColourCombo>("UserTextColor"), QStringLiteral("Maroon"));
    QFont chosen(QStringLiteral("DejaVu Serif"), 14);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    m_dialogs->expectFont(chosen);
    control<QPushButton>("FilmFontBtn")->click();
    QVERIFY(!m_store->exists());

    control<QPushButton>("OKBtn")->click();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_target->calls.count(QStringLiteral("apply")), 1);
    const Settings applied = m_target->applied.back();
    QCOMPARE(applied.frames, QStringLiteral("23.98"));
    QCOMPARE(applied.startCombo, 5);

    QMap<QString, QString> expected;
    const QStringList prefixes{"ND", "DF", "PAL", "Film", "User", "Frames"};
    for (const QString &prefix : prefixes) {
        expected.insert("Font/" + prefix + "FontName", "MS Sans Serif");
        expected.insert("Font/" + prefix + "FontColor", "8388608");
        expected.insert("Font/" + prefix + "FontSize", "11");
        expected.insert("Font/" + prefix + "FontStyle", "1");
        expected.insert("Font/" + prefix + "GridColor", "Window");
    }
    expected.insert("Font/PALGridColor", "Teal");
    expected.insert("Font/UserFontColor", "128");
    expected.insert("Font/FilmFontName", "DejaVu Serif");
    expected.insert("Font/FilmFontSize", "14");
    expected.insert("Font/FilmFontStyle", "8");
    expected.insert("Font/PrintFontName", "Arial");
    expected.insert("Font/PrintFontColor", "0");
    expected.insert("Font/PrintFontSize", "12");
    expected.insert("Font/PrintFontStyle", "1");
    expected.insert("StartWith/StartCombo", "5");
    expected.insert("StartWith/TabCombo", "1");
    expected.insert("StartWith/LabelCombo", "0");
    expected.insert("StartWith/UserFrames", "25");
    expected.insert("StartWith/Frames", "23.98");
    expected.insert("StartWith/Validity", "0");
    expected.insert("StartWith/Descriptions", "1");
    expected.insert("StartWith/Percentages", "0");
    expected.insert("StartWith/FrameMode", "1");
    QCOMPARE(m_store->values(), expected);

    // The next showing reads back what OK stored.
    m_dialog->show();
    QVERIFY(m_target->applied.back() == applied);
}

void TestPreferences::okEndsTheModalRun()
{
    QTimer::singleShot(0, m_dialog.get(), [this] { control<QPushButton>("OKBtn")->click(); });
    QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));
    QVERIFY(m_store->exists());
    QTimer::singleShot(0, m_dialog.get(), [this] { control<QPushButton>("CancelBtn")->click(); });
    QCOMPARE(m_dialog->exec(), int(QDialog::Rejected));
}

void TestPreferences::escapeCancels()
{
    m_store->write(kStoredLook);
    open();
    control<QCheckBox>("ValidityCheckBox")->click();
    control<QPushButton>("ApplyBtn")->click();
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(!m_target->applied.back().validity);
    QCOMPARE(m_store->text(), kStoredLook);
}

void TestPreferences::applyShowsWithoutStoring()
{
    open();
    choose(control<QComboBox>("LabelCombo"), 2);
    chooseName(control<ColourCombo>("DrpFrmGridColor"), QStringLiteral("Lime"));
    control<QPushButton>("ApplyBtn")->click();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_target->applied.size(), std::size_t(1));
    QCOMPARE(m_target->applied.back().labelCombo, 2);
    QCOMPARE(m_target->applied.back().gridColors[1], QStringLiteral("Lime"));
    QVERIFY(!m_store->exists());
    // Apply leaves the change pending: closing still asks.
    m_dialogs->expectQuestion(Dialogs::Answer::Cancel);
    m_dialog->close();
    QCOMPARE(m_dialogs->questions, QStringList{"Save changes?"});
    QVERIFY(m_dialog->isVisible());
}

void TestPreferences::cancelRestoresTheStoredLook_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("after Apply") << "apply";
    QTest::newRow("after Defaults") << "defaults";
    QTest::newRow("after Apply to all grids and Apply") << "all";
}

void TestPreferences::cancelRestoresTheStoredLook()
{
    QFETCH(QString, before);
    m_store->write(kStoredLook);
    m_dialog->show();
    const Settings stored = m_target->applied.back();
    *m_target = FakeTarget{};
    if (before == QLatin1String("apply")) {
        control<QCheckBox>("FrameModeCheckBox")->click();
        retype(control<QLineEdit>("UserFramesMask"), QStringLiteral("50"));
        control<QPushButton>("ApplyBtn")->click();
    } else if (before == QLatin1String("defaults")) {
        control<QPushButton>("DefaultBtn")->click();
    } else {
        control<QPushButton>("ApplyAllBtn")->click();
        control<QPushButton>("ApplyBtn")->click();
        QCOMPARE(m_target->applied.back().modeFonts[3].name, QStringLiteral("MS Sans Serif"));
    }
    QVERIFY(!(m_target->applied.back() == stored));

    control<QPushButton>("CancelBtn")->click();
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_target->applied.back() == stored);
    QVERIFY(m_dialog->settings() == stored);
    QCOMPARE(control<QLabel>("FilmFontText")->text(), QStringLiteral("Courier, 16 pt, Italic"));
    QCOMPARE(m_store->text(), kStoredLook);
}

void TestPreferences::everyControlRaisesTheQuestion_data()
{
    QTest::addColumn<QString>("change");
    for (const char *change : {"StartCombo", "TabCombo", "LabelCombo", "ValidityCheckBox", "DescriptionsCheckBox",
                               "PercentagesCheckBox", "FrameModeCheckBox", "FramesMask", "UserFramesMask",
                               "FilmFontBtn", "UserFontBtn", "NonDrpFrmGridColor", "FramesTextColor", "ApplyAllBtn",
                               "DefaultBtn"})
        QTest::newRow(change) << QString::fromLatin1(change);
}

void TestPreferences::everyControlRaisesTheQuestion()
{
    QFETCH(QString, change);
    open();
    QObject *changed = m_dialog->findChild<QObject *>(change);
    QVERIFY(changed);
    if (auto *combo = qobject_cast<QComboBox *>(changed))
        choose(combo, combo->currentIndex() == 1 ? 0 : 1);
    else if (auto *field = qobject_cast<QLineEdit *>(changed))
        retype(field, QStringLiteral("7"));
    else if (change.endsWith(QLatin1String("FontBtn"))) {
        m_dialogs->expectFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        qobject_cast<QPushButton *>(changed)->click();
    } else
        qobject_cast<QAbstractButton *>(changed)->click();
    m_dialogs->expectQuestion(Dialogs::Answer::Cancel);
    m_dialog->close();
    QCOMPARE(m_dialogs->questions, QStringList{"Save changes?"});
    QVERIFY(m_dialog->isVisible());
}

void TestPreferences::closeQuestionAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("stores");
    QTest::newRow("Yes") << int(Dialogs::Answer::Yes) << true << true;
    QTest::newRow("No") << int(Dialogs::Answer::No) << true << false;
    QTest::newRow("Cancel") << int(Dialogs::Answer::Cancel) << false << false;
}

void TestPreferences::closeQuestionAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, stores);
    m_store->write(kStoredLook);
    m_dialog->show();
    const Settings stored = m_target->applied.back();
    *m_target = FakeTarget{};
    choose(control<QComboBox>("StartCombo"), 1);
    control<QPushButton>("ApplyBtn")->click();

    m_dialogs->expectQuestion(static_cast<Dialogs::Answer>(answer));
    m_dialog->close();
    QCOMPARE(m_dialogs->questions, QStringList{"Save changes?"});
    QCOMPARE(m_dialog->isVisible(), !closes);
    QCOMPARE(m_store->values().value("StartWith/StartCombo"), stores ? QStringLiteral("1") : QStringLiteral("3"));
    QCOMPARE(m_target->applied.back().startCombo, stores || !closes ? 1 : 3);
    if (!closes) {
        // The answer cleared the change: the next close asks nothing and stores nothing.
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialogs->questions.size(), 1);
        QCOMPARE(m_store->text(), kStoredLook);
    } else if (!stores) {
        QVERIFY(m_target->applied.back() == stored);
    }
}

void TestPreferences::loadingIsNoChange()
{
    // The main window's first activation loads the store; showing the dialog then loads the same
    // values, which changes no control and so raises no question. Cancel's reload neither.
    m_store->write(kStoredLook);
    m_dialog->GetRegInfo();
    open();
    m_dialog->close();
    QVERIFY(!m_dialog->isVisible());
    open();
    control<QCheckBox>("ValidityCheckBox")->click();
    control<QPushButton>("CancelBtn")->click();
    open();
    m_dialog->close();
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(m_dialogs->questions.isEmpty());
}

void TestPreferences::rateCorrections_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("storedUser");
    QTest::addColumn<QString>("storedFrames");
    QTest::newRow("empty user rate") << "" << "30" << "01" << "30";
    QTest::newRow("user rate 00") << "00" << "30" << "01" << "30";
    QTest::newRow("user rate 0") << "0" << "30" << "01" << "30";
    QTest::newRow("user rate 5") << "5" << "30" << "5" << "30";
    QTest::newRow("user rate 05") << "05" << "30" << "05" << "30";
    QTest::newRow("empty Frames rate") << "15" << "" << "15" << "1";
    QTest::newRow("Frames rate 29.") << "15" << "29." << "15" << "29.";
    QTest::newRow("Frames rate .5") << "15" << ".5" << "15" << ".5";
}

void TestPreferences::rateCorrections()
{
    QFETCH(QString, user);
    QFETCH(QString, frames);
    QFETCH(QString, storedUser);
    QFETCH(QString, storedFrames);
    open();
    retype(control<QLineEdit>("UserFramesMask"), user);
    retype(control<QLineEdit>("FramesMask"), frames);
    control<QPushButton>("OKBtn")->click();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_store->values().value("StartWith/UserFrames"), storedUser);
    QCOMPARE(m_store->values().value("StartWith/Frames"), storedFrames);
    // The corrected rates were applied, and are the ones in force.
    QCOMPARE(m_target->applied.back().userFrames, storedUser);
    QCOMPARE(m_dialog->userFps(), UserRateValue(storedUser).value());
    QCOMPARE(m_dialog->framesFps(), FramesRateValue(storedFrames));
}

void TestPreferences::framesRateThatIsNoRateIsRefused_data()
{
    QTest::addColumn<QString>("frames");
    QTest::newRow("two points") << "29.9.";
    QTest::newRow("lone point") << ".";
    QTest::newRow("points only") << "...";
    QTest::newRow("zero") << "0";
    QTest::newRow("zero fraction") << "0.00";
}

void TestPreferences::framesRateThatIsNoRateIsRefused()
{
    QFETCH(QString, frames);
    open();
    retype(control<QLineEdit>("FramesMask"), frames);
    m_dialogs->expectError();
    control<QPushButton>("OKBtn")->click();
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY2(m_dialogs->errors.front().contains(u'\'' + frames + u'\''), qPrintable(m_dialogs->errors.front()));
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_target->applied.empty());
    QVERIFY(!m_store->exists());
    QCOMPARE(control<QTabWidget>("PageControl1")->currentIndex(), 4);
    QCOMPARE(m_dialog->focusWidget(), control<QLineEdit>("FramesMask"));
    QVERIFY(!m_dialog->framesFps());

    // A real rate then goes through.
    retype(control<QLineEdit>("FramesMask"), QStringLiteral("25"));
    control<QPushButton>("OKBtn")->click();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_store->values().value("StartWith/Frames"), QStringLiteral("25"));
}

void TestPreferences::defaultsRaiseWidthResetPending()
{
    m_store->write(kStoredLook + "[Grid]\n1A=120\n1G=40\n[Postion]\nMainLeft=10\n[Export]\nUseHead=1\n");
    m_dialog->show();
    const Settings stored = m_target->applied.back();
    QVERIFY(!m_target->layouts.back().widthResetPending);
    *m_target = FakeTarget{};

    control<QPushButton>("DefaultBtn")->click();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_target->calls, (QStringList{"ticks", "ticks", "ticks", "apply"}));
    QVERIFY(m_target->layouts.back().widthResetPending);
    QVERIFY(!m_dialog->layout().widthResetPending); // the resizing layout cleared it
    Settings expected;
    expected.balloon = stored.balloon;
    expected.functions = stored.functions;
    expected.mainLeft = stored.mainLeft;
    expected.print = stored.print;
    expected.exportOptions = stored.exportOptions;
    QVERIFY(m_target->applied.back() == expected);
    QVERIFY(!expected.balloon && expected.exportOptions.useHead && expected.mainLeft == 10);
    QCOMPARE(control<QComboBox>("StartCombo")->currentIndex(), 0);
    QCOMPARE(control<ColourCombo>("FilmGridColor")->currentName(), QStringLiteral("Window"));
    QCOMPARE(m_store->values().value("Grid/1A"), QStringLiteral("120"));

    // A layout that keeps the window's width leaves the flag raised; the next load lowers it.
    m_target->resizes = false;
    control<QPushButton>("DefaultBtn")->click();
    QVERIFY(m_dialog->layout().widthResetPending);
    m_dialog->GetRegInfo();
    QVERIFY(!m_target->layouts.back().widthResetPending);
}

void TestPreferences::applyToAllGrids()
{
    m_store->write(kStoredLook);
    open();
    QFont chosen(QStringLiteral("DejaVu Sans Mono"), 13);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    m_dialogs->expectFont(chosen);
    control<QPushButton>("NonDrpFrmFontBtn")->click();
    chooseName(control<ColourCombo>("NonDrpFrmGridColor"), QStringLiteral("Olive"));
    chooseName(control<ColourCombo>("NonDrpFrmTextColor"), QStringLiteral("White"));
    control<QPushButton>("ApplyAllBtn")->click();
    QVERIFY(m_target->applied.empty());
    for (const char *mode : {"DrpFrm", "PAL", "Frames", "Film", "User"}) {
        const QByteArray prefix(mode);
        QCOMPARE(control<ColourCombo>(prefix + "GridColor")->currentName(), QStringLiteral("Olive"));
        QCOMPARE(control<ColourCombo>(prefix + "TextColor")->currentName(), QStringLiteral("White"));
        QCOMPARE(control<QLabel>(prefix + "FontText")->text(), QStringLiteral("DejaVu Sans Mono, 13 pt, Bold, Strike-out"));
    }
    control<QPushButton>("ApplyBtn")->click();
    const Settings &applied = m_target->applied.back();
    const FontSetting expected{QStringLiteral("DejaVu Sans Mono"), 0xFFFFFF, 13, 7};
    for (std::size_t mode = 0; mode < 6; ++mode) {
        QCOMPARE(applied.modeFonts[mode], expected);
        QCOMPARE(applied.gridColors[mode], QStringLiteral("Olive"));
    }
    // Each mode keeps its own font afterwards.
    m_dialogs->expectFont(QFont(QStringLiteral("DejaVu Serif"), 10));
    control<QPushButton>("PALFontBtn")->click();
    QCOMPARE(m_dialog->settings().modeFonts[2].name, QStringLiteral("DejaVu Serif"));
    QCOMPARE(m_dialog->settings().modeFonts[3].name, QStringLiteral("DejaVu Sans Mono"));
}

void TestPreferences::fontChooser()
{
    open();
    // A cancelled chooser keeps the font.
    m_dialogs->expectFont(std::nullopt);
    control<QPushButton>("UserFontBtn")->click();
    QCOMPARE(m_dialog->settings().modeFonts[4], FontSetting{});
    m_dialogs->expectFont(QFont(QStringLiteral("DejaVu Serif"), 20));
    control<QPushButton>("UserFontBtn")->click();
    QCOMPARE(m_dialog->settings().modeFonts[4], (FontSetting{QStringLiteral("DejaVu Serif"), 0x800000, 20, 0}));
    QCOMPARE(m_dialog->settings().modeFonts[3], FontSetting{});
    QCOMPARE(control<QLabel>("UserFontText")->text(), QStringLiteral("DejaVu Serif, 20 pt"));
    QVERIFY(m_target->applied.empty());
}

void TestPreferences::viewBoxesTickTheMenuAtOnce()
{
    open();
    control<QCheckBox>("DescriptionsCheckBox")->click();
    control<QCheckBox>("FrameModeCheckBox")->click();
    control<QCheckBox>("PercentagesCheckBox")->click();
    QCOMPARE(m_target->calls, (QStringList{"ticks", "ticks", "ticks"}));
    const FakeTarget::Ticks last = m_target->ticks.back();
    QVERIFY(last.descriptions && !last.percentages && last.frameMode);
    QVERIFY(m_dialog->settings().descriptions);
    control<QCheckBox>("ValidityCheckBox")->click();
    QCOMPARE(m_target->calls.size(), 3);
}

void TestPreferences::unknownGridColourKeepsTheChoice()
{
    m_store->write("[Font]\nPALGridColor=navy\nFilmGridColor=Navy\n");
    open();
    QCOMPARE(control<ColourCombo>("PALGridColor")->currentName(), QStringLiteral("Window"));
    QCOMPARE(control<ColourCombo>("FilmGridColor")->currentName(), QStringLiteral("Navy"));
    m_dialog->hide();
    m_store->write("[Font]\nFilmGridColor=Purple2\n");
    open();
    QCOMPARE(control<ColourCombo>("FilmGridColor")->currentName(), QStringLiteral("Navy"));
    control<QPushButton>("OKBtn")->click();
    QCOMPARE(m_store->values().value("Font/FilmGridColor"), QStringLiteral("Navy"));
    QCOMPARE(m_store->values().value("Font/PALGridColor"), QStringLiteral("Window"));
}

void TestPreferences::menuToggleWriters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("on");
    for (const char *name : {"Validity", "Descriptions", "Percentages", "FrameMode", "Balloon"}) {
        QTest::addRow("%s on", name) << QString::fromLatin1(name) << true;
        QTest::addRow("%s off", name) << QString::fromLatin1(name) << false;
    }
}

void TestPreferences::menuToggleWriters()
{
    QFETCH(QString, name);
    QFETCH(bool, on);
    m_store->write(kStoredLook);
    m_dialog->GetRegInfo();
    if (name == QLatin1String("Validity"))
        m_dialog->storeValidity(on);
    else if (name == QLatin1String("Descriptions"))
        m_dialog->storeDescriptions(on);
    else if (name == QLatin1String("Percentages"))
        m_dialog->storePercentages(on);
    else if (name == QLatin1String("FrameMode"))
        m_dialog->storeFrameMode(on);
    else
        m_dialog->storeBalloon(on);
    const QMap<QString, QString> stored = m_store->values();
    QCOMPARE(stored.value("StartWith/" + name), on ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(stored.value("Print/Heading"), QStringLiteral("Reel 1"));
    QVERIFY(!stored.contains("Print/Descriptions"));
    QCOMPARE(stored.size(), 18); // the one value changed in place, nothing else written

    const Settings &now = m_dialog->settings();
    const bool held = name == QLatin1String("Validity")       ? now.validity
                      : name == QLatin1String("Descriptions") ? now.descriptions
                      : name == QLatin1String("Percentages")  ? now.percentages
                      : name == QLatin1String("FrameMode")    ? now.frameMode
                                                              : now.balloon;
    QCOMPARE(held, on);
    if (name != QLatin1String("Balloon")) {
        const QByteArray box = name.toLatin1() + "CheckBox";
        QCOMPARE(control<QCheckBox>(box.constData())->isChecked(), on);
    }
}

void TestPreferences::layoutSaveTakesOffTheExtraWidths()
{
    LayoutState &layout = m_dialog->layout();
    layout.extraEven = 20;
    layout.extraOdd = 6;
    m_dialog->storeLayout(15, 25, {105, 18, 107, 18, 105, 22, 120}, 300, 400);
    const QMap<QString, QString> stored = m_store->values();
    const QStringList widths{stored.value("Grid/1A"), stored.value("Grid/1B"), stored.value("Grid/1C"),
                             stored.value("Grid/1D"), stored.value("Grid/1E"), stored.value("Grid/1F"),
                             stored.value("Grid/1G")};
    QCOMPARE(widths, (QStringList{"85", "12", "87", "12", "85", "16", "100"}));
    QCOMPARE(stored.value("Postion/MainLeft"), QStringLiteral("15"));
    QCOMPARE(stored.value("Postion/MainTop"), QStringLiteral("25"));
    QCOMPARE(stored.value("Postion/CalcMiniLeft"), QStringLiteral("300"));
    QCOMPARE(stored.value("Postion/CalcMiniTop"), QStringLiteral("400"));
    QCOMPARE(stored.size(), 11);
    QCOMPARE(m_dialog->settings().columnBaseWidth, (std::array<int, 7>{85, 12, 87, 12, 85, 16, 100}));

    // Without the extra widths the widths go in as they are, and a load reads them back.
    layout.extraEven = 0;
    layout.extraOdd = 0;
    m_dialog->storeLayout(15, 25, {105, 18, 107, 18, 105, 22, 120}, 300, 400);
    m_dialog->GetRegInfo();
    QCOMPARE(m_target->applied.back().columnBaseWidth, (std::array<int, 7>{105, 18, 107, 18, 105, 22, 120}));
}

void TestPreferences::ratesForTheEngine()
{
    m_store->write("[StartWith]\nUserFrames=24\nFrames=29.97\n");
    open();
    QCOMPARE(m_dialog->userFps(), 24);
    QCOMPARE(m_dialog->framesFps(), std::optional<double>(29.97));
    // Rates typed but never confirmed: a user rate under 1 works as 1, a Frames text that is no
    // rate gives none.
    retype(control<QLineEdit>("UserFramesMask"), QStringLiteral("0"));
    retype(control<QLineEdit>("FramesMask"), QStringLiteral("1.2.3"));
    QCOMPARE(m_dialog->userFps(), 1);
    QVERIFY(!m_dialog->framesFps());
    // A store with rates that are no rates reads their defaults.
    m_dialog->hide();
    m_store->write("[StartWith]\nUserFrames=0\nFrames=..\n");
    open();
    QCOMPARE(m_dialog->userFps(), 15);
    QCOMPARE(m_dialog->framesFps(), std::optional<double>(30.0));
    QCOMPARE(control<QLineEdit>("FramesMask")->text(), QStringLiteral("30"));
}

void TestPreferences::otherWriters()
{
    std::array<QString, 12> memories;
    memories.fill(QStringLiteral("00:00:00:00"));
    memories[11] = QStringLiteral("10:00:00:00");
    m_dialog->storeFunctions(memories);
    ExportSettings exportOptions;
    exportOptions.radio = 4;
    exportOptions.heading = QStringLiteral("Reel 2");
    m_dialog->storeExport(exportOptions);
    PrintSettings print;
    print.date = false;
    m_dialog->storePrint(print);
    m_dialog->storePrintFont({QStringLiteral("Courier"), 0, 10, 2});
    m_dialog->storeMiniPosition(5, 6);
    const QMap<QString, QString> stored = m_store->values();
    QCOMPARE(stored.value("Function/F12"), QStringLiteral("10:00:00:00"));
    QCOMPARE(stored.value("Export/Radio"), QStringLiteral("4"));
    QCOMPARE(stored.value("Export/Heading"), QStringLiteral("Reel 2"));
    QCOMPARE(stored.value("Print/Date"), QStringLiteral("0"));
    QCOMPARE(stored.value("Font/PrintFontName"), QStringLiteral("Courier"));
    QCOMPARE(stored.value("Font/PrintFontStyle"), QStringLiteral("2"));
    QCOMPARE(stored.value("Postion/CalcMiniLeft"), QStringLiteral("5"));
    QVERIFY(!stored.contains("Postion/MainLeft"));
    const Settings &held = m_dialog->settings();
    QCOMPARE(held.functions[11], QStringLiteral("10:00:00:00"));
    QCOMPARE(held.exportOptions, exportOptions);
    QCOMPARE(held.print, print);
    QCOMPARE(held.printFont.name, QStringLiteral("Courier"));
    QCOMPARE(held.calcMiniTop, 6);
    // A later load reads the same values back.
    m_dialog->GetRegInfo();
    QVERIFY(m_dialog->settings() == held);
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
