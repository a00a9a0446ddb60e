// Timecode modes, frame conversion both ways, drop-frame counting, text forms and range limits.
#include <QtTest>

#include <cfenv>
#include <cmath>
#include <limits>

#include "engine/timecode.h"
#include "tests/engine/qtstd.h"

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

Timecode Parse(const QString &text)
{
    const auto tc = ParseTimecodeField(s(text));
    if (!tc)
        qFatal("test data is not a timecode: %s", qPrintable(text));
    return *tc;
}

// Frames to timecode the slow way: whole days added or subtracted one at a time.
Timecode DayLoopTC(std::int64_t rate, FrameCount frames)
{
    const FrameCount day = 86400 * rate;
    while (frames <= -day)
        frames += day;
    if (frames < 0)
        frames += day;
    while (frames >= day)
        frames -= day;
    return {static_cast<std::int32_t>(frames / (3600 * rate)), static_cast<std::int32_t>(frames % (3600 * rate) / (60 * rate)),
            static_cast<std::int32_t>(frames % (60 * rate) / rate), static_cast<std::int32_t>(frames % rate)};
}

} // namespace

class TestTimecode : public QObject {
    Q_OBJECT

private slots:
    void modeTable_data();
    void modeTable();
    void userRateBelowOneIsOne_data();
    void userRateBelowOneIsOne();
    void timecodeToFrames_data();
    void timecodeToFrames();
    void timecodeToFramesWraps();
    void timecodeToFramesReal_data();
    void timecodeToFramesReal();
    void roundHalfEven_data();
    void roundHalfEven();
    void genericTC_data();
    void genericTC();
    void genericTCAgreesWithDayLoop();
    void totalTCCheck_data();
    void totalTCCheck();
    void dropLabelRule_data();
    void dropLabelRule();
    void dropFrameWholeDayBothWays();
    void dropFrameCounts_data();
    void dropFrameCounts();
    void framesToDropFrameWraps_data();
    void framesToDropFrameWraps();
    void dropCompensate_data();
    void dropCompensate();
    void timecodeText_data();
    void timecodeText();
    void semicolons_data();
    void semicolons();
    void stringSpace_data();
    void stringSpace();
    void parseField_data();
    void parseField();
    void rangeLimits_data();
    void rangeLimits();
};

void TestTimecode::modeTable_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<qint64>("largestFrame");
    QTest::newRow("non-drop") << 0 << "NonDrop" << qint64(30) << qint64(29);
    QTest::newRow("drop frame") << 1 << "DropFrm" << qint64(30) << qint64(29);
    QTest::newRow("PAL") << 2 << "PAL" << qint64(25) << qint64(24);
    QTest::newRow("film") << 3 << "Film/24P" << qint64(24) << qint64(23);
    QTest::newRow("user 15") << 4 << "" << qint64(15) << qint64(14);
    QTest::newRow("frames") << 5 << "" << qint64(30) << qint64(29);
}

void TestTimecode::modeTable()
{
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(qint64, rate);
    QFETCH(qint64, largestFrame);
    QCOMPARE(q(ModeTabCaption(static_cast<TimecodeMode>(mode))), caption);
    QCOMPARE(ModeRate(static_cast<TimecodeMode>(mode), 15), rate);
    QCOMPARE(LargestFrame(mode, 15), largestFrame);
}

void TestTimecode::userRateBelowOneIsOne_data()
{
    QTest::addColumn<qint64>("userFps");
    QTest::addColumn<qint64>("used");
    QTest::newRow("0") << qint64(0) << qint64(1);
    QTest::newRow("-5") << qint64(-5) << qint64(1);
    QTest::newRow("lowest") << kMin << qint64(1);
    QTest::newRow("1") << qint64(1) << qint64(1);
    QTest::newRow("99") << qint64(99) << qint64(99);
    QTest::newRow("beyond any rate") << kMax << qint64(kMaxRate);
}

void TestTimecode::userRateBelowOneIsOne()
{
    QFETCH(qint64, userFps);
    QFETCH(qint64, used);
    QCOMPARE(SaneUserFps(userFps), used);
    QCOMPARE(ModeRate(TimecodeMode::User, userFps), used);
    QCOMPARE(LargestFrame(4, userFps), used - 1);
    // The conversion takes the rate it is given through the same guard, and stays in one day.
    const Timecode tc = GenericTC(userFps, 90000);
    QCOMPARE(tc, GenericTC(used, 90000));
    QVERIFY(tc.hours >= 0 && tc.hours < 24 && tc.frames >= 0 && tc.frames < used);
}

