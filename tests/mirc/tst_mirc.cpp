#include "KorvelResources.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <memory>

// Each test class of the mIRC link lives in its own file.
std::unique_ptr<QObject> makeSyncPanelTest();
#ifndef _WIN32
std::unique_ptr<QObject> makeBridgeClientTest();
#endif

int main(int argc, char* argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    initKorvelResources();
    int failures = 0;
    failures += QTest::qExec(makeSyncPanelTest().get(), argc, argv);
#ifndef _WIN32
    failures += QTest::qExec(makeBridgeClientTest().get(), argc, argv);
#endif
    return failures == 0 ? 0 : 1;
}
