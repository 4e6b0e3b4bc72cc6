#include "KorvelResources.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QStandardPaths>

// The main() of a test program whose classes register with KORVEL_TEST,
// each in its own file.
int main(int argc, char* argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    initKorvelResources();
    return TestRegistry::runAll(argc, argv) == 0 ? 0 : 1;
}
