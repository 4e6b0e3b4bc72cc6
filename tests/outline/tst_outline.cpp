#include "checker/core/MslChecker.h"
#include "checker/core/ScriptOutline.h"

#include <QStringList>
#include <QTest>

namespace {

// Checks the script line by line as the editor does and files every line's
// header record, the way the outline dock and the language server do.
ScriptOutline outlineOf(const QStringList& lines)
{
    MslChecker checker;
    LineCheckResult result;
    QVector<ScriptOutline::Header> headers;
    int state = -1;
    for (int i = 0; i < lines.size(); ++i) {
        checker.checkLine(MslChecker::lowerCased(lines[i]), state, result);
        state = result.state;
        if (!result.header.blockName.isEmpty())
            headers.append({i + 1, result.header, lines[i]});
    }
    return ScriptOutline::build(headers);
}

// One entry as "label@line" with "+" when it opens a block.
QStringList describe(const QVector<OutlineEntry>& entries)
{
    QStringList out;
    for (const OutlineEntry& e : entries)
        out << QStringLiteral("%1@%2%3").arg(e.label()).arg(e.line).arg(e.multiLine ? QStringLiteral("+") : QString());
    return out;
}

} // namespace

class TestOutline : public QObject {
    Q_OBJECT

private slots:
    void componentsAreFiledByKindAndScope()
    {
        const QStringList script = {
            QStringLiteral("; a script with every kind of component"),
            QStringLiteral("alias -l helper {"),
            QStringLiteral("  echo -a hi"),
            QStringLiteral("}"),
            QStringLiteral("alias Global.One echo one"),
            QStringLiteral("dialog -l setup {"),
            QStringLiteral("  title \"x\""),
            QStringLiteral("}"),
            QStringLiteral("dialog about {"),
            QStringLiteral("}"),
            QStringLiteral("on *:TEXT:*:#:{ echo -a $1- }"),
            QStringLiteral("on 1:JOIN:#:{"),
            QStringLiteral("  echo -a joined"),
            QStringLiteral("}"),
            QStringLiteral("ctcp *:PING:*:echo pong"),
            QStringLiteral("menu channel {"),
            QStringLiteral("  Item:echo x"),
            QStringLiteral("}"),
        };
        const ScriptOutline outline = outlineOf(script);
        QCOMPARE(describe(outline.aliases.local), QStringList{"helper@2+"});
        QCOMPARE(describe(outline.aliases.global), QStringList{"Global.One@5"});
        QCOMPARE(describe(outline.dialogs.local), QStringList{"setup@6+"});
        QCOMPARE(describe(outline.dialogs.global), QStringList{"about@9+"});
        QCOMPARE(describe(outline.events), (QStringList{"text : *@11", "join@12+", "Ctcp : ping@15"}));
        QCOMPARE(describe(outline.menus), QStringList{"Menu@16+"});
    }

    // Lines inside bodies never become components, whatever they look like.
    void bodiesAddNothing()
    {
        const ScriptOutline outline = outlineOf({
            QStringLiteral("alias outer {"),
            QStringLiteral("  alias inner echo no"),
            QStringLiteral("  on *:text:*:#:echo no"),
            QStringLiteral("}"),
        });
        QCOMPARE(describe(outline.aliases.global), QStringList{"outer@1+"});
        QVERIFY(outline.aliases.local.isEmpty());
        QVERIFY(outline.events.isEmpty());
    }

    void recordsWithoutNameAreSkipped()
    {
        HeaderRecord unnamed;
        unnamed.blockKind = HeaderKind::Alias;
        const ScriptOutline outline = ScriptOutline::build({{1, unnamed, "alias"}});
        QVERIFY(outline.aliases.global.isEmpty() && outline.aliases.local.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestOutline)
#include "tst_outline.moc"
