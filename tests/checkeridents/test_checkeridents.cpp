#include "core/BlockState.h"
#include "core/MslChecker.h"
#include "tables/ConditionOperators.h"
#include "tables/IdentifierParameters.h"

#include <QtTest>

// Conditions, identifiers, var and variables through the checker core: a
// code line inside an alias body in; diagnostics, painted runs, identifier
// records and the end state out. Plus the identifier parameter table and
// the operator table the checks read.

namespace {

// A code line inside "alias x {", one brace deep.
constexpr int aliasBody1 = BlockState::aliasBody + 1;
constexpr int aliasBody2 = BlockState::aliasBody + 2;
constexpr quint32 noLimit = IdentifierParameters::noLimit;

LineCheckResult check(const QString& line, int previousState = aliasBody1)
{
    MslChecker checker;
    LineCheckResult result;
    checker.checkLine(line.toLower(), previousState, result);
    return result;
}

QStringList describe(const QVector<LineDiagnostic>& diagnostics)
{
    QStringList list;
    for (const LineDiagnostic& d : diagnostics)
        list << QStringLiteral("%1@%2[%3] %4").arg(d.type).arg(d.pos).arg(d.block, d.message);
    return list;
}

QStringList describe(const QVector<FormatSpan>& spans)
{
    QStringList list;
    for (const FormatSpan& s : spans)
        list << QStringLiteral("%1+%2=%3").arg(s.start).arg(s.length).arg(formatName(s.format));
    return list;
}

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

QString diag(int type, int pos, const char* block, const QString& message)
{
    return QStringLiteral("%1@%2[%3] %4").arg(type).arg(pos).arg(QLatin1String(block), message);
}

const QString trailing = QStringLiteral("Trailing Characters after closing bracket.");
const QString excess = QStringLiteral("Excess characters or incomplete condition");
const QString noOpening = QStringLiteral("Invalid closing brace, no opening brace found");
const QString tooFew = QStringLiteral("Too few parameters");
const QString tooMany = QStringLiteral("Too many parameters");
const QString wrongCount = QStringLiteral("Invalid format - invalid number of parameters");
const QString badProperty = QStringLiteral("Invalid property - Ident possess no such property");
const QString emptyProperty = QStringLiteral("Empty property does nothing");
const QString deprecatedInput
    = QStringLiteral("The`$?' Identifier is deprecated, consider using the `$input' identifier instead.");
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

class TestCheckerIdents : public QObject
{
    Q_OBJECT

private slots:
    void parameterTableOrderAndCounts();
    void parameterTableEntries();
    void parameterTableLookup();
    void operatorTable();
    void knownOperators_data();
    void knownOperators();
    void validateIdentifier_data();
    void validateIdentifier();
    void lines_data();
    void lines();
    void identifierRecords_data();
    void identifierRecords();
    void aliasHeaderThenCondition();
    void repeatedFindingsReportedOnce();
    void deepNestingStaysInsideTheLine_data();
    void deepNestingStaysInsideTheLine();
};

void TestCheckerIdents::parameterTableOrderAndCounts()
{
    QCOMPARE(IdentifierParameters::count(), 207);
    QCOMPARE(QLatin1String(IdentifierParameters::at(0).name), QLatin1String("$"));
    QCOMPARE(QLatin1String(IdentifierParameters::at(1).name), QLatin1String("$abook"));
    QCOMPARE(QLatin1String(IdentifierParameters::at(206).name), QLatin1String("$xor"));
    // The table is listed in name order; a misplaced or doubled entry breaks it.
    for (int i = 1; i < IdentifierParameters::count(); ++i) {
        const QLatin1String previous(IdentifierParameters::at(i - 1).name);
        const QLatin1String current(IdentifierParameters::at(i).name);
        QVERIFY2(previous < current, qPrintable(previous + QLatin1String(" before ") + current));
    }
    int withProperties = 0;
    int parityMarked = 0;
    int unbounded = 0;
    for (int i = 0; i < IdentifierParameters::count(); ++i) {
        const IdentifierParameterEntry& e = IdentifierParameters::at(i);
        QVERIFY2(e.minParams <= e.maxParams, e.name);
        QVERIFY2(!(e.evenOnly && e.oddOnly), e.name);
        withProperties += *e.properties ? 1 : 0;
        parityMarked += e.evenOnly || e.oddOnly ? 1 : 0;
        unbounded += e.maxParams == noLimit ? 1 : 0;
    }
    QCOMPARE(withProperties, 66);
    QCOMPARE(parityMarked, 5);
    QCOMPARE(unbounded, 13);
}

void TestCheckerIdents::parameterTableEntries()
{
    struct Expected {
        const char* name;
        quint32 minParams;
        quint32 maxParams;
        bool evenOnly;
        bool oddOnly;
        int propertyCount;
        const char* firstProperty;
        const char* lastProperty;
    };
    const Expected rows[] = {
        {"$", 1, 2, false, false, 0, nullptr, nullptr},
        {"$abook", 1, 2, false, false, 6, "nick", "noteN"},
        {"$base", 3, 5, false, false, 0, nullptr, nullptr},
        {"$com", 1, noLimit, false, false, 7, "progid", "argerr"},
        {"$comcall", 4, noLimit, false, false, 0, nullptr, nullptr},
        {"$inpoly", 2, noLimit, true, false, 0, nullptr, nullptr},
        {"$replacexcs", 3, noLimit, false, true, 0, nullptr, nullptr},
        {"$sock", 1, 2, false, false, 22, "name", "pause"},
        {"$sound", 1, 1, false, false, 19, "album", "tags"},
        {"$tip", 1, 8, false, false, 8, "name", "wid"},
        {"$window", 1, 2, false, false, 32, "x", "tbstate"},
        {"$wrap", 5, 6, false, false, 0, nullptr, nullptr},
    };
    for (const Expected& row : rows) {
        const IdentifierParameterEntry* e = IdentifierParameters::find(QString::fromLatin1(row.name));
        QVERIFY2(e, row.name);
        QCOMPARE(e->minParams, row.minParams);
        QCOMPARE(e->maxParams, row.maxParams);
        QCOMPARE(e->evenOnly, row.evenOnly);
        QCOMPARE(e->oddOnly, row.oddOnly);
        const QStringList properties = IdentifierParameters::propertyNames(*e);
        QCOMPARE(properties.size(), row.propertyCount);
        if (row.propertyCount > 0) {
            QCOMPARE(properties.first(), QLatin1String(row.firstProperty));
            QCOMPARE(properties.last(), QLatin1String(row.lastProperty));
        }
    }
}

void TestCheckerIdents::parameterTableLookup()
{
    QCOMPARE(IdentifierParameters::find(u"$LeFt"), IdentifierParameters::find(u"$left"));
    QVERIFY(IdentifierParameters::find(u"$left"));
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

void TestCheckerIdents::operatorTable()
{
    QCOMPARE(ConditionOperators::count(), 33);
    QCOMPARE(QLatin1String(ConditionOperators::at(0)), QLatin1String("="));
    QCOMPARE(QLatin1String(ConditionOperators::at(8)), QLatin1String("\\"));
    QCOMPARE(QLatin1String(ConditionOperators::at(32)), QLatin1String("isowner"));
}

void TestCheckerIdents::knownOperators_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("known");
    QTest::newRow("==") << "==" << true;
    QTest::newRow("===") << "===" << true;
    QTest::newRow("backslash") << "\\" << true;
    QTest::newRow("isowner") << "isowner" << true;
    QTest::newRow("negated isin") << "!isin" << true;
    QTest::newRow("negated ==") << "!==" << true;
    QTest::newRow("!= is ! and =") << "!=" << true;
    QTest::newRow("bare !") << "!" << false;
    QTest::newRow("double negation") << "!!isin" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("upper case") << "ISIN" << false;
    QTest::newRow("prefix") << "isi" << false;
    QTest::newRow("[") << "[" << false;
    QTest::newRow("$+") << "$+" << false;
}

void TestCheckerIdents::knownOperators()
{
    QFETCH(QString, op);
    QFETCH(bool, known);
    QCOMPARE(MslChecker::isKnownOperator(op), known);
}

void TestCheckerIdents::validateIdentifier_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("paramCount");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("nameAfter");

