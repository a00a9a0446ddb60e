// Times the main window headless: start to the first shown window, one calculation (logged in all
// six logs, with the window's repaint) with 0, 10,000 and 100,000 rows already logged, and saving
// and opening documents of 10,000 and 100,000 calculations through File > Save and File > Open.
// Prints figures; asserts nothing. Runs on the offscreen platform with its settings in a temporary
// folder, so it never touches the user's own store.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/dialogseam.h"
#include "mainwindow/logmodel.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/timecodeedit.h"

namespace {

constexpr int kSamples = 200;
constexpr int kDocumentSamples = 5;

// The file dialogs answer with one document's name; nothing else is expected.
class BenchDialogs final : public Dialogs {
public:
    QString fileName;
    int errors = 0;

    Answer question(QWidget *, const QString &text, Buttons) override
    {
        std::fprintf(stderr, "unexpected question: %s\n", qPrintable(text));
        return Answer::Cancel;
    }
    void error(QWidget *, const QString &text) override
    {
        ++errors;
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return fileName; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return std::nullopt; }
};

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

struct Timing {
    double calculation; // the handler: engine, six rows, fields, status bar (median, us)
    double withRepaint; // the handler and the repaint it causes (median, us)
    double worst;       // the slowest handler and repaint (us)
};

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

Timing timeCalculations(TCalcMainForm &window)
{
    std::vector<double> handler;
    std::vector<double> total;
    QElapsedTimer timer;
    for (int i = 0; i < kSamples; ++i) {
        window.Panel1->MaskEdit1->setText(QStringLiteral("00:00:10:00"));
        window.Panel1->MaskEdit2->setText(QStringLiteral("00:00:05:00"));
        QCoreApplication::processEvents();
        timer.start();
        window.CalculateBtnClick();
        handler.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        QCoreApplication::processEvents();
        total.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    return {median(handler), median(total), *std::max_element(total.begin(), total.end())};
}

struct DocumentTiming {
    double save;         // Save1Click: the logs to the file (median, ms)
    double open;         // Open1Click: the file into the six logs (median, ms)
    double openRepainted; // the open and the repaint it causes (median, ms)
    double megabytes;
};

double msSince(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

DocumentTiming timeDocuments(TCalcMainForm &window, BenchDialogs &dialogs, const QString &fileName)
{
    dialogs.fileName = fileName;
    std::vector<double> save;
    std::vector<double> open;
    std::vector<double> repainted;
    QElapsedTimer timer;
    for (int i = 0; i < kDocumentSamples; ++i) {
        QCoreApplication::processEvents();
        timer.start();
        const bool saved = window.Save1Click();
        save.push_back(msSince(timer));
        QCoreApplication::processEvents();
        // Saved work asks no question before the open.
        timer.start();
        window.Open1Click();
        open.push_back(msSince(timer));
        QCoreApplication::processEvents();
        repainted.push_back(msSince(timer));
        if (!saved || dialogs.errors > 0)
            break;
    }
    return {median(save), median(open), median(repainted), static_cast<double>(QFileInfo(fileName).size()) / 1e6};
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

    BenchDialogs dialogs;
    Dialogs::install(&dialogs);

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
        const Timing timing = timeCalculations(window);
        std::printf("one calculation with %6d rows logged: %7.1f us, with the repaint %7.1f us, worst %7.1f us "
                    "(medians of %d)\n",
                    rows, timing.calculation, timing.withRepaint, timing.worst, kSamples);
    }

    for (int rows : {10'000, 100'000}) {
        window.setLogs(filledLogs(rows));
        const DocumentTiming timing = timeDocuments(window, dialogs, store.filePath(QStringLiteral("bench.cvf")));
        std::printf("document of %6d calculations (%.1f MB): save %7.1f ms, open %7.1f ms, open with the repaint "
                    "%7.1f ms (medians of %d)\n",
                    rows, timing.megabytes, timing.save, timing.open, timing.openRepainted, kDocumentSamples);
    }
    Dialogs::install(nullptr);
    return dialogs.errors == 0 ? 0 : 1;
}
