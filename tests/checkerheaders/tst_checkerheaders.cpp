#include "CheckedLine.h"
#include "checker/core/BlockState.h"

#include "formats/ScriptLineReader.h"
#include "korvel-check/ReportFormat.h"
#include "korvel-check/ScriptRun.h"

#include <QtTest>

// Header lines (alias, dialog, menu, on, ctcp, raw), dialog table lines and
// menu body lines, each checked through the checker's line entry with the
// state that puts it where it belongs.

namespace {

constexpr int rootState = BlockState::root;
constexpr int dialogState = BlockState::dialogTable;
constexpr int dialogCommentState = BlockState::dialogComment;
constexpr int eventBodyState = BlockState::eventBody;
constexpr int menuBodyState = BlockState::menuBody;

const QString matchtextVariables =
    QStringLiteral("matchtext contains variables and text must be enclosed by the $() identifier");

} // namespace

class TestCheckerHeaders : public QObject {
    Q_OBJECT

private:
    static void verifyLine(int previousState)
    {
        QFETCH(QString, line);
        QFETCH(QStringList, paints);
        const CheckedLine checked(line, previousState);
        QTEST(checked.diagnostics(), "diagnostics");
        QCOMPARE(checked.failedPaint(paints), QString());
        QTEST(checked.result.state, "state");
        QCOMPARE(checked.outside(), QString());
    }

private slots:
    // ---- Header lines: alias, dialog, menu, on, ctcp and raw -------------

    void headers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("diagnostics");
        QTest::addColumn<QStringList>("paints");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("state");
        const auto row = [](const char* name, const char* line, const QStringList& diagnostics,
                            const QStringList& paints, const char* header, int state) {
            QTest::newRow(name) << QString(line) << diagnostics << paints << QString(header) << state;
        };
        const int open = eventBodyState + 1;
        const int root = rootState;
        const int detached = BlockState::detachedBody + 1; // stray text goes on as code
        const auto on = [](int pos, const char* event, const QString& message, int type = 3) {
            return QStringLiteral("%1@%2 [on %3] %4").arg(type).arg(pos).arg(QString(event), message);
        };
        // Every missing-parameter row below has its event name at 5.
        const auto missing = [&on](const char* event, const char* what) {
            return QStringList{on(5, event, QString(what) + QStringLiteral(" parameter is missing"))};
        };
        const QString targetVariables =
            QStringLiteral("target contains variables and text must be enclosed by the $() identifier");
        const QString windowVariables =
            QStringLiteral("window parameter contains variables and text must be enclosed by the $() identifier");
        const QString badChannel = QStringLiteral("Invalid channel name in target.");
        const QString wildcard =
            QStringLiteral("[Menu] Wildcard * overrides all other targets, making them pointless.");

        // alias, dialog and menu; the headers of the trace script are not repeated here.
        const int aliasOpen = BlockState::aliasBody + 1;
        const int menuOpen = menuBodyState + 1;
        row("alias", "alias foo {", {}, {"0+5=aliasKeywordFormat", "6+3=aliasNameFormat"}, "1 foo@6", aliasOpen);
        row("indented local alias", "  alias -l  Foo echo", {},
            {"2+5=aliasKeywordFormat", "8+2=aliasSwitchFormat", "12+3=aliasNameFormat"}, "1 foo@12 local", root);
        row("local dialog", "dialog -l setup {", {},
            {"0+6=dialogKeywordFormat", "7+2=dialogSwitchFormat", "10+5=dialogNameFormat"}, "2 setup@10 local",
            dialogState);
        row("dialog illegal switches", "dialog -ab name {", {"2@8 [dialog] Illegal alias switches: `ab"},
            {"7+1=none", "8+2=errorFormat"}, "2 name@11", dialogState);
        row("menu targets", "menu status,@win,nicklist {", {}, {"0+4=menuKeywordFormat", "5+21=none"}, "4 Menu@0",
            menuOpen);
        row("menu invalid target", "menu status,foo {", {"3@12 [Menu] Invalid Target: `foo'"},
            {"5+6=none", "12+3=errorFormat"}, "4 Menu@0", menuOpen);
        row("menu empty target", "menu status, {", {"3@12 [Menu] Invalid Target: `'"}, {}, "4 Menu@0", menuOpen);
        row("menu wildcard", "menu *,status,query {", {"2@7 " + wildcard, "2@14 " + wildcard},
            {"5+1=none", "7+6=warningFormat", "14+5=warningFormat"}, "4 Menu@0", menuOpen);

