// One calculation end to end: operators in every mode, range limits, rejections, row cells, percentage.
#include <QtTest>

#include <limits>

#include "engine/calculation.h"
#include "tests/engine/qtstd.h"

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

CalcRequest Request(const QString &first, int op, const QString &second, const QString &percent = "0")
{
    CalcRequest request;
    request.first = s(first);
    request.second = s(second);
    request.percent = s(percent);
    request.op = static_cast<Operator>(op);
    return request;
}

QStringList Cells(const LogRow &row)
{
    QStringList cells;
    for (const auto &cell : row)
        cells << q(cell);
    return cells;
}

QStringList ResultCells(const CalcOutcome &outcome)
{
    QStringList cells;
    for (const auto &row : outcome.rows)
        cells << q(row[4]);
    return cells;
}

} // namespace

class TestCalculation : public QObject {
    Q_OBJECT

private slots:
    void operatorTexts_data();
    void operatorTexts();
    void findTotalTC_data();
    void findTotalTC();
    void everyOperatorEveryMode_data();
    void everyOperatorEveryMode();
    void resultCell_data();
    void resultCell();
    void framesRate_data();
    void framesRate();
    void userRateBelowOne();
    void firstRowCells();
    void dropFrameOperandCells();
    void percentRowCells();
    void frameModeRows();
    void frameModeSkipsRangeCheck();
    void frameModeNegativeNumber();
    void acceptedStateUpdate();
    void rangeLimits_data();
    void rangeLimits();
    void badInput_data();
    void badInput();
    void parseDecimal_data();
    void parseDecimal();
    void statusPercentage_data();
    void statusPercentage();
    void formatPercentage_data();
    void formatPercentage();
};

void TestCalculation::operatorTexts_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("text");
    QTest::newRow("+") << "+" << 0 << "+";
    QTest::newRow("-") << "-" << 1 << "-";
    QTest::newRow("*") << "*" << 2 << "x";
    QTest::newRow("x") << "x" << 2 << "x";
    QTest::newRow("/") << "/" << 3 << "/";
    QTest::newRow("%") << "%" << 4 << "%";
    QTest::newRow("~") << "~" << 5 << "~";
    QTest::newRow("grave accent") << "`" << 5 << "~";
    QTest::newRow("letter") << "a" << -1 << "";
    QTest::newRow("equals") << "=" << -1 << "";
}

void TestCalculation::operatorTexts()
{
    QFETCH(QString, key);
    QFETCH(int, op);
    QFETCH(QString, text);
    const auto found = OperatorForKey(key.at(0).toLatin1());
    QCOMPARE(found ? int(*found) : -1, op);
    if (found)
        QCOMPARE(q(OperatorText(*found)), text);
}

void TestCalculation::findTotalTC_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("second");
    QTest::addColumn<double>("percent");
    QTest::addColumn<qint64>("result");
    QTest::newRow("+") << 0 << qint64(300) << qint64(150) << 0.0 << qint64(450);
    QTest::newRow("+ wraps") << 0 << kMax << qint64(1) << 0.0 << kMin;
    QTest::newRow("-") << 1 << qint64(150) << qint64(300) << 0.0 << qint64(-150);
    QTest::newRow("- wraps") << 1 << kMin << qint64(1) << 0.0 << kMax;
    QTest::newRow("x") << 2 << qint64(2) << qint64(300) << 0.0 << qint64(600);
    QTest::newRow("x wraps") << 2 << kMax << qint64(2) << 0.0 << qint64(-2);
    QTest::newRow("x wraps far") << 2 << qint64(1) << kMin << 0.0 << kMin;
    QTest::newRow("x smallest by -1") << 2 << kMin << qint64(-1) << 0.0 << kMin;
    QTest::newRow("/") << 3 << qint64(1800) << qint64(2) << 0.0 << qint64(900);
    QTest::newRow("/ 2.5 to even") << 3 << qint64(5) << qint64(2) << 0.0 << qint64(2);
    QTest::newRow("/ 3.5 to even") << 3 << qint64(7) << qint64(2) << 0.0 << qint64(4);
    QTest::newRow("/ 1.5 to even") << 3 << qint64(3) << qint64(2) << 0.0 << qint64(2);
    QTest::newRow("/ zero divisor") << 3 << qint64(5) << qint64(0) << 0.0 << qint64(0);
    QTest::newRow("/ zero dividend") << 3 << qint64(0) << qint64(5) << 0.0 << qint64(0);
    QTest::newRow("/ negative") << 3 << qint64(-9) << qint64(2) << 0.0 << qint64(-4);
    QTest::newRow("/ largest") << 3 << kMax << qint64(1) << 0.0 << kMax;
    QTest::newRow("/ smallest by -1 saturates") << 3 << kMin << qint64(-1) << 0.0 << kMax;
    QTest::newRow("%") << 4 << qint64(999) << qint64(300) << 50.0 << qint64(150);
    QTest::newRow("% ignores first") << 4 << kMax << qint64(300) << 50.0 << qint64(150);
    QTest::newRow("% 2.5 to even") << 4 << qint64(0) << qint64(5) << 50.0 << qint64(2);
    QTest::newRow("% 3.5 to even") << 4 << qint64(0) << qint64(7) << 50.0 << qint64(4);
    QTest::newRow("% fraction") << 4 << qint64(0) << qint64(1000) << 12.5 << qint64(125);
    QTest::newRow("~ larger first") << 5 << qint64(300) << qint64(150) << 0.0 << qint64(150);
    QTest::newRow("~ larger second") << 5 << qint64(150) << qint64(300) << 0.0 << qint64(150);
    QTest::newRow("~ wraps") << 5 << kMax << qint64(-1) << 0.0 << kMin;
}

