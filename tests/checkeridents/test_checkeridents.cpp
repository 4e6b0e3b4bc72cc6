#include "CheckedLine.h"
#include "checker/core/BlockState.h"
#include "checker/tables/IdentifierParameters.h"

#include <QtTest>

// Conditions, identifiers, var and variables through the checker core: a
// code line inside an alias body in; diagnostics, painted runs, identifier
// records and the end state out. Plus the look-ups into the identifier
// parameter table the checks read.

namespace {

// A code line inside "alias x {", one brace deep.
constexpr int aliasBody1 = BlockState::aliasBody + 1;
constexpr int aliasBody2 = BlockState::aliasBody + 2;

QStringList describe(const QVector<IdentifierRecord>& records)
{
    QStringList list;
    for (const IdentifierRecord& r : records) {
        if (r.isBreak) {
            list << QStringLiteral("break@%1").arg(r.start);
            continue;
        }
        QStringList commas;
        for (int c : r.commaPositions)
            commas << QString::number(c);
        list << QStringLiteral("%1 %2..%3 dot%4%5 [%6]")
                    .arg(r.name)
                    .arg(r.start)
                    .arg(r.end)
                    .arg(r.propertyPos)
                    .arg(r.hasParens ? QStringLiteral(" ()") : QString())
                    .arg(commas.join(QLatin1Char(',')));
    }
    return list;
}

const QString trailing = QStringLiteral("Trailing Characters after closing bracket.");
const QString excess = QStringLiteral("Excess characters or incomplete condition");
const QString noOpening = QStringLiteral("Invalid closing brace, no opening brace found");
const QString tooFew = QStringLiteral("Too few parameters");
const QString tooMany = QStringLiteral("Too many parameters");
const QString wrongCount = QStringLiteral("Invalid format - invalid number of parameters");
const QString badProperty = QStringLiteral("Invalid property - Ident possess no such property");
const QString emptyProperty = QStringLiteral("Empty property does nothing");
const QString deprecatedInput =
    QStringLiteral("The`$?' Identifier is deprecated, consider using the `$input' identifier instead.");
const QString badSwitches = QStringLiteral("none-existing switches are used in /var.");
const QString openingInVar = QStringLiteral("Unexpected opening bracket in expression");
const QString closingInVar = QStringLiteral("Unexpected closing bracket in expression");
const QString afterClosing = QStringLiteral("Unexpected characters after closing bracket");

QString unknownOperator(const char* op)
{
    return QLatin1Char('`') + QLatin1String(op) + QLatin1String("' unknown operator");
}

QString illegalAfter(const char* name)
{
    return QLatin1String("Illegal characters after identifier `") + QLatin1String(name)
        + QLatin1String("' closing bracket");
}

} // namespace

class TestCheckerIdents : public QObject {
    Q_OBJECT

private slots:
    void parameterTableLookup();
    void knownOperators();
    void validateIdentifier();
    void lines_data();
    void lines();
    void identifierRecords();
    void deepNestingStaysInsideTheLine_data();
    void deepNestingStaysInsideTheLine();
};

void TestCheckerIdents::parameterTableLookup()
{
    QCOMPARE(IdentifierParameters::find(u"$LeFt"), IdentifierParameters::find(u"$left"));
    QVERIFY(!IdentifierParameters::find(u"$lef"));
    QVERIFY(!IdentifierParameters::find(u"$lefty"));
    QVERIFY(!IdentifierParameters::find(u"left"));
    QVERIFY(!IdentifierParameters::find(u""));
    // Every entry is found as itself, not as a neighbour.
    for (int i = 0; i < IdentifierParameters::count(); ++i) {
        const IdentifierParameterEntry& e = IdentifierParameters::at(i);
        QCOMPARE(IdentifierParameters::find(QString::fromLatin1(e.name)), &e);
    }
    const IdentifierParameterEntry& abook = *IdentifierParameters::find(u"$abook");
    QVERIFY(IdentifierParameters::hasProperty(abook, u"noten"));
    QVERIFY(IdentifierParameters::hasProperty(abook, u"NICK"));
    QVERIFY(!IdentifierParameters::hasProperty(abook, u"nic"));
    QVERIFY(!IdentifierParameters::hasProperty(abook, u"nick info"));
    QVERIFY(!IdentifierParameters::hasProperty(abook, u""));
}

