// One refresh of the mIRC Sync dock through the Wine helper, with two fake
// mIRC instances of 200 loaded scripts each, as a Linux user with mIRC under
// Wine has it: how long a refresh takes until the tree shows it, and the
// longest time the GUI thread was kept from its event loop meanwhile (a
// 1 ms timer's longest gap), with and without a hung mIRC window besides,
// and for a refresh that lists every script anew (as the first one does).
// The same gap between refreshes is the loaded machine's share of it.
// Prints figures only.
//
//   bench-mirc-bridge FAKE BRIDGE     (inside wine-session.sh, see run-bench.sh)
#include "FakeMircProcesses.h"
#include "mirc/MircSyncPanel.h"
#include "mirc/bridge/MircBridgeLink.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int scriptsPerInstance = 200;
constexpr int timedRefreshes = 20;
constexpr int idleBetweenRefreshesMs = 300;
constexpr int helperStartWaitMs = 30000;
constexpr int fakesShowUpWaitMs = 30000;

QString stateWithScripts(const QString& name)
{
    QString state = "ddename " + name + "\n";
    for (int i = 1; i <= scriptsPerInstance; ++i)
        state +=
            QStringLiteral("script C:\\mIRC\\scripts\\%1\\script%2.mrc\n").arg(name).arg(i, 3, 10, QLatin1Char('0'));
    return state;
}

double msSince(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

int scriptsListed(const MircSyncPanel& panel)
{
    int count = 0;
    for (int i = 0; i < panel.tree()->topLevelItemCount(); ++i)
        count += panel.tree()->topLevelItem(i)->childCount();
    return count;
}

struct Figures {
    double median, worst; // until the tree shows the refresh
    // The GUI thread's longest time away from its event loop in a refresh:
    // the median refresh's and the worst one's.
    double medianBlock, worstBlock;
    // The same between refreshes, where only the machine keeps it away.
    double medianIdle, worstIdle;
    int complete; // refreshes that listed every instance and script
};

// Measures the GUI thread's longest time away from its event loop while it
// lives: a 1 ms timer's longest gap beyond its interval.
class BlockWatch {
public:
    BlockWatch()
    {
        ticks.setTimerType(Qt::PreciseTimer);
        ticks.setInterval(1);
        QObject::connect(&ticks, &QTimer::timeout, [this] { tick(); });
        sinceTick.start();
        ticks.start();
    }
    void tick()
    {
        longest = std::max(longest, msSince(sinceTick) - 1.0);
        sinceTick.restart();
    }
    double longest = 0;

private:
    QTimer ticks;
    QElapsedTimer sinceTick;
};

// The GUI's own time between two refreshes (the real interval is 15 s); how
// long it was kept from its event loop there is the machine's share, with
// no refresh to blame.
double idle()
{
    BlockWatch watch;
    QEventLoop loop;
    QTimer::singleShot(idleBetweenRefreshesMs, &loop, &QEventLoop::quit);
    loop.exec();
    watch.tick();
    return watch.longest;
}

// `anew`: the tree is emptied before each refresh, so that the refresh
// lists every instance and script again, as the first one does.
Figures timeRefreshes(MircSyncPanel& panel, bool anew)
{
    std::vector<double> times;
    std::vector<double> blocks;
    std::vector<double> idles;
    int complete = 0;
    for (int i = 0; i < timedRefreshes; ++i) {
        if (anew)
            panel.tree()->clear();
        QElapsedTimer clock;
        QEventLoop loop;
        QObject::connect(&panel, &MircSyncPanel::refreshed, &loop, &QEventLoop::quit);
        BlockWatch watch;
        clock.start();
        panel.updateDDE();
        loop.exec();
        watch.tick(); // the tree's update
        blocks.push_back(watch.longest);
        times.push_back(msSince(clock));
        if (scriptsListed(panel) == 2 * scriptsPerInstance && panel.tree()->topLevelItemCount() == 2)
            ++complete;
        idles.push_back(idle());
    }
    for (std::vector<double>* figures : {&times, &blocks, &idles})
        std::sort(figures->begin(), figures->end());
    const std::size_t middle = times.size() / 2;
    return {times[middle], times.back(), blocks[middle], blocks.back(), idles[middle], idles.back(), complete};
}

bool waitForInstances(MircSyncPanel& panel, int count)
{
    const QDeadlineTimer deadline(fakesShowUpWaitMs);
    while (!deadline.hasExpired()) {
        QSignalSpy shown(&panel, &MircSyncPanel::refreshed);
        panel.updateDDE();
        if (shown.wait(2 * MircSyncPanel::refreshDeadlineMs) && panel.tree()->topLevelItemCount() == count
            && scriptsListed(panel) == count * scriptsPerInstance)
            return true;
        QThread::msleep(200);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 || !FakeMircProcesses::sessionPresent()) {
        std::fprintf(stderr, "usage (inside a Wine session): bench-mirc-bridge FAKE BRIDGE\n");
        return 2;
    }
    FakeMircProcesses fakes(args.at(1));
    fakes.start(stateWithScripts("alpha"));
    fakes.start(stateWithScripts("beta"));

    auto* link = new MircBridgeLink(FakeMircProcesses::sessionSettings(args.at(2)));
    MircSyncPanel panel(link);
    QSignalSpy available(link, &MircLink::becameAvailable);

    QElapsedTimer clock;
    clock.start();
    panel.startUpDDE();
    const double startBlock = msSince(clock);
    if (!available.wait(helperStartWaitMs)) {
        std::printf("the helper did not start\n");
        return 1;
    }
    const double helperReady = msSince(clock);
    if (!waitForInstances(panel, 2)) {
        std::printf("the two fake instances did not show up\n");
        return 1;
    }

    const Figures two = timeRefreshes(panel, false);
    const Figures anew = timeRefreshes(panel, true);
    std::printf("mIRC Sync refresh through the Wine helper, 2 instances x %d scripts, %d runs %d ms apart:\n",
                scriptsPerInstance, timedRefreshes, idleBetweenRefreshesMs);
    std::printf("  refresh until shown:  median %.1f ms  worst %.1f ms, %d of %d complete\n", two.median, two.worst,
                two.complete, timedRefreshes);
    std::printf("  GUI thread blocked during a refresh: median %.1f ms  worst %.1f ms (target < 16 ms)\n",
                two.medianBlock, two.worstBlock);
    std::printf("  listing all %d scripts anew: median %.1f ms  worst %.1f ms, GUI blocked median %.1f ms  worst "
                "%.1f ms\n",
                2 * scriptsPerInstance, anew.median, anew.worst, anew.medianBlock, anew.worstBlock);
    std::printf("  between refreshes (no work of ours): GUI kept from its loop median %.1f ms  worst %.1f ms\n",
                std::max(two.medianIdle, anew.medianIdle), std::max(two.worstIdle, anew.worstIdle));
    std::printf("  helper start: GUI blocked %.1f ms, helper ready after %.0f ms (no waiting on it)\n", startBlock,
                helperReady);

    // A window titled "mIRC..." that never answers: the helper gives it a
    // bounded time at each search, and the instances still show.
    fakes.start("title mIRC hung\nhang 1\n");
    QThread::msleep(1000);
    const Figures hung = timeRefreshes(panel, false);
    std::printf("  with a hung mIRC window besides: median %.1f ms  worst %.1f ms, GUI blocked median %.1f ms  "
                "worst %.1f ms, %d of %d complete\n",
                hung.median, hung.worst, hung.medianBlock, hung.worstBlock, hung.complete, timedRefreshes);
    return 0;
}
