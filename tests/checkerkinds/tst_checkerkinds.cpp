#include "CheckedLine.h"
#include "CheckedScript.h"
#include "FileBytes.h"
#include "checker/core/DocumentKind.h"
#include "checker/core/ScriptOutline.h"
#include "formats/ScriptFile.h"
#include "formats/ScriptLayout.h"

#include <QTemporaryDir>
#include <QtTest>

// Alias, popup, variable and user files: how their kind is told, how their
// lines are checked with the remote script's rules, what the outline lists,
// and that an INI file of such a kind comes back byte for byte.

Q_DECLARE_METATYPE(DocumentKind)

namespace {

ScriptOutline outlineOf(const QString& text, DocumentKind kind)
{
    ScriptOutline outline;
    checkText(
        text,
        [&outline](const ScriptLine& line, const LineCheckResult& result) {
            outline.add(line.number, result.header, line.text);
        },
        &kind);
    return outline;
}

QStringList names(const QVector<OutlineEntry>& entries)
{
    QStringList list;
    for (const OutlineEntry& entry : entries)
        list.append(QStringLiteral("%1@%2").arg(entry.name).arg(entry.line));
    return list;
}

const QString variableMessage = QStringLiteral("A variable line starts with `%' and the variable's name.");
const QString levelMessage = QStringLiteral("A user line starts with an access level and a colon.");
const QString maskMessage = QStringLiteral("An address mask must follow the user's access level.");

} // namespace

class TestDocumentKinds : public QObject {
    Q_OBJECT
private slots:
    void plainFileDetection_data();
    void plainFileDetection();
    void kindChecks_data();
    void kindChecks();
    void kindWordsArePainted();
    void outlineOfAliasAndPopupFiles();
    void iniRoundTrip_data();
    void iniRoundTrip();
    void scriptSectionWins();
};

void TestDocumentKinds::plainFileDetection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DocumentKind>("kind");
    QTest::newRow("aliases with and without slash")
        << "; my aliases\nop /mode # +ooo $$1 $2 $3\n/j join #$1\nhop {\n  part #\n  on *:text:*:#:{ }\n}\n"
        << DocumentKind::Aliases;
    QTest::newRow("popups with submenu and separator")
        << "Join:/join #test\n-\nModes\n.Op:/mode # +o $1\n.Deop:/mode # -o $1\nChange nick:/nick $$?\n"
        << DocumentKind::Popups;
    QTest::newRow("popups of submenu titles and separators")
        << "Channel\n.Modes\n..Op:/mode # +o $1\n..Deop:/mode # -o $1\n-\n.Topic\n"
        << DocumentKind::Popups;
    QTest::newRow("variables") << "%away off\n%nick Korvel\n%count 3\n" << DocumentKind::Variables;
    QTest::newRow("users") << "100:*!*@host.example\nfriend,op:nick!*@*\n5:*!ident@*.net\n" << DocumentKind::Users;
    QTest::newRow("a header makes a remote script") << "op /mode # +o $1\ndeop /mode # -o $1\nalias x echo x\n"
                                                    << DocumentKind::Remote;
    QTest::newRow("no majority falls back to remote") << "%a 1\n100:*!*@x.net\nJoin:/join #a\nrandom words here\n"
                                                      << DocumentKind::Remote;
    QTest::newRow("plain words are no alias lines") << "rem x\n  stray text\ncafe au lait\n" << DocumentKind::Remote;
    QTest::newRow("empty") << QString() << DocumentKind::Remote;
    QTest::newRow("comments only") << "; nothing\n; here\n" << DocumentKind::Remote;
}

void TestDocumentKinds::plainFileDetection()
{
    QFETCH(QString, text);
    QTEST(DocumentKinds::fromContent(text), "kind");
}

void TestDocumentKinds::kindChecks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DocumentKind>("kind");
    QTest::addColumn<QStringList>("expected");

    const auto row = [](const char* name, const char* text, DocumentKind kind, const QStringList& expected) {
        QTest::newRow(name) << QString::fromLatin1(text) << kind << expected;
    };
    row("alias lines with and without slash",
        "op /mode # +ooo $$1 $2 $3\n/j join #$1\n; a comment\n\nx echo $len(a) $+ b\n", DocumentKind::Aliases, {});
    row("braced alias bodies open and close", "hop {\n  part #\n  if ($1) { join $1 }\n}\nnext echo ok\n",
        DocumentKind::Aliases, {});
    // The same mistake is found as behind an alias header.
    row("alias line faults are the alias header's", "a echo $len(x))\n", DocumentKind::Aliases,
        {"1:14 Illegal characters after identifier `$len' closing bracket"});
    row("a brace left open stays an alias body, reported at its line", "a {\n  echo a\n  b echo b\n",
        DocumentKind::Aliases, {"1:0 `alias a' is never closed: a `}' is missing"});
    row("popup file with submenus, separators and an item block",
        "Join:/join #test\n-\nModes\n.Op:/mode # +o $1\n..Voice:/mode # +v $1\n.-\nBlock {\n  echo a\n}\n"
        "sclick:/echo clicked\n",
        DocumentKind::Popups, {});
    row("popup label bracket", "a { b:/echo x\n", DocumentKind::Popups,
        {"1:2 Bracket in the middle of expression, will make menu not work."});
    row("variables", "%a 1\n%long.name some value here\n\n%x\n", DocumentKind::Variables, {});
    row("broken variable lines", "a 1\n% x\n%ok 2\n", DocumentKind::Variables,
        {"1:0 " + variableMessage, "2:0 " + variableMessage});
    row("users", "100:*!*@host.net\nfriend,op:nick!*@*\n\n", DocumentKind::Users, {});
    row("broken user lines", "*!*@host.net\n100:\nsome level:*!*@*\n:*!*@*\n", DocumentKind::Users,
        {"1:0 " + levelMessage, "2:3 " + maskMessage, "3:0 " + levelMessage, "4:0 " + levelMessage});
}

