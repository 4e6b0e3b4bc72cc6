#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// One user at one Korvel: the real program started on the test's X display
// with a settings folder of its own, and the keyboard, the mouse, the
// clipboard and the screen that user has. Keys and clicks go through the X
// server (xdotool), so they reach the program exactly as a person's would.
class UserSession {
public:
    UserSession();
    ~UserSession();

    // Starts Korvel with its main window at a known place and size and
    // waits until it is shown.
    bool start(const QStringList& arguments = {});
    // Starts Korvel once more as the same user, as a file manager would, and
    // waits for that start to end; its exit code, or -1 when it did not end.
    int startAgain(const QStringList& arguments);
    // Waits until the first Korvel has ended.
    bool waitForQuit();
    const QTemporaryDir& home() const { return homeDir; }
    QRect windowRect() const { return QRect(0, 0, windowWidth, windowHeight); }

    // Gives the main window the keyboard again. Without a window manager a
    // closed dialog leaves no window active, and Qt then matches no shortcut;
    // a click on the empty part of the menu bar is what a user would do.
    void activate();

    void key(const QString& keys); // "ctrl+n", "Down Down Return"
    // A menu or toolbar shortcut, sent to the main window made active first.
    void shortcut(const QString& keys);
    void type(const QString& text);
    void click(QPoint at, int button = 1, int count = 1);
    // Waits until a top-level window whose title matches `title` is mapped.
    bool waitForWindow(const QString& title);

    // What the focused editor holds, through Select All and Copy.
    QString editorText();
    // The line under the caret, through Shift+End and Copy from its start.
    QString restOfCaretLine();
    QString clipboardAfter(const QString& keys);
    void setClipboard(const QString& text);

    QImage screen() const;
    // Saves what the screen shows under `name` among the test's artefacts.
    void screenshot(const QString& name) const;

    // Polls until `done` holds, letting the program work, for at most
    // `timeoutMs`.
    static bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000);

    static constexpr int windowWidth = 1200;
    static constexpr int windowHeight = 900;

private:
    bool runXdotool(const QStringList& arguments);
    // The environment each start gets: this session's home and settings.
    QProcessEnvironment environment() const;

    QTemporaryDir homeDir;
    QProcess korvel;
};

// The places on a screenshot a user's eye goes to.
namespace ScreenReading {

// The centre of the first error icon (the red disc of the Debug list) below
// `top`, or a null point when none is shown.
QPoint findErrorIcon(const QImage& screen, int top);

} // namespace ScreenReading
