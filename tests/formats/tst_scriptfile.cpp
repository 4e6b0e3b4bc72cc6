#include "FileBytes.h"
#include "formats/ScriptFile.h"
#include "formats/ScriptLayout.h"
#include "formats/ScriptLineReader.h"
#include "formats/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Loading and saving the two script formats: what the editor shows, what
// reaches the disk, and that no character and no old file is ever lost.
class TestScriptFile : public QObject {
    Q_OBJECT

private slots:
    void iniDetection();
    void loadAndSave_data();
    void loadAndSave();
    void newIniDocumentGetsEveryLine();
    void windows1252CoversEveryByte();
    void untypableCharacterSwitchesToUtf8();
    void unreadableFilesReportWhy();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void saveKeepsLinkAndPermissions();
    void corpusRoundTrips();
    void rawDocumentTextKeepsEveryCharacter();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir;
};

QString TestScriptFile::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    writeBytes(path, bytes);
    return path;
}

// Reading the file line by line (as korvel-check does) gives the lines,
// kind and encoding of loading it whole; "" when it does.
QString readerDisagrees(const QString& path, const LoadedScript& loaded)
{
    ScriptLineReader reader;
    if (!reader.open(path))
        return QStringLiteral("not read: ") + reader.error();
    QStringList lines;
    reader.forEachLine([&lines](const ScriptLine& line) {
        lines.append(line.text);
        if (line.fileText.mid(line.fileColumn) != line.text)
            lines.append(QStringLiteral("<not at its column>"));
    });
    if (lines != loaded.text.split(QLatin1Char('\n')))
        return QStringLiteral("other lines");
    if (reader.kind() != loaded.kind || reader.encoding() != loaded.encoding)
        return QStringLiteral("other kind or encoding");
    return QString();
}

void TestScriptFile::iniDetection()
{
    const struct {
        const char* path;
        bool ini;
    } rows[] = {{"C:/mirc/SCRIPT.INI", true},
                {".ini", true},
                {"ini", false},
                {"/x.ini/script.mrc", false},
                {"/x/a.ini.mrc", false}};
    for (const auto& row : rows)
        QVERIFY2(ScriptFile::isIniScript(QString::fromLatin1(row.path)) == row.ini, row.path);
}

