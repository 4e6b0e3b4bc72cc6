// Prints how long Korvel takes from process start to its first shown main
// window, and the time and peak memory to open a 100,000-line script with the
// checker done and the message area filled, against the floor of setting the
// same text into a plain QPlainTextEdit.
//
// Start-up is measured from outside: the benchmark starts itself again as a
// child that builds the main window as main() does, and the child reports the
// moment its window has been shown and painted on the system-wide monotonic
// clock. The difference includes loading the program and the Qt libraries.
#include "BenchScript.h"
#include "KorvelResources.h"
#include "app/MainWindow.h"
#include "checker/TextFormats.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int startupRuns = 7;
constexpr int bigScriptLines = 100000;
const char* const childFlag = "--shown-at";

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The child: main()'s start-up, then the clock once the window is painted.
int reportShownWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    initKorvelResources();
    TextFormats::build();
    MainWindow window;
    window.show();
    window.repaint();
    std::printf("%lld\n", monotonicNanoseconds());
    return 0;
}

double startupMilliseconds(const QString& program)
{
    QProcess child;
    const qint64 started = monotonicNanoseconds();
    child.start(program, {QString::fromLatin1(childFlag)});
    if (!child.waitForFinished(30000))
        return -1;
    const qint64 shown = child.readAllStandardOutput().trimmed().toLongLong();
    return double(shown - started) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], childFlag) == 0)
        return reportShownWindow(argc, argv);

    QApplication app(argc, argv);
    initKorvelResources();
    TextFormats::build();

    std::vector<double> runs;
    for (int i = 0; i < startupRuns; ++i)
        runs.push_back(startupMilliseconds(QCoreApplication::applicationFilePath()));
    std::sort(runs.begin(), runs.end());
    std::printf("start-up to shown main window: median %.1f ms, best %.1f ms (%d runs)\n", runs[runs.size() / 2],
                runs.front(), startupRuns);

    const BenchScript script = loadBenchScript(bigScriptLines, bigScriptLines);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.mrc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script.text.toUtf8()) < 0)
        return 1;
    file.close();

    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    const double memoryBefore = peakResidentMegabytes();
    const qint64 started = monotonicNanoseconds();
    const double processorBefore = processorSeconds();
    window.openScript(QFileInfo(path), false);
    window.repaint();
    const double openMs = double(monotonicNanoseconds() - started) / 1e6;
    const double openProcessorMs = (processorSeconds() - processorBefore) * 1e3;
    int listedRows = 0;
    for (const QTreeView* list : window.findChild<QDockWidget*>(QStringLiteral("msgArea"))->findChildren<QTreeView*>())
        listedRows += list->model()->rowCount();
    std::printf("script: %d lines of %s\n", script.lines, qPrintable(script.origin));
    std::printf("open with checker done and %d messages listed: %.0f ms (%.0f ms of processor time)\n", listedRows,
                openMs, openProcessorMs);
    std::printf("peak resident memory: %.0f MB (%.0f MB before opening)\n", peakResidentMegabytes(), memoryBefore);

    // The floor: the same text into a plain editor of the same size, shown.
    QPlainTextEdit plain;
    plain.resize(window.scriptWindows().front()->getEditor()->size());
    plain.show();
    QCoreApplication::processEvents();
    const qint64 plainStarted = monotonicNanoseconds();
    plain.setPlainText(script.text);
    plain.repaint();
    const double plainMs = double(monotonicNanoseconds() - plainStarted) / 1e6;
    std::printf("floor, the same text into a plain QPlainTextEdit: %.0f ms; Korvel / floor: %.2f\n", plainMs,
                openMs / plainMs);
    return window.scriptWindows().size() == 1 ? 0 : 1;
}
