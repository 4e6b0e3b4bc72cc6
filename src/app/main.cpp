#include "InstanceChannel.h"
#include "KorvelResources.h"
#include "KorvelVersion.h"
#include "MainWindow.h"
#include "checker/TextFormats.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    QApplication::setApplicationVersion(korvelVersionText());

    // Qt has taken its own options out of the arguments; what is left names
    // scripts to open, as a desktop's "Open With" or a file manager passes them.
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Korvel, an IDE for mIRC scripts."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Scripts to open."),
                                  QStringLiteral("[FILE...]"));
    options.process(app);

    // Names as the user gave them, relative to this start's folder, which
    // the running Korvel does not share.
    QStringList files;
    for (const QString& path : options.positionalArguments())
        files.append(QFileInfo(path).absoluteFilePath());
    InstanceChannel channel(InstanceChannel::nameForSettings());
    if (channel.handOver(files))
        return 0;

    initKorvelResources();
    // Every highlighter shares these; build them before the first window.
    TextFormats::build();

    MainWindow window;
    window.show();
    // A name that does not exist yet opens as an empty script saved under it.
    for (const QString& path : std::as_const(files))
        window.openScript(QFileInfo(path), false);

    // Later starts hand their files to this window, which comes forward.
    QObject::connect(&channel, &InstanceChannel::filesReceived, &window, [&window](const QStringList& handed) {
        for (const QString& path : handed)
            window.openScript(QFileInfo(path), false);
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.raise();
        window.activateWindow();
    });
    channel.listen();
    return app.exec();
}
