#include "TestRegistry.h"
#include "mirc/bridge/BridgeProtocol.h"
#include "mirc/bridge/MircBridgeLink.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Stands in for Wine: it "runs" the helper whose file it is given, and that
// file only says how to behave. "answers" speaks the protocol with one fixed
// instance; "hangs" says ready and then never answers.
const char fakeWine[] = R"sh(#!/bin/sh
mode=$(cat "$1")
echo ready
while IFS= read -r line; do
    [ "$mode" = hangs ] && continue
    [ "$mode" = slow ] && [ -z "$slowed" ] && { sleep 0.6; slowed=1; }
    case "$line" in
        find) echo "instances 2a" ;;
        "eval 2a \$script(1)") printf '%s\n' 'result C:\\a\\b\n.mrc' ;;
        eval*) echo "result 3" ;;
        "cmd 2a "*) echo done ;;
        *) echo unavailable ;;
    esac
done
)sh";

// Bounds for waits on the fake's start; the calls themselves are bounded by
// the link's own answer timeout.
constexpr int startWaitMs = 5000;
constexpr int answerTimeoutMs = 300;
constexpr int helperGiveUpMs = 600;

} // namespace

class BridgeClientTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    WineSettings settingsFor(const QByteArray& mode)
    {
        WineSettings settings;
        settings.wineBinary = dir.filePath("wine");
        settings.prefix = dir.path();
        settings.bridgeProgram = dir.filePath(QString::fromLatin1(mode));
        settings.answerTimeoutMs = answerTimeoutMs;
        settings.helperGiveUpMs = helperGiveUpMs;
        QFile helper(settings.bridgeProgram);
        if (helper.open(QIODevice::WriteOnly))
            helper.write(mode);
        return settings;
    }

