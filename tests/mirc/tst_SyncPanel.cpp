#include "FakeMircLink.h"
#include "MenuProbe.h"
#include "TestRegistry.h"
#include "mirc/MircSyncPanel.h"

#include <QClipboard>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

const QString scriptPath = QStringLiteral("C:\\mIRC\\scripts\\away.mrc");

// The texts of the entries under `item` (the tree's invisible root for
// the instances).
QStringList childTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

// Runs `call` on the panel and waits until the tree shows what it asked.
bool refreshed(MircSyncPanel& panel, void (MircSyncPanel::*call)() = &MircSyncPanel::updateDDE)
{
    QSignalSpy shown(&panel, &MircSyncPanel::refreshed);
    (panel.*call)();
    return shown.wait(MircSyncPanel::refreshDeadlineMs);
}

// Opens the context menu of `item` as a right click would, answering it
// with MenuProbe::answerNext.
void rightClick(MircSyncPanel& panel, QTreeWidgetItem* item)
{
    panel.tree()->setCurrentItem(item);
    panel.mircRightclickMenu(panel.tree()->visualItemRect(item).center());
}

} // namespace

class SyncPanelTest : public QObject {
    Q_OBJECT

    FakeMircLink* link = nullptr;
    std::unique_ptr<MircSyncPanel> panel;

private slots:
    void init() { panel = std::make_unique<MircSyncPanel>(link = new FakeMircLink); }
    void cleanup() { panel.reset(); }

    void instancesAreSortedWithTheirScripts()
    {
        // With no mIRC running the empty tree is explained; the first
        // instance found takes the explanation away.
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        QVERIFY(panel->statusLine()->text().startsWith(QStringLiteral("No running mIRC")));
        link->add(0x20, "ddename zeta\nscript C:\\z\\b.mrc\nscript \nscript C:\\z\\a.ini");
        link->add(0x10, "ddename alpha\nversion 7.52");
        QVERIFY(refreshed(*panel));
        QVERIFY(panel->statusLine()->text().isEmpty());

        const QTreeWidget* tree = panel->tree();
        QCOMPARE(childTexts(tree->invisibleRootItem()), (QStringList{"alpha (7.52)", "zeta (7.71)"}));
        const QTreeWidgetItem* alpha = tree->topLevelItem(0);
        const QTreeWidgetItem* zeta = tree->topLevelItem(1);
        QCOMPARE(alpha->childCount(), 0);
        // The empty path mIRC reported for the second script is skipped.
        QCOMPARE(childTexts(zeta), (QStringList{"a.ini", "b.mrc"}));
        QCOMPARE(zeta->data(0, MircSyncPanel::windowHandleRole).value<MircWindowHandle>(), MircWindowHandle{0x20});
    }

    void aRefreshKeepsExpandedInstancesAndShowsChanges()
    {
        link->add(0x20, "ddename zeta\nscript C:\\z\\b.mrc");
        link->add(0x10, "ddename alpha\nscript C:\\a\\a.mrc");
        link->add(0x30, "ddename gone");
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        QTreeWidgetItem* zeta = panel->tree()->findItems("zeta (7.71)", Qt::MatchExactly).value(0);
        zeta->setExpanded(true);
        QTreeWidgetItem* selected = zeta->child(0);
        panel->tree()->setCurrentItem(selected);

        link->instances.removeLast();
        link->state(MircWindowHandle{0x10})->perform(L"/!.load -rs \"C:\\a\\new.mrc\"");
        QVERIFY(refreshed(*panel));

        const QTreeWidget* tree = panel->tree();
        QCOMPARE(childTexts(tree->invisibleRootItem()), (QStringList{"alpha (7.71)", "zeta (7.71)"}));
        QCOMPARE(tree->topLevelItem(1)->isExpanded(), true);
        QCOMPARE(tree->topLevelItem(0)->isExpanded(), false);
        QCOMPARE(childTexts(tree->topLevelItem(0)), (QStringList{"a.mrc", "new.mrc"}));
        QCOMPARE(tree->currentItem(), selected);

        // An instance that stops answering keeps its entry and scripts,
        // marked; one never heard of is named as such; the status line says so.
        link->instances.first().state = FakeMircState::parse(L"hang 1");
        link->add(0x40, "hang 1");
        QVERIFY(refreshed(*panel));
        QCOMPARE(childTexts(tree->invisibleRootItem()),
                 (QStringList{"alpha (7.71)", "mIRC (its name could not be read) (not answering)",
                              "zeta (7.71) (not answering)"}));
        QCOMPARE(tree->currentItem(), selected);
        QVERIFY(panel->statusLine()->isVisibleTo(panel.get()));
    }

