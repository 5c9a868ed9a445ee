// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and click timing of the window, on Qt's offscreen platform.
//
//   vorantis_bench [runs]
//
// Starts itself `runs` times (default 20) as the full window and as a bare Qt window of
// the same 70 widgets (kind, caption, place, face and size), and prints the median time from
// process start to the first painted frame, the peak memory, the ratios of the two, the
// median time of one decimal click from the mouse event to the written result, and the prime
// test of the largest 32-bit prime. The same bare window in Qt's default font, as earlier
// figures were measured against, is timed beside them.

#include "app/application_identity.h"
#include "app/main_window.h"
#include "core/integer_routines.h"
#include "layout/control_table.h"
#include "layout/window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Notes when the first frame of the watched widget is drawn and ends the event loop: the time
// is taken by the first event after the paint, before any work the window leaves for later.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QMetaObject::invokeMethod(
                qApp,
                [this] {
                    drawnAt = Clock::now();
                    peakAtFirstFrame = peakKilobytes();
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
    Clock::time_point drawnAt;
    long peakAtFirstFrame = 0;
};

// The 70 controls as plain Qt widgets, with nothing of the program around them. With faces,
// each control has its face and size from the table, as it has in the window.
QWidget* bareWindow(bool withFaces)
{
    auto* window = new QWidget;
    window->setFixedSize(800, 187);
    const QFont face(QString::fromUtf8(vorantis::fontFamily.data(), qsizetype(vorantis::fontFamily.size())));
    if (withFaces) {
        QFont client = face;
        client.setPointSizeF(vorantis::controlPoints);
        window->setFont(client);
    }
    for (const vorantis::ControlRow& row : vorantis::controlTable()) {
        const QString caption = QString::fromUtf8(row.caption.data(), qsizetype(row.caption.size()));
        QWidget* widget = nullptr;
        switch (row.kind) {
        case vorantis::ControlKind::TextField:
            widget = new QLineEdit(window);
            break;
        case vorantis::ControlKind::Label:
            widget = new QLabel(caption, window);
            break;
        case vorantis::ControlKind::Button:
            widget = new QPushButton(caption, window);
            break;
        case vorantis::ControlKind::Line:
            widget = new QWidget(window);
            break;
        }
        widget->setGeometry(row.rect.left / 15, row.rect.top / 15, std::abs(row.rect.width) / 15,
                            std::abs(row.rect.height) / 15);
        if (withFaces && (row.fontPoints > 0 || row.bold)) {
            QFont own = face;
            own.setPointSizeF(vorantis::pointsOf(row));
            own.setBold(row.bold);
            widget->setFont(own);
        }
    }
    return window;
}

long long microsecondsOf(Clock::time_point time)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(time.time_since_epoch()).count();
}

// Median time of a click on the named control, checking the result each time.
double medianClick(QWidget* surface, const char* control, const std::function<bool()>& resultIsRight)
{
    auto* widget = surface->findChild<QWidget*>(control);
    std::vector<double> clicks;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        clicks.push_back(double(timer.nsecsElapsed()) / 1000);
        if (!resultIsRight())
            std::exit(1);
    }
    return median(clicks);
}

// One child run: prints "<first paint, steady clock microseconds> <peak KiB>" and, for the
// full window, the median decimal and prime click times in microseconds. The steady clock
// is the same for every process, so the parent can measure from before it started us.
int child(int argc, char* argv[], const std::string& mode)
{
    const bool full = mode == "--full";
    QApplication app(argc, argv);
    QWidget* window = nullptr;
    if (full) {
        // Made as the program makes it, with the icons it gives the application.
        vorantis::identifyApplication();
        window = new vorantis::MainWindow;
    } else {
        window = bareWindow(mode == "--bare");
    }
    FirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    QApplication::exec();
    std::printf("%lld %ld", microsecondsOf(firstPaint.drawnAt), firstPaint.peakAtFirstFrame);

    if (full) {
        auto* surface = static_cast<vorantis::MainWindow*>(window)->centralWidget();
        auto* result = surface->findChild<QLineEdit*>("Text22");
        surface->findChild<QLineEdit*>("Text20")->setText("12.3");
        surface->findChild<QLineEdit*>("Text21")->setText("4.1");
        const double decimal = medianClick(surface, "mecdiv", [&] { return result->text() == "3"; });
        auto* verdict = surface->findChild<QLabel*>("Label17");
        surface->findChild<QLineEdit*>("Text9")->setText("2147483647");
        const double prime = medianClick(surface, "Label17", [&] { return verdict->text() == "Prime"; });
        std::printf(" %.1f %.1f", decimal, prime);

        // The working shown: 10,000 decimal clicks, each adding its entry, with the events of
        // the window handled between them as a user's clicks would be.
        window->findChild<QAction*>("working")->trigger();
        auto* mecdiv = surface->findChild<QWidget*>("mecdiv");
        std::vector<double> clicks;
        QElapsedTimer all;
        all.start();
        for (int i = 0; i < 10000; ++i) {
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(mecdiv, Qt::LeftButton, {}, mecdiv->rect().center());
            QApplication::processEvents();
            clicks.push_back(double(timer.nsecsElapsed()) / 1000);
        }
        std::printf(" %.1f %.1f %.1f", median(clicks), *std::ranges::max_element(clicks),
                    double(all.elapsed()) / 1000);
    }
    std::printf("\n");
    delete window;
    return 0;
}

