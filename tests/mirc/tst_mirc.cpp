#include "KorvelResources.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <memory>

// Each test class of the mIRC link lives in its own file.
std::unique_ptr<QObject> makeSyncPanelTest();
std::unique_ptr<QObject> makeBridgeClientTest();

int main(int argc, char* argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    initKorvelResources();
    int failures = 0;
    for (auto make : {makeSyncPanelTest, makeBridgeClientTest})
        failures += QTest::qExec(make().get(), argc, argv);
    return failures == 0 ? 0 : 1;
}
