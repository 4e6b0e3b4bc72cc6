// How the message area's cost per diagnostic grows with the number listed.
// Real checkers over real documents raise the diagnostics; every figure is
// the time with the message area reading the documents less the time of the
// same edits in documents it does not read, so only the message area's own
// work is counted. For each size N it lists N diagnostics across several
// documents (both tabs, the Debug list sorted by line as a user might leave
// it), withdraws them all, and moves the rows of a document carrying N of
// them by a line inserted at its top. Then, with N rows listed, it times
// 1,000 more raised and withdrawn: the marginal cost of one diagnostic
// (listed, then withdrawn) at that size.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench-messagearea
#include "app/messagearea/MessageArea.h"
#include "checker/MslSyntaxHighlighter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int documentCount = 8;
// Lines that raise one diagnostic each (Debug and Messages tab) and one that
// raises none; none of them changes the state it hands on.
const QString debugLine = QStringLiteral("ctcp x");
const QString taskLine = QStringLiteral("; todo: x");
const QString cleanLine = QStringLiteral("; fine");

struct Script {
    QTextDocument document;
    MslSyntaxHighlighter checker{&document};
    explicit Script(int index)
    {
        // A document reports its changes only with a layout; the editor's
        // plain-text one, so the edits cost what they cost in the editor.
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        checker.setFileName(QStringLiteral("/home/user/scripts/script%1.mrc").arg(index));
    }
};

QString lines(int count, bool raising)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << (!raising ? cleanLine : i % 2 ? taskLine : debugLine);
    return texts.join(QLatin1Char('\n'));
}

void replaceLine(QTextDocument& document, int line, const QString& text)
{
    QTextCursor cursor(document.findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

struct Figures {
    double raise = 0;
    double withdraw = 0;
    double move = 0;
    double marginal = 0;
};

// The steps of one size, in documents the area reads when `area` is given.
Figures run(QApplication& app, int count, MessageArea* area)
{
    std::vector<std::unique_ptr<Script>> scripts;
    for (int i = 0; i < documentCount; ++i) {
        scripts.push_back(std::make_unique<Script>(i));
        if (area)
            area->addDocument(&scripts.back()->checker);
    }
    const int perDocument = count / documentCount;
    Figures figures;
    QElapsedTimer timer;
    timer.start();
    for (auto& script : scripts)
        script->document.setPlainText(lines(perDocument, true));
    figures.raise = double(timer.nsecsElapsed());
    app.processEvents(); // the views lay out the filled lists once

    // One more diagnostic raised and withdrawn, a thousand times, in lines
    // spread over the first document.
    QTextDocument& first = scripts.front()->document;
    timer.restart();
    for (int i = 0; i < 1000; ++i) {
        const int line = (i * 7919) % perDocument;
        const QString was = first.findBlockByNumber(line).text();
        replaceLine(first, line, was == debugLine ? taskLine : debugLine);
        replaceLine(first, line, was);
    }
    figures.marginal = double(timer.nsecsElapsed());

    timer.restart();
    for (auto& script : scripts)
        script->document.setPlainText(lines(perDocument, false));
    figures.withdraw = double(timer.nsecsElapsed());

    // One document carrying all N, a line inserted at its top.
    Script big(documentCount);
    if (area)
        area->addDocument(&big.checker);
    big.document.setPlainText(lines(count, true));
    timer.restart();
    QTextCursor(&big.document).insertText(QStringLiteral("\n"));
    figures.move = double(timer.nsecsElapsed());
    return figures;
}

// The figures with the area reading the documents and without, each the
// fastest of `rounds` runs: the machine may be busy with other work, and the
// fastest run is the one that measured the steps alone.
struct Measured {
    Figures with;
    Figures without;
};

void keepFastest(Figures& best, const Figures& run, bool first)
{
    best.raise = first ? run.raise : std::min(best.raise, run.raise);
    best.withdraw = first ? run.withdraw : std::min(best.withdraw, run.withdraw);
    best.move = first ? run.move : std::min(best.move, run.move);
    best.marginal = first ? run.marginal : std::min(best.marginal, run.marginal);
}

Measured measure(QApplication& app, int count, int rounds)
{
    Measured best;
    for (int round = 0; round < rounds; ++round) {
        MessageArea area;
        area.resize(900, 300);
        area.show();
        area.debugView()->sortByColumn(1, Qt::DescendingOrder);
        app.processEvents();
        keepFastest(best.with, run(app, count, &area), round == 0);
        keepFastest(best.without, run(app, count, nullptr), round == 0);
    }
    return best;
}

// The message area's own cost per item, in microseconds.
double micros(double withNs, double withoutNs, int items)
{
    return std::max(0.0, withNs - withoutNs) / 1000.0 / items;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Sizes may be given on the command line, to look at one of them alone.
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toInt());
    if (sizes.empty())
        sizes = {2000, 5000, 10000, 20000};
    std::printf("%8s  %14s  %14s  %14s  %18s\n", "rows", "raise us/diag", "withdraw us/d", "move us/row",
                "raise+withdraw at N, us/diag");
    for (const int size : sizes) {
        const Measured m = measure(app, size, 5);
        std::printf("%8d  %14.2f  %14.2f  %14.3f  %18.2f\n", size, micros(m.with.raise, m.without.raise, size),
                    micros(m.with.withdraw, m.without.withdraw, size), micros(m.with.move, m.without.move, size),
                    micros(m.with.marginal, m.without.marginal, 1000));
    }
    std::printf("target: under 2 us to raise or withdraw one diagnostic at 20,000 rows\n");
    return 0;
}