private slots:
    void initTestCase()
    {
        QFile wine(dir.filePath("wine"));
        QVERIFY(wine.open(QIODevice::WriteOnly));
        wine.write(fakeWine);
        wine.close();
        wine.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void protocolTextsSurviveTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "$script(12)";
        QTest::newRow("backslashes") << R"(C:\new\raw\ .mrc\)";
        QTest::newRow("line breaks") << "a\nb\r\n\\n";
        QTest::newRow("empty") << "";
        QTest::newRow("non-ASCII") << QString::fromUtf8("C:\\skripte\\grüße ✓.mrc");
    }

    void protocolTextsSurviveTheLine()
    {
        QFETCH(QString, text);
        const std::string line = BridgeProtocol::formatEvaluate(0xdeadbeef, text.toStdString());
        QVERIFY(line.find('\n') == std::string::npos && line.find('\r') == std::string::npos);
        const BridgeProtocol::Request request = BridgeProtocol::parseRequest(line);
        QCOMPARE(int(request.kind), int(BridgeProtocol::Request::Kind::Evaluate));
        QCOMPARE(request.window, quint64(0xdeadbeef));
        QCOMPARE(QString::fromStdString(request.text), text);
        QCOMPARE(QString::fromStdString(BridgeProtocol::resultText(BridgeProtocol::formatResult(text.toStdString()))),
                 text);
    }

    void malformedRequestsAreRefused_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("unknown word") << "evaluate 1a $version";
        QTest::newRow("no window") << "eval";
        QTest::newRow("window not hex") << "cmd 1g /echo";
        QTest::newRow("window too long") << "cmd 12345678901234567 /echo";
        QTest::newRow("find with text") << "find me";
    }

    void malformedRequestsAreRefused()
    {
        QFETCH(QString, line);
        QCOMPARE(int(BridgeProtocol::parseRequest(line.toStdString()).kind),
                 int(BridgeProtocol::Request::Kind::Invalid));
    }

    void withoutWineNothingIsListedAtOnce()
    {
        WineSettings settings = settingsFor("answers");
        settings.wineBinary = dir.filePath("no-such-wine");
        MircBridgeLink link(settings);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(link.findInstances().isEmpty());
        QCOMPARE(link.evaluate(MircWindowHandle{1}, "$version").status, MircLinkStatus::Unavailable);
        QCOMPARE(link.command(MircWindowHandle{1}, "/echo"), MircLinkStatus::Unavailable);
        QVERIFY(clock.elapsed() < answerTimeoutMs);
    }

    void answersTravelThroughTheHelper()
    {
        MircBridgeLink link(settingsFor("answers"));
        QSignalSpy available(&link, &MircLink::becameAvailable);
        // The helper is still starting: nothing yet, and no waiting for it.
        QVERIFY(link.findInstances().isEmpty());
        QVERIFY(available.wait(startWaitMs));

        QCOMPARE(link.findInstances(), (QList<MircWindowHandle>{MircWindowHandle{0x2a}}));
        const QList<MircEvaluation> results = link.evaluateAll(MircWindowHandle{0x2a}, {"$script(0)", "$script(1)"});
        QCOMPARE(results.size(), 2);
        QCOMPARE(results.at(0).text, QString("3"));
        QCOMPARE(results.at(1).text, QString("C:\\a\\b\n.mrc"));
        QCOMPARE(link.command(MircWindowHandle{0x2a}, "/!.reload -rs \"x\""), MircLinkStatus::Done);
        QCOMPARE(link.command(MircWindowHandle{0x2b}, "/echo"), MircLinkStatus::Unavailable);
    }

    void lateAnswersAreDroppedWhenTheyCome()
    {
        // Answers after a delay of 2 timeouts, in order: the first call gives
        // up, the next one gets its own answer, not the late one.
        WineSettings settings = settingsFor("slow");
        settings.helperGiveUpMs = startWaitMs; // slow, not silent
        MircBridgeLink link(settings);
        QSignalSpy available(&link, &MircLink::becameAvailable);
        link.findInstances();
        QVERIFY(available.wait(startWaitMs));
        QCOMPARE(link.evaluate(MircWindowHandle{0x2a}, "$script(0)").status, MircLinkStatus::Unavailable);
        // Behind: not asked again before it has caught up.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link.command(MircWindowHandle{0x2a}, "/echo"), MircLinkStatus::Unavailable);
        QVERIFY(clock.elapsed() < answerTimeoutMs);
        // Once the late answer has come, a call gets its own answer.
        MircEvaluation next;
        QTRY_COMPARE_WITH_TIMEOUT((next = link.evaluate(MircWindowHandle{0x2a}, "$script(1)")).status,
                                  MircLinkStatus::Done, startWaitMs);
        QCOMPARE(next.text, QString("C:\\a\\b\n.mrc"));
        QVERIFY(link.isReady());
    }

    void aHelperThatStopsAnsweringIsGivenUpAndRestarted()
    {
        MircBridgeLink link(settingsFor("hangs"));
        QSignalSpy available(&link, &MircLink::becameAvailable);
        link.findInstances();
        QVERIFY(available.wait(startWaitMs));
        const qint64 firstHelper = link.helperProcessId();

        QElapsedTimer clock;
        clock.start();
        const QStringList requests{"$version", "$remote", "$script(0)", "$script(1)", "$script(2)"};
        const QList<MircEvaluation> results = link.evaluateAll(MircWindowHandle{1}, requests);
        // The rest is not waited for once one answer is late.
        QVERIFY(clock.elapsed() < 2 * answerTimeoutMs);
        for (const MircEvaluation& result : results)
            QCOMPARE(result.status, MircLinkStatus::Unavailable);

        // Still silent after a while: the next search stops it and starts
        // another, without waiting for it.
        QTest::qWait(helperGiveUpMs + answerTimeoutMs);
        QVERIFY(link.findInstances().isEmpty());
        QVERIFY(available.wait(startWaitMs));
        QVERIFY(link.helperProcessId() != firstHelper);
    }

    void drivePathsResolveInsideThePrefix_data()
    {
        QTest::addColumn<QString>("mircPath");
        QTest::addColumn<QString>("local"); // relative to the prefix, or absolute
        const auto row = [](const char* name, const char* mircPath, const char* local) {
            QTest::newRow(name) << QString(mircPath) << QString(local);
        };
        row("drive c", R"(C:\mIRC\scripts\a.mrc)", "drive_c/mIRC/scripts/a.mrc");
        row("drive z is the root", R"(z:\tmp\b.mrc)", "/tmp/b.mrc");
        // No place here: no path, and the reason names what is missing.
        row("unknown drive", R"(Q:\c.mrc)", "drive Q: has no link in");
        row("not a drive path", "scripts/d.mrc", "without a drive letter");
    }

    void drivePathsResolveInsideThePrefix()
    {
        QFETCH(QString, mircPath);
        QFETCH(QString, local);
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath("drive_c/mIRC");
        QDir(prefix.path()).mkpath("dosdevices");
        QFile::link("../drive_c", prefix.filePath("dosdevices/c:"));
        QFile::link("/", prefix.filePath("dosdevices/z:"));
        WineSettings settings;
        settings.prefix = prefix.path();
        const MircBridgeLink link(settings);
        const MircLocalPath found = link.localPath(mircPath);
        if (!local.contains('/')) {
            QCOMPARE(found.path, QString());
            QVERIFY2(found.problem.contains(local), qPrintable(found.problem));
            return;
        }
        const QString expected =
            local.startsWith("drive_c") ? QDir(QFileInfo(prefix.path()).canonicalFilePath()).filePath(local) : local;
        QCOMPARE(found.path, expected);
    }
};

KORVEL_TEST(BridgeClientTest)

#include "tst_BridgeClient.moc"