void TestTimecode::timecodeToFrames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<qint64>("frames");
    QTest::newRow("1h at 30") << "01:00:00:00" << qint64(30) << qint64(108000);
    QTest::newRow("1h at 25") << "01:00:00:00" << qint64(25) << qint64(90000);
    QTest::newRow("1h at 24") << "01:00:00:00" << qint64(24) << qint64(86400);
    QTest::newRow("1h at 15") << "01:00:00:00" << qint64(15) << qint64(54000);
    QTest::newRow("10s at 30") << "00:00:10:00" << qint64(30) << qint64(300);
    QTest::newRow("frames add") << "00:01:02:03" << qint64(25) << qint64(1553);
    QTest::newRow("typed 99s everywhere") << "99:99:99:99" << qint64(30) << qint64((99 * 3600 + 99 * 60 + 99) * 30 + 99);
}

void TestTimecode::timecodeToFrames()
{
    QFETCH(QString, text);
    QFETCH(qint64, rate);
    QFETCH(qint64, frames);
    QCOMPARE(TimecodeToFrames(Parse(text), rate), frames);
}

void TestTimecode::timecodeToFramesWraps()
{
    // Two's-complement wrap, no trap: 2 * (2^63 - 1) is -2, and (2^63 - 1) + 1 is -2^63.
    QCOMPARE(TimecodeToFrames({0, 0, 2, 0}, kMax), FrameCount(-2));
    QCOMPARE(TimecodeToFrames({0, 0, 1, 1}, kMax), kMin);
    QCOMPARE(TimecodeToFrames({0, 0, 1, -1}, kMin), kMax);
}

void TestTimecode::timecodeToFramesReal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("fps");
    QTest::addColumn<qint64>("frames");
    QTest::newRow("29.97, 1s") << "00:00:01:00" << 29.97 << qint64(30);
    QTest::newRow("29.97, 10s 5f") << "00:00:10:05" << 29.97 << qint64(305);
    QTest::newRow("tie 29.5 up to even") << "00:00:01:00" << 29.5 << qint64(30);
    QTest::newRow("tie 28.5 down to even") << "00:00:01:00" << 28.5 << qint64(28);
    QTest::newRow("30, 1h") << "01:00:00:00" << 30.0 << qint64(108000);
    QTest::newRow("23.976, 1h") << "01:00:00:00" << 23.976 << qint64(86314);
}

void TestTimecode::timecodeToFramesReal()
{
    QFETCH(QString, text);
    QFETCH(double, fps);
    QFETCH(qint64, frames);
    QCOMPARE(TimecodeToFramesReal(Parse(text), fps), frames);
}

void TestTimecode::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("1.5") << 1.5 << qint64(2);
    QTest::newRow("2.5") << 2.5 << qint64(2);
    QTest::newRow("3.5") << 3.5 << qint64(4);
    QTest::newRow("2.49") << 2.49 << qint64(2);
    QTest::newRow("2.51") << 2.51 << qint64(3);
    QTest::newRow("-0.5") << -0.5 << qint64(0);
    QTest::newRow("-1.5") << -1.5 << qint64(-2);
    QTest::newRow("-2.5") << -2.5 << qint64(-2);
    QTest::newRow("-2.6") << -2.6 << qint64(-3);
    QTest::newRow("far above") << 1e30 << kMax;
    QTest::newRow("far below") << -1e30 << kMin;
    QTest::newRow("-2^63 fits") << -9223372036854775808.0 << kMin;
    QTest::newRow("not a number") << std::nan("") << qint64(0);
}

void TestTimecode::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
    // Ties go to even whatever rounding mode the program runs in.
    for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        const std::int64_t inMode = RoundHalfEven(value);
        std::fesetround(FE_TONEAREST);
        QCOMPARE(inMode, rounded);
    }
}

void TestTimecode::genericTC_data()
{
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<QString>("text");
    QTest::newRow("-300 at 30") << qint64(30) << qint64(-300) << "23:59:50:00";
    QTest::newRow("one day at 30") << qint64(30) << qint64(86400 * 30) << "00:00:00:00";
    QTest::newRow("1800 at 30") << qint64(30) << qint64(1800) << "00:01:00:00";
    QTest::newRow("29 at 30") << qint64(30) << qint64(29) << "00:00:00:29";
    QTest::newRow("25 at 25") << qint64(25) << qint64(25) << "00:00:01:00";
    QTest::newRow("-1 at 30") << qint64(30) << qint64(-1) << "23:59:59:29";
    QTest::newRow("-1 at 24") << qint64(24) << qint64(-1) << "23:59:59:23";
    QTest::newRow("minus one day") << qint64(30) << qint64(-86400 * 30) << "00:00:00:00";
    QTest::newRow("three days and a frame back") << qint64(30) << qint64(-3 * 86400 * 30 - 1) << "23:59:59:29";
    QTest::newRow("largest count") << qint64(30) << kMax << "16:31:00:07";
    QTest::newRow("smallest count") << qint64(30) << kMin << "07:28:59:22";
    QTest::newRow("rate 0 taken as 1") << qint64(0) << qint64(90000) << "01:00:00:00";
    QTest::newRow("negative rate taken as 1") << qint64(-30) << qint64(61) << "00:01:01:00";
}