// "!" negates any operator once; "!=" is "!" before "=".
void TestCheckerIdents::knownOperators()
{
    for (const char* op : {"==", "\\", "isowner", "!isin", "!="})
        QVERIFY2(MslChecker::isKnownOperator(QString::fromLatin1(op)), op);
    for (const char* op : {"!", "!!isin", "", "ISIN", "isi"})
        QVERIFY2(!MslChecker::isKnownOperator(QString::fromLatin1(op)), op);
}

void TestCheckerIdents::validateIdentifier()
{
    using R = MslChecker;
    const struct {
        const char *row, *name;
        uint paramCount;
        const char* property;
        R::IdentifierResult result;
        const char* nameAfter;
    } rows[] = {
        {"unknown", "$nosuch", 3u, "x", R::UnknownIdentifier, "$nosuch"},
        {"$$ shortened", "$$left", 2u, "", R::ValidIdentifier, "$left"},
        {"$$ alone is $", "$$", 1u, "", R::ValidIdentifier, "$"},
        {"$$$ is not $$", "$$$left", 2u, "", R::UnknownIdentifier, "$$left"},
        {"even only, odd count", "$inpoly", 3u, "", R::WrongParity, "$inpoly"},
        {"even only, even count", "$inpoly", 4u, "", R::ValidIdentifier, "$inpoly"},
        {"too few before parity", "$inpoly", 1u, "", R::TooFewParameters, "$inpoly"},
        {"odd only, even count", "$replace", 4u, "", R::WrongParity, "$replace"},
        {"odd only, odd count", "$replacecs", 5u, "", R::ValidIdentifier, "$replacecs"},
        {"unsigned, not negative", "$comcall", 0x80000000u, "", R::ValidIdentifier, "$comcall"},
        {"limit 1 at max", "$abs", 0xFFFFFFFFu, "", R::TooManyParameters, "$abs"},
        {"no properties at all", "$len", 1u, "x", R::UnknownProperty, "$len"},
        {"count checked first", "$len", 2u, "x", R::TooManyParameters, "$len"},
    };
    for (const auto& r : rows) {
        QString name = QString::fromLatin1(r.name);
        const R::IdentifierResult result = R::validateIdentifier(name, r.paramCount, QString::fromLatin1(r.property));
        QVERIFY2(result == r.result, r.row);
        QVERIFY2(name == QLatin1String(r.nameAfter), r.row);
    }
}

