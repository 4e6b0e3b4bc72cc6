#include "EditorHarness.h"
#include "KorvelResources.h"
#include "TestRegistry.h"
#include "editor/LineNumberBar.h"
#include "editor/MslTextEditor.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace {

// Two components at the root, one inside a script group, and the group.
const char* const script = "; notes\n"         // 0
                           "; more\n"          // 1
                           "alias a {\n"       // 2
                           "  echo 1\n"        // 3
                           "}\n"               // 4
                           "; between\n"       // 5
                           "#grp on\n"         // 6
                           "alias b {\n"       // 7
                           "  echo 2\n"        // 8
                           "}\n"               // 9
                           "#grp end\n"        // 10
                           "on *:text:*:#:{\n" // 11
                           "  echo 3\n"        // 12
                           "}";                // 13: the last line

// Dark pixels of the gutter's number column in the row of one line, within
// the horizontal range [fromX, toX).
int inkInRow(MslTextEditor& editor, int blockNumber, int fromX, int toX)
{
    const QImage image = editor.findChild<LineNumberBar*>()->grab().toImage();
    const QRect row = editor.cursorRect(QTextCursor(editor.document()->findBlockByNumber(blockNumber)));
    int ink = 0;
    for (int y = row.top(); y <= row.bottom() && y < image.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            if (qGray(image.pixel(x, y)) < 220)
                ++ink;
    return ink;
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("echo %1").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT

private:
    void clickMarker(MslTextEditor& editor, int blockNumber)
    {
        QTextCursor c(editor.document()->findBlockByNumber(blockNumber));
        const int top = editor.cursorRect(c).top();
        auto* gutter = editor.findChild<LineNumberBar*>();
        QTest::mousePress(gutter, Qt::LeftButton, {}, QPoint(editor.gutterWidth() - 10, top + 8));
    }

    // Steps: A fold all, U unfold all, cL[.C] caret to line L (column C)
    // then fold current, uL the same then unfold current, gL the same
    // alone, kL click the marker of line L; none when empty.
    void foldSteps(MslTextEditor& editor, const QString& steps)
    {
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList place = step.mid(1).split(QLatin1Char('.'));
            const int line = place.value(0).toInt();
            if (QStringLiteral("cug").contains(step.at(0))) {
                editor.gotoLine(line + 1);
                editor.gotoColumn(place.value(1).toInt() + 1);
            }
            switch (step.at(0).toLatin1()) {
            case 'A': editor.foldAll(); break;
            case 'U': editor.unfoldAll(); break;
            case 'c': editor.foldCurrent(); break;
            case 'u': editor.unfoldCurrent(); break;
            case 'k': clickMarker(editor, line); break;
            }
        }
    }

private slots:
    void initTestCase() { initKorvelResources(); }

    void gutterNumbers()
    {
        TypingEditor t;
        MslTextEditor& editor = t.editor;
        const int digit = editor.fontMetrics().horizontalAdvance(QLatin1Char('9'));
        // Ink where the third digit from the right goes.
        auto thirdDigit = [&] {
            const int end = editor.lineNumberAreaWidth();
            return inkInRow(editor, 0, qMax(0, end - 3 * digit), end - 2 * digit);
        };

        // Line 1 of 100 lines reads 001: its leading zeros are drawn.
        editor.setPlainText(numberedLines(99));
        QCOMPARE(thirdDigit(), 0);
        editor.setPlainText(numberedLines(100));
        QVERIFY(thirdDigit() > 0);
        // The wider gutter pushes the text over: it never covers a number.
        QCOMPARE(editor.viewport()->x() - editor.contentsRect().left(), editor.findChild<LineNumberBar*>()->width());

        const int numbersEnd = editor.lineNumberAreaWidth();
        // The caret line's number is bold: the same digits carry more ink.
        editor.gotoLine(2);
        const int plain = inkInRow(editor, 0, 0, numbersEnd);
        editor.gotoLine(1);
        const int bold = inkInRow(editor, 0, 0, numbersEnd);
        QVERIFY2(bold > plain, qPrintable(QStringLiteral("bold %1, plain %2").arg(bold).arg(plain)));
    }

    void foldRules_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QString>("caret");
        const auto row = [](const char* name, const QString& steps, const QString& hidden, const QString& caret) {
            QTest::newRow(name) << steps << hidden << caret;
        };
        // The caret starts on line 12, column 3, inside the last component.
        // Only fold current moves the caret itself.
        row("fold all keeps the last line and the group", "A", "3,4,8,9,12", "12:3");
        row("unfold all", "A U", "", "12:3");
        row("click folds a component", "k2", "3,4", "12:3");
        row("click on the caret's own component", "k11", "12", "12:3");
        row("second click unfolds it", "k2 k2", "", "12:3");
        row("click folds a group with its end line", "k6", "7,8,9,10", "12:3");
        // The hidden header inside the folded group still has its hidden
        // lines after it shown; the group's first line stays hidden.
        row("unfold all opens a folded group too", "k6 A U", "", "12:3");
        row("a jump into a fold opens it", "A g3", "8,9,12", "3:0");
        row("a jump into a fold in a group", "k6 A g8", "3,4,12", "8:0");
        row("click opens a folded group", "k6 k6", "", "12:3");
        row("fold current from the body", "c3.2", "3,4", "2:0");
        row("fold current below a closing brace", "c5", "3,4", "2:0");
        row("fold current inside a group", "c9", "8,9", "7:0");
        row("fold current on the header keeps the column", "c2.4", "3,4", "2:4");
        row("component ending on the last line", "c12", "12", "11:0");
        row("fold current without a header above", "c1.1", "", "0:0");
        row("fold current on the first line", "c0.2", "", "0:2");
        row("unfold current on a folded header", "A u11", "3,4,8,9", "11:0");
        row("unfold current off a header does nothing", "A u5", "3,4,8,9,12", "5:0");
        row("a click beside the markers does nothing", "k3 k5", "", "12:3");
    }

    void foldRules()
    {
        QFETCH(QString, steps);
        QFETCH(QString, hidden);
        QFETCH(QString, caret);
        TypingEditor t(QString::fromLatin1(script));
        t.editor.gotoLine(13);
        t.editor.gotoColumn(4);
        foldSteps(t.editor, steps);
        QCOMPARE(t.hiddenLines(), hidden);
        const QTextCursor c = t.editor.textCursor();
        QCOMPARE(QStringLiteral("%1:%2").arg(c.blockNumber()).arg(c.positionInBlock()), caret);
    }

    void gotoOffsetLandsWhereCharacterStepsLand()
    {
        // Over plain lines, a combining mark, a character beyond 16 bits and
        // a control code: every offset as many NextCharacter steps from the start.
        TypingEditor t(QString::fromUtf8("ab\ne\xCC\x81x\n\xF0\x9F\x98\x80y\n\x03"
                                         "4z"));
        for (int n = 0; n <= t.editor.document()->characterCount() + 1; ++n) {
            QTextCursor stepped(t.editor.document());
            stepped.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, qMax(n - 1, 0));
            t.editor.gotoOffset(n);
            QCOMPARE(t.editor.textCursor().position(), stepped.position());
        }
    }

    void foldingShrinksTheScrollRange()
    {
        QStringList lines{QStringLiteral("alias big {")};
        for (int i = 0; i < 300; ++i)
            lines << QStringLiteral("  echo %1").arg(i);
        lines << QStringLiteral("}") << QStringLiteral("; end");
        TypingEditor t(lines.join(QLatin1Char('\n')));
        QScrollBar* bar = t.editor.verticalScrollBar();
        const int before = bar->maximum();
        t.editor.foldAll();
        QVERIFY(before > 250);
        QCOMPARE(bar->maximum(), 0);
        t.editor.unfoldAll();
        QCOMPARE(bar->maximum(), before);
    }

    void scrollStepsOverHiddenLines_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("landsOn");
        QTest::newRow("down onto hidden lines") << 0 << 10 << 20;
        QTest::newRow("up onto hidden lines") << 30 << 19 << 9;
        QTest::newRow("onto a shown line") << 0 << 5 << 5;
    }

    // Lines hidden while their layout still takes room (the view has not
    // been laid out again yet) must not become the top line.
    void scrollStepsOverHiddenLines()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, landsOn);
        TypingEditor t(numberedLines(200));
        QScrollBar* bar = t.editor.verticalScrollBar();
        bar->setValue(from);
        for (int i = 10; i < 20; ++i)
            t.editor.document()->findBlockByNumber(i).setVisible(false);
        bar->setValue(to);
        QCOMPARE(bar->value(), landsOn);
    }
};

KORVEL_TEST(TestEditor)

#include "tst_editor.moc"
