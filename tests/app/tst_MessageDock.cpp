#include "AppTestHelpers.h"
#include "TestRegistry.h"

#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QDockWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace AppTests;

namespace {

// The list of the message dock's tab: 0 Debug, 1 Messages.
QTreeView* list(const MainWindow& w, int tab)
{
    const auto* tabs = qobject_cast<QTabWidget*>(w.findChild<QDockWidget*>("msgArea")->widget());
    return qobject_cast<QTreeView*>(tabs->widget(tab));
}

// The rows of one list as "file:line", in a fixed order.
QStringList rows(const MainWindow& w, int tab)
{
    const QAbstractItemModel* model = list(w, tab)->model();
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown << QFileInfo(model->index(row, 0).data().toString()).fileName() + ":"
                + model->index(row, 1).data().toString();
    shown.sort();
    return shown;
}

} // namespace

class MessageDockTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString scriptPath, otherPath;

private slots:
    void initTestCase()
    {
        useSettingsDir(dir);
        // Line 4 raises an information in Debug at column 0, line 5 a task
        // marker in Messages at column 2.
        scriptPath = writeFile(dir, "diag.mrc", "alias a {\r\n  echo -a hi\r\n}\r\nrem old\r\n; todo: fix this\r\n");
        otherPath = writeFile(dir, "other.mrc", "alias b { echo -a b }\r\n");
    }

    // The dock opens small on the first layout and may be enlarged later.
    void dockHeightIsReleasedAfterStartUp()
    {
        MainWindow w;
        const QDockWidget* dock = w.findChild<QDockWidget*>("msgArea");
        QCOMPARE(dock->maximumHeight(), 150);
        QTRY_COMPARE(dock->maximumHeight(), 500);
    }

    void rowsFollowTheScriptWindow()
    {
        MainWindow w;
        int id = 0;
        w.updateError(3, 0, "/elsewhere/b.mrc", "alias", "???", 13, "other", id);
        w.openScript(QFileInfo(scriptPath), false);
        // Listed at once, under the script's absolute path.
        QCOMPARE(rows(w, 0), QStringList{"diag.mrc:4"});
        QCOMPARE(rows(w, 1), (QStringList{"b.mrc:3", "diag.mrc:5"}));
        QCOMPARE(list(w, 0)->model()->index(0, 0).data().toString(), QFileInfo(scriptPath).absoluteFilePath());
        // A row no line of the script carries.
        w.updateError(3, 0, QFileInfo(scriptPath).absoluteFilePath(), "alias", "???", 2, "loose", id);

        // Lines added and removed above a diagnostic move it; the others keep their line.
        MslTextEditor* editor = w.scriptWindows().first()->getEditor();
        QTextCursor cursor(editor->document());
        cursor.insertText("; one\n; two\n");
        QCOMPARE(rows(w, 0), (QStringList{"diag.mrc:3", "diag.mrc:6"}));
        QCOMPARE(rows(w, 1), (QStringList{"b.mrc:3", "diag.mrc:7"}));
        cursor.setPosition(0);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
        cursor.removeSelectedText();
        QCOMPARE(rows(w, 0), (QStringList{"diag.mrc:3", "diag.mrc:4"}));
        QCOMPARE(rows(w, 1), (QStringList{"b.mrc:3", "diag.mrc:5"}));

        // Closing the window takes all of its rows, withdrawn or not.
        editor->document()->setModified(false);
        w.tabCloseRequested(0);
        flushDeletes();
        QCOMPARE(rows(w, 0), QStringList());
        QCOMPARE(rows(w, 1), QStringList{"b.mrc:3"});
        // Their ids are free again.
        w.updateError(1, 0, "/elsewhere/b.mrc", "alias", "???", 1, "next", id);
        QCOMPARE(id, 3);
    }

    void doubleClickLeadsToThePlace_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("sameSpelling");
        QTest::addColumn<int>("positionInBlock");
        QTest::newRow("Debug row") << 0 << true << 0;
        QTest::newRow("Messages row, column 2") << 1 << true << 1;
        // The file names are compared exactly: another case is another file.
        QTest::newRow("path in other case") << 0 << false << -1;
    }

    void doubleClickLeadsToThePlace()
    {
        QFETCH(int, tab);
        QFETCH(bool, sameSpelling);
        QFETCH(int, positionInBlock);
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), false);
        w.openScript(QFileInfo(otherPath), false);
        if (!sameSpelling) {
            int id = 0;
            w.updateError(2, 3, QFileInfo(scriptPath).absoluteFilePath().toUpper(), "alias", "???", 2, "x", id);
        }
        QTreeView* view = list(w, tab);
        const QModelIndexList rows =
            view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, sameSpelling ? "diag.mrc" : "DIAG.MRC", 1,
                                 Qt::MatchEndsWith | Qt::MatchCaseSensitive);
        QCOMPARE(rows.size(), 1);

        emit view->doubleClicked(rows.first().siblingAtColumn(2));
        QCOMPARE(w.tabArea()->currentIndex(), sameSpelling ? 0 : 1);
        if (sameSpelling) {
            const QTextCursor cursor = w.scriptWindows().first()->getEditor()->textCursor();
            QCOMPARE(cursor.blockNumber(), 3 + tab);
            QCOMPARE(cursor.positionInBlock(), positionInBlock);
        }
    }
};

KORVEL_TEST(MessageDockTest)
#include "tst_MessageDock.moc"
