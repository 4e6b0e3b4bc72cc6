#include "AppTestHelpers.h"
#include "VersionFileServer.h"

#include "app/UpdateDialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QNetworkProxy>
#include <QPushButton>
#include <QScopeGuard>

using namespace AppTests;

namespace {

using Behaviour = VersionFileServer::Behaviour;

const QString checkEntry = QStringLiteral("Check For Updates");
constexpr int replyWaitMs = 10000;
constexpr int shortTransferTimeoutMs = 300;

// Points Korvel at a test server for as long as the guard returned lives.
auto pointUpdatesAt(const QString& url)
{
    qputenv("KORVEL_UPDATE_URL", url.toUtf8());
    return qScopeGuard([] { qunsetenv("KORVEL_UPDATE_URL"); });
}

void writeSettings(const QTemporaryDir& dir, const QVariantMap& values)
{
    QSettings settings(settingsFile(dir, "settings"), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

// What the user saw of an answer: "box <title>: <text>" or
// "update <version>: <entry>|<entry>"; the box or dialog is closed with OK.
QString closeAndDescribe(QWidget* modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        const QString seen = QStringLiteral("box %1: %2").arg(box->windowTitle(), box->text());
        box->button(QMessageBox::Ok)->click();
        return seen;
    }
    if (auto* dialog = qobject_cast<UpdateDialog*>(modal)) {
        QStringList news;
        const QListWidget* list = dialog->findChild<QListWidget*>("listWidget");
        for (int row = 0; row < list->count(); ++row)
            news << list->item(row)->text();
        const QString seen = QStringLiteral("update %1: %2")
                                 .arg(dialog->findChild<QLabel*>("label_2")->text(), news.join(QLatin1Char('|')));
        dialog->findChild<QPushButton*>("pushButton")->click();
        return seen;
    }
    return QStringLiteral("unexpected %1").arg(modal->windowTitle());
}

// Catches the web pages Korvel would open in a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

const QString noUpdates = QStringLiteral("box Updates: No new updates were found.");
const QString checkFailed = QStringLiteral("box Updates: Error checking for updates.");

} // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