    using R = MslChecker;
    QTest::newRow("unknown") << "$nosuch" << 3u << "x" << int(R::UnknownIdentifier) << "$nosuch";
    QTest::newRow("valid") << "$left" << 2u << "" << int(R::ValidIdentifier) << "$left";
    QTest::newRow("any case") << "$LEFT" << 2u << "" << int(R::ValidIdentifier) << "$LEFT";
    QTest::newRow("too few") << "$left" << 1u << "" << int(R::TooFewParameters) << "$left";
    QTest::newRow("too many") << "$left" << 3u << "" << int(R::TooManyParameters) << "$left";
    QTest::newRow("$$ shortened") << "$$left" << 2u << "" << int(R::ValidIdentifier) << "$left";
    QTest::newRow("$$ too few") << "$$left" << 0u << "" << int(R::TooFewParameters) << "$left";
    QTest::newRow("$$ alone is $") << "$$" << 1u << "" << int(R::ValidIdentifier) << "$";
    QTest::newRow("$$$ is not $$") << "$$$left" << 2u << "" << int(R::UnknownIdentifier) << "$$left";
    QTest::newRow("$ too few") << "$" << 0u << "" << int(R::TooFewParameters) << "$";
    QTest::newRow("even only, odd count") << "$inpoly" << 3u << "" << int(R::WrongParity) << "$inpoly";
    QTest::newRow("even only, even count") << "$inpoly" << 4u << "" << int(R::ValidIdentifier) << "$inpoly";
    QTest::newRow("too few before parity") << "$inpoly" << 1u << "" << int(R::TooFewParameters) << "$inpoly";
    QTest::newRow("odd only, even count") << "$replace" << 4u << "" << int(R::WrongParity) << "$replace";
    QTest::newRow("odd only, odd count") << "$replacecs" << 5u << "" << int(R::ValidIdentifier) << "$replacecs";
    QTest::newRow("no limit at max") << "$com" << 0xFFFFFFFFu << "" << int(R::ValidIdentifier) << "$com";
    QTest::newRow("unsigned, not negative") << "$comcall" << 0x80000000u << "" << int(R::ValidIdentifier)
                                            << "$comcall";
    QTest::newRow("limit 1 at max") << "$abs" << 0xFFFFFFFFu << "" << int(R::TooManyParameters) << "$abs";
    QTest::newRow("odd only at max") << "$replacex" << 0xFFFFFFFFu << "" << int(R::ValidIdentifier)
                                     << "$replacex";
    QTest::newRow("property") << "$nick" << 2u << "color" << int(R::ValidIdentifier) << "$nick";
    QTest::newRow("property any case") << "$nick" << 2u << "PNick" << int(R::ValidIdentifier) << "$nick";
    QTest::newRow("no such property") << "$nick" << 2u << "foo" << int(R::UnknownProperty) << "$nick";
    QTest::newRow("no properties at all") << "$len" << 1u << "x" << int(R::UnknownProperty) << "$len";
    QTest::newRow("count checked first") << "$len" << 2u << "x" << int(R::TooManyParameters) << "$len";
    QTest::newRow("property noteN") << "$abook" << 1u << "noten" << int(R::ValidIdentifier) << "$abook";
}

