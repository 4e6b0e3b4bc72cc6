// Korvel end to end, as a user meets it: one script written, checked, mended,
// re-indented, searched and replaced, saved as an INI script, closed,
// reopened, folded and saved under another name; a second start handing its
// file to the running Korvel; a dialog laid out in the designer and turned
// into code; and quitting with unsaved work. Every step is read back from
// what the user has: the clipboard, the saved files and the screen.
// Screenshots of the main steps are kept.
#include "UserSession.h"

#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

namespace {

// Without a window manager the main window sits at the origin; the lower
// part of it holds the message area, below every editor line used here.
constexpr double messageAreaTop = 0.62;

const QString typedAlias = QStringLiteral("alias greet {");
const QString typedBody = QStringLiteral("echo -a hello }");
const QString strayBraceError = QStringLiteral("3:0 root Unexpected characters in root level of script file.");

QString normalised(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? normalised(QString::fromUtf8(file.readAll())) : QString();
}

} // namespace

class EndToEnd : public QObject {
    Q_OBJECT

private slots:
    void writeCheckSaveReopenAndDesign();

private:
    QPoint waitForErrorIcon(UserSession& user, bool shown);
};

QPoint EndToEnd::waitForErrorIcon(UserSession& user, bool shown)
{
    QPoint icon;
    UserSession::waitUntil([&] {
        icon = ScreenReading::findErrorIcon(user.screen(), int(UserSession::windowHeight * messageAreaTop));
        return icon.isNull() != shown;
    });
    return icon;
}

