#include "AppTestHelpers.h"

#include "DragEvents.h"
#include "PopupMenuAnswer.h"
#include "designer/MdiChildBuilder.h"

#include <QLineEdit>
#include <QTabBar>
#include <QUrl>

using namespace AppTests;

namespace {

std::unique_ptr<QMimeData> filesData(const QStringList& paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    if (!urls.isEmpty())
        data->setUrls(urls);
    return data;
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString aPath, bPath;

private slots:
    void initTestCase()
    {
        useSettingsDir(dir);
        aPath = writeFile(dir, "a.mrc", "alias a { echo -a a }\r\n");
        bPath = writeFile(dir, "b.ini", "[script]\r\nn0=alias b { echo -a b }\r\n");
    }

    void aFileIsNeverOpenTwice_data()
    {
        boolRows("firstReadOnly", "writable, then read-only", "read-only, then writable");
    }

    void aFileIsNeverOpenTwice()
    {
        QFETCH(bool, firstReadOnly);
        MainWindow w;
        w.openScript(QFileInfo(aPath), firstReadOnly);
        w.openScript(QFileInfo(bPath), false);
        QCOMPARE(w.tabArea()->currentIndex(), 1);

        w.openScript(QFileInfo(dir.filePath("./a.mrc")), !firstReadOnly);
        QCOMPARE(w.scriptWindows().size(), 2);
        QCOMPARE(w.tabArea()->currentIndex(), 0);
        QCOMPARE(w.scriptWindows().first()->getEditor()->isReadOnly(), firstReadOnly);
        QCOMPARE(tabTexts(w), (QStringList{"a.mrc", "b.ini"}));

        // A read-only tab carries its own icon.
        const auto icon = [](const char* file) {
            return QIcon(QStringLiteral(":/tabbar/resources/img_assets/options/main/tabs/") + file)
                .pixmap(16)
                .toImage();
        };
        QVERIFY(icon("file-read-only.png") != icon("file.png"));
        QCOMPARE(w.tabArea()->tabIcon(0).pixmap(16).toImage(), icon(firstReadOnly ? "file-read-only.png" : "file.png"));
        QCOMPARE(w.tabArea()->tabIcon(1).pixmap(16).toImage(), icon("file.png"));
    }

    void newDocumentsShareOneCounter()
    {
        MainWindow w;
        chooseNew(w, NewProjectDialog::ScriptDocument);
        chooseNew(w, NewProjectDialog::Cancelled);
        chooseNew(w, NewProjectDialog::DialogDocument);
        for (int unsupported : {0, 2, 3, 5})
            chooseNew(w, unsupported);
        chooseNew(w, NewProjectDialog::ScriptDocument);
        QCOMPARE(tabTexts(w), (QStringList{"Untitled1", "Untitled2", "Untitled3"}));
        QCOMPARE(w.scriptWindows().size(), 2);
        QCOMPARE(w.builderWindows().size(), 1);
        QCOMPARE(w.tabArea()->currentIndex(), 2);
        QVERIFY(w.scriptWindows().last()->isUntitled());

        // Closed numbers are not reused.
        w.closeAllFiles();
        flushDeletes();
        chooseNew(w, NewProjectDialog::ScriptDocument);
        QCOMPARE(tabTexts(w), QStringList{"Untitled4"});
    }

    void dragIsTakenOnlyWhenEveryFileIsAScript_data()
    {
        QTest::addColumn<QStringList>("files"); // none: a text, not files
        QTest::addColumn<bool>("accepted");
        QTest::newRow("script and text file") << QStringList{"/x/a.mrc", "/x/b.txt"} << false;
        QTest::newRow("any case") << QStringList{"/x/A.MRC", "/x/b.Ini"} << true;
        QTest::newRow("single ini") << QStringList{"/x/c.ini"} << true;
        QTest::newRow("extension only inside the name") << QStringList{"/x/a.mrc.bak"} << false;
        QTest::newRow("text naming a script") << QStringList() << false;
    }

    void dragIsTakenOnlyWhenEveryFileIsAScript()
    {
        QFETCH(QStringList, files);
        MainWindow w;
        const auto data = filesData(files);
        if (files.isEmpty())
            data->setText("a.mrc");
        QTEST(DragEvents::send<QDragEnterEvent>(&w, data.get(), QPoint(10, 10)), "accepted");
    }

    // File managers put the paths in as text too, which the editor would
    // insert into the script under the mouse; the drag goes on to the main
    // window, which opens each script once and skips what is gone.
    void dropOntoAnEditorOpensTheScript()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        MslTextEditor* editor = openEditor(w, aPath);
        const QString before = editor->toPlainText();

        const auto data = filesData({bPath, dir.filePath("gone.mrc"), bPath});
        data->setText(bPath);
        QWidget* surface = editor->viewport();
        const QPoint middle = surface->rect().center();
        QVERIFY(DragEvents::send<QDragEnterEvent>(surface, data.get(), middle));
        DragEvents::send<QDropEvent>(surface, data.get(), middle);

        QCOMPARE(tabTexts(w), (QStringList{"a.mrc", "b.ini"}));
        QCOMPARE(w.tabArea()->currentIndex(), 1);
        QCOMPARE(editor->toPlainText(), before);
        QVERIFY(!editor->document()->isModified());
    }