void TestCalculation::findTotalTC()
{
    QFETCH(int, op);
    QFETCH(qint64, first);
    QFETCH(qint64, second);
    QFETCH(double, percent);
    QFETCH(qint64, result);
    QCOMPARE(FindTotalTC(static_cast<Operator>(op), first, second, percent), result);
}

void TestCalculation::everyOperatorEveryMode_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QStringList>("results"); // cell 4 of the new row in modes 0..5
    // User rate 15, Frames rate 30.
    QTest::newRow("00:00:10:00 + 00:00:05:00") << 0 << "00:00:10:00" << "00:00:05:00" << "50"
        << QStringList{"00:00:15:00", "00;00;15;00", "00:00:15:00", "00:00:15:00", "00:00:15:00", "450"};
    QTest::newRow("00:00:10:00 - 00:00:05:00") << 1 << "00:00:10:00" << "00:00:05:00" << "50"
        << QStringList{"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"};
    QTest::newRow("00:00:10:00 x 00:00:05:00") << 2 << "00:00:10:00" << "00:00:05:00" << "50"
        << QStringList{"00:25:00:00", "00;25;01;16", "00:20:50:00", "00:20:00:00", "00:12:30:00", "45000"};
    QTest::newRow("00:00:10:00 / 00:00:05:00") << 3 << "00:00:10:00" << "00:00:05:00" << "50"
        << QStringList{"00:00:00:02", "00;00;00;02", "00:00:00:02", "00:00:00:02", "00:00:00:02", "2"};
    QTest::newRow("00:00:10:00 % 00:00:05:00") << 4 << "00:00:10:00" << "00:00:05:00" << "50"
        << QStringList{"00:00:02:15", "00;00;02;15", "00:00:02:12", "00:00:02:12", "00:00:02:08", "75"};
    QTest::newRow("00:00:10:00 ~ 00:00:05:00") << 5 << "00:00:10:00" << "00:00:05:00" << "50"
        << QStringList{"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"};
    QTest::newRow("00:00:05:00 + 00:00:10:00") << 0 << "00:00:05:00" << "00:00:10:00" << "50"
        << QStringList{"00:00:15:00", "00;00;15;00", "00:00:15:00", "00:00:15:00", "00:00:15:00", "450"};
    QTest::newRow("00:00:05:00 - 00:00:10:00") << 1 << "00:00:05:00" << "00:00:10:00" << "50"
        << QStringList{"23:59:55:00", "23;59;55;00", "23:59:55:00", "23:59:55:00", "23:59:55:00", "-150"};
    QTest::newRow("00:00:05:00 x 00:00:10:00") << 2 << "00:00:05:00" << "00:00:10:00" << "50"
        << QStringList{"00:25:00:00", "00;25;01;16", "00:20:50:00", "00:20:00:00", "00:12:30:00", "45000"};
    QTest::newRow("00:00:05:00 / 00:00:10:00") << 3 << "00:00:05:00" << "00:00:10:00" << "50"
        << QStringList{"00:00:00:00", "00;00;00;00", "00:00:00:00", "00:00:00:00", "00:00:00:00", "0"};
    QTest::newRow("00:00:05:00 % 00:00:10:00") << 4 << "00:00:05:00" << "00:00:10:00" << "50"
        << QStringList{"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"};
    QTest::newRow("00:00:05:00 ~ 00:00:10:00") << 5 << "00:00:05:00" << "00:00:10:00" << "50"
        << QStringList{"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"};
    QTest::newRow("00:09:00:00 + 00:01:00:00") << 0 << "00:09:00:00" << "00:01:00:00" << "50"
        << QStringList{"00:10:00:00", "00;10;00;02", "00:10:00:00", "00:10:00:00", "00:10:00:00", "18000"};
    QTest::newRow("00:09:00:00 - 00:01:00:00") << 1 << "00:09:00:00" << "00:01:00:00" << "50"
        << QStringList{"00:08:00:00", "00;07;59;28", "00:08:00:00", "00:08:00:00", "00:08:00:00", "14400"};
    QTest::newRow("00:09:00:00 x 00:01:00:00") << 2 << "00:09:00:00" << "00:01:00:00" << "50"
        << QStringList{"06:00:00:00", "06;00;12;00", "09:00:00:00", "00:00:00:00", "15:00:00:00", "29160000"};
    QTest::newRow("00:09:00:00 / 00:01:00:00") << 3 << "00:09:00:00" << "00:01:00:00" << "50"
        << QStringList{"00:00:00:09", "00;00;00;09", "00:00:00:09", "00:00:00:09", "00:00:00:09", "9"};
    QTest::newRow("00:09:00:00 % 00:01:00:00") << 4 << "00:09:00:00" << "00:01:00:00" << "50"
        << QStringList{"00:00:30:00", "00;00;30;00", "00:00:30:00", "00:00:30:00", "00:00:30:00", "900"};
    QTest::newRow("00:09:00:00 ~ 00:01:00:00") << 5 << "00:09:00:00" << "00:01:00:00" << "50"
        << QStringList{"00:08:00:00", "00;07;59;28", "00:08:00:00", "00:08:00:00", "00:08:00:00", "14400"};
    QTest::newRow("00:05:00:10 + 00:04:59:20") << 0 << "00:05:00:10" << "00:04:59:20" << "150"
        << QStringList{"00:10:00:00", "00;10;00;00", "00:10:00:05", "00:10:00:06", "00:10:01:00", "18000"};
    QTest::newRow("00:05:00:10 - 00:04:59:20") << 1 << "00:05:00:10" << "00:04:59:20" << "150"
        << QStringList{"00:00:00:20", "00;00;00;18", "00:00:00:15", "00:00:00:14", "00:00:00:05", "20"};
    QTest::newRow("00:05:00:10 x 00:04:59:20") << 2 << "00:05:00:10" << "00:04:59:20" << "150"
        << QStringList{"05:59:56:20", "05;14;57;08", "01:24:58:00", "00:29:58:08", "16:15:03:05", "80999900"};
    QTest::newRow("00:05:00:10 / 00:04:59:20") << 3 << "00:05:00:10" << "00:04:59:20" << "150"
        << QStringList{"00:00:00:01", "00;00;00;01", "00:00:00:01", "00:00:00:01", "00:00:00:01", "1"};
    QTest::newRow("00:05:00:10 % 00:04:59:20") << 4 << "00:05:00:10" << "00:04:59:20" << "150"
        << QStringList{"00:07:29:15", "00;07;29;17", "00:07:29:17", "00:07:29:18", "00:07:30:08", "13485"};
    QTest::newRow("00:05:00:10 ~ 00:04:59:20") << 5 << "00:05:00:10" << "00:04:59:20" << "150"
        << QStringList{"00:00:00:20", "00;00;00;18", "00:00:00:15", "00:00:00:14", "00:00:00:05", "20"};
    QTest::newRow("00:00:00:07 + 00:00:00:02") << 0 << "00:00:00:07" << "00:00:00:02" << "12.5"
        << QStringList{"00:00:00:09", "00;00;00;09", "00:00:00:09", "00:00:00:09", "00:00:00:09", "9"};
    QTest::newRow("00:00:00:07 - 00:00:00:02") << 1 << "00:00:00:07" << "00:00:00:02" << "12.5"
        << QStringList{"00:00:00:05", "00;00;00;05", "00:00:00:05", "00:00:00:05", "00:00:00:05", "5"};
    QTest::newRow("00:00:00:07 x 00:00:00:02") << 2 << "00:00:00:07" << "00:00:00:02" << "12.5"
        << QStringList{"00:00:00:14", "00;00;00;14", "00:00:00:14", "00:00:00:14", "00:00:00:14", "14"};
    QTest::newRow("00:00:00:07 / 00:00:00:02") << 3 << "00:00:00:07" << "00:00:00:02" << "12.5"
        << QStringList{"00:00:00:04", "00;00;00;04", "00:00:00:04", "00:00:00:04", "00:00:00:04", "4"};
    QTest::newRow("00:00:00:07 % 00:00:00:02") << 4 << "00:00:00:07" << "00:00:00:02" << "12.5"
        << QStringList{"00:00:00:00", "00;00;00;00", "00:00:00:00", "00:00:00:00", "00:00:00:00", "0"};
    QTest::newRow("00:00:00:07 ~ 00:00:00:02") << 5 << "00:00:00:07" << "00:00:00:02" << "12.5"
        << QStringList{"00:00:00:05", "00;00;00;05", "00:00:00:05", "00:00:00:05", "00:00:00:05", "5"};
    QTest::newRow("23:59:59:14 + 01:00:00:00") << 0 << "23:59:59:14" << "01:00:00:00" << "12.5"
        << QStringList{"00:59:59:14", "00;59;59;14", "00:59:59:14", "00:59:59:14", "00:59:59:14", "2699984"};
    QTest::newRow("23:59:59:14 - 01:00:00:00") << 1 << "23:59:59:14" << "01:00:00:00" << "12.5"
        << QStringList{"22:59:59:14", "22;59;59;14", "22:59:59:14", "22:59:59:14", "22:59:59:14", "2483984"};
    QTest::newRow("23:59:59:14 x 01:00:00:00") << 2 << "23:59:59:14" << "01:00:00:00" << "12.5"
        << QStringList{"08:00:00:00", "08;00;00;00", "13:00:00:00", "14:00:00:00", "23:00:00:00", "279934272000"};
    QTest::newRow("23:59:59:14 / 01:00:00:00") << 3 << "23:59:59:14" << "01:00:00:00" << "12.5"
        << QStringList{"00:00:00:24", "00;00;00;24", "00:00:00:24", "00:00:01:00", "00:00:01:09", "24"};
    QTest::newRow("23:59:59:14 % 01:00:00:00") << 4 << "23:59:59:14" << "01:00:00:00" << "12.5"
        << QStringList{"00:07:30:00", "00;07;30;00", "00:07:30:00", "00:07:30:00", "00:07:30:00", "13500"};
    QTest::newRow("23:59:59:14 ~ 01:00:00:00") << 5 << "23:59:59:14" << "01:00:00:00" << "12.5"
        << QStringList{"22:59:59:14", "22;59;59;14", "22:59:59:14", "22:59:59:14", "22:59:59:14", "2483984"};
}

