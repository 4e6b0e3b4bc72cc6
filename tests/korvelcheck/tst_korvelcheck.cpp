#include "FileBytes.h"
#include "checker/core/DiagnosticKinds.h"
#include "formats/ScriptFile.h"
#include "korvel-check/CheckOptions.h"
#include "korvel-check/ReportFormat.h"
#include "korvel-check/SarifReport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// korvel-check: its report lines (exact, from made-up checker results), its
// command line, and the real program run on fixture scripts, where the
// reports must agree with each other and with the scripts whatever the
// checker finds.
class TestKorvelCheck : public QObject {
    Q_OBJECT

private slots:
    void textDiagnostics();
    void jsonDiagnostics_data();
    void jsonDiagnostics();
    void commandLine_data();
    void commandLine();

    void failures_data();
    void failures();
    void reportCutShortIsAnError();
    void reportsAgree();
    void exactReports_data();
    void exactReports();
    void sarifRules();

private:
    struct Run {
        int exitCode = -1;
        QStringList out; // standard output, split into lines
        QString err;
    };
    static Run runCheck(const QStringList& arguments, const QString& workingDir = QString());
    static QString fixture(const char* name) { return QStringLiteral(KORVEL_TEST_DATA "/") + QLatin1String(name); }
};

TestKorvelCheck::Run TestKorvelCheck::runCheck(const QStringList& arguments, const QString& workingDir)
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(KORVEL_CHECK_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    QString out = QString::fromUtf8(process.readAllStandardOutput());
    if (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    run.out = out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A task's kind is its marker word; tabs stay under the caret; a position at
// or past the line's end puts the caret just after it; "%" is text anywhere;
// an INI line is shown whole, its key counted in the column.
void TestKorvelCheck::textDiagnostics()
{
    const struct {
        const char *file, *line;
        int column, type, pos;
        const char *block, *message, *expected;
    } rows[] = {
        {"b.ini", "n3=; fixme later", 3, 15, 2, "", "fixme later",
         "b.ini:7:6: fixme: fixme later\nn3=; fixme later\n     ^\n"},
        {"a.mrc", "\techo\tx", 0, 2, 6, "alias", "W", "a.mrc:7:7: warning: W [alias]\n\techo\tx\n\t    \t^\n"},
        {"a.mrc", "menu x", 0, 3, 6, "Menu", "M", "a.mrc:7:7: error: M [Menu]\nmenu x\n      ^\n"},
        {"a.mrc", "ab", 0, 1, 9, "", "I", "a.mrc:7:10: info: I\nab\n  ^\n"},
        {"%2.mrc", "%1", 0, 4, 0, "%3", "var %x %1", "%2.mrc:7:1: note: var %x %1 [%3]\n%1\n^\n"},
    };
    for (const auto& r : rows) {
        const ScriptLine line{1, QString(r.line).mid(r.column), 7, r.column, r.line};
        QCOMPARE(textDiagnostic(r.file, line, {Severity(r.type), r.pos, r.block, r.message}), QString(r.expected));
    }
}

void TestKorvelCheck::jsonDiagnostics_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");

    QTest::newRow("escapes")
        << "C:\\x \"y\".mrc"
        << "" << QString("a\tb\x03g\x1f")
        << R"({"file":"C:\\x \"y\".mrc","line":12,"pos":4,"type":3,"block":"","message":"a\tb\u0003g\u001f"})";
    QTest::newRow("other line breaks escaped")
        << "a.mrc" << QString(QChar(0x2029)) << QString::fromUtf8("a\u0085b\u2028c\x7f")
        << R"({"file":"a.mrc","line":12,"pos":4,"type":3,"block":"\u2029","message":"a\u0085b\u2028c\u007f"})";
    QTest::newRow("non-ascii stays")
        << QString::fromUtf8("é.mrc") << "on text" << QString::fromUtf8("“€”")
        << QString::fromUtf8(R"({"file":"é.mrc","line":12,"pos":4,"type":3,"block":"on text","message":"“€”"})");
}

void TestKorvelCheck::jsonDiagnostics()
{
    QFETCH(QString, file);
    QFETCH(QString, block);
    QFETCH(QString, message);
    QFETCH(QString, expected);

    const ScriptLine line{1, QStringLiteral("text"), 12, 0, QStringLiteral("text")};
    const QString json = jsonDiagnostic(file, line, {Severity::Error, 4, block, message});
    QCOMPARE(json, expected + QLatin1Char('\n'));
}

