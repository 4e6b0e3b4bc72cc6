#include "CheckedLine.h"
#include "CheckedScript.h"
#include "checker/core/BlockState.h"
#include "checker/core/UnclosedBlock.h"
#include "korvel-check/ScriptRun.h"

#include <QDir>
#include <QtTest>

// The checker core line by line: a line and the state it follows in; the end
// state, the diagnostics and the painted runs out.

namespace {

constexpr int G = BlockState::groupOffset;
constexpr int A = BlockState::aliasBody;
constexpr int AC = BlockState::aliasComment;
constexpr int E = BlockState::eventBody;
constexpr int EC = BlockState::eventComment;
constexpr int M = BlockState::menuBody;
constexpr int MC = BlockState::menuComment;
constexpr int DLG = BlockState::dialogTable;
constexpr int DLGC = BlockState::dialogComment;
// Lines whose painting belongs to the header checks are compared on state
// and diagnostics only.
const char* const anySpans = "*";

void row(const char* name, int previous, const QString& line, int state, const QStringList& diagnostics,
         const QString& spans)
{
    QTest::newRow(name) << previous << line << state << diagnostics << spans;
}

const QString R1 = QStringLiteral("Old-style rem comments are deprecated, consider using `;' comments.");
const QString G1 = QStringLiteral("Ill-formed script group");
const QString G2 = QStringLiteral("Ill-formed script group, expecting `#<group> end'");
const QString D1 = QStringLiteral("No opening bracket found, will result in `creation error'");
const QString D2 = QStringLiteral("Excess characters after opening bracket, will result in `creation error'");
const QString M1 = QStringLiteral("No opening bracket found, menu will not work.");
const QString M2 = QStringLiteral("Excess characters after opening bracket, menu will not work.");
const QString C1 = QStringLiteral("Invalid Access Level");
const QString T1 = QStringLiteral("Trailing text after end of a multi-line comment.");
const QString U1 = QStringLiteral("Unexpected characters in root level of script file.");
const QString closingInExpression = QStringLiteral("Unexpected closing bracket in the middle of expression");
const QString openingInExpression = QStringLiteral("Unexpected opening bracket in the middle of expression");
const QString afterClosing = QStringLiteral("Unexpected characters after closing bracket");
const QString openingInComment = QStringLiteral("Unexpected opening bracket in inlined-comment");
const QString closingInComment = QStringLiteral("Unexpected closing bracket in inlined-comment");
const QString unterminated = QStringLiteral("Inlined multi-line comment was never terminated - missing a `| */'");

} // namespace

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void recovery_data();
    void recovery();
    void hugeLinesStayBounded_data();
    void hugeLinesStayBounded();
    void longChainsOfStatementsAreCheckedToTheEnd();
    void deepNestingStaysABody();
    void arbitraryStatesStayBounded();
    void corpusStaysInsideItsLines();
};

