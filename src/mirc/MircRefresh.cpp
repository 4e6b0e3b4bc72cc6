#include "MircRefresh.h"

#include "MircRequests.h"

MircRefresh::MircRefresh(MircLink* mircLink, int deadlineMs, QObject* parent)
    : QObject(parent)
    , link(mircLink)
{
    deadline.setSingleShot(true);
    deadline.setInterval(deadlineMs);
    connect(&deadline, &QTimer::timeout, this, [this] { finish(false); });
}

void MircRefresh::start()
{
    if (running)
        return;
    running = true;
    found = false;
    pending = 0;
    instances.clear();
    const int look = ++generation;
    deadline.start();
    link->findInstancesLater(this, [this, look](const QList<MircWindowHandle>& windows) {
        if (look == generation && running)
            instancesFound(windows);
    });
}

void MircRefresh::instancesFound(const QList<MircWindowHandle>& windows)
{
    found = true;
    const int look = generation;
    for (MircWindowHandle window : windows) {
        const int index = int(instances.size());
        instances.append(MircInstanceState{window, QString(), QStringList(), false});
        ++pending;
        link->evaluateAllLater(this, window, {MircRequests::displayName(), MircRequests::scriptCount()},
                               [this, look, index](const QList<MircEvaluation>& answers) {
                                   if (look == generation && running)
                                       headerAnswered(index, answers);
                               });
    }
    finishIfAnswered();
}

void MircRefresh::headerAnswered(int index, const QList<MircEvaluation>& answers)
{
    --pending;
    MircInstanceState& instance = instances[index];
    const MircEvaluation& name = answers.at(0);
    const MircEvaluation& count = answers.at(1);
    if (name.status == MircLinkStatus::Done)
        instance.name = name.text;
    if (count.status != MircLinkStatus::Done) {
        finishIfAnswered(); // stays incomplete: its scripts are not known
        return;
    }
    QStringList pathQueries;
    for (int number = 1; number <= count.text.toInt(); ++number)
        pathQueries.append(MircRequests::scriptPath(number));
    if (pathQueries.isEmpty()) {
        instance.complete = name.status == MircLinkStatus::Done;
        finishIfAnswered();
        return;
    }
    const int look = generation;
    ++pending;
    link->evaluateAllLater(this, instance.window, pathQueries, [this, look, index](const QList<MircEvaluation>& paths) {
        if (look == generation && running)
            pathsAnswered(index, paths);
    });
}

void MircRefresh::pathsAnswered(int index, const QList<MircEvaluation>& answers)
{
    --pending;
    MircInstanceState& instance = instances[index];
    bool all = !instance.name.isEmpty();
    for (const MircEvaluation& path : answers) {
        all = all && path.status == MircLinkStatus::Done;
        // mIRC reports a script it no longer has as an empty path.
        if (!path.text.isEmpty())
            instance.scripts.append(path.text);
    }
    instance.complete = all;
    finishIfAnswered();
}

void MircRefresh::finishIfAnswered()
{
    if (!found || pending > 0)
        return;
    bool all = true;
    for (const MircInstanceState& instance : std::as_const(instances))
        all = all && instance.complete;
    finish(all);
}

void MircRefresh::finish(bool complete)
{
    if (!running)
        return;
    running = false;
    deadline.stop();
    emit finished(instances, complete);
}