void TestTimecode::genericTC()
{
    QFETCH(qint64, rate);
    QFETCH(qint64, frames);
    QFETCH(QString, text);
    QCOMPARE(q(GenericTC(rate, frames)), text);
}

void TestTimecode::genericTCAgreesWithDayLoop()
{
    for (std::int64_t rate : {1, 15, 24, 25, 30, 99}) {
        const FrameCount day = 86400 * rate;
        for (FrameCount frames = -4 * day; frames <= 4 * day; frames += 997 * rate + 1) {
            if (GenericTC(rate, frames) != DayLoopTC(rate, frames))
                QFAIL(qPrintable(QString("rate %1, frames %2: %3 instead of %4")
                                     .arg(rate).arg(frames).arg(q(GenericTC(rate, frames)), q(DayLoopTC(rate, frames)))));
        }
        for (FrameCount frames : {-day - 1, -day, -day + 1, FrameCount(-1), FrameCount(0), day - 1, day, day + 1})
            QCOMPARE(q(GenericTC(rate, frames)), q(DayLoopTC(rate, frames)));
    }
    // Far counts need no loop: any whole number of days away gives the same timecode.
    const FrameCount day = 86400 * 30;
    QCOMPARE(GenericTC(30, 123456 + 3'000'000'000'000 * day), GenericTC(30, 123456));
    QCOMPARE(GenericTC(30, 123456 - 3'000'000'000'000 * day), GenericTC(30, 123456));
}

void TestTimecode::totalTCCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("rate");
    QTest::addColumn<QString>("checked");
    QTest::newRow("carry to midnight") << "23:59:59:30" << qint64(30) << "00:00:00:00";
    QTest::newRow("carry into a minute") << "00:00:59:30" << qint64(30) << "00:01:00:00";
    QTest::newRow("frame at PAL rate") << "00:00:00:25" << qint64(25) << "00:00:01:00";
    QTest::newRow("beyond the rate untouched") << "00:00:00:31" << qint64(30) << "00:00:00:31";
    QTest::newRow("minutes 60") << "00:60:00:00" << qint64(30) << "01:00:00:00";
    QTest::newRow("seconds 61 untouched") << "00:00:61:00" << qint64(30) << "00:00:61:00";
    QTest::newRow("hours 24") << "24:00:00:00" << qint64(30) << "00:00:00:00";
    QTest::newRow("hours 25 untouched") << "25:00:00:00" << qint64(30) << "25:00:00:00";
    QTest::newRow("one step only") << "00:59:59:30" << qint64(30) << "01:00:00:00";
}

void TestTimecode::totalTCCheck()
{
    QFETCH(QString, text);
    QFETCH(qint64, rate);
    QFETCH(QString, checked);
    QCOMPARE(q(TotalTCCheck(Parse(text), rate)), checked);
}

void TestTimecode::dropLabelRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ruled");
    QTest::newRow("minute 1 frame 0") << "00:01:00:00" << "00:01:00:02";
    QTest::newRow("minute 1 frame 1") << "00:01:00:01" << "00:01:00:02";
    QTest::newRow("minute 1 frame 2") << "00:01:00:02" << "00:01:00:02";
    QTest::newRow("minute 1 second 1") << "00:01:01:00" << "00:01:01:00";
    QTest::newRow("minute 10 kept") << "00:10:00:00" << "00:10:00:00";
    QTest::newRow("minute 0 kept") << "01:00:00:01" << "01:00:00:01";
    QTest::newRow("minute 59") << "05:59:00:01" << "05:59:00:02";
    QTest::newRow("minute 50 kept") << "00:50:00:00" << "00:50:00:00";
    QTest::newRow("minute 61 is no drop minute") << "00:61:00:00" << "00:61:00:00";
}

void TestTimecode::dropLabelRule()
{
    QFETCH(QString, text);
    QFETCH(QString, ruled);
    QCOMPARE(q(ApplyDropLabelRule(Parse(text))), ruled);
}

