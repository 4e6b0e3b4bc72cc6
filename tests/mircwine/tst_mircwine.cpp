// Korvel's side of the Linux path against the real helper and fake mIRC
// programs under Wine: the sync panel lists both instances with their
// scripts, a reload command arrives, and a helper that died is started again
// at the next refresh.
#include "FakeMircProcesses.h"
#include "KorvelResources.h"
#include "MenuProbe.h"
#include "mirc/MircSyncPanel.h"
#include "mirc/bridge/MircBridgeLink.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <csignal>

namespace {

// Generous bounds for a loaded machine; the link's own timeout stays short.
constexpr int helperStartWaitMs = 30000;
constexpr int fakesShowUpWaitMs = 30000;
constexpr int refreshPollMs = 200;
constexpr int answerTimeoutMs = 2000;

// Refreshes until a refresh that every instance answered lists `count` of
// them, or the time is up.
bool refreshUntilListed(MircSyncPanel& panel, int count)
{
    const QDeadlineTimer deadline(fakesShowUpWaitMs);
    while (!deadline.hasExpired()) {
        QSignalSpy shown(&panel, &MircSyncPanel::refreshed);
        panel.updateDDE();
        if (shown.wait(2 * MircSyncPanel::refreshDeadlineMs) && panel.statusLine()->text().isEmpty()
            && panel.tree()->topLevelItemCount() == count)
            return true;
        QTest::qWait(refreshPollMs);
    }
    return false;
}

} // namespace

class MircWineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!FakeMircProcesses::sessionPresent())
            QSKIP("not inside a Wine session (run through wine-session.sh)");
        initKorvelResources();
    }

    void theDockWorksThroughTheHelper()
    {
        FakeMircProcesses fakes(KORVEL_FAKE_MIRC);
        const int alpha = fakes.start("ddename alpha\nscript C:\\mirc\\one.mrc\nscript C:\\mirc\\two.ini\n");
        fakes.start("ddename beta\nversion 7.52\n");
        fakes.start("title mIRC-notes\nversion seven\n");

        WineSettings settings = FakeMircProcesses::sessionSettings(KORVEL_MIRC_BRIDGE);
        settings.answerTimeoutMs = answerTimeoutMs;
        auto* link = new MircBridgeLink(settings);
        MircSyncPanel panel(link);
        QSignalSpy available(link, &MircLink::becameAvailable);
        panel.startUpDDE();
        QVERIFY(available.count() > 0 || available.wait(helperStartWaitMs));

        QVERIFY(refreshUntilListed(panel, 2));
        const QTreeWidget* tree = panel.tree();
        QCOMPARE(tree->topLevelItem(0)->text(0), QString("alpha (7.71)"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QString("beta (7.52)"));
        QTreeWidgetItem* scripts = tree->topLevelItem(0);
        QCOMPARE(scripts->childCount(), 2);
        QCOMPARE(scripts->child(0)->text(0), QString("one.mrc"));
        QCOMPARE(scripts->child(0)->data(0, MircSyncPanel::filePathRole).toString(), QString("C:\\mirc\\one.mrc"));
        QCOMPARE(tree->topLevelItem(1)->childCount(), 0);

        QStringList entries;
        MenuProbe::answerNext(&panel, entries, "Reload one.mrc (no on load)");
        panel.tree()->setCurrentItem(scripts->child(0));
        panel.mircRightclickMenu(QPoint(1, 1));
        QCOMPARE(fakes.performed(alpha), QStringList{"/!.reload -rs \"C:\\mirc\\one.mrc\""});
        // The path copied is where Korvel finds the file, inside the prefix.
        MenuProbe::answerNext(&panel, entries, "Copy to clipboard full filename");
        panel.mircRightclickMenu(QPoint(1, 1));
        const QString driveC = QFileInfo(settings.prefix + "/dosdevices/c:").canonicalFilePath();
        QCOMPARE(QApplication::clipboard()->text(), driveC + "/mirc/one.mrc");

        // A helper that has died is started again by the next refresh, and
        // the refresh after it lists the instances again.
        const qint64 helper = link->helperProcessId();
        QVERIFY(helper > 0);
        ::kill(pid_t(helper), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT((panel.updateDDE(), link->isReady() && link->helperProcessId() != helper),
                                 helperStartWaitMs);
        QVERIFY(refreshUntilListed(panel, 2));
    }
};

QTEST_MAIN(MircWineTest)

#include "tst_mircwine.moc"
