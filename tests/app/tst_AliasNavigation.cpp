#include "AppTestHelpers.h"

#include <QTextBlock>
#include <QTreeView>

using namespace AppTests;

class AliasNavigationTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() { useSettingsDir(dir); }

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

KORVEL_TEST(AliasNavigationTest)
#include "tst_AliasNavigation.moc"
