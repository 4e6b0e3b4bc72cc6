#include "AppTestHelpers.h"
#include "AppTestMain.h"
#include "VersionFileServer.h"

#include "app/AboutDialog.h"
#include "app/UpdateDialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QNetworkProxy>
#include <QPushButton>
#include <QTest>

using namespace AppTests;

namespace {

using Behaviour = VersionFileServer::Behaviour;

const QString checkEntry = QStringLiteral("Check For Updates");
constexpr int replyWaitMs = 10000;
constexpr int shortTransferTimeoutMs = 300;

// Points Korvel at a test server for as long as it lives.
class UpdateUrlOverride {
public:
    explicit UpdateUrlOverride(const QString& url)
        : previous(qgetenv(variable))
    {
        qputenv(variable, url.toUtf8());
    }
    ~UpdateUrlOverride() { qputenv(variable, previous); }

private:
    static constexpr char variable[] = "KORVEL_UPDATE_URL";
    QByteArray previous;
};

void writeSettings(const QTemporaryDir& dir, const QVariantMap& values)
{
    QSettings settings(dir.filePath(QStringLiteral("Korvel/settings.ini")), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QVariant storedSetting(const QTemporaryDir& dir, const char* key)
{
    return QSettings(dir.filePath(QStringLiteral("Korvel/settings.ini")), QSettings::IniFormat).value(key);
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

struct ServedCase {
    Behaviour behaviour;
    QByteArray payload;
};

// Catches QDesktopServices::openUrl for one scheme.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const QString& scheme)
        : scheme(scheme)
    {
        QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(scheme); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QString scheme;
};

const QString noUpdates = QStringLiteral("box Updates: No new updates were found.");
const QString checkFailed = QStringLiteral("box Updates: Error checking for updates.");

} // namespace

Q_DECLARE_METATYPE(ServedCase)

class UpdateCheckTest : public QObject {
    Q_OBJECT

    // A check against a server behaving as `served`: `seen` gets what the
    // user saw (nothing when nothing was shown).
    static void runCheck(const ServedCase& served, bool manual, QStringList& seen, QStringList& requestedPaths)
    {
        VersionFileServer server(served.behaviour, served.payload);
        // A redirect goes to a second server under another host name,
        // one that would announce a newer release.
        VersionFileServer elsewhere(Behaviour::Answer, "Korvel|9.0.0.0\n");
        const QByteArray location = served.behaviour == Behaviour::Redirect
            ? elsewhere.url(QStringLiteral("localhost")).toUtf8() + "version.txt"
            : QByteArray();
        VersionFileServer redirecting(Behaviour::Redirect, location);
        VersionFileServer& asked = served.behaviour == Behaviour::Redirect ? redirecting : server;
        const UpdateUrlOverride pointed(asked.url());

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

    void answerOfTheServer_data()
    {
        QTest::addColumn<ServedCase>("served");
        QTest::addColumn<QString>("manually");
        QTest::addColumn<QString>("atStartUp");

        const auto answer = [](const QByteArray& body) { return ServedCase{Behaviour::Answer, body}; };
        const QString newerNews = QStringLiteral("update 0.2.1.4: Faster start|Fixed the find bar");
        QTest::newRow("one step newer") << answer("Korvel|0.2.1.4\nFaster start\nFixed the find bar") << newerNews
                                        << newerNews;
        QTest::newRow("new major") << answer("Korvel|1.0.0.0") << "update 1.0.0.0: "
                                   << "update 1.0.0.0: ";
        QTest::newRow("new minor") << answer("Korvel|0.3.0.0\n") << "update 0.3.0.0: "
                                   << "update 0.3.0.0: ";
        QTest::newRow("same") << answer("Korvel|0.2.1.3\nnothing") << noUpdates << "";
        QTest::newRow("older") << answer("Korvel|0.2.0.9") << noUpdates << "";
        QTest::newRow("a part that is no number counts as 0") << answer("Korvel|0.x.9.9") << noUpdates << "";
        QTest::newRow("another product") << answer("Kervol|0.3.0.0") << checkFailed << "";
        QTest::newRow("no bar") << answer("Korvel 0.3.0.0") << checkFailed << "";
        QTest::newRow("three-part version") << answer("Korvel|0.3.0\nNew") << checkFailed << "";
        QTest::newRow("empty body") << answer("") << checkFailed << "";
        QTest::newRow("CR LF line ends") << answer("Korvel|0.2.1.4\r\nFaster start\r\n\r\nFixed the find bar\r\n")
                                         << newerNews << newerNews;
        QTest::newRow("empty lines in the list")
            << answer("Korvel|0.2.1.4\n\nFaster start\n\n\nFixed the find bar\n\n") << newerNews << newerNews;
        QTest::newRow("body over 64 KiB")
            << answer("Korvel|0.3.0.0\n" + QByteArray(64 * 1024, 'x')) << checkFailed << "";
        QTest::newRow("server closes at once") << ServedCase{Behaviour::CloseAtOnce, {}} << checkFailed << "";
        QTest::newRow("server never answers") << ServedCase{Behaviour::NeverAnswer, {}} << checkFailed << "";
        QTest::newRow("endless body") << ServedCase{Behaviour::EndlessBody, {}} << checkFailed << "";
        QTest::newRow("redirect to another host") << ServedCase{Behaviour::Redirect, {}} << checkFailed << "";
    }

    void answerOfTheServer()
    {
        QFETCH(ServedCase, served);
        QFETCH(QString, manually);
        QFETCH(QString, atStartUp);

        QStringList seen, paths;
        runCheck(served, true, seen, paths);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(seen, QStringList{manually});
        if (served.behaviour == Behaviour::Answer || served.behaviour == Behaviour::Redirect)
            QCOMPARE(paths, QStringList{"/version.txt"});

        seen.clear();
        runCheck(served, false, seen, paths);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(seen, atStartUp.isEmpty() ? QStringList() : QStringList{atStartUp});
    }

    // The dialog's check box starts from the setting and writes it back.
    void updateDialogSwitchesTheStartUpCheck_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::newRow("turned off") << true;
        QTest::newRow("turned on") << false;
    }

    void updateDialogSwitchesTheStartUpCheck()
    {
        QFETCH(bool, automatic);
        VersionFileServer server(Behaviour::Answer, "Korvel|0.3.0.0\nNew things\n");
        const UpdateUrlOverride pointed(server.url());
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
            const UrlCatcher catcher(QStringLiteral("http"));
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
        QCOMPARE(storedSetting(dir, "chkup").toBool(), !automatic);
    }

    // The small dialogs as a user sees them, widget by widget.
    void dialogsAsShown()
    {
        struct Expected {
            const char* objectName;
            QRect geometry;
            QString text;
        };
        const auto compare = [](const QDialog& dialog, QSize size, const QList<Expected>& widgets) {
            QCOMPARE(dialog.size(), size);
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
            for (const Expected& e : widgets) {
                const QWidget* widget = dialog.findChild<QWidget*>(e.objectName);
                QVERIFY2(widget, e.objectName);
                QCOMPARE(widget->geometry(), e.geometry);
                const QVariant text = widget->property("text");
                if (!e.text.isNull())
                    QCOMPARE(text.toString(), e.text);
            }
        };

        UpdateDialog update(QUrl("http://example.invalid/download.html"));
        update.setAutoCheck(true);
        update.showAnnouncement("0.3.0.0", {"a", "b"});
        QCOMPARE(update.windowTitle(), "Korvel Update!");
        compare(update, QSize(414, 271),
                {{"label", QRect(10, 10, 261, 16), "Korvel Updates found a new version of Korvel:"},
                 {"label_2", QRect(260, 10, 81, 16), "0.3.0.0"},
                 {"label_3", QRect(10, 40, 61, 16), "Whats new:"},
                 {"listWidget", QRect(10, 60, 391, 171), {}},
                 {"checkBox", QRect(10, 240, 181, 21), "Check for updates automatically"},
                 {"pushButton_2", QRect(214, 240, 101, 23), "Download Page"},
                 {"pushButton", QRect(330, 240, 75, 23), "Ok"}});
        QCOMPARE(update.findChild<QLabel*>("label_2")->font().pointSize(), 13);

        AboutDialog about(QUrl("http://example.invalid/"));
        compare(about, QSize(287, 148),
                {{"label", QRect(20, 10, 250, 31), "Brenta - Korvel"},
                 {"label_2", QRect(30, 50, 56, 14), "Version:"},
                 {"label_3", QRect(90, 50, 56, 14), "0.2.1.3"},
                 {"label_4", QRect(20, 70, 241, 51), {}},
                 {"pushButton", QRect(190, 120, 85, 27), "&Ok"}});
        const QFont title = about.findChild<QLabel*>("label")->font();
        QCOMPARE(title.family(), "Monospace");
        QCOMPARE(title.pointSize(), 20);
        QVERIFY(title.bold());
        const QLabel* support = about.findChild<QLabel*>("label_4");
        QVERIFY(support->openExternalLinks());
        QVERIFY(support->text().contains("href=\"http://example.invalid/\""));
    }

    // Without a server set nothing is asked, at start-up or from the menu,
    // and the menu says where the address goes.
    void noServerNoRequest()
    {
        const UpdateUrlOverride unset(QString());
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
             {QStringLiteral("updateUrl"), dir.filePath("Korvel/settings.ini"), QStringLiteral("KORVEL_UPDATE_URL")})
            QVERIFY2(help.contains(part), qPrintable(help));
    }

    // Help > About shows one dialog, kept between showings.
    void aboutIsKept()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        writeSettings(dir, {{"chkup", false}});
        MainWindow w;
        QList<QPointer<QWidget>> shown;
        for (int i = 0; i < 2; ++i) {
            // One answerer per showing: an answerer leaves alone a window it
            // has answered before.
            ModalAnswers answers;
            answers.then([&shown](QWidget* modal) {
                shown << modal;
                modal->findChild<QPushButton*>("pushButton")->click();
            });
            action(w, "&About")->trigger();
        }
        QCOMPARE(shown.size(), 2);
        QVERIFY(qobject_cast<AboutDialog*>(shown.first()));
        QCOMPARE(shown.first(), shown.last());
        QCOMPARE(shown.first()->parentWidget(), &w);
    }
};

KORVEL_APP_TEST(UpdateCheckTest)
#include "tst_UpdateCheck.moc"