// A body line in; the diagnostics (all of them, in order), some painted runs
// that must be among the line's runs, and the end state out.
void TestCheckerIdents::lines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("diagnostics");
    QTest::addColumn<QStringList>("spans");
    QTest::addColumn<int>("state");

    const QString noClosing = QStringLiteral("No closing brace found on identifier `$%1'");
    const auto row = [](const char* name, const char* line, const QStringList& diagnostics, const QStringList& spans,
                        int state = aliasBody1) {
        QTest::newRow(name) << QString::fromLatin1(line) << diagnostics << spans << state;
    };

    // Conditions in parentheses: no operator check inside them.
    row("parenthesised, then body", "if ($1 == foo) echo hi", {},
        {"0+2=braceFormat", "3+1=braceFormat", "4+2=identifierFormat", "13+1=braceFormat", "15+4=commandFormat"});
    row("no operator check inside parentheses", "if ($1 foo bar) echo", {}, {});
    row("trailing after group", "if ($1 == foo)x", {diag(3, 14, "condition", trailing)}, {"14+1=errorFormat"});
    row("two groups and a brace", "if ($1 == foo) && ($2 == bar) {", {},
        {"18+1=braceFormat", "28+1=braceFormat", "30+1=braceFormat"}, aliasBody2);
    row("unclosed group", "if ($1 == foo", {diag(3, 13, "condition", excess)}, {});
    row("negated variable", "if (!%a) echo", {}, {"5+2=variableFormat"});
    row("group inside group", "elseif ((%a) || (%b)) { echo", {},
        {"7+2=braceFormat", "19+2=braceFormat", "22+1=braceFormat"}, aliasBody2);
    row("text after an inner group", "if ((%a) x) echo", {diag(3, 9, "condition", excess)}, {"9+7=errorFormat"});
    row("trailing after a nested group", "if (((%a))x) echo",
        {diag(3, 10, "condition", trailing), diag(3, 13, "condition", excess)},
        {"10+2=errorFormat", "13+4=errorFormat"});
    row("closed on the next group's parenthesis", "while (%a == 1 || %b) { inc %a", {},
        {"20+1=braceFormat", "22+1=braceFormat"}, aliasBody2);
    row("one-line if block", "if (%a) { echo x }", {}, {});
    row("else with brace", "else { echo", {}, {"0+4=braceFormat", "5+1=braceFormat", "7+4=commandFormat"}, aliasBody2);

    // Without parentheses the second word is the operator.
    row("unknown operator", "while %i foo 10 echo", {diag(3, 9, "condtion", unknownOperator("foo"))},
        {"6+2=variableFormat", "9+3=errorFormat"});
    row("unknown operator before a brace", "while %i foo 10 {", {}, {}, aliasBody2);
    row("a brace past the next statement does not count", "if %i foo 10 | echo {",
        {diag(3, 6, "condtion", unknownOperator("foo"))}, {});
    row("second bare group, brace past the next statement", "if %a == 1 && %b foo 2 | x {",
        {diag(3, 17, "condtion", unknownOperator("foo"))}, {});
    row("negated operator", "if %x !isin abc echo", {}, {"16+4=commandFormat"});
    row("negated unknown operator", "if %x !foo abc echo", {diag(3, 6, "condtion", unknownOperator("!foo"))}, {});
    row("[ and $+ pass unchecked", "if %x [ $+ abc echo", {}, {});
    row("closing parenthesis without group", "if %x) == 1 echo", {diag(3, 5, "condition", noOpening)},
        {"5+1=errorFormat"});
    row("right operand passed whole", "if %x == a)b echo", {}, {});
    row("bare groups joined", "if %a == 1 || %b isnum echo", {}, {});

    // Words, not spaces, are counted: a doubled space leaves the operator
    // where it was.
    row("doubled space before a bar", "if %a  | echo", {}, {"9+4=commandFormat"});
    row("doubled space before a joiner", "if %a  || %b == 1", {}, {});
    row("doubled space at the end", "if %a  ", {}, {});

    // $iif: the first parameter is a condition.
    row("$iif condition", "echo $iif(($1 == a), b, c)", {},
        {"10+1=braceFormat", "18+1=braceFormat", "25+1=identifierFormat"});
    row("$iif trailing", "echo $iif(($1 == a)x, b, c)", {diag(3, 19, "condition", trailing)}, {"19+1=errorFormat"});
    row("$iif negated operand", "echo $iif(!$1,a,b)", {}, {"11+2=identifierFormat"});

    // Parameter counts.
    row("too few", "echo $left(abc)", {diag(3, 5, "Ident:$left", tooFew)}, {"5+10=errorFormat"});
    row("too many", "echo $left(a,b,c)", {diag(3, 5, "Ident:$left", tooMany)}, {"5+12=errorFormat"});
    row("nested commas do not count", "echo $left($mid(a,b,c),2) $left((a,b),2)", {}, {});
    row("$$ looked up without one $", "echo $$left(a)", {diag(3, 5, "Ident:$left", tooFew)}, {});
    row("wrong parity", "echo $inpoly(1,2,3)", {diag(3, 5, "Ident:$inpoly", wrongCount)}, {});
    row("unknown identifier is not counted", "echo $foo(a,b,c,d).bar", {}, {"18+4=propertyFormat"});
    row("no closing parenthesis", "echo $abc(1", {diag(3, 5, "Ident:$abc", noClosing.arg("abc"))}, {"5+6=errorFormat"});
    row("separator inside parentheses", "echo $foo(a | b) | echo c",
        {diag(3, 5, "$foo", QStringLiteral("Invalid format:$foo. Unexpected command separated found."))},
        {"5+7=errorFormat", "19+4=commandFormat"});

    // A standalone brace ends the statement an open call stands in.
    row("brace after an open call", "echo $foo(a } | echo c", {diag(3, 5, "Ident:$foo", noClosing.arg("foo"))},
        {"5+7=errorFormat", "12+1=braceFormat", "16+4=commandFormat"}, BlockState::root);
    row("bar first after the parenthesis", "echo $foo(| b)", {}, {});
    row("opening brace inside parameters", "echo $foo(a { b)",
        {diag(3, 12, "$foo", QStringLiteral("Unexpected opening bracket inside an identifier."))}, {"12+1=errorFormat"},
        aliasBody2);

    // Properties and what follows the ")".
    row("unknown property", "echo $nick(#c,1).foo", {diag(2, 17, "Ident:$nick", badProperty)}, {"16+4=warningFormat"});
    row("known property", "echo $nick(#c,1).color x", {}, {"16+6=propertyFormat"});
    row("empty property", "echo $nick(#c,1). x", {diag(1, 16, "Ident:$nick", emptyProperty)}, {"16+1=noticeFormat"});
    row("illegal characters", "echo $nick(#c,1)x", {diag(3, 16, "block", illegalAfter("$nick"))}, {"16+1=errorFormat"});

    // Arithmetic after an identifier belongs to a $calc that directly
    // encloses it, and nowhere else.
    row("arithmetic inside $calc", "echo $calc(($asc(a) * 2) / $len(b)+1) $$calc($asc(a)+1)", {}, {});
    row("arithmetic outside $calc", "echo $asc(a)+1", {diag(3, 12, "block", illegalAfter("$asc"))},
        {"12+2=errorFormat"});
    row("arithmetic in another identifier", "echo $abs($asc(a)+1)", {diag(3, 17, "block", illegalAfter("$asc"))}, {});
    row("$calc is not the direct parent", "echo $calc($abs($asc(a)+1))", {diag(3, 23, "block", illegalAfter("$asc"))},
        {});

    // $?=, $! and variables.
    row("deprecated input, quoted prompt", "echo $?=\"enter a name\" x", {diag(1, 5, "Identifier", deprecatedInput)},
        {"5+2=identifierFormat", "8+14=promptFormat"});
    row("deprecated input, $$ and word prompt", "echo $$?*=name x", {diag(1, 5, "Identifier", deprecatedInput)},
        {"5+4=identifierFormat", "10+4=promptFormat"});
    row("$? not followed by =", "echo $?foo x", {}, {"5+5=identifierFormat"});
    row("deferred identifier", "echo $!nick $!nick(a b).x y", {}, {"0+4=commandFormat"});
    row("variables", "echo %a %b,c", {}, {"5+2=variableFormat", "8+4=variableFormat"});
    row("parameter variables", "echo $left(%a,%b(1,2))", {}, {"11+2=variableFormat", "14+7=variableFormat"});

    // var.
    row("unknown var switch", "var -sx %a = 1", {diag(2, 4, "block", badSwitches)},
        {"0+3=commandFormat", "6+1=warningFormat", "8+2=variableFormat"});
    row("known var switches", "var -gs %a", {}, {"8+2=variableFormat"});
    row("declarations without spaces", "var %a,%b", {}, {"4+2=variableFormat", "7+2=variableFormat"});
    row("identifier in a declaration", "var %a = $len(x), %b = 2", {}, {"18+2=variableFormat"});
    row("opening brace in var", "var %a = 1 { x | echo y", {diag(3, 11, "block", openingInVar)},
        {"11+4=errorFormat", "17+4=commandFormat"}, aliasBody2);
    row("var closes the body", "var %a = 1 }", {}, {"11+1=braceFormat"}, BlockState::root);
    row("text after var's closing brace", "var %a = 1 } x", {diag(3, 14, "block", afterClosing)}, {"13+1=errorFormat"},
        BlockState::root);
    row("var closes one brace too many", "var %a = 1 } }", {diag(3, 14, "block", closingInVar)}, {"13+1=errorFormat"},
        BlockState::root);

    // Each problem is reported once, however often the walks pass over
    // its text: the operand after "||" belongs to the next group only,
    // and every open group meets the same end of the line.
    row("operand after a group inside a group", "if ((%a == 1) || $len(a,b)) echo",
        {diag(3, 17, "Ident:$len", tooMany)}, {});
    row("operand after a joiner inside a group", "if (%a == 1 || $len(a,b)) echo", {diag(3, 15, "Ident:$len", tooMany)},
        {});
    row("open groups at the end of the line", "if (((%a == 1", {diag(3, 13, "condition", excess)}, {});
    row("open groups inside $iif", "echo $iif(((%a == 1",
        {diag(3, 19, "condition", excess), diag(3, 5, "Ident:$iif", noClosing.arg("iif"))}, {});
    row("one problem twice outside a condition is two", "echo $left(a) | echo $left(a)",
        {diag(3, 5, "Ident:$left", tooFew), diag(3, 21, "Ident:$left", tooFew)}, {});
}

