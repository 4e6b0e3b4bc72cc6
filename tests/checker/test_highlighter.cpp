#include "CBlockData.h"
#include "MslSyntaxHighlighter.h"
#include "TextFormats.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

// The highlighter over a real document: what reaches the message area
// (raised and withdrawn diagnostics), the block states and the block records.

namespace {

// Stands in for the message area: hands out ids and remembers what it got.
struct MessageArea {
    struct Raised {
        int line;
        int pos;
        int type;
        QString block;
        QString message;
        int id;
    };
    QVector<Raised> raised;
    QVector<QVector<int>> withdrawals;   // the non-empty removeError lists
    int nextId = 1;

    void attach(MslSyntaxHighlighter& highlighter)
    {
        QObject::connect(&highlighter, &MslSyntaxHighlighter::updateError, &highlighter,
                         [this](int line, int pos, QString, QString block, QString, int type, QString message,
                                int& id) {
                             id = nextId++;
                             raised.append({line, pos, type, block, message, id});
                         });
        QObject::connect(&highlighter, &MslSyntaxHighlighter::removeError, &highlighter,
                         [this](QVector<int>& ids) {
                             if (!ids.isEmpty())
                                 withdrawals.append(ids);
                         });
    }

    QVector<int> idsOfLine(int line) const
    {
        QVector<int> ids;
        for (const Raised& r : raised)
            if (r.line == line)
                ids.append(r.id);
        return ids;
    }

