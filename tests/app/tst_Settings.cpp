#include "AppTestHelpers.h"
#include "AppTestMain.h"

#include <QDockWidget>
#include <QTest>
#include <QToolBar>

using namespace AppTests;

class SettingsTest : public QObject
{
    Q_OBJECT

private:
    struct Shown {
        bool syncDock, messageDock, mainToolbar, formatToolbar, wordWrap;
    };

    static Shown shown(const MainWindow& w)
    {
        return { !w.findChild<QDockWidget*>("mIRCSync")->isHidden(),
                 !w.findChild<QDockWidget*>("msgArea")->isHidden(),
                 !w.findChild<QToolBar*>("mainToolbar")->isHidden(),
                 !w.findChild<QToolBar*>("colorToolbar")->isHidden(),
                 action(w, "Word wrap")->isChecked() };
    }

    static QVariant stored(const QTemporaryDir& dir, const char* file, const char* key)
    {
        return QSettings(dir.filePath(QStringLiteral("Korvel/%1.ini").arg(file)), QSettings::IniFormat)
            .value(key);
    }

private slots:
    void firstStartUsesDefaults()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        MainWindow w;
        const Shown s = shown(w);
        QVERIFY(s.syncDock);
        QVERIFY(s.messageDock);
        QVERIFY(s.mainToolbar);
        QVERIFY(!s.formatToolbar);
        QVERIFY(!s.wordWrap);
        QVERIFY(action(w, "Sync Bar")->isChecked());
        QVERIFY(action(w, "Debug Window")->isChecked());
        QVERIFY(action(w, "Main Toolbar")->isChecked());
        QVERIFY(!action(w, "Format Toolbar")->isChecked());

        // Written back unchanged, including the automatic update check.
        QCOMPARE(exitProgram(w), 0);
        QCOMPARE(stored(dir, "settings", "chkup").toBool(), true);
        QCOMPARE(stored(dir, "settings", "formatToolBar").toBool(), false);
        QVERIFY(!stored(dir, "general", "initGeo").toByteArray().isEmpty());
    }

    void choicesSurviveARestart_data()
    {
        QTest::addColumn<bool>("flip");
        QTest::newRow("all flipped") << true;
        QTest::newRow("defaults kept") << false;
    }

    void choicesSurviveARestart()
    {
        QFETCH(bool, flip);
        QTemporaryDir dir;
        useSettingsDir(dir);
        {
            MainWindow w;
            w.show();
            if (flip) {
                action(w, "Word wrap")->setChecked(true);
                action(w, "Sync Bar")->setChecked(false);
                action(w, "Debug Window")->setChecked(false);
                action(w, "Main Toolbar")->setChecked(false);
                action(w, "Format Toolbar")->setChecked(true);
            }
            w.close();
        }
        MainWindow again;
        const Shown s = shown(again);
        QCOMPARE(s.wordWrap, flip);
        QCOMPARE(s.syncDock, !flip);
        QCOMPARE(s.messageDock, !flip);
        QCOMPARE(s.mainToolbar, !flip);
        QCOMPARE(s.formatToolbar, flip);
        QCOMPARE(action(again, "Sync Bar")->isChecked(), !flip);
        QCOMPARE(action(again, "Format Toolbar")->isChecked(), flip);
    }

    void dockClosedByItsOwnButtonComesBack()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        {
            MainWindow w;
            // What the dock's title-bar button does: the menu check stays.
            w.findChild<QDockWidget*>("msgArea")->close();
            QCOMPARE(exitProgram(w), 0);
        }
        QCOMPARE(stored(dir, "settings", "msgBar").toBool(), true);
        MainWindow again;
        QVERIFY(action(again, "Debug Window")->isChecked());
    }

    void hiddenToolbarIsSavedAsHidden()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        MainWindow w;
        // Hidden without the Window menu (the toolbar area's own menu).
        w.findChild<QToolBar*>("mainToolbar")->hide();
        QCOMPARE(exitProgram(w), 0);
        QCOMPARE(stored(dir, "settings", "mainToolBar").toBool(), false);
    }

    void unreadableValuesFallBackToDefaults()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        QDir().mkpath(dir.filePath("Korvel"));
        writeFile(dir, "Korvel/general.ini", "[General]\ninitGeo=@ByteArray(garbage\ninitState=\x01\x02\n");
        writeFile(dir, "Korvel/settings.ini", "\xff\xfe\x00 not an ini file\n[[[\n");
        MainWindow w;
        const Shown s = shown(w);
        QVERIFY(s.syncDock);
        QVERIFY(s.messageDock);
        QVERIFY(s.mainToolbar);
        QVERIFY(!s.formatToolbar);
    }
};

KORVEL_APP_TEST(SettingsTest)
#include "tst_Settings.moc"