void TestCalculation::everyOperatorEveryMode()
{
    QFETCH(int, op);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, percent);
    QFETCH(QStringList, results);
    CalcState state;
    const CalcOutcome outcome = ComputeCalculations(state, Request(first, op, second, percent));
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    QCOMPARE(ResultCells(outcome), results);
}

void TestCalculation::resultCell_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("result");
    QTest::newRow("x 2 by 10s non-drop") << 0 << 2 << "00:00:00:02" << "00:00:10:00" << "0" << "00:00:20:00";
    QTest::newRow("x 2 by 10s PAL") << 2 << 2 << "00:00:00:02" << "00:00:10:00" << "0" << "00:00:20:00";
    QTest::newRow("x 2 by 10s film") << 3 << 2 << "00:00:00:02" << "00:00:10:00" << "0" << "00:00:20:00";
    QTest::newRow("/ minute by 2") << 0 << 3 << "00:01:00:00" << "00:00:00:02" << "0" << "00:00:30:00";
    QTest::newRow("/ 5 by 2") << 0 << 3 << "00:00:00:05" << "00:00:00:02" << "0" << "00:00:00:02";
    QTest::newRow("/ 7 by 2") << 0 << 3 << "00:00:00:07" << "00:00:00:02" << "0" << "00:00:00:04";
    QTest::newRow("/ by zero") << 0 << 3 << "00:00:10:00" << "00:00:00:00" << "0" << "00:00:00:00";
    QTest::newRow("/ zero by") << 0 << 3 << "00:00:00:00" << "00:00:10:00" << "0" << "00:00:00:00";
    QTest::newRow("% 50 of 10s") << 0 << 4 << "00:00:00:00" << "00:00:10:00" << "50" << "00:00:05:00";
    // Drop frame counts true frames: two labels are missing at the start of most minutes.
    QTest::newRow("drop + across a minute") << 1 << 0 << "00:00:50:00" << "00:00:20:00" << "0" << "00;01;10;02";
    QTest::newRow("drop - across a minute") << 1 << 1 << "00:05:00:10" << "00:04:59:20" << "0" << "00;00;00;18";
    QTest::newRow("drop + to the tenth minute") << 1 << 0 << "00:09:00:00" << "00:01:00:00" << "0" << "00;10;00;02";
    QTest::newRow("drop + zero keeps the label") << 1 << 0 << "00:00:00:00" << "00:05:00:00" << "0" << "00;05;00;02";
    QTest::newRow("drop + one frame") << 1 << 0 << "00:00:59:29" << "00:00:00:01" << "0" << "00;01;00;02";
    QTest::newRow("drop - one frame") << 1 << 1 << "00:01:00:02" << "00:00:00:01" << "0" << "00;00;59;29";
    QTest::newRow("drop + an hour") << 1 << 0 << "00:00:00:00" << "01:00:00:00" << "0" << "01;00;00;00";
    QTest::newRow("drop - below midnight") << 1 << 1 << "00:00:00:00" << "00:00:00:01" << "0" << "23;59;59;29";
    QTest::newRow("drop + past a day") << 1 << 0 << "23:59:59:29" << "00:00:00:01" << "0" << "00;00;00;00";
    QTest::newRow("drop x") << 1 << 2 << "00:00:00:02" << "00:09:00:00" << "0" << "00;18;00;02";
    QTest::newRow("drop % 50 of a minute") << 1 << 4 << "00:00:00:00" << "00:01:00:00" << "50" << "00;00;30;00";
    QTest::newRow("frames - goes negative") << 5 << 1 << "00:00:05:00" << "00:00:10:00" << "0" << "-150";
}