        // E1: matchtext, target list.
        row("text one-line", "on *:action:*:?:echo hi", {}, {}, "3 action|*@12", root);
        row("text empty after event", "on 1:text:", missing("text", "matchtext"), {"5+4=errorFormat"}, "", root);
        row("notice variable without colon", "on 1:notice:%a b",
            {on(12, "notice", matchtextVariables), on(5, "notice", "target parameter is missing")},
            {"12+4=errorFormat"}, "3 notice|%a b@12", root);
        row("text brace instead of target", "on 1:text:*:{", missing("text", "target"), {"12+1=braceFormat"},
            "3 text|*@10", open);
        row("text variables", "on 1:text:%trigger:%chan:{", {}, {"10+8=variableFormat", "19+5=variableFormat"},
            "3 text|%trigger@10", open);
        row("text evaluated matchtext", "on 1:text:$(hi):#:{", {}, {"10+2=identifierFormat"}, "3 text|$(hi)@10", open);
        row("text wildcard *", "on 1:text:*:#a,*,bob:{",
            {on(15, "text", "Wildcard * overrides all other targets, making them pointless.", 2)},
            {"12+2=warningFormat", "15+1=none", "17+3=warningFormat"}, "3 text|*@10", open);
        row("text wildcards ? and #", "on 1:text:*:?,#,#a,bob:{",
            {on(12, "text", "Wildcard ? overrides all other query targets, making them pointless.", 2),
             on(14, "text", "Wildcard # overrides all other channels targets, making them pointless.", 2)},
            {"14+1=none", "16+2=warningFormat", "19+3=warningFormat"}, "3 text|*@10", open);
        row("text ? beside channels only", "on 1:text:*:?,#a:{", {}, {"14+2=none"}, "3 text|*@10", open);

        // E2: no parameters.
        row("connect", "on 1:connect:{", {}, {"5+7=eventNameFormat"}, "3 connect|@13", open);

        // E3: channel target list.
        row("join", "on !1:join:#a,#b:{", {}, {"11+5=none"}, "3 join|@11", open);
        row("join invalid channel", "on 1:join:abc,#a,x:{", {on(10, "join", badChannel), on(17, "join", badChannel)},
            {"10+3=errorFormat", "14+2=none", "17+1=errorFormat"}, "3 join|@10", open);
        row("part wildcard", "on 1:part:#a,#:{",
            {on(13, "part", "Wildcard # or * overrides all other targets, making them pointless.", 2)},
            {"10+2=warningFormat"}, "3 part|@10", open);
        row("kick variable target", "on 1:kick:%a b:{", {on(10, "kick", matchtextVariables)}, {"10+4=errorFormat"},
            "3 kick|@10", open);

        // E4: matchtext.
        // The only parameter without its colon is itself the missing one.
        row("chat matchtext without colon", "on 1:chat:* {", missing("chat", "matchtext"), {}, "", open);
        row("wallops variable", "on 1:wallops:%w x:{", {on(13, "wallops", matchtextVariables)}, {}, "3 wallops|%w x@13",
            open);

        // E5: one target.
        row("input", "on 1:input:#:{", {}, {}, "3 input|@11", open);
        row("tabcomp invalid target", "on 1:tabcomp:x:{",
            {on(13, "tabcomp", "Invalid target parameter, must be one of the following: *, #, ?, =, !, @.")},
            {"13+1=errorFormat"}, "3 tabcomp|@13", open);
        row("active variable target", "on 1:active:%t x:{", {on(12, "active", targetVariables)}, {"12+4=errorFormat"},
            "3 active|@12", open);

        // E6: filename.
        row("filercvd", "on 1:filercvd:*.txt:{", {}, {}, "3 filercvd|@14", open);

