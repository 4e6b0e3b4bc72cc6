#include "EditorHarness.h"
#include "TestRegistry.h"
#include "editor/CallTip.h"

#include <QStandardItemModel>
#include <QTest>

using Kind = MslTextEditor::CompletionKind;

namespace {

const QChar colourCode(0x03);

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
    void returnKeepsIndent_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caretLine");
        const auto row = [](const char* name, const QString& line, const QKeySequence& keys, const QString& text,
                            const QString& caretLine) { QTest::newRow(name) << line << keys << text << caretLine; };
        const QKeyCombination brace = Qt::SHIFT | Qt::Key_BraceLeft;
        const QKeyCombination enter = Qt::Key_Return;

        row("indent kept", "  echo x", QKeySequence(enter), "  echo x\n  ", "  |");
        row("tab indent kept as spaces", "\techo", QKeySequence(enter), "\techo\n ", " |");
        row("brace expands", "  if (x) ", QKeySequence(brace, enter), "  if (x) {\n    \n  }", "    |");
        row("root brace expands", "alias a ", QKeySequence(brace, enter), "alias a {\n  \n}", "  |");
        // The Shift pressed for the next key does not disarm the brace; any other key does.
        row("shift alone keeps the brace", "alias a ", QKeySequence(brace, Qt::SHIFT | Qt::Key_Shift, enter),
            "alias a {\n  \n}", "  |");
        row("another key disarms it", "alias a ", QKeySequence(brace, QKeyCombination(Qt::Key_Space), enter),
            "alias a { \n", "|");
        // A "{" typed without Shift (a layout that needs AltGr) arms nothing.
        row("brace without shift", "alias b ", QKeySequence(QKeyCombination(Qt::Key_BraceLeft), enter), "alias b {\n",
            "|");
        // Keypad Enter is no Return: a plain line break without indentation.
        row("keypad enter", "  echo", QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), "  echo\n", "|");
    }

    void returnKeepsIndent()
    {
        QFETCH(QString, line);
        QFETCH(QKeySequence, keys);
        TypingEditor t(line);
        t.press(keys);
        QTEST(t.text(), "text");
        QTEST(t.caretLine(), "caretLine");
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
        // A ")" typed at an automatic one steps over it.
        row("argument typed inside", "x $calc(1+2)", "x $calc(1+2)|", "");
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

    void backspaceOnEmptyPair_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selectionEnd");
        QTest::addColumn<QString>("after");

        QTest::newRow("pair") << "echo $mid()" << 10 << -1 << "echo $mid|";
        QTest::newRow("selection") << "echo $mid()" << 9 << 10 << "echo $mid|)";
        QTest::newRow("first column") << "()" << 0 << -1 << "|()";
        QTest::newRow("not a pair") << "echo (x)" << 6 << -1 << "echo |x)";
    }

    void backspaceOnEmptyPair()
    {
        QFETCH(QString, line);
        QFETCH(int, caret);
        QFETCH(int, selectionEnd);
        TypingEditor t(line);
        if (selectionEnd < 0)
            t.placeCaret(caret);
        else
            t.select(caret, selectionEnd);
        t.key(Qt::Key_Backspace);
        QTEST(t.caretLine(), "after");
    }

    void indentKeys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("after"); // the caret as "|", a selection between "[" and "]"
        const auto row = [](const char* name, const QString& text, int from, int to, const QKeySequence& key,
                            const QString& after) { QTest::newRow(name) << text << from << to << key << after; };
        const QKeySequence tab(Qt::Key_Tab);
        const QKeySequence backtab(Qt::SHIFT | Qt::Key_Backtab);

        // Without a selection either key indents at the caret.
        row("tab at the caret", "echo", 0, 0, tab, "  |echo");
        row("shift+tab at the caret", "echo", 0, 0, backtab, "  |echo");
        // "a\n b\nc\nd": "c" starts at 5.
        row("tab into the third line", "a\n b\nc\nd", 0, 6, tab, "[  a\n   b\n  c]\nd");
        row("tab up to the third line's start", "a\n b\nc\nd", 0, 5, tab, "[  a\n   b\n]c\nd");
        row("tab from inside a line", "a\n b\nc\nd", 3, 6, tab, "a\n   [b\n  c]\nd");
        row("shift+tab on two of three spaces", "   a\n   b", 0, 9, backtab, "[ a\n b]");
        row("shift+tab on one space", " a\nb", 0, 4, backtab, "[a\nb]");
        row("shift+tab on no spaces", "a\n\tb", 0, 4, backtab, "[a\n\tb]");
    }

    void indentKeys()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QKeySequence, key);
        TypingEditor t(text);
        t.select(from, to);
        t.press(key);
        const QTextCursor c = t.editor.textCursor();
        QString shown = t.text();
        if (c.hasSelection()) {
            shown.insert(c.selectionEnd(), QLatin1Char(']'));
            shown.insert(c.selectionStart(), QLatin1Char('['));
        } else {
            shown.insert(c.position(), QLatin1Char('|'));
        }
        QTEST(shown, "after");
        QVERIFY(t.editor.hasFocus()); // the key does not move the focus on
        t.editor.undo();
        QCOMPARE(t.text(), text);
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

    void dollarInsideWordOpensNothing()
    {
        TypingEditor t(inAlias(QString()));
        t.type("echo a$");
        QVERIFY(!t.popupOpen(Kind::Identifier));
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

    void periodOpensProperties_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("firstProperty");
        const auto row = [](const char* name, const QString& typed, const QString& firstProperty) {
            QTest::newRow(name) << typed << firstProperty;
        };

        row("$chan", "echo $chan(1)", "topic");
        row("no properties", "echo $calc(1)", "");
        row("not in the table", "echo $myalias(1)", "");
        row("no parentheses", "echo $chan", "");
    }

    void periodOpensProperties()
    {
        QFETCH(QString, typed);
        TypingEditor t(inAlias(typed));
        t.key('.');
        QFETCH(QString, firstProperty);
        QCOMPARE(t.popupOpen(Kind::Property), !firstProperty.isEmpty());
        QCOMPARE(t.caretLine(), typed + QStringLiteral(".|"));
        if (!firstProperty.isEmpty())
            QCOMPARE(shownItems(t.completer(Kind::Property)).first(), firstProperty);
    }

    void comPopupFollowsCommand_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("prefix"); // empty: no popup
        const auto row = [](const char* name, const QString& line, const QKeySequence& keys, const QString& prefix) {
            QTest::newRow(name) << line << keys << prefix;
        };

        row("comopen", "/comopen obj Wo", QKeySequence(Qt::Key_R), "Wor");
        row("without slash", "comopen obj Wo", QKeySequence(Qt::Key_R), "Wor");
        row("another command", "echo obj Wo", QKeySequence(Qt::Key_R), "");
        row("shifted letter closes it", "comopen obj W",
            QKeySequence(QKeyCombination(Qt::Key_O), Qt::SHIFT | Qt::Key_R), "");
    }

    void comPopupFollowsCommand()
    {
        QFETCH(QString, line);
        QFETCH(QKeySequence, keys);
        TypingEditor t(line);
        t.press(keys);
        QFETCH(QString, prefix);
        QCOMPARE(t.popupOpen(Kind::Com), !prefix.isEmpty());
        if (!prefix.isEmpty())
            QCOMPARE(t.completer(Kind::Com)->completionPrefix(), prefix);
    }

    // Keys as a menu names them, one after another.
    void popupChoiceIsInserted_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("caretLine");
        const auto row = [](const char* name, const QString& line, const char* keys, const QString& caretLine) {
            QTest::newRow(name) << line << QString(keys) << caretLine;
        };

        row("property", inAlias(QStringLiteral("echo $chan(1)")), ". T O Return", "echo $chan(1).topic|");
        row("COM class", "comopen obj wo", "R Return", "comopen obj word.Application|");
        // The comma of a colour pair keeps the popup following.
        row("colour pair", "echo ", "Ctrl+K 4 , 1 Down Return", QStringLiteral("echo ") + colourCode + "4,10|");
    }

    void popupChoiceIsInserted()
    {
        QFETCH(QString, line);
        QFETCH(QString, keys);
        TypingEditor t(line);
        for (const QString& key : keys.split(QLatin1Char(' ')))
            t.press(QKeySequence(key));
        QTEST(t.caretLine(), "caretLine");
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

    void controlCodeKeys_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("anchor"); // "say hi" with "hi" selected from here to the other end
        QTest::newRow("bold") << QKeySequence(Qt::CTRL | Qt::Key_B) << 0x02 << 4;
        QTest::newRow("bold, selected backwards") << QKeySequence(Qt::CTRL | Qt::Key_B) << 0x02 << 6;
        QTest::newRow("italics") << QKeySequence(Qt::CTRL | Qt::Key_I) << 0x1D << 4;
        QTest::newRow("underline") << QKeySequence(Qt::CTRL | Qt::Key_U) << 0x1F << 4;
        QTest::newRow("reverse") << QKeySequence(Qt::CTRL | Qt::Key_R) << 0x16 << 4;
        QTest::newRow("colour") << QKeySequence(Qt::CTRL | Qt::Key_K) << 0x03 << 4;
        QTest::newRow("plain") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O) << 0x0F << 4;
    }

    void controlCodeKeys()
    {
        QFETCH(int, anchor);
        TypingEditor t(QStringLiteral("say hi"));
        t.select(anchor, 10 - anchor);
        QFETCH(QKeySequence, key);
        t.press(key);
        QFETCH(int, code);
        const QChar c(code);
        QCOMPARE(t.caretLine(), QStringLiteral("say ") + c + QStringLiteral("|hi") + c);
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