void TestCheckerIdents::lines()
{
    QFETCH(QString, line);
    QFETCH(QStringList, spans);

    const CheckedLine checked(line, aliasBody1);
    const LineCheckResult& result = checked.result;
    QTEST(checked.diagnostics(), "diagnostics");
    const QStringList painted = checked.spans();
    for (const QString& span : spans)
        QVERIFY2(painted.contains(span), qPrintable(span + QLatin1String(" not in ") + painted.join(QLatin1Char(' '))));
    QTEST(result.state, "state");
    QSet<int> recorded;
    for (const IdentifierRecord& r : result.identifiers) {
        QVERIFY2(r.isBreak || !recorded.contains(r.start), "an identifier recorded twice");
        recorded.insert(r.start);
    }
}

void TestCheckerIdents::identifierRecords()
{
    const QPair<const char*, QStringList> rows[] = {
        {"echo $left($mid(a,b,c),2)", {"$mid 11..21 dot-1 () [17,19]", "$left 5..24 dot-1 () [22]"}},
        {"echo $me $+ x", {"$me 5..8 dot0 []", "$+ 9..11 dot0 []"}},
        {"echo $nick(#,1).color", {"$nick 5..21 dot15 () [12]"}},
        {"echo $$len(a)", {"$len 5..12 dot-1 () []"}}, // $$ recorded as $
        {"echo $$len(a", {"$$len 5..12 dot-1 () []"}}, // unclosed: keeps its name
        {"echo $ x $", {"break@5", "break@9"}},
        {"echo $len($)", {"break@10", "$len 5..11 dot-1 () []"}},
        {"if ($a) echo", {"$a 4..6 dot0 []"}},
        {"echo $!a $?=x", {}}, // deferred and input: not recorded
    };
    for (const auto& row : rows)
        QCOMPARE(describe(CheckedLine(QString::fromLatin1(row.first), aliasBody1).result.identifiers), row.second);
}

