#include "CheckedScript.h"
#include "CorpusTables.h"
#include "dialogtable/DesignControlTypes.h"
#include "dialogtable/DialogSkeletons.h"
#include "dialogtable/DialogTable.h"
#include "dialogtable/DialogTableLocator.h"
#include "dialogtable/DialogUnits.h"
#include "dialogtable/NewDialogTable.h"

#include <QTest>

namespace {

// Every diagnostic the checker raises for `lines` as a script.
QStringList checkerFindings(const QStringList& lines)
{
    return findingsIn(lines.join(QLatin1Char('\n')));
}

// One control of every type, each with a text, in the toolbox's order, with
// every style the property panel offers switched on.
DialogDesign everyControlWithEveryStyle()
{
    DialogDesign design;
    design.title = QStringLiteral("Every \"control\"");
    design.size = QSize(400, 300);
    for (int i = 0; i < DesignControlTypes::typeCount(); ++i) {
        const DesignControlTypes::ControlType& type = DesignControlTypes::controlType(i);
        QStringList styles = DesignControlTypes::initialStyles(type);
        for (const QString& style : DesignControlTypes::offeredStyles(type)) {
            if (!styles.contains(style))
                styles.append(style);
        }
        design.controls.append(DesignControl{QLatin1String(type.name), QStringLiteral("Item, %1").arg(i),
                                             QRect(QPoint(8 * i, 4 * i), DesignControlTypes::defaultSize(type)), -1, 0,
                                             styles});
    }
    return design;
}

const QStringList sampleTable = {
    QStringLiteral("dialog -l sample {"),
    QStringLiteral("  title \"Sample\""),
    QStringLiteral("  size -1 -1 200 100"),
    QStringLiteral("  ; the buttons"),
    QStringLiteral("  /* button \"Old\", 9, 1 1 1 1"),
    QStringLiteral("  */"),
    QStringLiteral("  button \"OK\",1, 10 70 50 20, ok default"),
    QStringLiteral("  menu \"File\", 60"),
    QStringLiteral("  text $did(3).text, 2, 1 1 40 12"),
    QStringLiteral("  edit \"\", 3, 10 10 %w 20"),
    QStringLiteral("  list 4, 100 10 90 50, check sort"),
    QStringLiteral("  tab \"Page\", 5"),
    QStringLiteral("  scroll \"\", 6, 180 0 16 100"),
    QStringLiteral("}"),
};

} // namespace

