// Prints the mean time of one keystroke in the middle of a 100,000-line
// script in Korvel's editor, checked and coloured by MslSyntaxHighlighter
// (target: under 1 ms). The keystrokes type a short word into each of a
// hundred code lines from the middle on, as a user would, rather than one
// line a thousand characters long.
//
// The same keystrokes into the same lines of a plain QPlainTextEdit, whose
// highlighter paints each line with one format, give the floor: what Qt's
// editor costs without Korvel's checker, and the ratio to it.
#include "BenchScript.h"
#include "checker/MslSyntaxHighlighter.h"
#include "checker/TextFormats.h"
#include "checker/core/BlockState.h"
#include "editor/MslTextEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int scriptLines = 100000;
constexpr int keystrokes = 1000;
constexpr int keystrokesPerLine = 10;

// The floor's highlighter: one format over the whole line, nothing else.
class OneFormatHighlighter : public QSyntaxHighlighter {
public:
    explicit OneFormatHighlighter(QTextDocument* document)
        : QSyntaxHighlighter(document)
    {
        format.setForeground(Qt::darkBlue);
    }

protected:
    void highlightBlock(const QString& text) override { setFormat(0, int(text.size()), format); }

private:
    QTextCharFormat format;
};

bool insideCodeBody(int state)
{
    const BlockState::Kind kind = BlockState::decode(state).kind;
    return kind == BlockState::Kind::AliasBody || kind == BlockState::Kind::EventBody;
}

// Code lines inside alias or event bodies from the middle of the script on,
// where a user types most; any lines starting with a letter when the script
// has too few of those.
std::vector<QTextBlock> typingLines(QTextDocument* document, int count)
{
    std::vector<QTextBlock> lines;
    const QTextBlock middle = document->findBlockByNumber(document->blockCount() / 2);
    for (const bool bodiesOnly : {true, false}) {
        lines.clear();
        for (QTextBlock block = middle; block.isValid() && int(lines.size()) < count; block = block.next()) {
            const QString trimmed = block.text().trimmed();
            if (!trimmed.isEmpty() && trimmed[0].isLetter()
                && (!bodiesOnly || insideCodeBody(block.previous().userState())))
                lines.push_back(block);
        }
        if (int(lines.size()) == count)
            break;
    }
    return lines;
}

// Puts the caret two characters into the line's first word.
void placeCaret(QPlainTextEdit& editor, const QTextBlock& line)
{
    const QString text = line.text();
    const int indent = int(text.size() - QStringView(text).trimmed().size());
    QTextCursor cursor(line);
    cursor.setPosition(line.position() + qMin(indent + 2, int(text.size())));
    editor.setTextCursor(cursor);
}

// Types keystrokesPerLine characters into each of the lines (block
// numbers) and returns each keystroke's wall-clock time in milliseconds.
std::vector<double> typeInto(QPlainTextEdit& editor, const std::vector<int>& lineNumbers)
{
    std::vector<double> times;
    for (const int number : lineNumbers) {
        placeCaret(editor, editor.document()->findBlockByNumber(number));
        for (int i = 0; i < keystrokesPerLine; ++i) {
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(&editor, Qt::Key_X);
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
            // Repaints and other queued work happen between keystrokes, as
            // in the real editor, outside the measured time.
            QCoreApplication::processEvents();
        }
    }
    return times;
}

double mean(const std::vector<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum / double(values.size());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TextFormats::build();

    const BenchScript script = loadBenchScript(scriptLines, scriptLines);
    MslTextEditor editor;
    editor.resize(800, 600);
    MslSyntaxHighlighter highlighter(editor.document());
    editor.setHighlighter(&highlighter);
    editor.setScriptText(script.text);
    editor.show();
    QCoreApplication::processEvents();

    const std::vector<QTextBlock> lines = typingLines(editor.document(), keystrokes / keystrokesPerLine);
    if (lines.empty()) {
        std::printf("the script has no line to type into\n");
        return 1;
    }
    std::printf("script: %s, %d lines; typing %d characters into each of %d lines from line %d on, "
                "the first: \"%s\"\n",
                qPrintable(script.origin), editor.document()->blockCount(), keystrokesPerLine, int(lines.size()),
                lines.front().blockNumber() + 1, qPrintable(lines.front().text().left(50)));

    std::vector<int> lineNumbers;
    for (const QTextBlock& line : lines)
        lineNumbers.push_back(line.blockNumber());
    const double processorStart = processorSeconds();
    std::vector<double> times = typeInto(editor, lineNumbers);
    const int typed = int(times.size());
    const double processorTotal = processorSeconds() - processorStart;

    const double korvelMean = mean(times);
    std::sort(times.begin(), times.end());
    std::printf("last typed line: \"%s\"\n", qPrintable(editor.textCursor().block().text().left(50)));
    std::printf("per keystroke (%d): mean %.3f ms, median %.3f ms, 99th percentile %.3f ms, max %.3f ms (wall clock)\n",
                typed, korvelMean, times[typed / 2], times[typed * 99 / 100], times.back());
    std::printf("processor time per keystroke, including the repaints between them: %.3f ms\n",
                processorTotal * 1000 / typed);
    std::printf("target: a mean under 1 ms\n");

    QPlainTextEdit plain;
    plain.resize(editor.size());
    OneFormatHighlighter floorHighlighter(plain.document());
    plain.setPlainText(script.text);
    plain.show();
    QCoreApplication::processEvents();
    const double floorMean = mean(typeInto(plain, lineNumbers));
    std::printf("floor, the same keystrokes into a plain QPlainTextEdit painting one format per line: "
                "mean %.3f ms; Korvel / floor: %.2f\n",
                floorMean, korvelMean / floorMean);
    return 0;
}