void TestCalculation::resultCell()
{
    QFETCH(int, mode);
    QFETCH(int, op);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, percent);
    QFETCH(QString, result);
    CalcState state;
    CalcRequest request = Request(first, op, second, percent);
    request.rangeCheck = false;
    const CalcOutcome outcome = ComputeCalculations(state, request);
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    QCOMPARE(q(outcome.rows[static_cast<std::size_t>(mode)][4]), result);
}

void TestCalculation::framesRate_data()
{
    QTest::addColumn<double>("fps");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("29.97") << 29.97 << "00:00:01:00" << "00:00:10:05" << QStringList{"30", "+", "305", "=", "335", "", ""};
    QTest::newRow("25") << 25.0 << "00:00:10:00" << "00:00:05:00" << QStringList{"250", "+", "125", "=", "375", "", ""};
    QTest::newRow("ties to even") << 28.5 << "00:00:01:00" << "00:00:03:00" << QStringList{"28", "+", "86", "=", "114", "", ""};
}

void TestCalculation::framesRate()
{
    QFETCH(double, fps);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, cells);
    CalcState state;
    state.FramesFps = fps;
    const CalcOutcome outcome = ComputeCalculations(state, Request(first, 0, second));
    QCOMPARE(Cells(outcome.rows[5]), cells);
}

