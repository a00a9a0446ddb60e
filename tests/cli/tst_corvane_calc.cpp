// corvane-calc end to end: results, rows, standard input with aligned lines, messages and exit codes.
#include <QProcess>
#include <QtTest>

namespace {

struct Run {
    QString out;
    QString err;
    int exitCode = -1;
};

Run Calc(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_CALC_PATH), arguments);
    if (!process.waitForStarted())
        qFatal("corvane-calc did not start");
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        qFatal("corvane-calc did not finish");
    if (process.exitStatus() != QProcess::NormalExit)
        qFatal("corvane-calc crashed");
    return {QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()),
            process.exitCode()};
}

QString Line(const QStringList &cells)
{
    return cells.join('\t') + '\n';
}

} // namespace

class TestCorvaneCalc : public QObject {
    Q_OBJECT

private slots:
    void singleCalculation_data();
    void singleCalculation();
    void rejected_data();
    void rejected();
    void rows();
    void wrongUsage_data();
    void wrongUsage();
    void help();
    void standardInputLinesUp();
    void standardInputAllAccepted();
    void standardInputRows();
    void standardInputEmpty();
};

void TestCorvaneCalc::singleCalculation_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::newRow("plus") << QStringList{"00:00:10:00", "+", "00:00:05:00"}
                          << Line({"00:00:15:00", "00;00;15;00", "00:00:15:00", "00:00:15:00", "00:00:15:00", "450"});
    QTest::newRow("minus below midnight") << QStringList{"00:00:05:00", "-", "00:00:10:00"}
                                          << Line({"23:59:55:00", "23;59;55;00", "23:59:55:00", "23:59:55:00", "23:59:55:00", "-150"});
    QTest::newRow("x") << QStringList{"00:00:00:02", "x", "00:00:10:00"}
                       << Line({"00:00:20:00", "00;00;20;00", "00:00:20:00", "00:00:20:00", "00:00:20:00", "600"});
    QTest::newRow("star for x") << QStringList{"00:00:00:02", "*", "00:00:10:00"}
                                << Line({"00:00:20:00", "00;00;20;00", "00:00:20:00", "00:00:20:00", "00:00:20:00", "600"});
    QTest::newRow("divide") << QStringList{"00:01:00:00", "/", "00:00:00:02"}
                            << Line({"00:00:30:00", "00;00;30;00", "00:00:30:00", "00:00:30:00", "00:00:30:00", "900"});
    QTest::newRow("percent") << QStringList{"50", "%", "00:00:10:00"}
                             << Line({"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"});
    QTest::newRow("difference") << QStringList{"00:00:05:00", "~", "00:00:10:00"}
                                << Line({"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"});
    QTest::newRow("drop frame across ten minutes") << QStringList{"00;09;00;00", "+", "00;01;00;00"}
                                                   << Line({"00:10:00:00", "00;10;00;02", "00:10:00:00", "00:10:00:00", "00:10:00:00", "18000"});
    QTest::newRow("range check off") << QStringList{"--no-range-check", "00:00:00:30", "+", "00:00:00:00"}
                                     << Line({"00:00:01:00", "00;00;01;00", "00:00:01:05", "00:00:01:06", "00:00:02:00", "30"});
    QTest::newRow("user rate on its tab") << QStringList{"--tab", "4", "--user-fps", "25", "00:00:00:24", "+", "00:00:00:01"}
                                          << Line({"00:00:00:25", "00;00;00;25", "00:00:01:00", "00:00:01:01", "00:00:01:00", "25"});
    QTest::newRow("user rate 0 counts as 1") << QStringList{"--user-fps=0", "00:00:10:00", "+", "00:00:05:00"}
                                             << Line({"00:00:15:00", "00;00;15;00", "00:00:15:00", "00:00:15:00", "00:00:15:00", "450"});
    QTest::newRow("frames rate 29.97") << QStringList{"--frames-fps", "29.97", "00:00:01:00", "+", "00:00:10:05"}
                                       << Line({"00:00:11:05", "00;00;11;05", "00:00:11:05", "00:00:11:05", "00:00:11:05", "335"});
    QTest::newRow("frame mode") << QStringList{"--frame-mode", "45", "+", "10"}
                                << Line({"00:00:01:25", "00;00;01;25", "00:00:02:05", "00:00:02:07", "00:00:03:10", "55"});
    QTest::newRow("frame mode, negative number") << QStringList{"--frame-mode", "--", "-1", "-", "2"}
                                                 << Line({"23:59:59:27", "23;59;59;27", "23:59:59:22", "23:59:59:21", "23:59:59:12", "-3"});
    QTest::newRow("options after operands") << QStringList{"00:00:00:25", "+", "00:00:00:00", "--tab", "3", "--no-range-check"}
                                            << Line({"00:00:00:25", "00;00;00;25", "00:00:01:00", "00:00:01:01", "00:00:01:10", "25"});
}

