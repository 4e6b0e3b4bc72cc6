// Prints how long a script window's find bar and outline take on large
// scripts, with the checker running as it does while editing: marking every
// match while the search text is typed, Replace All, and rebuilding the
// "File Components" outline.
#include "KorvelResources.h"
#include "editor/LineEditBtn.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

constexpr int linesPerComponent = 5;

void report(const char* what, qint64 nanoseconds, const QString& note = QString())
{
    std::printf("%-44s %10.2f ms  %s\n", what, double(nanoseconds) / 1e6, qPrintable(note));
}

// Components of five lines: a header, three body lines, a closing brace.
// Every other one is a local alias, every tenth an event.
QString script(int components)
{
    QString text;
    for (int i = 0; i < components; ++i) {
        if (i % 10 == 9)
            text += QStringLiteral("on *:text:hello%1:#:{\n").arg(i);
        else
            text += QStringLiteral("alias %1a%2 {\n").arg(i % 2 ? QStringLiteral("-l ") : QString()).arg(i);
        text += QStringLiteral("  var %n = $calc(%n + 1)\n  echo -a %n\n  return %n\n}\n");
    }
    return text;
}

struct Window {
    MdiChildEditor win;
    explicit Window(const QString& text)
    {
        win.resize(1000, 700);
        win.show();
        win.loadDocument(QFileInfo(QStringLiteral("Untitled1")), true, false);
        win.getEditor()->setPlainText(text);
        QApplication::processEvents();
    }
    LineEditBtn* searchBox() { return win.findChild<LineEditBtn*>(QStringLiteral("searchBox")); }
    QLineEdit* replaceBox() { return win.findChild<QLineEdit*>(QStringLiteral("replaceBox")); }
};

// Time until the window has handled the change and painted.
template <typename Step> qint64 timed(Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    return timer.nsecsElapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initKorvelResources();

    {
        constexpr int components = 20000;
        Window w(script(components));
        w.win.openSearchBox();
        std::printf("search: %d lines\n", components * linesPerComponent);
        const auto highlight = [&w](const char* what, const char* text) {
            const qint64 t = timed([&] { w.searchBox()->setText(QString::fromLatin1(text)); });
            report(what, t, QStringLiteral("%1 marks in view").arg(w.win.getEditor()->extraSelections().size()));
        };
        highlight("highlight all \"echo\" (common word)", "echo");
        highlight("highlight all \"%n\" (first 5000 of 60000)", "%n");
        highlight("highlight all \"a19998\" (whole script)", "a19998");
        w.win.setSearchMode(SearchMode::RegularExpression);
        highlight("highlight all \"/\\$CALC/i\" (expression)", "/\\$CALC/i");
        highlight("highlight all \"/x*/\" (empty matches)", "/x*/");
    }
    {
        constexpr int components = 12500; // four "%n" in each: 50,000
        Window w(script(components));
        QTextDocument* document = w.win.getEditor()->document();
        std::printf("replace: %d lines\n", components * linesPerComponent);
        w.searchBox()->setText(QStringLiteral("%n"));
        w.replaceBox()->setText(QStringLiteral("%count"));
        const QString before = document->toPlainText();
        const qint64 replaced = timed([&] { w.win.search_replaceAll(); });
        const int made = int(document->toPlainText().count(QStringLiteral("%count")));
        document->undo();
        report("replace all 50,000 occurrences", replaced,
               QStringLiteral("%1 made, one undo restores: %2").arg(made).arg(document->toPlainText() == before));
    }
    {
        constexpr int components = 4000;
        Window w(script(components));
        std::printf("outline: %d lines\n", components * linesPerComponent);
        QTextCursor cursor(w.win.getEditor()->document());
        const auto rebuild = [&](const char* what) {
            QElapsedTimer timer;
            timer.start();
            w.win.updateObjTree();
            report(what, timer.nsecsElapsed());
        };
        rebuild("outline: first build");
        cursor.insertText(QStringLiteral("; every line moves down\n"));
        rebuild("outline: after a line added at the top");
        cursor.setPosition(w.win.getEditor()->document()->findBlockByNumber(components).position());
        cursor.insertText(QStringLiteral("  echo -a body\n"));
        rebuild("outline: after a line added in the middle");
        cursor.insertText(QStringLiteral("alias new.one {\n"));
        rebuild("outline: after an alias added in the middle");
        cursor.insertText(QStringLiteral("  "));
        rebuild("outline: after an edit in a body");
    }
    return 0;
}