void TestTimecode::dropFrameWholeDayBothWays()
{
    // Walk every label of the drop-frame day in order; frame i must be label i, both ways.
    FrameCount frame = 0;
    for (std::int32_t h = 0; h < 24; ++h) {
        for (std::int32_t m = 0; m < 60; ++m) {
            for (std::int32_t sec = 0; sec < 60; ++sec) {
                for (std::int32_t f = 0; f < 30; ++f) {
                    if (sec == 0 && f < 2 && m % 10 != 0)
                        continue; // a dropped label
                    const Timecode label{h, m, sec, f};
                    const FrameCount counted = DropFrameToFrames(label);
                    const Timecode back = FramesToDropFrame(frame);
                    if (counted != frame || back != label)
                        QFAIL(qPrintable(QString("frame %1: label %2 counts %3, frame gives %4")
                                             .arg(frame).arg(q(label)).arg(counted).arg(q(back))));
                    ++frame;
                }
            }
        }
    }
    QCOMPARE(frame, kDropFrameDay);
}

void TestTimecode::dropFrameCounts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<qint64>("frames");
    QTest::newRow("first minute") << "00:00:59:29" << qint64(1799);
    QTest::newRow("minute 1 starts at 02") << "00:01:00:02" << qint64(1800);
    QTest::newRow("minute 10") << "00:10:00:00" << qint64(17982);
    QTest::newRow("one hour") << "01:00:00:00" << qint64(107892);
    QTest::newRow("last label") << "23:59:59:29" << qint64(2589407);
}

void TestTimecode::dropFrameCounts()
{
    QFETCH(QString, label);
    QFETCH(qint64, frames);
    QCOMPARE(DropFrameToFrames(Parse(label)), frames);
}

void TestTimecode::framesToDropFrameWraps_data()
{
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<QString>("label");
    QTest::newRow("-1") << qint64(-1) << "23:59:59:29";
    QTest::newRow("one day") << qint64(kDropFrameDay) << "00:00:00:00";
    QTest::newRow("a day and 1800") << qint64(kDropFrameDay + 1800) << "00:01:00:02";
    // 2^63 - 1 and -2^63 lie 2,413,663 and 175,744 frames into their days.
    QTest::newRow("largest count") << kMax << "22:22:15:29";
    QTest::newRow("smallest count") << kMin << "01:37:44:00";
}

void TestTimecode::framesToDropFrameWraps()
{
    QFETCH(qint64, frames);
    QFETCH(QString, label);
    QCOMPARE(q(FramesToDropFrame(frames)), label);
}

void TestTimecode::dropCompensate_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("dropTab");
    QTest::addColumn<double>("compensated");
    QTest::newRow("1799") << 1799.0 << true << 1799.0;
    QTest::newRow("1800") << 1800.0 << true << 1802.0;
    QTest::newRow("18000") << 18000.0 << true << 18018.0;
    QTest::newRow("3600.5") << 3600.5 << true << 3604.5;
    QTest::newRow("other tab") << 18000.0 << false << 18000.0;
    QTest::newRow("negative") << -5000.0 << true << -5000.0;
}

void TestTimecode::dropCompensate()
{
    QFETCH(double, x);
    QFETCH(bool, dropTab);
    QFETCH(double, compensated);
    QCOMPARE(DropCompensate(x, dropTab), compensated);
}

void TestTimecode::timecodeText_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("sec");
    QTest::addColumn<int>("f");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded") << 1 << 2 << 3 << 4 << ":" << "01:02:03:04";
    QTest::newRow("semicolons") << 1 << 2 << 3 << 4 << ";" << "01;02;03;04";
    QTest::newRow("two digits") << 12 << 34 << 56 << 29 << ":" << "12:34:56:29";
    QTest::newRow("three digits") << 123 << 0 << 0 << 7 << ":" << "123:00:00:07";
    QTest::newRow("negative") << -1 << 0 << 0 << 0 << ":" << "0-1:00:00:00";
}

void TestTimecode::timecodeText()
{
    QFETCH(int, h);
    QFETCH(int, m);
    QFETCH(int, sec);
    QFETCH(int, f);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(q(TimecodeText({h, m, sec, f}, separator.at(0).toLatin1())), text);
}

void TestTimecode::semicolons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("semi");
    QTest::addColumn<QString>("colon");
    QTest::newRow("colon text") << "01:02:03:04" << "01;02;03;04" << "01:02:03:04";
    QTest::newRow("semicolon text") << "01;02;03;04" << "01;02;03;04" << "01:02:03:04";
    QTest::newRow("any separators") << "01.02-03 04" << "01;02;03;04" << "01:02:03:04";
    QTest::newRow("longer text cut") << "01:02:03:04xyz" << "01;02;03;04" << "01:02:03:04";
    QTest::newRow("short text kept") << "50" << "50" << "50";
    QTest::newRow("empty") << "" << "" << "";
}