void EndToEnd::writeCheckSaveReopenAndDesign()
{
    UserSession user;
    QVERIFY2(user.start(), "Korvel's main window did not appear");
    user.screenshot(QStringLiteral("01-started"));

    // A new script from the type chooser, where Script File is the choice
    // Enter takes.
    user.shortcut(QStringLiteral("ctrl+n"));
    QVERIFY(user.waitForWindow(QStringLiteral("Choose A Tool")));
    user.key(QStringLiteral("Return"));

    // Return after the brace opens the block and closes it on its own; the
    // brace typed at the end of the body then leaves that one stray.
    user.type(typedAlias);
    user.key(QStringLiteral("Return"));
    user.type(typedBody);
    QCOMPARE(user.editorText(), typedAlias + QStringLiteral("\n  ") + typedBody + QStringLiteral("\n}"));

    const QPoint errorIcon = waitForErrorIcon(user, true);
    QVERIFY2(!errorIcon.isNull(), "no error is listed in the Debug tab");
    user.screenshot(QStringLiteral("02-error-listed"));
    // The row's copy entry gives the message as the list shows it.
    user.setClipboard(QString());
    user.click(errorIcon, 3);
    const QString copied = user.clipboardAfter(QStringLiteral("Down Return"));
    QVERIFY2(copied.endsWith(strayBraceError), qPrintable(copied));

    // A double click on the row lands on the stray brace.
    user.click(errorIcon, 1, 2);
    QCOMPARE(user.restOfCaretLine(), QStringLiteral("}"));

    // Mending the body's line takes the row away.
    user.key(QStringLiteral("Up End BackSpace BackSpace"));
    QVERIFY2(waitForErrorIcon(user, false).isNull(), "the mended error is still listed");
    QCOMPARE(user.editorText(), QStringLiteral("alias greet {\n  echo -a hello\n}"));
    user.screenshot(QStringLiteral("03-error-mended"));

    // Check Brackets re-indents a body pasted without its indent.
    user.setClipboard(QStringLiteral("alias greet {\necho -a hello\n}"));
    user.key(QStringLiteral("ctrl+a ctrl+v"));
    user.shortcut(QStringLiteral("ctrl+h"));
    QVERIFY(UserSession::waitUntil(
        [&] { return user.editorText() == QStringLiteral("alias greet {\n  echo -a hello\n}"); }));

    // Find "hello" and replace every one with "world".
    user.shortcut(QStringLiteral("ctrl+f"));
    user.type(QStringLiteral("hello"));
    user.key(QStringLiteral("Tab"));
    user.type(QStringLiteral("world"));
    user.screenshot(QStringLiteral("04-find-and-replace"));
    user.key(QStringLiteral("Tab Tab Tab Tab space Escape"));
    QCOMPARE(user.editorText(), QStringLiteral("alias greet {\n  echo -a world\n}"));

    // Saving the untitled script asks for a name; an .ini name makes it an
    // INI script.
    const QString saved = user.home().filePath(QStringLiteral("greet.ini"));
    user.shortcut(QStringLiteral("ctrl+s"));
    QVERIFY(user.waitForWindow(QStringLiteral("Save")));
    user.type(saved);
    user.key(QStringLiteral("Return"));
    QVERIFY(UserSession::waitUntil([&] { return QFile::exists(saved); }));
    QVERIFY(UserSession::waitUntil([&] { return QFileInfo(saved).size() > 0; }));
    QCOMPARE(readText(saved), QStringLiteral("[script]\nn0=alias greet {\nn1=  echo -a world\nn2=}\n"));

    // Closed, the editor's paper is gone from the tab area.
    const QRect editorPaper(UserSession::windowWidth / 2, 150, 200, 100);
    user.shortcut(QStringLiteral("ctrl+w"));
    QVERIFY(UserSession::waitUntil([&] { return qGray(user.screen().pixel(editorPaper.center())) < 252; }));
    user.screenshot(QStringLiteral("05-closed"));

    // Reopened through File > Open, it reads back as it was written.
    user.shortcut(QStringLiteral("ctrl+shift+o"));
    QVERIFY(user.waitForWindow(QStringLiteral("Select File To Open")));
    user.type(saved);
    user.key(QStringLiteral("Return"));
    // An INI script reads back with the line break after its last line.
    QVERIFY(UserSession::waitUntil(
        [&] { return user.editorText() == QStringLiteral("alias greet {\n  echo -a world\n}\n"); }));

    // Down from the header goes into the body; once Fold All Blocks (its
    // key, the View menu never opened) has folded the alias, it goes past
    // the hidden body to the last line.
    const QString linesPassedByDown = QStringLiteral("ctrl+Home Down shift+ctrl+Home ctrl+c");
    QCOMPARE(user.clipboardAfter(linesPassedByDown), QStringLiteral("alias greet {\n"));
    user.shortcut(QStringLiteral("alt+0"));
    QCOMPARE(user.clipboardAfter(linesPassedByDown), QStringLiteral("alias greet {\n  echo -a world\n}\n"));
    user.screenshot(QStringLiteral("06-folded"));
    user.shortcut(QStringLiteral("alt+shift+0"));

    // Save As gives the script a new name and makes it a plain script; the
    // INI file stays as it was. The row of a fault typed before it carries
    // the new name, and a double click on it still lands on the fault.
    user.key(QStringLiteral("ctrl+End"));
    user.type(QStringLiteral("stray"));
    const QPoint strayIcon = waitForErrorIcon(user, true);
    QVERIFY2(!strayIcon.isNull(), "the stray line is not listed");
    const QString renamed = user.home().filePath(QStringLiteral("renamed.mrc"));
    user.shortcut(QStringLiteral("ctrl+shift+s"));
    QVERIFY(user.waitForWindow(QStringLiteral("^Save As$")));
    user.type(renamed);
    user.key(QStringLiteral("Return"));
    QVERIFY(UserSession::waitUntil([&] { return QFileInfo(renamed).size() > 0; }));
    QCOMPARE(readText(renamed), QStringLiteral("alias greet {\n  echo -a world\n}\nstray"));
    QCOMPARE(readText(saved), QStringLiteral("[script]\nn0=alias greet {\nn1=  echo -a world\nn2=}\n"));
    user.setClipboard(QString());
    user.click(strayIcon, 3);
    const QString strayRow = user.clipboardAfter(QStringLiteral("Down Return"));
    QVERIFY2(strayRow.startsWith(renamed + QLatin1Char(' ')), qPrintable(strayRow));
    user.key(QStringLiteral("ctrl+Home"));
    user.click(strayIcon, 1, 2);
    QCOMPARE(user.restOfCaretLine(), QStringLiteral("stray"));
    // The selected fault and the line break before it go; saved, the
    // script is clean again.
    user.key(QStringLiteral("BackSpace BackSpace ctrl+s"));
    QVERIFY(UserSession::waitUntil(
        [&] { return readText(renamed) == QStringLiteral("alias greet {\n  echo -a world\n}"); }));
    QVERIFY2(waitForErrorIcon(user, false).isNull(), "the mended fault is still listed");

    // Korvel started again with a file hands it to the running one and ends;
    // the file opens there as a tab.
    const QString other = user.home().filePath(QStringLiteral("other.mrc"));
    QFile otherFile(other);
    QVERIFY(otherFile.open(QIODevice::WriteOnly));
    otherFile.write("alias other { echo -a other }\r\n");
    otherFile.close();
    QCOMPARE(user.startAgain({other}), 0);
    QVERIFY(
        UserSession::waitUntil([&] { return user.editorText() == QStringLiteral("alias other { echo -a other }\n"); }));
    user.screenshot(QStringLiteral("07-opened-by-a-second-start"));

    // A call typed key by key: the ")" typed at the end steps over the one
    // Korvel put behind "$calc(".
    user.key(QStringLiteral("ctrl+End"));
    user.type(QStringLiteral("alias c return $calc(1+2)"));
    user.key(QStringLiteral("Escape"));
    QCOMPARE(user.editorText(), QStringLiteral("alias other { echo -a other }\nalias c return $calc(1+2)"));

    // The designer: Dialog is two rows above Script File, in the other
    // column; its code lands in a new script tab.
    user.shortcut(QStringLiteral("ctrl+n"));
    QVERIFY(user.waitForWindow(QStringLiteral("Choose A Tool")));
    user.key(QStringLiteral("Up Up Right Return"));
    QVERIFY(user.waitForWindow(QStringLiteral("Unsupported Feature")));
    user.key(QStringLiteral("Return"));
    user.screenshot(QStringLiteral("08-designer"));
    user.shortcut(QStringLiteral("F5"));
    QString code;
    QVERIFY(UserSession::waitUntil([&] {
        code = user.editorText();
        return code.startsWith(QStringLiteral("dialog "));
    }));
    QVERIFY2(code.contains(QStringLiteral("\n  title ")) && code.trimmed().endsWith(QLatin1Char('}')),
             qPrintable(code));
    QVERIFY2(waitForErrorIcon(user, false).isNull(), "the generated code raises an error");
    user.screenshot(QStringLiteral("09-generated-code"));

    // Quitting with other.mrc and the generated code unsaved asks; Cancel
    // keeps Korvel and the text, Save All saves both (the new script under
    // a name asked for), then quits.
    user.shortcut(QStringLiteral("ctrl+q"));
    QVERIFY(user.waitForWindow(QStringLiteral("^Quit Korvel$")));
    user.screenshot(QStringLiteral("10-quit-asks"));
    user.key(QStringLiteral("Escape"));
    QCOMPARE(user.editorText(), code);
    const QString generated = user.home().filePath(QStringLiteral("generated.mrc"));
    user.shortcut(QStringLiteral("ctrl+q"));
    QVERIFY(user.waitForWindow(QStringLiteral("^Quit Korvel$")));
    user.key(QStringLiteral("Return"));
    QVERIFY(user.waitForWindow(QStringLiteral("^Save File$")));
    user.type(generated);
    user.key(QStringLiteral("Return"));
    QVERIFY2(user.waitForQuit(), "Korvel is still running after Save All");
    QCOMPARE(readText(generated).trimmed(), code.trimmed());
    QCOMPARE(readText(other), QStringLiteral("alias other { echo -a other }\nalias c return $calc(1+2)"));
}

int main(int argc, char** argv)
{
    // A display and a way to type on it are what this test is made of;
    // without them it is skipped, not passed.
    if (qEnvironmentVariableIsEmpty("DISPLAY") || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        std::fprintf(stderr, "tst_e2e: needs an X display and xdotool; skipped\n");
        return 77;
    }
    QGuiApplication app(argc, argv);
    EndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e.moc"
