// The artwork compiled into the program: every icon the windows load is there, valid, and drawable.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

struct Icon {
    const char *path;
    QSize size;
};

constexpr QSize Toolbar(24, 24);
constexpr QSize Trash(32, 32);
constexpr QSize CalcButton(90, 33);
constexpr QSize AppIcon(48, 48);

// The paths the windows load, with the size each one is drawn for.
const Icon Icons[] = {
    {":/icons/new.svg", Toolbar},
    {":/icons/open.svg", Toolbar},
    {":/icons/save.svg", Toolbar},
    {":/icons/export.svg", Toolbar},
    {":/icons/print.svg", Toolbar},
    {":/icons/clear.svg", Toolbar},
    {":/icons/copy.svg", Toolbar},
    {":/icons/paste.svg", Toolbar},
    {":/icons/find.svg", Toolbar},
    {":/icons/sort.svg", Toolbar},
    {":/icons/mini.svg", Toolbar},
    {":/icons/exit.svg", Toolbar},
    {":/icons/preview.svg", Toolbar},
    {":/icons/printer-setup.svg", Toolbar},
    {":/icons/preferences.svg", Toolbar},
    {":/icons/help.svg", Toolbar},
    {":/icons/about.svg", Toolbar},
    {":/icons/edit-descriptions.svg", Toolbar},
    {":/icons/progf.svg", Toolbar},
    {":/icons/progf-armed.svg", Toolbar},
    {":/icons/f1.svg", Toolbar},
    {":/icons/f2.svg", Toolbar},
    {":/icons/f3.svg", Toolbar},
    {":/icons/f4.svg", Toolbar},
    {":/icons/f5.svg", Toolbar},
    {":/icons/f6.svg", Toolbar},
    {":/icons/f7.svg", Toolbar},
    {":/icons/f8.svg", Toolbar},
    {":/icons/f9.svg", Toolbar},
    {":/icons/f10.svg", Toolbar},
    {":/icons/f11.svg", Toolbar},
    {":/icons/f12.svg", Toolbar},
    {":/icons/trash-closed.svg", Trash},
    {":/icons/trash-open.svg", Trash},
    {":/icons/calc-normal.svg", CalcButton},
    {":/icons/calc-hover.svg", CalcButton},
    {":/icons/calc-down.svg", CalcButton},
    {":/icons/corvane.svg", AppIcon},
};

// The icon drawn at its own size on a transparent ground, at the given screen scale.
QImage render(const QString &path, QSize size, qreal scale)
{
    QSvgRenderer renderer(path);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void loadsAndRenders_data();
    void loadsAndRenders();
    void statesLookDifferent_data();
    void statesLookDifferent();
};

void TestResources::loadsAndRenders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const Icon &icon : Icons)
        QTest::newRow(icon.path) << QString::fromLatin1(icon.path) << icon.size;
}

void TestResources::loadsAndRenders()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QVERIFY2(QFile::exists(path), "not compiled into the program");
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(size)));

    const QImage at1x = render(path, size, 1);
    const QImage at2x = render(path, size, 2);
    const int area = size.width() * size.height();
    const int ink1 = opaquePixels(at1x);
    const int ink2 = opaquePixels(at2x);
    // Something is drawn, but the picture does not simply fill its square.
    QVERIFY2(ink1 > area / 5, qPrintable(QString::number(ink1)));
    QVERIFY2(ink1 < area, qPrintable(QString::number(ink1)));
    // Toolbars and menus load the same files through QIcon, which needs the SVG icon engine.
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(size).size(), size);
    QVERIFY(qAbs(opaquePixels(icon.pixmap(size).toImage()) - ink1) <= ink1 / 50);

    // At twice the scale the same drawing covers about four times the pixels.
    QVERIFY2(ink2 > ink1 * 3 && ink2 < ink1 * 5, qPrintable(QStringLiteral("%1 / %2").arg(ink2).arg(ink1)));
}

void TestResources::statesLookDifferent_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QSize>("size");

    QStringList keys;
    for (int n = 1; n <= 12; ++n)
        keys << QStringLiteral(":/icons/f%1.svg").arg(n);
    QTest::newRow("function keys") << keys << Toolbar;
    QTest::newRow("program key") << QStringList{":/icons/progf.svg", ":/icons/progf-armed.svg"} << Toolbar;
    QTest::newRow("trash") << QStringList{":/icons/trash-closed.svg", ":/icons/trash-open.svg"} << Trash;
    QTest::newRow("calculate") << QStringList{":/icons/calc-normal.svg", ":/icons/calc-hover.svg",
                                              ":/icons/calc-down.svg"}
                               << CalcButton;
}

void TestResources::statesLookDifferent()
{
    // Images that stand for different keys or states must not be copies of one another.
    QFETCH(QStringList, paths);
    QFETCH(QSize, size);
    QList<QImage> images;
    for (const QString &path : paths)
        images << render(path, size, 1);
    for (qsizetype i = 0; i < images.size(); ++i)
        for (qsizetype j = i + 1; j < images.size(); ++j)
            QVERIFY2(images[i] != images[j], qPrintable(paths[i] + QStringLiteral(" = ") + paths[j]));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
