// Prints how long the editor takes for its whole-document operations on a
// large script: loading it into a script window, folding and unfolding every
// component, and painting a screen of the gutter.
#include "KorvelResources.h"
#include "checker/CBlockData.h"
#include "checker/MslSyntaxHighlighter.h"
#include "checker/core/BlockState.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>

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
    // The checker is timed by its own benchmark; here the blocks carry
    // hand-made records so that only the editor's work is measured.
    win.getHighlighter()->pauseHighlighting();

    QElapsedTimer timer;
    timer.start();
    win.loadDocument(QFileInfo(path), false, false);
    report("load into the window", timer.nsecsElapsed());

    MslTextEditor* editor = win.getEditor();
    int line = 0;
    for (QTextBlock b = editor->document()->firstBlock(); b.isValid(); b = b.next(), ++line) {
        const int inComponent = line % linesPerComponent;
        if (inComponent == 0) {
            auto* data = new CBlockData;
            data->blockName = QStringLiteral("a");
            data->opensBlock = true;
            b.setUserData(data);
        }
        b.setUserState(inComponent == linesPerComponent - 1 ? BlockState::root : BlockState::aliasBody + 1);
    }

    timer.restart();
    editor->foldAll();
    app.processEvents();
    report("fold all", timer.nsecsElapsed());

    timer.restart();
    editor->unfoldAll();
    app.processEvents();
    report("unfold all", timer.nsecsElapsed());

    editor->gotoLine(components * linesPerComponent / 2);
    app.processEvents();
    constexpr int paints = 50;
    timer.restart();
    for (int i = 0; i < paints; ++i)
        editor->viewport()->parentWidget()->grab();
    report("paint editor and gutter (per screen)", timer.nsecsElapsed() / paints);
    return 0;
}