void TestCalculation::userRateBelowOne()
{
    for (qint64 rate : {qint64(0), qint64(-25), kMin}) {
        CalcState state;
        state.UserFps = rate;
        CalcRequest request = Request("00:00:10:00", 0, "00:00:05:00");
        request.activeTab = 4;
        request.rangeCheck = false;
        const CalcOutcome outcome = ComputeCalculations(state, request);
        QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
        QCOMPARE(q(outcome.rows[4][4]), QString("00:00:15:00"));
        QCOMPARE(state.Modes[4].FirstFrames, FrameCount(10));
    }
}

void TestCalculation::firstRowCells()
{
    CalcState state;
    const CalcOutcome outcome = ComputeCalculations(state, Request("00:00:10:00", 0, "00:00:05:00"));
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    const QStringList timecodeRow{"00:00:10:00", "+", "00:00:05:00", "=", "00:00:15:00", "", ""};
    QCOMPARE(Cells(outcome.rows[0]), timecodeRow);
    QCOMPARE(Cells(outcome.rows[1]), (QStringList{"00;00;10;00", "+", "00;00;05;00", "=", "00;00;15;00", "", ""}));
    QCOMPARE(Cells(outcome.rows[2]), timecodeRow);
    QCOMPARE(Cells(outcome.rows[3]), timecodeRow);
    QCOMPARE(Cells(outcome.rows[4]), timecodeRow);
    QCOMPARE(Cells(outcome.rows[5]), (QStringList{"300", "+", "150", "=", "450", "", ""}));
    QCOMPARE(q(outcome.first), QString("00:00:10:00"));
    QCOMPARE(q(outcome.second), QString("00:00:05:00"));
    QVERIFY(outcome.frameDur.empty());
}

void TestCalculation::dropFrameOperandCells()
{
    // The other logs show the operands as typed (with colons, whatever the field's separator);
    // the drop-frame log shows them after the label rule.
    CalcState state;
    const CalcOutcome outcome = ComputeCalculations(state, Request("00;01;00;00", 0, "00;10;00;01"));
    QCOMPARE(q(outcome.rows[0][0]), QString("00:01:00:00"));
    QCOMPARE(q(outcome.rows[0][2]), QString("00:10:00:01"));
    QCOMPARE(q(outcome.rows[1][0]), QString("00;01;00;02"));
    QCOMPARE(q(outcome.rows[1][2]), QString("00;10;00;01"));
    QCOMPARE(q(state.FirstTC), QString("00:01:00:02"));
    QCOMPARE(state.Modes[1].FirstFrames, FrameCount(1800));
    QCOMPARE(state.Modes[1].SecondFrames, FrameCount(17983));
    QCOMPARE(state.Modes[0].FirstFrames, FrameCount(1800));
}

