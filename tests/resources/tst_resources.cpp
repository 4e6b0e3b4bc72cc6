#include "KorvelResources.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// The generated pictures: each one an icon at the size it is drawn at, and
// every path the program's sources name is one of them.
class TestResources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initKorvelResources(); }

    void everyPictureIsAnIcon()
    {
        int pictures = 0;
        QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            // Qt's own modules bring resources of their own; only pictures are ours.
            if (path.startsWith(QLatin1String(":/qt-project.org"))
                || !(path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".bmp"))))
                continue;
            ++pictures;
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" is not an image")));
            // A picture that is all one colour is a placeholder, not an icon.
            QSet<QRgb> colours;
            for (int y = 0; y < image.height() && colours.size() < 2; ++y)
                for (int x = 0; x < image.width() && colours.size() < 2; ++x)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours.size() >= 2, qPrintable(path + QStringLiteral(" is blank")));
        }
        QVERIFY(pictures > 100);
    }

    // Paths written whole in the program's sources, and the folders it adds
    // names to, must resolve.
    void pathsNamedInSourcesLoad()
    {
        const QRegularExpression literal(QStringLiteral("\"(:/[^\"]+\\.(?:png|bmp))\""));
        const QRegularExpression folder(QStringLiteral("\"(:/[^\"]+/)\""));
        QStringList broken;
        int found = 0;
        QDirIterator it(QStringLiteral(KORVEL_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (auto match = literal.globalMatch(text); match.hasNext();) {
                const QString path = match.next().captured(1);
                ++found;
                if (QImage(path).isNull())
                    broken << QFileInfo(file).fileName() + QStringLiteral(": ") + path;
            }
            for (auto match = folder.globalMatch(text); match.hasNext();) {
                const QString path = match.next().captured(1);
                if (QDir(path).entryList(QDir::Files).isEmpty())
                    broken << QFileInfo(file).fileName() + QStringLiteral(": ") + path;
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
        qInfo("%d icon paths named in the sources", found);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
