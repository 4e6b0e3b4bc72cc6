#include "AppTestHelpers.h"

#include "app/InstanceChannel.h"

#include <QSignalSpy>
#include <QUuid>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class InstanceChannelTest : public QObject {
    Q_OBJECT

private slots:
    // A later start's files reach the running Korvel, also over the socket
    // a crashed run left (bound, nobody listening); with none running the
    // later start is told so. (A plain hand-over is a step of the end-to-end
    // run.)
    void laterStartHandsOverItsFiles_data() { AppTests::boolRows("listening", "none running", "running"); }

    void laterStartHandsOverItsFiles()
    {
        QFETCH(bool, listening);
        const QString name = QStringLiteral("korvel-test-") + QUuid::createUuid().toString(QUuid::Id128);
        sockaddr_un crashedRun{};
        crashedRun.sun_family = AF_UNIX;
        std::strncpy(crashedRun.sun_path, QDir(QDir::tempPath()).filePath(name).toLocal8Bit().constData(),
                     sizeof(crashedRun.sun_path) - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&crashedRun), sizeof(crashedRun)), 0);
        ::close(fd);
        InstanceChannel running(name);
        if (listening)
            QVERIFY(running.listen());
        QSignalSpy received(&running, &InstanceChannel::filesReceived);

        // The answer comes from this thread's event loop: the later start
        // waits for it on a thread of its own.
        const QStringList files{QStringLiteral("/home/u/a b.mrc"), QString::fromUtf8("/tmp/\u00fc.ini")};
        bool handed = false;
        std::thread later([&] { handed = InstanceChannel(name).handOver(files); });
        if (listening)
            QTRY_COMPARE(received.size(), 1);
        later.join();
        QCOMPARE(handed, listening);
        if (listening)
            QCOMPARE(received.first().first().toStringList(), files);
    }
};

KORVEL_TEST(InstanceChannelTest)
#include "tst_InstanceChannel.moc"