void TestKorvelCheck::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("parsed"); // the outcome, the options set, then the files

    QTest::newRow("defaults") << QStringList{"a.mrc"} << "run: a.mrc";
    QTest::newRow("everything") << QStringList{"--format=json", "a", "--trace", "b", "--quiet"}
                                << "run json trace quiet: a|b";
    QTest::newRow("last format wins") << QStringList{"--format=json", "--format=text", "a"} << "run: a";
    QTest::newRow("double dash ends options") << QStringList{"--", "--trace", "-x"} << "run: --trace|-x";
    QTest::newRow("lone dash is a file") << QStringList{"-"} << "run: -";
    QTest::newRow("no file") << QStringList{"--trace"} << "usage trace: ";
    QTest::newRow("format without value") << QStringList{"--format", "a"} << "usage: ";
    QTest::newRow("help") << QStringList{"a", "--help"} << "help: a";
}

void TestKorvelCheck::commandLine()
{
    QFETCH(QStringList, arguments);

    const ParsedCommandLine result = parseCommandLine(arguments);
    const CheckOptions& options = result.options;
    const bool usage = result.outcome == ParsedCommandLine::Outcome::UsageError;
    QString text = usage ? "usage" : result.outcome == ParsedCommandLine::Outcome::Help ? "help" : "run";
    text += QString(options.format == CheckOptions::Format::Json ? " json" : "") + (options.trace ? " trace" : "")
        + (options.quiet ? " quiet" : "") + ": " + options.files.join('|');
    QTEST(text, "parsed");
    QCOMPARE(result.error.isEmpty(), !usage);
}

void TestKorvelCheck::failures_data()
{
    // MISSING, DIR and EMPTY stand for a missing file, a folder and an empty script.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QStringList>("complaints"); // how each stderr line starts, after "korvel-check: "
    QTest::addColumn<bool>("usage");
    const auto row = [](const char* name, const QStringList& arguments, const QStringList& out,
                        const QStringList& complaints,
                        bool usage) { QTest::newRow(name) << arguments << out << complaints << usage; };

    row("no arguments", QStringList{}, QStringList{}, QStringList{"no script file given"}, true);
    row("unknown option", QStringList{"--bogus", "EMPTY"}, QStringList{}, QStringList{"unknown option '--bogus'"},
        true);
    row("unknown format", QStringList{"--format=xml", "EMPTY"}, QStringList{},
        QStringList{"unknown format in '--format=xml'"}, true);
    row("unknown kind", QStringList{"--kind=macros", "EMPTY"}, QStringList{},
        QStringList{"unknown kind in '--kind=macros'"}, true);
    row("unreadable files named, the others checked", QStringList{"MISSING", "DIR", "EMPTY"},
        QStringList{"0 errors, 0 warnings, 0 infos, 0 tasks in 1 files"},
        QStringList{"cannot read MISSING: ", "cannot read DIR: "}, false);
    row("quiet json still sums up", QStringList{"--quiet", "--format=json", "MISSING"},
        QStringList{"0 errors, 0 warnings, 0 infos, 0 tasks in 0 files"}, QStringList{"cannot read MISSING: "}, false);
}

// Every failure exits with 2 and says on stderr what went wrong.
void TestKorvelCheck::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, complaints);

    QTemporaryDir dir;
    QVERIFY(ScriptFile::save(dir.filePath("empty.mrc"), QString(), ScriptEncoding::Utf8, nullptr));
    const auto substitute = [&dir](QString text) {
        return text.replace("MISSING", dir.filePath("missing.mrc"))
            .replace("EMPTY", dir.filePath("empty.mrc"))
            .replace("DIR", dir.path());
    };
    for (QString& argument : arguments)
        argument = substitute(argument);

    const Run run = runCheck(arguments);
    QCOMPARE(run.exitCode, 2);
    QTEST(run.out, "out");
    const QStringList lines = run.err.split('\n');
    QVERIFY(lines.size() > complaints.size());
    for (int i = 0; i < complaints.size(); ++i)
        QVERIFY2(lines[i].startsWith("korvel-check: " + substitute(complaints[i])), qPrintable(lines[i]));
    QTEST(lines[complaints.size()].startsWith("usage: korvel-check"), "usage");
}

