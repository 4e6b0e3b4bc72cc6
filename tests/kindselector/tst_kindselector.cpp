#include "FileBytes.h"
#include "KorvelResources.h"
#include "checker/MslSyntaxHighlighter.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/DocumentKindSelector.h"
#include "editorwindow/MdiChildEditor.h"

#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

// The document kind of a script window: told on loading, shown in the
// status line, changed there by the user (which checks the document again),
// and kept by an INI file through a save.

class TestKindSelector : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // Errors the highlighter has recorded once `run` has run.
    template <typename Run> static int errorsRaised(MdiChildEditor& win, Run run)
    {
        run();
        const MslSyntaxHighlighter* checker = win.getHighlighter();
        int errors = 0;
        for (int line = 0; line < checker->lineCount(); ++line)
            for (const LineDiagnostic& diagnostic : checker->recordAt(line).diagnostics)
                errors += diagnostic.type == Severity::Error;
        return errors;
    }

private slots:
    void initTestCase()
    {
        initKorvelResources();
        QVERIFY(dir.isValid());
    }

    void aliasIniThroughLoadCheckAndSave()
    {
        const QString path = dir.filePath(QStringLiteral("aliases.ini"));
        const QByteArray file("[aliases]\r\nn0=/op /mode # +ooo $$1 $2 $3\r\nn1=j join #$1\r\nn2=hop {\r\n"
                              "n3=  part # | join #\r\nn4=}\r\n");
        writeBytes(path, file);

        MdiChildEditor win;
        auto* selector = win.statusBar()->findChild<DocumentKindSelector*>(QStringLiteral("documentKindSelector"));
        QVERIFY(selector);
        int errors = errorsRaised(win, [&] { win.loadDocument(QFileInfo(path), false, false); });
        QCOMPARE(selector->currentText(), QStringLiteral("Aliases"));
        QCOMPARE(win.getHighlighter()->documentKind(), DocumentKind::Aliases);
        QCOMPARE(errors, 0);
        QCOMPARE(win.getEditor()->toPlainText().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("/op /mode # +ooo $$1 $2 $3"));

        // The user says it is a remote script: the alias lines are stray root
        // text there, reported once, and the rest is followed as code ("hop {"
        // is a brace in the middle of a statement).
        errors = errorsRaised(win, [&] { emit selector->activated(selector->findText(QStringLiteral("Remote"))); });
        QCOMPARE(win.getHighlighter()->documentKind(), DocumentKind::Remote);
        QCOMPARE(errors, 2);

        // Saved as another kind, the file takes that kind's section.
        emit selector->activated(selector->findText(QStringLiteral("Popups")));
        QVERIFY(win.saveFileClicked());
        QCOMPARE(readBytes(path), QByteArray(file).replace("[aliases]", "[cpopup]"));

        errors = errorsRaised(win, [&] { emit selector->activated(selector->findText(QStringLiteral("Aliases"))); });
        QCOMPARE(errors, 0);
        QVERIFY(win.saveFileClicked());
        QCOMPARE(readBytes(path), file);
    }

    void outlineListsPopupItems()
    {
        const QString path = dir.filePath(QStringLiteral("nicklist.mrc"));
        writeBytes(path, QByteArray("Whois:/whois $$1\r\n-\r\nModes\r\n.Op:/mode # +o $$1\r\nSlap:/me slaps $$1\r\n"));
        MdiChildEditor win;
        win.loadDocument(QFileInfo(path), false, false);
        win.show();
        QVERIFY(QTest::qWaitForWindowExposed(&win));
        auto* tree = win.findChild<QTreeWidget*>();
        const QList<QTreeWidgetItem*> found =
            tree->findItems(QStringLiteral("Popup Items"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QTreeWidgetItem* items = found.first();
        QStringList shown;
        for (int i = 0; i < items->childCount(); ++i)
            shown.append(items->child(i)->text(0));
        QCOMPARE(shown, (QStringList{"Whois", "Modes", "Slap"}));

        // A plain file's kind is told by its lines; read as a remote script,
        // it has no components of that kind.
        auto* selector = win.findChild<DocumentKindSelector*>();
        QCOMPARE(selector->currentText(), QStringLiteral("Popups"));
        emit selector->activated(selector->findText(QStringLiteral("Remote")));
        QVERIFY(tree->findItems(QStringLiteral("Popup Items"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    }
};

QTEST_MAIN(TestKindSelector)
#include "tst_kindselector.moc"
