#include "KorvelResources.h"
#include "PopupMenuAnswer.h"
#include "editor/LineEditBtn.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"
#include "editorwindow/SearchModes.h"

#include <QDockWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace {

struct Window {
    MdiChildEditor win;
    explicit Window(const QString& text)
    {
        win.loadDocument(QFileInfo(QStringLiteral("Untitled1")), true, false);
        win.getEditor()->setPlainText(text);
    }
    MslTextEditor* editor() { return win.getEditor(); }
    LineEditBtn* searchBox() { return win.findChild<LineEditBtn*>(QStringLiteral("searchBox")); }
    QLineEdit* replaceBox() { return win.findChild<QLineEdit*>(QStringLiteral("replaceBox")); }
    QLineEdit* gotoBox() { return win.findChild<QLineEdit*>(QStringLiteral("gotoBox")); }
    QDockWidget* bar(const char* name) { return win.findChild<QDockWidget*>(QString::fromLatin1(name)); }
    QString label(const char* name) { return win.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QRadioButton* radio(const char* text)
    {
        for (QRadioButton* r : win.findChildren<QRadioButton*>())
            if (r->text() == QLatin1String(text))
                return r;
        return nullptr;
    }

    // Picks the mode through the menu of the search box's button, as a user
    // does.
    void chooseMode(SearchMode mode)
    {
        QStringList entries;
        answerNextMenu(&win, int(mode) - 1, entries);
        emit searchBox()->sideBtnCustomContext(QPoint(1, 1));
    }

    // The marks the find bar leaves while `text` is typed, as
    // "line:column:text".
    QStringList marksFor(const QString& text)
    {
        searchBox()->setText(text);
        QStringList out;
        for (const QTextEdit::ExtraSelection& mark : editor()->extraSelections()) {
            if (mark.format.background().color() != QColor(Qt::yellow))
                continue;
            const QTextCursor c = mark.cursor;
            const QTextBlock block = editor()->document()->findBlock(c.selectionStart());
            out << QStringLiteral("%1:%2:%3")
                       .arg(block.blockNumber() + 1)
                       .arg(c.selectionStart() - block.position())
                       .arg(c.selectedText());
        }
        return out;
    }

    QString selection() { return editor()->textCursor().selectedText(); }
    int position() { return editor()->textCursor().position(); }
};

} // namespace

