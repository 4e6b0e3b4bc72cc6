#include "ExpectedIcons.h"
#include "KorvelResources.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QMap<QString, QSize> expectedIconPaths()
{
    QMap<QString, QSize> paths;
    for (int i = 0; i < expectedIconFolderCount; ++i) {
        const ExpectedIconFolder& folder = expectedIconFolders[i];
        for (const QString& file : QString::fromLatin1(folder.files).split(QLatin1Char(' ')))
            paths.insert(QString::fromLatin1(folder.folder) + file, QSize(folder.width, folder.height));
    }
    return paths;
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void expectedIconLoads_data();
    void expectedIconLoads();
    void pathsNamedInSourcesLoad();
    void everyCompiledInIconIsExpected();
};

void TestResources::initTestCase()
{
    initKorvelResources();
}

void TestResources::expectedIconLoads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const QString& path : expectedIconPaths().keys())
        QTest::newRow(qPrintable(path)) << path << expectedIconPaths().value(path);
}

void TestResources::expectedIconLoads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" is missing or not an image")));
    QCOMPARE(image.size(), size);
    // A picture that is all one colour is a placeholder, not an icon.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 2; ++y)
        for (int x = 0; x < image.width() && colours.size() < 2; ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() >= 2, qPrintable(path + QStringLiteral(" is blank")));
}

// Paths written whole in the program's sources must resolve too, whether or
// not they are listed above.
void TestResources::pathsNamedInSourcesLoad()
{
    const QRegularExpression literal(QStringLiteral("\"(:/[^\"]+\\.(?:png|bmp))\""));
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
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
    qInfo("%d icon paths named in the sources", found);
}

void TestResources::everyCompiledInIconIsExpected()
{
    const QMap<QString, QSize> expected = expectedIconPaths();
    QStringList unexpected;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Qt's own modules bring resources of their own; only pictures are ours.
        const bool isPicture = path.endsWith(QLatin1String(".png")) || path.endsWith(QLatin1String(".bmp"));
        if (isPicture && !path.startsWith(QLatin1String(":/qt-project.org")) && !expected.contains(path))
            unexpected << path;
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
