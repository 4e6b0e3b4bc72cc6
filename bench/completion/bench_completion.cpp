// Prints how long the editor's typing aids take on large scripts: the
// bracket checker re-indenting 20,000 and 100,000 lines (and whether its one
// undo step restores the text exactly), opening the identifier popup in a
// script with 2,000 aliases, and one typed character while that popup
// follows the prefix.
#include "KorvelResources.h"
#include "checker/MslSyntaxHighlighter.h"
#include "editor/MslTextEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int aliasCount = 2000;
constexpr int keystrokeRuns = 20;

// The machine is shared: besides the wall time, the processor time this
// thread spent says what the work itself costs.
qint64 threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Span {
    qint64 wall;
    qint64 cpu;
};

class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart()
    {
        wall.start();
        cpuStart = threadCpuNanoseconds();
    }
    Span elapsed() const { return {wall.nsecsElapsed(), threadCpuNanoseconds() - cpuStart}; }

private:
    QElapsedTimer wall;
    qint64 cpuStart = 0;
};

void report(const char* what, Span span)
{
    std::printf("%-44s %10.2f ms wall %10.2f ms cpu\n", what, double(span.wall) / 1e6, double(span.cpu) / 1e6);
}

void reportMedianAndWorst(const char* what, std::vector<Span> spans)
{
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.cpu < b.cpu; });
    std::printf("%-44s median %8.2f ms cpu, worst %8.2f ms cpu", what, double(spans[spans.size() / 2].cpu) / 1e6,
                double(spans.back().cpu) / 1e6);
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.wall < b.wall; });
    std::printf(" (wall: median %.2f ms)\n", double(spans[spans.size() / 2].wall) / 1e6);
}

// A script whose indentation has gone wrong: every line flush left, some
// deeper than they should be, with nested blocks, comments and continued
// lines. Seven lines per component.
QString badlyIndentedScript(int lines)
{
    static const char* const component[] = {
        "alias a%1 {", "      if ($1) {", "echo -a $1 $&", "  $2", "; a { comment", "      }", "}",
    };
    constexpr int componentLines = int(std::size(component));
    QStringList text;
    for (int i = 0; i < lines; ++i) {
        const QString line = QString::fromLatin1(component[i % componentLines]);
        text << (i % componentLines == 0 ? line.arg(i / componentLines) : line);
    }
    return text.join(QLatin1Char('\n'));
}

struct Editor {
    MslTextEditor editor;
    MslSyntaxHighlighter highlighter{editor.document()};

    explicit Editor(const QString& text)
    {
        editor.setHighlighter(&highlighter);
        editor.resize(900, 700);
        editor.setPlainText(text);
        editor.show();
        QApplication::setActiveWindow(&editor);
        editor.setFocus();
        QTest::qWaitForWindowActive(&editor);
    }
};

void benchBracketChecker(int lines)
{
    const QString script = badlyIndentedScript(lines);
    Editor e(script);
    Stopwatch watch;
    e.editor.checkBrackets();
    char label[80];
    std::snprintf(label, sizeof label, "bracket checker, %d lines", lines);
    report(label, watch.elapsed());
    const bool changed = e.editor.toPlainText() != script;
    e.editor.undo();
    std::printf("  re-indented: %s; one undo restores the text byte for byte: %s\n", changed ? "yes" : "NO",
                e.editor.toPlainText() == script ? "yes" : "NO");
}

void benchIdentifierPopup()
{
    QStringList text;
    for (int i = 0; i < aliasCount; ++i)
        text << QStringLiteral("alias helper%1 {").arg(i) << QStringLiteral("  return $calc($1 + %1)").arg(i)
             << QStringLiteral("}");
    text << QStringLiteral("alias last {") << QStringLiteral("  echo ");
    Editor e(text.join(QLatin1Char('\n')));
    QTextCursor end = e.editor.textCursor();
    end.movePosition(QTextCursor::End);
    e.editor.setTextCursor(end);
    QCompleter* completer = e.editor.completer(MslTextEditor::CompletionKind::Identifier);

    std::vector<Span> open;
    std::vector<Span> typed;
    for (int run = 0; run < keystrokeRuns; ++run) {
        Stopwatch watch;
        QTest::keyClick(&e.editor, '$');
        QApplication::processEvents();
        open.push_back(watch.elapsed());
        if (!completer->popup()->isVisible()) {
            std::printf("the identifier popup did not open\n");
            return;
        }
        watch.restart();
        QTest::keyClick(completer->popup(), 'h');
        QApplication::processEvents();
        typed.push_back(watch.elapsed());
        QTest::keyClick(completer->popup(), Qt::Key_Escape);
        QTest::keyClick(&e.editor, ' ');
    }
    std::printf("identifier model: %d items\n", completer->model()->rowCount());
    reportMedianAndWorst("\"$\" to shown identifier popup", open);
    reportMedianAndWorst("typed character, popup following", typed);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initKorvelResources();
    const bool popupOnly = argc > 1 && QByteArray(argv[1]) == "popup";
    if (!popupOnly) {
        benchBracketChecker(20000);
        benchBracketChecker(100000);
    }
    benchIdentifierPopup();
    return 0;
}