class TestSearchBars : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initKorvelResources(); }

    void modes_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("marks");
        const auto row = [](const char* name, const QString& document, int mode, const QString& text,
                            const QStringList& marks) { QTest::newRow(name) << document << mode << text << marks; };

        const QString echo = QStringLiteral("echo -a Echo\nalias x { ECHO it }");
        const int plain = int(SearchMode::Plain);
        const int cased = int(SearchMode::CaseSensitive);
        const int regex = int(SearchMode::RegularExpression);
        const int words = int(SearchMode::WholeWords);
        const int ident = int(SearchMode::Identifier);

        row("plain ignores case", echo, plain, "Echo", QStringList{"1:0:echo", "1:8:Echo", "2:10:ECHO"});
        row("case-sensitive", echo, cased, "Echo", QStringList{"1:8:Echo"});
        row("regex is case-sensitive by default", "echo a", regex, "ECHO", QStringList{});
        row("regex i flag", "echo a", regex, "/ECHO/i", QStringList{"1:0:echo"});
        row("regex greedy", "a1b a2b", regex, "/a.*b/", QStringList{"1:0:a1b a2b"});
        row("regex U flag", "a1b a2b", regex, "/a.*b/U", QStringList{"1:0:a1b", "1:4:a2b"});
        row("regex escaped dollar", "alias x var %n = $calc(1)", regex, "/\\$CALC/i", QStringList{"1:17:$calc"});
        row("regex bare pattern keeps slashes", "a/b", regex, "a/b", QStringList{"1:0:a/b"});
        row("regex whole words only", "echo", regex, "ech", QStringList{});
        row("regex that matches nothing anywhere", "aaa xx b", regex, "/x*/", QStringList{"1:4:xx"});
        row("invalid regex", "a(b", regex, "/a(/", QStringList{});
        row("whole words", "echo cho cho2 $cho", words, "cho", QStringList{"1:5:cho", "1:15:cho"});
        row("identifier without $", "alias x echo $nick $nickname nick", ident, "nick", QStringList{"1:13:$nick"});
        row("identifier with $", "alias x echo $NICK $nickname", ident, "$nick", QStringList{"1:13:$NICK"});
        row("identifier in a comment", "; $nick", ident, "nick", QStringList{});
        row("empty text", echo, plain, "", QStringList{});
    }

    void modes()
    {
        QFETCH(QString, document);
        QFETCH(int, mode);
        QFETCH(QString, text);
        Window w(document);
        if (mode != int(SearchMode::Plain))
            w.chooseMode(SearchMode(mode));
        QTEST(w.marksFor(text), "marks");
    }

    // The mode in use, chosen again, gives the plain search back.
    void modeChosenAgainIsPlainSearch()
    {
        Window w(QStringLiteral("echo"));
        w.chooseMode(SearchMode::Identifier);
        QCOMPARE(w.marksFor(QStringLiteral("ECHO")), QStringList{});
        w.chooseMode(SearchMode::Identifier);
        QCOMPARE(w.marksFor(QStringLiteral("Echo")), QStringList{"1:0:echo"});
    }

    void nextAndPrevious_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("steps");  // n: next, p: previous
        QTest::addColumn<QString>("starts"); // the selection's start after each step
        // No wrap-around: past the last match it stays selected.
        QTest::newRow("stops at the ends") << "echo a\necho b" << int(SearchMode::Plain) << "nnnpp"
                                           << "0 7 7 0 0";
        QTest::newRow("identifier both ways")
            << "alias x echo $echo $echoes $echo" << int(SearchMode::Identifier) << "nnp"
            << "13 27 13";
        // A match in a folded body is shown.
        QTest::newRow("into a fold") << "alias a {\n  echo x\n}\necho y" << int(SearchMode::Plain) << "n"
                                     << "12";
    }

    void nextAndPrevious()
    {
        QFETCH(QString, document);
        QFETCH(int, mode);
        QFETCH(QString, steps);
        Window w(document);
        w.editor()->foldAll();
        if (mode != int(SearchMode::Plain))
            w.chooseMode(SearchMode(mode));
        w.searchBox()->setText(QStringLiteral("echo"));
        QStringList starts;
        for (const QChar step : steps) {
            step == QLatin1Char('n') ? w.win.search_next() : w.win.search_prev();
            starts << QString::number(w.editor()->textCursor().selectionStart());
            QVERIFY(w.selection().endsWith(QLatin1String("echo")));
            QVERIFY(w.editor()->textCursor().block().isVisible());
        }
        QTEST(starts.join(QLatin1Char(' ')), "starts");
    }

    void highlightAllStopsAtTheLimit()
    {
        const int words = MdiChildEditor::maxSearchMarks + 100;
        Window w(QStringLiteral("ab ").repeated(words));
        QCOMPARE(w.marksFor(QStringLiteral("ab")).size(), MdiChildEditor::maxSearchMarks);
        QCOMPARE(w.marksFor(QStringLiteral("zz")).size(), 0);
    }

    // Marks far from the view are placed when the view gets there.
    void marksFollowTheView()
    {
        const int lines = 2000;
        Window w(QStringLiteral("ab\n").repeated(lines));
        w.win.resize(400, 300);
        w.win.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.win));
        const QStringList atTop = w.marksFor(QStringLiteral("ab"));
        QVERIFY(!atTop.isEmpty() && atTop.size() < lines);
        QCOMPARE(atTop.first(), QStringLiteral("1:0:ab"));
        w.editor()->verticalScrollBar()->setValue(w.editor()->verticalScrollBar()->maximum());
        QStringList atBottom;
        for (const QTextEdit::ExtraSelection& mark : w.editor()->extraSelections())
            atBottom << QString::number(mark.cursor.blockNumber() + 1);
        QVERIFY(atBottom.contains(QString::number(lines)));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("result");
        const auto row = [](const char* name, const QString& document, const QString& search,
                            const QString& replacement, const QString& result) {
            QTest::newRow(name) << document << search << replacement << result;
        };
        row("replacement holds the text", "a a\na", "a", "aa", "aa aa\naa");
        row("to nothing", "xaxbx", "x", "", "ab");
    }

    void replaceAll()
    {
        QFETCH(QString, document);
        QFETCH(QString, search);
        QFETCH(QString, replacement);
        Window w(document);
        w.searchBox()->setText(search);
        w.replaceBox()->setText(replacement);
        w.win.search_replaceAll();
        QTEST(w.editor()->toPlainText(), "result");
        // One undo step brings the whole document back.
        w.editor()->undo();
        QCOMPARE(w.editor()->toPlainText(), document);
    }

    void replaceAllStopsAtTheLimit()
    {
        const int extra = 7;
        Window w(QStringLiteral("x").repeated(MdiChildEditor::maxReplacements + extra));
        w.searchBox()->setText(QStringLiteral("x"));
        w.replaceBox()->setText(QStringLiteral("yx"));
        w.win.search_replaceAll();
        const QString text = w.editor()->toPlainText();
        QCOMPARE(text.count(QLatin1Char('y')), MdiChildEditor::maxReplacements);
        QVERIFY(text.endsWith(QStringLiteral("yx") + QStringLiteral("x").repeated(extra)));
    }

    void replaceReplacesTheSelectionAndSelectsTheNext()
    {
        Window w(QStringLiteral("cat cat cat"));
        w.searchBox()->setText(QStringLiteral("cat"));
        w.replaceBox()->setText(QStringLiteral("dog"));
        w.win.search_replace(); // nothing selected yet: only finds the first
        QCOMPARE(w.editor()->toPlainText(), QStringLiteral("cat cat cat"));
        w.win.search_replace();
        QCOMPARE(w.editor()->toPlainText(), QStringLiteral("dog cat cat"));
        QCOMPARE(w.editor()->textCursor().selectionStart(), 4);
    }

    void gotoBar_data()
    {
        QTest::addColumn<bool>("offset");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("pressReturn");
        QTest::addColumn<int>("caret"); // -1: where it was (end of line 2)

        // Lines start at 0, 6, 12, 18; the document ends at 22.
        QTest::newRow("line") << false << "3" << true << 12;
        QTest::newRow("last line") << false << "4" << true << 18;
        QTest::newRow("line 0 with Return") << false << "0" << true << -1;
        QTest::newRow("line too far with Return") << false << "5" << true << -1;
        QTest::newRow("line too far with Go") << false << "50" << false << 18;
        QTest::newRow("line below 1 with Go") << false << "-3" << false << 0;
        QTest::newRow("offset") << true << "8" << true << 7;
        QTest::newRow("last offset") << true << "23" << true << 22;
        QTest::newRow("offset too far with Return") << true << "24" << true << -1;
        QTest::newRow("offset 0 with Go") << true << "0" << false << 0;
        QTest::newRow("offset too far with Go") << true << "99" << false << 22;
    }

    void gotoBar()
    {
        QFETCH(bool, offset);
        QFETCH(QString, number);
        QFETCH(bool, pressReturn);
        QFETCH(int, caret);
        Window w(QStringLiteral("line1\nline2\nline3\nline"));
        const int start = 11;
        QTextCursor c = w.editor()->textCursor();
        c.setPosition(start);
        w.editor()->setTextCursor(c);
        w.win.showGoto();
        if (offset)
            w.radio("Offset")->setChecked(true);
        // The validator refuses a number outside the range as it is typed;
        // the box is filled directly to see what Return does with it.
        w.gotoBox()->setText(number);
        if (pressReturn) {
            QTest::keyClick(w.gotoBox(), Qt::Key_Return);
        } else {
            for (QPushButton* b : w.win.findChildren<QPushButton*>())
                if (b->text() == QLatin1String("Go"))
                    b->click();
        }
        QCOMPARE(w.position(), caret < 0 ? start : caret);
    }

    void gotoStatusFollowsTheCaretAndTheMode()
    {
        Window w(QStringLiteral("ab\ncd\nef"));
        w.win.showGoto();
        QCOMPARE(w.label("gotoPosition") + "/" + w.label("gotoFurthest"), QStringLiteral("1/3"));
        w.editor()->moveCursor(QTextCursor::End);
        QCOMPARE(w.label("gotoPosition") + "/" + w.label("gotoFurthest"), QStringLiteral("3/3"));
        w.radio("Offset")->setChecked(true);
        QCOMPARE(w.label("gotoPosition") + "/" + w.label("gotoFurthest"), QStringLiteral("9/9"));
        w.editor()->moveCursor(QTextCursor::Start);
        QCOMPARE(w.label("gotoPosition") + "/" + w.label("gotoFurthest"), QStringLiteral("1/9"));
    }

    void onlyOneBarAtATime()
    {
        Window w(QString{});
        w.win.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.win));
        QVERIFY(!w.bar("Search")->isVisible() && !w.bar("Goto")->isVisible());
        QTest::keyClick(w.editor(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(w.bar("Search")->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.searchBox());
        QTest::keyClick(w.searchBox(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(w.bar("Goto")->isVisible() && !w.bar("Search")->isVisible());
        QCOMPARE(QApplication::focusWidget(), w.gotoBox());
        QTest::keyClick(w.gotoBox(), Qt::Key_Escape);
        QVERIFY(!w.bar("Search")->isVisible() && !w.bar("Goto")->isVisible());
    }
};

QTEST_MAIN(TestSearchBars)
#include "tst_searchbars.moc"
