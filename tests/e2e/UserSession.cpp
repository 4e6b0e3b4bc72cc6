#include "UserSession.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

namespace {

constexpr int keyDelayMs = 25;
constexpr int settleMs = 150; // lets the program take a burst of events
const QString clipboardSentinel = QStringLiteral("\x01nothing copied\x01");

} // namespace

UserSession::UserSession() = default;

UserSession::~UserSession()
{
    if (korvel.state() != QProcess::NotRunning) {
        korvel.kill();
        korvel.waitForFinished(5000);
    }
}

QProcessEnvironment UserSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), homeDir.path());
    // The settings folder also keys the channel between starts of Korvel, so
    // a developer's own Korvel never receives this session's files.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), homeDir.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

bool UserSession::start(const QStringList& arguments)
{
    korvel.setProcessEnvironment(environment());
    korvel.setWorkingDirectory(homeDir.path());
    korvel.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString geometry = QStringLiteral("%1x%2+0+0").arg(windowWidth).arg(windowHeight);
    korvel.start(QStringLiteral(KORVEL_PROGRAM), QStringList{QStringLiteral("-qwindowgeometry"), geometry} + arguments);
    if (!korvel.waitForStarted(10000) || !waitForWindow(QStringLiteral("^Korvel$")))
        return false;
    activate();
    return true;
}

int UserSession::startAgain(const QStringList& arguments)
{
    QProcess again;
    again.setProcessEnvironment(environment());
    again.setWorkingDirectory(homeDir.path());
    again.setProcessChannelMode(QProcess::ForwardedChannels);
    again.start(QStringLiteral(KORVEL_PROGRAM), arguments);
    if (again.waitForFinished(20000))
        return again.exitCode();
    again.kill();
    again.waitForFinished(5000);
    return -1;
}

bool UserSession::waitForQuit()
{
    // It may have ended already, while the test let events through.
    return korvel.state() == QProcess::NotRunning || korvel.waitForFinished(10000);
}

void UserSession::activate()
{
    click(QPoint(windowWidth - 100, 8));
}

bool UserSession::runXdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    const bool ran = xdotool.waitForFinished(20000) && xdotool.exitCode() == 0;
    QThread::msleep(settleMs);
    QCoreApplication::processEvents();
    return ran;
}

void UserSession::key(const QString& keys)
{
    runXdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QString::number(keyDelayMs)}
               + keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void UserSession::shortcut(const QString& keys)
{
    activate();
    key(keys);
}

void UserSession::type(const QString& text)
{
    runXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QString::number(keyDelayMs), text});
}

void UserSession::click(QPoint at, int button, int count)
{
    runXdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
                QStringLiteral("--repeat"), QString::number(count), QStringLiteral("--delay"), QStringLiteral("80"),
                QString::number(button)});
}

bool UserSession::waitForWindow(const QString& title)
{
    return waitUntil([&] {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title});
        return search.waitForFinished(5000) && !search.readAllStandardOutput().trimmed().isEmpty();
    });
}

void UserSession::setClipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QCoreApplication::processEvents();
}

QString UserSession::clipboardAfter(const QString& keys)
{
    setClipboard(clipboardSentinel);
    key(keys);
    QString copied;
    waitUntil(
        [&] {
            copied = QGuiApplication::clipboard()->text();
            return copied != clipboardSentinel;
        },
        5000);
    return copied == clipboardSentinel ? QString() : copied;
}

QString UserSession::editorText()
{
    activate();
    const QString text = clipboardAfter(QStringLiteral("ctrl+a ctrl+c"));
    key(QStringLiteral("ctrl+End"));
    return text;
}

QString UserSession::restOfCaretLine()
{
    return clipboardAfter(QStringLiteral("shift+End ctrl+c"));
}

QImage UserSession::screen() const
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

void UserSession::screenshot(const QString& name) const
{
    QDir().mkpath(QStringLiteral(KORVEL_SCREENSHOTS));
    screen().copy(windowRect()).save(QStringLiteral(KORVEL_SCREENSHOTS "/%1.png").arg(name));
}

bool UserSession::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(100);
    }
    return true;
}

namespace ScreenReading {

namespace {

bool isErrorRed(QRgb pixel)
{
    return qRed(pixel) > 190 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

} // namespace

QPoint findErrorIcon(const QImage& screen, int top)
{
    // The disc is a dozen pixels across; a run of red pixels that long on a
    // row marks its middle. Red text in the editor is thinner than that.
    constexpr int discRun = 7;
    for (int y = top; y < screen.height(); ++y) {
        int run = 0;
        for (int x = 0; x < screen.width(); ++x) {
            run = isErrorRed(screen.pixel(x, y)) ? run + 1 : 0;
            if (run == discRun)
                return QPoint(x - discRun / 2, y + 3);
        }
    }
    return {};
}

} // namespace ScreenReading
