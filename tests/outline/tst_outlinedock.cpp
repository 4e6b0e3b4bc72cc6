#include "KorvelResources.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QDockWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

namespace {

const QString script = QStringLiteral("; tools\n"
                                      "alias -l helper {\n"
                                      "  alias inner echo -a hi\n"
                                      "}\n"
                                      "alias shout echo -a $upper($1-)\n"
                                      "dialog -l setup {\n"
                                      "  title \"Setup\"\n"
                                      "}\n"
                                      "dialog about {\n"
                                      "}\n"
                                      "on *:TEXT:hello:#:{\n"
                                      "  msg # hi\n"
                                      "}\n"
                                      "on 1:JOIN:#:echo -a joined\n"
                                      "ctcp *:PING:*:echo pong\n");

// The tree as indented lines, children two spaces deeper than their parent.
void describe(const QTreeWidgetItem* item, int depth, QStringList& out)
{
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem* child = item->child(i);
        out << QString(depth * 2, QLatin1Char(' ')) + child->text(0);
        describe(child, depth + 1, out);
    }
}

struct Window {
    MdiChildEditor win;
    explicit Window(const QString& text)
    {
        win.loadDocument(QFileInfo(QStringLiteral("Untitled1")), true, false);
        win.getEditor()->setPlainText(text);
        win.resize(900, 500);
        win.show();
        QVERIFY(QTest::qWaitForWindowExposed(&win));
    }
    QTreeWidget* tree() { return win.findChild<QTreeWidget*>(); }
    QDockWidget* dock() { return win.findChild<QDockWidget*>(QStringLiteral("File Components")); }
    QStringList shown()
    {
        QStringList out;
        describe(tree()->invisibleRootItem(), 0, out);
        return out;
    }
    QTreeWidgetItem* item(const QStringList& path)
    {
        QTreeWidgetItem* at = tree()->invisibleRootItem();
        for (const QString& text : path) {
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; i < at->childCount() && !next; ++i)
                if (at->child(i)->text(0) == text)
                    next = at->child(i);
            if (!next)
                return nullptr;
            at = next;
        }
        return at;
    }
    void click(QTreeWidgetItem* item)
    {
        tree()->scrollToItem(item);
        const QRect rect = tree()->visualItemRect(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    int caretLine() { return win.getEditor()->textCursor().blockNumber() + 1; }
};

} // namespace

class TestOutlineDock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initKorvelResources(); }

    // A header-like line inside a body is no component.
    void listsComponentsUnderTheirCategories()
    {
        Window w(script);
        w.win.updateObjTree();
        QCOMPARE(w.shown(),
                 (QStringList{
                     "Aliases",
                     "  Local",
                     "    helper",
                     "      Line: 2",
                     "      Multi-Line: true",
                     "  Global",
                     "    shout",
                     "      Line: 5",
                     "      Multi-Line: false",
                     "Dialogs",
                     "  Local",
                     "    setup",
                     "      Line: 6",
                     "  Global",
                     "    about",
                     "      Line: 9",
                     "On Events",
                     "  text : hello",
                     "    Line: 11",
                     "    Multi-Line: true",
                     "  join",
                     "    Line: 14",
                     "    Multi-Line: false",
                     "  Ctcp : ping",
                     "    Line: 15",
                     "    Multi-Line: false",
                 }));
    }

    void followsEditsAfterAPause()
    {
        Window w(script);
        w.win.updateObjTree();
        QTextCursor cursor(w.win.getEditor()->document());
        cursor.insertText(QStringLiteral("alias first {\n}\n")); // every line moves down two
        QTRY_VERIFY(w.item({"Aliases", "Global", "first"}) != nullptr);
        QCOMPARE(w.item({"Aliases", "Global", "shout"})->child(0)->text(0), QStringLiteral("Line: 7"));
        // A header edited in place takes its old entry with it.
        QTextCursor header(w.win.getEditor()->document()->findBlockByNumber(12)); // "on *:TEXT:hello:#:{"
        header.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        header.insertText(QStringLiteral("alias renamed {"));
        QTRY_VERIFY(w.item({"Aliases", "Global", "renamed"}) != nullptr);
        QVERIFY(!w.item({"On Events", "text : hello"}));
        // Removing components removes their entries.
        w.win.getEditor()->setPlainText(QStringLiteral("alias only echo"));
        QTRY_COMPARE(w.shown(),
                     (QStringList{"Aliases", "  Local", "  Global", "    only", "      Line: 1",
                                  "      Multi-Line: false", "Dialogs", "  Local", "  Global", "On Events"}));
    }

    void hiddenDockIsNotRebuiltUntilShown()
    {
        Window w(script);
        w.win.updateObjTree();
        const QStringList before = w.shown();
        w.dock()->hide();
        w.win.getEditor()->setPlainText(QStringLiteral("alias later echo"));
        w.win.updateObjTree();
        QCOMPARE(w.shown(), before);
        w.dock()->show();
        QTRY_VERIFY(w.item({"Aliases", "Global", "later"}) != nullptr);
        QVERIFY(!w.item({"Aliases", "Local", "helper"}));
    }

    void clickingMovesTheCaretOnlyForEntries_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("line"); // 0: the caret stays on line 3
        QTest::newRow("alias entry") << QStringList{"Aliases", "Global", "shout"} << 5;
        QTest::newRow("category") << QStringList{"Aliases"} << 0;
        QTest::newRow("line child") << QStringList{"On Events", "join", "Line: 14"} << 0;
    }

    void clickingMovesTheCaretOnlyForEntries()
    {
        QFETCH(QStringList, path);
        QFETCH(int, line);
        Window w(script);
        w.win.updateObjTree();
        w.tree()->expandAll();
        w.win.getEditor()->gotoLine(3);
        QTreeWidgetItem* item = w.item(path);
        QVERIFY(item);
        w.click(item);
        QCOMPARE(w.caretLine(), line ? line : 3);
    }
};

QTEST_MAIN(TestOutlineDock)
#include "tst_outlinedock.moc"
