#include "EditorHarness.h"
#include "TestRegistry.h"

#include <QProgressDialog>
#include <QTest>
#include <QTimer>

class BracketCheckerTest : public QObject {
    Q_OBJECT

private slots:
    void reindents_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& script, const QString& expected) {
            QTest::newRow(name) << script << expected;
        };

        row("surplus spaces removed", "     alias a {\n      echo 1\n    }", "alias a {\n  echo 1\n}");
        row("nested if", "alias a {\nif (x) {\necho 1\n}\necho 2\n}",
            "alias a {\n  if (x) {\n    echo 1\n  }\n  echo 2\n}");
        row("closing and opening on one line", "alias a {\nif (x) {\necho 1\n} else {\necho 2\n}\n}",
            "alias a {\n  if (x) {\n    echo 1\n    } else {\n    echo 2\n  }\n}");
        row("continued line", "alias a {\necho a $&\nb\necho c\n}", "alias a {\n  echo a $&\n    b\n  echo c\n}");
        row("continued at the root", "echo a $&\nb", "echo a $&\nb");
        row("event header colon brace", "on *:text:*:#:{\necho 1\n}", "on *:text:*:#:{\n  echo 1\n}");
        row("glued braces", "alias a {echo\necho 1\n}x\necho 2", "alias a {echo\necho 1\n}x\necho 2");
        row("stray closing brace", "  }\n  echo 1", "}\necho 1");
        row("comment lines", "alias a {\n; {\nREM {\n  rem }\necho\n}",
            "alias a {\n  ; {\n  REM {\n  rem }\n  echo\n}");
        row("comment block", "alias a {\n/*\nif (x) {\necho\n*/\necho 2\n}",
            "alias a {\n  /*\n  if (x) {\n    echo\n  */\n  echo 2\n}");
        row("tab-indented line", "alias a {\n\techo 1\n \techo 2\n}", "alias a {\n  \techo 1\n  \techo 2\n}");
        row("blank lines", "alias a {\n\n}", "alias a {\n  \n}");
    }

    // Each run is one undo step, and leaves the checker running.
    void reindents()
    {
        QFETCH(QString, script);
        TypingEditor t(script);
        t.editor.checkBrackets();
        QFETCH(QString, expected);
        QCOMPARE(t.text(), expected);
        QVERIFY(!t.highlighter.isPaused());
        t.editor.undo();
        QCOMPARE(t.text(), script);
        QVERIFY(!t.editor.document()->isUndoAvailable());
    }

    void recheckReachesUnchangedLines()
    {
        TypingEditor t(QStringLiteral("alias a {\nif (x) {\necho 1\n}\n}\nalias b {\n echo 2\n}"));
        t.editor.checkBrackets();
        // The whole document was checked again: the second alias header, whose
        // line did not change, and the re-indented lines carry fresh records.
        QCOMPARE(t.highlighter.recordAt(5).header.blockName, QStringLiteral("b"));
    }

    void abortKeepsOneUndoStep()
    {
        const QString script = QStringLiteral(" alias a {\necho 1\necho 2\n}");
        TypingEditor t(script);
        t.editor.document()->clearUndoRedoStacks();
        // The dialog processes events while the run goes on: Abort is pressed
        // while the first lines are handled.
        QTimer::singleShot(0, &t.editor, [&] { t.editor.findChild<QProgressDialog*>()->cancel(); });
        t.editor.checkBrackets();
        // The run stopped after the line it was handling: the lines after it
        // are untouched and the caret waits at the first of them.
        const int handled = t.editor.textCursor().blockNumber();
        QVERIFY(handled > 0 && handled < 4);
        const QStringList reindented = {QStringLiteral("alias a {"), QStringLiteral("  echo 1"),
                                        QStringLiteral("  echo 2"), QStringLiteral("}")};
        const QStringList original = script.split(QLatin1Char('\n'));
        QCOMPARE(t.text(), (reindented.mid(0, handled) + original.mid(handled)).join(QLatin1Char('\n')));
        QVERIFY(!t.highlighter.isPaused());
        t.editor.undo();
        QCOMPARE(t.text(), script);
        QVERIFY(!t.editor.document()->isUndoAvailable());
    }
};

KORVEL_TEST(BracketCheckerTest)

#include "tst_bracketchecker.moc"
