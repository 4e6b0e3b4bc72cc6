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
            // A first start: both docks and the main toolbar shown, no wrap.
            const Shown first = shown(w);
            QVERIFY(first.syncDock && first.messageDock && first.mainToolbar);
            QVERIFY(!first.formatToolbar && !first.wordWrap);
            QVERIFY(action(w, "Sync Bar")->isChecked() && action(w, "Debug Window")->isChecked());
            QVERIFY(action(w, "Main Toolbar")->isChecked() && !action(w, "Format Toolbar")->isChecked());
            if (flip) {
                action(w, "Word wrap")->setChecked(true);
                action(w, "Sync Bar")->setChecked(false);
                action(w, "Debug Window")->setChecked(false);
                action(w, "Main Toolbar")->setChecked(false);
                action(w, "Format Toolbar")->setChecked(true);
            }
            w.close();
        }
        QCOMPARE(stored(dir, "settings", "chkup").toBool(), true);
        QCOMPARE(stored(dir, "settings", "formatToolBar").toBool(), flip);
        QVERIFY(!stored(dir, "general", "initGeo").toByteArray().isEmpty());
        QVERIFY(!stored(dir, "general", "initState").toByteArray().isEmpty());

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

    // A dock closed with its own title-bar button keeps its menu check and
    // comes back; a toolbar hidden from the toolbar area's own menu is saved
    // as it is.
    void hiddenWithoutTheWindowMenu_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("message dock") << "msgArea" << "msgBar" << true;
        QTest::newRow("main toolbar") << "mainToolbar" << "mainToolBar" << false;
    }

    void hiddenWithoutTheWindowMenu()
    {
        QFETCH(QString, widget);
        QFETCH(QString, key);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        useSettingsDir(dir);
        {
            MainWindow w;
            w.findChild<QWidget*>(widget)->close();
            QCOMPARE(exitProgram(w), 0);
        }
        QCOMPARE(stored(dir, "settings", key.toLatin1()).toBool(), saved);
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