void TestCheckerIdents::validateIdentifier()
{
    QFETCH(QString, name);
    QFETCH(uint, paramCount);
    QFETCH(QString, property);
    QFETCH(int, result);
    QFETCH(QString, nameAfter);
    QCOMPARE(int(MslChecker::validateIdentifier(name, paramCount, property)), result);
    QCOMPARE(name, nameAfter);
}

// A body line in; the diagnostics (all of them, in order), some painted runs
// that must be among the line's runs, and the end state out.
void TestCheckerIdents::lines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("diagnostics");
    QTest::addColumn<QStringList>("spans");
    QTest::addColumn<int>("state");

    const int body1 = aliasBody1;
    const int body2 = aliasBody2;

    // Conditions in parentheses.
    QTest::newRow("parenthesised, then body")
        << "if ($1 == foo) echo hi" << QStringList()
        << QStringList{"0+2=braceFormat", "3+1=braceFormat", "4+2=identifierFormat", "13+1=braceFormat",
                       "15+4=commandFormat"}
        << body1;
    QTest::newRow("no operator check inside parentheses") << "if ($1 foo bar) echo" << QStringList() << QStringList()
                                                          << body1;
    QTest::newRow("trailing after group")
        << "if ($1 == foo)x" << QStringList{diag(3, 14, "condition", trailing)} << QStringList{"14+1=errorFormat"}
        << body1;
    QTest::newRow("two groups and a brace")
        << "if ($1 == foo) && ($2 == bar) {" << QStringList()
        << QStringList{"18+1=braceFormat", "28+1=braceFormat", "30+1=braceFormat"} << body2;
    QTest::newRow("unclosed group") << "if ($1 == foo" << QStringList{diag(3, 13, "condition", excess)}
                                    << QStringList() << body1;
    QTest::newRow("negated variable") << "if (!%a) echo" << QStringList() << QStringList{"5+2=variableFormat"}
                                      << body1;
    QTest::newRow("group inside group") << "elseif ((%a) || (%b)) { echo" << QStringList()
                                        << QStringList{"7+2=braceFormat", "19+2=braceFormat", "22+1=braceFormat"}
                                        << body2;
    QTest::newRow("text after an inner group")
        << "if ((%a) x) echo" << QStringList{diag(3, 9, "condition", excess)} << QStringList{"9+7=errorFormat"}
        << body1;
    QTest::newRow("trailing after a nested group")
        << "if (((%a))x) echo"
        << QStringList{diag(3, 10, "condition", trailing), diag(3, 13, "condition", excess)}
        << QStringList{"10+2=errorFormat", "13+4=errorFormat"} << body1;
    QTest::newRow("closed on the next group's parenthesis")
        << "while (%a == 1 || %b) { inc %a" << QStringList() << QStringList{"20+1=braceFormat", "22+1=braceFormat"}
        << body2;

    // Conditions without parentheses: only here the operator is checked.
    QTest::newRow("unknown operator")
        << "while %i foo 10 echo" << QStringList{diag(3, 9, "condtion", unknownOperator("foo"))}
        << QStringList{"6+2=variableFormat", "9+3=errorFormat"} << body1;
    QTest::newRow("unknown operator before a brace") << "while %i foo 10 {" << QStringList() << QStringList()
                                                     << body2;
    QTest::newRow("a brace past the next statement does not count")
        << "if %i foo 10 | echo {" << QStringList{diag(3, 6, "condtion", unknownOperator("foo"))} << QStringList()
        << body1;
    QTest::newRow("second bare group, brace past the next statement")
        << "if %a == 1 && %b foo 2 | x {" << QStringList{diag(3, 17, "condtion", unknownOperator("foo"))}
        << QStringList() << body1;
    QTest::newRow("negated operator") << "if %x !isin abc echo" << QStringList() << QStringList{"16+4=commandFormat"}
                                      << body1;
    QTest::newRow("negated unknown operator")
        << "if %x !foo abc echo" << QStringList{diag(3, 6, "condtion", unknownOperator("!foo"))} << QStringList()
        << body1;
    QTest::newRow("[ and $+ pass unchecked") << "if %x [ $+ abc echo" << QStringList() << QStringList() << body1;
    QTest::newRow("closing parenthesis without group")
        << "if %x) == 1 echo" << QStringList{diag(3, 5, "condition", noOpening)} << QStringList{"5+1=errorFormat"}
        << body1;
    QTest::newRow("right operand passed whole") << "if %x == a)b echo" << QStringList() << QStringList() << body1;
    QTest::newRow("bare groups joined") << "if %a == 1 || %b isnum echo" << QStringList() << QStringList()
                                        << body1;
    // Words, not spaces, are counted: a doubled space leaves the operator
    // where it was.
    QTest::newRow("doubled space before a bar") << "if %a  | echo" << QStringList()
                                                << QStringList{"9+4=commandFormat"} << body1;
    QTest::newRow("doubled space before a joiner") << "if %a  || %b == 1" << QStringList() << QStringList() << body1;
    QTest::newRow("doubled space at the end") << "if %a  " << QStringList() << QStringList() << body1;
    QTest::newRow("else with brace") << "else { echo" << QStringList()
                                     << QStringList{"0+4=braceFormat", "5+1=braceFormat", "7+4=commandFormat"}
                                     << body2;
    QTest::newRow("one-line if block") << "if (%a) { echo x }" << QStringList() << QStringList() << body1;

    // $iif: the first parameter is a condition.
    QTest::newRow("$iif condition") << "echo $iif(($1 == a), b, c)" << QStringList()
                                    << QStringList{"10+1=braceFormat", "18+1=braceFormat", "25+1=identifierFormat"}
                                    << body1;
    QTest::newRow("$iif trailing")
        << "echo $iif(($1 == a)x, b, c)" << QStringList{diag(3, 19, "condition", trailing)}
        << QStringList{"19+1=errorFormat"} << body1;
    QTest::newRow("$iif negated operand") << "echo $iif(!$1,a,b)" << QStringList()
                                          << QStringList{"11+2=identifierFormat"} << body1;

    // Parameter counts.
    QTest::newRow("too few") << "echo $left(abc)" << QStringList{diag(3, 5, "Ident:$left", tooFew)}
                             << QStringList{"5+10=errorFormat"} << body1;
    QTest::newRow("too many") << "echo $left(a,b,c)" << QStringList{diag(3, 5, "Ident:$left", tooMany)}
                              << QStringList{"5+12=errorFormat"} << body1;
    QTest::newRow("nested commas do not count") << "echo $left($mid(a,b,c),2) $left((a,b),2)" << QStringList()
                                                << QStringList() << body1;
    QTest::newRow("$$ looked up without one $")
        << "echo $$left(a)" << QStringList{diag(3, 5, "Ident:$left", tooFew)} << QStringList() << body1;
    QTest::newRow("even only") << "echo $inpoly(1,2,3)" << QStringList{diag(3, 5, "Ident:$inpoly", wrongCount)}
                               << QStringList() << body1;
    QTest::newRow("odd only") << "echo $replace(a,b,c,d)" << QStringList{diag(3, 5, "Ident:$replace", wrongCount)}
                              << QStringList() << body1;
    QTest::newRow("unknown identifier is not counted") << "echo $foo(a,b,c,d).bar" << QStringList()
                                                       << QStringList{"18+4=propertyFormat"} << body1;
    QTest::newRow("no closing parenthesis")
        << "echo $abc(1" << QStringList{diag(3, 5, "Ident:$abc", QStringLiteral("No closing brace found on identifier `$abc'"))}
        << QStringList{"5+6=errorFormat"} << body1;
    QTest::newRow("separator inside parentheses")
        << "echo $foo(a | b) | echo c"
        << QStringList{diag(3, 5, "$foo", QStringLiteral("Invalid format:$foo. Unexpected command separated found.")),
                       diag(3, 5, "Ident:$foo", QStringLiteral("No closing brace found on identifier `$foo'"))}
        << QStringList{"5+20=errorFormat"} << body1;
    QTest::newRow("bar first after the parenthesis") << "echo $foo(| b)" << QStringList() << QStringList() << body1;
    QTest::newRow("opening brace inside parameters")
        << "echo $foo(a { b)"
        << QStringList{diag(3, 12, "$foo", QStringLiteral("Unexpected opening bracket inside an identifier."))}
        << QStringList{"12+1=errorFormat"} << body2;

    // Properties and what follows the ")".
    QTest::newRow("unknown property")
        << "echo $nick(#c,1).foo" << QStringList{diag(2, 17, "Ident:$nick", badProperty)}
        << QStringList{"16+4=warningFormat"} << body1;
    QTest::newRow("known property") << "echo $nick(#c,1).color x" << QStringList()
                                    << QStringList{"16+6=propertyFormat"} << body1;
    QTest::newRow("empty property") << "echo $nick(#c,1). x"
                                    << QStringList{diag(1, 16, "Ident:$nick", emptyProperty)}
                                    << QStringList{"16+1=noticeFormat"} << body1;
    QTest::newRow("illegal characters")
        << "echo $nick(#c,1)x" << QStringList{diag(3, 16, "block", illegalAfter("$nick"))}
        << QStringList{"16+1=errorFormat"} << body1;

    // $calc arithmetic.
    QTest::newRow("arithmetic inside $calc") << "echo $calc($asc(a)+1) $calc(($asc(a) * 2) / $len(b))"
                                             << QStringList() << QStringList() << body1;
    QTest::newRow("arithmetic outside $calc")
        << "echo $asc(a)+1" << QStringList{diag(3, 12, "block", illegalAfter("$asc"))}
        << QStringList{"12+2=errorFormat"} << body1;
    QTest::newRow("arithmetic in another identifier")
        << "echo $abs($asc(a)+1)" << QStringList{diag(3, 17, "block", illegalAfter("$asc"))} << QStringList()
        << body1;
    QTest::newRow("$calc is not the direct parent")
        << "echo $calc($abs($asc(a)+1))" << QStringList{diag(3, 23, "block", illegalAfter("$asc"))}
        << QStringList() << body1;
    QTest::newRow("$$calc") << "echo $$calc($asc(a)*2)" << QStringList() << QStringList() << body1;

    // $?=, $! and variables.
    QTest::newRow("deprecated input, quoted prompt")
        << "echo $?=\"enter a name\" x" << QStringList{diag(1, 5, "Identifier", deprecatedInput)}
        << QStringList{"5+2=identifierFormat", "8+14=promptFormat"} << body1;
    QTest::newRow("deprecated input, $$ and word prompt")
        << "echo $$?*=name x" << QStringList{diag(1, 5, "Identifier", deprecatedInput)}
        << QStringList{"5+4=identifierFormat", "10+4=promptFormat"} << body1;
    QTest::newRow("$? not followed by =") << "echo $?foo x" << QStringList() << QStringList{"5+5=identifierFormat"}
                                          << body1;
    QTest::newRow("deferred identifier") << "echo $!nick $!nick(a b).x y" << QStringList()
                                         << QStringList{"0+4=commandFormat"} << body1;
    QTest::newRow("variables") << "echo %a %b,c" << QStringList()
                               << QStringList{"5+2=variableFormat", "8+4=variableFormat"} << body1;
    QTest::newRow("parameter variables") << "echo $left(%a,%b(1,2))" << QStringList()
                                         << QStringList{"11+2=variableFormat", "14+7=variableFormat"} << body1;

    // var.
    QTest::newRow("unknown var switch")
        << "var -sx %a = 1" << QStringList{diag(2, 4, "block", badSwitches)}
        << QStringList{"0+3=commandFormat", "6+1=warningFormat", "8+2=variableFormat"} << body1;
    QTest::newRow("known var switches") << "var -gs %a" << QStringList() << QStringList{"8+2=variableFormat"}
                                        << body1;
    QTest::newRow("two declarations") << "var %a = 1, %b = 2" << QStringList()
                                      << QStringList{"4+2=variableFormat", "12+2=variableFormat"} << body1;
    QTest::newRow("declarations without spaces") << "var %a,%b" << QStringList()
                                                 << QStringList{"4+2=variableFormat", "7+2=variableFormat"} << body1;
    QTest::newRow("identifier in a declaration") << "var %a = $len(x), %b = 2" << QStringList()
                                                 << QStringList{"18+2=variableFormat"} << body1;
    QTest::newRow("opening brace in var")
        << "var %a = 1 { x | echo y" << QStringList{diag(3, 11, "block", openingInVar)}
        << QStringList{"11+4=errorFormat", "17+4=commandFormat"} << body2;
    QTest::newRow("var closes the body") << "var %a = 1 }" << QStringList() << QStringList{"11+1=braceFormat"}
                                         << BlockState::root;
    QTest::newRow("text after var's closing brace")
        << "var %a = 1 } x" << QStringList{diag(3, 14, "block", afterClosing)} << QStringList{"13+1=errorFormat"}
        << BlockState::root;
    QTest::newRow("var closes one brace too many")
        << "var %a = 1 } }" << QStringList{diag(3, 14, "block", closingInVar)} << QStringList{"13+1=errorFormat"}
        << BlockState::root;
}