void TestTimecode::semicolons()
{
    QFETCH(QString, text);
    QFETCH(QString, semi);
    QFETCH(QString, colon);
    QCOMPARE(q(AddSemi(s(text))), semi);
    QCOMPARE(q(RemoveSemi(s(text))), colon);
}

void TestTimecode::stringSpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cut");
    QTest::newRow("trailing spaces") << "12.5  " << "12.5";
    QTest::newRow("no spaces") << "50" << "50";
    QTest::newRow("all spaces") << "   " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("inner space cuts the end") << "1 2" << "1 ";
}

void TestTimecode::stringSpace()
{
    QFETCH(QString, text);
    QFETCH(QString, cut);
    QCOMPARE(q(StringSpace(s(text))), cut);
}

void TestTimecode::parseField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<QString>("parsed");
    QTest::addColumn<int>("badPosition");
    QTest::newRow("colons") << "01:02:03:04" << true << "01:02:03:04" << -1;
    QTest::newRow("semicolons") << "23;59;59;29" << true << "23:59:59:29" << -1;
    QTest::newRow("all nines") << "99:99:99:99" << true << "99:99:99:99" << -1;
    QTest::newRow("letter in minutes") << "01:0a:03:04" << false << "" << 4;
    QTest::newRow("blank in hours") << " 1:02:03:04" << false << "" << 0;
    QTest::newRow("sign in frames") << "01:02:03:-4" << false << "" << 9;
    QTest::newRow("too short") << "01:02:03:4" << false << "" << 10;
    QTest::newRow("empty") << "" << false << "" << 0;
}

void TestTimecode::parseField()
{
    QFETCH(QString, text);
    QFETCH(bool, parses);
    QFETCH(QString, parsed);
    QFETCH(int, badPosition);
    const auto tc = ParseTimecodeField(s(text));
    QCOMPARE(tc.has_value(), parses);
    if (tc)
        QCOMPARE(q(*tc), parsed);
    const auto bad = FirstNonDigit(s(text));
    QCOMPARE(bad ? int(*bad) : -1, badPosition);
}

void TestTimecode::rangeLimits_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<qint64>("userFps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("tab 0 last label") << 0 << qint64(15) << "23:59:59:29" << true;
    QTest::newRow("tab 0 frame 30") << 0 << qint64(15) << "00:00:00:30" << false;
    QTest::newRow("hour 24") << 0 << qint64(15) << "24:00:00:00" << false;
    QTest::newRow("minute 60") << 0 << qint64(15) << "00:60:00:00" << false;
    QTest::newRow("second 60") << 0 << qint64(15) << "00:00:60:00" << false;
    QTest::newRow("tab 1 frame 29") << 1 << qint64(15) << "00:00:00:29" << true;
    QTest::newRow("tab 1 dropped label passes") << 1 << qint64(15) << "00:01:00:00" << true;
    QTest::newRow("tab 1 frame 30") << 1 << qint64(15) << "00:00:00:30" << false;
    QTest::newRow("tab 2 frame 24") << 2 << qint64(15) << "00:00:00:24" << true;
    QTest::newRow("tab 2 frame 25") << 2 << qint64(15) << "00:00:00:25" << false;
    QTest::newRow("tab 3 frame 23") << 3 << qint64(15) << "00:00:00:23" << true;
    QTest::newRow("tab 3 frame 24") << 3 << qint64(15) << "00:00:00:24" << false;
    QTest::newRow("tab 4 frame 14 at 15") << 4 << qint64(15) << "00:00:00:14" << true;
    QTest::newRow("tab 4 frame 15 at 15") << 4 << qint64(15) << "00:00:00:15" << false;
    QTest::newRow("tab 4 rate 0 frame 0") << 4 << qint64(0) << "00:00:00:00" << true;
    QTest::newRow("tab 4 rate 0 frame 1") << 4 << qint64(0) << "00:00:00:01" << false;
    QTest::newRow("tab 5 frame 29") << 5 << qint64(15) << "00:00:00:29" << true;
    QTest::newRow("tab 5 frame 30") << 5 << qint64(15) << "00:00:00:30" << false;
}

void TestTimecode::rangeLimits()
{
    QFETCH(int, tab);
    QFETCH(qint64, userFps);
    QFETCH(QString, text);
    QFETCH(bool, inRange);
    QCOMPARE(InRange(Parse(text), tab, userFps), inRange);
}

QTEST_APPLESS_MAIN(TestTimecode)
#include "tst_timecode.moc"