void TestScriptFile::loadAndSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("saved"); // null: the bytes come back unchanged
    const auto row = [](const char* label, const QString& name, const QByteArray& bytes, const QString& text,
                        int encoding, const QByteArray& saved = QByteArray()) {
        QTest::newRow(label) << name << bytes << text << encoding << saved;
    };

    const int utf8 = int(ScriptEncoding::Utf8);
    const int cp1252 = int(ScriptEncoding::Windows1252);
    row("plain CR LF", "a.mrc", QByteArray("echo a\r\necho b\r\n"), "echo a\necho b\n", utf8);
    row("plain LF, no last line end", "a.mrc", QByteArray("echo a\necho b"), "echo a\necho b", utf8,
        QByteArray("echo a\r\necho b"));
    row("plain mixed and lone CR", "a.mrc", QByteArray("a\r\nb\nc\rd\r\r\n"), "a\nb\nc\nd\n\n", utf8,
        QByteArray("a\r\nb\r\nc\r\nd\r\n\r\n"));
    row("paragraph breaks end lines", "a.mrc", QByteArray("g\xE2\x80\xA9h\xEF\xB7\x90i\xEF\xB7\x91j\xE2\x80\xA8k"),
        QString::fromUtf8("g\nh\ni\nj\u2028k"), utf8, QByteArray("g\r\nh\r\ni\r\nj\xE2\x80\xA8k"));
    // Bold, colour 4,1 ("\x34" is "4"), plain, NUL and underline.
    row("nul and control codes stay", "a.mrc", QByteArray("echo \x02g\x03\x34,1k\x0f\0\x1f\r\n", 17),
        QString::fromLatin1("echo \x02g\x03\x34,1k\x0f\0\x1f\n", 16), utf8);
    row("utf-8", "a.mrc", QByteArray("echo gr\xC3\xBC\xC3\x9F\r\n"), QString::fromUtf8("echo grüß\n"), utf8);
    // Scripts are written without a byte-order mark.
    row("utf-8 with bom", "a.mrc", QByteArray("\xEF\xBB\xBFsay \xE2\x82\xAC"), QString::fromUtf8("say €"), utf8,
        QByteArray("say \xE2\x82\xAC"));
    row("windows-1252, undefined bytes too", "a.mrc",
        QByteArray("echo gr\xFC\xDF \x80 \x93q\x94 \x81\x8D\x8F\x90\x9D\xFF\r\n"),
        QString::fromUtf8("echo grüß € “q” \u0081\u008D\u008F\u0090\u009Dÿ\n"), cp1252);
    row("truncated utf-8 is 1252", "a.mrc", QByteArray("echo \xC3"), QString::fromUtf8("echo Ã"), cp1252);
    row("bom then invalid bytes", "a.mrc", QByteArray("\xEF\xBB\xBF\xFF\r\n"), QString::fromUtf8("ÿ\n"), cp1252,
        QByteArray("\xFF\r\n"));
    row("overlong utf-8 is 1252", "a.mrc", QByteArray("\xC0\xAF\r\n"), QString::fromUtf8("À¯\n"), cp1252);

    row("ini example", "a.ini", QByteArray("[script]\r\nn0=a\r\n[other]\r\nn5=b=c\r\nplain\r\n"), "a\nb=c\nplain\n",
        utf8, QByteArray("[script]\r\nn0=a\r\nn1=b=c\r\nn2=plain\r\n"));
    row("ini LF, no last line end", "a.ini", QByteArray("[script]\nn0=a\nn1="), "a\n\n", utf8,
        QByteArray("[script]\r\nn0=a\r\nn1=\r\n"));
    row("ini, last key without a line end", "a.ini", QByteArray("[script]\r\nn0=a\r\nn1=b"), "a\nb\n", utf8,
        QByteArray("[script]\r\nn0=a\r\nn1=b\r\n"));
    row("ini without [script], keys with spaces", "a.ini", QByteArray("key one = a\r\n\r\n[x] y=z\r\n=b\r\n"),
        " a\n\nb\n", utf8, QByteArray("[script]\r\nn0= a\r\nn1=\r\nn2=b\r\n"));
    row("ini empty", "a.ini", QByteArray(), "", utf8, QByteArray("[script]\r\n"));
    row("ini only header", "b.INI", QByteArray("[script]\r\n"), "", utf8);
    row("ini windows-1252", "a.ini", QByteArray("[script]\r\nn0=echo \xE9 \xA9 \x99\r\nn1=\r\n"),
        QString::fromUtf8("echo é © ™\n\n"), cp1252);
    row("ini windows-1252 behind a bom", "a.ini", QByteArray("\xEF\xBB\xBF[script]\r\nn0=\xE9\r\n"),
        QString::fromUtf8("é\n"), cp1252, QByteArray("[script]\r\nn0=\xE9\r\n"));

    // Line ends and characters cut by the end of a megabyte read.
    const QByteArray megabyte((1 << 20) - 1, 'x');
    row("CR LF across a megabyte", "a.mrc", megabyte + "\r\nb", QString::fromLatin1(megabyte + "\nb"), utf8,
        megabyte + "\r\nb");
    row("UTF-8 across a megabyte", "a.mrc", megabyte + "\xC3\xA9\r\n",
        QString::fromLatin1(megabyte) + QString::fromUtf8("é\n"), utf8);
    row("INI across a megabyte", "a.ini", "[script]\r\nn0=" + megabyte.left((1 << 20) - 14) + "\r\nn1=b\r\n",
        QString::fromLatin1(megabyte.left((1 << 20) - 14) + "\nb\n"), utf8);

    // UTF-16 scripts read as their text and are written as UTF-8 (without a
    // mark). Beyond the basic plane, a control code, a no-break space and a
    // second mark inside the text: every character comes through.
    const int le = int(ScriptEncoding::Utf16LittleEndian);
    const int be = int(ScriptEncoding::Utf16BigEndian);
    const QString script = QString::fromUtf8("alias a {\r\n  echo -a caf\u00e9 \U0001F600 \x02x\u00a0\uFEFF\r\n}\r\n");
    const QString lines = QString(script).replace("\r\n", "\n");
    row("utf-16 little-endian", "le.mrc", utf16FileBytes(script, true), lines, le, script.toUtf8());
    row("utf-16 big-endian", "be.mrc", utf16FileBytes(script, false), lines, be, script.toUtf8());
    row("utf-16 big-endian ini", "be.ini", utf16FileBytes("[script]\r\nn0=echo \u00e9\r\n", false),
        QString::fromUtf8("echo \u00e9\n"), be, QByteArray("[script]\r\nn0=echo \xC3\xA9\r\n"));
    row("utf-16 mark alone", "e.mrc", QByteArray("\xFF\xFE"), "", le, QByteArray(""));
    // Not well-formed UTF-16: taken byte for byte (none of these bytes is
    // one where Windows-1252 and Latin-1 differ), and written back so.
    const QByteArray oddByteCount("\xFF\xFEg\0h", 5);
    const QByteArray loneHigh("\xFE\xFF\xD8\x00\x00g", 6);
    row("utf-16 odd byte count", "broken.mrc", oddByteCount, QString::fromLatin1(oddByteCount), cp1252);
    row("utf-16 lone high surrogate", "broken.mrc", loneHigh, QString::fromLatin1(loneHigh), cp1252);
}