void TestChecker::lines_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("diagnostics");
    QTest::addColumn<QString>("spans");

    // ---- The root level outside a group.
    row("first line empty", -1, "", 1, {}, "");
    row("blank root line", 1, "   ", 1, {}, "");
    row("line comment task", 1, "; TODO: fix this", 1, {diag(11, 2, "", "fix this")},
        "0+2=commentFormat 2+5=taskMarkerFormat 7+9=commentFormat");
    row("comment opener", 1, "/* one */", 2, {}, "0+9=commentFormat");
    row("comment opener task", 1, " /* fixme: later", 2, {diag(15, 4, "", "later")},
        "0+4=commentFormat 4+6=taskMarkerFormat 10+6=commentFormat");
    row("rem", 1, "rem old", 1, {diag(1, 0, "root", R1)}, "0+7=commentFormat");
    row("rem prefix of a word", 1, "  REMOTE", 1, {diag(1, 0, "root", R1)}, "0+8=commentFormat");
    row("group off, spaces", 1, " #grp  off ", G, {}, "0+5=groupNameFormat 7+4=groupStateFormat");
    row("group end outside a group", 1, "#grp end", 1, {diag(3, 5, "root", G1)}, "0+8=errorFormat");
    row("group without state", 1, "#grp", 1, {diag(3, 4, "root", G1)}, "0+4=errorFormat");
    row("keyword needs its space", 1, "aliasfoo", 0x28001, {diag(3, 0, "root", U1)}, "0+8=errorFormat");
    row("capital dotted I keeps positions", A + 1, QString::fromUtf8("echo \u0130 } x"), 1,
        {diag(3, 9, "block", afterClosing)}, "0+4=commandFormat 7+1=braceFormat 9+1=errorFormat");
    row("stray root text", 1, "  stray text  ", 0x28001, {diag(3, 0, "root", U1)}, "0+14=errorFormat");

    // ---- Headers (their own painting belongs to the header checks).
    row("brace glued to code", 1, "alias foo {echo", 1, {}, anySpans);
    row("alias closed on its line", 1, "alias foo { echo hi }", 1, {}, anySpans);
    row("alias over-closing", 1, "alias foo echo a }", 1, {diag(3, 17, "block", closingInExpression)}, anySpans);
    row("alias two braces", 1, "alias foo { if (1) {", A + 2, {}, anySpans);
    row("dialog brace glued", 1, "dialog test {x", 1, {diag(3, 12, "Dialog", D1)}, anySpans);
    row("dialog excess", 1, "dialog test { x", 0x100, {diag(3, 14, "Dialog", D2)}, anySpans);
    row("menu without brace", 1, "menu nicklist", 1, {diag(3, 13, "Menu", M1)}, anySpans);
    row("menu excess", 1, "menu nicklist { x", 0x26001, {diag(3, 16, "Menu", M2)}, anySpans);

    // ---- The root level inside a group.
    row("group: comment opener", G, "/* x", 3, {}, "0+4=commentFormat");
    row("group: end", G, "#grp end", 1, {}, "0+4=groupNameFormat 5+3=groupStateFormat");
    row("group: no nesting", G, "#grp on", G, {diag(3, 5, "root", G2)}, "0+7=errorFormat");
    row("group: alias opens", G, "alias foo {", G + A + 1, {}, anySpans);
    row("group: one-line alias", G, "alias foo echo", G, {}, anySpans);
    row("group: unknown event", G, "on *:nosuch:{", G + 0x24001, {diag(3, 5, "on nosuch", "Unknown event `nosuch'")},
        anySpans);
    row("group: dialog", G, "dialog x {", G + DLG, {}, anySpans);
    row("group: menu", G, "menu status {", G + M + 1, {}, anySpans);
    row("group: ctcp without level", G, "ctcp xyz", G, {diag(4, 0, "Ctcp", C1)}, "0+4=errorFormat");
    row("group: stray text", G, "  stray  ", G + 0x28001, {diag(3, 0, "root", U1)}, "2+5=errorFormat");

    // ---- Root comments.
    row("comment goes on", 2, "still here", 2, {}, "0+10=commentFormat");
    row("comment task", 2, "  xxx: look", 2, {diag(14, 2, "", "look")},
        "0+2=commentFormat 2+4=taskMarkerFormat 6+5=commentFormat");
    row("closer not first", 2, "x */", 2, {}, "0+4=commentFormat");
    row("comment closes", 2, "  */  ", 1, {}, "0+6=commentFormat");
    row("comment trailing text", 2, "  */ x", 1, {diag(3, 5, "root", T1)}, "0+5=commentFormat 5+1=errorFormat");
    row("group comment goes on", 3, "x", 3, {}, "0+1=commentFormat");
    row("group comment closes", 3, "*/", G, {}, "0+2=commentFormat");

    // ---- Bodies: comment lines and their trailing text.
    row("body comment", A + 1, "  ; hack it", A + 1, {diag(13, 4, "", "it")},
        "0+4=commentFormat 4+4=taskMarkerFormat 8+3=commentFormat");
    row("alias rem", A + 1, "  rem x", A + 1, {diag(1, 2, "alias", R1)}, "2+5=commentFormat");
    row("event rem", E + 1, "rem", E + 1, {diag(1, 0, "event", R1)}, "0+3=commentFormat");
    row("menu rem", M + 1, "rem x", M + 1, {diag(1, 0, "Menu", R1)}, "0+5=commentFormat");
    row("rem needs its space in a body", A + 1, "remark", A + 1, {}, "");
    row("body comment opens", A + 2, " /* todo", AC + 2, {diag(11, 4, "", "")},
        "0+4=commentFormat 4+4=taskMarkerFormat");
    row("body comment goes on", AC + 1, "more", AC + 1, {}, "0+4=commentFormat");
    row("body comment closes", AC + 1, "*/", A + 1, {}, "0+2=commentFormat");
    row("group body comment closes", G + AC + 2, "  */", G + A + 2, {}, "0+4=commentFormat");
    row("alias comment trailing", AC + 1, " */ x ", A + 1, {diag(3, 4, "alias", T1)},
        "0+4=commentFormat 4+1=errorFormat 5+1=commentFormat");
    row("event comment trailing", EC + 2, "*/ y", E + 2, {diag(3, 3, "Event", T1)},
        "0+3=commentFormat 3+1=errorFormat");
    row("menu comment trailing", MC + 1, "*/ y", M + 1, {diag(3, 3, "Menu", T1)}, "0+3=commentFormat 3+1=errorFormat");
    row("dialog comment trailing", DLGC, "*/ y", DLG, {diag(3, 3, "Dialog", T1)}, "0+3=commentFormat 3+1=errorFormat");
    row("group dialog line", G + DLG, "size 1 2 3 4", G + DLG, {}, anySpans);
    row("group dialog comment closes", G + DLGC, "*/", G + DLG, {}, "0+2=commentFormat");
    row("group dialog closes", G + DLG, "}", G, {}, anySpans);

    // ---- Bodies: depth and the state of their level.
    row("body closes", A + 1, "}", 1, {}, "0+1=braceFormat");
    row("body one brace less", A + 2, "  }", A + 1, {}, "2+1=braceFormat");
    row("group body one brace less", G + A + 2, "}", G + A + 1, {}, "0+1=braceFormat");
    row("group body closes to group root", G + A + 1, "}", G, {}, "0+1=braceFormat");
    row("empty body line", E + 3, "", E + 3, {}, "");
    row("group alias two braces", G, "alias foo { if (1) {", G + A + 2, {}, anySpans);
    row("deepest body that decodes", A + 4096, "", A + 4096, {}, "");

    // ---- States no line ends in.
    row("state 0", 0, "x", 1, {diag(3, 0, "root", U1)}, "0+1=errorFormat");
    row("group offset plus 2", G + 2, "x", G, {diag(3, 0, "root", U1)}, "0+1=errorFormat");

    // ---- The statement scanner.
    row("command word", A + 1, "echo -a hi", A + 1, {}, "0+4=commandFormat");
    row("command prefixes", A + 1, "!.echo hi", A + 1, {}, "0+6=commandFormat");
    row("slash prefix", A + 1, "/echo hi", A + 1, {}, "0+5=commandFormat");
    row("five prefixes", A + 1, "..!!/echo hi", A + 1, {}, "");
    row("name ends at punctuation", A + 1, "echo, hi", A + 1, {}, "0+4=commandFormat");
    row("longer word is no command", A + 1, "echoes", A + 1, {}, "");
    row("later name in the list", A + 1, "didtok a", A + 1, {}, "0+6=commandFormat");
    row("separators", A + 1, "echo a | halt", A + 1, {}, "0+4=commandFormat 9+4=commandFormat");
    row("glued bar is text", A + 1, "echo a|halt", A + 1, {}, "0+4=commandFormat");
    row("empty statements", A + 1, "| | echo b", A + 1, {}, "4+4=commandFormat");
    row("depth 1: closes, text after", A + 1, "echo a } b", 1, {diag(3, 9, "block", afterClosing)},
        "0+4=commandFormat 7+1=braceFormat 9+1=errorFormat");
    row("depth 1: nothing after the close is checked", A + 1, "echo a } b | echo c", 1,
        {diag(3, 9, "block", afterClosing)}, "0+4=commandFormat 7+1=braceFormat 9+10=errorFormat");
    row("depth 2: brace then statement", A + 2, "echo a } | echo b", A + 1, {},
        "0+4=commandFormat 7+1=braceFormat 11+4=commandFormat");
    row("depth 3: text between braces", A + 3, "echo } x y } | halt", A + 1, {diag(3, 10, "block", afterClosing)},
        "0+4=commandFormat 5+1=braceFormat 7+3=errorFormat 11+1=braceFormat 15+4=commandFormat");
    row("depth 1: over-closing", A + 1, "echo a } }", 1, {diag(3, 10, "block", closingInExpression)},
        "0+4=commandFormat 7+1=braceFormat 9+1=errorFormat");
    row("below 0: text after the brace", A + 1, "echo a } | echo b } x | halt", 1,
        {diag(3, 18, "block", closingInExpression)},
        "0+4=commandFormat 7+1=braceFormat 11+4=commandFormat 18+1=errorFormat 24+4=commandFormat");
    row("glued brace is text", A + 1, "echo x{y", A + 1, {}, "0+4=commandFormat");
    row("opening brace in expression", A + 1, "echo { x | echo y", A + 2, {diag(3, 6, "block", openingInExpression)},
        "0+4=commandFormat 5+1=errorFormat 7+2=errorFormat 11+4=commandFormat");
    row("comment after a bar", A + 1, "echo | ; a | echo b", A + 1, {},
        "0+4=commandFormat 7+4=commentFormat 13+4=commandFormat");
    row("comment brace opens", A + 1, "echo | ; note { here", A + 2, {diag(3, 14, "block", openingInComment)},
        "0+4=commandFormat 7+7=commentFormat 14+1=errorFormat 15+5=commentFormat");
    row("comment brace closes", A + 1, "echo | ; x } y", 1, {}, "0+4=commandFormat 7+7=commentFormat");
    row("rem statement", A + 1, "echo | rem x", A + 1, {}, "0+4=commandFormat 7+5=commentFormat");
    row("inline comment then statement", A + 1, "echo | /* note | */ | echo b", A + 1, {},
        "0+4=commandFormat 7+12=commentFormat 22+4=commandFormat");
    row("inline comment trailing", A + 1, "echo | /* note | */ junk", A + 1, {diag(3, 19, "block", T1)},
        "0+4=commandFormat 7+12=commentFormat 19+5=errorFormat");
    row("inline comment trailing before bar", A + 1, "echo | /* a | */ x | halt", A + 1, {},
        "0+4=commandFormat 7+9=commentFormat 16+3=errorFormat 21+4=commandFormat");
    row("inline comment unterminated", A + 1, "echo | /* note | echo", A + 1, {diag(3, 7, "block", unterminated)},
        "0+4=commandFormat 7+14=commentErrorFormat");
    row("inline comment brace", A + 1, "echo | /* a } b | */", 1, {diag(3, 12, "block", closingInComment)},
        "0+4=commandFormat 7+4=commentFormat 12+1=errorFormat 13+7=commentFormat");
    row("inline comment brace after a bar", A + 1, "echo | /* a | { b | */", A + 2,
        {diag(3, 14, "block", openingInComment)},
        "0+4=commandFormat 7+6=commentFormat 14+1=errorFormat 15+7=commentFormat");
    row("statement comment task words stay", A + 1, "echo | ; todo x", A + 1, {},
        "0+4=commandFormat 7+8=commentFormat");
    row("task marker needs the whole word", 1, "; todofix", 1, {}, "0+9=commentFormat");
}

