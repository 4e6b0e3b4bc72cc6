#include "checker/MslSyntaxHighlighter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

// The highlighter over a real document: the records it keeps per line (and
// how they follow edits), what it signals to the readers of the diagnostics,
// and the block states.

namespace {

// A document reports its changes (and so gets re-highlighted) only once it
// has a layout, as it has inside an editor.
struct LaidOutDocument : QTextDocument {
    LaidOutDocument() { documentLayout(); }
};

// A script in a document with its highlighter, and what the highlighter
// signalled since the last forget().
struct Script {
    LaidOutDocument doc;
    MslSyntaxHighlighter highlighter{&doc};
    QStringList signalled; // "changed 1-1", "inserted 2+1", "removed 2+1"

    explicit Script(const QString& text)
    {
        QObject::connect(&highlighter, &MslSyntaxHighlighter::diagnosticsChanged, &highlighter,
                         [this](int first, int last) {
                             signalled << QStringLiteral("changed %1-%2").arg(first).arg(last);
                         });
        QObject::connect(&highlighter, &MslSyntaxHighlighter::linesInserted, &highlighter,
                         [this](int first, int n) { signalled << QStringLiteral("inserted %1+%2").arg(first).arg(n); });
        QObject::connect(&highlighter, &MslSyntaxHighlighter::linesRemoved, &highlighter,
                         [this](int first, int n) { signalled << QStringLiteral("removed %1+%2").arg(first).arg(n); });
        doc.setPlainText(text);
        // As in a view that shows the whole script: shown lines keep their
        // colours current through the edits that follow.
        showAll();
        signalled.clear();
    }

    // Every diagnostic recorded, as "line:pos type [block] message" (1-based lines).
    QStringList diagnostics() const
    {
        QStringList all;
        for (int line = 0; line < highlighter.lineCount(); ++line)
            for (const LineDiagnostic& d : highlighter.recordAt(line).diagnostics)
                all << QStringLiteral("%1:%2 %3 [%4] %5")
                           .arg(line + 1)
                           .arg(d.pos)
                           .arg(int(d.type))
                           .arg(d.block, d.message);
        return all;
    }

    void showAll() { highlighter.formatLines(0, highlighter.lineCount() - 1); }

    int state(int n) const { return doc.findBlockByNumber(n).userState(); }
    const HeaderRecord& header(int n) const { return highlighter.recordAt(doc.findBlockByNumber(n)).header; }

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
    void recordsDiagnosticsFormatsAndStates();
    void editingReplacesTheLinesDiagnostics();
    void recordsFollowInsertedAndRemovedLines_data();
    void recordsFollowInsertedAndRemovedLines();
    void pausedHighlighterChangesNothing();
    void loadedTextIsCheckedAsTyped_data();
    void loadedTextIsCheckedAsTyped();
    void neverClosedBlockFollowsTheDocumentEnd_data();
    void neverClosedBlockFollowsTheDocumentEnd();
    void recordsHeadersAndGroups();
};

void TestHighlighter::recordsDiagnosticsFormatsAndStates()
{
    Script s(QStringLiteral("; fine\nCTCP xyz\nalias f {\n  echo a } b\n"));
    QCOMPARE(s.diagnostics(),
             (QStringList{QStringLiteral("2:0 4 [Ctcp] Invalid Access Level"),
                          QStringLiteral("4:11 3 [block] Unexpected characters after closing bracket")}));
    QCOMPARE(s.formatNameAt(1, 0), QStringLiteral("errorFormat"));
    QCOMPARE(s.formatNameAt(3, 9), QStringLiteral("braceFormat"));
    QCOMPARE(s.state(2), 0x20001);
    QCOMPARE(s.state(3), 1);

    // Checking again tells the readers of nothing: no line's diagnostics changed.
    s.highlighter.rehighlight();
    QCOMPARE(s.signalled, QStringList());

    // A shown line takes the colours of a state that an edit above it changed.
    s.replaceLine(0, QStringLiteral("/*"));
    QCOMPARE(s.formatNameAt(3, 9), QStringLiteral("commentFormat"));
}

void TestHighlighter::editingReplacesTheLinesDiagnostics()
{
    // Two stray braces, and the body left open at the end (at its header).
    Script s(QStringLiteral("alias f {\necho { a | echo { b\n}"));
    QCOMPARE(s.diagnostics().size(), 3);

    s.replaceLine(1, QStringLiteral("echo ok"));
    QVERIFY(s.diagnostics().isEmpty());
    // The body closes one line earlier now, and closes.
    QCOMPARE(s.signalled, (QStringList{QStringLiteral("changed 1-1"), QStringLiteral("changed 0-0")}));
    QCOMPARE(s.state(1), 0x20001);
    QCOMPARE(s.state(2), 1);
}

void TestHighlighter::recordsFollowInsertedAndRemovedLines_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("removeLines");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QStringList>("signalled");
    QTest::addColumn<QStringList>("diagnostics");
    const QString ctcp = QStringLiteral(" 4 [Ctcp] Invalid Access Level");
    // Line 2 (0-based) raises one diagnostic; line 0 opens an alias.
    QTest::newRow("lines typed above") << 0 << 0 << QStringLiteral("; a\n; b\n")
                                       << QStringList{QStringLiteral("inserted 1+2")} << QStringList{"5:0" + ctcp};
    // The split line hands on another state, so the next line is checked
    // too; its diagnostic moved with it and stays as it was.
    QTest::newRow("line broken above") << 1 << 0 << QStringLiteral("\n") << QStringList{QStringLiteral("inserted 2+1")}
                                       << QStringList{"4:0" + ctcp};
    QTest::newRow("lines removed above") << 0 << 2 << QString()
                                         << QStringList{QStringLiteral("removed 1+2"), QStringLiteral("changed 0-0")}
                                         << QStringList{"1:0" + ctcp};
    QTest::newRow("its own line removed")
        << 2 << 1 << QString() << QStringList{QStringLiteral("removed 3+1"), QStringLiteral("changed 2-2")}
        << QStringList();
    QTest::newRow("lines pasted over it")
        << 2 << 1 << QStringLiteral("; x\n; y\n")
        << QStringList{QStringLiteral("inserted 3+1"), QStringLiteral("changed 2-2")} << QStringList();
}