class TestDialogTable : public QObject {
    Q_OBJECT
private slots:
    void skeletonsAreWrittenForWhatTheScriptLacks_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("added");
        const QString alias = QStringLiteral("alias pick { dialog -m pick pick }");
        const QString click1 = QStringLiteral("on *:dialog:pick:sclick:1: {");
        const QString click3 = QStringLiteral("on *:dialog:pick:sclick:3: {");
        QTest::newRow("nothing yet") << QStringList() << QStringList{alias, click1, "}", click3, "}"};
        QTest::newRow("alias and one handler")
            << QStringList{"alias PICK { dialog -md pick pick }", "on *:DIALOG:pick:sclick:3,9: { halt }"}
            << QStringList{click1, "}"};
        QTest::newRow("every id handled")
            << QStringList{alias, "on 1:dialog:pick:sclick:*: { echo -a $did }"} << QStringList();
        QTest::newRow("another dialog's")
            << QStringList{"on *:dialog:other:sclick:1: { }"} << QStringList{alias, click1, "}", click3, "}"};
    }
    void skeletonsAreWrittenForWhatTheScriptLacks()
    {
        QFETCH(QStringList, script);
        DialogDesign design;
        design.controls = {DesignControl{"button", "A", QRect(1, 1, 9, 9), -1, 1, {}},
                           DesignControl{"check", "B", QRect(1, 1, 9, 9), -1, 2, {}},
                           DesignControl{"button", "C", QRect(1, 1, 9, 9), -1, 3, {}}};
        const QStringList lines = DialogSkeletons::missing(QStringLiteral("pick"), design, script, true);
        QTEST(lines, "added");
        QCOMPARE(checkerFindings(script + lines), QStringList());
    }

    // A new table of every control with every style: the checker finds
    // nothing in it, and reading it gives the design back.
    void newTableChecksCleanAndReadsBack()
    {
        const DialogDesign design = everyControlWithEveryStyle();
        const QStringList lines = NewDialogTable::generate(design);
        QCOMPARE(checkerFindings(lines), QStringList());
        QCOMPARE(lines.mid(0, 5),
                 (QStringList{"dialog Everycontrol {", "  title \"Every 'control'\"", "  size -1 -1 400 300",
                              "  option pixels",
                              "  button \"Item, 0\", 1, 0 0 75 23, default ok cancel disable hide"}));
        QCOMPARE(lines.last(), QStringLiteral("}"));

        const DialogDesign read = DialogTable::read(lines).design();
        QCOMPARE(read.title, QStringLiteral("Every 'control'"));
        QCOMPARE(read.size, design.size);
        QCOMPARE(read.controls.size(), design.controls.size());
        for (int i = 0; i < design.controls.size(); ++i) {
            const DesignControlTypes::ControlType* type = DesignControlTypes::findByName(design.controls[i].type);
            QCOMPARE(read.controls[i].type, design.controls[i].type);
            QCOMPARE(read.controls[i].geometry, design.controls[i].geometry);
            QCOMPARE(read.controls[i].text, type->hasText ? design.controls[i].text : QString());
            QCOMPARE(read.controls[i].tableControl, i);
            QCOMPARE(read.controls[i].id, i + 1);
            QCOMPARE(read.controls[i].styles, design.controls[i].styles);
        }
    }

    void readingKeepsWhatItDoesNotUnderstand()
    {
        const DialogTable table = DialogTable::read(sampleTable);
        QCOMPARE(table.name(), QStringLiteral("sample"));
        const DialogDesign design = table.design();
        QCOMPARE(design.title, QStringLiteral("Sample"));
        QCOMPARE(design.size, QSize(200, 100));
        // Not the tab page, nor the controls with an identifier or a
        // variable in a field.
        QCOMPARE(design.controls.size(), 3);
        QCOMPARE(design.controls[0], (DesignControl{"button", "OK", QRect(10, 70, 50, 20), 0, 1, {"ok", "default"}}));
        QCOMPARE(design.controls[1], (DesignControl{"checkList", "", QRect(100, 10, 90, 50), 1, 4, {"sort"}}));
        QCOMPARE(design.controls[2], (DesignControl{"vscroll", "", QRect(180, 0, 16, 100), 2, 6, {}}));
        QCOMPARE(table.write(design), sampleTable);
    }

    void menuEntriesAreReadAndWrittenBack()
    {
        const QStringList table = {
            "dialog menus {",
            "  menu \"&File\", 10",
            "  item \"&Open\", 11, 10",
            "  item break, 12, 10",
            "  menu \"Recent\", 13, 10",
            "  item \"a.mrc\", 14,13",
            "  item \"Lost\", 15, 99",
            "  item \"Zero\", 0, 10",
            "  menu %m, 16",
            "  item \"Loose\", 17",
            "}",
        };
        const DialogTable read = DialogTable::read(table);
        using Kind = DesignMenuEntry::Kind;
        DialogDesign design = read.design();
        // Not an entry of a menu not understood, nor an item outside every
        // menu, nor one whose id is not positive.
        QCOMPARE(design.menus,
                 (QVector<DesignMenuEntry>{{Kind::Menu, "&File", 10, 0, 0},
                                           {Kind::Item, "&Open", 11, 10, 1},
                                           {Kind::Separator, "", 12, 10, 2},
                                           {Kind::Menu, "Recent", 13, 10, 3},
                                           {Kind::Item, "a.mrc", 14, 13, 4}}));
        QCOMPARE(read.write(design), table);
        design.menus[1].text = QStringLiteral("Open...");
        design.menus[3].kind = Kind::Item;
        design.menus.removeLast();
        design.menus.append({Kind::Item, "&Quit", 20, 10, -1});
        QStringList expected = table;
        expected[2] = QStringLiteral("  item \"Open...\", 11, 10");
        expected[4] = QStringLiteral("  item \"Recent\", 13, 10");
        expected.removeAt(5);
        expected.insert(9, QStringLiteral("  item \"&Quit\", 20, 10"));
        QCOMPARE(read.write(design), expected);

        // A new table: controls without an id take theirs after the menus'.
        design.controls = {DesignControl{"button", "Go", QRect(1, 2, 3, 4), -1, 0, {}}};
        const QStringList lines = NewDialogTable::generate(design);
        QCOMPARE(checkerFindings(lines), QStringList());
        QCOMPARE(lines.mid(4),
                 (QStringList{"  button \"Go\", 21, 1 2 3 4", "  menu \"&File\", 10", "  item \"Open...\", 11, 10",
                              "  item break, 12, 10", "  item \"Recent\", 13, 10", "  item \"&Quit\", 20, 10", "}"}));
    }

    void writingChangesOnlyWhatChanged()
    {
        const DialogTable table = DialogTable::read(sampleTable);
        DialogDesign design = table.design();
        design.title = QStringLiteral("Renamed");
        design.size = QSize(300, 150);
        design.controls[0].text = QStringLiteral("Go\non"); // a line break cannot stand in a line
        design.controls[0].styles = QStringList{"ok", "cancel"};
        design.controls[1].geometry.moveTo(96, 16);
        design.controls[1].id = 8;
        design.controls[1].styles.clear();
        design.controls.removeLast(); // the scroll bar
        design.controls.append(DesignControl{"radio", "New", QRect(8, 8, 99, 19), -1, 0, {"push"}});
        design.controls.append(DesignControl{"combo", "", QRect(8, 40, 131, 24), -1, 30, {"drop"}});
        QStringList expected = sampleTable;
        expected[1] = QStringLiteral("  title \"Renamed\"");
        expected[2] = QStringLiteral("  size -1 -1 300 150");
        expected[6] = QStringLiteral("  button \"Go on\",1, 10 70 50 20, ok cancel");
        expected[10] = QStringLiteral("  list 8, 96 16 90 50, check");
        expected.removeAt(12);
        expected.insert(12, QStringLiteral("  radio \"New\", 61, 8 8 99 19, push"));
        expected.insert(13, QStringLiteral("  combo 30, 8 40 131 24, drop"));
        QCOMPARE(table.write(design), expected);
    }

    void missingTitleAndSizeAreAdded_data()
    {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("neither") << QStringList{"dialog d {", "}"}
                                 << QStringList{"dialog d {", "  title \"T\"", "  size -1 -1 320 280", "}"};
        QTest::newRow("unreadable ones stay alone")
            << QStringList{"dialog d {", "  title $t", "  size %x %y %w %h", "}"}
            << QStringList{"dialog d {", "  title $t", "  size %x %y %w %h", "}"};
    }
    void missingTitleAndSizeAreAdded()
    {
        QFETCH(QStringList, table);
        DialogDesign design = DialogTable::read(table).design();
        design.title = QStringLiteral("T");
        design.size = QSize(320, 280);
        QTEST(DialogTable::read(table).write(design), "expected");
    }

    void dialogUnitsConvertBothWays()
    {
        const QStringList dbu = {
            "dialog units {", "  option dbu", "  size -1 -1 100 80", "  button \"A\", 1, 4 8 40 16", "}",
        };
        const DialogTable table = DialogTable::read(dbu);
        QCOMPARE(table.units(), DialogStatements::Units::DialogUnits);
        DialogDesign design = table.design();
        // 4 units across are 6 pixels, 8 down are 13.
        QCOMPARE(design.size, QSize(150, 130));
        QCOMPARE(design.controls[0].geometry, QRect(6, 13, 60, 26));
        QCOMPARE(table.write(design), dbu);
        design.controls[0].geometry.moveTo(12, 26);
        design.controls.append(DesignControl{"check", "B", QRect(30, 39, 88, 19), -1});
        const QStringList written = table.write(design);
        QCOMPARE(written[3], QStringLiteral("  button \"A\", 1, 8 16 40 16"));
        QCOMPARE(written[4], QStringLiteral("  check \"B\", 2, 20 24 59 12"));
        for (int units = -40; units <= 400; ++units) {
            QCOMPARE(DialogUnits::toUnitsX(DialogUnits::toPixelsX(units)), units);
            QCOMPARE(DialogUnits::toUnitsY(DialogUnits::toPixelsY(units)), units);
        }
    }

    void locatorFindsTheTableAroundALine_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("header");
        QTest::addColumn<int>("closing");
        QTest::newRow("before") << 0 << -1 << -1;
        QTest::newRow("header") << 1 << 1 << 5;
        QTest::newRow("in a comment") << 3 << 1 << 5;
        QTest::newRow("closing") << 5 << 1 << 5;
        QTest::newRow("second") << 7 << 6 << 8;
        QTest::newRow("alias body") << 10 << -1 << -1;
        QTest::newRow("never closed") << 13 << -1 << -1;
    }
    void locatorFindsTheTableAroundALine()
    {
        const QStringList script = {
            "; top",              // 0
            "dialog one {",       // 1
            "  title \"One\"",    // 2
            "  /* } ",            // 3
            "  */",               // 4
            "}",                  // 5
            "dialog two {",       // 6
            "  size -1 -1 10 10", // 7
            "}",                  // 8
            "alias x {",          // 9
            "  echo -a dialog",   // 10
            "}",                  // 11
            "dialog open {",      // 12
            "  title \"Open\"",   // 13
        };
        QFETCH(int, line);
        const DialogTableLocator::Span span = DialogTableLocator::find(script, line);
        QTEST(span.header, "header");
        QTEST(span.closing, "closing");
    }

    // Real scripts: every table reads and writes back as the same text, and
    // most of their controls are understood.
    void corpusTablesRoundTrip()
    {
        if (!corpusAvailable())
            QSKIP("KORVEL_CORPUS does not name the directory of real scripts");
        const QVector<CorpusTable> tables = corpusTables();
        QVERIFY(tables.size() > 50);
        int understood = 0;
        for (const CorpusTable& corpus : tables) {
            const DialogTable table = DialogTable::read(corpus.lines);
            const DialogDesign design = table.design();
            understood += design.controls.size();
            if (table.write(design) != corpus.lines)
                QFAIL(qPrintable(QStringLiteral("%1:%2 changed").arg(corpus.file).arg(corpus.headerLine + 1)));
            // Moving every control and writing again touches only their lines.
            DialogDesign moved = design;
            for (DesignControl& control : moved.controls)
                control.geometry.translate(2, 2);
            const QStringList written = table.write(moved);
            QCOMPARE(written.size(), corpus.lines.size());
            QCOMPARE(DialogTable::read(written).design().controls.size(), design.controls.size());
        }
        QVERIFY2(understood > 500, qPrintable(QString::number(understood)));
    }
};

QTEST_GUILESS_MAIN(TestDialogTable)
#include "tst_dialogtable.moc"