void TestChecker::lines()
{
    QFETCH(int, previous);
    QFETCH(QString, line);
    QFETCH(QString, spans);

    const CheckedLine checked(line, previous);
    QTEST(checked.diagnostics(), "diagnostics");
    if (spans != anySpans)
        QCOMPARE(checked.spans().join(QLatin1Char(' ')), spans);
    QTEST(checked.result.state, "state");
    QCOMPARE(checked.outside(), QString());
}

// One fault, one report: a script's errors and warnings ("line:pos message"),
// with what the unclosed-block rule adds at header lines, as korvel-check and
// the editor check a script.
void TestChecker::recovery_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("findings");
    const QString unclosed = QStringLiteral("`%1' is never closed: a `}' is missing");
    const QString headerInBody = QStringLiteral("A header inside an open block: a `}' is probably missing above");
    const QString unclosedComment = QStringLiteral("A `/*' comment is never closed: the rest of the script is ignored");

    const auto row = [](const char* name, const char* script, const QStringList& findings) {
        QTest::newRow(name) << QString::fromLatin1(script) << findings;
    };

    row("unknown event opens its body", "on *:TXET:*:#:{\n  if (x) { echo $1 }\n}\nalias y { }",
        {"1:5 Unknown event `txet'"});
    row("rejected ctcp opens its body", "ctcp &1:do:{\n  echo a\n}\nalias y { }", {"1:8 Command Parameter Missing."});
    row("stray brace between blocks", "alias x { }\n}\n\nalias y {\n  echo\n}", {"2:0 " + U1});
    row("brace closing a body early", "alias x {\n  echo }\n  echo b\n  echo c\n}\nalias y { }", {"3:0 " + U1});
    row("never closed at the end", "alias x {\n  echo a\n  if (1) {\n    echo b\n  }",
        {"1:0 " + unclosed.arg("alias x")});
    row("header at column 0 inside a body", "on *:text:*:#:{\n  echo a\ndialog d {\n  title \"x\"\n}",
        {"1:0 " + unclosed.arg("on text"), "3:0 " + headerInBody});
    row("comment never closed at the root", "alias x { }\n/* a */ /* b\nalias y { }", {"2:0 " + unclosedComment});
    row("comment closed at the root", "/* a\n*/\nalias y { }", {});
    row("indented command lines stay code", "alias x {\nraw -q notice $me :hi\non 1:text:*:#:echo\n}", {});
    row("dialog control without ID", "dialog d {\n  button \"Ok\", 97 131 37 12, default ok\n}",
        {"2:2 Dialog `button' missing ID"});
}