void TestCorvaneCalc::singleCalculation()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    const Run run = Calc(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, out);
    QCOMPARE(run.exitCode, 0);
}

void TestCorvaneCalc::rejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("err");
    QTest::newRow("frame 30") << QStringList{"00:00:00:30", "+", "00:00:00:00"} << "Out - 00:00:00:30 is not valid timecode!\n";
    QTest::newRow("PAL frame 25") << QStringList{"--tab", "2", "00:00:00:25", "+", "00:00:00:00"}
                                  << "Out - 00:00:00:25 is not valid timecode!\n";
    QTest::newRow("second field") << QStringList{"00:00:00:00", "+", "00:60:00:00"} << "In - 00:60:00:00 is not valid timecode!\n";
    QTest::newRow("label set 0") << QStringList{"--labels", "0", "00:00:00:30", "+", "00:00:00:00"}
                                 << "In - 00:00:00:30 is not valid timecode!\n";
    QTest::newRow("label set 2, second") << QStringList{"--labels", "2", "00:00:00:00", "-", "24:00:00:00"}
                                         << "TC2 - 24:00:00:00 is not valid timecode!\n";
    QTest::newRow("user rate limit") << QStringList{"--tab", "4", "00:00:00:15", "+", "00:00:00:00"}
                                     << "Out - 00:00:00:15 is not valid timecode!\n";
    QTest::newRow("letter in a field") << QStringList{"00:0a:00:00", "+", "00:00:00:00"}
                                       << "Out - '00:0a:00:00' is not a timecode: 'a' is not a digit.\n";
    QTest::newRow("short timecode") << QStringList{"00:00:10", "+", "00:00:00:00"}
                                    << "Out - '00:00:10' is not a timecode: it must have 11 characters, as in 01:00:00:00.\n";
    QTest::newRow("wrong separators") << QStringList{"00:00:00:00", "+", "01-00-00-00"}
                                      << "In - '01-00-00-00' is not a timecode: its fields must be separated by ':' or ';'.\n";
    QTest::newRow("unknown operator") << QStringList{"00:00:00:00", "^", "00:00:00:00"}
                                      << "'^' is not an operator: use + - x / % ~\n";
    QTest::newRow("two-character operator") << QStringList{"00:00:00:00", "++", "00:00:00:00"}
                                            << "'++' is not an operator: use + - x / % ~\n";
    QTest::newRow("percentage not a number") << QStringList{"half", "%", "00:00:10:00"} << "'half' is not a valid percentage.\n";
    QTest::newRow("frame number not a number") << QStringList{"--frame-mode", "4x5", "+", "10"}
                                               << "Out - '4x5' is not a valid frame number.\n";
}

void TestCorvaneCalc::rejected()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    const Run run = Calc(arguments);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, err);
    QCOMPARE(run.exitCode, 1);
}

void TestCorvaneCalc::rows()
{
    const Run run = Calc({"--rows", "00:01:00:00", "+", "00:00:05:00"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, Line({"00:01:00:00", "+", "00:00:05:00", "=", "00:01:05:00"})
                          + Line({"00;01;00;02", "+", "00;00;05;00", "=", "00;01;05;02"})
                          + Line({"00:01:00:00", "+", "00:00:05:00", "=", "00:01:05:00"})
                          + Line({"00:01:00:00", "+", "00:00:05:00", "=", "00:01:05:00"})
                          + Line({"00:01:00:00", "+", "00:00:05:00", "=", "00:01:05:00"})
                          + Line({"1800", "+", "150", "=", "1950"}));
    const Run percent = Calc({"--rows", "12.5", "%", "00:00:10:00"});
    QCOMPARE(percent.out.split('\n').first(), Line({"12.5", "%", "00:00:10:00", "=", "00:00:01:08"}).chopped(1));
    QCOMPARE(percent.out.split('\n').at(5), Line({"12.5", "%", "300", "=", "38"}).chopped(1));
}

void TestCorvaneCalc::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown option") << QStringList{"--fast", "00:00:00:00", "+", "00:00:00:00"} << "'--fast'";
    QTest::newRow("tab 6") << QStringList{"--tab", "6"} << "--tab '6'";
    QTest::newRow("tab not a number") << QStringList{"--tab=two"} << "--tab 'two'";
    QTest::newRow("tab without value") << QStringList{"--tab"} << "--tab needs a value";
    QTest::newRow("label set 3") << QStringList{"--labels", "3"} << "--labels '3'";
    QTest::newRow("negative user rate") << QStringList{"--user-fps", "-1"} << "--user-fps '-1'";
    QTest::newRow("huge user rate") << QStringList{"--user-fps", "99999999999"} << "--user-fps '99999999999'";
    QTest::newRow("frames rate 0") << QStringList{"--frames-fps", "0"} << "--frames-fps '0'";
    QTest::newRow("frames rate not a number") << QStringList{"--frames-fps", "fast"} << "--frames-fps 'fast'";
    QTest::newRow("flag with a value") << QStringList{"--rows=yes"} << "--rows takes no value";
    QTest::newRow("two operands") << QStringList{"00:00:00:00", "+"} << "got 2 operands";
    QTest::newRow("four operands") << QStringList{"1", "2", "3", "4"} << "got 4 operands";
}

