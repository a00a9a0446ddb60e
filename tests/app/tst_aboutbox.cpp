// The about box: its size, caption and texts, accessible names, and the ways it closes.
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/aboutbox.h"

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void showsNameVersionAndCaption();
    void isBorderlessAndCentred();
    void everyControlHasAnAccessibleName();
    void versionNameFollowsText();
    void closesOnMouseButton_data();
    void closesOnMouseButton();
    void closesOnKey_data();
    void closesOnKey();
    void closesWhileModal();

private:
    static QLabel *label(const TAboutBox &box, const char *name)
    {
        return box.findChild<QLabel *>(QString::fromLatin1(name));
    }
};

void TestAboutBox::showsNameVersionAndCaption()
{
    TAboutBox box;
    box.setVersionText(QStringLiteral("Version 1.65"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QCOMPARE(box.size(), QSize(311, 167));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(box.windowTitle(), QStringLiteral("About Corvane"));
    QCOMPARE(box.versionText(), QStringLiteral("Version 1.65"));

    QLabel *name = label(box, "ProductName");
    QLabel *version = label(box, "Version");
    QVERIFY(name && version);
    QCOMPARE(name->text(), QStringLiteral("Corvane"));
    QCOMPARE(version->text(), QStringLiteral("Version 1.65"));
    // Both lines and the icon fit inside the box and are not cut off.
    for (QWidget *child : box.findChildren<QWidget *>()) {
        QVERIFY2(child->isVisible(), qPrintable(child->objectName()));
        QVERIFY2(box.rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    QVERIFY(name->sizeHint().width() <= name->width());
    QVERIFY(version->sizeHint().width() <= version->width());
}

void TestAboutBox::isBorderlessAndCentred()
{
    TAboutBox box;
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(box.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint screenCentre = box.screen()->availableGeometry().center();
    QVERIFY2((box.geometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("box centre %1,%2, screen centre %3,%4")
                            .arg(box.geometry().center().x())
                            .arg(box.geometry().center().y())
                            .arg(screenCentre.x())
                            .arg(screenCentre.y())));
}

void TestAboutBox::everyControlHasAnAccessibleName()
{
    TAboutBox box;
    box.setVersionText(QStringLiteral("Version 1.65"));
    QVERIFY(!box.accessibleName().isEmpty());
    const auto children = box.findChildren<QWidget *>();
    QVERIFY(children.size() >= 3); // icon, name, version
    for (QWidget *child : children)
        QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
}

void TestAboutBox::versionNameFollowsText()
{
    TAboutBox box;
    QVERIFY(!label(box, "Version")->accessibleName().isEmpty()); // before the window sets it
    box.setVersionText(QStringLiteral("Version 1.65"));
    QCOMPARE(label(box, "Version")->accessibleName(), QStringLiteral("Version 1.65"));
    box.setVersionText(QStringLiteral("Version 2.0"));
    QCOMPARE(label(box, "Version")->accessibleName(), QStringLiteral("Version 2.0"));
    QCOMPARE(label(box, "Version")->text(), QStringLiteral("Version 2.0"));
}

void TestAboutBox::closesOnMouseButton_data()
{
    QTest::addColumn<QString>("target"); // object name of the widget pressed on; empty: the box itself
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("pos");

    QTest::newRow("left on the box") << QString() << Qt::LeftButton << QPoint(300, 160);
    QTest::newRow("right on the box") << QString() << Qt::RightButton << QPoint(5, 5);
    QTest::newRow("middle on the box") << QString() << Qt::MiddleButton << QPoint(150, 150);
    QTest::newRow("left on the name") << QStringLiteral("ProductName") << Qt::LeftButton << QPoint(3, 3);
    QTest::newRow("left on the version") << QStringLiteral("Version") << Qt::LeftButton << QPoint(3, 3);
    QTest::newRow("right on the icon") << QStringLiteral("ProgramIcon") << Qt::RightButton << QPoint(10, 10);
}

void TestAboutBox::closesOnMouseButton()
{
    QFETCH(QString, target);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, pos);

    TAboutBox box;
    box.setVersionText(QStringLiteral("Version 1.65"));
    QSignalSpy accepted(&box, &QDialog::accepted);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    QWidget *pressed = target.isEmpty() ? &box : box.findChild<QWidget *>(target);
    QVERIFY(pressed);
    QTest::mousePress(pressed, button, Qt::NoModifier, pos);
    QVERIFY(!box.isVisible());
    QCOMPARE(accepted.count(), 1);
}

void TestAboutBox::closesOnKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
    QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    QTest::newRow("letter") << int(Qt::Key_A) << Qt::KeyboardModifiers();
    QTest::newRow("F1") << int(Qt::Key_F1) << Qt::KeyboardModifiers();
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << Qt::KeyboardModifiers();
    QTest::newRow("Shift+Tab, closed once")
        << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

void TestAboutBox::closesOnKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    TAboutBox box;
    QSignalSpy accepted(&box, &QDialog::accepted);
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));

    QTest::keyClick(&box, Qt::Key(key), modifiers);
    QVERIFY(!box.isVisible());
    QCOMPARE(accepted.count(), 1);
}

void TestAboutBox::closesWhileModal()
{
    // The main window shows the box with exec(); a click must end that modal loop.
    TAboutBox box;
    bool clicked = false;
    QTimer::singleShot(0, &box, [&box, &clicked] {
        QVERIFY(box.isVisible());
        QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        clicked = true;
    });
    QTimer::singleShot(5000, &box, [&box] { box.done(-1); }); // keeps a failure from hanging the run
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(clicked);
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
