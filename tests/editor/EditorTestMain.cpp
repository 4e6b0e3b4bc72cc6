#include "TestRegistry.h"

#include <QApplication>

// The editor's test classes share one program; each runs with the same
// arguments and the program fails when any of them does.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    return TestRegistry::runAll(argc, argv);
}
