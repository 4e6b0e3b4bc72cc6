#include "checker/tables/CommandNames.h"
#include "checker/tables/IdentifierParameters.h"
#include "editor/CallTip.h"
#include "editor/IdentifierTips.h"

#include <QtTest>

namespace {

const QString signatureStart = QStringLiteral("<p style='white-space:pre-wrap; margin:0;'>");
const QString hoverStart = QStringLiteral("<p style='white-space:pre'>");

QStringList paramsOf(const char* const* params)
{
    QStringList list;
    for (int k = 0; k < identifierMaxParams && params[k] && params[k][0]; ++k)
        list << QString::fromLatin1(params[k]);
    return list;
}

// Stands in for the editor: records the keys the tip passes on.
class KeySink : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys << e->key(); }
};

} // namespace

class TestCallTips : public QObject {
    Q_OBJECT

private slots:
    // Descriptions and switches are shown as HTML: a stray "<" or "&" would garble them.
    void descriptionsAreSafeHtml()
    {
        for (int i = 0; i < IdentifierParameters::count(); ++i) {
            const IdentifierParameterEntry& e = IdentifierParameters::at(i);
            QVERIFY2(!paramsOf(e.overloads[0].params).isEmpty() && !paramsOf(e.hover).isEmpty(), e.name);
            for (const IdentifierOverload& overload : e.overloads) {
                const QByteArray description(overload.description);
                QVERIFY2(!description.contains('<') && !description.contains('&'), e.name);
            }
        }
        for (const CommandEntry& e : CommandNames::entries) {
            const QByteArray shown = QByteArray(e.description) + e.switches;
            QVERIFY2(!shown.contains('<') && !shown.contains('&'), e.name);
        }
    }

    void callTipSignatures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("paramIndex");
        QTest::addColumn<int>("overload");
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QString>("description"); // null: not checked
        const auto row = [](const char* label, const QString& name, int paramIndex, int overload,
                            const QString& signature, const QString& description) {
            QTest::newRow(label) << name << paramIndex << overload << signature << description;
        };

