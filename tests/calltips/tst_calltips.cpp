#include "CallTip.h"
#include "IdentifierTips.h"
#include "reference/CallTipTable.h"
#include "reference/HoverTable.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

const QString callTipNames = QStringLiteral(
    "$ $abook $abs $address $addtok $addtokcs $agent $alias $and $ansi2mirc $aop $asc $asctime $asin $atan "
    "$avoice $base $bfind $bindip $bitoff $biton $bvar $bytes $calc $cb $ceil $chan $chat $chr $click $cnick "
    "$com $comcall $comchan $compress $comval $cos $count $countcs $crc $ctime $date $dccignore $dde $decode "
    "$decompress $deltok $dialog $did $didreg $didtok $didwm $disk $dll $dllcall $dns $duration $editbox "
    "$encode $eval $exists $fgetc $file $finddir $findfile $findtok $findtokcs $fline $floor $fopen $fread "
    "$fserve $get $getdir $getdot $gettok $gmt $group");
const QString hoverOnlyNames = QStringLiteral(
    "$hash $height $hfind $hget $highlight $ial $ialchan $ibl $iel $ignore $iif $iil $inellipse $ini $inpoly "
    "$input $inrect $inroundrect $instok $int $iptype $isalias $isbit");

const QString signatureStart = QStringLiteral("<p style='white-space:pre; margin:0;'>");
const QString hoverStart = QStringLiteral("<p style='white-space:pre'>");

QStringList paramsOf(const char* const* params, int max)
{
    QStringList list;
    for (int k = 0; k < max && params[k] && params[k][0]; ++k)
        list << QString::fromLatin1(params[k]);
    return list;
}

const CallTipEntry* callTipEntry(const char* name)
{
    for (const CallTipEntry* e = callTipTable; e->name; ++e) {
        if (qstrcmp(e->name, name) == 0)
            return e;
    }
    return nullptr;
}

int overloadCount(const CallTipEntry& entry)
{
    int n = 0;
    while (n < callTipMaxOverloads && entry.overloads[n].params[0] && entry.overloads[n].params[0][0])
        ++n;
    return n;
}

// Stands in for the editor: records the keys the tip passes on.
class KeySink : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* e) override { keys << e->key(); }
};

} // namespace

class TestCallTips : public QObject
{
    Q_OBJECT
private slots:
    void callTipTableHoldsItsNamesInOrder();
    void hoverTableHoldsItsNamesInOrder();
    void everyEntryHasContent();
    void quotedCallTipsAreKeptWordForWord_data();
    void quotedCallTipsAreKeptWordForWord();
    void quotedHoverTextsAreKeptWordForWord_data();
    void quotedHoverTextsAreKeptWordForWord();
    void signatureMarksCurrentParameter_data();
    void signatureMarksCurrentParameter();
    void unknownNameLeavesTipUntouched();
    void hoverHtmlEscapesAndMarks_data();
    void hoverHtmlEscapesAndMarks();
    void overloadIndexIsClamped();
    void arrowKeysWrapAround();
    void keysEndOrKeepTheTip_data();
    void keysEndOrKeepTheTip();
    void escapeAndReturnGiveFocusBack();
    void arrowClicksSwitchOverloads();
    void paintsFrameAndSizesToContent();
};

void TestCallTips::callTipTableHoldsItsNamesInOrder()
{
    QStringList names;
    for (const CallTipEntry* e = callTipTable; e->name; ++e)
        names << QString::fromLatin1(e->name);
    QCOMPARE(names.size(), 78);
    QCOMPARE(names, callTipNames.split(QLatin1Char(' ')));
}

void TestCallTips::hoverTableHoldsItsNamesInOrder()
{
    QStringList names;
    for (const HoverEntry* e = hoverTable; e->name; ++e)
        names << QString::fromLatin1(e->name);
    QCOMPARE(names.size(), 101);
    QCOMPARE(names, (callTipNames + QLatin1Char(' ') + hoverOnlyNames).split(QLatin1Char(' ')));
    QCOMPARE(names.first(), QStringLiteral("$"));
    QCOMPARE(names.last(), QStringLiteral("$isbit"));
}