void TestDocumentKinds::kindChecks()
{
    QFETCH(QString, text);
    QFETCH(DocumentKind, kind);
    QTEST(findingsIn(text, &kind), "expected");
}

void TestDocumentKinds::kindWordsArePainted()
{
    // What makes a line a variable or a user line wears its own colour.
    const auto painted = [](const char* text, DocumentKind kind) {
        QStringList spans;
        checkText(
            QString::fromLatin1(text),
            [&spans](const ScriptLine&, const LineCheckResult& result) { spans << spanTexts(result); }, &kind);
        return spans.join(QLatin1Char(' '));
    };
    QCOMPARE(painted("%long.name some value\n", DocumentKind::Variables), QStringLiteral("0+10=variableFormat"));
    QCOMPARE(painted("friend,op:*!*@host.net\n", DocumentKind::Users), QStringLiteral("0+9=accessLevelFormat"));
}

void TestDocumentKinds::outlineOfAliasAndPopupFiles()
{
    const ScriptOutline aliases =
        outlineOf(QStringLiteral("op /mode # +o $1\n/j join #$1\nhop {\n  part #\n}\n"), DocumentKind::Aliases);
    QCOMPARE(names(aliases.aliases.global), (QStringList{"op@1", "j@2", "hop@3"}));
    QVERIFY(aliases.aliases.global.at(2).multiLine);

    const ScriptOutline popups =
        outlineOf(QStringLiteral("Join:/join #a\n-\nModes\n.Op:/mode # +o $1\nTools {\n  echo\n}\nsclick:/echo\n"),
                  DocumentKind::Popups);
    QCOMPARE(names(popups.menus), (QStringList{"Join@1", "Modes@3", "Tools@5"}));
    QVERIFY(popups.menus.at(2).multiLine);
    QVERIFY(!popups.menus.at(0).multiLine);
}

// An INI file's kind comes from its section; the text under it checks
// clean as that kind, and saving it gives back the same bytes.
void TestDocumentKinds::iniRoundTrip_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<DocumentKind>("kind");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("firstLine");
    const auto row = [](const char* name, const QByteArray& file, DocumentKind kind, const char* section,
                        const char* firstLine) { QTest::newRow(name) << file << kind << section << firstLine; };
    row("script", "[script]\r\nn0=alias a echo a\r\n", DocumentKind::Remote, "", "alias a echo a");
    row("aliases", "[aliases]\r\nn0=/op /mode # +ooo $$1 $2 $3\r\nn1=hop {\r\nn2=  part #\r\nn3=}\r\n",
        DocumentKind::Aliases, "aliases", "/op /mode # +ooo $$1 $2 $3");
    row("section as written", "[Aliases]\r\nn0=a echo\r\n", DocumentKind::Aliases, "Aliases", "a echo");
    row("popups", "[cpopup]\r\nn0=Join:/join #a\r\nn1=-\r\n", DocumentKind::Popups, "cpopup", "Join:/join #a");
    row("several popup sections", "[cpopup]\r\nn0=Join:/join #a\r\n[lpopup]\r\nn0=Op:/op $1\r\nn1=.Voice:/voice $1\r\n",
        DocumentKind::Popups, "", "[cpopup]");
    row("variables", "[variables]\r\nn0=%a 1\r\nn1=%b two words\r\n", DocumentKind::Variables, "variables", "%a 1");
    row("users", "[users]\r\nn0=100:*!*@x\r\n", DocumentKind::Users, "users", "100:*!*@x");
}

void TestDocumentKinds::iniRoundTrip()
{
    QFETCH(QByteArray, file);
    QFETCH(DocumentKind, kind);
    QFETCH(QString, section);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kind.ini"));
    writeBytes(path, file);

    const LoadedScript loaded = ScriptFile::load(path);
    QVERIFY(loaded.ok);
    QCOMPARE(loaded.kind, kind);
    if (!section.isEmpty())
        QCOMPARE(loaded.iniSection, section);
    QTEST(loaded.text.section(QLatin1Char('\n'), 0, 0), "firstLine");
    QCOMPARE(findingsIn(loaded.text, &loaded.kind), QStringList());

    QString error;
    QVERIFY(ScriptFile::save(path, loaded.text, loaded.encoding, &error, loaded.kind, loaded.iniSection));
    QCOMPARE(readBytes(path), file);
}

// Where another section stands beside the script's, the script is what
// the file is.
void TestDocumentKinds::scriptSectionWins()
{
    QTemporaryDir dir;
    for (const QByteArray& file : {QByteArray("[users]\r\nn0=1:*!*@*\r\n[script]\r\nn0=on *:start:{ }\r\n"),
                                   QByteArray("[mirc]\r\nnick=x\r\n")}) {
        writeBytes(dir.filePath("x.ini"), file);
        const LoadedScript loaded = ScriptFile::load(dir.filePath("x.ini"));
        QCOMPARE(loaded.kind, DocumentKind::Remote);
        QCOMPARE(loaded.iniSection, QString());
    }
}

QTEST_GUILESS_MAIN(TestDocumentKinds)
#include "tst_checkerkinds.moc"
