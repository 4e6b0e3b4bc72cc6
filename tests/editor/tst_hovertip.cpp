#include "EditorHarness.h"
#include "TestRegistry.h"
#include "checker/tables/CommandNames.h"
#include "editor/CallTip.h"
#include "editor/HoverTip.h"
#include "editor/IdentifierTips.h"
#include "editor/MslTextEditor.h"
#include "reference/CommandTipTexts.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

namespace {

// Line 1 (0-based) holds every case; its columns:
//   2 echo 6 | 7 $abs(-1) 14 | 16 $count( 23 $chr(x) 29 ,2) 32 | 34 $chan | 40 $foo(a) 46
// ($foo is no built-in identifier.)
const char* const script = "alias a {\n"
                           "  echo $abs(-1) $count($chr(x),2) $chan $foo(a)\n"
                           "}";
constexpr int bodyLine = 1;

struct CheckedEditor : TypingEditor {
    CheckedEditor()
        : TypingEditor(QString::fromLatin1(script))
    {
    }

    QTimer* hoverTimer() { return editor.findChild<QTimer*>(QStringLiteral("hoverTimer")); }
    CallTip* callTip() { return editor.findChild<CallTip*>(); }
    QTextBlock body() { return editor.document()->findBlockByNumber(bodyLine); }

    // A viewport point whose nearest caret position is column of the body line.
    QPoint pointAt(int column)
    {
        QTextCursor c(body());
        c.setPosition(body().position() + column);
        const QRect caret = editor.cursorRect(c);
        return QPoint(caret.left() + 1, caret.center().y());
    }

    void mouse(QEvent::Type type, int column, Qt::MouseButtons buttons = Qt::NoButton)
    {
        const QPoint local = pointAt(column);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, editor.viewport()->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(editor.viewport(), &event);
    }

    // Rests the mouse at column: the move starts the delay, whose end is
    // then called at once rather than waited for.
    void hover(int column)
    {
        mouse(QEvent::MouseMove, column);
        QVERIFY(hoverTimer()->isActive());
        editor.processMouseHover();
        QVERIFY(!hoverTimer()->isActive());
    }

    bool onlyCaretLineMarked()
    {
        const auto selections = editor.extraSelections();
        return selections.size() == 1 && selections.first().format.boolProperty(QTextFormat::FullWidthSelection);
    }
};

void hideToolTip()
{
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

} // namespace

class TestHoverTip : public QObject {
    Q_OBJECT

private slots:
    void init() { hideToolTip(); }

    void hoverShowsTheInnermostCall_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("nameStart");
        QTest::newRow("on the name") << 9 << "$abs" << 7;
        QTest::newRow("right after the $") << 8 << "$abs" << 7;
        QTest::newRow("before the closing parenthesis") << 14 << "$abs" << 7;
        QTest::newRow("nested: the inner name") << 25 << "$chr" << 23;
        QTest::newRow("nested: the outer name") << 19 << "$count" << 16;
        QTest::newRow("nested: before the inner $") << 23 << "$count" << 16;
        QTest::newRow("nested: after the inner call") << 31 << "$count" << 16;
        QTest::newRow("command") << 3 << "echo" << 2;
        QTest::newRow("command's last letter") << 6 << "echo" << 2;
        // No name: no tip, and the caret line stays the only mark.
        QTest::newRow("blank") << 1 << "" << -1;
        QTest::newRow("before the $") << 7 << "" << -1;
        QTest::newRow("after the closing parenthesis") << 15 << "" << -1;
        QTest::newRow("built-in without parentheses") << 36 << "$chan" << 34;
        QTest::newRow("not a built-in") << 42 << "" << -1;
    }

    void hoverShowsTheInnermostCall()
    {
        QFETCH(int, column);
        QFETCH(QString, name);
        QFETCH(int, nameStart);
        CheckedEditor e;
        e.hover(column);
        if (name.isEmpty()) {
            QVERIFY(!QToolTip::isVisible());
            QVERIFY(e.onlyCaretLineMarked());
            return;
        }

        QTRY_VERIFY(QToolTip::isVisible());
        const CommandEntry* command = CommandNames::find(name);
        QCOMPARE(QToolTip::text(), command ? commandHoverHtml(*command) : identifierHoverTipHtml(name));
        QVERIFY(!QToolTip::text().isEmpty());

        const auto selections = e.editor.extraSelections();
        QCOMPARE(selections.size(), 1);
        const QTextEdit::ExtraSelection& mark = selections.first();
        QCOMPARE(mark.cursor.selectionStart(), e.body().position() + nameStart);
        QCOMPARE(mark.cursor.selectedText(), name);

        // The next caret move gives the line highlight back.
        e.editor.moveCursor(QTextCursor::Start);
        QVERIFY(e.onlyCaretLineMarked());
    }

    // The one case that waits for the real delay: the timer is made on the
    // first move, over the editor, and its end shows the tip.
    void restingMouseShowsTheTipAfterTheDelay()
    {
        CheckedEditor e;
        QVERIFY(!e.hoverTimer());
        e.mouse(QEvent::MouseMove, 9);
        QVERIFY(e.hoverTimer());
        QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 10000); // a loaded machine may be late
        QCOMPARE(QToolTip::text(), identifierHoverTipHtml(QStringLiteral("$abs")));
        QVERIFY(!e.hoverTimer()->isActive());
        e.mouse(QEvent::MouseMove, 3);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void callTipSilencesMouseMoves()
    {
        CheckedEditor e;
        QVERIFY(e.callTip()->showTip(QStringLiteral("$crc"), 0, QPoint(0, 0)));
        e.mouse(QEvent::MouseMove, 9);
        QVERIFY(!e.hoverTimer());

        // A delay that started before the call tip opened still ends in a tip.
        e.callTip()->hide();
        e.mouse(QEvent::MouseMove, 9);
        e.callTip()->show();
        QVERIFY(e.hoverTimer()->isActive());
        e.editor.processMouseHover();
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), identifierHoverTipHtml(QStringLiteral("$abs")));
    }

    void callTipStopsDragSelectionUntilRelease()
    {
        CheckedEditor e;
        e.mouse(QEvent::MouseButtonPress, 7, Qt::LeftButton);
        QVERIFY(e.callTip()->showTip(QStringLiteral("$crc"), 0, QPoint(0, 0)));
        e.mouse(QEvent::MouseMove, 15, Qt::LeftButton);
        QVERIFY(!e.editor.textCursor().hasSelection());
        e.mouse(QEvent::MouseButtonRelease, 15);
        QVERIFY(!e.callTip()->isVisible());
    }

    // A pending hover is dropped with the focus, and so is the call tip.
    void leavingTheEditorEndsBothTips()
    {
        CheckedEditor e;
        e.mouse(QEvent::MouseMove, 9);
        QVERIFY(e.hoverTimer()->isActive());
        QVERIFY(e.callTip()->showTip(QStringLiteral("$crc"), 0, QPoint(0, 0)));
        QLineEdit other;
        other.show();
        QApplication::setActiveWindow(&other);
        QTRY_VERIFY(!e.editor.hasFocus());
        QVERIFY(!e.callTip()->isVisible());
        QVERIFY(!e.hoverTimer()->isActive());
    }
};

KORVEL_TEST(TestHoverTip)

#include "tst_hovertip.moc"
