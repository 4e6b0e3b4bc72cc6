#include "AppTestHelpers.h"
#include "TestRegistry.h"

#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"
#include "mirc/MircSyncPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

using namespace AppTests;

namespace {

// The Edit menu's own entries, then the toolbar's six control codes.
const char* const editMenuTexts[] = {"&Undo",   "&Redo",       "Cu&t",         "&Copy",          "&Paste",
                                     "&Delete", "Select &All", "Find/Replace", "Check Brackets", "Bold",
                                     "Italics", "Underline",   "Reverse",      "Color",          "Plain Text"};

QList<QAction*> editActions(const MainWindow& w)
{
    QList<QAction*> result;
    const QList<QAction*> all = w.findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    for (const char* text : editMenuTexts) {
        for (QAction* a : all) {
            if (a->text() == QLatin1String(text))
                result.append(a); // the control codes twice: menu and toolbar
        }
    }
    return result;
}

QMenu* menu(const MainWindow& w, const QString& title)
{
    const QList<QAction*> top = w.menuBar()->actions();
    for (QAction* a : top) {
        if (a->text() == title)
            return a->menu();
    }
    return nullptr;
}

QStringList enabledTexts(const MainWindow& w)
{
    QStringList texts;
    const QList<QAction*> actions = editActions(w);
    for (QAction* a : actions) {
        if (a->isEnabled())
            texts.append(a->text());
    }
    texts.removeDuplicates();
    return texts;
}

} // namespace

class EditMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString scriptPath;

