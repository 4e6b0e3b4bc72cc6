#include "TestRegistry.h"

#include "app/InstanceChannel.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
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
    // later start is told so.
    void laterStartHandsOverItsFiles_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::addColumn<bool>("crashedRunFirst");
        QTest::newRow("running") << true << false;
        QTest::newRow("running over a crashed run's socket") << true << true;
        QTest::newRow("none running") << false << true;
    }

    void laterStartHandsOverItsFiles()
    {
        QFETCH(bool, listening);
        QFETCH(bool, crashedRunFirst);
        const QString name = QStringLiteral("korvel-test-") + QUuid::createUuid().toString(QUuid::Id128);
        if (crashedRunFirst) {
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, QDir(QDir::tempPath()).filePath(name).toLocal8Bit().constData(),
                         sizeof(address.sun_path) - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
            ::close(fd);
        }
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