void TestHighlighter::recordsFollowInsertedAndRemovedLines()
{
    QFETCH(int, line);
    QFETCH(int, removeLines);
    QFETCH(QString, insert);
    QFETCH(QStringList, signalled);
    QFETCH(QStringList, diagnostics);
    Script s(QStringLiteral("alias f {\n}\nctcp x\n; end"));
    QTextCursor cursor(s.doc.findBlockByNumber(line));
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, removeLines);
    cursor.insertText(insert);
    QCOMPARE(s.signalled, signalled);
    QCOMPARE(s.diagnostics(), diagnostics);
    QCOMPARE(s.highlighter.lineCount(), s.doc.blockCount());
    // The alias header's record moved with it (or stayed, when above the edit).
    const QTextBlock header = s.doc.find(QStringLiteral("alias f {")).block();
    QCOMPARE(s.highlighter.recordAt(header).header.blockName, header.isValid() ? QStringLiteral("f") : QString());
}

void TestHighlighter::neverClosedBlockFollowsTheDocumentEnd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("found"); // "line: message" (1-based), after the edit
    QTest::addColumn<int>("changed");   // the line whose diagnostics were signalled, -1 for none
    const QString x = QStringLiteral("`alias x' is never closed: a `}' is missing");
    QTest::newRow("its closing brace deleted") << "alias x {\n  echo 1\n}" << 2 << ""
                                               << "1: " + x << 0;
    QTest::newRow("the brace typed") << "alias x {\n  echo 1\n" << 2 << "}" << QString() << 0;
    QTest::newRow("its header renamed") << "alias y {\n  echo 1" << 0 << "alias x {"
                                        << "1: " + x << 0;
    QTest::newRow("lines typed above") << "alias a {\n}\nalias x {\n  echo" << 1 << "}\n; b"
                                       << "4: " + x << -1;
    QTest::newRow("a header inside the body") << "alias y {\n  echo" << 1 << "  echo\nalias x {"
                                              << "3: " + x << 2;
}

