#include "AppTestMain.h"

#include "FakeMircLink.h"
#include "KorvelResources.h"
#include "checker/TextFormats.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <vector>

namespace {

std::vector<std::function<QObject*()>>& registry()
{
    static std::vector<std::function<QObject*()>> tests;
    return tests;
}

} // namespace

int AppTests::registerTest(std::function<QObject*()> make)
{
    registry().push_back(std::move(make));
    return int(registry().size());
}

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

    int failures = 0;
    for (const auto& make : registry()) {
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