// What the editor shows of a file, and what saving that unchanged writes:
// the same bytes when the file was already in the program's layout, and a
// second save (in the encoding the first one chose) changes nothing more.
void TestScriptFile::loadAndSave()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, encoding);
    QFETCH(QByteArray, saved);
    if (saved.isNull())
        saved = bytes;

    const QString path = writeFile(name, bytes);
    for (int round = 0; round < 2; ++round) {
        const LoadedScript loaded = ScriptFile::load(path);
        QVERIFY(loaded.ok);
        QVERIFY(loaded.error.isEmpty());
        QCOMPARE(loaded.text, text);
        QCOMPARE(int(loaded.encoding), encoding);
        QCOMPARE(readerDisagrees(path, loaded), QString());
        encoding = int(ScriptFile::encodingForSave(loaded.text, loaded.encoding));
        QString error;
        QVERIFY(ScriptFile::save(path, loaded.text, loaded.encoding, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(readBytes(path), saved);
    }
}

// A text typed into a new document need not end in a line end; its last
// line is still a key.
void TestScriptFile::newIniDocumentGetsEveryLine()
{
    const QString path = dir.filePath("new.ini");
    QVERIFY(ScriptFile::save(path, "echo a\n\necho b", ScriptEncoding::Utf8, nullptr));
    QCOMPARE(readBytes(path), QByteArray("[script]\r\nn0=echo a\r\nn1=\r\nn2=echo b\r\n"));
}

void TestScriptFile::windows1252CoversEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    QByteArray back;
    QVERIFY(Windows1252::encode(text, back));
    QCOMPARE(back, all);
    // U+0080 has no byte: 0x80 is the euro sign.
    QVERIFY(!Windows1252::encode(QString(QChar(0x80)), back));
}

void TestScriptFile::untypableCharacterSwitchesToUtf8()
{
    const QString path = writeFile("polish.mrc", QByteArray("echo \xE9\r\n"));
    LoadedScript loaded = ScriptFile::load(path);
    QCOMPARE(loaded.encoding, ScriptEncoding::Windows1252);

    const QString typed = loaded.text + QString::fromUtf8("echo ł\n");
    QCOMPARE(ScriptFile::encodingForSave(typed, loaded.encoding), ScriptEncoding::Utf8);
    QCOMPARE(ScriptFile::encodingForSave(loaded.text, loaded.encoding), ScriptEncoding::Windows1252);
    QVERIFY(ScriptFile::save(path, typed, loaded.encoding, nullptr));
    QCOMPARE(readBytes(path), QByteArray("echo \xC3\xA9\r\necho \xC5\x82\r\n"));

    loaded = ScriptFile::load(path);
    QCOMPARE(loaded.text, typed);
    QCOMPARE(loaded.encoding, ScriptEncoding::Utf8);
}

