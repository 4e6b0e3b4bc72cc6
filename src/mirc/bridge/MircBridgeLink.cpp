#include "MircBridgeLink.h"

#include "BridgeProtocol.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

// Once stopped, the helper is waited for no longer than this.
constexpr int helperEndWaitMs = 200;

const QString winePrefixVariable = QStringLiteral("WINEPREFIX");
const QString wineDebugVariable = QStringLiteral("WINEDEBUG");
const QString wineDebugQuiet = QStringLiteral("-all");

std::string lineOf(const QByteArray& bytes)
{
    QByteArray line = bytes;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line.toStdString();
}

} // namespace

MircBridgeLink::MircBridgeLink(WineSettings wineSettings, QObject* parent)
    : MircLink(parent)
    , settings(std::move(wineSettings))
{
}

MircBridgeLink::~MircBridgeLink()
{
    // Nobody is left to take the answers still owed.
    batches.clear();
    stop();
}

qint64 MircBridgeLink::helperProcessId() const
{
    return helper ? helper->processId() : 0;
}

void MircBridgeLink::start()
{
    if (state != State::Stopped || !settings.isUsable())
        return;
    stop(); // what is left of a helper that ended
    helper = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(winePrefixVariable, settings.prefix);
    environment.insert(wineDebugVariable, wineDebugQuiet);
    helper->setProcessEnvironment(environment);
    helper->setStandardErrorFile(QProcess::nullDevice());
    connect(helper, &QProcess::readyReadStandardOutput, this, [this] {
        if (state == State::Starting)
            readGreeting();
        if (state == State::Ready)
            takeAnswers();
    });
    connect(helper, &QProcess::finished, this, &MircBridgeLink::helperEnded);
    connect(helper, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            helperEnded();
    });
    state = State::Starting;
    helper->start(settings.wineBinary, {settings.bridgeProgram});
}

void MircBridgeLink::stop()
{
    // Requests still waiting get no answer: they are told so now.
    const QList<Batch> unanswered = std::exchange(batches, {});
    if (helper) {
        QProcess* ending = helper;
        helper = nullptr;
        state = State::Stopped;
        ending->disconnect(this);
        if (ending->state() != QProcess::NotRunning) {
            ending->kill();
            ending->waitForFinished(helperEndWaitMs);
        }
        ending->deleteLater();
    }
    for (Batch batch : unanswered) {
        if (!batch.done)
            continue;
        while (batch.answers.size() < batch.expected)
            batch.answers.append(std::nullopt);
        batch.done(batch.answers);
    }
}

void MircBridgeLink::helperEnded()
{
    // Leave the process object to stop(); it may be inside a wait right now.
    state = State::Stopped;
}

void MircBridgeLink::readGreeting()
{
    if (!helper->canReadLine())
        return;
    const std::string greeting = lineOf(helper->readLine());
    if (greeting != BridgeProtocol::Word::ready) {
        stop();
        return;
    }
    state = State::Ready;
    waitingSince.start();
    emit becameAvailable();
}

void MircBridgeLink::takeAnswers()
{
    while (helper && helper->canReadLine()) {
        const std::string line = lineOf(helper->readLine());
        waitingSince.restart();
        if (batches.isEmpty())
            continue; // nothing asked: not an answer
        Batch& front = batches.first();
        front.answers.append(line);
        if (front.answers.size() < front.expected)
            continue;
        const Batch answered = batches.takeFirst();
        if (answered.done)
            answered.done(answered.answers);
    }
}

bool MircBridgeLink::isBehind() const
{
    for (const Batch& batch : batches) {
        if (!batch.done)
            return true;
    }
    return false;
}

void MircBridgeLink::stopIfSilent()
{
    if (state != State::Ready)
        return;
    takeAnswers();
    if (!batches.isEmpty() && waitingSince.elapsed() > settings.helperGiveUpMs)
        stop();
}

void MircBridgeLink::send(const QList<std::string>& requests, std::function<void(const Answers&)> done)
{
    if (state != State::Ready || requests.isEmpty()) {
        done(Answers(requests.size(), std::nullopt));
        return;
    }
    QByteArray lines;
    for (const std::string& request : requests)
        lines += QByteArray::fromStdString(request) + '\n';
    if (batches.isEmpty())
        waitingSince.restart();
    batches.append(Batch{int(requests.size()), {}, std::move(done)});
    helper->write(lines);
}

MircBridgeLink::Answers MircBridgeLink::exchange(const QList<std::string>& requests)
{
    stopIfSilent();
    // A helper that is behind is not asked more until it has caught up: one
    // late answer costs the GUI one timeout, not one per call.
    if (state != State::Ready || isBehind())
        return Answers(requests.size(), std::nullopt);
    auto result = std::make_shared<std::optional<Answers>>();
    send(requests, [result](const Answers& answers) { *result = answers; });
    const QDeadlineTimer deadline(settings.answerTimeoutMs);
    while (!*result && helper) {
        takeAnswers();
        const qint64 left = deadline.remainingTime();
        if (*result || left <= 0 || !helper->waitForReadyRead(int(left)))
            break;
    }
    takeAnswers();
    if (*result)
        return **result;
    // Given up: the answers that came are kept, the rest dropped when they
    // come (the batch is the last one; later ones are not waited for).
    Answers answers(requests.size(), std::nullopt);
    if (!batches.isEmpty()) {
        Batch& mine = batches.last();
        for (int i = 0; i < mine.answers.size(); ++i)
            answers[i] = mine.answers[i];
        mine.done = nullptr;
    }
    return answers;
}

