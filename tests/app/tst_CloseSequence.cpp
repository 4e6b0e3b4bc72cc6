#include "AppTestHelpers.h"
#include "AppTestMain.h"

#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace AppTests;

class CloseSequenceTest : public QObject {
    Q_OBJECT

    // A fresh settings folder for each test, so "was saved" means this test.
    std::unique_ptr<QTemporaryDir> settingsDir;

    QString settingsFile(const char* name) const
    {
        return settingsDir->filePath(QStringLiteral("Korvel/%1.ini").arg(name));
    }

private slots:
    void init()
    {
        settingsDir = std::make_unique<QTemporaryDir>();
        useSettingsDir(*settingsDir);
    }

    void cancelledPromptStopsTheClose_data()
    {
        QTest::addColumn<bool>("cancelSecond");
        QTest::newRow("second prompt cancelled") << true;
        QTest::newRow("every prompt answered") << false;
    }

    void cancelledPromptStopsTheClose()
    {
        QFETCH(bool, cancelSecond);
        MainWindow w;
        for (int i = 0; i < 3; ++i)
            chooseNew(w, NewProjectDialog::ScriptDocument);
        chooseNew(w, NewProjectDialog::DialogDocument);
        w.scriptWindows().at(0)->getEditor()->insertPlainText("first");
        w.scriptWindows().at(1)->getEditor()->insertPlainText("second");
        w.scriptWindows().at(2)->getEditor()->insertPlainText("third");

        ModalAnswers answers;
        answers.press(QMessageBox::Discard);
        answers.press(cancelSecond ? QMessageBox::Cancel : QMessageBox::Discard);
        answers.press(QMessageBox::Discard);
        QCOMPARE(w.close(), !cancelSecond);
        flushDeletes();

        // Cancelled: the first is gone, the second refused, the third and the
        // designer were never asked.
        QCOMPARE(answers.seen(), cancelSecond ? 2 : 3);
        QCOMPARE(w.scriptWindows().size(), cancelSecond ? 2 : 0);
        QCOMPARE(w.builderWindows().size(), cancelSecond ? 1 : 0);
        QCOMPARE(w.tabArea()->count(), cancelSecond ? 3 : 0);
        QVERIFY(QFile::exists(settingsFile("settings")));
        QVERIFY(QFile::exists(settingsFile("general")));
    }

    void exitAsksNothing()
    {
        auto* w = new MainWindow;
        chooseNew(*w, NewProjectDialog::ScriptDocument);
        w->scriptWindows().at(0)->getEditor()->insertPlainText("unsaved");
        ModalAnswers answers;
        QCOMPARE(exitProgram(*w), 0);
        delete w;
        QCOMPARE(answers.seen(), 0);
        QVERIFY(QFile::exists(settingsFile("settings")));
    }
};

KORVEL_APP_TEST(CloseSequenceTest)
#include "tst_CloseSequence.moc"
