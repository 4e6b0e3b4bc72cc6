// How the message area's cost per diagnostic grows with the number listed.
// For each size N it raises N diagnostics across several files (both tabs,
// the Debug list sorted by line as a user might leave it), withdraws them
// all, and renumbers the lines of a document carrying N diagnostics after a
// line is inserted at its top. Then, with N rows listed, it times 1,000 more
// raised and withdrawn: the marginal cost of one diagnostic (listed, then
// withdrawn) at that size.
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_messagearea
#include "CBlockData.h"
#include "MessageArea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

const int fileCount = 8;
const int typesInUse[] = {1, 2, 3, 4, 10, 11, 13, 15};

struct Raised
{
    int id;
    int fileIndex;
};

QString fileName(int index)
{
    return QStringLiteral("/home/user/scripts/script%1.mrc").arg(index);
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QRandomGenerator random(20240601);
    const int sizes[] = {2000, 5000, 10000, 20000};
    double raiseAt[std::size(sizes)] = {};
    double marginalAt[std::size(sizes)] = {};

    std::printf("%8s  %14s  %14s  %16s  %18s\n", "rows", "raise us/diag", "withdraw us/d", "renumber us/row",
                "raise+withdraw at N, us/diag");
    for (size_t s = 0; s < std::size(sizes); ++s) {
        const int count = sizes[s];
        MessageArea area;
        area.resize(900, 300);
        area.show();
        area.debugView()->sortByColumn(1, Qt::DescendingOrder);
        app.processEvents();

        QElapsedTimer timer;
        timer.start();
        std::vector<Raised> raised = raiseMany(area, count, random);
        const qint64 raiseNanos = timer.nsecsElapsed();
        app.processEvents(); // the views lay out the filled lists once

        // Best of five: the machine may be busy with other work, and the
        // fastest run is the one that measured the message area alone.
        qint64 marginalNanos = std::numeric_limits<qint64>::max();
        for (int round = 0; round < 5; ++round) {
            timer.restart();
            std::vector<Raised> extra = raiseMany(area, 1000, random);
            withdrawAll(area, extra, random);
            marginalNanos = std::min(marginalNanos, timer.nsecsElapsed());
        }

        timer.restart();
        withdrawAll(area, raised, random);
        const qint64 withdrawNanos = timer.nsecsElapsed();

        raiseAt[s] = microsPerItem(raiseNanos, count);
        marginalAt[s] = microsPerItem(marginalNanos, 1000);
        std::printf("%8d  %14.2f  %14.2f  %16.2f  %18.2f\n", count, raiseAt[s], microsPerItem(withdrawNanos, count),
                    renumberCost(count), marginalAt[s]);
    }
    const size_t last = std::size(sizes) - 1;
    std::printf("growth from %d to %d rows: raising x%.2f, marginal cost x%.2f\n", sizes[0], sizes[last],
                raiseAt[last] / raiseAt[0], marginalAt[last] / marginalAt[0]);
    return 0;
}
