#include "MircBridgeLink.h"

#include "BridgeProtocol.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

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
    connect(helper, &QProcess::readyReadStandardOutput, this, &MircBridgeLink::readGreeting);
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
    if (!helper)
        return;
    QProcess* ending = helper;
    helper = nullptr;
    state = State::Stopped;
    owedAnswers = 0;
    ending->disconnect(this);
    if (ending->state() != QProcess::NotRunning) {
        ending->kill();
        ending->waitForFinished(helperEndWaitMs);
    }
    ending->deleteLater();
}

void MircBridgeLink::helperEnded()
{
    // Leave the process object to stop(); it may be inside a wait right now.
    state = State::Stopped;
}

void MircBridgeLink::readGreeting()
{
    if (state != State::Starting || !helper->canReadLine())
        return;
    const std::string greeting = lineOf(helper->readLine());
    if (greeting != BridgeProtocol::Word::ready) {
        stop();
        return;
    }
    state = State::Ready;
    sinceLastAnswer.start();
    emit becameAvailable();
}

std::optional<std::string> MircBridgeLink::nextAnswer()
{
    const QDeadlineTimer deadline(settings.answerTimeoutMs);
    while (helper) {
        if (helper->canReadLine()) {
            const std::string line = lineOf(helper->readLine());
            sinceLastAnswer.restart();
            if (owedAnswers == 0)
                return line;
            --owedAnswers; // the late answer to a request given up
            continue;
        }
        const qint64 left = deadline.remainingTime();
        if (left <= 0 || !helper->waitForReadyRead(int(left)))
            break;
    }
    return std::nullopt;
}

void MircBridgeLink::stopIfSilent()
{
    if (state != State::Ready)
        return;
    while (owedAnswers > 0 && helper->canReadLine()) {
        helper->readLine();
        --owedAnswers;
        sinceLastAnswer.restart();
    }
    if (owedAnswers > 0 && sinceLastAnswer.elapsed() > settings.helperGiveUpMs)
        stop();
}

QList<std::optional<std::string>> MircBridgeLink::exchange(const QList<std::string>& requests)
{
    stopIfSilent();
    QList<std::optional<std::string>> answers;
    // A helper that is behind is not asked more until it has caught up: one
    // late answer costs a refresh one timeout, not one per request.
    if (state != State::Ready || owedAnswers > 0) {
        for (int i = 0; i < requests.size(); ++i)
            answers.append(std::nullopt);
        return answers;
    }
    QByteArray lines;
    for (const std::string& request : requests)
        lines += QByteArray::fromStdString(request) + '\n';
    helper->write(lines);
    bool late = false;
    for (int i = 0; i < requests.size(); ++i) {
        std::optional<std::string> answer;
        if (!late) {
            answer = nextAnswer();
            late = !answer;
            if (late)
                owedAnswers += int(requests.size()) - i;
        }
        answers.append(std::move(answer));
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

QList<MircWindowHandle> MircBridgeLink::findInstances()
{
    QList<MircWindowHandle> found;
    stopIfSilent();
    if (state == State::Stopped)
        start();
    const std::optional<std::string> answer = exchange({BridgeProtocol::formatFind()}).constFirst();
    std::vector<std::uint64_t> windows;
    if (answer && BridgeProtocol::parseInstances(*answer, windows)) {
        for (std::uint64_t window : windows)
            found.append(MircWindowHandle{window});
    }
    return found;
}

MircEvaluation MircBridgeLink::evaluate(MircWindowHandle window, const QString& expression)
{
    return evaluateAll(window, {expression}).constFirst();
}

QList<MircEvaluation> MircBridgeLink::evaluateAll(MircWindowHandle window, const QStringList& expressions)
{
    QList<std::string> requests;
    for (const QString& expression : expressions)
        requests.append(BridgeProtocol::formatEvaluate(window.id, expression.toStdString()));
    QList<MircEvaluation> results;
    for (const std::optional<std::string>& answer : exchange(requests)) {
        const MircLinkStatus status = statusOf(answer);
        const QString text =
            status == MircLinkStatus::Done ? QString::fromStdString(BridgeProtocol::resultText(*answer)) : QString();
        results.append({status, text});
    }
    return results;
}

MircLinkStatus MircBridgeLink::command(MircWindowHandle window, const QString& text)
{
    return statusOf(exchange({BridgeProtocol::formatCommand(window.id, text.toStdString())}).constFirst());
}

QString MircBridgeLink::localPath(const QString& mircPath) const
{
    const bool onDrive = mircPath.size() >= 3 && mircPath.at(0).isLetter() && mircPath.at(1) == QLatin1Char(':')
        && (mircPath.at(2) == QLatin1Char('\\') || mircPath.at(2) == QLatin1Char('/'));
    if (!onDrive)
        return mircPath;
    const QString driveLink =
        QDir(settings.prefix).filePath(QStringLiteral("dosdevices/") + mircPath.left(2).toLower());
    const QString driveRoot = QFileInfo(driveLink).canonicalFilePath();
    if (driveRoot.isEmpty())
        return mircPath;
    QString rest = mircPath.mid(3);
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(driveRoot).filePath(rest);
}