    // A window that refuses to close keeps its tab; closing all, or all but
    // the current tab, goes on past it.
    void closingPastACancelledPrompt_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("Close All") << "all" << QStringList{"Untitled1*"};
        QTest::newRow("Close All But Active") << "all but active" << QStringList{"Untitled1*", "Untitled2"};
        QTest::newRow("tab's close button") << "button" << QStringList{"a.mrc", "Untitled1*", "Untitled2", "b.ini"};
    }

    void closingPastACancelledPrompt()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, left);
        MainWindow w;
        w.openScript(QFileInfo(aPath), false);
        chooseNew(w, NewProjectDialog::ScriptDocument);
        chooseNew(w, NewProjectDialog::DialogDocument);
        w.openScript(QFileInfo(bPath), false);
        w.scriptWindows().at(1)->getEditor()->insertPlainText("unsaved");
        w.tabArea()->setCurrentIndex(2); // the designer

        ModalAnswers answers;
        answers.press(QMessageBox::Cancel);
        if (how == "button")
            w.tabCloseRequested(1);
        else
            how == "all" ? w.closeAllFiles() : w.closeAllButActive();
        flushDeletes();
        QCOMPARE(answers.seen(), 1);
        QCOMPARE(tabTexts(w), left);
        QCOMPARE(w.scriptWindows().size() + w.builderWindows().size(), left.size());
    }

    void tabMenuIsOfferedOnTabsOnly_data()
    {
        QTest::addColumn<QString>("where"); // a tab's index, "beside the tabs" or "body"
        QTest::addColumn<int>("choice");    // row chosen in the menu
        QTest::addColumn<QStringList>("left");
        const QStringList all{"a.mrc", "Untitled1", "b.ini"};
        QTest::newRow("Close") << "0" << 0 << QStringList{"Untitled1", "b.ini"};
        QTest::newRow("Close All Tabs") << "1" << 1 << QStringList();
        QTest::newRow("Close All But This Tabs") << "1" << 2 << QStringList{"Untitled1"};
        QTest::newRow("beside the tabs") << "beside the tabs" << -1 << all;
        QTest::newRow("document body") << "body" << -1 << all;
    }

    void tabMenuIsOfferedOnTabsOnly()
    {
        QFETCH(QString, where);
        QFETCH(int, choice);
        MainWindow w;
        w.resize(900, 600);
        w.show();
        w.openScript(QFileInfo(aPath), false);
        chooseNew(w, NewProjectDialog::DialogDocument);
        w.openScript(QFileInfo(bPath), false);
        QTabWidget* tabs = w.tabArea();
        QTabBar* bar = tabs->tabBar();
        bool onTab = false;
        const int tab = where.toInt(&onTab);
        QPoint point = bar->mapTo(tabs, bar->tabRect(2).center() + QPoint(bar->tabRect(2).width(), 0));
        if (onTab)
            point = bar->mapTo(tabs, bar->tabRect(tab).center());
        else if (where == "body")
            point = tabs->currentWidget()->mapTo(tabs, tabs->currentWidget()->rect().center());

        QStringList entries;
        answerNextMenu(&w, choice, entries);
        w.tabContextMenu(point);
        flushDeletes();
        const QStringList menu{"Close", "Close All Tabs", "Close All But This Tabs"};
        QCOMPARE(entries, onTab ? menu : QStringList());
        QTEST(tabTexts(w), "left");
    }

    void closeEntriesFollowTheTabs()
    {
        MainWindow w;
        // Before any tab has existed they do nothing.
        w.closeFile();
        w.closeAllButActive();

        // Off once the last tab has closed.
        w.openScript(QFileInfo(aPath), false);
        w.tabCloseRequested(0);
        QCOMPARE(w.tabArea()->count(), 0);
        QVERIFY(w.scriptWindows().isEmpty());
        flushDeletes();
        QVERIFY(!action(w, "&Close")->isEnabled());
        QVERIFY(!action(w, "Clos&e All")->isEnabled());
        QVERIFY(!action(w, "Close &All But Active")->isEnabled());
        QVERIFY(action(w, "Save A&ll")->isEnabled());
    }

    void saveAllSkipsReadOnlyDocuments()
    {
        QTemporaryDir here;
        const QString writable = writeFile(here, "w.mrc", "echo -a 1\n");
        const QString locked = writeFile(here, "r.mrc", "echo -a 2\n");
        MainWindow w;
        w.openScript(QFileInfo(writable), false);
        w.openScript(QFileInfo(locked), true);
        w.scriptWindows().first()->getEditor()->insertPlainText("x");
        w.saveAll();
        QCOMPARE(readBytes(writable), QByteArray("xecho -a 1\r\n"));
        QCOMPARE(readBytes(locked), QByteArray("echo -a 2\n"));
        QCOMPARE(tabTexts(w), (QStringList{"w.mrc", "r.mrc"}));
    }

    // The designer's code reaches a script: a new tab for a new dialog, the
    // same script (one undo step) for a table opened from a script.
    void designerCodeReachesAScript()
    {
        MainWindow w;
        chooseNew(w, NewProjectDialog::ScriptDocument);
        chooseNew(w, NewProjectDialog::DialogDocument);
        w.builderWindows().first()->generateCode();
        QCOMPARE(tabTexts(w), (QStringList{"Untitled1", "Untitled2", "Untitled3*"}));
        MslTextEditor* generated = w.scriptWindows().last()->getEditor();
        QVERIFY(generated->toPlainText().startsWith("dialog InputRequest {\n  title \"Input Request\"\n"));
        // The next Generate Code goes to the same script, as one step of its
        // undo; Edit > Undo takes back the designer's own steps while it is
        // current.
        MdiChildBuilder* fresh = w.builderWindows().first();
        w.tabArea()->setCurrentWidget(fresh);
        fresh->valueEdit()->setText("Pick");
        fresh->generateCode();
        QCOMPARE(w.scriptWindows().size(), 2);
        QVERIFY(generated->toPlainText().startsWith("dialog InputRequest {\n  title \"Pick\"\n"));
        generated->undo();
        QVERIFY(generated->toPlainText().startsWith("dialog InputRequest {\n  title \"Input Request\"\n"));
        w.tabArea()->setCurrentWidget(fresh);
        action(w, "&Undo")->trigger();
        QCOMPARE(fresh->canvas()->windowTitle(), QStringLiteral("Input Request"));

        MdiChildEditor* script = w.scriptWindows().first();
        script->getEditor()->setPlainText("; none here\ndialog pick {\n  size -1 -1 300 250\n"
                                          "  check \"On\", 1, 8 8 88 19\n}");
        QAction* edit = actionsNamed(*script, "Edit Dialog in Designer").value(0);
        QVERIFY(script->getEditor()->actions().contains(edit)); // the context menu lists it

        ModalAnswers answers;
        answers.press(QMessageBox::Ok);
        edit->trigger(); // caret on the first line: no table there
        QCOMPARE(answers.seen(), 1);
        QCOMPARE(w.builderWindows().size(), 1);

        script->getEditor()->moveCursor(QTextCursor::End);
        edit->trigger();
        QCOMPARE(w.builderWindows().size(), 2);
        QCOMPARE(w.tabArea()->tabText(w.tabArea()->currentIndex()), QStringLiteral("pick"));
        MdiChildBuilder* designer = w.builderWindows().last();
        QCOMPARE(designer->canvas()->objects().size(), 1);
        designer->canvas()->objects().first().widget->move(16, 16);
        designer->generateCode();
        QCOMPARE(w.scriptWindows().size(), 2);
        QVERIFY(script->getEditor()->toPlainText().contains("check \"On\", 1, 16 16 88 19\n}"));
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
        delete w;
    }
};

KORVEL_TEST(DocumentsTest)
#include "tst_Documents.moc"
