#include "AppTestHelpers.h"

#include "mirc/MircSyncPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QTreeWidget>

using namespace AppTests;

namespace {

constexpr int readOnlyScript = 3; // no dock: the focus stays in a read-only script

// The Edit menu's own entries, then the toolbar's six control codes.
const char* const editMenuTexts[] = {"&Undo",   "&Redo",       "Cu&t",         "&Copy",          "&Paste",
                                     "&Delete", "Select &All", "Find/Replace", "Check Brackets", "Bold",
                                     "Italics", "Underline",   "Reverse",      "Color",          "Plain Text"};

QList<QAction*> editActions(const MainWindow& w)
{
    QList<QAction*> result;
    for (const char* text : editMenuTexts)
        result += actionsNamed(w, QLatin1String(text));
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
        if (document != "none") {
            MslTextEditor* editor = openEditor(w, scriptPath, document == "read-only");
            if (document == "edited" || document == "designer") {
                editor->insertPlainText("x");
                editor->selectAll();
            }
        }
        if (document == "designer") {
            // Over an edited script: Undo, Redo and Delete follow the
            // designer, which has nothing to undo or delete yet; the text
            // entries go off as soon as its tab is current.
            chooseNew(w, NewProjectDialog::DialogDocument);
            QCOMPARE(enabledTexts(w), QStringList());
        }
        QApplication::clipboard()->setText(clipboard);
        emit menu(w, "&Edit")->aboutToShow();
        QCOMPARE(enabledTexts(w), enabled);
    }

    // The script window's own Check Brackets holds Ctrl+H; the Edit menu's
    // entry reaches the current script too.
    void checkBracketsReindentsTheCurrentScript()
    {
        MainWindow w;
        MslTextEditor* editor = openEditor(w, writeFile(dir, "b.mrc", "alias b {\r\necho 1\r\n}\r\n"));
        action(w, "Check Brackets")->trigger();
        QCOMPARE(editor->toPlainText(), QStringLiteral("alias b {\n  echo 1\n}\n"));
    }

    void viewMenuFoldEntriesNeedAScript()
    {
        MainWindow w;
        emit menu(w, "&View")->aboutToShow();
        QVERIFY(!action(w, "&Fold All Blocks")->isEnabled());

        MslTextEditor* editor = openEditor(w, scriptPath);
        // Inside the alias body, then on its closing brace back at the root.
        for (int line : {1, 2}) {
            editor->setTextCursor(QTextCursor(editor->document()->findBlockByNumber(line)));
            emit menu(w, "&View")->aboutToShow();
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
        const QList<QAction*> entries = actionsNamed(w, entry);
        QCOMPARE(entries.size(), 2);
        for (QAction* a : entries)
            a->trigger();
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
        openEditor(w, writablePath)->selectAll();
        MslTextEditor* readOnly = openEditor(w, protectedPath, true);
        readOnly->selectAll();
        // Both tabs have a selection, so only the read-only state decides.
        w.tabArea()->setCurrentIndex(0);
        w.tabArea()->setCurrentIndex(1);

        const QList<QAction*> matching = actionsNamed(w, entry);
        QVERIFY(!matching.isEmpty());
        for (QAction* a : std::as_const(matching)) {
            QVERIFY(!a->isEnabled());
            a->trigger();
        }
        QVERIFY(QMetaObject::invokeMethod(&w, slot.toLatin1().constData()));
        QCOMPARE(readOnly->toPlainText(), QString("alias p {\necho -a protected\n}\n"));
        QVERIFY(!readOnly->document()->isModified());

        w.tabArea()->setCurrentIndex(0);
        for (QAction* a : std::as_const(matching))
            QVERIFY(a->isEnabled());
        w.tabArea()->setCurrentIndex(1);
        // What does not change the text stays available.
        QVERIFY(action(w, "&Copy")->isEnabled());
        QVERIFY(action(w, "Select &All")->isEnabled());
    }

    // With a dock's list or tree focused, the Edit keys act there: the
    // script behind it keeps its text. The Del key in a read-only script
    // reaches the Delete entry, which leaves it alone too.
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
        QTest::newRow("read-only script, Del") << readOnlyScript << QKeySequence("Del");
    }

    void editKeysInADockLeaveTheScriptAlone()
    {
        QFETCH(int, dock);
        QFETCH(QKeySequence, keys);
        MainWindow w;
        MslTextEditor* editor = openEditor(w, scriptPath, dock == readOnlyScript);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(editor, Qt::Key_X); // an undo step
        editor->selectAll();
        const QString before = editor->toPlainText();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));

        QWidget* focused = editor;
        if (dock == 0)
            focused = messageTabs(w)->currentWidget();
        else if (dock == 1)
            focused = w.mircSyncPanel()->tree();
        else if (dock == 2)
            focused = w.scriptWindows().first()->findChild<QDockWidget*>("File Components")->widget();
        focused->setFocus();
        QVERIFY(focused->hasFocus());
        QTest::keySequence(focused, keys);
        QCOMPARE(editor->toPlainText(), before);
    }

    void deleteRemovesSelectionOrNextCharacter()
    {
        MainWindow w;
        MslTextEditor* editor = openEditor(w, scriptPath);
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