void TestKorvelCheck::reportCutShortIsAnError()
{
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("needs /dev/full");
    QProcess process;
    process.setStandardOutputFile("/dev/full");
    process.start(QStringLiteral(KORVEL_CHECK_BINARY), {fixture("mixed.mrc")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().startsWith("korvel-check: cannot write the report: "));
}

void TestKorvelCheck::exactReports_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected"); // FILE stands for the script's path
    QTest::addColumn<int>("exitCode");

    const QByteArray remAndStray("rem x\r\n  stray text\r\n");
    const QString rem =
        "FILE:1:1: info: Old-style rem comments are deprecated, consider using `;' comments. [root]\nrem x\n^\n";
    const QString stray =
        "FILE:2:1: error: Unexpected characters in root level of script file. [root]\n  stray text\n^\n";
    const QString summary = "1 errors, 0 warnings, 1 infos, 0 tasks in 1 files\n";

    const auto row = [](const char* name, const char* file, const QByteArray& bytes, const QStringList& options,
                        const QString& expected, int exitCode) {
        QTest::newRow(name) << QString(file) << bytes << options << expected << exitCode;
    };
    row("text", "a.mrc", remAndStray, {}, rem + stray + summary, 1);
    row("json", "a.mrc", remAndStray, {"--format=json"},
        R"({"file":"FILE","kind":"remote"})"
        "\n"
        R"({"file":"FILE","line":1,"pos":0,"type":1,"block":"root","message":"Old-style rem comments are deprecated, consider using `;' comments."})"
        "\n"
        R"({"file":"FILE","line":2,"pos":0,"type":3,"block":"root","message":"Unexpected characters in root level of script file."})"
        "\n",
        1);
    row("trace", "a.mrc", remAndStray, {"--trace"},
        "1\t1\t0+5=commentFormat\t-\n" + rem + "2\t163841\t0+12=errorFormat\t-\n" + stray + "3\t163841\t\t-\n"
            + summary,
        1);
    row("quiet", "a.mrc", remAndStray, {"--quiet", "--trace"}, summary, 1);
    row("trace of a block never closed names its header once", "a.mrc", "alias x {\n", {"--trace"},
        "1\t131073\t0+5=aliasKeywordFormat 6+1=aliasNameFormat 8+1=braceFormat\tkind=1 name=x detail= pos=6 "
        "local=0 opens=1 group=0\n2\t131073\t\t-\n"
        "FILE:1:1: error: `alias x' is never closed: a `}' is missing [root]\nalias x {\n^\n"
        "1 errors, 0 warnings, 0 infos, 0 tasks in 1 files\n",
        1);
    row("empty file is one empty line", "a.mrc", QByteArray(), {"--trace"},
        "1\t1\t\t-\n0 errors, 0 warnings, 0 infos, 0 tasks in 1 files\n", 0);
    row("infos only exit 0, line shown as written", "a.mrc", "REM X", {},
        QString(rem).replace("rem x", "REM X") + "0 errors, 0 warnings, 1 infos, 0 tasks in 1 files\n", 0);
    row("windows-1252 line shown in utf-8", "a.mrc", "caf\xE9 au lait\r\n", {},
        QString::fromUtf8(
            "FILE:1:1: error: Unexpected characters in root level of script file. [root]\ncafé au lait\n^\n"
            "1 errors, 0 warnings, 0 infos, 0 tasks in 1 files\n"),
        1);
    // A file's kind is told by its lines unless --kind names it.
    const QByteArray aliasLines("op /mode # +o $1\r\nj join #$1\r\n");
    row("kind told by the lines", "a.mrc", aliasLines, {"--format=json"}, "{\"file\":\"FILE\",\"kind\":\"aliases\"}\n",
        0);
    row("kind named", "a.mrc", aliasLines, {"--format=json", "--kind=remote"},
        R"({"file":"FILE","kind":"remote"})"
        "\n"
        R"({"file":"FILE","line":1,"pos":0,"type":3,"block":"root","message":"Unexpected characters in root level of script file."})"
        "\n",
        1);
    row("kind named, quiet", "a.mrc", aliasLines, {"--quiet", "--kind=popups"},
        "0 errors, 0 warnings, 0 infos, 0 tasks in 1 files\n", 0);
    row("group and comment states", "a.ini", "[script]\r\nn0=#g on\r\nn1=/* c\r\nn2=*/ x\r\nn3=#g end\r\n",
        {"--trace", "--format=json"},
        R"({"file":"FILE","kind":"remote"})"
        "\n"
        "1\t479232\t0+2=groupNameFormat 3+2=groupStateFormat\tkind=0 name= detail= pos=-1 local=0 opens=0 group=1\n"
        "2\t3\t0+4=commentFormat\t-\n"
        "3\t479232\t0+3=commentFormat 3+1=errorFormat\t-\n"
        R"({"file":"FILE","line":4,"pos":6,"type":3,"block":"root","message":"Trailing text after end of a multi-line comment."})"
        "\n"
        "4\t1\t0+2=groupNameFormat 3+3=groupStateFormat\tkind=0 name= detail= pos=-1 local=0 opens=0 group=2\n"
        "5\t1\t\t-\n",
        1);
}

// A few reports checked character by character, on lines whose diagnostics
// the root level alone decides.
void TestKorvelCheck::exactReports()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, options);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    writeBytes(path, bytes);

    const Run run = runCheck(options + QStringList{path});
    QTEST(run.exitCode, "exitCode");
    QVERIFY(run.err.isEmpty());
    QCOMPARE(run.out.join('\n') + '\n', expected.replace("FILE", path));
}

