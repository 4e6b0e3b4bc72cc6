#include "FakeMircLink.h"
#include "KorvelResources.h"
#include "TestRegistry.h"
#include "checker/TextFormats.h"

#include <QApplication>
#include <QStandardPaths>

#include <memory>

int main(int argc, char* argv[])
{
    // Settings and other per-user files go to a throw-away place.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // No test of the shell talks to a real mIRC (nor starts Wine for one):
    // main windows get a link to no instances unless a test says otherwise.
    setMircLinkFactory([] { return std::make_unique<FakeMircLink>(); });
    initKorvelResources();
    TextFormats::build();

    return TestRegistry::runAll(argc, argv) == 0 ? 0 : 1;
}