void TestCalculation::percentRowCells()
{
    CalcState state;
    const CalcOutcome outcome = ComputeCalculations(state, Request("00:00:00:00", 4, "00:00:10:00", "50"));
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    for (const auto &row : outcome.rows) {
        QCOMPARE(q(row[0]), QString("50"));
        QCOMPARE(q(row[1]), QString("%"));
    }
    QCOMPARE(Cells(outcome.rows[0]), (QStringList{"50", "%", "00:00:10:00", "=", "00:00:05:00", "", ""}));
    QCOMPARE(Cells(outcome.rows[1]), (QStringList{"50", "%", "00;00;10;00", "=", "00;00;05;00", "", ""}));
    QCOMPARE(Cells(outcome.rows[5]), (QStringList{"50", "%", "300", "=", "150", "", ""}));
    // The cell keeps the percentage as typed.
    const CalcOutcome spaced = ComputeCalculations(state, Request("00:00:00:00", 4, "00:00:10:00", "12.5  "));
    QCOMPARE(q(spaced.rows[0][0]), QString("12.5  "));
    QCOMPARE(q(spaced.rows[5][4]), QString("38"));
}

void TestCalculation::frameModeRows()
{
    CalcState state;
    CalcRequest request = Request("00:00:00:00", 0, "00:00:00:00");
    request.frameMode = true;
    request.frameIn = "45";
    request.frameOut = "10";
    const CalcOutcome outcome = ComputeCalculations(state, request);
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    QCOMPARE(Cells(outcome.rows[0]), (QStringList{"00:00:01:15", "+", "00:00:00:10", "=", "00:00:01:25", "", ""}));
    QCOMPARE(Cells(outcome.rows[1]), (QStringList{"00;00;01;15", "+", "00;00;00;10", "=", "00;00;01;25", "", ""}));
    // Each timecode log shows the frame numbers at its own rate and computes on what it shows.
    QCOMPARE(Cells(outcome.rows[2]), (QStringList{"00:00:01:20", "+", "00:00:00:10", "=", "00:00:02:05", "", ""}));
    QCOMPARE(Cells(outcome.rows[3]), (QStringList{"00:00:01:21", "+", "00:00:00:10", "=", "00:00:02:07", "", ""}));
    QCOMPARE(Cells(outcome.rows[4]), (QStringList{"00:00:03:00", "+", "00:00:00:10", "=", "00:00:03:10", "", ""}));
    QCOMPARE(Cells(outcome.rows[5]), (QStringList{"45", "+", "10", "=", "55", "", ""}));
    QCOMPARE(q(outcome.frameDur), QString("55"));
    // The user log is the last to write the converted numbers into the fields.
    QCOMPARE(q(outcome.first), QString("00:00:03:00"));
    QCOMPARE(q(outcome.second), QString("00:00:00:10"));

    // Empty number fields count as 0; "%" shows the percentage in cell 0 of the Frames row too.
    request.op = Operator::Percent;
    request.percent = "50";
    request.frameIn.clear();
    request.frameOut = "45";
    const CalcOutcome percent = ComputeCalculations(state, request);
    QCOMPARE(Cells(percent.rows[5]), (QStringList{"50", "%", "45", "=", "22", "", ""}));
    QCOMPARE(q(percent.rows[0][4]), QString("00:00:00:22"));
    QCOMPARE(q(percent.rows[2][4]), QString("00:00:00:22"));
}

void TestCalculation::frameModeSkipsRangeCheck()
{
    // Frame 29 at 30 fps would fail the limits of the user tab at 15 fps; Frame Mode checks nothing.
    CalcState state;
    CalcRequest request = Request("99:99:99:99", 0, "99:99:99:99");
    request.frameMode = true;
    request.frameIn = "29";
    request.frameOut = "0";
    request.activeTab = 4;
    const CalcOutcome outcome = ComputeCalculations(state, request);
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    QCOMPARE(q(outcome.rows[0][0]), QString("00:00:00:29"));
}

void TestCalculation::frameModeNegativeNumber()
{
    CalcState state;
    CalcRequest request = Request("", 1, "");
    request.frameMode = true;
    request.frameIn = "-1";
    request.frameOut = "+2";
    const CalcOutcome outcome = ComputeCalculations(state, request);
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    QCOMPARE(q(outcome.rows[0][0]), QString("23:59:59:29"));
    QCOMPARE(q(outcome.rows[0][4]), QString("23:59:59:27"));
    QCOMPARE(q(outcome.frameDur), QString("-3"));
}

