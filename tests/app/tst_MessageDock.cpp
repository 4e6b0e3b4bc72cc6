#include "AppTestHelpers.h"

#include <QTextBlock>
#include <QTreeView>

using namespace AppTests;

namespace {

// The list of the message dock's tab: 0 Debug, 1 Messages.
QTreeView* list(const MainWindow& w, int tab)
{
    return qobject_cast<QTreeView*>(messageTabs(w)->widget(tab));
}

QStringList rows(const MainWindow& w, int tab)
{
    return listedPlaces(list(w, tab)->model());
}

} // namespace

// The message dock's lists: diagnostics, tasks and references.
class MessageDockTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString scriptPath, otherPath;

private slots:
    void initTestCase()
    {
        useSettingsDir(dir);
        // Line 4 raises an information in Debug at column 0, line 5 a task
        // marker in Messages at column 2; the other script a task marker.
        scriptPath = writeFile(dir, "diag.mrc", "alias a {\r\n  echo -a hi\r\n}\r\nrem old\r\n; todo: fix this\r\n");
        otherPath = writeFile(dir, "other.mrc", "alias b { echo -a b }\r\n; todo: more\r\n");
    }

    void rowsFollowTheScriptWindow()
    {
        MainWindow w;
        w.openScript(QFileInfo(otherPath), false);
        w.openScript(QFileInfo(scriptPath), false);
        // Listed at once, under the script's absolute path.
        QCOMPARE(rows(w, 0), QStringList{"diag.mrc:4"});
        QCOMPARE(rows(w, 1), (QStringList{"diag.mrc:5", "other.mrc:2"}));
        QCOMPARE(list(w, 0)->model()->index(0, 0).data().toString(), QFileInfo(scriptPath).absoluteFilePath());

        // Lines added and removed above a diagnostic move it.
        MslTextEditor* editor = w.scriptWindows().last()->getEditor();
        QTextCursor cursor(editor->document());
        cursor.insertText("; one\n; two\n");
        QCOMPARE(rows(w, 0), QStringList{"diag.mrc:6"});
        QCOMPARE(rows(w, 1), (QStringList{"diag.mrc:7", "other.mrc:2"}));
        cursor.setPosition(0);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
        cursor.removeSelectedText();
        QCOMPARE(rows(w, 0), QStringList{"diag.mrc:4"});
        QCOMPARE(rows(w, 1), (QStringList{"diag.mrc:5", "other.mrc:2"}));

        // Closing the window takes all of its rows.
        editor->document()->setModified(false);
        w.tabCloseRequested(1);
        flushDeletes();
        QCOMPARE(rows(w, 0), QStringList());
        QCOMPARE(rows(w, 1), QStringList{"other.mrc:2"});
    }

    // A new script's rows take the name it is first saved under, and still
    // follow its lines and lead to their place (a double click on a Debug
    // row is a step of the end-to-end run); the tab shows the name at once.
    void firstSaveRenamesTheRows_data() { boolRows("modified", "unmodified", "modified"); }

    void firstSaveRenamesTheRows()
    {
        QFETCH(bool, modified);
        MainWindow w;
        w.openScript(QFileInfo(otherPath), false);
        chooseNew(w, NewProjectDialog::ScriptDocument);
        MdiChildEditor* win = w.scriptWindows().last();
        win->getEditor()->setPlainText("alias x {\n  echo\n}\n; todo: name it");
        win->getEditor()->document()->setModified(modified);
        QCOMPARE(rows(w, 1), (QStringList{"Untitled1:4", "other.mrc:2"}));

        const QString saved = dir.filePath(QStringLiteral("named%1.mrc").arg(modified));
        ModalAnswers answers;
        answers.choose(saved);
        QVERIFY(win->saveFileClicked());
        QCOMPARE(tabTexts(w).last(), QFileInfo(saved).fileName());
        const QString named = QFileInfo(saved).fileName() + ":";
        QCOMPARE(rows(w, 1), (QStringList{named + "4", "other.mrc:2"}));

        QTextCursor(win->getEditor()->document()).insertText("; top\n");
        QCOMPARE(rows(w, 1), (QStringList{named + "5", "other.mrc:2"}));
        w.tabArea()->setCurrentIndex(0);
        const QModelIndexList task =
            list(w, 1)->model()->match(list(w, 1)->model()->index(0, 0), Qt::DisplayRole,
                                       QFileInfo(saved).absoluteFilePath(), 1, Qt::MatchExactly);
        QCOMPARE(task.size(), 1);
        emit list(w, 1)->doubleClicked(task.first());
        QCOMPARE(w.tabArea()->currentWidget(), win);
        QCOMPARE(win->getEditor()->textCursor().blockNumber(), 4);
        QCOMPARE(win->getEditor()->textCursor().positionInBlock(), 1);
    }

    // F12 on a call opens the file of the folder tree that defines the
    // alias, at its name; Shift+F12 there lists the definition and every call.
    void definitionAndReferences()
    {
        QVERIFY(QDir(dir.path()).mkpath("tools"));
        writeFile(dir, "tools/lib.mrc", "; tools\r\nalias Greet { return hi }\r\n");
        const QString mainPath = writeFile(dir, "main.mrc", "alias x {\r\n  greet\r\n  echo -a $greet\r\n}\r\n");
        MainWindow w;
        MslTextEditor* editor = openEditor(w, mainPath);
        QTextCursor caret(editor->document()->findBlockByNumber(1));
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
        editor->setTextCursor(caret);

        action(w, "Go to Definition")->trigger();
        const auto* shown = qobject_cast<MdiChildEditor*>(w.tabArea()->currentWidget());
        QVERIFY(shown);
        QCOMPARE(shown->fileInfo().fileName(), QStringLiteral("lib.mrc"));
        QCOMPARE(shown->getEditor()->textCursor().blockNumber(), 1);
        QCOMPARE(shown->getEditor()->textCursor().positionInBlock(), 6);

        action(w, "Find References")->trigger();
        const QTabWidget* tabs = messageTabs(w);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("References"));
        QCOMPARE(listedPlaces(qobject_cast<QTreeView*>(tabs->currentWidget())->model(), true),
                 (QStringList{"lib.mrc:2:7", "main.mrc:2:3", "main.mrc:3:12"}));
    }
};

KORVEL_TEST(MessageDockTest)
#include "tst_MessageDock.moc"