void TestCheckerIdents::lines()
{
    QFETCH(QString, line);
    QFETCH(QStringList, diagnostics);
    QFETCH(QStringList, spans);
    QFETCH(int, state);

    const LineCheckResult result = check(line);
    QCOMPARE(describe(result.diagnostics), diagnostics);
    const QStringList painted = describe(result.spans());
    for (const QString& span : spans)
        QVERIFY2(painted.contains(span), qPrintable(span + QLatin1String(" not in ") + painted.join(QLatin1Char(' '))));
    QCOMPARE(result.state, state);
}

void TestCheckerIdents::identifierRecords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("nested with commas")
        << "echo $left($mid(a,b,c),2)" << QStringList{"$mid 11..21 dot-1 () [17,19]", "$left 5..24 dot-1 () [22]"};
    QTest::newRow("without parentheses") << "echo $me $+ x" << QStringList{"$me 5..8 dot0 []", "$+ 9..11 dot0 []"};
    QTest::newRow("property dot") << "echo $nick(#,1).color" << QStringList{"$nick 5..21 dot15 () [12]"};
    QTest::newRow("$$ recorded as $") << "echo $$len(a)" << QStringList{"$len 5..12 dot-1 () []"};
    QTest::newRow("unclosed keeps its name") << "echo $$len(a" << QStringList{"$$len 5..12 dot-1 () []"};
    QTest::newRow("lone $") << "echo $ x $" << QStringList{"break@5", "break@9"};
    QTest::newRow("lone $ as a parameter") << "echo $len($)" << QStringList{"break@10", "$len 5..11 dot-1 () []"};
    QTest::newRow("condition operand") << "if ($a) echo" << QStringList{"$a 4..6 dot0 []"};
    QTest::newRow("deferred and input are not recorded") << "echo $!a $?=x" << QStringList();
}