        // E7: DCC type.
        row("dccserver", "on 1:dccserver:fserve:{", {}, {}, "3 dccserver|@15", open);
        row("dccserver missing type", "on 1:dccserver:", {on(5, "dccserver", "DCC type parameter is missing")}, {},
            "3 dccserver|@15", root);
        row("dccserver invalid type", "on 1:dccserver:ftp:{",
            {on(15, "dccserver", "Invalid DCC type parameter, must be one of the following: chat, send, or fserve.")},
            {"15+3=errorFormat"}, "3 dccserver|@15", open);

        // E8: window type, optional matchtext; recorded after its checks.
        row("open", "on 1:open:?:{", {}, {}, "3 open|@12", open);
        row("close variable matchtext", "on 1:close:?:%m x:{", {on(13, "close", matchtextVariables)},
            {"13+4=errorFormat"}, "3 close|%m x@18", open);

        // E9: matchtext, target.
        row("vcmd variable target", "on 1:vcmd:a:%t x:{", {on(12, "vcmd", targetVariables)}, {}, "3 vcmd|a@10", open);

        // E10: window, key types.
        row("keydown", "on 1:keydown:@win:13,*:{", {}, {}, "3 keydown|@win@13", open);
        row("keydown missing key types", "on 1:keydown:@win:", missing("keydown", "key types"), {}, "3 keydown|@win@13",
            root);
        row("keyup invalid key type", "on 1:keyup:@w:13,x,y:{",
            {on(17, "keyup", "Invalid key type"), on(19, "keyup", "Invalid key type")},
            {"14+2=none", "17+1=errorFormat", "19+1=errorFormat"}, "3 keyup|@w@11", open);
        row("keyup variable window", "on 1:keyup:%w x:*:{", {on(11, "keyup", windowVariables)}, {}, "3 keyup|%w x@11",
            open);

        // E11: matchtext, read only.
        row("logon", "on 1:logon:%a b:{", {}, {}, "3 logon|@11", open);

        // E12: dialog name, event, ids.
        row("dialog", "on 1:dialog:setup:*:1-3,7:{", {}, {}, "3 dialog|setup@12", open);
        row("dialog invalid event", "on 1:dialog:d:click:*:{", {on(14, "dialog", "Invalid event type")},
            {"14+5=errorFormat"}, "3 dialog|d@12", open);
        row("dialog invalid id", "on 1:dialog:d:sclick:1-3,x,4-y:{", {on(21, "dialog", "Invalid dialog ID")},
            {"21+3=none", "25+1=errorFormat", "27+1=none", "29+1=errorFormat"}, "3 dialog|d@12", open);
        row("dialog missing ids", "on 1:dialog:d:init:", missing("dialog", "dialog ID"), {}, "3 dialog|d@12", root);

        // Access levels, and on-lines that are no header.
        const QString unexpected = QStringLiteral("3@0 [root] Unexpected characters in root level of script file.");
        row("level without colon", "on xyz", {}, {"0+2=eventKeywordFormat", "3+3=errorFormat"}, "", root);
        row("level only", "on 1:", {unexpected}, {"0+5=errorFormat"}, "", detached);
        row("no colon after the event", "on 1:text", {unexpected}, {"0+9=errorFormat"}, "", detached);
        row("no colon before the brace", "on 1:load {", {unexpected}, {"0+10=errorFormat", "10+1=braceFormat"}, "",
            open);
        row("unknown event", "on 1:foo:*:{", {"3@5 [on foo] Unknown event `foo'"},
            {"5+3=errorFormat", "11+1=braceFormat"}, "", open);
        row("level without colon before a brace", "on xyz {",
            {"3@3 [Event] Ill-formed event header, expecting `on <level>:<event>:'"},
            {"3+4=errorFormat", "7+1=braceFormat"}, "", open);
        row("me prefix", "on me:1:join:#a:{", {}, {"3+2=accessLevelFormat", "6+1=none", "8+4=eventNameFormat"},
            "3 join|@13", open);
        row("named level", "on @friend:op:#:{", {}, {}, "3 op|@14", open);

