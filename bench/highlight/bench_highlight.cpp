// Prints how long it takes to set the text of a QPlainTextEdit and have it
// checked completely by MslSyntaxHighlighter (which colours a line only once
// it is shown), against the same with a highlighter that sets one format on
// every line, and their ratio (target: at most 3). The text is the whole
// corpus, about 9 MB.
#include "BenchScript.h"
#include "checker/MslSyntaxHighlighter.h"
#include "checker/TextFormats.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QTextBlock>

#include <cstdio>
#include <memory>
#include <type_traits>

namespace {

constexpr int rounds = 3;

// The least a highlighter can do: one format over each whole line.
class OneFormatPerLine : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override
    {
        setFormat(0, int(text.size()), TextFormats::format(FormatId::commentFormat));
        setCurrentBlockState(1);
    }
};

struct NoHighlighter { };

struct Timing {
    double wall = 0;
    double processor = 0;
    int diagnostics = 0;
    bool complete = false;
};

// The best of a few rounds, each in a fresh editor.
template <typename Highlighter> Timing timeSetText(const QString& text)
{
    Timing best;
    for (int round = 0; round < rounds; ++round) {
        QPlainTextEdit editor;
        std::unique_ptr<QObject> highlighter;
        int diagnostics = 0;
        if constexpr (std::is_same_v<Highlighter, MslSyntaxHighlighter>) {
            auto checker = std::make_unique<MslSyntaxHighlighter>(editor.document());
            // As the message area does: read the diagnostics of each line reported.
            const MslSyntaxHighlighter* reader = checker.get();
            QObject::connect(checker.get(), &MslSyntaxHighlighter::diagnosticsChanged,
                             [&diagnostics, reader](int first, int last) {
                                 for (int line = first; line <= last; ++line)
                                     diagnostics += int(reader->recordAt(line).diagnostics.size());
                             });
            highlighter = std::move(checker);
        } else if constexpr (!std::is_same_v<Highlighter, NoHighlighter>) {
            highlighter = std::make_unique<Highlighter>(editor.document());
        }
        QElapsedTimer wall;
        const double processorStart = processorSeconds();
        wall.start();
        editor.setPlainText(text);
        const double elapsedWall = double(wall.nsecsElapsed()) / 1e9;
        const double elapsedProcessor = processorSeconds() - processorStart;
        if (round == 0 || elapsedProcessor < best.processor)
            best.processor = elapsedProcessor;
        if (round == 0 || elapsedWall < best.wall)
            best.wall = elapsedWall;
        best.diagnostics = diagnostics;
        // A highlighted last line has a state; one never reached keeps -1.
        best.complete = editor.document()->lastBlock().userState() != -1;
    }
    return best;
}

void report(const char* what, const Timing& timing)
{
    std::printf("%-34s %8.3f s processor %8.3f s wall", what, timing.processor, timing.wall);
    if (timing.complete)
        std::printf("   (highlighted to the last line; %d diagnostics)", timing.diagnostics);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TextFormats::build();

    const BenchScript script = loadBenchScript(0, 0);
    std::printf("text: %s, %d lines, %.2f MB as UTF-8; best of %d rounds\n", qPrintable(script.origin), script.lines,
                double(script.text.toUtf8().size()) / 1e6, rounds);

    const Timing plain = timeSetText<NoHighlighter>(script.text);
    const Timing oneFormat = timeSetText<OneFormatPerLine>(script.text);
    const Timing checker = timeSetText<MslSyntaxHighlighter>(script.text);
    report("no highlighter", plain);
    report("one format per line", oneFormat);
    report("MslSyntaxHighlighter", checker);
    std::printf("ratio MslSyntaxHighlighter / one format per line: %.2f processor, %.2f wall (target: at most 3)\n",
                checker.processor / oneFormat.processor, checker.wall / oneFormat.wall);
    return 0;
}
