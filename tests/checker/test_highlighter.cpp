#include "checker/CBlockData.h"
#include "checker/MslSyntaxHighlighter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

// The highlighter over a real document: what reaches the message area
// (raised and withdrawn diagnostics), the block states and the block records.

namespace {

// A document reports its changes (and so gets re-highlighted) only once it
// has a layout, as it has inside an editor.
struct LaidOutDocument : QTextDocument {
    LaidOutDocument() { documentLayout(); }
};

// A script in a document with its highlighter, and a stand-in for the
// message area that hands out ids and remembers what it got.
struct Script {
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter{&doc};
    QStringList raised; // "line:pos type [block] message"
    QMap<int, QVector<int>> idsOfLine;
    QVector<QVector<int>> withdrawals; // the non-empty removeError lists
    QString fileName;
    int nextId = 1;

    explicit Script(const QString& text)
    {
        QObject::connect(&highlighter, &MslSyntaxHighlighter::updateError, &highlighter,
                         [this](int line, int pos, QString fname, QString block, QString, int type, QString message,
                                int& id) {
                             id = nextId++;
                             fileName = fname;
                             raised
                                 << QStringLiteral("%1:%2 %3 [%4] %5").arg(line).arg(pos).arg(type).arg(block, message);
                             idsOfLine[line].append(id);
                         });
        QObject::connect(&highlighter, &MslSyntaxHighlighter::removeError, &highlighter, [this](QVector<int>& ids) {
            if (!ids.isEmpty())
                withdrawals.append(ids);
        });
        highlighter.setFileName(QStringLiteral("/tmp/a.mrc"));
        doc.setPlainText(text);
        // The highlighter checks a document first from the event loop.
        QCoreApplication::processEvents();
    }

    void forget()
    {
        raised.clear();
        idsOfLine.clear();
        withdrawals.clear();
    }

    int state(int n) const { return doc.findBlockByNumber(n).userState(); }
    CBlockData* record(int n) const { return static_cast<CBlockData*>(doc.findBlockByNumber(n).userData()); }

    void replaceLine(int n, const QString& text)
    {
        QTextCursor cursor(doc.findBlockByNumber(n));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }

    QString formatNameAt(int n, int pos) const
    {
        for (const QTextLayout::FormatRange& range : doc.findBlockByNumber(n).layout()->formats())
            if (pos >= range.start && pos < range.start + range.length)
                return range.format.property(QTextFormat::UserProperty).toString();
        return QString();
    }
};

} // namespace

class TestHighlighter : public QObject {
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
    Script s(QStringLiteral("; fine\nCTCP xyz\nalias f {\n  echo a } b\n"));
    QCOMPARE(s.raised,
             (QStringList{QStringLiteral("2:0 4 [Ctcp] Invalid Access Level"),
                          QStringLiteral("4:11 3 [block] Unexpected characters after closing bracket")}));
    QCOMPARE(s.fileName, QStringLiteral("/tmp/a.mrc"));
    QCOMPARE(s.formatNameAt(1, 0), QStringLiteral("errorFormat"));
    QCOMPARE(s.formatNameAt(3, 9), QStringLiteral("braceFormat"));
    QCOMPARE(s.state(2), 0x20001);
    QCOMPARE(s.state(3), 1);
}

void TestHighlighter::editingWithdrawsEveryDiagnosticOfTheLine()
{
    Script s(QStringLiteral("alias f {\necho { a | echo { b\n}"));
    const QVector<int> ids = s.idsOfLine[2];
    QCOMPARE(ids.size(), 2);

    s.forget();
    s.replaceLine(1, QStringLiteral("echo ok"));
    QCOMPARE(s.withdrawals, QVector<QVector<int>>{ids});
    QVERIFY(s.raised.isEmpty());
    // The body closes one line earlier now.
    QCOMPARE(s.state(1), 0x20001);
    QCOMPARE(s.state(2), 1);
}

void TestHighlighter::recheckingRaisesAgainAfterWithdrawing()
{
    Script s(QStringLiteral("stray"));
    const QVector<int> first = s.idsOfLine[1];
    QCOMPARE(first.size(), 1);

    s.forget();
    s.highlighter.rehighlight();
    QCOMPARE(s.withdrawals, QVector<QVector<int>>{first});
    QCOMPARE(s.idsOfLine[1].size(), 1);
    QVERIFY(s.idsOfLine[1] != first);
}

void TestHighlighter::deletingALineWithdrawsItsDiagnostics()
{
    Script s(QStringLiteral("alias f {\n}\nctcp x\n; end"));
    const QVector<int> ids = s.idsOfLine[3];
    QCOMPARE(ids.size(), 1);

    s.forget();
    QTextCursor cursor(s.doc.findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    QCOMPARE(s.doc.blockCount(), 3);
    QCOMPARE(s.withdrawals, QVector<QVector<int>>{ids});
    QVERIFY(s.raised.isEmpty());
}

void TestHighlighter::pausedHighlighterChangesNothing()
{
    Script s(QStringLiteral("ctcp x\nalias f {\n  ; body"));
    const QVector<int> ids = s.idsOfLine[1];
    QCOMPARE(ids.size(), 1);
    const CBlockData* record = s.record(1);
    QVERIFY(record && record->opensBlock);

    s.forget();
    s.highlighter.pauseHighlighting();
    s.replaceLine(0, QStringLiteral("; now a comment"));
    s.replaceLine(1, QStringLiteral("alias g echo"));
    QVERIFY(s.raised.isEmpty());
    QVERIFY(s.withdrawals.isEmpty());
    QCOMPARE(s.state(1), 0x20001);
    QCOMPARE(s.state(2), 0x20001);
    QVERIFY(record->opensBlock);

    s.highlighter.resumeHighlighting();
    s.highlighter.rehighlight();
    QCOMPARE(s.withdrawals, QVector<QVector<int>>{ids});
    QVERIFY(s.raised.isEmpty());
    QVERIFY(!record->opensBlock);
    QCOMPARE(s.state(2), 1);
}

void TestHighlighter::recordsHeadersAndGroups()
{
    Script s(QStringLiteral("#g on\nalias f {\n}\n#g end"));
    QCOMPARE(s.record(0)->groupMarkKind, GroupMark::Start);
    QVERIFY(s.record(1)->opensBlock);
    QCOMPARE(s.record(1)->blockKind, HeaderKind::Alias);
    QCOMPARE(s.record(1)->blockName, QStringLiteral("f"));
    QCOMPARE(s.record(3)->groupMarkKind, GroupMark::End);
    QCOMPARE(s.state(1), 0x75000 + 0x20001);
    QCOMPARE(s.state(3), 1);

    // Breaking the group start re-checks the lines after it as root lines.
    s.replaceLine(0, QStringLiteral("#g"));
    QVERIFY(!s.record(0)->groupMark);
    QCOMPARE(s.state(1), 0x20001);
    QVERIFY(!s.record(3)->groupMark);
}

QTEST_MAIN(TestHighlighter)
#include "test_highlighter.moc"