    void noRefreshWhileAMenuIsOpen()
    {
        link->add(0x10, "ddename alpha");
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        QStringList entries;
        int listedWhileOpen = -1;
        MenuProbe::answerNext(panel.get(), entries, QString(), [&] {
            link->add(0x20, "ddename beta");
            panel->updateDDE(); // not while the menu is open
            listedWhileOpen = panel->tree()->topLevelItemCount();
        });
        rightClick(*panel, panel->tree()->topLevelItem(0));
        QCOMPARE(listedWhileOpen, 1);
        QVERIFY(!panel->isMenuOpen());
        QCOMPARE(panel->tree()->topLevelItemCount(), 1); // the menu does not refresh
        QVERIFY(refreshed(*panel));
        QCOMPARE(panel->tree()->topLevelItemCount(), 2);
    }

    void instanceMenuFollowsRemote_data()
    {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("listenChecks"); // Ctcps, Events, Raw
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QString>("sent");
        const auto row = [](const char* name, const char* remote, const char* checks, const char* choose,
                            const char* sent) { QTest::newRow(name) << remote << checks << choose << sent; };
        row("5: Raw switches raw off", "5", "x x", "Set &Listen Options:/&Raw", "/!.raw off");
        row("5: Off", "5", "x x", "Set &Remote Option:/O&ff", "/!.remote off");
        row("0: On", "0", "   ", "Set &Remote Option:/O&n", "/!.remote on");
        row("0: Ctcps switches ctcps on", "0", "   ", "Set &Listen Options:/&Ctcps", "/!.ctcps on");
        row("0: Off is disabled", "0", "   ", "Set &Remote Option:/O&ff", "");
        row("$scriptdir", "7", "xxx", "Open $scriptdir", "/!.run $qt($scriptdir)");
    }

    void instanceMenuFollowsRemote()
    {
        QFETCH(QString, remote);
        QFETCH(QString, listenChecks);
        QFETCH(QString, choose);
        QFETCH(QString, sent);

        link->add(0x10, "remote " + remote);
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        QStringList entries;
        MenuProbe::answerNext(panel.get(), entries, choose);
        rightClick(*panel, panel->tree()->topLevelItem(0));

        const auto check = [&](int i) { return QStringLiteral(" [%1]").arg(listenChecks.at(i)); };
        const bool on = remote != "0";
        QCOMPARE(entries,
                 (QStringList{"Set &Listen Options:", "Set &Listen Options:/&Ctcps" + check(0),
                              "Set &Listen Options:/&Events" + check(1), "Set &Listen Options:/&Raw" + check(2),
                              "Set &Remote Option:", QStringLiteral("Set &Remote Option:/O&ff") + (on ? "" : " (off)"),
                              QStringLiteral("Set &Remote Option:/O&n") + (on ? " (off)" : ""), "Open $scriptdir",
                              "Open $mircdir", "&Open All Files"}));
        QCOMPARE(link->performed(MircWindowHandle{0x10}), sent.isEmpty() ? QStringList() : QStringList{sent});
    }

    void scriptMenuEntries_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("choose");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("clipboard");
        const auto row = [](const char* name, const QString& path, const QString& choose, const QString& sent,
                            const QString& clipboard) { QTest::newRow(name) << path << choose << sent << clipboard; };

