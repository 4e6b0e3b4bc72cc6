#include "AppTestHelpers.h"

#include "FakeMircLink.h"
#include "MenuProbe.h"
#include "mirc/MircSyncPanel.h"

#include <QTreeWidget>

using namespace AppTests;

// The mIRC Sync dock inside the main window: scripts reach tabs through the
// window's one way of opening files.
class SyncDockTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QStringList scripts;

    // A main window whose link shows one instance with `scripts` loaded,
    // once its first look for mIRC has run (when `scanned`); none when that
    // look listed nothing in time.
    std::unique_ptr<MainWindow> windowWithInstance(bool scanned = true)
    {
        QString state = "ddename work";
        for (const QString& path : std::as_const(scripts))
            state += "\nscript " + path;
        setMircLinkFactory([state] {
            auto link = std::make_unique<FakeMircLink>();
            link->add(0x10, state);
            return link;
        });
        auto window = std::make_unique<MainWindow>();
        const bool listed =
            !scanned || QTest::qWaitFor([&window] { return window->mircSyncPanel()->tree()->topLevelItemCount() > 0; });
        setMircLinkFactory([] { return std::make_unique<FakeMircLink>(); });
        return listed ? std::move(window) : nullptr;
    }

private slots:
    void initTestCase()
    {
        useSettingsDir(dir);
        for (const char* name : {"c.mrc", "a.mrc", "b.ini"})
            scripts.append(writeFile(dir, name, "alias x { echo -a x }\r\n"));
    }

    void theDockListsTheInstanceAtStart()
    {
        const auto w = windowWithInstance(false);
        const QTreeWidget* tree = w->mircSyncPanel()->tree();
        // Not while the window is built: a busy mIRC must not hold it.
        QCOMPARE(tree->topLevelItemCount(), 0);
        QTRY_COMPARE(tree->topLevelItemCount(), 1);
    }

    // Open All Files opens the instance's scripts in the tree's order, a
    // script already open keeping its tab; opening one of them again from
    // the tree only brings its tab forward.
    void scriptsOfTheTreeOpenOnce()
    {
        const auto w = windowWithInstance();
        QVERIFY(w);
        w->openScript(QFileInfo(scripts.at(2)), false);
        QTreeWidget* tree = w->mircSyncPanel()->tree();
        tree->setCurrentItem(tree->topLevelItem(0));
        QStringList entries;
        MenuProbe::answerNext(w.get(), entries, "&Open All Files");
        w->mircSyncPanel()->mircRightclickMenu(QPoint(1, 1));
        QCOMPARE(tabTexts(*w), (QStringList{"b.ini", "a.mrc", "c.mrc"}));
        QCOMPARE(w->tabArea()->currentIndex(), 2);
        QVERIFY(!w->scriptWindows().last()->isReadOnly());

        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        QCOMPARE(tree->currentItem()->text(0), QString("a.mrc"));
        w->mircSyncPanel()->openFromDDE(tree->currentIndex());
        QCOMPARE(tabTexts(*w), (QStringList{"b.ini", "a.mrc", "c.mrc"}));
        QCOMPARE(w->tabArea()->currentIndex(), 1);
    }
};

KORVEL_TEST(SyncDockTest)
#include "tst_SyncDock.moc"
