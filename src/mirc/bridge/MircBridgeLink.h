#pragma once

#include "WineSettings.h"
#include "mirc/MircLink.h"

#include <QElapsedTimer>
#include <QList>

#include <functional>
#include <optional>
#include <string>

class QProcess;

// Korvel on Linux: a mIRC running under Wine is reached through a small
// Windows helper that Korvel runs in the same Wine prefix and talks to over
// its standard input and output. Starting the helper never blocks: until it
// has said "ready" no instance is listed, and becameAvailable() tells when it
// has. The asynchronous calls write their requests and return; the answers
// are handed over as they arrive. A synchronous call whose answer is late
// gives up on it (the answer is dropped when it comes) and later synchronous
// calls fail at once until the helper has caught up, so the GUI is held no
// longer than the answer timeout; a helper that stays silent is stopped,
// and the next search for instances starts it again.
class MircBridgeLink : public MircLink {
    Q_OBJECT
public:
    explicit MircBridgeLink(WineSettings settings, QObject* parent = nullptr);
    ~MircBridgeLink() override;

    QList<MircWindowHandle> findInstances() override;
    MircEvaluation evaluate(MircWindowHandle window, const QString& expression) override;
    MircLinkStatus command(MircWindowHandle window, const QString& text) override;
    QList<MircEvaluation> evaluateAll(MircWindowHandle window, const QStringList& expressions) override;
    void findInstancesLater(QObject* context, std::function<void(const QList<MircWindowHandle>&)> done) override;
    void evaluateAllLater(QObject* context, MircWindowHandle window, const QStringList& expressions,
                          std::function<void(const QList<MircEvaluation>&)> done) override;
    QString unavailableReason() const override;
    // A drive path resolves through the prefix's drive links ("c:" is its
    // drive_c, "z:" the root); a path on a drive without a link, a network
    // path or a relative one has no place here, and says why.
    MircLocalPath localPath(const QString& mircPath) const override;

    bool isReady() const { return state == State::Ready; }
    // The helper's process id while it runs (tests stop it from outside).
    qint64 helperProcessId() const;

private:
    enum class State { Stopped, Starting, Ready };
    using Answers = QList<std::optional<std::string>>;
    // Requests written together and waiting for their answers, in order.
    // A batch without `done` was given up: its answers are dropped.
    struct Batch {
        int expected = 0;
        Answers answers;
        std::function<void(const Answers&)> done;
    };

    void start();
    void stop();
    void readGreeting();
    void helperEnded();
    // Hands the answer lines that have come to their batches.
    void takeAnswers();
    // Stops a helper that owes answers to given-up requests and has said
    // nothing for the give-up time.
    void stopIfSilent();
    bool isBehind() const;

    // Writes request lines; `done` gets one answer for each, in order
    // (nullopt where none came), once all are in or the helper is gone.
    void send(const QList<std::string>& requests, std::function<void(const Answers&)> done);
    // The same, waited for: an answer that is late gives nullopt for it and
    // the rest, whose answers are then dropped when they come.
    Answers exchange(const QList<std::string>& requests);

    static MircLinkStatus statusOf(const std::optional<std::string>& answer);
    static QList<MircEvaluation> evaluations(const Answers& answers);

    WineSettings settings;
    QProcess* helper = nullptr;
    State state = State::Stopped;
    QList<Batch> batches;
    // Since the last answer, or since a request was sent to a helper that
    // owed nothing.
    QElapsedTimer waitingSince;
};
