#include "AppTestHelpers.h"
#include "AppTestMain.h"

#include "MdiChildEditor.h"
#include "MslTextEditor.h"

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

int rowCount(const MainWindow& w, int tab)
{
    return list(w, tab)->model()->rowCount();
}

} // namespace

class MessageDockTest : public QObject
{
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

    void openedScriptIsListedAtOnceAndLeavesWithItsWindow()
    {
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), false);
        QCOMPARE(rowCount(w, 0), 1);
        QCOMPARE(rowCount(w, 1), 1);
        const QAbstractItemModel* debug = list(w, 0)->model();
        QCOMPARE(debug->index(0, 0).data().toString(), QFileInfo(scriptPath).absoluteFilePath());
        QCOMPARE(debug->index(0, 1).data().toInt(), 4);

        // Lines typed above the diagnostics renumber them.
        QTextCursor cursor(w.scriptWindows().first()->getEditor()->document());
        cursor.insertText("; new\n");
        QCOMPARE(debug->index(0, 1).data().toInt(), 5);
        QCOMPARE(list(w, 1)->model()->index(0, 1).data().toInt(), 6);

        w.scriptWindows().first()->getEditor()->document()->setModified(false);
        w.tabCloseRequested(0);
        flushDeletes();
        QCOMPARE(rowCount(w, 0), 0);
        QCOMPARE(rowCount(w, 1), 0);
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
        const QModelIndexList rows = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                          sameSpelling ? "diag.mrc" : "DIAG.MRC", 1,
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

KORVEL_APP_TEST(MessageDockTest)
#include "tst_MessageDock.moc"