// Far deeper than any script nests: the checks recurse, so they must give
// up before the stack does, and stay inside the line.
void TestCheckerIdents::deepNestingStaysInsideTheLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("nested identifiers") << QStringLiteral("echo ") + QString(QStringLiteral("$a(")).repeated(30000);
    QTest::newRow("nested $calc") << QStringLiteral("echo ") + QString(QStringLiteral("$calc(1+")).repeated(1000);
    QTest::newRow("nested groups") << QStringLiteral("if ") + QString(100000, QLatin1Char('('));
    QTest::newRow("joined groups") << QStringLiteral("if (%a") + QString(QStringLiteral(" || (%a")).repeated(30000);
    QTest::newRow("bare joined groups") << QStringLiteral("if %a")
            + QString(QStringLiteral(" && %a == 1")).repeated(30000);
    QTest::newRow("nested $iif conditions")
        << QStringLiteral("echo ") + QString(QStringLiteral("$iif(($a || ")).repeated(2000);
    QTest::newRow("var braces") << QStringLiteral("var %a ") + QString(QStringLiteral("} ")).repeated(50000);
    QTest::newRow("chain of if") << QString(QStringLiteral("if (%a) ")).repeated(20000);
    QTest::newRow("chain of else") << QString(QStringLiteral("else ")).repeated(20000);
}

void TestCheckerIdents::deepNestingStaysInsideTheLine()
{
    QFETCH(QString, line);
    QCOMPARE(CheckedLine(line, aliasBody1).outside(), QString());
}

QTEST_GUILESS_MAIN(TestCheckerIdents)
#include "test_checkeridents.moc"