        // Escaped for HTML, nothing bold without a current parameter.
        row("$crc 3", "$crc", -1, 2, "$crc(&lt;&amp;Bvar&gt;, 1)",
            "Returns the CRC-32 checksum for the specified binary variable.");
        // The current parameter in bold.
        row("literal in bold", "$crc", 1, 1, "$crc(&lt;String&gt;, <strong>0</strong>)", QString());
        row("index past the last", "$abs", 3, 0, "$abs(&lt;Number&gt;)", QString());
        row("name as the table spells it", "$GetTok", 2, 0,
            "$gettok(&lt;string&gt;, &lt;N[-[N2]]&gt;, <strong>&lt;delimiter&gt;</strong>)", QString());
    }

    void callTipSignatures()
    {
        QFETCH(QString, name);
        QFETCH(int, paramIndex);
        QFETCH(int, overload);
        QFETCH(QString, signature);
        QFETCH(QString, description);

        KeySink editor;
        CallTip tip(&editor);
        QVERIFY(buildCallTip(name, &tip, paramIndex));
        const QList<CallTipOverload>& list = tip.overloadList();
        QVERIFY(overload < list.size());
        QCOMPARE(list.at(overload).signatureHtml, signatureStart + signature + QStringLiteral("</p>"));
        if (!description.isNull())
            QCOMPARE(list.at(overload).descriptionHtml, description);
    }

    void hoverHtmlEscapesAndMarks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("boldIndex");
        QTest::addColumn<QString>("html");
        const auto row = [](const char* label, const QString& name, int boldIndex, const QString& html) {
            QTest::newRow(label) << name << boldIndex << html;
        };

        row("optional parameters", "$input", -1,
            hoverStart + "$input(&lt;message&gt;, [options], [window], [title], [input_text])</p>");
        row("ampersand before angle brackets", "$bvar", 0,
            hoverStart + "$bvar(<b>&lt;&amp;binvar&gt;</b>, &lt;N&gt;, [M])</p>");
        row("bold text with a comma inside", "$input", 1,
            hoverStart + "$input(&lt;message&gt;, <b>[options], [window]</b>, [title], [input_text])</p>");
        row("bold past the last", "$abs", 4, hoverStart + "$abs(&lt;number&gt;)</p>");
        row("any case", "$ABS", -1, hoverStart + "$abs(&lt;number&gt;)</p>");
        row("not built in", "$foo", -1, QString());
        row("without dollar", "abs", -1, QString());
    }

    void hoverHtmlEscapesAndMarks()
    {
        QFETCH(QString, name);
        QFETCH(int, boldIndex);
        QTEST(identifierHoverHtml(name, boldIndex), "html");
    }

    void overloadIndexFollowsTheList()
    {
        KeySink editor;
        CallTip tip(&editor);
        QVERIFY(buildCallTip("$crc", &tip, 0));
        tip.setCurrentOverload(9);
        QCOMPARE(tip.currentOverloadIndex(), 3);
        tip.setCurrentOverload(2);
        QCOMPARE(tip.currentOverloadIndex(), 2);

        // A name without call tip leaves the list and the index alone.
        const QList<CallTipOverload> before = tip.overloadList();
        for (const QString& name : {QStringLiteral("$foo"), QStringLiteral("crc"), QStringLiteral("$crc2"), QString()})
            QVERIFY2(!buildCallTip(name, &tip, 0), qPrintable(name));
        QCOMPARE(tip.overloadList(), before);
        QCOMPARE(tip.currentOverloadIndex(), 2);
        QVERIFY(!tip.showTip("$foo", 0, QPoint(5, 5)));
        QVERIFY(tip.isHidden());

        // A new list keeps the index where it still exists, and puts it on the
        // last overload where it does not.
        QVERIFY(buildCallTip("$abook", &tip, 0));
        QCOMPARE(tip.currentOverloadIndex(), 2);
        QVERIFY(buildCallTip("$", &tip, 0));
        QCOMPARE(tip.currentOverloadIndex(), 1);
        QVERIFY(buildCallTip("$abs", &tip, 0));
        QCOMPARE(tip.currentOverloadIndex(), 0);
    }

    void keysEndOrKeepTheTip_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<bool>("reachesEditor");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        // $crc has four overloads; only Up and Down (without modifiers) move
        // between them, wrapping around at the ends.
        const int none = Qt::NoModifier;
        QTest::newRow("down") << int(Qt::Key_Down) << none << true << false << 1 << 2;
        QTest::newRow("down on the last") << int(Qt::Key_Down) << none << true << false << 3 << 0;
        QTest::newRow("up on the first") << int(Qt::Key_Up) << none << true << false << 0 << 3;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << false << false << 0 << 0;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << false << true << 0 << 0;
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << false << true << 0 << 0;
        QTest::newRow("letter") << int(Qt::Key_A) << none << true << true << 1 << 1;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << none << true << true << 0 << 0;
        QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << true << true << 0 << 0;
        QTest::newRow("left") << int(Qt::Key_Left) << none << false << true << 0 << 0;
        QTest::newRow("ctrl+down") << int(Qt::Key_Down) << int(Qt::ControlModifier) << false << true << 0 << 0;
        QTest::newRow("alt+letter") << int(Qt::Key_A) << int(Qt::AltModifier) << false << true << 0 << 0;
    }

    void keysEndOrKeepTheTip()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, from);

        KeySink editor;
        editor.setFocusPolicy(Qt::StrongFocus);
        CallTip tip(&editor);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QVERIFY(tip.showTip("$crc", 0, QPoint(0, 0)));
        tip.setCurrentOverload(from);
        tip.setFocus();

        QTest::keyClick(&tip, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTEST(tip.isVisible(), "staysOpen");
        QTEST(editor.keys.contains(key), "reachesEditor");
        QTEST(tip.currentOverloadIndex(), "to");
        // A tip that ends gives the focus back to the editor.
        QCOMPARE(editor.hasFocus(), !tip.isVisible());
    }

    // A tip opened near the right edge of a narrow editor stays inside it,
    // its long texts wrapped; in a wide editor it stays where it was put.
    void tipStaysInsideTheEditor()
    {
        KeySink editor;
        editor.resize(320, 400);
        editor.show();
        CallTip tip(&editor);
        QVERIFY(tip.showTip("$input", 0, QPoint(250, 20)));
        QVERIFY2(tip.geometry().right() < editor.width(), qPrintable(QString::number(tip.geometry().right())));
        QCOMPARE(tip.y(), 20);
        const int wrappedHeight = tip.height();

        editor.resize(2000, 400);
        QVERIFY(tip.showTip("$input", 0, QPoint(250, 20)));
        QCOMPARE(tip.pos(), QPoint(250, 20));
        QVERIFY(tip.height() < wrappedHeight);
    }

    void arrowClicksSwitchOverloads()
    {
        KeySink editor;
        editor.resize(600, 200);
        CallTip tip(&editor);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(tip.showTip("$crc", 0, QPoint(10, 10)));
        // The arrows get their click areas when the tip paints.
        tip.grab();

        const QFontMetrics fm = tip.fontMetrics();
        const QPoint prevArrow(3 + arrowBoxWidth / 2, fm.height() / 2);
        const QPoint nextArrow(3 + arrowBoxWidth + fm.horizontalAdvance("1 of 4") + arrowBoxWidth / 2, fm.height() / 2);

        const auto click = [&tip](QPoint at) {
            QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, at);
            tip.grab();
            return tip.currentOverloadIndex();
        };
        QCOMPARE(click(prevArrow), 3);
        QCOMPARE(click(nextArrow), 0);
        QCOMPARE(click(nextArrow), 1);
        // A click on the text changes nothing and keeps the tip open.
        QCOMPARE(click(QPoint(tip.width() - 4, tip.height() - 4)), 1);
        QVERIFY(tip.isVisible());
    }
};

QTEST_MAIN(TestCallTips)
#include "tst_calltips.moc"