    // A check against a server behaving as `behaviour`: `seen` gets what
    // the user saw (nothing when nothing was shown).
    static void runCheck(Behaviour behaviour, const QByteArray& payload, bool manual, QStringList& seen,
                         QStringList& requestedPaths)
    {
        VersionFileServer server(behaviour, payload);
        // A redirect goes to a second server under another host name,
        // one that would announce a newer release.
        VersionFileServer elsewhere(Behaviour::Answer, "Korvel|9.0.0.0\n");
        const QByteArray location = behaviour == Behaviour::Redirect
            ? elsewhere.url(QStringLiteral("localhost")).toUtf8() + "version.txt"
            : QByteArray();
        VersionFileServer redirecting(Behaviour::Redirect, location);
        VersionFileServer& asked = behaviour == Behaviour::Redirect ? redirecting : server;
        const auto pointed = pointUpdatesAt(asked.url());

        QTemporaryDir dir;
        useSettingsDir(dir);
        writeSettings(dir, {{"chkup", !manual}, {"updateTimeout", shortTransferTimeoutMs}});

        ModalAnswers answers;
        for (int i = 0; i < 2; ++i)
            answers.then([&seen](QWidget* modal) { seen << closeAndDescribe(modal); });

        MainWindow w;
        QAction* check = action(w, checkEntry);
        if (manual) {
            check->trigger();
            // Disabled for as long as the check is under way.
            QVERIFY(!check->isEnabled());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!w.isCheckingForUpdates(), replyWaitMs);
        QVERIFY(check->isEnabled());
        // Korvel hung up long before the end (what is in flight may still
        // have been sent).
        QVERIFY(server.endlessBytesSent < VersionFileServer::endlessBodyCap / 2);
        requestedPaths = asked.requestedPaths + elsewhere.requestedPaths;
    }

private slots:
    void initTestCase()
    {
        // The test servers are local; a proxy from the environment must not
        // stand between.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    }

    // What the menu's check shows; a check at start-up shows news only.
    void answerOfTheServer_data()
    {
        QTest::addColumn<Behaviour>("behaviour");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("seen");
        const auto row = [](const char* name, const QByteArray& body, const QString& seen,
                            Behaviour behaviour = Behaviour::Answer) {
            QTest::newRow(name) << behaviour << body << seen;
        };
        const QString newerNews = QStringLiteral("update 0.2.1.4: Faster start|Fixed the find bar");
        row("one step newer", "Korvel|0.2.1.4\nFaster start\nFixed the find bar", newerNews);
        row("same", "Korvel|0.2.1.3\nnothing", noUpdates);
        row("older", "Korvel|0.2.0.9", noUpdates);
        row("a part that is no number counts as 0", "Korvel|0.x.9.9", noUpdates);
        row("another product", "Kervol|0.3.0.0", checkFailed);
        row("no bar", "Korvel 0.3.0.0", checkFailed);
        row("three-part version", "Korvel|0.3.0\nNew", checkFailed);
        row("CR LF line ends, empty lines", "Korvel|0.2.1.4\r\nFaster start\r\n\r\n\nFixed the find bar\r\n",
            newerNews);
        row("body over 64 KiB", "Korvel|0.3.0.0\n" + QByteArray(64 * 1024, 'x'), checkFailed);
        row("server closes at once", {}, checkFailed, Behaviour::CloseAtOnce);
        row("server never answers", {}, checkFailed, Behaviour::NeverAnswer);
        row("endless body", {}, checkFailed, Behaviour::EndlessBody);
        row("redirect to another host", {}, checkFailed, Behaviour::Redirect);
    }

    void answerOfTheServer()
    {
        QFETCH(Behaviour, behaviour);
        QFETCH(QByteArray, body);
        QFETCH(QString, seen);

        QStringList shown, paths;
        runCheck(behaviour, body, true, shown, paths);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shown, QStringList{seen});
        if (behaviour == Behaviour::Answer || behaviour == Behaviour::Redirect)
            QCOMPARE(paths, QStringList{"/version.txt"});

        shown.clear();
        runCheck(behaviour, body, false, shown, paths);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shown, seen.startsWith("update ") ? QStringList{seen} : QStringList());
    }

    // The dialog's check box starts from the setting and writes it back.
    void updateDialogSwitchesTheStartUpCheck_data() { boolRows("automatic", "turned on", "turned off"); }

    void updateDialogSwitchesTheStartUpCheck()
    {
        QFETCH(bool, automatic);
        VersionFileServer server(Behaviour::Answer, "Korvel|0.3.0.0\nNew things\n");
        const auto pointed = pointUpdatesAt(server.url());
        QTemporaryDir dir;
        useSettingsDir(dir);
        writeSettings(dir, {{"chkup", automatic}});

        bool boxWasChecked = !automatic;
        QList<QUrl> opened;
        ModalAnswers answers;
        answers.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<UpdateDialog*>(modal);
            QVERIFY(dialog);
            auto* box = dialog->findChild<QCheckBox*>("checkBox");
            boxWasChecked = box->isChecked();
            box->click();
            const UrlCatcher catcher;
            dialog->findChild<QPushButton*>("pushButton_2")->click();
            opened = catcher.opened;
            dialog->findChild<QPushButton*>("pushButton")->click();
        });

        MainWindow w;
        if (!automatic)
            action(w, checkEntry)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!w.isCheckingForUpdates(), replyWaitMs);
        QCOMPARE(answers.seen(), 1);
        QCOMPARE(boxWasChecked, automatic);
        QCOMPARE(opened, QList<QUrl>{QUrl(server.url() + "download.html")});
        w.close();
        QCOMPARE(QSettings(settingsFile(dir, "settings"), QSettings::IniFormat).value("chkup").toBool(), !automatic);
    }

    // Without a server set nothing is asked, at start-up or from the menu,
    // and the menu says where the address goes.
    void noServerNoRequest()
    {
        const auto unset = pointUpdatesAt(QString());
        QTemporaryDir dir;
        useSettingsDir(dir);
        ModalAnswers answers;
        answers.press(QMessageBox::Ok);
        MainWindow w;
        QVERIFY(!w.isCheckingForUpdates());
        action(w, checkEntry)->trigger();
        QVERIFY(!w.isCheckingForUpdates());
        QCOMPARE(answers.seen(), 1);
        const QString help = answers.shown.first().text;
        for (const QString& part :
             {QStringLiteral("updateUrl"), settingsFile(dir, "settings"), QStringLiteral("KORVEL_UPDATE_URL")})
            QVERIFY2(help.contains(part), qPrintable(help));
    }
};

KORVEL_TEST(UpdateCheckTest)
#include "tst_UpdateCheck.moc"
