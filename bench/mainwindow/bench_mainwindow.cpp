// Times the main window headless: start to the first shown window, and one calculation (logged in
// all six logs, with the window's repaint) with 0, 10,000 and 100,000 rows already logged.
// Prints figures; asserts nothing. Runs on the offscreen platform with its settings in a temporary
// folder, so it never touches the user's own store.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "mainwindow/logmodel.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/timecodeedit.h"

namespace {

constexpr int kSamples = 200;

std::array<LogRows, kModeCount> filledLogs(int rows)
{
    std::array<LogRows, kModeCount> logs;
    for (int mode = 0; mode < kModeCount; ++mode) {
        LogRows &log = logs[static_cast<std::size_t>(mode)];
        log.reserve(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) {
            if (mode == 5)
                log.push_back({std::to_string(300 + i), "+", "150", "=", std::to_string(450 + i), "", ""});
            else
                log.push_back({"00:00:10:00", "+", "00:00:05:00", "=", "00:00:15:00", "", "Scene " + std::to_string(i)});
        }
    }
    return logs;
}

// Median and worst time of one calculation, in microseconds, with the repaint it causes.
std::pair<double, double> timeCalculations(TCalcMainForm &window)
{
    std::vector<double> samples;
    samples.reserve(kSamples);
    QElapsedTimer timer;
    for (int i = 0; i < kSamples; ++i) {
        window.Panel1->MaskEdit1->setText(QStringLiteral("00:00:10:00"));
        window.Panel1->MaskEdit2->setText(QStringLiteral("00:00:05:00"));
        timer.start();
        window.CalculateBtnClick();
        QCoreApplication::processEvents();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setOrganizationName(QStringLiteral("Brisken"));
    TCalcMainForm window;
    window.show();
    const bool exposed = QTest::qWaitForWindowExposed(&window);
    if (window.firstActivationPending())
        window.FormActivate();
    QCoreApplication::processEvents();
    const double startMs = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;
    std::printf("start to the first shown window: %.1f ms%s\n", startMs, exposed ? "" : " (not exposed)");

    for (int rows : {0, 10'000, 100'000}) {
        if (rows > 0)
            window.setLogs(filledLogs(rows));
        QCoreApplication::processEvents();
        const auto [median, worst] = timeCalculations(window);
        std::printf("one calculation with %6d rows logged: median %7.1f us, worst %7.1f us (%d samples)\n", rows,
                    median, worst, kSamples);
    }
    return 0;
}
