#pragma once

#include "WineSettings.h"
#include "mirc/MircLink.h"

#include <QElapsedTimer>

#include <optional>
#include <string>

class QProcess;

// Korvel on Linux: a mIRC running under Wine is reached through a small
// Windows helper that Korvel runs in the same Wine prefix and talks to over
// its standard input and output. Starting the helper never blocks: until it
// has said "ready" no instance is listed, and becameAvailable() tells when it
// has. A call whose answer is late gives up on it (the answer is dropped when
// it comes) and later calls fail at once until the helper has caught up, so
// the GUI is held no longer than the answer timeout; a helper that stays
// silent is stopped, and the next search for instances starts it again.
class MircBridgeLink : public MircLink {
    Q_OBJECT
public:
    explicit MircBridgeLink(WineSettings settings, QObject* parent = nullptr);
    ~MircBridgeLink() override;

    QList<MircWindowHandle> findInstances() override;
    MircEvaluation evaluate(MircWindowHandle window, const QString& expression) override;
    MircLinkStatus command(MircWindowHandle window, const QString& text) override;
    QList<MircEvaluation> evaluateAll(MircWindowHandle window, const QStringList& expressions) override;
    // A drive path resolves through the prefix's drive links ("c:" is its
    // drive_c, "z:" the root); anything else is returned unchanged.
    QString localPath(const QString& mircPath) const override;

    bool isReady() const { return state == State::Ready; }
    // The helper's process id while it runs (tests stop it from outside).
    qint64 helperProcessId() const;

private:
    enum class State { Stopped, Starting, Ready };

    void start();
    void stop();
    void readGreeting();
    void helperEnded();
    // Takes in late answers that have come; stops a helper that still owes
    // some after the give-up time.
    void stopIfSilent();

    // Sends request lines and reads one answer line for each, in order; an
    // answer that is late gives nullopt for it and the rest, whose answers
    // are then owed.
    QList<std::optional<std::string>> exchange(const QList<std::string>& requests);
    std::optional<std::string> nextAnswer();

    static MircLinkStatus statusOf(const std::optional<std::string>& answer);

    WineSettings settings;
    QProcess* helper = nullptr;
    State state = State::Stopped;
    int owedAnswers = 0; // answers to requests already given up
    QElapsedTimer sinceLastAnswer;
};