        row("unload", scriptPath, "Unload away.mrc", R"(/!.unload -rs "C:\mIRC\scripts\away.mrc")", QString());
        row("reload with on load", scriptPath, "Reload away.mrc (trigger on load)",
            R"(/!.load -rs "C:\mIRC\scripts\away.mrc")", QString());
        // "Sync" and "(no on load)" send the very same command.
        row("reload without on load", scriptPath, "Reload away.mrc (no on load)",
            R"(/!.reload -rs "C:\mIRC\scripts\away.mrc")", QString());
        row("sync", scriptPath, "Sync away.mrc", R"(/!.reload -rs "C:\mIRC\scripts\away.mrc")", QString());
        row("containing folder", scriptPath, "Open containing folder", R"(/!.run "C:\mIRC\scripts")", QString());
        row("a quote in the path goes in unchanged", R"(C:\my "best"\away.mrc)", "Unload away.mrc",
            R"(/!.unload -rs "C:\my "best"\away.mrc")", QString());
        row("copy file name", scriptPath, "Copy to clipboard filename", QString(), "away.mrc");
        row("copy folder", scriptPath, "Copy to clipboard filepath", QString(), R"(C:\mIRC\scripts)");
        row("copy full name", scriptPath, "Copy to clipboard full filename", QString(), scriptPath);
    }

    void scriptMenuEntries()
    {
        QFETCH(QString, path);
        QFETCH(QString, choose);
        QFETCH(QString, sent);
        QFETCH(QString, clipboard);

        link->add(0x10, "script " + path);
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        QApplication::clipboard()->clear();
        QStringList entries;
        MenuProbe::answerNext(panel.get(), entries, choose);
        rightClick(*panel, panel->tree()->topLevelItem(0)->child(0));

        QCOMPARE(entries,
                 (QStringList{"Open away.mrc", "Unload away.mrc", "Reload away.mrc (trigger on load)",
                              "Reload away.mrc (no on load)", "Sync away.mrc", "Copy to clipboard filename",
                              "Copy to clipboard filepath", "Copy to clipboard full filename",
                              "Open containing folder"}));
        QCOMPARE(link->performed(MircWindowHandle{0x10}), sent.isEmpty() ? QStringList() : QStringList{sent});
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    void aPathTooLongForMircIsRefusedOnTheStatusLine()
    {
        // The command with its quotes is one character too long.
        const QString prefix = QStringLiteral("/!.unload -rs \"\"");
        const QString longPath =
            "C:\\" + QString(int(MircSharedMemoryLayout::maxTextLength) - prefix.size() - 3 + 1, 'x');
        link->add(0x10, "script " + longPath);
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        QStringList entries;
        MenuProbe::answerNext(panel.get(), entries, "Unload " + longPath.mid(3));
        rightClick(*panel, panel->tree()->topLevelItem(0)->child(0));

        QVERIFY(panel->statusLine()->text().contains(longPath));
        QCOMPARE(link->performed(MircWindowHandle{0x10}), QStringList());

        // One character less fits, and goes.
        link->instances.first().state = FakeMircState::parse(("script " + longPath.chopped(1)).toStdWString());
        QVERIFY(refreshed(*panel));
        MenuProbe::answerNext(panel.get(), entries, "Unload " + longPath.mid(3).chopped(1));
        rightClick(*panel, panel->tree()->topLevelItem(0)->child(0));
        QCOMPARE(link->performed(MircWindowHandle{0x10}).size(), 1);
    }

    void doubleClickOpensScriptsOnly()
    {
        link->add(0x10, "script " + scriptPath);
        QVERIFY(refreshed(*panel, &MircSyncPanel::startUpDDE));
        panel->resize(300, 200);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QSignalSpy opened(panel.get(), &MircSyncPanel::openScriptRequested);
        QTreeWidget* tree = panel->tree();
        QTreeWidgetItem* instance = tree->topLevelItem(0);

        const auto doubleClick = [tree](QTreeWidgetItem* item) {
            const QPoint at = tree->visualItemRect(item).center();
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        };
        doubleClick(instance);
        QCOMPARE(opened.count(), 0);
        QVERIFY(instance->isExpanded());
        doubleClick(instance->child(0));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().value<QFileInfo>(), QFileInfo(scriptPath));
    }
};

KORVEL_TEST(SyncPanelTest)

#include "tst_SyncPanel.moc"