struct ChildResult {
    double startMs;
    double peakMiB;
    double decimalClickUs = 0;
    double primeClickUs = 0;
    double workingClickUs = 0; // with the working shown: the median click, the slowest, all 10,000
    double slowestWorkingClickUs = 0;
    double tenThousandClicksS = 0;
};

ChildResult runChild(const QString& program, const char* mode, const QString& platform)
{
    QProcess process;
    const long long started = microsecondsOf(Clock::now());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform);
    // A first start every time, whatever the user's own view settings are.
    const QTemporaryDir settings;
    environment.insert("XDG_CONFIG_HOME", settings.path());
    process.setProcessEnvironment(environment);
    process.start(program, {mode});
    process.waitForFinished(60000);
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (process.exitCode() != 0 || fields.size() < 2) {
        std::fprintf(stderr, "the %s run failed\n", mode);
        std::exit(1);
    }
    ChildResult result{double(fields[0].toLongLong() - started) / 1000, fields[1].toDouble() / 1024};
    if (fields.size() == 7)
        result = {result.startMs,       result.peakMiB,       fields[2].toDouble(), fields[3].toDouble(),
                  fields[4].toDouble(), fields[5].toDouble(), fields[6].toDouble()};
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--full" || mode == "--bare" || mode == "--bare-default-font")
        return child(argc, argv, mode);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const QString program = QString::fromLocal8Bit(argv[0]);
    // A laptop's screen, on which the window fits at its own size. On the offscreen platform's
    // own 800 pixels it would not, and would be laid out again at a smaller zoom at each start.
    const QTemporaryDir scratch;
    QFile screens(scratch.filePath("screens.json"));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,)"
                      R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    screens.close();
    const QString platform = "offscreen:configfile=" + screens.fileName();
    std::vector<double> full, bare, peak, barePeak, plainFont, plainFontPeak, decimalClicks, primeClicks,
        workingClicks, slowest, tenThousand, pairedRatios;
    for (int i = 0; i < runs; ++i) {
        // Each pair runs back to back, in turns first and second, so that the machine's own
        // drift over a run (a shared virtual machine's speed varies by a third) falls on both.
        ChildResult window{}, plain{};
        if (i % 2) {
            plain = runChild(program, "--bare", platform);
            window = runChild(program, "--full", platform);
        } else {
            window = runChild(program, "--full", platform);
            plain = runChild(program, "--bare", platform);
        }
        const ChildResult defaultFont = runChild(program, "--bare-default-font", platform);
        pairedRatios.push_back(window.startMs / plain.startMs);
        full.push_back(window.startMs);
        peak.push_back(window.peakMiB);
        decimalClicks.push_back(window.decimalClickUs);
        primeClicks.push_back(window.primeClickUs);
        workingClicks.push_back(window.workingClickUs);
        slowest.push_back(window.slowestWorkingClickUs);
        tenThousand.push_back(window.tenThousandClicksS);
        bare.push_back(plain.startMs);
        barePeak.push_back(plain.peakMiB);
        plainFont.push_back(defaultFont.startMs);
        plainFontPeak.push_back(defaultFont.peakMiB);
    }

    std::vector<double> primeTests;
    bool prime = false;
    for (int i = 0; i < 101; ++i) {
        const auto start = Clock::now();
        prime = vorantis::IsPrime(2147483647);
        primeTests.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    const double primeUs = median(primeTests);

    std::printf("runs: %d (offscreen platform, a 1366 x 768 screen)\n", runs);
    std::printf("start to first frame, median: %.1f ms (bare window of the same 70 widgets: %.1f ms, "
                "ratio %.2f; median of each pair's ratio %.2f)\n",
                median(full), median(bare), median(full) / median(bare), median(pairedRatios));
    std::printf("peak memory, median: %.1f MiB (bare window: %.1f MiB, ratio %.3f)\n", median(peak),
                median(barePeak), median(peak) / median(barePeak));
    std::printf("the bare window in Qt's default font: %.1f ms (ratio %.2f), %.1f MiB (ratio %.3f)\n",
                median(plainFont), median(full) / median(plainFont), median(plainFontPeak),
                median(peak) / median(plainFontPeak));
    std::printf("decimal click (12.3 / 4.1), event to written result, median: %.1f us\n",
                median(decimalClicks));
    std::printf("prime click (2147483647), event to written verdict, median: %.1f us\n", median(primeClicks));
    std::printf("IsPrime(2147483647) alone, median: %s in %.1f us\n", prime ? "prime" : "composite", primeUs);
    std::printf("working shown: decimal click to its entry on view, median %.1f us; slowest of 10,000 clicks "
                "%.1f us (median of runs); 10,000 clicks in %.2f s\n",
                median(workingClicks), median(slowest), median(tenThousand));
    return 0;
}