private slots:
    void initTestCase()
    {
        useSettingsDir(dir);
        scriptPath = writeFile(dir, "a.mrc", "alias hello {\r\n  echo -a hi\r\n}\r\n");
    }

    void openingTheMenuFollowsTheCurrentDocument_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("enabled");

        const QStringList codes = {"Bold", "Italics", "Underline", "Reverse", "Color", "Plain Text"};
        const QStringList always = QStringList{"&Delete", "Select &All", "Find/Replace", "Check Brackets"} + codes;
        const auto row = [](const char* name, const char* document, const char* clipboard, const QStringList& on) {
            QTest::newRow(name) << document << clipboard << on;
        };
        row("no document", "none", "echo", {});
        row("fresh script, empty clipboard", "script", "", always);
        row("script with clipboard text", "script", "echo", QStringList{"&Paste"} + always);
        row("edited script with a selection", "edited", "echo",
            QStringList{"&Undo", "Cu&t", "&Copy", "&Paste"} + always);
        row("read-only script", "read-only", "echo", {});
        row("designer", "designer", "echo", {});
    }

    void openingTheMenuFollowsTheCurrentDocument()
    {
        QFETCH(QString, document);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, enabled);

        MainWindow w;
        QCOMPARE(enabledTexts(w), QStringList()); // all disabled at creation
        if (document == "designer") {
            chooseNew(w, NewProjectDialog::DialogDocument);
        } else if (document != "none") {
            w.openScript(QFileInfo(scriptPath), document == "read-only");
            if (document == "edited") {
                MslTextEditor* editor = w.scriptWindows().first()->getEditor();
                editor->insertPlainText("x");
                editor->selectAll();
            }
        }
        QApplication::clipboard()->setText(clipboard);
        emit menu(w, "&Edit")->aboutToShow();
        QCOMPARE(enabledTexts(w), enabled);
    }

    void checkBracketsReindentsTheCurrentScript()
    {
        // From the main window's Edit menu and from the script window's own
        // toolbar alike.
        const QString path = writeFile(dir, "b.mrc", "alias b {\r\necho 1\r\n}\r\n");
        MainWindow w;
        w.openScript(QFileInfo(path), false);
        MdiChildEditor* win = w.scriptWindows().first();
        action(w, "Check Brackets")->trigger();
        QCOMPARE(win->getEditor()->toPlainText(), QStringLiteral("alias b {\n  echo 1\n}\n"));

        win->getEditor()->setPlainText(QStringLiteral("alias c {\n      echo 2\n}"));
        QAction* own = nullptr;
        for (QAction* a : win->findChildren<QAction*>())
            if (a->text() == QLatin1String("Check Brackets"))
                own = a;
        QVERIFY(own);
        own->trigger();
        QCOMPARE(win->getEditor()->toPlainText(), QStringLiteral("alias c {\n  echo 2\n}"));
    }

    void tabChangesUpdateTheSelectionEntries()
    {
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), false);
        w.scriptWindows().first()->getEditor()->selectAll();
        chooseNew(w, NewProjectDialog::DialogDocument);
        // A designer tab: Undo, Redo and Delete follow the designer, which
        // has nothing to undo or delete yet; the text entries are off.
        QCOMPARE(enabledTexts(w), QStringList());

        w.tabArea()->setCurrentIndex(0);
        QVERIFY(action(w, "Cu&t")->isEnabled());
        QVERIFY(action(w, "Select &All")->isEnabled());
        QVERIFY(action(w, "Bold")->isEnabled());
        QVERIFY(!action(w, "&Undo")->isEnabled()); // left as it was
    }

    void viewMenuFoldEntriesNeedAScript()
    {
        MainWindow w;
        emit menu(w, "&View")->aboutToShow();
        QVERIFY(!action(w, "&Fold All Blocks")->isEnabled());

        w.openScript(QFileInfo(scriptPath), false);
        MslTextEditor* editor = w.scriptWindows().first()->getEditor();
        const auto openViewMenuAt = [&](int line) {
            editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(line)));
            emit menu(w, "&View")->aboutToShow();
        };
        // Inside the alias body, then on its closing brace back at the root.
        for (int line : {1, 2}) {
            openViewMenuAt(line);
            const bool inBody = line == 1;
            QVERIFY(action(w, "&Fold All Blocks")->isEnabled());
            QVERIFY(action(w, "&Unfold All Blocks")->isEnabled());
            QCOMPARE(action(w, "&Collapse Current Block")->isEnabled(), inBody);
            QCOMPARE(action(w, "&UnCollapse Current Block")->isEnabled(), inBody);
        }
    }

    void wordWrapReachesEveryScriptWindow()
    {
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), false);
        // Lines break at the window's edge, and between words.
        const auto modes = [&] {
            QStringList result;
            for (MdiChildEditor* win : w.scriptWindows()) {
                const MslTextEditor* e = win->getEditor();
                const bool wraps = e->lineWrapMode() == QPlainTextEdit::WidgetWidth;
                result << (wraps && e->wordWrapMode() == QTextOption::WordWrap      ? "wrap"
                               : !wraps && e->wordWrapMode() == QTextOption::NoWrap ? "none"
                                                                                    : "mixed");
            }
            return result;
        };
        QCOMPARE(modes(), QStringList{"none"});

        action(w, "Word wrap")->setChecked(true);
        chooseNew(w, NewProjectDialog::ScriptDocument); // a window opened later takes the mode too
        QCOMPARE(modes(), (QStringList{"wrap", "wrap"}));

        action(w, "Word wrap")->setChecked(false);
        QCOMPARE(modes(), (QStringList{"none", "none"}));
    }

    // The menu's and the format toolbar's entry of each code insert it.
    void controlCodeEntriesInsertTheirCode_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QChar>("code");
        QTest::newRow("Bold") << "Bold" << QChar(0x02);
        QTest::newRow("Color") << "Color" << QChar(0x03);
        QTest::newRow("Plain Text") << "Plain Text" << QChar(0x0F);
    }

    void controlCodeEntriesInsertTheirCode()
    {
        QFETCH(QString, entry);
        QFETCH(QChar, code);
        MainWindow w;
        chooseNew(w, NewProjectDialog::ScriptDocument);
        const QList<QAction*> all = w.findChildren<QAction*>(Qt::FindDirectChildrenOnly);
        int triggered = 0;
        for (QAction* a : all) {
            if (a->text() == entry) {
                a->trigger();
                ++triggered;
            }
        }
        QCOMPARE(triggered, 2);
        QCOMPARE(w.scriptWindows().first()->getEditor()->toPlainText(), QString(2, code));
    }

    // Two actions with one key sequence in one window make Qt fire neither.
    void noShortcutIsTakenTwice()
    {
        MainWindow w;
        chooseNew(w, NewProjectDialog::ScriptDocument);
        QHash<QKeySequence, QString> owners;
        const QList<QAction*> all = w.findChildren<QAction*>();
        for (const QAction* a : all) {
            for (const QKeySequence& key : a->shortcuts()) {
                QVERIFY2(!owners.contains(key),
                         qPrintable(key.toString() + ": " + owners.value(key) + ", " + a->text()));
                owners.insert(key, a->text());
            }
        }
        QVERIFY(owners.size() >= 25);
    }

    // Every Edit entry that would change the text of a read-only document is
    // off while its tab is current, back on in a writable tab, and its slot
    // leaves the text alone even when called directly.
    void readOnlyDocumentsCannotBeChangedFromTheEditEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("slot");
        const char* const rows[][2] = {{"&Delete", "deleteClicked"},     {"Cu&t", "cutClicked"},
                                       {"&Paste", "pasteClicked"},       {"Check Brackets", "checkBracketsClicked"},
                                       {"Bold", "insertBold"},           {"Italics", "insertItalics"},
                                       {"Underline", "insertUnderline"}, {"Reverse", "insertReverse"},
                                       {"Color", "insertColors"},        {"Plain Text", "insertPlainText"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[0] << row[1];
    }

    void readOnlyDocumentsCannotBeChangedFromTheEditEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, slot);
        QTemporaryDir local;
        const QString writablePath = writeFile(local, "w.mrc", "echo -a writable\r\n");
        // Indented wrongly, so that Check Brackets would change it.
        const QString protectedPath = writeFile(local, "p.mrc", "alias p {\r\necho -a protected\r\n}\r\n");
        QApplication::clipboard()->setText("pasted");

        MainWindow w;
        w.openScript(QFileInfo(writablePath), false);
        w.openScript(QFileInfo(protectedPath), true);
        MslTextEditor* writable = w.scriptWindows().at(0)->getEditor();
        MslTextEditor* readOnly = w.scriptWindows().at(1)->getEditor();
        for (MslTextEditor* editor : {writable, readOnly})
            editor->selectAll();
        // Both tabs have a selection, so only the read-only state decides.
        w.tabArea()->setCurrentIndex(0);
        w.tabArea()->setCurrentIndex(1);

        const QList<QAction*> entries = editActions(w);
        QList<QAction*> matching;
        for (QAction* a : entries) {
            if (a->text() == entry)
                matching.append(a);
        }
        QVERIFY(!matching.isEmpty());
        for (QAction* a : std::as_const(matching)) {
            QVERIFY(!a->isEnabled());
            a->trigger();
        }
        QVERIFY(QMetaObject::invokeMethod(&w, slot.toLatin1().constData()));
        QCOMPARE(readOnly->toPlainText(), QString("alias p {\necho -a protected\n}\n"));
        QVERIFY(!readOnly->document()->isModified());
        QCOMPARE(w.tabArea()->tabText(1), QString("p.mrc"));

        w.tabArea()->setCurrentIndex(0);
        for (QAction* a : std::as_const(matching))
            QVERIFY(a->isEnabled());
        w.tabArea()->setCurrentIndex(1);
        for (QAction* a : std::as_const(matching))
            QVERIFY(!a->isEnabled());
        // What does not change the text stays available.
        QVERIFY(action(w, "&Copy")->isEnabled());
        QVERIFY(action(w, "Select &All")->isEnabled());
    }

    // The Del key reaches the Delete entry because a read-only editor does
    // not take it.
    void deleteKeyLeavesAReadOnlyDocumentAlone()
    {
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), true);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        MslTextEditor* editor = w.scriptWindows().first()->getEditor();
        const QString before = editor->toPlainText();
        editor->moveCursor(QTextCursor::Start);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(editor->toPlainText(), before);
        QVERIFY(!editor->document()->isModified());
    }

    // With a dock's list or tree focused, the Edit keys act there: the
    // script behind it keeps its text.
    void editKeysInADockLeaveTheScriptAlone_data()
    {
        QTest::addColumn<int>("dock");
        QTest::addColumn<QKeySequence>("keys");
        const char* const docks[] = {"message list", "mIRC Sync tree", "outline"};
        for (int dock = 0; dock < 3; ++dock) {
            for (const char* keys : {"Del", "Ctrl+X", "Ctrl+V", "Ctrl+Z"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(docks[dock], keys)))
                    << dock << QKeySequence(keys);
        }
    }

    void editKeysInADockLeaveTheScriptAlone()
    {
        QFETCH(int, dock);
        QFETCH(QKeySequence, keys);
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), false);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        MdiChildEditor* win = w.scriptWindows().first();
        MslTextEditor* editor = win->getEditor();
        QTest::keyClick(editor, Qt::Key_X); // an undo step
        editor->selectAll();
        const QString before = editor->toPlainText();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));

        QWidget* focused = nullptr;
        if (dock == 0)
            focused = qobject_cast<QTabWidget*>(w.findChild<QDockWidget*>("msgArea")->widget())->currentWidget();
        else if (dock == 1)
            focused = w.mircSyncPanel()->tree();
        else
            focused = win->findChild<QDockWidget*>("File Components")->widget();
        focused->setFocus();
        QVERIFY(focused->hasFocus());
        QTest::keySequence(focused, keys);
        QCOMPARE(editor->toPlainText(), before);
    }

    void deleteRemovesSelectionOrNextCharacter()
    {
        MainWindow w;
        w.openScript(QFileInfo(scriptPath), false);
        MslTextEditor* editor = w.scriptWindows().first()->getEditor();
        editor->moveCursor(QTextCursor::Start);
        w.deleteClicked();
        QVERIFY(editor->toPlainText().startsWith("lias hello"));
        QTextCursor cursor = editor->textCursor();
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        w.deleteClicked();
        QVERIFY(editor->toPlainText().startsWith(" hello"));
    }
};

KORVEL_TEST(EditMenuTest)
#include "tst_EditMenu.moc"
