// Column widths, header allowances and limits, and the window widths that follow the columns.
#include <QTest>

#include "mainwindow/columnlayout.h"
#include "settings/settings.h"

Q_DECLARE_METATYPE(std::optional<int>)

class TestColumnLayout : public QObject {
    Q_OBJECT

private slots:
    void columnsTakeTheExtraOfTheirParity();
    void sectionsAreWiderByTheirAllowance();
    void sectionWidthsStayWithinLimits_data();
    void sectionWidthsStayWithinLimits();
    void gridLayoutWidth_data();
    void gridLayoutWidth();
    void trackLayoutWidth_data();
    void trackLayoutWidth();
    void eachLayoutKeepsItsOwnOffsets();
};

void TestColumnLayout::columnsTakeTheExtraOfTheirParity()
{
    QCOMPARE(ColumnWidths(kDefaultColumnBaseWidth, 0, 0), kDefaultColumnBaseWidth);
    const std::array<int, 7> large{105, 18, 105, 18, 105, 22, 120};
    QCOMPARE(ColumnWidths(kDefaultColumnBaseWidth, 20, 6), large);
}

void TestColumnLayout::sectionsAreWiderByTheirAllowance()
{
    const std::array<int, 7> sections{89, 13, 87, 14, 88, 18, 102};
    QCOMPARE(SectionWidths(kDefaultColumnBaseWidth), sections);
}

void TestColumnLayout::sectionWidthsStayWithinLimits_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("expected");
    QTest::newRow("value section within") << 2 << 120 << 120;
    QTest::newRow("value section too narrow") << 0 << 3 << 20;
    QTest::newRow("value section too wide") << 4 << 250 << 200;
    QTest::newRow("operator section too wide") << 1 << 40 << 30;
    QTest::newRow("operator section too narrow") << 3 << 2 << 5;
    QTest::newRow("auxiliary section is fixed") << 5 << 40 << 19;
    QTest::newRow("description may be widest") << 6 << 300 << 300;
    QTest::newRow("description beyond") << 6 << 301 << 300;
    QTest::newRow("last section is fixed") << 7 << 5 << 19;
}

void TestColumnLayout::sectionWidthsStayWithinLimits()
{
    QFETCH(int, section);
    QFETCH(int, width);
    QFETCH(int, expected);
    QCOMPARE(ClampSectionWidth(section, width), expected);
}

void TestColumnLayout::gridLayoutWidth_data()
{
    QTest::addColumn<bool>("descriptions");
    QTest::addColumn<bool>("resetPending");
    QTest::addColumn<bool>("highDpi");
    QTest::addColumn<int>("columnZero");
    QTest::addColumn<std::optional<int>>("window");

    const std::optional<int> keeps;
    QTest::newRow("descriptions, plain apply") << true << false << false << 85 << std::optional<int>(460);
    QTest::newRow("descriptions, after defaults") << true << true << false << 85 << std::optional<int>(456);
    QTest::newRow("no descriptions") << false << false << false << 85 << std::optional<int>(339);
    QTest::newRow("no descriptions, after defaults") << false << true << false << 85 << std::optional<int>(339);
    QTest::newRow("high dpi, descriptions") << true << false << true << 85 << std::optional<int>(559);
    QTest::newRow("high dpi, no descriptions") << false << true << true << 85 << std::optional<int>(416);
    QTest::newRow("wider first column") << true << false << false << 120 << std::optional<int>(495);
    // T = 414 exactly with descriptions: not above the minimum, so the window keeps its width.
    QTest::newRow("at the minimum with descriptions") << true << false << false << 70 << keeps;
    QTest::newRow("just above the minimum") << true << false << false << 71 << std::optional<int>(446);
    // Without descriptions T = 294 with column 0 at 71.
    QTest::newRow("at the minimum without descriptions") << false << false << false << 71 << keeps;
}

void TestColumnLayout::gridLayoutWidth()
{
    QFETCH(bool, descriptions);
    QFETCH(bool, resetPending);
    QFETCH(bool, highDpi);
    QFETCH(int, columnZero);
    QFETCH(std::optional<int>, window);

    std::array<int, 7> columns = kDefaultColumnBaseWidth;
    columns[0] = columnZero;
    const auto logWidth = GridLogWidth(columns, descriptions, resetPending, highDpi);
    QCOMPARE(logWidth.has_value(), window.has_value());
    if (logWidth)
        QCOMPARE(GridWindowWidths(*logWidth).window, *window);
}

void TestColumnLayout::trackLayoutWidth_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("descriptions");
    QTest::addColumn<std::optional<int>>("logWidth");

    QTest::newRow("defaults with descriptions") << 0 << 85 << true << std::optional<int>(429);
    QTest::newRow("description 20 wider") << 6 << 120 << true << std::optional<int>(449);
    QTest::newRow("description wider, hidden") << 6 << 120 << false << std::optional<int>(308);
    QTest::newRow("auxiliary wider, hidden") << 5 << 30 << false << std::optional<int>(308);
    QTest::newRow("narrowed to the minimum") << 6 << 85 << true << std::optional<int>();
    QTest::newRow("second value wider, hidden") << 2 << 118 << false << std::optional<int>(341);
}

void TestColumnLayout::trackLayoutWidth()
{
    QFETCH(int, column);
    QFETCH(int, width);
    QFETCH(bool, descriptions);
    QFETCH(std::optional<int>, logWidth);
    std::array<int, 7> columns = kDefaultColumnBaseWidth;
    columns[static_cast<std::size_t>(column)] = width;
    QCOMPARE(TrackLogWidth(columns, descriptions), logWidth);
}

void TestColumnLayout::eachLayoutKeepsItsOwnOffsets()
{
    QCOMPARE(GridWindowWidths(429), (WindowWidths{460, 453, 454, 438, 430, 429}));
    QCOMPARE(TrackWindowWidths(429), (WindowWidths{461, 453, 455, 438, 428, 429}));
}

QTEST_GUILESS_MAIN(TestColumnLayout)
#include "tst_columnlayout.moc"