void TestCorvaneCalc::wrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const Run run = Calc(arguments, "00:00:00:00 + 00:00:00:00\n");
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith("corvane-calc: ") && run.err.contains(named), qPrintable(run.err));
    QVERIFY(run.err.contains("--help"));
}

void TestCorvaneCalc::help()
{
    const Run run = Calc({"--help"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QVERIFY(run.out.startsWith("Usage: corvane-calc [OPTIONS] FIRST OP SECOND\n"));
    for (const char *option : {"--tab", "--user-fps", "--frames-fps", "--labels", "--no-range-check", "--frame-mode", "--rows"})
        QVERIFY2(run.out.contains(option), option);
}

void TestCorvaneCalc::standardInputLinesUp()
{
    const QByteArray input = "00:00:10:00 + 00:00:05:00\n"
                             "00:00:00:30 + 00:00:00:00\n"
                             "  50\t%   00:00:10:00  \r\n"
                             "\n"
                             "00:00:00:00 ^ 00:00:00:00\n"
                             "00;05;00;10 - 00;04;59;20\n"
                             "only two\n"
                             "00:00:00:01 + 00:00:00:01"; // no newline at the end
    const Run run = Calc({}, input);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.out, Line({"00:00:15:00", "00;00;15;00", "00:00:15:00", "00:00:15:00", "00:00:15:00", "450"})
                          + "\n"
                          + Line({"00:00:05:00", "00;00;05;00", "00:00:05:00", "00:00:05:00", "00:00:05:00", "150"})
                          + "\n"
                          + "\n"
                          + Line({"00:00:00:20", "00;00;00;18", "00:00:00:15", "00:00:00:14", "00:00:00:05", "20"})
                          + "\n"
                          + Line({"00:00:00:02", "00;00;00;02", "00:00:00:02", "00:00:00:02", "00:00:00:02", "2"}));
    QCOMPARE(run.err, QString("line 2: Out - 00:00:00:30 is not valid timecode!\n"
                              "line 4: empty line: expected FIRST OP SECOND\n"
                              "line 5: '^' is not an operator: use + - x / % ~\n"
                              "line 7: expected FIRST OP SECOND, got 2 words\n"));
}

void TestCorvaneCalc::standardInputAllAccepted()
{
    const Run run = Calc({"--tab", "2"}, "00:00:00:24 + 00:00:00:01\n00:00:01:00 x 00:00:00:03\n");
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, Line({"00:00:00:25", "00;00;00;25", "00:00:01:00", "00:00:01:01", "00:00:01:10", "25"})
                          + Line({"00:00:03:00", "00;00;03;00", "00:00:03:00", "00:00:03:00", "00:00:03:00", "90"}));
}

void TestCorvaneCalc::standardInputRows()
{
    // Six lines per input line; a rejected line keeps its block of six, empty.
    const Run run = Calc({"--rows"}, "00:00:00:30 + 00:00:00:00\n00:00:00:01 + 00:00:00:01\n");
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split('\n');
    QCOMPARE(lines.size(), 13); // twelve lines and what follows the last newline
    for (int i = 0; i < 6; ++i)
        QCOMPARE(lines.at(i), QString());
    QCOMPARE(lines.at(6), Line({"00:00:00:01", "+", "00:00:00:01", "=", "00:00:00:02"}).chopped(1));
    QCOMPARE(lines.at(11), Line({"1", "+", "1", "=", "2"}).chopped(1));
    QCOMPARE(run.err, QString("line 1: Out - 00:00:00:30 is not valid timecode!\n"));
}

void TestCorvaneCalc::standardInputEmpty()
{
    const Run run = Calc({}, {});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.err, QString());
}

QTEST_APPLESS_MAIN(TestCorvaneCalc)
#include "tst_corvane_calc.moc"