void TestCallTips::everyEntryHasContent()
{
    for (const CallTipEntry* e = callTipTable; e->name; ++e) {
        const int count = overloadCount(*e);
        QVERIFY2(count >= 1, e->name);
        for (int i = 0; i < count; ++i) {
            const CallTipOverloadData& o = e->overloads[i];
            QVERIFY2(o.description && o.description[0], e->name);
            // Descriptions are shown as HTML: a stray "<" or "&" would garble them.
            QVERIFY2(!QByteArray(o.description).contains('<') && !QByteArray(o.description).contains('&'), e->name);
            // No parameter may follow an empty slot: it would never be shown.
            const int shown = paramsOf(o.params, callTipMaxParams).size();
            for (int k = shown; k < callTipMaxParams; ++k)
                QVERIFY2(!o.params[k], e->name);
        }
        for (int i = count; i < callTipMaxOverloads; ++i)
            QVERIFY2(!e->overloads[i].params[0] && !e->overloads[i].description, e->name);
    }
    for (const HoverEntry* e = hoverTable; e->name; ++e) {
        const int shown = paramsOf(e->params, hoverMaxParams).size();
        QVERIFY2(shown >= 1, e->name);
        for (int k = shown; k < hoverMaxParams; ++k)
            QVERIFY2(!e->params[k], e->name);
        for (int k = 0; k < shown; ++k) {
            const QString text = QString::fromLatin1(e->params[k]);
            QVERIFY2(text.startsWith(QLatin1Char('<')) || text.startsWith(QLatin1Char('[')), e->name);
        }
    }
}

void TestCallTips::quotedCallTipsAreKeptWordForWord_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("overload");
    QTest::addColumn<QStringList>("params");
    QTest::addColumn<QString>("description");

    QTest::newRow("$ 1") << QByteArray("$") << 0 << QStringList{"Statement"} << "Evaluates the statement once.";
    QTest::newRow("$ 2") << QByteArray("$") << 1 << QStringList{"Statement", "N"} << "Evaluates the statement N times.";
    QTest::newRow("$abook 1") << QByteArray("$abook") << 0 << QStringList{"Nick"}
                              << "Returns info about a person from the address book.";
    QTest::newRow("$abook 2") << QByteArray("$abook") << 1 << QStringList{"Nth"}
                              << "Returns info about the Nth person from the address book.";
    QTest::newRow("$abook 3") << QByteArray("$abook") << 2 << QStringList{"Wildcard Nick"}
                              << "Returns info about the first person matching the wildcard name from the address book.";
    QTest::newRow("$abook 4") << QByteArray("$abook") << 3 << QStringList{"Wildcard Nick", "Nth"}
                              << "Returns info about the Nth person matching the wildcard name from the address book.";
    QTest::newRow("$crc 1") << QByteArray("$crc") << 0 << QStringList{"FileName"}
                            << "Returns the CRC-32 checksum for the specified filename.";
    QTest::newRow("$crc 2") << QByteArray("$crc") << 1 << QStringList{"String", "~~0"}
                            << "Returns the CRC-32 checksum for the specified string.";
    QTest::newRow("$crc 3") << QByteArray("$crc") << 2 << QStringList{"&Bvar", "~~1"}
                            << "Returns the CRC-32 checksum for the specified binary variable.";
    QTest::newRow("$crc 4") << QByteArray("$crc") << 3 << QStringList{"FileName", "~~2"}
                            << "Returns the CRC-32 checksum for the specified filename.";
    QTest::newRow("$com longest") << QByteArray("$com") << 6
                                  << QStringList{"hName", "Member", "Invoke Method", "Type1", "Value1", "...", "...", "TypeN", "ValueN"}
                                  << "Invokes a member of a COM object.";
    QTest::newRow("$gettok") << QByteArray("$gettok") << 0 << QStringList{"string", "N[-[N2]]", "delimiter"}
                             << "Returns the Nth token from string separated by the specified delimited";
}

