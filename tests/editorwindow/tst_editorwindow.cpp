#include "DeferredDeletes.h"
#include "FileBytes.h"
#include "KorvelResources.h"
#include "ModalAnswers.h"
#include "checker/MslSyntaxHighlighter.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

QString labelText(const MdiChildEditor& win, const char* name)
{
    return win.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

void typeText(MdiChildEditor& win, const QString& text)
{
    win.getEditor()->moveCursor(QTextCursor::End);
    win.getEditor()->insertPlainText(text);
}

#ifdef Q_OS_UNIX
#define KORVEL_CAN_FAIL_WRITES 1
#endif

// Runs `write`, when `full` as on a full disk: files cannot grow beyond
// `room` bytes, also for root, whom permissions do not stop.
template <typename Write> bool withDisk(bool full, int room, Write write)
{
#ifdef KORVEL_CAN_FAIL_WRITES
    if (full) {
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = rlim_t(room);
        setrlimit(RLIMIT_FSIZE, &limited);
        const bool result = write();
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        return result;
    }
#endif
    return write();
}

} // namespace

class TestEditorWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        initKorvelResources();
        QVERIFY(dir.isValid());
    }

    void statusLine_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("size");
        QTest::newRow("empty") << 0 << "  Size: 0 B";
        QTest::newRow("1023 characters") << 1023 << "  Size: 1023 B";
        QTest::newRow("1024 characters") << 1024 << "  Size: 1.00 KB";
        QTest::newRow("one mebi-character") << 1048576 << "  Size: 1.00 MB";
    }

    void statusLine()
    {
        QFETCH(int, characters);
        QFETCH(QString, size);
        MdiChildEditor win;
        win.loadDocument(QFileInfo(QStringLiteral("Untitled1")), true, false);
        // Characters, not bytes: "é" is two bytes in UTF-8 but counts once.
        QString text(characters, QChar(0xE9));
        for (int i = 40; i < characters; i += 41)
            text[i] = QLatin1Char('\n');
        typeText(win, text);
        QCOMPARE(labelText(win, "sizeLabel"), size);
    }

    void caretPosition()
    {
        MdiChildEditor win;
        win.loadDocument(QFileInfo(QStringLiteral("Untitled1")), true, false);
        QCOMPARE(labelText(win, "positionLabel"), QStringLiteral("Ln 1, Col 1"));
        typeText(win, QString(11, QLatin1Char('\n')) + QStringLiteral("echo x"));
        win.getEditor()->gotoLine(12);
        win.getEditor()->gotoColumn(5);
        QCOMPARE(labelText(win, "positionLabel"), QStringLiteral("Ln 12, Col 5"));
    }

    // The window keeps the file's encoding, and the no-break space that
    // toPlainText() shows as a space.
    void loadAndSave()
    {
        const QByteArray file("echo caf\xe9 a\xa0"
                              "b \x80\r\n");
        const QString filePath = path(QStringLiteral("w.mrc"));
        writeBytes(filePath, file);

        MdiChildEditor win;
        QSignalSpy titles(&win, &MdiChildEditor::titleChanged);
        win.loadDocument(QFileInfo(filePath), false, false);
        QCOMPARE(win.getEditor()->toPlainText(), QString::fromUtf8("echo caf\xc3\xa9 a b \xe2\x82\xac\n"));
        QVERIFY(!win.isModified());
        QCOMPARE(win.getHighlighter()->getFileName(), QFileInfo(filePath).absoluteFilePath());
        QCOMPARE(win.windowTitle(), QStringLiteral("w.mrc"));

        QVERIFY(win.saveFileClicked());
        QCOMPARE(readBytes(filePath), file);
        QVERIFY(win.saveFileClicked());
        QCOMPARE(readBytes(filePath), file);
        QVERIFY(!win.isModified());
        QCOMPARE(titles.last().at(1).toString(), QStringLiteral("w.mrc"));
    }

    // A UTF-16 script reads, checks and shows like any other; the status
    // line names its encoding, and the first save says that it becomes
    // UTF-8, and writes every character in UTF-8.
    void utf16Scripts_data()
    {
        QTest::addColumn<bool>("cancelFirst");
        QTest::newRow("confirmed") << false;
        QTest::newRow("first save cancelled") << true;
    }

    void utf16Scripts()
    {
        QFETCH(bool, cancelFirst);
        const QString script = QString::fromUtf8("alias greet {\r\n  echo -a gr\u00fc\u00df \U0001F600 \x02"
                                                 "bold\x02\r\n}\r\n");
        const QString filePath = path("le.mrc");
        const QByteArray original = utf16FileBytes(script, true);
        writeBytes(filePath, original);

        MdiChildEditor win;
        win.loadDocument(QFileInfo(filePath), false, false);
        QCOMPARE(win.getEditor()->toPlainText(), QString(script).replace("\r\n", "\n"));
        for (int line = 0; line < win.getHighlighter()->lineCount(); ++line)
            QCOMPARE(win.getHighlighter()->recordAt(line).diagnostics.size(), 0);
        QCOMPARE(labelText(win, "encodingLabel"), QStringLiteral("  Encoding: UTF-16 LE"));
        QVERIFY(!win.findChild<QLabel*>("encodingLabel")->isHidden());

        ModalAnswers boxes;
        boxes.press(cancelFirst ? QMessageBox::Cancel : QMessageBox::Ok);
        if (cancelFirst)
            boxes.press(QMessageBox::Ok);
        QCOMPARE(win.saveFileClicked(), !cancelFirst);
        if (cancelFirst) {
            QCOMPARE(readBytes(filePath), original);
            QVERIFY(win.saveFileClicked());
        }
        // Told once only: a later save asks nothing (an unexpected box would
        // be cancelled, and nothing written).
        QVERIFY(win.saveFileClicked());
        QCOMPARE(boxes.seen(), cancelFirst ? 2 : 1);
        QVERIFY(boxes.shown[0].text.contains("UTF-16 LE"));
        QCOMPARE(readBytes(filePath), script.toUtf8());
        QVERIFY(win.findChild<QLabel*>("encodingLabel")->isHidden());
    }

    void loadModes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("askReadOnly");
        QTest::addColumn<QString>("errorBox");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("missing file: empty and writable") << "absent.mrc" << false << "" << false;
        QTest::newRow("read-only") << "ro.mrc" << true << "" << true;
        // Saving the empty document over a file that could not be read would
        // destroy it.
        QTest::newRow("unreadable: read-only") << "folder.mrc" << false << "Error opening file" << true;
    }

    void loadModes()
    {
        QFETCH(QString, name);
        QFETCH(bool, askReadOnly);
        QFETCH(QString, errorBox);
        QFETCH(bool, readOnly);
        const QString filePath = path(name);
        const QByteArray content = name == QLatin1String("ro.mrc") ? QByteArray("echo 1\n") : QByteArray("<missing>");
        if (name == QLatin1String("ro.mrc"))
            writeBytes(filePath, content);
        if (name == QLatin1String("folder.mrc"))
            QVERIFY(QDir().mkpath(filePath));

        MdiChildEditor win;
        win.loadDocument(QFileInfo(filePath), false, askReadOnly); // returns without waiting for an answer
        const auto* box = win.findChild<QMessageBox*>();
        QCOMPARE(box && box->isVisible() ? box->windowTitle() : QString(), errorBox);
        QCOMPARE(win.isReadOnly(), readOnly);
        if (readOnly) {
            QVERIFY(win.getEditor()->extraSelections().isEmpty()); // no caret-line highlight
            QVERIFY(!win.saveFileClicked());
        }
        QCOMPARE(readBytes(filePath), content);
    }

    // A failed first save leaves the document untitled: the next save asks
    // for a name again instead of retrying the failing one.
    void untitledSaveAs_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("as an INI script") << "new.ini" << QByteArray("[script]\r\nn0=echo a\r\nn1=echo b\r\n");
        QTest::newRow("dialog cancelled") << "" << QByteArray("<missing>");
        QTest::newRow("folder gone") << "gone/new.mrc" << QByteArray("<missing>");
    }

    void untitledSaveAs()
    {
        QFETCH(QString, chosen);
        QFETCH(QByteArray, saved);
        const QString chosenPath = chosen.isEmpty() ? QString() : path(chosen);
        const bool kept = saved == "<missing>"; // cancelled or failed
        if (!chosenPath.isEmpty())
            QFile::remove(chosenPath);

        MdiChildEditor win;
        QSignalSpy titles(&win, &MdiChildEditor::titleChanged);
        win.loadDocument(QFileInfo(QStringLiteral("Untitled3")), true, false);
        typeText(win, QStringLiteral("echo a\necho b"));
        QCOMPARE(titles.last().at(1).toString(), QStringLiteral("Untitled3*"));

        ModalAnswers dialog;
        dialog.choose(chosenPath);
        if (kept && !chosen.isEmpty())
            dialog.press(QMessageBox::Ok); // the error
        dialog.choose(QString());
        QCOMPARE(win.saveFileClicked(), !kept);
        QCOMPARE(dialog.shown.size(), kept && !chosen.isEmpty() ? 2 : 1);
        QCOMPARE(dialog.shown[0].title, QStringLiteral("Save File"));
        QCOMPARE(readBytes(chosenPath.isEmpty() ? path(QStringLiteral("Untitled3")) : chosenPath), saved);
        QCOMPARE(win.isUntitled(), kept);
        QCOMPARE(win.isModified(), kept);
        QCOMPARE(titles.last().at(1).toString(), kept ? QStringLiteral("Untitled3*") : chosen);
        QCOMPARE(win.fileInfo(), QFileInfo(kept ? QStringLiteral("Untitled3") : chosenPath));
        if (kept) {
            QVERIFY(!win.saveFileClicked());
            QCOMPARE(dialog.shown.last().title, QStringLiteral("Save File"));
        }
    }

    void closePrompt_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("failSave");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("file");
        // No answer: the document is not modified and nothing is asked.
        QTest::newRow("unmodified") << int(QMessageBox::NoButton) << false << true << QByteArray("echo 1\r\n");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false << false << QByteArray("echo 1\r\n");
        QTest::newRow("discard") << int(QMessageBox::Discard) << false << true << QByteArray("echo 1\r\n");
        QTest::newRow("save") << int(QMessageBox::Save) << false << true << QByteArray("echo 1\r\necho 2");
        QTest::newRow("save fails") << int(QMessageBox::Save) << true << false << QByteArray("echo 1\r\n");
    }

    void closePrompt()
    {
        QFETCH(int, answer);
        QFETCH(bool, failSave);
        QFETCH(bool, closed);
        QFETCH(QByteArray, file);
#ifndef KORVEL_CAN_FAIL_WRITES
        if (failSave)
            QSKIP("needs a file size limit to make writes fail");
#endif
        const QString filePath = path(QStringLiteral("prompt.mrc"));
        writeBytes(filePath, "echo 1\r\n");

        QPointer<MdiChildEditor> win = new MdiChildEditor;
        win->loadDocument(QFileInfo(filePath), false, false);
        if (answer != QMessageBox::NoButton)
            typeText(*win, QStringLiteral("echo 2"));
        QStringList order;
        connect(win, &MdiChildEditor::closing, this, [&](MdiChildEditor*) { order << QStringLiteral("closing"); });

        // A failing save shows its error box after the prompt; a prompt that
        // should not come at all is rejected, and counted.
        ModalAnswers boxes;
        if (answer != QMessageBox::NoButton)
            boxes.press(QMessageBox::StandardButton(answer));
        if (failSave)
            boxes.press(QMessageBox::Ok);
        const bool accepted = withDisk(failSave, 4, [&] { return win->close(); });
        flushDeletes();

        QCOMPARE(boxes.shown.size(), answer == QMessageBox::NoButton ? 0 : failSave ? 2 : 1);
        if (!boxes.shown.isEmpty()) {
            const ModalAnswers::Shown& prompt = boxes.shown[0];
            QVERIFY(prompt.text.contains(QStringLiteral("prompt.mrc")));
            QCOMPARE(prompt.buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        }
        // A failed save (the disk filled up while writing) names the file,
        // keeps the old one, leaves no temporary file, and the text stays.
        if (failSave) {
            QCOMPARE(boxes.shown[1].title, QStringLiteral("Error saving file"));
            QVERIFY(boxes.shown[1].text.contains(QFileInfo(filePath).absoluteFilePath()));
        }
        QCOMPARE(accepted, closed);
        QCOMPARE(win.isNull(), closed);
        QCOMPARE(order, closed ? QStringList{QStringLiteral("closing")} : QStringList());
        QCOMPARE(readBytes(filePath), file);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("prompt.mrc")),
                 QStringList{QStringLiteral("prompt.mrc")});
        if (!closed) {
            QVERIFY(win->isModified());
            QCOMPARE(win->getEditor()->toPlainText(), QStringLiteral("echo 1\necho 2"));
        }
        delete win;
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