MircLinkStatus MircBridgeLink::statusOf(const std::optional<std::string>& answer)
{
    if (!answer)
        return MircLinkStatus::Unavailable;
    const std::string word = BridgeProtocol::answerWord(*answer);
    if (word == BridgeProtocol::Word::result || word == BridgeProtocol::Word::done)
        return MircLinkStatus::Done;
    if (word == BridgeProtocol::Word::tooLong)
        return MircLinkStatus::TextTooLong;
    return MircLinkStatus::Unavailable;
}

QList<MircEvaluation> MircBridgeLink::evaluations(const Answers& answers)
{
    QList<MircEvaluation> results;
    for (const std::optional<std::string>& answer : answers) {
        const MircLinkStatus status = statusOf(answer);
        const QString text =
            status == MircLinkStatus::Done ? QString::fromStdString(BridgeProtocol::resultText(*answer)) : QString();
        results.append({status, text});
    }
    return results;
}

namespace {

QList<MircWindowHandle> instancesOf(const std::optional<std::string>& answer)
{
    QList<MircWindowHandle> found;
    std::vector<std::uint64_t> windows;
    if (answer && BridgeProtocol::parseInstances(*answer, windows)) {
        for (std::uint64_t window : windows)
            found.append(MircWindowHandle{window});
    }
    return found;
}

QList<std::string> evaluateRequests(MircWindowHandle window, const QStringList& expressions)
{
    QList<std::string> requests;
    for (const QString& expression : expressions)
        requests.append(BridgeProtocol::formatEvaluate(window.id, expression.toStdString()));
    return requests;
}

} // namespace

QList<MircWindowHandle> MircBridgeLink::findInstances()
{
    stopIfSilent();
    if (state == State::Stopped)
        start();
    return instancesOf(exchange({BridgeProtocol::formatFind()}).constFirst());
}

void MircBridgeLink::findInstancesLater(QObject* context, std::function<void(const QList<MircWindowHandle>&)> done)
{
    stopIfSilent();
    if (state == State::Stopped)
        start();
    const QPointer<QObject> guard(context);
    send({BridgeProtocol::formatFind()}, [guard, done](const Answers& answers) {
        // Handed over from the event loop, as promised, even when the
        // answer is known at once (no helper).
        QTimer::singleShot(0, guard.data(), [guard, done, found = instancesOf(answers.constFirst())] {
            if (guard)
                done(found);
        });
    });
}

MircEvaluation MircBridgeLink::evaluate(MircWindowHandle window, const QString& expression)
{
    return evaluateAll(window, {expression}).constFirst();
}

QList<MircEvaluation> MircBridgeLink::evaluateAll(MircWindowHandle window, const QStringList& expressions)
{
    return evaluations(exchange(evaluateRequests(window, expressions)));
}

void MircBridgeLink::evaluateAllLater(QObject* context, MircWindowHandle window, const QStringList& expressions,
                                      std::function<void(const QList<MircEvaluation>&)> done)
{
    const QPointer<QObject> guard(context);
    send(evaluateRequests(window, expressions), [guard, done](const Answers& answers) {
        QTimer::singleShot(0, guard.data(), [guard, done, results = evaluations(answers)] {
            if (guard)
                done(results);
        });
    });
}

MircLinkStatus MircBridgeLink::command(MircWindowHandle window, const QString& text)
{
    return statusOf(exchange({BridgeProtocol::formatCommand(window.id, text.toStdString())}).constFirst());
}

QString MircBridgeLink::unavailableReason() const
{
    if (!settings.isUsable())
        return QStringLiteral("Wine, its prefix or mirc-bridge.exe was not found (see KORVEL_WINE, "
                              "KORVEL_WINEPREFIX, KORVEL_MIRC_BRIDGE)");
    switch (state) {
    case State::Stopped: return QStringLiteral("the Wine helper is not running; it starts at the next refresh");
    case State::Starting: return QStringLiteral("the Wine helper is still starting");
    case State::Ready: break;
    }
    return isBehind() ? QStringLiteral("mIRC is busy: earlier requests are still unanswered") : QString();
}

MircLocalPath MircBridgeLink::localPath(const QString& mircPath) const
{
    const bool onDrive = mircPath.size() >= 3 && mircPath.at(0).isLetter() && mircPath.at(1) == QLatin1Char(':')
        && (mircPath.at(2) == QLatin1Char('\\') || mircPath.at(2) == QLatin1Char('/'));
    if (!onDrive) {
        return {QString(),
                QStringLiteral("mIRC names it without a drive letter, which has no place in the Wine "
                               "prefix %1")
                    .arg(settings.prefix)};
    }
    const QString drive = mircPath.left(2).toLower();
    const QString driveLink = QDir(settings.prefix).filePath(QStringLiteral("dosdevices/") + drive);
    const QString driveRoot = QFileInfo(driveLink).canonicalFilePath();
    if (driveRoot.isEmpty())
        return {QString(), QStringLiteral("drive %1 has no link in %2").arg(drive.toUpper(), driveLink.chopped(2))};
    QString rest = mircPath.mid(3);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return {QDir(driveRoot).filePath(rest), QString()};
}