void TestCallTips::quotedCallTipsAreKeptWordForWord()
{
    QFETCH(QByteArray, name);
    QFETCH(int, overload);
    QFETCH(QStringList, params);
    QFETCH(QString, description);

    const CallTipEntry* entry = callTipEntry(name.constData());
    QVERIFY(entry);
    QVERIFY(overload < overloadCount(*entry));
    QCOMPARE(paramsOf(entry->overloads[overload].params, callTipMaxParams), params);
    QCOMPARE(QString::fromLatin1(entry->overloads[overload].description), description);

    static const QHash<QByteArray, int> counts{{"$", 2}, {"$abook", 4}, {"$crc", 4}, {"$com", 7}, {"$gettok", 1}};
    QCOMPARE(overloadCount(*entry), counts.value(name));
    if (name == "$com") {
        for (int i = 0; i < overloadCount(*entry); ++i)
            QVERIFY(paramsOf(entry->overloads[i].params, callTipMaxParams).size() <= params.size());
    }
}

void TestCallTips::quotedHoverTextsAreKeptWordForWord_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("html");

    QTest::newRow("$") << "$" << hoverStart + "$(&lt;Statement&gt;, [Nth])</p>";
    QTest::newRow("$abs") << "$abs" << hoverStart + "$abs(&lt;number&gt;)</p>";
    QTest::newRow("$chan") << "$chan" << hoverStart + "$chan(&lt;Nth/#chan&gt;)</p>";
    QTest::newRow("$gettok") << "$gettok" << hoverStart + "$gettok(&lt;string&gt;, &lt;N[-[N2]]&gt;, &lt;delimiter&gt;)</p>";
    QTest::newRow("$inpoly") << "$inpoly"
                             << hoverStart + "$inpoly(&lt;x&gt;, &lt;y&gt;, [point1_x], [point1_y], [point2_x], [point2_y], [...])</p>";
    QTest::newRow("$input") << "$input"
                            << hoverStart + "$input(&lt;message&gt;, [options], [window], [title], [input_text])</p>";
}

void TestCallTips::quotedHoverTextsAreKeptWordForWord()
{
    QFETCH(QString, name);
    QFETCH(QString, html);
    QCOMPARE(identifierHoverHtml(name), html);
}

void TestCallTips::signatureMarksCurrentParameter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("paramIndex");
    QTest::addColumn<int>("overload");
    QTest::addColumn<QString>("signature");

    QTest::newRow("literal in bold") << "$crc" << 1 << 1
                                     << signatureStart + "$crc(&lt;String&gt;, <strong>0</strong>)</p>";
    QTest::newRow("literal not current") << "$crc" << 0 << 1
                                         << signatureStart + "$crc(<strong>&lt;String&gt;</strong>, 0)</p>";
    QTest::newRow("ampersand escaped") << "$crc" << 0 << 2
                                       << signatureStart + "$crc(<strong>&lt;&amp;Bvar&gt;</strong>, 1)</p>";
    QTest::newRow("index past the last") << "$abs" << 3 << 0 << signatureStart + "$abs(&lt;Number&gt;)</p>";
    QTest::newRow("one-parameter overload of $") << "$" << 1 << 0 << signatureStart + "$(&lt;Statement&gt;)</p>";
    QTest::newRow("second overload of $") << "$" << 1 << 1
                                          << signatureStart + "$(&lt;Statement&gt;, <strong>&lt;N&gt;</strong>)</p>";
    QTest::newRow("name as the table spells it") << "$GetTok" << 2 << 0
                                                 << signatureStart
            + "$gettok(&lt;string&gt;, &lt;N[-[N2]]&gt;, <strong>&lt;delimiter&gt;</strong>)</p>";
}

void TestCallTips::signatureMarksCurrentParameter()
{
    QFETCH(QString, name);
    QFETCH(int, paramIndex);
    QFETCH(int, overload);
    QFETCH(QString, signature);

    KeySink editor;
    CallTip tip(&editor);
    QVERIFY(buildCallTip(name, &tip, paramIndex));
    QVERIFY(overload < tip.overloadList().size());
    QCOMPARE(tip.overloadList().at(overload).signatureHtml, signature);
    QCOMPARE(tip.overloadList(), callTipOverloads(name, paramIndex));
}

