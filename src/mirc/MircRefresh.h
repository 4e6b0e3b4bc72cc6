#pragma once

#include "MircLink.h"

#include <QTimer>

// What one running mIRC said in a refresh.
struct MircInstanceState {
    MircWindowHandle window;
    QString name;        // its display text; empty when it was not read
    QStringList scripts; // the paths of its loaded scripts, as mIRC wrote them
    // False when the deadline came before every answer of this instance:
    // what is missing is not known, not absent.
    bool complete = false;
};

// One look at every running mIRC: the instances, their names and their
// loaded scripts, asked through the link's asynchronous calls, so the GUI
// goes on while mIRC answers. The whole look has one deadline; what has not
// come by then is reported as incomplete.
class MircRefresh : public QObject {
    Q_OBJECT
public:
    MircRefresh(MircLink* link, int deadlineMs, QObject* parent = nullptr);

    bool isRunning() const { return running; }
    // Starts a look unless one is running.
    void start();

signals:
    // `complete` is false when the deadline cut the look short or some
    // answer failed.
    void finished(const QList<MircInstanceState>& instances, bool complete);

private:
    void instancesFound(const QList<MircWindowHandle>& windows);
    void headerAnswered(int index, const QList<MircEvaluation>& answers);
    void pathsAnswered(int index, const QList<MircEvaluation>& answers);
    void finishIfAnswered();
    void finish(bool complete);

    MircLink* link;
    QTimer deadline;
    bool running = false;
    bool found = false; // the list of instances has come
    int pending = 0;    // questions asked and not answered yet
    // Counts the looks, so that answers to an earlier one are recognised.
    int generation = 0;
    QList<MircInstanceState> instances;
};