void TestCalculation::acceptedStateUpdate()
{
    CalcState state;
    state.CalcCount = 4;
    state.FramesFps = 29.97;
    const CalcOutcome outcome = ComputeCalculations(state, Request("01:00:00:00", 1, "00:01:00:00"));
    QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
    QCOMPARE(state.CalcCount, std::int64_t(5));
    QVERIFY(state.WorkChanged);
    QVERIFY(state.CalcAccepted);
    const FrameCount firstFrames[] = {108000, 107892, 90000, 86400, 54000, 107892};
    const FrameCount secondFrames[] = {1800, 1800, 1500, 1440, 900, 1798};
    for (std::size_t m = 0; m < 6; ++m) {
        QCOMPARE(state.Modes[m].FirstFrames, firstFrames[m]);
        QCOMPARE(state.Modes[m].SecondFrames, secondFrames[m]);
        QCOMPARE(state.Modes[m].ResultFrames, firstFrames[m] - secondFrames[m]);
    }
    QCOMPARE(q(state.SecondTC), QString("00:01:00:02"));
    QCOMPARE(q(state.ResultTC[0]), QString("00:59:00:00"));
    QCOMPARE(q(state.ResultTC[1]), QString("00:58:59:28"));
    QCOMPARE(q(state.ResultTC[4]), QString("00:59:00:00"));
}

void TestCalculation::rangeLimits_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("firstCaption");
    QTest::addColumn<int>("field"); // 0 accepted, 1 first, 2 second
    QTest::addColumn<QString>("message");
    QTest::newRow("frame 30 on tab 0") << 0 << true << "00:00:00:30" << "00:00:00:00" << "Out" << 1
                                       << "Out - 00:00:00:30 is not valid timecode!";
    QTest::newRow("PAL frame 25") << 2 << true << "00:00:00:25" << "00:00:00:00" << "Out" << 1
                                  << "Out - 00:00:00:25 is not valid timecode!";
    QTest::newRow("PAL frame 24") << 2 << true << "00:00:00:24" << "00:00:00:24" << "Out" << 0 << "";
    QTest::newRow("second field") << 3 << true << "00:00:00:23" << "00:00:00:24" << "Out" << 2
                                  << "In - 00:00:00:24 is not valid timecode!";
    QTest::newRow("both fail, first named") << 0 << true << "24:00:00:00" << "00:60:00:00" << "Out" << 1
                                            << "Out - 24:00:00:00 is not valid timecode!";
    QTest::newRow("drop tab, semicolon text") << 1 << true << "00;00;60;00" << "00;00;00;00" << "TC1" << 1
                                              << "TC1 - 00;00;60;00 is not valid timecode!";
    QTest::newRow("user 15 frame 14") << 4 << true << "00:00:00:14" << "00:00:00:00" << "Out" << 0 << "";
    QTest::newRow("user 15 frame 15") << 4 << true << "00:00:00:15" << "00:00:00:00" << "In" << 1
                                      << "In - 00:00:00:15 is not valid timecode!";
    QTest::newRow("frames tab frame 29") << 5 << true << "23:59:59:29" << "00:00:00:29" << "Out" << 0 << "";
    QTest::newRow("checking off") << 2 << false << "99:99:99:99" << "00:00:00:25" << "Out" << 0 << "";
}

void TestCalculation::rangeLimits()
{
    QFETCH(int, tab);
    QFETCH(bool, check);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, firstCaption);
    QFETCH(int, field);
    QFETCH(QString, message);
    CalcState state;
    state.CalcCount = 3;
    state.Modes[0].FirstFrames = 77;
    CalcRequest request = Request(first, 0, second);
    request.activeTab = tab;
    request.rangeCheck = check;
    request.firstCaption = s(firstCaption);
    request.secondCaption = "In";
    const CalcOutcome outcome = ComputeCalculations(state, request);
    if (field == 0) {
        QCOMPARE(int(outcome.status), int(CalcStatus::Accepted));
        QCOMPARE(state.CalcCount, std::int64_t(4));
        return;
    }
    QCOMPARE(int(outcome.status), int(CalcStatus::OutOfRange));
    QCOMPARE(int(outcome.field), field == 1 ? int(CalcField::First) : int(CalcField::Second));
    QCOMPARE(q(outcome.message), message);
    // Nothing is counted or converted; the rejected operands stay parsed.
    QCOMPARE(state.CalcCount, std::int64_t(3));
    QCOMPARE(state.Modes[0].FirstFrames, FrameCount(77));
    QVERIFY(!state.WorkChanged);
    QCOMPARE(q(state.FirstTC), q(*ParseTimecodeField(s(first))));
    QCOMPARE(q(outcome.first), first);
}

