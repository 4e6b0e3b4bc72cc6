#include "KorvelResources.h"
#include "MainWindow.h"
#include "TextFormats.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The arguments only reach Qt; Korvel opens no file named on the command line.
    QApplication app(argc, argv);
    initKorvelResources();
    // Every highlighter shares these; build them before the first window.
    TextFormats::build();

    MainWindow window;
    window.show();
    return app.exec();
}
