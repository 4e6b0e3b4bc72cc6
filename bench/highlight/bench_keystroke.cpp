// Prints the mean time of one keystroke in the middle of a 100,000-line
// script highlighted by MslSyntaxHighlighter (target: under 1 ms), and how
// many lines each keystroke had re-checked: one, unless the line's end state
// changed.
#include "BenchScript.h"
#include "MslSyntaxHighlighter.h"
#include "TextFormats.h"
#include "core/BlockState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int scriptLines = 100000;
constexpr int keystrokes = 1000;

class CountingHighlighter : public MslSyntaxHighlighter
{
public:
    using MslSyntaxHighlighter::MslSyntaxHighlighter;
    long long checkedLines = 0;

protected:
    void highlightBlock(const QString& text) override
    {
        ++checkedLines;
        MslSyntaxHighlighter::highlightBlock(text);
    }
};

bool insideCodeBody(int state)
{
    const BlockState::Kind kind = BlockState::decode(state).kind;
    return kind == BlockState::Kind::AliasBody || kind == BlockState::Kind::EventBody;
}

// A code line inside an alias or event body from the middle of the script
// on, where a user types most; the middle line itself when there is none.
QTextBlock typingLine(QTextDocument* document)
{
    const QTextBlock middle = document->findBlockByNumber(document->blockCount() / 2);
    for (QTextBlock block = middle; block.isValid(); block = block.next()) {
        const QString trimmed = block.text().trimmed();
        if (!trimmed.isEmpty() && trimmed[0].isLetter() && insideCodeBody(block.previous().userState()))
            return block;
    }
    return middle;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TextFormats::build();

    const BenchScript script = loadBenchScript(scriptLines, scriptLines);
    QPlainTextEdit editor;
    editor.resize(800, 600);
    CountingHighlighter highlighter(editor.document());
    int diagnostics = 0;
    QObject::connect(&highlighter, &MslSyntaxHighlighter::updateError,
                     [&diagnostics](int, int, QString, QString, QString, int, QString, int& id) { id = ++diagnostics; });
    editor.setPlainText(script.text);
    editor.show();
    QCoreApplication::processEvents();

    const QTextBlock line = typingLine(editor.document());
    QTextCursor cursor(line);
    const int indent = int(line.text().size() - QStringView(line.text()).trimmed().size());
    cursor.setPosition(line.position() + qMin(indent + 2, int(line.text().size())));
    editor.setTextCursor(cursor);
    std::printf("script: %s, %d lines; typing %d times into line %d: \"%s\"\n", qPrintable(script.origin),
                editor.document()->blockCount(), keystrokes, line.blockNumber() + 1, qPrintable(line.text().left(60)));

    std::vector<double> times;
    times.reserve(keystrokes);
    const long long checkedBefore = highlighter.checkedLines;
    const double processorStart = processorSeconds();
    for (int i = 0; i < keystrokes; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&editor, Qt::Key_X);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        // Repaints and other queued work happen between keystrokes, as in
        // the real editor, outside the measured time.
        QCoreApplication::processEvents();
    }
    const double processorTotal = processorSeconds() - processorStart;
    const long long checked = highlighter.checkedLines - checkedBefore;

    double sum = 0;
    for (double t : times)
        sum += t;
    std::sort(times.begin(), times.end());
    std::printf("typed line now: \"%s...\"\n", qPrintable(editor.textCursor().block().text().left(40)));
    std::printf("per keystroke: mean %.3f ms, median %.3f ms, 99th percentile %.3f ms, max %.3f ms (wall clock)\n",
                sum / keystrokes, times[keystrokes / 2], times[keystrokes * 99 / 100], times.back());
    std::printf("processor time per keystroke, including the repaints between them: %.3f ms\n",
                processorTotal * 1000 / keystrokes);
    std::printf("lines re-checked per keystroke: %.2f\n", double(checked) / keystrokes);
    std::printf("target: a mean under 1 ms\n");
    return 0;
}
