#include "AppTestHelpers.h"

using namespace AppTests;

namespace {

QDockWidget* dock(const MainWindow& w, const char* name)
{
    return w.findChild<QDockWidget*>(QString::fromLatin1(name));
}

// Room for the dock's whole title beside its float and close buttons.
int titleRoom(const QDockWidget* d)
{
    return d->fontMetrics().horizontalAdvance(d->windowTitle())
        + 2 * d->style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private:
    // The parts a user can show or hide, each named by its menu entry. Lists
    // the shown ones, and any whose menu check says otherwise.
    static QStringList shown(const MainWindow& w)
    {
        const char* const parts[][2] = {{"Sync Bar", "mIRCSync"},
                                        {"Debug Window", "msgArea"},
                                        {"Main Toolbar", "mainToolbar"},
                                        {"Format Toolbar", "colorToolbar"}};
        QStringList result;
        for (const auto& [entry, name] : parts) {
            const bool visible = !w.findChild<QWidget*>(name)->isHidden();
            if (visible)
                result << entry;
            if (action(w, entry)->isChecked() != visible)
                result << QStringLiteral("%1 checked %2").arg(entry).arg(!visible);
        }
        if (action(w, "Word wrap")->isChecked())
            result << "Word wrap";
        return result;
    }

    static const inline QStringList defaults{"Sync Bar", "Debug Window", "Main Toolbar"};

private slots:
    void choicesSurviveARestart_data() { boolRows("flip", "defaults kept", "all flipped"); }

    void choicesSurviveARestart()
    {
        QFETCH(bool, flip);
        QTemporaryDir dir;
        useSettingsDir(dir);
        {
            MainWindow w;
            w.show();
            QCOMPARE(shown(w), defaults); // a first start
            if (flip) {
                for (const char* entry : {"Sync Bar", "Debug Window", "Main Toolbar", "Format Toolbar", "Word wrap"})
                    action(w, entry)->toggle();
            }
            w.close();
        }

        MainWindow again;
        QCOMPARE(shown(again), (flip ? QStringList{"Format Toolbar", "Word wrap"} : defaults));
    }

    // A dock closed with its own title-bar button keeps its menu check and
    // comes back; a toolbar hidden from the toolbar area's own menu is saved
    // as it is.
    void hiddenWithoutTheWindowMenu_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("saved");
        QTest::newRow("message dock") << "msgArea"
                                      << "msgBar" << true;
        QTest::newRow("main toolbar") << "mainToolbar"
                                      << "mainToolBar" << false;
    }

    void hiddenWithoutTheWindowMenu()
    {
        QFETCH(QString, widget);
        QFETCH(QString, key);
        QTemporaryDir dir;
        useSettingsDir(dir);
        {
            MainWindow w;
            w.findChild<QWidget*>(widget)->close();
            QCOMPARE(exitProgram(w), 0);
        }
        QTEST(QSettings(settingsFile(dir, "settings"), QSettings::IniFormat).value(key).toBool(), "saved");
    }

    void unreadableValuesFallBackToDefaults()
    {
        QTemporaryDir dir;
        useSettingsDir(dir);
        QDir().mkpath(dir.filePath("Korvel"));
        writeFile(dir, "Korvel/general.ini", "[General]\ninitGeo=@ByteArray(garbage\ninitState=\x01\x02\n");
        writeFile(dir, "Korvel/settings.ini", "\xff\xfe\x00 not an ini file\n[[[\n");
        QCOMPARE(shown(MainWindow()), defaults);
    }

    // A first start has no stored layout: every dock still opens big enough
    // to show its title and a few rows. The sizes the user leaves the docks
    // at come back instead (the message dock within the height it opens at).
    void firstStartSizesThenTheStoredLayout()
    {
        QTemporaryDir settings;
        useSettingsDir(settings);
        int syncWidth = 0;
        int messageHeight = 0;
        {
            MainWindow first;
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            for (const char* name : {"mIRCSync", "msgArea"}) {
                const QDockWidget* d = dock(first, name);
                QVERIFY2(d->width() >= titleRoom(d), name);
                QVERIFY2(d->height() >= 120, name);
            }
            QTRY_COMPARE(dock(first, "msgArea")->maximumHeight(), 500);
            first.resizeDocks({dock(first, "mIRCSync")}, {360}, Qt::Horizontal);
            first.resizeDocks({dock(first, "msgArea")}, {100}, Qt::Vertical);
            QTRY_VERIFY(dock(first, "mIRCSync")->width() > 300);
            syncWidth = dock(first, "mIRCSync")->width();
            messageHeight = dock(first, "msgArea")->height();
            QVERIFY(first.close());
        }
        MainWindow again;
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTRY_COMPARE(dock(again, "msgArea")->maximumHeight(), 500);
        QTRY_COMPARE(dock(again, "mIRCSync")->width(), syncWidth);
        QCOMPARE(dock(again, "msgArea")->height(), messageHeight);
    }
};

KORVEL_TEST(SettingsTest)
#include "tst_Settings.moc"
