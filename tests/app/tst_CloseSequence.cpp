#include "AppTestHelpers.h"
#include "AppTestMain.h"

#include "MdiChildEditor.h"
#include "MslTextEditor.h"

#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace AppTests;

class CloseSequenceTest : public QObject
{
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

    void cancelledPromptStopsTheClose()
    {
        MainWindow w;
        for (int i = 0; i < 3; ++i)
            chooseNew(w, NewProjectDialog::ScriptDocument);
        chooseNew(w, NewProjectDialog::DialogDocument);
        w.scriptWindows().at(0)->getEditor()->insertPlainText("first");
        w.scriptWindows().at(1)->getEditor()->insertPlainText("second");
        w.scriptWindows().at(2)->getEditor()->insertPlainText("third");

        ModalAnswerer answers;
        answers.then([](QWidget* modal) { press(modal, QMessageBox::Discard); });
        answers.then([](QWidget* modal) { press(modal, QMessageBox::Cancel); });
        QVERIFY(!w.close());
        flushDeletes();

        // The first is gone, the second refused, the third and the designer
        // were never asked.
        QCOMPARE(answers.seen(), 2);
        QCOMPARE(w.scriptWindows().size(), 2);
        QCOMPARE(w.builderWindows().size(), 1);
        QCOMPARE(w.tabArea()->count(), 3);
        QVERIFY(QFile::exists(settingsFile("settings")));
        QVERIFY(QFile::exists(settingsFile("general")));
    }

    void closeSucceedsWhenEveryPromptIsAnswered()
    {
        MainWindow w;
        chooseNew(w, NewProjectDialog::ScriptDocument);
        chooseNew(w, NewProjectDialog::DialogDocument);
        w.scriptWindows().at(0)->getEditor()->insertPlainText("text");
        ModalAnswerer answers;
        answers.then([](QWidget* modal) { press(modal, QMessageBox::Discard); });
        QVERIFY(w.close());
        flushDeletes();
        QVERIFY(w.scriptWindows().isEmpty());
        QVERIFY(w.builderWindows().isEmpty());
    }

    void exitAsksNothing()
    {
        auto* w = new MainWindow;
        chooseNew(*w, NewProjectDialog::ScriptDocument);
        w->scriptWindows().at(0)->getEditor()->insertPlainText("unsaved");
        ModalAnswerer answers;
        QCOMPARE(exitProgram(*w), 0);
        delete w;
        QCOMPARE(answers.seen(), 0);
        QVERIFY(QFile::exists(settingsFile("settings")));
    }
};

KORVEL_APP_TEST(CloseSequenceTest)
#include "tst_CloseSequence.moc"
