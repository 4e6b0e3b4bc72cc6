#include "EditorHarness.h"
#include "TestRegistry.h"
#include "editor/CallTip.h"

#include <QStandardItemModel>
#include <QTest>

using Kind = MslTextEditor::CompletionKind;

namespace {

// Commands are only checked inside a body: the lines under test go into one.
QString inAlias(const QString& line)
{
    return QStringLiteral("alias t {\n") + line;
}

QStringList shownItems(QCompleter* completer)
{
    QStringList items;
    for (int row = 0; row < completer->completionCount(); ++row) {
        completer->setCurrentRow(row);
        items << completer->currentCompletion();
    }
    return items;
}

} // namespace

class KeyHandlingTest : public QObject {
    Q_OBJECT

private slots:
    // Keys typed into a text with the caret at "|" or a selection from "["
    // (its anchor) to "]", and the text and caret they leave.
    void editingKeys_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const QString& before, const char* keys, const QString& after) {
            QTest::newRow(name) << before << QString(keys) << after;
        };

        row("indent kept", "  echo x|", "Return", "  echo x\n  |");
        row("tab indent kept as spaces", "\techo|", "Return", "\techo\n |");
        row("brace expands", "  if (x) |", "Shift+{ Return", "  if (x) {\n    |\n  }");
        // The Shift pressed for the next key does not disarm the brace; any other key does.
        row("shift alone keeps the brace", "alias a |", "Shift+{ Shift+Shift Return", "alias a {\n  |\n}");
        row("another key disarms it", "alias a |", "Shift+{ Space Return", "alias a { \n|");
        // A "{" typed without Shift (a layout that needs AltGr) arms nothing.
        row("brace without shift", "alias b |", "{ Return", "alias b {\n|");
        // Keypad Enter is no Return: a plain line break without indentation.
        row("keypad enter", "  echo|", "Num+Enter", "  echo\n|");

        row("backspace on an empty pair", "echo $mid(|)", "Backspace", "echo $mid|");
        row("backspace on a selected (", "echo $mid[(])", "Backspace", "echo $mid|)");
        row("backspace in the first column", "|()", "Backspace", "|()");
        row("backspace in a full pair", "echo (|x)", "Backspace", "echo |x)");
        // Only a ")" typed right at an automatic one steps over it.
        row("a ) inside an automatic pair", inAlias("x $abs|"), "( 1 2 Left )", inAlias("x $abs(1)|2)"));

        // Without a selection either key indents at the caret.
        row("tab at the caret", "|echo", "Tab", "  |echo");
        row("shift+tab at the caret", "|echo", "Shift+Backtab", "  |echo");
        row("tab into the third line", "[a\n b\nc]\nd", "Tab", "[  a\n   b\n  c]\nd");
        row("tab up to the third line's start", "[a\n b\n]c\nd", "Tab", "[  a\n   b\n]c\nd");
        row("tab from inside a line", "a\n [b\nc]\nd", "Tab", "a\n   [b\n  c]\nd");
        row("shift+tab on two of three spaces", "[   a\n   b]", "Shift+Backtab", "[ a\n b]");
        row("shift+tab on one space", "[ a\nb]", "Shift+Backtab", "[a\nb]");
        row("shift+tab on no spaces", "[a\n\tb]", "Shift+Backtab", "[a\n\tb]");

        // A control code goes on both sides of the selection.
        row("bold", "say [hi]", "Ctrl+B", "say \x02|hi\x02");
        row("bold, selected backwards", "say ]hi[", "Ctrl+B", "say \x02|hi\x02");
        row("italics", "say [hi]", "Ctrl+I", "say \x1D|hi\x1D");
        row("underline", "say [hi]", "Ctrl+U", "say \x1F|hi\x1F");
        row("reverse", "say [hi]", "Ctrl+R", "say \x16|hi\x16");
        row("colour", "say [hi]", "Ctrl+K", "say \x03|hi\x03");
        row("plain", "say [hi]", "Ctrl+Shift+O", "say \x0F|hi\x0F");

        // Choices taken from popups; the comma of a colour pair keeps the popup following.
        row("property", inAlias("echo $chan(1)|"), ". T O Return", inAlias("echo $chan(1).topic|"));
        row("COM class", "comopen obj wo|", "R Return", "comopen obj word.Application|");
        row("colour pair", "echo |", "Ctrl+K 4 , 1 Down Return",
            "echo \x03"
            "4,10|");
    }

    // No key moves the focus on; a single key (a control code's two marks
    // too) is undone in one step.
    void editingKeys()
    {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        TypingEditor t;
        t.setMarked(before);
        const QString text = t.text();
        t.keys(keys);
        QTEST(t.marked(), "after");
        QVERIFY(t.editor.hasFocus());
        if (!keys.contains(QLatin1Char(' '))) {
            t.editor.undo();
            QCOMPARE(t.text(), text);
        }
    }

    void keyStateBelongsToItsEditor()
    {
        // A "{" or an automatic "()" in one script changes nothing in another
        // one beside it, and the first one still has it.
        TypingEditor first(inAlias(QStringLiteral("echo $abs")));
        TypingEditor second(QStringLiteral("  if (x) "));
        first.key('(');
        second.key(')');
        QCOMPARE(second.text(), QStringLiteral("  if (x) )"));
        first.key(')');
        QCOMPARE(first.caretLine(), QStringLiteral("echo $abs()|"));
        first.key('{', Qt::ShiftModifier);
        second.key(Qt::Key_Return);
        QCOMPARE(second.text(), QStringLiteral("  if (x) )\n  "));
        first.key(Qt::Key_Return);
        QCOMPARE(first.caretLine(), QStringLiteral("  |"));
    }

    void typingOpensCallTips_data()
    {
        QTest::addColumn<QString>("typed"); // "\b" is Backspace, "\r" Return
        QTest::addColumn<QString>("caretLine");
        QTest::addColumn<QString>("signature"); // part of the tip's first line; "": no tip
        const auto row = [](const char* name, const char* typed, const char* caretLine, const char* signature) {
            QTest::newRow(name) << QString(typed) << QString(caretLine) << QString(signature);
        };
        const char* const current = "<strong>&lt;"; // a parameter in bold

        // In an alias call's parameters, where no command's usage is shown.
        row("identifier with a tip", "x $abs(", "x $abs(|)", current);
        row("script alias call", "x $myalias(", "x $myalias(|)", "");
        row("not an identifier", "x foo(", "x foo(|", "");
        row("inside a parameter list", "x $abs(1 + (", "x $abs(1 + (|)", current);
        row("lone dollar", "x $(", "x $(|", "");
        // A ")" typed at an automatic one steps over it (the single call is typed end to end).
        row("nested calls", "x $calc($abs(1))", "x $calc($abs(1))|", "");
        row("one more )", "x $abs())", "x $abs())|", "");
        row("backspace with the tip open", "x $abs(\b", "x $abs|", "");
        row("backspace after emptying it", "x $abs(12\b\b\b", "x $abs|", "");
        // A command's usage.
        row("after a command", "timer ", "timer |", "/timer");
        row("in its parameters", ".!/timer -m 1 ", ".!/timer -m 1 |", "/timer");
        row("a call inside them", "timer 1 1 $abs(", "timer 1 1 $abs(|)", "$abs(");
        row("after the call", "timer 1 1 $abs(2) ", "timer 1 1 $abs(2) |", "/timer");
        row("the next statement", "timer 1 | ", "timer 1 | |", "");
        row("a new line", "timer 1\r", "|", "");
        row("an alias call", "greet ", "greet |", "");
    }

    void typingOpensCallTips()
    {
        QFETCH(QString, typed);
        TypingEditor t(inAlias(QString()));
        t.type(typed.toLatin1().constData());
        QTEST(t.caretLine(), "caretLine");
        auto* tip = t.editor.findChild<CallTip*>();
        QFETCH(QString, signature);
        QCOMPARE(tip->isVisible(), !signature.isEmpty());
        if (tip->isVisible()) {
            QVERIFY2(tip->overloadList().first().signatureHtml.contains(signature),
                     qPrintable(tip->overloadList().first().signatureHtml));
            QCOMPARE(tip->currentOverloadIndex(), 0);
        }
    }

    void dollarOpensIdentifiers()
    {
        TypingEditor t(QStringLiteral("alias -l myhelper {\n}\nalias myhelper {\n}\nalias abs {\n}\nalias other {\n}\n")
                       + inAlias(QString()));
        t.type("echo $");
        QVERIFY(t.popupOpen(Kind::Identifier));
        QCompleter* c = t.completer(Kind::Identifier);
        QCOMPARE(c->completionPrefix(), QStringLiteral("$"));
        // The script's own names join the built-ins: $abs is not listed twice,
        // the second myhelper not at all.
        const auto* model = qobject_cast<QStandardItemModel*>(c->model());
        QCOMPARE(model->findItems(QStringLiteral("$abs")).size(), 1);
        QCOMPARE(model->findItems(QStringLiteral("$myhelper")).size(), 1);
        QCOMPARE(model->findItems(QStringLiteral("$other")).size(), 1);
    }

    void keysOnIdentifierPopup_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("caretLine");
        QTest::addColumn<QString>("prefix"); // empty: the popup has closed
        const auto row = [](const char* name, const char* typed, Qt::Key key, const char* caretLine,
                            const char* prefix) {
            QTest::newRow(name) << QString(typed) << QKeySequence(key) << QString(caretLine) << QString(prefix);
        };

        row("return chooses", "$myh", Qt::Key_Return, "echo $myhelper|", "");
        row("tab chooses", "$myh", Qt::Key_Tab, "echo $myhelper|", "");
        row("( ends the name", "$myh", Qt::Key_ParenLeft, "echo $myh(|)", "");
        row(") steps out of the call", "$calc($ab", Qt::Key_ParenRight, "echo $calc($ab)|", "");
        row(". narrows", "$my", Qt::Key_Period, "echo $my.|", "$my.");
        row(". closes", "$ab", Qt::Key_Period, "echo $ab.|", "");
    }

    void keysOnIdentifierPopup()
    {
        TypingEditor t(QStringLiteral("alias myhelper {\n}\nalias my.tool {\n}\n") + inAlias(QStringLiteral("echo ")));
        QFETCH(QString, typed);
        t.type(typed.toLatin1().constData());
        QVERIFY(t.popupOpen(Kind::Identifier));
        QFETCH(QKeySequence, key);
        t.press(key);
        QTEST(t.caretLine(), "caretLine");
        QFETCH(QString, prefix);
        QCOMPARE(t.popupOpen(Kind::Identifier), !prefix.isEmpty());
        if (!prefix.isEmpty())
            QCOMPARE(shownItems(t.completer(Kind::Identifier)), QStringList{QStringLiteral("$my.tool")});
    }

    void popupsOpenAtCaret()
    {
        TypingEditor t(inAlias(QStringLiteral("echo ")));
        const auto caretX = [&t] { return t.editor.viewport()->mapToGlobal(t.editor.cursorRect().topLeft()).x(); };
        auto* tip = t.editor.findChild<CallTip*>();
        t.key(' ');
        QVERIFY(tip->isVisible()); // the command's tip
        t.key('$');
        const QRect popup = t.completer(Kind::Identifier)->popup()->geometry();
        QCOMPARE(popup.left(), caretX());
        // The tip never covers the popup.
        QVERIFY(!tip->isVisible() || !QRect(tip->mapToGlobal(QPoint()), tip->size()).intersects(popup));
        t.type("abs");
        const int parenX = caretX();
        t.key('(');
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->mapToGlobal(QPoint()).x(), parenX);
    }

    // A popup opens where its list applies, showing what was typed (its
    // prefix) and, first, what it offers, as "prefix:first"; "" when closed.
    void popupOpensForItsList_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const QString& before, const char* keys, Kind kind, const char* shown) {
            QTest::newRow(name) << before << QString(keys) << int(kind) << QString(shown);
        };

        row("$chan properties", inAlias("echo $chan(1)|"), ".", Kind::Property, ":topic");
        row("no properties", inAlias("echo $calc(1)|"), ".", Kind::Property, "");
        row("not in the property table", inAlias("echo $myalias(1)|"), ".", Kind::Property, "");
        row("properties need parentheses", inAlias("echo $chan|"), ".", Kind::Property, "");
        row("$ inside a word", inAlias("echo a|"), "$", Kind::Identifier, "");
        row("comopen", "/comopen obj Wo|", "R", Kind::Com, "Wor:Word.Application");
        row("comopen without slash", "comopen obj Wo|", "R", Kind::Com, "Wor:Word.Application");
        row("another command", "echo obj Wo|", "R", Kind::Com, "");
        row("shifted letter closes it", "comopen obj W|", "O Shift+R", Kind::Com, "");
    }

    void popupOpensForItsList()
    {
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(int, kind);
        TypingEditor t;
        t.setMarked(before);
        t.keys(keys);
        QCompleter* c = t.completer(Kind(kind));
        QTEST(t.popupOpen(Kind(kind)) ? c->completionPrefix() + ':' + shownItems(c).value(0) : QString(), "shown");
    }

    void ctrlSpaceCompletesCommands()
    {
        TypingEditor t(inAlias(QStringLiteral("x | .tim")));
        t.key(Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(t.popupOpen(Kind::Command));
        QVERIFY(t.completer(Kind::Command)->currentIndex().data(Qt::ToolTipRole).toString().contains("Switches: -"));
        t.key('e');
        t.key(Qt::Key_Return);
        QCOMPARE(t.caretLine(), QStringLiteral("x | .timer|"));
    }

    void commaMovesCallTipParameter()
    {
        // $ has two overloads; after the comma the second parameter is current,
        // which only the second overload has.
        TypingEditor t(inAlias(QStringLiteral("echo $(abc")));
        t.key(',');
        auto* tip = t.editor.findChild<CallTip*>();
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->overloadList().size(), 2);
        QVERIFY(!tip->overloadList().at(0).signatureHtml.contains(QLatin1String("<strong>")));
        QVERIFY(tip->overloadList().at(1).signatureHtml.contains(QLatin1String("<strong>&lt;N&gt;</strong>")));
        t.key(Qt::Key_Down);
        QCOMPARE(tip->currentOverloadIndex(), 1);
        QCOMPARE(t.caretLine(), QStringLiteral("echo $(abc,|"));
        t.key(Qt::Key_Left);
        t.key(Qt::Key_Left);
        QVERIFY(tip->isVisible());
        t.key(Qt::Key_Home);
        t.key(Qt::Key_Right);
        QVERIFY(!tip->isVisible());
    }

    // The Edit menu's entries call the editor directly: they take no code
    // either, and the colour one opens no popup to insert one later.
    void readOnlyIgnoresEditingRules()
    {
        TypingEditor t(QStringLiteral("  echo"));
        t.editor.setReadOnly(true);
        t.key(Qt::Key_Return);
        t.key(Qt::Key_Tab);
        t.key(Qt::Key_K, Qt::ControlModifier);
        t.editor.selectAll();
        t.editor.insertBold();
        t.editor.insertColors();
        QCOMPARE(t.text(), QStringLiteral("  echo"));
        QVERIFY(!t.popupOpen(Kind::Colour));
        QVERIFY(!t.editor.document()->isModified());
    }

    void foldedLinesStayReachable_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("hidden");

        // "alias a {" / "  echo 1" / "}" / "echo x", folded: lines 1 and 2 hidden.
        QTest::newRow("backspace on the line after the fold") << 21 << int(Qt::Key_Backspace) << "";
        QTest::newRow("return at the header's end") << 9 << int(Qt::Key_Return) << "";
        QTest::newRow("the header's brace deleted") << 9 << int(Qt::Key_Backspace) << "";
        QTest::newRow("the header still opening the fold") << 9 << int(Qt::Key_Space) << "1,2";
    }

    void foldedLinesStayReachable()
    {
        TypingEditor t(QStringLiteral("alias a {\n  echo 1\n}\necho x"));
        t.placeCaret(0);
        t.editor.foldCurrent();
        QFETCH(int, caret);
        t.placeCaret(caret);
        QFETCH(int, key);
        t.key(Qt::Key(key));
        QTEST(t.hiddenLines(), "hidden");
    }
};

KORVEL_TEST(KeyHandlingTest)

#include "tst_keyhandling.moc"