void TestCheckerIdents::identifierRecords()
{
    QFETCH(QString, line);
    QFETCH(QStringList, records);
    QCOMPARE(describe(check(line).identifiers), records);
}

// The dispatcher hands the body of an alias to the statement and condition
// checks.
void TestCheckerIdents::aliasHeaderThenCondition()
{
    const LineCheckResult header = check(QStringLiteral("alias x {"), BlockState::root);
    QCOMPARE(header.state, aliasBody1);
    const QString line = QStringLiteral("  if (%a == 1) echo $len(%a,b)");
    const LineCheckResult body = check(line, header.state);
    QCOMPARE(describe(body.diagnostics), QStringList{diag(3, 20, "Ident:$len", tooMany)});
    QCOMPARE(describe(body.identifiers), QStringList{"$len 20..29 dot-1 () [27]"});
    QCOMPARE(body.state, aliasBody1);
}

// Each problem reaches the message area once, however often the checks walk
// over its text.
void TestCheckerIdents::repeatedFindingsReportedOnce()
{
    struct Case {
        const char* line;
        QStringList diagnostics;
    };
    const Case cases[] = {
        // The operand after "||" in a group inside a group, and inside one
        // group: checked as part of the next group only.
        {"if ((%a == 1) || $len(a,b)) echo", {diag(3, 17, "Ident:$len", tooMany)}},
        {"if (%a == 1 || $len(a,b)) echo", {diag(3, 15, "Ident:$len", tooMany)}},
        {"if ((%a) || $len(a)) echo", {}},
        // Every open group meets the same end of the line.
        {"if (((%a == 1", {diag(3, 13, "condition", excess)}},
        {"echo $iif(((%a == 1", {diag(3, 19, "condition", excess),
                                 diag(3, 5, "Ident:$iif", QStringLiteral("No closing brace found on identifier `$iif'"))}},
    };
    for (const Case& c : cases) {
        const LineCheckResult result = check(QLatin1String(c.line));
        QVERIFY2(describe(result.diagnostics) == c.diagnostics,
                 qPrintable(QLatin1String(c.line) + QLatin1String(": ") + describe(result.diagnostics).join(" | ")));
        QSet<int> starts;
        for (const IdentifierRecord& r : result.identifiers)
            QVERIFY2(!starts.contains(r.start) || r.isBreak, c.line);
    }
    // The same problem twice on a line, outside conditions, is two problems.
    QCOMPARE(check(QStringLiteral("echo $left(a) | echo $left(a)")).diagnostics.size(), 2);
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
    QTest::newRow("bare joined groups") << QStringLiteral("if %a") + QString(QStringLiteral(" && %a == 1")).repeated(30000);
    QTest::newRow("nested $iif conditions")
        << QStringLiteral("echo ") + QString(QStringLiteral("$iif(($a || ")).repeated(2000);
    QTest::newRow("var braces") << QStringLiteral("var %a ") + QString(QStringLiteral("} ")).repeated(50000);
    QTest::newRow("chain of var") << QString(QStringLiteral("var %a | ")).repeated(20000);
    QTest::newRow("chain of if") << QString(QStringLiteral("if (%a) ")).repeated(20000);
    QTest::newRow("chain of else") << QString(QStringLiteral("else ")).repeated(20000);
}

void TestCheckerIdents::deepNestingStaysInsideTheLine()
{
    QFETCH(QString, line);
    const LineCheckResult result = check(line, aliasBody1);
    QCOMPARE(result.formats.size(), line.size());
    for (const LineDiagnostic& d : result.diagnostics)
        QVERIFY(d.pos >= 0 && d.pos <= line.size());
    for (const IdentifierRecord& r : result.identifiers)
        QVERIFY(r.start >= 0 && r.start < line.size() && r.end <= line.size());
}

QTEST_GUILESS_MAIN(TestCheckerIdents)
#include "test_checkeridents.moc"
