// Prints how long the editor takes for its whole-document operations on a
// large script: loading it into a script window, folding and unfolding every
// component, going to the middle offset and line, and painting a screen of
// the gutter.
#include "KorvelResources.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int components = 20000;
constexpr int linesPerComponent = 5; // header, three body lines, closing brace

void report(const char* what, qint64 nanoseconds)
{
    std::printf("%-40s %10.2f ms\n", what, double(nanoseconds) / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initKorvelResources();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.mrc"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (int i = 0; i < components; ++i)
            file.write(QStringLiteral("alias a%1 {\r\n  var %x = $calc(%y + 1)\r\n  echo -a %x\r\n"
                                      "  return %x\r\n}\r\n")
                           .arg(i)
                           .toUtf8());
    }
    std::printf("script: %d lines, %lld bytes\n", components * linesPerComponent, QFileInfo(path).size());

    MdiChildEditor win;
    win.resize(800, 600);
    win.show();
    QElapsedTimer timer;
    timer.start();
    win.loadDocument(QFileInfo(path), false, false);
    report("load into the window, checked", timer.nsecsElapsed());

    MslTextEditor* editor = win.getEditor();

    timer.restart();
    editor->foldAll();
    app.processEvents();
    report("fold all", timer.nsecsElapsed());

    timer.restart();
    editor->unfoldAll();
    app.processEvents();
    report("unfold all", timer.nsecsElapsed());

    timer.restart();
    editor->gotoOffset(int(editor->document()->characterCount() / 2));
    report("go to the middle offset", timer.nsecsElapsed());

    timer.restart();
    editor->gotoLine(components * linesPerComponent / 2);
    report("go to the middle line", timer.nsecsElapsed());
    app.processEvents();
    constexpr int paints = 50;
    timer.restart();
    for (int i = 0; i < paints; ++i)
        editor->viewport()->parentWidget()->grab();
    report("paint editor and gutter (per screen)", timer.nsecsElapsed() / paints);
    return 0;
}