// Messages that differ only in a quoted name share a rule; others get their
// own, with ids made of their words.
void TestKorvelCheck::sarifRules()
{
    SarifReport report(QDir::current());
    const auto add = [&report](int lineNumber, const LineDiagnostic& diagnostic) {
        LineCheckResult result;
        result.diagnostics.append(diagnostic);
        report.lineChecked("a.mrc", ScriptLine{lineNumber, "x", lineNumber, 0, "x"}, result);
    };
    add(1, {Severity::Error, 4, "alias", "Illegal characters after identifier `$iif' closing bracket"});
    add(2, {Severity::Error, 0, "alias", "Illegal characters after identifier `$gettok' closing bracket"});
    add(3, {Severity::TaskTodo, 2, QString(), "TODO reply"});
    const QJsonObject run =
        QJsonDocument::fromJson(report.finished(CheckSummary()).toUtf8()).object()["runs"].toArray()[0].toObject();
    QStringList rules;
    for (const QJsonValue rule : run["tool"]["driver"]["rules"].toArray())
        rules << rule["id"].toString() + " = " + rule["shortDescription"]["text"].toString();
    QCOMPARE(rules,
             (QStringList{"illegal-characters-after-identifier-closing-bracket = Illegal characters after "
                          "identifier `\u2026' closing bracket",
                          "todo-reply = TODO reply"}));
    QStringList results;
    for (const QJsonValue result : run["results"].toArray())
        results << QString::number(result["ruleIndex"].toInt()) + ' ' + result["level"].toString() + ' '
                + result["message"]["text"].toString();
    QCOMPARE(results,
             (QStringList{"0 error Illegal characters after identifier `$iif' closing bracket",
                          "0 error Illegal characters after identifier `$gettok' closing bracket",
                          "1 note TODO reply"}));
}

