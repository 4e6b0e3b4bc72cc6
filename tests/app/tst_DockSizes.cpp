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

class DockSizesTest : public QObject {
    Q_OBJECT

private slots:
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
            QVERIFY(dock(first, "mIRCSync")->width() >= 200);
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

KORVEL_TEST(DockSizesTest)
#include "tst_DockSizes.moc"