void TestCallTips::unknownNameLeavesTipUntouched()
{
    KeySink editor;
    CallTip tip(&editor);
    QVERIFY(buildCallTip("$crc", &tip, 0));
    tip.setCurrentOverload(2);
    const QList<CallTipOverload> before = tip.overloadList();

    for (const QString& name : {QStringLiteral("$left"), QStringLiteral("crc"), QStringLiteral("$crc2"), QString()}) {
        QVERIFY2(!buildCallTip(name, &tip, 0), qPrintable(name));
        QVERIFY(callTipOverloads(name, 0).isEmpty());
    }
    QCOMPARE(tip.overloadList(), before);
    QCOMPARE(tip.currentOverloadIndex(), 2);
    QVERIFY(!tip.showTip("$left", 0, QPoint(5, 5)));
    QVERIFY(tip.isHidden());
}

void TestCallTips::hoverHtmlEscapesAndMarks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("boldIndex");
    QTest::addColumn<QString>("html");

    QTest::newRow("ampersand before angle brackets") << "$bvar" << 0
                                                     << hoverStart + "$bvar(<b>&lt;&amp;binvar&gt;</b>, &lt;N&gt;, [M])</p>";
    QTest::newRow("bold text with a comma inside") << "$input" << 1
                                                   << hoverStart + "$input(&lt;message&gt;, <b>[options], [window]</b>, [title], [input_text])</p>";
    QTest::newRow("bold past the last") << "$abs" << 4 << hoverStart + "$abs(&lt;number&gt;)</p>";
    QTest::newRow("any case") << "$ABS" << -1 << hoverStart + "$abs(&lt;number&gt;)</p>";
    QTest::newRow("only in the hover table") << "$isbit" << -1 << hoverStart + "$isbit(&lt;number&gt;, &lt;bit&gt;)</p>";
    QTest::newRow("in neither table") << "$left" << -1 << QString();
    QTest::newRow("without dollar") << "abs" << -1 << QString();
}

void TestCallTips::hoverHtmlEscapesAndMarks()
{
    QFETCH(QString, name);
    QFETCH(int, boldIndex);
    QFETCH(QString, html);
    QCOMPARE(identifierHoverHtml(name, boldIndex), html);
}

void TestCallTips::overloadIndexIsClamped()
{
    KeySink editor;
    CallTip tip(&editor);
    QVERIFY(buildCallTip("$crc", &tip, 0));
    tip.setCurrentOverload(9);
    QCOMPARE(tip.currentOverloadIndex(), 3);
    tip.setCurrentOverload(1);
    QCOMPARE(tip.currentOverloadIndex(), 1);

    // A shorter list keeps the index where it still exists...
    QVERIFY(buildCallTip("$eval", &tip, 0));
    QCOMPARE(tip.currentOverloadIndex(), 1);
    // ...and clamps it where it does not.
    QVERIFY(buildCallTip("$abs", &tip, 0));
    QCOMPARE(tip.currentOverloadIndex(), 0);
}

void TestCallTips::arrowKeysWrapAround()
{
    KeySink editor;
    CallTip tip(&editor);
    QVERIFY(tip.showTip("$crc", 0, QPoint(0, 0)));

    const QList<int> downs{1, 2, 3, 0, 1};
    for (int expected : downs) {
        QTest::keyClick(&tip, Qt::Key_Down);
        QCOMPARE(tip.currentOverloadIndex(), expected);
    }
    const QList<int> ups{0, 3, 2};
    for (int expected : ups) {
        QTest::keyClick(&tip, Qt::Key_Up);
        QCOMPARE(tip.currentOverloadIndex(), expected);
    }
    QVERIFY(!tip.isHidden());
    QVERIFY(editor.keys.isEmpty());

    // A single overload wraps onto itself.
    QVERIFY(tip.showTip("$abs", 0, QPoint(0, 0)));
    QTest::keyClick(&tip, Qt::Key_Up);
    QTest::keyClick(&tip, Qt::Key_Down);
    QCOMPARE(tip.currentOverloadIndex(), 0);
}

