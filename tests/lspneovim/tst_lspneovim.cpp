#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A script of our own for the position requests (see nvim-driver.lua).
const char featureScript[] = "alias Greet { return $upper($1) }\n"
                             "on *:TEXT:*:#:{ echo -a $gettok($1-,1,32) }\n"
                             "alias x { echo -a $gre }\n"
                             "alias y { greet x | echo -a $greet(1) }\n";

// Findings as "line:column message", sorted, from korvel-check's JSON lines.
QStringList checkedFindings(const QString& path)
{
    QProcess check;
    check.start(QStringLiteral(KORVEL_CHECK_PROGRAM), {QStringLiteral("--format=json"), path});
    check.waitForFinished(60000);
    QStringList found;
    for (const QByteArray& line : check.readAllStandardOutput().split('\n')) {
        const QJsonObject finding = QJsonDocument::fromJson(line).object();
        if (finding.contains("message"))
            found << QStringLiteral("%1:%2 %3")
                         .arg(finding["line"].toInt() - 1)
                         .arg(finding["pos"].toInt())
                         .arg(finding["message"].toString());
    }
    found.sort();
    return found;
}

QStringList publishedFindings(const QJsonArray& list)
{
    QStringList found;
    for (const QJsonValue& d : list)
        found << QStringLiteral("%1:%2 %3")
                     .arg(d["line"].toInt())
                     .arg(d["character"].toInt())
                     .arg(d["message"].toString());
    found.sort();
    return found;
}

// Real scripts: a few from the corpus when there is one, else the tests' own.
QStringList scripts()
{
    const QDir corpus(qEnvironmentVariable("KORVEL_CORPUS"));
    if (!qEnvironmentVariableIsEmpty("KORVEL_CORPUS") && corpus.exists()) {
        QStringList picked;
        for (const char* name : {"00d40324-cs25.mrc", "007f1a14-p01.mrc", "00ffdccd-core.mrc"})
            if (corpus.exists(QString::fromLatin1(name)))
                picked << corpus.filePath(QString::fromLatin1(name));
        if (!picked.isEmpty())
            return picked;
    }
    // This test has no data folder of its own, so ".." is resolved by name.
    return {QDir::cleanPath(QStringLiteral(KORVEL_TEST_DATA "/../../korvelcheck/data/mixed.mrc")),
            QDir::cleanPath(QStringLiteral(KORVEL_TEST_DATA "/../../checkerheaders/data/headers.mrc"))};
}

// The README's Neovim set-up lines (the indented block after the line that
// names Neovim), with the server's name replaced by the built program.
QByteArray readmeSetUp()
{
    QFile readme(QStringLiteral(KORVEL_README));
    if (!readme.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray setUp;
    bool inBlock = false;
    for (const QByteArray& line : readme.readAll().split('\n')) {
        if (line.startsWith("Neovim")) {
            inBlock = true;
            continue;
        }
        const bool indented = line.startsWith("    ");
        if (!inBlock || (!indented && setUp.isEmpty()))
            continue;
        if (!indented)
            break;
        setUp += line.mid(4) + '\n';
    }
    return setUp.replace("'korvel-lsp'", "'" KORVEL_LSP_PROGRAM "'");
}

} // namespace

// Debian's Neovim, headless, with korvel-lsp attached as its own client:
// the diagnostics equal korvel-check's for real scripts as opened and after
// edits, and the position requests answer.
class TestLspNeovim : public QObject {
    Q_OBJECT

private slots:
    void neovimAgreesWithKorvelCheck_data()
    {
        QTest::addColumn<QString>("script");
        for (const QString& script : scripts())
            QTest::newRow(qPrintable(QFileInfo(script).fileName())) << script;
    }

    void neovimAgreesWithKorvelCheck()
    {
        QFETCH(QString, script);
        const QString nvim = QStandardPaths::findExecutable(QStringLiteral("nvim"));
        if (nvim.isEmpty())
            QSKIP("nvim is not installed");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString copy = folder.filePath(QFileInfo(script).fileName());
        QVERIFY(QFile::copy(script, copy));
        QFile features(folder.filePath(QStringLiteral("features.mrc")));
        QVERIFY(features.open(QIODevice::WriteOnly));
        features.write(featureScript);
        features.close();

        const QByteArray setUp = readmeSetUp();
        QVERIFY(setUp.contains(KORVEL_LSP_PROGRAM));
        writeBytes(folder.filePath(QStringLiteral("init.lua")), setUp);

        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SCRIPT", copy);
        environment.insert("EDITED", folder.filePath(QStringLiteral("edited.mrc")));
        environment.insert("FEATURES", features.fileName());
        environment.insert("OUT", folder.filePath(QStringLiteral("out.json")));
        environment.insert("HOME", folder.path()); // no user configuration, no shada
        editor.setProcessEnvironment(environment);
        editor.setProcessChannelMode(QProcess::ForwardedChannels);
        editor.setWorkingDirectory(folder.path());
        editor.start(nvim, {"--headless", "--clean", "-n", "-c", "luafile init.lua", "-c", "luafile " NVIM_DRIVER});
        QVERIFY(editor.waitForFinished(120000));
        const QJsonObject results = QJsonDocument::fromJson(readBytes(environment.value("OUT"))).object();
        QVERIFY2(!results.isEmpty() && !results.contains("error"), qPrintable(results["error"].toString()));

        const QStringList expected = checkedFindings(script);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(publishedFindings(results["opened"].toArray()), expected);
        QCOMPARE(publishedFindings(results["edited"].toArray()), checkedFindings(environment.value("EDITED")));

        QVERIFY(results["hover"]["contents"]["value"].toString().contains("$gettok("));
        QStringList completions;
        for (const QJsonValue& item : results["completion"].toArray())
            completions << item["label"].toString();
        QVERIFY2(completions.contains("$Greet"), qPrintable(completions.join(' ')));
        QCOMPARE(results["signature"]["activeParameter"].toInt(), 0);
        QVERIFY(results["signature"]["signatures"][0]["label"].toString().startsWith("$gettok("));
        QVERIFY(results["tokens"]["data"].toArray().size() >= 5 * 8);
        QCOMPARE(results["definition"][0]["range"]["start"]["line"].toInt(), 0);
        QCOMPARE(results["definition"][0]["range"]["start"]["character"].toInt(), 6);
    }
};

QTEST_APPLESS_MAIN(TestLspNeovim)
#include "tst_lspneovim.moc"
