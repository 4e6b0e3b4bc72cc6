#include "AppTestHelpers.h"

#include "designer/MdiChildBuilder.h"
#include "designer/MdiChildDialogDummy.h"

#include <memory>

using namespace AppTests;

class CloseSequenceTest : public QObject {
    Q_OBJECT

    // A fresh settings folder for each test, so "was saved" means this test.
    std::unique_ptr<QTemporaryDir> settingsDir;

private slots:
    void init()
    {
        settingsDir = std::make_unique<QTemporaryDir>();
        useSettingsDir(*settingsDir);
    }

    // Exit and the window's close ask once about a modified script and a
    // changed design (an unmodified script and an untouched design are not
    // named). Save All writes the design's code to a new script and saves
    // that too, under a name asked for; cancelling that name keeps Korvel.
    // (Exit's Cancel, and Save All with a name given, are the end-to-end
    // run's last steps.)
    void quitAsksOnceAboutUnsavedWork_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("quits");
        QTest::newRow("exit, nothing unsaved") << true << int(QMessageBox::NoButton) << true;
        QTest::newRow("close, cancel") << false << int(QMessageBox::Cancel) << false;
        QTest::newRow("close, discard") << false << int(QMessageBox::Discard) << true;
        QTest::newRow("close, save all, name cancelled") << false << int(QMessageBox::SaveAll) << false;
    }

    void quitAsksOnceAboutUnsavedWork()
    {
        QFETCH(bool, viaExit);
        QFETCH(int, answer);
        QFETCH(bool, quits);
        const bool changed = answer != QMessageBox::NoButton;
        QTemporaryDir files;
        const QString script = writeFile(files, "a.mrc", "echo 1\r\n");
        const QString untouched = writeFile(files, "b.mrc", "echo 2\r\n");

        auto* w = new MainWindow;
        w->openScript(QFileInfo(script), false);
        w->openScript(QFileInfo(untouched), false);
        chooseNew(*w, NewProjectDialog::DialogDocument);
        chooseNew(*w, NewProjectDialog::DialogDocument);
        if (changed) {
            w->scriptWindows().first()->getEditor()->insertPlainText("echo 0\n");
            w->builderWindows().last()->canvas()->setWindowTitle("Changed");
        }

        QString listed;
        ModalAnswers answers;
        answers.then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            listed = box->informativeText();
            box->button(QMessageBox::StandardButton(answer))->click();
        });
        answers.choose(QString());
        const bool quit = viaExit ? exitProgram(*w) == 0 : w->close();
        QCOMPARE(quit, quits);
        QCOMPARE(answers.seen(), !changed ? 0 : answer == QMessageBox::SaveAll ? 2 : 1);
        if (changed) {
            QCOMPARE(listed.section('\n', 2), QStringLiteral("a.mrc\nUntitled2 (dialog design, code not generated)"));
        }
        const bool saved = answer == QMessageBox::SaveAll;
        QCOMPARE(readBytes(script), saved ? QByteArray("echo 0\r\necho 1\r\n") : QByteArray("echo 1\r\n"));
        // What stays open is as it was, short of what was saved.
        if (!quits) {
            QCOMPARE(w->scriptWindows().first()->isModified(), !saved);
            QCOMPARE(w->builderWindows().last()->hasUngeneratedChanges(), !saved);
        }
        QVERIFY(QFile::exists(settingsFile(*settingsDir, "settings")));
        delete w;
    }
};

KORVEL_TEST(CloseSequenceTest)
#include "tst_CloseSequence.moc"