        // ctcp headers.
        row("ctcp level without colon", "ctcp xyz", {"4@0 [Ctcp] Invalid Access Level"}, {"0+4=errorFormat"}, "", root);
        row("ctcp", "ctcp 1:ping:*:{", {}, {"0+4=ctcpRawKeywordFormat", "14+1=braceFormat"}, "3 Ctcp|ping@7", open);
        row("ctcp missing matchtext", "ctcp 1::#:{", {"3@7 [Ctcp] Missing Matchtext Parameter"},
            {"7+3=errorFormat", "10+1=braceFormat"}, "", open);
        row("ctcp invalid target", "ctcp 1:version:a b:{",
            {"3@15 [Ctcp] Invalid target parameter, must be one of the following: *, #, ?"}, {"15+3=errorFormat"},
            "3 Ctcp|version@7", open);
        // mIRC takes window names besides *, # and ?.
        row("ctcp named targets", "ctcp 1:version:nick,@win:{", {}, {}, "3 Ctcp|version@7", open);
        row("ctcp without target", "ctcp &*:sound:return", {"3@8 [Ctcp] Command Parameter Missing."}, {}, "", root);
        row("ctcp missing command", "ctcp 1:ping:#", {"3@7 [Ctcp] Command Parameter Missing."}, {"7+4=errorFormat"}, "",
            root);
        row("ctcp variable matchtext", "ctcp 1:%a b:?:{", {"3@7 [Ctcp] " + matchtextVariables}, {"7+4=errorFormat"},
            "3 Ctcp|%a b@7", open);

        // raw headers.
        row("raw prop", "raw prop:*:echo", {}, {}, "3 Raw|*@4", root);
        row("raw invalid numeric", "raw 1.5:*:{", {"3@4 [Raw] Invalid Raw Numeric/prop."}, {"4+3=errorFormat"},
            "3 Raw|*@4", open);
        // The "&" prefix and the named raw events of messages without a numeric.
        row("raw halted prefix", "raw &341:*:{", {}, {}, "3 Raw|*@4", open);
        row("raw named event", "raw knock:*:{", {}, {}, "3 Raw|*@4", open);
        row("raw missing numeric", "raw :*:{", {"3@4 [Raw] Missing Raw Numeric/prop."}, {"4+3=errorFormat"}, "", open);
        row("raw missing matchtext", "raw 372::{", {"3@4 [Raw] Missing Matchtext Parameter"}, {}, "", open);
        row("raw missing command", "raw 372:*", {"3@4 [Raw] Command Parameter Missing."}, {"4+3=errorFormat"},
            "3 raw|*@8", root);
        row("raw variable matchtext", "raw 1:%x y:{", {"3@6 [Raw] " + matchtextVariables}, {}, "3 Raw|%x y@4", open);
    }

    void headers()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, paints);
        QFETCH(QString, header);
        QFETCH(int, state);
        const CheckedLine checked(line, rootState);
        QTEST(checked.diagnostics(), "diagnostics");
        QCOMPARE(checked.failedPaint(paints), QString());
        QCOMPARE(checked.header(), header);
        QCOMPARE(checked.result.state, state);
        QCOMPARE(checked.result.header.opensBlock,
                 state != rootState && BlockState::decode(state).kind != BlockState::Kind::DetachedBody);
    }

    // ---- Dialog tables ---------------------------------------------------

private:
    // A line table's row in one line of source: the diagnostics ("type@pos
    // [block] message") and the paints ("start+length=format") are lists
    // separated by "|".
    struct LineRow {
        const char* name;
        QString line;
        QString diagnostics;
        QString paints;
        int state;
    };

    static void addLineRows(std::initializer_list<LineRow> rows)
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("diagnostics");
        QTest::addColumn<QStringList>("paints");
        QTest::addColumn<int>("state");
        for (const LineRow& row : rows)
            QTest::newRow(row.name) << row.line << row.diagnostics.split('|', Qt::SkipEmptyParts)
                                    << row.paints.split('|', Qt::SkipEmptyParts) << row.state;
    }

