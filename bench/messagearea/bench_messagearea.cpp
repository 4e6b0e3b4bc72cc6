// How the message area's cost per diagnostic grows with the number listed.
// For each size N it raises N diagnostics across several files (both tabs,
// the Debug list sorted by line as a user might leave it), withdraws them
// all, and renumbers the lines of a document carrying N diagnostics after a
// line is inserted at its top. Then, with N rows listed, it times 1,000 more
// raised and withdrawn: the marginal cost of one diagnostic (listed, then
// withdrawn) at that size.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench-messagearea
#include "app/messagearea/MessageArea.h"
#include "checker/CBlockData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int fileCount = 8;
const int typesInUse[] = {1, 2, 3, 4, 10, 11, 13, 15};

struct Raised {
    int id;
    int fileIndex;
};

QString fileName(int index)
{
    // One string per file, shared by all its diagnostics, as each script's
    // checker reports the one name it holds.
    static const QStringList names = [] {
        QStringList list;
        for (int i = 0; i < fileCount; ++i)
            list << QStringLiteral("/home/user/scripts/script%1.mrc").arg(i);
        return list;
    }();
    return names.at(index);
}

std::vector<Raised> raiseMany(MessageArea& area, int count, QRandomGenerator& random)
{
    std::vector<Raised> raised;
    raised.reserve(size_t(count));
    const QString block = QStringLiteral("alias");
    const QString placeholder = QStringLiteral("???");
    const QString message = QStringLiteral("Unknown identifier");
    for (int i = 0; i < count; ++i) {
        const int file = int(random.bounded(fileCount));
        const int type = typesInUse[random.bounded(int(std::size(typesInUse)))];
        int id = 0;
        area.updateError(int(random.bounded(1, 5000)), int(random.bounded(80)), fileName(file), block, placeholder,
                         type, message, id);
        raised.push_back({id, file});
    }
    return raised;
}

void withdrawAll(MessageArea& area, std::vector<Raised>& raised, QRandomGenerator& random)
{
    // In an order unrelated to the list's, as lines are re-checked.
    for (size_t i = raised.size(); i > 1; --i)
        std::swap(raised[i - 1], raised[random.bounded(quint32(i))]);
    for (const Raised& r : raised) {
        QVector<int> ids{r.id};
        area.removeError(ids);
    }
}

double microsPerItem(qint64 nanos, int items)
{
    return items ? double(nanos) / 1000.0 / items : 0.0;
}

// A document of `count` lines, each carrying one listed diagnostic; returns
// the time per row of renumbering after a line is inserted at the top.
double renumberCost(int count)
{
    MessageArea area;
    area.debugView()->sortByColumn(1, Qt::AscendingOrder);
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int line = 1; line < count; ++line)
        cursor.insertBlock();
    const QString file = fileName(0);
    int line = 1;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++line) {
        int id = 0;
        area.updateError(line, 0, file, QStringLiteral("alias"), QStringLiteral("???"), line % 2 ? 3 : 11,
                         QStringLiteral("message"), id);
        auto* data = new CBlockData;
        data->errorCarrier.errIds.append(id);
        block.setUserData(data);
    }
    QTextCursor(&document).insertBlock();
    QElapsedTimer timer;
    timer.start();
    area.renumberLines(file, &document);
    return microsPerItem(timer.nsecsElapsed(), count);
}

struct Figures {
    double raise = 0;
    double withdraw = 0;
    double renumber = 0;
    double marginal = 0;
};

Figures measure(QApplication& app, int count, QRandomGenerator& random)
{
    MessageArea area;
    area.resize(900, 300);
    area.show();
    area.debugView()->sortByColumn(1, Qt::DescendingOrder);
    app.processEvents();

    Figures figures;
    QElapsedTimer timer;
    timer.start();
    std::vector<Raised> raised = raiseMany(area, count, random);
    figures.raise = microsPerItem(timer.nsecsElapsed(), count);
    app.processEvents(); // the views lay out the filled lists once

    timer.restart();
    std::vector<Raised> extra = raiseMany(area, 1000, random);
    withdrawAll(area, extra, random);
    figures.marginal = microsPerItem(timer.nsecsElapsed(), 1000);

    timer.restart();
    withdrawAll(area, raised, random);
    figures.withdraw = microsPerItem(timer.nsecsElapsed(), count);
    figures.renumber = renumberCost(count);
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QRandomGenerator random(20240601);
    // Sizes may be given on the command line, to look at one of them alone.
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QByteArray(argv[i]).toInt());
    if (sizes.empty())
        sizes = {2000, 5000, 10000, 20000};
    std::vector<Figures> best(sizes.size());

    std::printf("%8s  %14s  %14s  %16s  %18s\n", "rows", "raise us/diag", "withdraw us/d", "renumber us/row",
                "raise+withdraw at N, us/diag");
    for (size_t s = 0; s < sizes.size(); ++s) {
        // Best of five: the machine may be busy with other work, and the
        // fastest run is the one that measured the message area alone.
        for (int round = 0; round < 5; ++round) {
            const Figures run = measure(app, sizes[s], random);
            Figures& b = best[s];
            b.raise = round ? std::min(b.raise, run.raise) : run.raise;
            b.withdraw = round ? std::min(b.withdraw, run.withdraw) : run.withdraw;
            b.renumber = round ? std::min(b.renumber, run.renumber) : run.renumber;
            b.marginal = round ? std::min(b.marginal, run.marginal) : run.marginal;
        }
        std::printf("%8d  %14.2f  %14.2f  %16.2f  %18.2f\n", sizes[s], best[s].raise, best[s].withdraw,
                    best[s].renumber, best[s].marginal);
    }
    const size_t last = sizes.size() - 1;
    std::printf("growth from %d to %d rows: raising x%.2f, withdrawing x%.2f, renumbering x%.2f, "
                "marginal raise+withdraw x%.2f\n",
                sizes[0], sizes[last], best[last].raise / best[0].raise, best[last].withdraw / best[0].withdraw,
                best[last].renumber / best[0].renumber, best[last].marginal / best[0].marginal);
    return 0;
}
