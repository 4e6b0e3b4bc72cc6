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

private slots:
    // The first look for mIRC comes once the window is built: a busy mIRC
    // must not hold it. Open All Files opens the instance's scripts in the
    // tree's order, a script already open keeping its tab; opening one of
    // them again from the tree only brings its tab forward.
    void scriptsOfTheInstanceOpenOnce()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        QStringList scripts;
        QString state = "ddename work";
        for (const char* name : {"c.mrc", "a.mrc", "b.ini"}) {
            scripts << writeFile(dir, name, "alias x { echo -a x }\r\n");
            state += "\nscript " + scripts.last();
        }
        setMircLinkFactory([state] {
            auto link = std::make_unique<FakeMircLink>();
            link->add(0x10, state);
            return link;
        });
        MainWindow w;
        setMircLinkFactory([] { return std::make_unique<FakeMircLink>(); });
        QTreeWidget* tree = w.mircSyncPanel()->tree();
        QCOMPARE(tree->topLevelItemCount(), 0);
        QTRY_COMPARE(tree->topLevelItemCount(), 1);

        w.openScript(QFileInfo(scripts.at(2)), false);
        tree->setCurrentItem(tree->topLevelItem(0));
        QStringList entries;
        MenuProbe::answerNext(&w, entries, "&Open All Files");
        w.mircSyncPanel()->mircRightclickMenu(QPoint(1, 1));
        QCOMPARE(tabTexts(w), (QStringList{"b.ini", "a.mrc", "c.mrc"}));
        QCOMPARE(w.tabArea()->currentIndex(), 2);
        QVERIFY(!w.scriptWindows().last()->isReadOnly());

        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        QCOMPARE(tree->currentItem()->text(0), QString("a.mrc"));
        w.mircSyncPanel()->openFromDDE(tree->currentIndex());
        QCOMPARE(tabTexts(w), (QStringList{"b.ini", "a.mrc", "c.mrc"}));
        QCOMPARE(w.tabArea()->currentIndex(), 1);
    }
};

KORVEL_TEST(SyncDockTest)
#include "tst_SyncDock.moc"