void TestChecker::recovery()
{
    QFETCH(QString, script);
    QFETCH(QStringList, findings);
    QStringList found = findingsIn(script);
    found.sort();
    findings.sort();
    QCOMPARE(found, findings);
}

void TestChecker::hugeLinesStayBounded_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("previous");

    QTest::newRow("statements") << "echo a | " << A + 1;
    QTest::newRow("empty statements") << "| " << A + 1;
    QTest::newRow("inline comments") << "/* x | */ | " << A + 1;
    QTest::newRow("line comments") << "echo | ; x | " << A + 1;
    QTest::newRow("opening braces") << "{ " << A + 1;
    QTest::newRow("closing braces") << "} " << A + 1;
    QTest::newRow("brace and text") << "} x " << E + 4000;
    QTest::newRow("conditions") << "if (1) echo | " << A + 1;
    QTest::newRow("else statements") << "else halt | " << A + 1;
    QTest::newRow("var statements") << "var %x = 1 | " << A + 1;
    QTest::newRow("root text") << "x " << 1;
    QTest::newRow("alias header") << "alias f { " << 1;
    QTest::newRow("rejected header opening its body") << "on *:txet:{ " << 1;
    QTest::newRow("header inside a body") << "alias f { " << 0x20001;
    QTest::newRow("stray text") << "x } { " << 0x28001;
}