void TestCallTips::keysEndOrKeepTheTip_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("staysOpen");
    QTest::addColumn<bool>("reachesEditor");

    QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false << false;
    QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false << true;
    QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << false << true;
    QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << true;
    QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << false << true;
    QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << true << true;
    QTest::newRow("comma") << int(Qt::Key_Comma) << int(Qt::NoModifier) << true << true;
    QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << true << true;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::NoModifier) << true << true;
    QTest::newRow("left") << int(Qt::Key_Left) << int(Qt::NoModifier) << false << true;
    QTest::newRow("home") << int(Qt::Key_Home) << int(Qt::NoModifier) << false << true;
    QTest::newRow("ctrl+down") << int(Qt::Key_Down) << int(Qt::ControlModifier) << false << true;
    QTest::newRow("alt+letter") << int(Qt::Key_A) << int(Qt::AltModifier) << false << true;
}

void TestCallTips::keysEndOrKeepTheTip()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, staysOpen);
    QFETCH(bool, reachesEditor);

    KeySink editor;
    CallTip tip(&editor);
    editor.show();
    QVERIFY(tip.showTip("$crc", 0, QPoint(0, 0)));

    QTest::keyClick(&tip, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(tip.isVisible(), staysOpen);
    QCOMPARE(editor.keys.contains(key), reachesEditor);
    // Only Up and Down (without modifiers) move between overloads.
    QCOMPARE(tip.currentOverloadIndex(), 0);
}

void TestCallTips::escapeAndReturnGiveFocusBack()
{
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        KeySink editor;
        editor.setFocusPolicy(Qt::StrongFocus);
        CallTip tip(&editor);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QVERIFY(tip.showTip("$crc", 0, QPoint(0, 0)));
        tip.setFocus();
        QVERIFY(tip.hasFocus());

        QTest::keyClick(&tip, key);
        QVERIFY(tip.isHidden());
        QVERIFY(editor.hasFocus());
    }
}

void TestCallTips::arrowClicksSwitchOverloads()
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

    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, prevArrow);
    QCOMPARE(tip.currentOverloadIndex(), 3);
    tip.grab();
    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, nextArrow);
    QCOMPARE(tip.currentOverloadIndex(), 0);
    tip.grab();
    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, nextArrow);
    QCOMPARE(tip.currentOverloadIndex(), 1);
    // A click on the text changes nothing and keeps the tip open.
    QTest::mouseClick(&tip, Qt::LeftButton, Qt::NoModifier, QPoint(tip.width() - 4, tip.height() - 4));
    QCOMPARE(tip.currentOverloadIndex(), 1);
    QVERIFY(tip.isVisible());
}

void TestCallTips::paintsFrameAndSizesToContent()
{
    KeySink editor;
    editor.resize(900, 300);
    CallTip tip(&editor);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    QVERIFY(tip.showTip("$abs", 0, QPoint(10, 10)));
    tip.grab();
    const QSize shortTip = tip.size();

    QVERIFY(tip.showTip("$com", 3, QPoint(10, 10)));
    tip.setCurrentOverload(6);
    tip.grab();
    const QImage image = tip.grab().toImage();
    QVERIFY(tip.width() > shortTip.width());
    QCOMPARE(image.size(), tip.size());

    if (qEnvironmentVariableIsSet("KORVEL_SNAPSHOT_DIR"))
        image.save(QDir(qEnvironmentVariable("KORVEL_SNAPSHOT_DIR")).filePath("calltip.png"));

    // The frame rectangle is one pixel smaller than the widget in each
    // direction: dark on the bottom and right, grey on the top and left.
    const int right = tip.width() - 2;
    const int bottom = tip.height() - 1;
    QCOMPARE(image.pixelColor(right, bottom / 2), QColor(Qt::black));
    QCOMPARE(image.pixelColor(right / 2, bottom), QColor(Qt::black));
    QCOMPARE(image.pixelColor(0, bottom / 2), QColor(192, 192, 192));
    QCOMPARE(image.pixelColor(right / 2, 0), QColor(192, 192, 192));
    // Below the gradient's end the background is the gradient's end colour.
    QCOMPARE(image.pixelColor(right - 2, bottom - 2), QColor(228, 229, 240));
}

QTEST_MAIN(TestCallTips)
#include "tst_calltips.moc"