void TestHighlighter::neverClosedBlockFollowsTheDocumentEnd()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(QString, newText);
    QFETCH(QString, found);
    QFETCH(int, changed);
    Script s(text);
    s.replaceLine(line, newText);
    QStringList neverClosed;
    for (int n = 0; n < s.highlighter.lineCount(); ++n)
        for (const LineDiagnostic& d : s.highlighter.recordAt(n).diagnostics)
            if (d.message.contains(QLatin1String("never closed")))
                neverClosed << QStringLiteral("%1: %2").arg(n + 1).arg(d.message);
    QCOMPARE(neverClosed.join(QLatin1Char('\n')), found);
    if (changed >= 0)
        QVERIFY(s.signalled.contains(QStringLiteral("changed %1-%1").arg(changed)));
    // Only the header line carries the error underline, also once lines the
    // edit added are shown.
    s.showAll();
    QStringList underlined;
    for (QTextBlock b = s.doc.begin(); b.isValid(); b = b.next())
        for (const QTextLayout::FormatRange& range : b.layout()->formats())
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline && range.start == 0)
                underlined << QString::number(b.blockNumber() + 1);
    QCOMPARE(underlined.join(QLatin1Char(',')), found.section(QLatin1Char(':'), 0, 0));
}

void TestHighlighter::loadedTextIsCheckedAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("faults and a block never closed") << QStringLiteral("ctcp x\nalias f {\n  echo } b\n}\nalias g {\n");
    // Lines the document also starts at a CR or a paragraph separator.
    QTest::newRow("lone CR") << QStringLiteral("alias f {\r  echo a\n}\n}");
    QTest::newRow("paragraph separator") << QStringLiteral("alias f {") + QChar(QChar::ParagraphSeparator) + "}\n}";
    QTest::newRow("empty") << QString();
}

void TestHighlighter::loadedTextIsCheckedAsTyped()
{
    // A file loaded over an old text is checked on a second thread while the
    // document takes it in; the result must be what checking it line by line
    // gives.
    QFETCH(QString, text);
    Script typed(text);
    Script loaded(QStringLiteral("ctcp x\nalias old {\n;\n;\n;\n"));
    loaded.highlighter.checkArrivingText(text);
    loaded.doc.setPlainText(text);
    // The next edit is checked as any other.
    for (int edit = 0; edit < 2; ++edit) {
        QCOMPARE(loaded.diagnostics(), typed.diagnostics());
        QCOMPARE(loaded.highlighter.lineCount(), typed.doc.blockCount());
        for (int n = 0; n < typed.doc.blockCount(); ++n)
            QCOMPARE(loaded.state(n), typed.state(n));
        typed.replaceLine(0, QStringLiteral("ctcp y"));
        loaded.replaceLine(0, QStringLiteral("ctcp y"));
    }
}

void TestHighlighter::pausedHighlighterChangesNothing()
{
    Script s(QStringLiteral("ctcp x\nalias f {\n  ; body"));
    QCOMPARE(s.diagnostics().size(), 2);
    QVERIFY(s.header(1).opensBlock);

    s.highlighter.pauseHighlighting();
    s.replaceLine(0, QStringLiteral("; now a comment"));
    s.replaceLine(1, QStringLiteral("alias g echo"));
    QVERIFY(s.signalled.isEmpty());
    QCOMPARE(s.diagnostics().size(), 2);
    QCOMPARE(s.state(1), 0x20001);
    QCOMPARE(s.state(2), 0x20001);
    QVERIFY(s.header(1).opensBlock);

    s.highlighter.resumeHighlighting();
    s.highlighter.rehighlight();
    s.signalled.removeDuplicates(); // line 1 loses its own and the end's diagnostic
    QCOMPARE(s.signalled, (QStringList{QStringLiteral("changed 0-0"), QStringLiteral("changed 1-1")}));
    QVERIFY(s.diagnostics().isEmpty());
    QVERIFY(!s.header(1).opensBlock);
    QCOMPARE(s.state(2), 1);
}

void TestHighlighter::recordsHeadersAndGroups()
{
    Script s(QStringLiteral("#g on\nalias f {\n}\n#g end"));
    QCOMPARE(s.header(0).groupMarkKind, GroupMark::Start);
    QVERIFY(s.header(1).opensBlock);
    QCOMPARE(s.header(1).blockKind, HeaderKind::Alias);
    QCOMPARE(s.header(1).blockName, QStringLiteral("f"));
    QCOMPARE(s.header(3).groupMarkKind, GroupMark::End);
    QCOMPARE(s.state(1), 0x75000 + 0x20001);
    QCOMPARE(s.state(3), 1);

    // Breaking the group start re-checks the lines after it as root lines.
    s.replaceLine(0, QStringLiteral("#g"));
    QVERIFY(!s.header(0).groupMark);
    QCOMPARE(s.state(1), 0x20001);
    QVERIFY(!s.header(3).groupMark);
}

QTEST_MAIN(TestHighlighter)
#include "test_highlighter.moc"