private slots:
    void dialogLines_data()
    {
        const int in = dialogState;
        const int out = rootState;
        const QString premature = "[Dialog] Unexpected closing bracket ending dialog block prematurely";
        const QString noType = "[Dialog] Dialog option requires at least one type: dbu, pixels, notheme, disable";
        const QString rem = "[alias] Old-style rem comments are deprecated, consider using `;' comments.";
        addLineRows({
            {"spaces", "    ", "", "", in},

            {"option", "option dbu notheme", "", "0+6=dialogTableFormat|7+11=none", in},
            {"option invalid", "option dbu foo", "3@14 [Dialog] Invalid option type", "11+3=errorFormat", in},
            {"option alone", "option ", "3@7 " + noType, "", in},
            {"option premature end", "option dbu } x", "3@12 " + premature, "11+3=errorFormat", out},

            {"size too few", "size 10 10", "3@0 [Dialog] Dialog size missing parameters", "0+4=errorFormat", in},
            {"size too many", "  size 1 2 3 4 5", "3@2 [Dialog] Dialog size too many parameters", "2+4=errorFormat",
             in},
            // A variable may stand for several numbers: the count is not judged.
            {"size variables", "size %w %h", "", "5+2=variableFormat", in},

            {"title unterminated", "title \"abc", "", "7+3=promptFormat", in},
            {"title trailing text", "title \"a\" x", "3@10 [Dialog] Trailing text after end of title string",
             "10+1=errorFormat", in},
            {"title alone", "title", "3@0 [Dialog] Dialog title requires a string title", "0+5=errorFormat", in},
            // Without quotes the title's words are read like an option line's.
            {"title without quotes", "title %t $t x", "3@13 [Dialog] Invalid option type",
             "6+2=variableFormat|9+2=identifierFormat|12+1=errorFormat", in},
            {"title premature end", "title } x", "3@7 " + premature, "6+1=errorFormat|8+1=none", out},

            {"button bad style", "button \"OK\", 1, 10 10 50 20, ok bogus", "3@37 [Dialog] Invalid style type",
             "32+5=errorFormat", in},
            {"button premature end", "button \"OK\", 1, 10 10 50 20, ok } x", "3@33 " + premature, "32+3=errorFormat",
             out},
            {"button alone", "button ", "3@0 [Dialog] Dialog `button' missing parameters", "0+6=errorFormat", in},
            {"button text only", "button \"OK\"", "3@0 [Dialog] Dialog `button' missing ID", "0+6=errorFormat", in},
            {"button without size", "button \"OK\", 1",
             "3@0 [Dialog] Dialog `button' missing size parameters: <x> <y> <w> <h>", "0+6=errorFormat", in},
            {"tab without size", "tab \"General\", 1", "", "", in},
            // An unquoted text is evaluated anywhere in it, the ID only at
            // its word starts.
            {"unquoted text", "edit a%text, 3 x%y, 1 1 1 1", "", "6+5=variableFormat|16+2=none", in},
            {"identifier with commas", "text $foo(a,b), 2, 1 1 1 1", "3@5 [Dialog] Identifier cannot contain commas",
             "0+4=errorFormat|5+9=errorFormat", in},
            {"commas between styles", "edit \"\", 3, 1 1 1 1, pass,read, bogus", "3@37 [Dialog] Invalid style type",
             "25+1=none|32+5=errorFormat", in},

            {"combo bad style", "combo 6, 1 1 50 50, multsel", "3@27 [Dialog] Invalid style type", "20+7=errorFormat",
             in},
            // Tab stops take a number or none; a tab's styles go unchecked.
            {"tab stop", "edit \"\", 3, 1 1 1 1, tab12", "", "", in},
            {"own style, tab stop without a number", "check \"x\", 1, 1 1 1 1, 3state tab", "", "", in},
            {"tab stop with text", "radio \"x\", 1, 1 1 1 1, tabx", "3@27 [Dialog] Invalid style type",
             "23+4=errorFormat", in},
            {"styles of a tab", "tab \"x\", 1, 1 1 1 1, anything", "", "", in},
            {"list alone", "list", "3@0 [Dialog] Dialog `list' missing ID", "0+4=errorFormat", in},

            {"icon", "icon foo.ico, 0", "", "0+4=dialogTableFormat", in},
            {"closing brace", "}", "", "0+1=braceFormat", out},
            {"closing brace with text", "} x", "3@2 [Dialog] Unexpected characters after closing bracket",
             "0+1=braceFormat|2+1=errorFormat", out},
            {"task in a comment", "  ; todo: check the sizes", "11@4 [] check the sizes",
             "2+2=commentFormat|4+5=taskMarkerFormat", in},
            {"task in a comment opener", "/*fixme later", "15@2 [] later", "0+2=commentFormat|2+5=taskMarkerFormat",
             dialogCommentState},
            {"rem", "rem old", "1@3 " + rem, "0+7=commentFormat", in},
            {"unknown statement", "foo bar", "1@3 [Dialog] Invalid dialog statement", "0+7=errorFormat", in},
        });
    }

    void dialogLines() { verifyLine(dialogState); }

    // ---- Menu bodies -----------------------------------------------------

    void menuLines_data()
    {
        const int in = menuBodyState + 1;
        const QString midBracket = "[Menu] Bracket in the middle of expression, will make menu not work.";
        addLineRows({
            {"label only", "Separator", "", "", in},
            {"item block closed on its line", "a : { echo x }", "", "", in},
            {"item with colon and block", "Tools : {", "", "8+1=braceFormat", in + 1},
            {"block brace on its own line", "  {", "", "2+1=braceFormat", in + 1},
            // The colon form takes the label up to the colon, braces and all.
            {"braces in the label", "a { b } c : echo", "3@2 " + midBracket + "|3@6 " + midBracket,
             "2+1=errorFormat|6+1=errorFormat", in},
            {"brace inside a word", "a{ b : echo", "", "1+1=none", in},
            {"brace at the line start", "{", "3@0 " + midBracket, "0+1=errorFormat", in},
            {"identifier label", "$me : echo", "", "0+3=identifierFormat", in},
            // Nesting dots come before the label's first word.
            {"variable label", ".%item : echo", "", "1+5=variableFormat", in},
            {"end of menu with text", "  } x", "3@4 [Menu] Trailing Characters after closing bracket.",
             "2+1=braceFormat|4+1=errorFormat", rootState},
            {"event word", "dclick", "", "0+6=menuItemFormat", in},
        });
    }

    void menuLines() { verifyLine(menuBodyState + 1); }

    // ---- A whole script ----------------------------------------------------

    // Headers with the lines that follow them, as korvel-check --trace shows
    // them: the states carried from line to line, the spans, the records
    // and the diagnostics.
    void scriptTrace()
    {
        ScriptLineReader script;
        QVERIFY(script.open(QStringLiteral(KORVEL_TEST_DATA "/headers.mrc")));
        QFile expected(QStringLiteral(KORVEL_TEST_DATA "/headers.trace"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QString trace;
        QVERIFY(checkScript(script, [&trace](const ScriptLine& line, const LineCheckResult& result) {
            trace += traceLine(line.number, result);
            for (const LineDiagnostic& d : result.diagnostics)
                trace += textDiagnostic(QStringLiteral("headers.mrc"), line, d);
        }));
        // A list comparison names the first line that differs.
        QCOMPARE(trace.split(QLatin1Char('\n')), QString::fromUtf8(expected.readAll()).split(QLatin1Char('\n')));
    }

    // ---- Robustness ------------------------------------------------------

    // Every checker here runs on fragments of its own syntax without reading
    // past the line or looping: cut every interesting line at every length.
    void truncatedLinesAreSafe()
    {
        const QList<QPair<QString, int>> lines = {
            {"on me:1:dialog:d:sclick:1-3,x:{ echo", rootState},
            {"on 1:text:*:?,#,#a,bob:{", rootState},
            {"on 1:keyup:@w:13,x:{", rootState},
            {"ctcp 1:%a b:?:{", rootState},
            {"raw abc:%x:{", rootState},
            {"dialog -lx name {", rootState},
            {"menu *,status,, {", rootState},
            {"button \"OK\", $a(1,2), 10 10 50 20, ok }", dialogState},
            {"list 5, 1 1 50 50, sort, }", dialogState},
            {"title \"abc\" x", dialogState},
            {"a { $me %x : echo", menuBodyState + 1},
        };
        for (const auto& entry : lines) {
            for (int n = 0; n <= entry.first.size(); ++n) {
                const QString why = CheckedLine(entry.first.left(n), entry.second).outside();
                QVERIFY2(why.isEmpty(), qPrintable(entry.first.left(n) + QStringLiteral(": ") + why));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestCheckerHeaders)
#include "tst_checkerheaders.moc"