    void clear()
    {
        raised.clear();
        withdrawals.clear();
    }
};

// A highlighter attached to a document checks it first from the event loop.
void settle()
{
    QCoreApplication::processEvents();
}

// A document reports its changes (and so gets re-highlighted) only once it
// has a layout, as it has inside an editor.
struct LaidOutDocument : QTextDocument {
    LaidOutDocument() { documentLayout(); }
};

void replaceBlockText(QTextDocument& doc, int blockNumber, const QString& text)
{
    QTextCursor cursor(doc.findBlockByNumber(blockNumber));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

QString formatNameAt(const QTextBlock& block, int pos)
{
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        if (pos >= range.start && pos < range.start + range.length)
            return range.format.property(QTextFormat::UserProperty).toString();
    return QString();
}

} // namespace

class TestHighlighter : public QObject
{
    Q_OBJECT
private slots:
    void raisesWithLineNumbersAndFormats();
    void editingWithdrawsEveryDiagnosticOfTheLine();
    void recheckingRaisesAgainAfterWithdrawing();
    void deletingALineWithdrawsItsDiagnostics();
    void pausedHighlighterChangesNothing();
    void recordsHeadersAndGroups();
};

void TestHighlighter::raisesWithLineNumbersAndFormats()
{
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter(&doc);
    highlighter.setFileName(QStringLiteral("/tmp/a.mrc"));
    MessageArea area;
    QString fileName;
    QObject::connect(&highlighter, &MslSyntaxHighlighter::updateError, &highlighter,
                     [&fileName](int, int, QString fname, QString, QString, int, QString, int&) { fileName = fname; });
    area.attach(highlighter);

    doc.setPlainText(QStringLiteral("; fine\nCTCP xyz\nalias f {\n  echo a } b\n"));
    settle();
    QCOMPARE(area.raised.size(), 2);
    QCOMPARE(area.raised[0].line, 2);
    QCOMPARE(area.raised[0].type, 4);
    QCOMPARE(area.raised[0].block, QStringLiteral("Ctcp"));
    QCOMPARE(area.raised[1].line, 4);
    QCOMPARE(area.raised[1].pos, 11);
    QCOMPARE(area.raised[1].message, QStringLiteral("Unexpected characters after closing bracket"));
    QCOMPARE(fileName, QStringLiteral("/tmp/a.mrc"));

    QCOMPARE(formatNameAt(doc.findBlockByNumber(0), 3), QStringLiteral("commentFormat"));
    QCOMPARE(formatNameAt(doc.findBlockByNumber(1), 0), QStringLiteral("errorFormat"));
    QCOMPARE(formatNameAt(doc.findBlockByNumber(3), 2), QStringLiteral("commandFormat"));
    QCOMPARE(formatNameAt(doc.findBlockByNumber(3), 9), QStringLiteral("braceFormat"));
    QCOMPARE(doc.findBlockByNumber(2).userState(), 0x20001);
    QCOMPARE(doc.findBlockByNumber(3).userState(), 1);
}

void TestHighlighter::editingWithdrawsEveryDiagnosticOfTheLine()
{
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter(&doc);
    MessageArea area;
    area.attach(highlighter);

    doc.setPlainText(QStringLiteral("alias f {\necho { a | echo { b\n}"));
    settle();
    const QVector<int> ids = area.idsOfLine(2);
    QCOMPARE(ids.size(), 2);

    area.clear();
    replaceBlockText(doc, 1, QStringLiteral("echo ok"));
    QCOMPARE(area.withdrawals, QVector<QVector<int>>{ids});
    QVERIFY(area.raised.isEmpty());
    // The body closes one line earlier now.
    QCOMPARE(doc.findBlockByNumber(1).userState(), 0x20001);
    QCOMPARE(doc.findBlockByNumber(2).userState(), 1);
}

void TestHighlighter::recheckingRaisesAgainAfterWithdrawing()
{
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter(&doc);
    MessageArea area;
    area.attach(highlighter);

    doc.setPlainText(QStringLiteral("stray"));
    settle();
    const QVector<int> first = area.idsOfLine(1);
    QCOMPARE(first.size(), 1);
    area.clear();
    highlighter.rehighlight();
    QCOMPARE(area.withdrawals, QVector<QVector<int>>{first});
    QCOMPARE(area.raised.size(), 1);
    QVERIFY(area.raised[0].id != first[0]);
}

void TestHighlighter::deletingALineWithdrawsItsDiagnostics()
{
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter(&doc);
    MessageArea area;
    area.attach(highlighter);

    doc.setPlainText(QStringLiteral("alias f {\n}\nctcp x\n; end"));
    settle();
    const QVector<int> ids = area.idsOfLine(3);
    QCOMPARE(ids.size(), 1);

    area.clear();
    QTextCursor cursor(doc.findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QCOMPARE(doc.blockCount(), 3);
    QCOMPARE(area.withdrawals, QVector<QVector<int>>{ids});
    QVERIFY(area.raised.isEmpty());
}

void TestHighlighter::pausedHighlighterChangesNothing()
{
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter(&doc);
    MessageArea area;
    area.attach(highlighter);

    doc.setPlainText(QStringLiteral("ctcp x\nalias f {\n  ; body"));
    settle();
    const QVector<int> ids = area.idsOfLine(1);
    QCOMPARE(ids.size(), 1);
    const auto* record = static_cast<CBlockData*>(doc.findBlockByNumber(1).userData());
    QVERIFY(record && record->opensBlock);

    area.clear();
    highlighter.pauseHighlighting();
    replaceBlockText(doc, 0, QStringLiteral("; now a comment"));
    replaceBlockText(doc, 1, QStringLiteral("alias g echo"));
    QVERIFY(area.raised.isEmpty());
    QVERIFY(area.withdrawals.isEmpty());
    QCOMPARE(doc.findBlockByNumber(1).userState(), 0x20001);
    QCOMPARE(doc.findBlockByNumber(2).userState(), 0x20001);
    QVERIFY(record->opensBlock);

    highlighter.resumeHighlighting();
    highlighter.rehighlight();
    QCOMPARE(area.withdrawals, QVector<QVector<int>>{ids});
    QVERIFY(area.raised.isEmpty());
    QVERIFY(!record->opensBlock);
    QCOMPARE(doc.findBlockByNumber(2).userState(), 1);
}

void TestHighlighter::recordsHeadersAndGroups()
{
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter(&doc);
    doc.setPlainText(QStringLiteral("#g on\nalias f {\n}\n#g end"));
    settle();

    const auto record = [&doc](int n) { return static_cast<CBlockData*>(doc.findBlockByNumber(n).userData()); };
    QVERIFY(record(0)->groupMark);
    QCOMPARE(record(0)->groupMarkKind, 1);
    QVERIFY(record(1)->opensBlock);
    QCOMPARE(record(1)->blockKind, 1);
    QCOMPARE(record(1)->blockName, QStringLiteral("f"));
    QVERIFY(!record(2)->opensBlock);
    QCOMPARE(record(3)->groupMarkKind, 2);
    QCOMPARE(doc.findBlockByNumber(1).userState(), 0x75000 + 0x20001);
    QCOMPARE(doc.findBlockByNumber(3).userState(), 1);

    // Breaking the group start re-checks the lines after it as root lines.
    replaceBlockText(doc, 0, QStringLiteral("#g"));
    QVERIFY(!record(0)->groupMark);
    QCOMPARE(doc.findBlockByNumber(1).userState(), 0x20001);
    QVERIFY(!record(3)->groupMark);
}

QTEST_MAIN(TestHighlighter)
#include "test_highlighter.moc"