void TestCalculation::badInput_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<bool>("frameMode");
    QTest::addColumn<QString>("frameIn");
    QTest::addColumn<QString>("frameOut");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("letter in the first field") << "00:0a:00:00" << "00:00:00:00" << 0 << "" << false << "" << ""
                                               << int(CalcField::First) << "Out - '00:0a:00:00' is not a timecode: 'a' is not a digit.";
    QTest::newRow("blank in the second field") << "00:00:00:00" << "00:00:00: 1" << 0 << "" << false << "" << ""
                                               << int(CalcField::Second) << "In - '00:00:00: 1' is not a timecode: ' ' is not a digit.";
    QTest::newRow("short field") << "00:00" << "00:00:00:00" << 0 << "" << false << "" << ""
                                 << int(CalcField::First) << "Out - '00:00' is not a timecode: it is shorter than 11 characters.";
    QTest::newRow("percentage not a number") << "00:00:00:00" << "00:00:10:00" << 4 << "5O" << false << "" << ""
                                             << int(CalcField::Percent) << "'5O' is not a valid percentage.";
    QTest::newRow("percentage empty") << "00:00:00:00" << "00:00:10:00" << 4 << "" << false << "" << ""
                                      << int(CalcField::Percent) << "'' is not a valid percentage.";
    QTest::newRow("first frame number") << "" << "" << 0 << "" << true << "4x5" << "10"
                                        << int(CalcField::FrameIn) << "Out - '4x5' is not a valid frame number.";
    QTest::newRow("second frame number too big") << "" << "" << 0 << "" << true << "45" << "99999999999"
                                                 << int(CalcField::FrameOut) << "In - '99999999999' is not a valid frame number.";
    QTest::newRow("frame mode, bad percentage") << "" << "" << 4 << "half" << true << "45" << "10"
                                                << int(CalcField::Percent) << "'half' is not a valid percentage.";
}

void TestCalculation::badInput()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, op);
    QFETCH(QString, percent);
    QFETCH(bool, frameMode);
    QFETCH(QString, frameIn);
    QFETCH(QString, frameOut);
    QFETCH(int, field);
    QFETCH(QString, message);
    CalcState state;
    CalcRequest request = Request(first, op, second, percent);
    request.frameMode = frameMode;
    request.frameIn = s(frameIn);
    request.frameOut = s(frameOut);
    const CalcOutcome outcome = ComputeCalculations(state, request);
    QCOMPARE(int(outcome.status), int(CalcStatus::BadInput));
    QCOMPARE(int(outcome.field), field);
    QCOMPARE(q(outcome.message), message);
    QCOMPARE(state.CalcCount, std::int64_t(0));
    QVERIFY(!state.WorkChanged);
    QCOMPARE(state.Modes[5].ResultFrames, FrameCount(0));
}

void TestCalculation::parseDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "50" << true << 50.0;
    QTest::newRow("fraction") << "12.5" << true << 12.5;
    QTest::newRow("blanks around") << "  12.5  " << true << 12.5;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("minus") << "-2.5" << true << -2.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("exponent") << "1e2" << true << 100.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("two signs") << "+-1" << false << 0.0;
    QTest::newRow("inner blank") << "1 5" << false << 0.0;
    QTest::newRow("too large") << "1e99999" << false << 0.0;
}

void TestCalculation::parseDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const auto parsed = ParseDecimal(s(text));
    QCOMPARE(parsed.has_value(), valid);
    if (parsed)
        QCOMPARE(static_cast<double>(*parsed), value);
}

void TestCalculation::statusPercentage_data()
{
    QTest::addColumn<QString>("cell2");
    QTest::addColumn<QString>("cell0");
    QTest::addColumn<bool>("dropTab");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("percentage");
    QTest::newRow("150 over 300") << "150" << "300" << false << true << 50.0;
    QTest::newRow("drop tab compensates") << "1800" << "3604" << true << true << 50.0;
    QTest::newRow("other tab does not") << "1800" << "3600" << false << true << 50.0;
    QTest::newRow("zero second") << "0" << "300" << false << true << 0.0;
    QTest::newRow("zero first") << "150" << "0" << false << true << 0.0;
    QTest::newRow("negative") << "-150" << "300" << false << true << 0.0;
    QTest::newRow("not a number") << "abc" << "300" << false << false << 0.0;
    QTest::newRow("empty cell") << "150" << "" << false << false << 0.0;
}

void TestCalculation::statusPercentage()
{
    QFETCH(QString, cell2);
    QFETCH(QString, cell0);
    QFETCH(bool, dropTab);
    QFETCH(bool, valid);
    QFETCH(double, percentage);
    const auto value = StatusPercentage(s(cell2), s(cell0), dropTab);
    QCOMPARE(value.has_value(), valid);
    if (value)
        QCOMPARE(*value, percentage);
}

void TestCalculation::formatPercentage_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("50") << 50.0 << "50.00%";
    QTest::newRow("0") << 0.0 << "0.00%";
    QTest::newRow("two thirds") << 200.0 / 3 << "66.67%";
    QTest::newRow("999") << 999.0 << "999.00%";
    QTest::newRow("thousands") << 1234.5 << "1,234.50%";
    QTest::newRow("millions") << 1234567.891 << "1,234,567.89%";
    QTest::newRow("exact thousand") << 100000.0 << "100,000.00%";
    QTest::newRow("negative") << -1234.5 << "-1,234.50%";
}

void TestCalculation::formatPercentage()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(q(FormatPercentage(value)), text);
}

QTEST_APPLESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