void TestScriptFile::unreadableFilesReportWhy()
{
    const QStringList paths = {dir.filePath("missing.mrc"), dir.path(), QStringLiteral("/dev/zero")};
    for (const QString& path : paths) {
        const LoadedScript loaded = ScriptFile::load(path);
        QVERIFY2(!loaded.ok, qPrintable(path));
        QVERIFY2(!loaded.error.isEmpty(), qPrintable(path));
        QVERIFY(loaded.text.isEmpty());
    }
}

void TestScriptFile::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");
    // A path whose parent is a file cannot be created by anyone, root included.
    QTest::newRow("parent is a file") << "blocker/inner.mrc";
    QTest::newRow("target is a folder") << "folder.mrc";
}

void TestScriptFile::failedSaveKeepsOldFile()
{
    QFETCH(QString, target);
    QTemporaryDir own;
    const QByteArray old("echo old\r\n");
    const QString blocker = own.filePath("blocker");
    writeBytes(blocker, old);
    QVERIFY(QDir(own.path()).mkpath("folder.mrc"));

    QString error;
    QVERIFY(!ScriptFile::save(own.filePath(target), "echo new\n", ScriptEncoding::Utf8, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(blocker), old);
    QVERIFY(QFileInfo(own.filePath("folder.mrc")).isDir());
    // No temporary file is left behind.
    QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"blocker"});
}

// Replacing the file must not replace what the user set up around it: a
// script reached through a link stays linked, and its permissions stay.
void TestScriptFile::saveKeepsLinkAndPermissions()
{
#ifdef Q_OS_WIN
    QSKIP("links and permission bits are POSIX matters");
#endif
    QTemporaryDir own;
    const QString target = own.filePath("real.mrc");
    const QString link = own.filePath("link.mrc");
    writeBytes(target, "old\r\n");
    const QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(target, permissions));
    QVERIFY(QFile::link(target, link));

    QVERIFY(ScriptFile::save(link, "new\n", ScriptEncoding::Utf8, nullptr));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(target), QByteArray("new\r\n"));
    // Owner, group and others; the "user" bits merely repeat the owner's.
    const QFileDevice::Permissions posixBits(0x7077);
    QCOMPARE(QFileInfo(target).permissions() & posixBits, permissions);
}

// Real scripts in every encoding and line-end mix: a plain script comes back
// byte for byte apart from its line ends, an INI script with the same text.
void TestScriptFile::corpusRoundTrips()
{
    const QString corpus = qEnvironmentVariable("KORVEL_CORPUS");
    if (corpus.isEmpty())
        QSKIP("KORVEL_CORPUS is not set");
    const QFileInfoList files = QDir(corpus).entryInfoList({"*.mrc", "*.ini"}, QDir::Files);
    QVERIFY(!files.isEmpty());
    QTemporaryDir own;
    for (const QFileInfo& info : files) {
        const LoadedScript loaded = ScriptFile::load(info.filePath());
        QVERIFY2(loaded.ok, qPrintable(info.fileName()));
        QCOMPARE(readerDisagrees(info.filePath(), loaded), QString());
        const QString copy = own.filePath(info.fileName());
        QVERIFY(ScriptFile::save(copy, loaded.text, loaded.encoding, nullptr));
        const LoadedScript reloaded = ScriptFile::load(copy);
        QVERIFY2(reloaded.text == loaded.text, qPrintable(info.fileName()));
        const ScriptEncoding written = ScriptFile::encodingForSave(loaded.text, loaded.encoding);
        QCOMPARE(reloaded.encoding, written);
        if (!ScriptFile::isIniScript(copy) && written == loaded.encoding) {
            QByteArray expected = readBytes(info.filePath());
            expected.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
            QVERIFY2(readBytes(copy) == expected, qPrintable(info.fileName()));
        }
    }
}

void TestScriptFile::rawDocumentTextKeepsEveryCharacter()
{
    const QString raw = QString::fromUtf8("a\u00a0b\u2028c\u2029d\u2029");
    QCOMPARE(ScriptFile::editorTextFromRawDocumentText(raw), QString::fromUtf8("a\u00a0b\u2028c\nd\n"));
}

QTEST_GUILESS_MAIN(TestScriptFile)
#include "tst_scriptfile.moc"
