#include "KorvelResources.h"
#include "TestRegistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initKorvelResources();
    return TestRegistry::runAll(argc, argv);
}