// Whatever the checker finds, the three reports list the same findings:
// each text finding shows the file's line (as on disk) with the caret at its
// column, the summary counts them and the exit status follows the errors.
// The SARIF log is what SARIF 2.1.0 requires; files under the working folder
// are named relative to it (escaped as URIs), others by absolute file URIs.
void TestKorvelCheck::reportsAgree()
{
    QTemporaryDir dir;
    const QDir working(dir.path());
    const QString inside = QStringLiteral("sub dir/a #1%.mrc");
    QVERIFY(working.mkpath("sub dir"));
    QVERIFY(QFile::copy(fixture("mixed.mrc"), working.filePath(inside)));
    const QStringList files{inside, fixture("numbered.ini")};

    const Run text = runCheck(files, dir.path());
    static const QRegularExpression headLine(
        R"(^(.+):(\d+):(\d+): (info|warning|error|note|todo|hack|xxx|fixme|task): )");
    QMap<QString, int> kinds;
    QStringList textPositions;
    const int reportLines = text.out.size() - 1;
    QVERIFY(reportLines > 0 && reportLines % 3 == 0);
    for (int i = 0; i < reportLines; i += 3) {
        const QRegularExpressionMatch head = headLine.match(text.out[i]);
        QVERIFY2(head.hasMatch(), qPrintable(text.out[i]));
        const QString file = working.absoluteFilePath(head.captured(1));
        const int line = head.captured(2).toInt();
        const int column = head.captured(3).toInt();
        QCOMPARE(text.out[i + 1], QString::fromUtf8(readBytes(file)).remove('\r').split('\n').value(line - 1));
        QCOMPARE(text.out[i + 2], QString(qMin(column - 1, int(text.out[i + 1].size())), ' ') + '^');
        ++kinds[head.captured(4)];
        textPositions << QStringLiteral("%1:%2:%3").arg(file).arg(line).arg(column);
    }
    const int tasks =
        kinds.value("todo") + kinds.value("hack") + kinds.value("xxx") + kinds.value("fixme") + kinds.value("task");
    QCOMPARE(text.out.last(),
             QStringLiteral("%1 errors, %2 warnings, %3 infos, %4 tasks in %5 files")
                 .arg(kinds.value("error"))
                 .arg(kinds.value("warning"))
                 .arg(kinds.value("info"))
                 .arg(tasks)
                 .arg(files.size()));
    QCOMPARE(text.exitCode, kinds.value("error") > 0 ? 1 : 0);

    const Run json = runCheck(QStringList{"--format=json"} + files, dir.path());
    QCOMPARE(json.exitCode, text.exitCode);
    const QStringList levels{"note", "note", "warning", "error"};
    QStringList jsonPositions, jsonFindings;
    for (const QString& out : json.out) {
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        // Each file's report opens with the kind it was checked as.
        if (!object.contains("line")) {
            QCOMPARE(object["kind"].toString(), QStringLiteral("remote"));
            continue;
        }
        const QString position = QStringLiteral("%1:%2:%3")
                                     .arg(working.absoluteFilePath(object["file"].toString()))
                                     .arg(object["line"].toInt())
                                     .arg(object["pos"].toInt() + 1);
        jsonPositions << position;
        jsonFindings << position + ' ' + levels.value(object["type"].toInt(), "note") + ' '
                + object["message"].toString();
    }
    QCOMPARE(jsonPositions, textPositions);

    const Run sarif = runCheck(QStringList{"--format=sarif"} + files, dir.path());
    QCOMPARE(sarif.exitCode, json.exitCode);
    QVERIFY(sarif.err.isEmpty());
    QJsonParseError error;
    const QJsonObject log = QJsonDocument::fromJson(sarif.out.join('\n').toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(log["version"].toString(), "2.1.0");
    QVERIFY(log["$schema"].toString().endsWith("/sarif-schema-2.1.0.json"));
    const QJsonArray runs = log["runs"].toArray();
    QCOMPARE(runs.size(), 1);
    const QJsonObject run = runs[0].toObject();
    QCOMPARE(run["tool"]["driver"]["name"].toString(), "korvel-check");
    QVERIFY(run["invocations"][0]["executionSuccessful"].toBool());
    const QJsonArray rules = run["tool"]["driver"]["rules"].toArray();
    const QUrl base(run["originalUriBaseIds"]["SRCROOT"]["uri"].toString());
    QCOMPARE(base.toLocalFile(), working.absolutePath() + '/');
    QStringList sarifFindings;
    QSet<QString> uris;
    for (const QJsonValue result : run["results"].toArray()) {
        const int index = result["ruleIndex"].toInt(-1);
        QVERIFY(index >= 0 && index < rules.size());
        QCOMPARE(result["ruleId"].toString(), rules[index]["id"].toString());
        const QJsonObject physical = result["locations"][0]["physicalLocation"].toObject();
        const QJsonObject artifact = physical["artifactLocation"].toObject();
        const QUrl uri(artifact["uri"].toString(), QUrl::StrictMode);
        QVERIFY(uri.isValid());
        QCOMPARE(uri.isRelative(), artifact.contains("uriBaseId"));
        uris.insert(uri.toString(QUrl::FullyEncoded));
        sarifFindings << QStringLiteral("%1:%2:%3 %4 %5")
                             .arg((uri.isRelative() ? base.resolved(uri) : uri).toLocalFile())
                             .arg(physical["region"]["startLine"].toInt())
                             .arg(physical["region"]["startColumn"].toInt())
                             .arg(result["level"].toString(), result["message"]["text"].toString());
    }
    QCOMPARE(uris,
             (QSet<QString>{"sub%20dir/a%20%231%25.mrc",
                            QUrl::fromLocalFile(fixture("numbered.ini")).toString(QUrl::FullyEncoded)}));
    QCOMPARE(sarifFindings, jsonFindings);
}

QTEST_GUILESS_MAIN(TestKorvelCheck)
#include "tst_korvelcheck.moc"