// A single line of a megabyte: no deep recursion, no read past its end.
void TestChecker::hugeLinesStayBounded()
{
    QFETCH(QString, unit);
    QFETCH(int, previous);
    const QString line = unit.repeated((1 << 20) / unit.size());
    QCOMPARE(CheckedLine(line, previous).outside(), QString());
}

// However many statements hand the rest of the line on, a line of a realistic
// length is checked to its end.
void TestChecker::longChainsOfStatementsAreCheckedToTheEnd()
{
    for (const char* unit : {"if (1) echo | ", "else echo | ", "var %x = 1 | ", "echo | "}) {
        const QString line = QString::fromLatin1(unit).repeated(200) + QStringLiteral("halt");
        QCOMPARE(CheckedLine(line, A + 1).result.formats.last(), FormatId::commandFormat);
    }
}

// Any integer may come in as the previous state (a document's user state can
// hold anything); the checker neither crashes nor leaves the line.
void TestChecker::deepNestingStaysABody()
{
    // 10,000 nested blocks, never closed: past the deepest depth a state
    // holds, the lines stay code of the alias instead of turning into
    // another kind; the block is reported at its header.
    MslChecker checker;
    LineCheckResult result;
    UnclosedBlock::Tracker tracker;
    int state = -1;
    for (int i = 1; i <= 10000; ++i) {
        checker.checkLine(i == 1 ? QStringLiteral("alias x {") : QStringLiteral("  if (1) {"), state, result);
        tracker.follow(i, result);
        state = result.state;
    }
    QCOMPARE(BlockState::decode(state).kind, BlockState::Kind::AliasBody);
    QCOMPARE(tracker.atEnd()->line, 1);
}

void TestChecker::arbitraryStatesStayBounded()
{
    const QStringList lines = {"", "}", "*/ x", "/* x", "echo { } } | ; { | /* |", "#g end", "alias x {"};
    const int states[] = {INT_MIN, -2,      0,       4,       0xff,    0x102,       0x20000,     0x21000, 0x27fff,
                          0x74fff, 0x75001, 0x75002, 0x75003, 0x9c000, 2 * 0x75000, INT_MAX - 1, INT_MAX};
    MslChecker checker;
    LineCheckResult result;
    for (int state : states) {
        for (const QString& line : lines) {
            checker.checkLine(line, state, result);
            const QString why = outsideLine(result, line.size());
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("state %1: %2").arg(state).arg(why)));
        }
    }
}

// Every script of the corpus, read and checked as the editor does, with the
// state carried: nothing crashes, hangs or points outside its line.
void TestChecker::corpusStaysInsideItsLines()
{
    const QString folder = qEnvironmentVariable("KORVEL_CORPUS");
    if (folder.isEmpty())
        QSKIP("KORVEL_CORPUS is not set");
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.mrc"), QStringLiteral("*.ini")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), qPrintable(folder));
    QStringList outside;
    for (const QFileInfo& info : files) {
        ScriptLineReader reader;
        QVERIFY2(reader.open(info.filePath()), qPrintable(info.filePath()));
        QVERIFY(checkScript(reader, [&](const ScriptLine& line, const LineCheckResult& result) {
            const QString why = outsideLine(result, int(line.text.size()));
            if (!why.isEmpty())
                outside << QStringLiteral("%1:%2: %3").arg(info.fileName()).arg(line.number).arg(why);
        }));
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.mid(0, 10).join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestChecker)
#include "test_checker.moc"
