#include "CorpusTables.h"
#include "DragEvents.h"
#include "ModalAnswers.h"
#include "TestRegistry.h"
#include "designer/MdiChildBuilder.h"
#include "designer/MdiChildDialogDummy.h"
#include "designer/Mnu.h"
#include "designer/PropertyPanel.h"
#include "dialogtable/DesignControlTypes.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QUndoStack>

namespace {

// The script's lines as the document holds them (toPlainText would turn
// no-break spaces into blanks).
QStringList documentLines(const QPlainTextEdit& editor)
{
    QStringList lines;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

void setCaretLine(QPlainTextEdit& editor, int line)
{
    editor.setTextCursor(QTextCursor(editor.document()->findBlockByNumber(line)));
}

// Code generated for a new dialog goes into `script`, followed by `after`,
// and the designer writes there from then on.
void writeGeneratedCodeTo(MdiChildBuilder& win, QPlainTextEdit& script, const QString& after = QString())
{
    QObject::connect(&win, &MdiChildBuilder::codeGenerated, &script, [&win, &script, after](const QString& code) {
        script.setPlainText(code + after);
        win.linkGeneratedScript(&script);
    });
}

const QStringList scriptAroundTable = {
    "alias before { echo -a hi }",
    "dialog -l sample {",
    "  title \"Sample\"",
    "  size -1 -1 320 260",
    "  option pixels",
    "  ; a comment stays",
    "  button \"OK\", 1, 10 200 50 20, ok",
    "  menu \"File\", 40",
    "  edit \"name\", 2, 10 10 100 20, autohs",
    "  list 3, 120 10 90 60, check",
    "}",
    "on *:dialog:sample:init:0: { did -a sample 3 one }",
};

} // namespace

class TestBuilder : public QObject {
    Q_OBJECT
private slots:
    // The toolbar's grid and selection switches reach the canvas; the grid
    // size steps between 4 and 30, and only while the grid is shown.
    void toolbarSwitchesReachTheCanvas_data()
    {
        // i increase, d decrease, g show grid, a align to grid, o object selection
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("grid");
        QTest::addColumn<bool>("increaseEnabled");
        QTest::addColumn<bool>("decreaseEnabled");
        QTest::newRow("start") << "" << 8 << true << true;
        QTest::newRow("down twice") << "dd" << 4 << true << false;
        QTest::newRow("up to 30") << "iiiiiiiiiii" << 30 << false << true;
        QTest::newRow("no further") << "iiiiiiiiiiii" << 30 << false << true;
        QTest::newRow("hidden") << "g" << 8 << false << false;
        QTest::newRow("hidden at 4, shown") << "ddgg" << 4 << true << false;
        QTest::newRow("hidden at 30, shown") << "iiiiiiiiiiigg" << 30 << false << true;
        QTest::newRow("no snapping, no selection") << "ao" << 8 << true << true;
    }
    void toolbarSwitchesReachTheCanvas()
    {
        QFETCH(QString, steps);
        MdiChildBuilder win;
        const QHash<QChar, QString> actions{{'i', "Increase Grid Size"},
                                            {'d', "Decrease Grid Size"},
                                            {'g', "Show Grid"},
                                            {'a', "Align To Grid"},
                                            {'o', "Object Selection"}};
        for (const QChar step : steps)
            win.toolbarAction(actions.value(step))->trigger();
        QTEST(win.canvas()->gridSize(), "grid");
        QTEST(win.toolbarAction(actions.value('i'))->isEnabled(), "increaseEnabled");
        QTEST(win.toolbarAction(actions.value('d'))->isEnabled(), "decreaseEnabled");
        QCOMPARE(win.canvas()->isGridVisible(), steps.count('g') % 2 == 0);
        QCOMPARE(win.canvas()->isSnapping(), !steps.contains('a'));
        QCOMPARE(win.canvas()->isObjectSelectionEnabled(), !steps.contains('o'));
    }

    // Every toolbox type lands at its own default size, selected; the value
    // field edits the dialog's title and the text of each control that has
    // one, the property panel its id and styles.
    void toolboxControlsAndTheirProperties()
    {
        MdiChildBuilder win;
        MdiChildDialogDummy* canvas = win.canvas();
        QSignalSpy selections(canvas, &MdiChildDialogDummy::newSelection);
        QLineEdit* value = win.valueEdit();
        value->setText(QStringLiteral("My Dialog"));
        QCOMPARE(canvas->windowTitle(), QStringLiteral("My Dialog"));
        for (int i = 0; i < DesignControlTypes::typeCount(); ++i) {
            const DesignControlTypes::ControlType& type = DesignControlTypes::controlType(i);
            const QString name = QLatin1String(type.name);
            QWidget* control = DragEvents::placeNew(canvas, name, QPoint(8, 8));
            QCOMPARE(canvas->objects().last().type, name);
            QCOMPARE(control->geometry(), QRect(QPoint(8, 8), DesignControlTypes::defaultSize(type)));
            QVERIFY(control->isVisibleTo(canvas));
            QCOMPARE(canvas->selected(), control);
            QCOMPARE(selections.last().at(0).value<QWidget*>(), control);
            QCOMPARE(selections.last().at(1).toString(), name);
            QCOMPARE(value->isEnabled(), type.hasText);
            if (type.hasText)
                value->setText(name);
        }
        QCOMPARE(static_cast<QLineEdit*>(canvas->objects()[2].widget)->echoMode(), QLineEdit::Password);
        for (const DesignControl& control : win.design().controls) {
            const bool hasText = DesignControlTypes::findByName(control.type)->hasText;
            QCOMPARE(control.text, hasText ? control.type : QString());
        }
        auto* button = static_cast<QPushButton*>(DragEvents::placeNew(canvas, QStringLiteral("button"), QPoint(8, 40)));
        QCOMPARE(win.objectLabel()->text(), QStringLiteral("Object: Button"));
        PropertyPanel* panel = win.propertyPanel();
        QCOMPARE(panel->idEdit()->value(), DesignControlTypes::typeCount() + 1);
        panel->idEdit()->setValue(40);
        panel->styleBox(QStringLiteral("default"))->setChecked(true);
        QVERIFY(!panel->styleBox(QStringLiteral("sort")));
        QVERIFY(button->isDefault());
        const DesignControl written = win.design().controls.last();
        QCOMPARE(written.id, 40);
        QCOMPARE(written.styles, QStringList{QStringLiteral("default")});
    }

    void everyCanvasChangeIsOneUndoStep()
    {
        MdiChildBuilder win;
        MdiChildDialogDummy* canvas = win.canvas();
        QUndoStack* undo = win.undoStack();
        QWidget* button = DragEvents::placeNew(canvas, QStringLiteral("button"), QPoint(16, 16));
        win.valueEdit()->setText(QStringLiteral("G"));
        win.valueEdit()->setText(QStringLiteral("Go"));
        DragEvents::dragTo(canvas, DragEvents::withFormat(QStringLiteral("gui.moved"), "0 0").get(), QPoint(40, 80),
                           Qt::MoveAction);
        QTest::keyClick(canvas, Qt::Key_Delete);
        QVERIFY(canvas->objects().isEmpty());
        QCOMPARE(undo->count(), 4);

        undo->undo();
        QCOMPARE(canvas->objects().size(), 1);
        QVERIFY(!button->isHidden());
        undo->undo();
        QCOMPARE(button->pos(), QPoint(16, 16));
        undo->undo();
        QCOMPARE(win.design().controls.first().text, QString());
        undo->undo();
        QVERIFY(canvas->objects().isEmpty());
        undo->redo();
        undo->redo();
        undo->redo();
        QCOMPARE(win.design().controls.first().text, QStringLiteral("Go"));
        QCOMPARE(button->pos(), QPoint(40, 80));
        QVERIFY(win.hasUngeneratedChanges());
        win.generateCode();
        QVERIFY(!win.hasUngeneratedChanges());
    }

    void menusBuiltOnTheCanvasComeBackFromTheirTable()
    {
        MdiChildBuilder win;
        QPlainTextEdit script;
        writeGeneratedCodeTo(win, script);
        const auto add = [](Mnu* menu, const QString& name) {
            menu->entryField()->setText(name);
            QTest::keyClick(menu->entryField(), Qt::Key_Return);
            return menu->entries().last();
        };
        DragEvents::placeNew(win.canvas(), QStringLiteral("button"), QPoint(8, 8));
        Mnu* file = add(win.canvas()->rootMenu(), QStringLiteral("&File"));
        add(file, QStringLiteral("Open"));
        add(add(file, QStringLiteral("Recent")), QStringLiteral("a.mrc"));
        win.generateCode();
        QCOMPARE(documentLines(script).mid(5, 5),
                 (QStringList{"  menu \"&File\", 2", "  item \"Open\", 3, 2", "  menu \"Recent\", 4, 2",
                              "  item \"a.mrc\", 5, 4", "}"}));

        setCaretLine(script, 0);
        MdiChildBuilder reopened;
        QVERIFY(reopened.openTable(&script));
        QCOMPARE(reopened.design().menus, win.design().menus);
        add(reopened.canvas()->rootMenu()->entries().first(), QStringLiteral("Quit"));
        reopened.generateCode();
        QCOMPARE(documentLines(script).mid(9, 2), (QStringList{"  item \"Quit\", 6, 2", "}"}));

        // Renamed, deleted (Recent with its item, then Quit) and a separator
        // added, each one step: undoing the last puts Quit back in its place.
        file = reopened.canvas()->rootMenu()->entries().first();
        file->addSeparator();
        file->entries().first()->rename(QStringLiteral("&Open..."));
        for (int entry : {1, 1}) {
            file->menu()->setActiveAction(file->entries()[entry]->action());
            QTest::keyClick(file->menu(), Qt::Key_Delete);
        }
        reopened.canvas()->undoStack()->undo();
        reopened.generateCode();
        QCOMPARE(documentLines(script).mid(5, 5),
                 (QStringList{"  menu \"&File\", 2", "  item \"&Open...\", 3, 2", "  item \"Quit\", 6, 2",
                              "  item break, 7, 2", "}"}));
        MdiChildBuilder third;
        QVERIFY(third.openTable(&script));
        QCOMPARE(third.design().menus, reopened.design().menus);
    }

    void generateCodeWritesANewTable()
    {
        MdiChildBuilder win;
        MdiChildDialogDummy* canvas = win.canvas();
        canvas->resize(400, 300);
        win.valueEdit()->setText(QStringLiteral("Login"));
        DragEvents::placeNew(canvas, QStringLiteral("text"), QPoint(8, 24));
        DragEvents::placeNew(canvas, QStringLiteral("pass"), QPoint(72, 24));
        win.valueEdit()->setText(QStringLiteral("secret"));
        DragEvents::placeNew(canvas, QStringLiteral("button"), QPoint(8, 64));
        win.valueEdit()->setText(QStringLiteral("OK"));
        QSignalSpy generated(&win, &MdiChildBuilder::codeGenerated);
        win.toolbarAction(QStringLiteral("Generate Code"))->trigger();
        QCOMPARE(generated.size(), 1);
        const QStringList expected = {
            "dialog Login {",
            "  title \"Login\"",
            "  size -1 -1 400 300",
            "  option pixels",
            "  text \"\", 1, 8 24 56 14",
            "  edit \"secret\", 2, 72 24 100 20, pass",
            "  button \"OK\", 3, 8 64 75 23",
            "}",
            "",
            "alias Login { dialog -m Login Login }",
            "on *:dialog:Login:sclick:3: {",
            "}",
        };
        QCOMPARE(generated.first().first().toString().split(QLatin1Char('\n')), expected);
    }

    void editsATableOfAScriptInPlace()
    {
        QPlainTextEdit script;
        script.setPlainText(scriptAroundTable.join(QLatin1Char('\n')));
        setCaretLine(script, 5);
        MdiChildBuilder win;
        QVERIFY(win.openTable(&script));
        QCOMPARE(win.tableName(), QStringLiteral("sample"));
        MdiChildDialogDummy* canvas = win.canvas();
        QCOMPARE(canvas->windowTitle(), QStringLiteral("Sample"));
        QCOMPARE(canvas->size(), QSize(320, 260));
        QCOMPARE(canvas->objects().size(), 3);
        QCOMPARE(canvas->objects()[0].type, QStringLiteral("button"));
        QCOMPARE(static_cast<QPushButton*>(canvas->objects()[0].widget)->text(), QStringLiteral("OK"));
        QCOMPARE(canvas->objects()[0].widget->geometry(), QRect(10, 200, 50, 20));
        QCOMPARE(static_cast<QLineEdit*>(canvas->objects()[1].widget)->text(), QStringLiteral("name"));
        QCOMPARE(canvas->objects()[2].type, QStringLiteral("checkList"));

        // Unchanged: the script stays as it is, without an undo step.
        QSignalSpy generated(&win, &MdiChildBuilder::codeGenerated);
        win.generateCode();
        QCOMPARE(documentLines(script), scriptAroundTable);
        QVERIFY(!script.document()->isUndoAvailable());

        canvas->objects()[0].widget->move(16, 208);
        DragEvents::placeNew(canvas, QStringLiteral("radio"), QPoint(8, 100));
        win.generateCode();
        win.generateCode(); // the new control is the table's now: no second copy
        QCOMPARE(generated.size(), 0);
        QStringList expected = scriptAroundTable;
        expected[6] = QStringLiteral("  button \"OK\", 1, 16 208 50 20, ok");
        expected.insert(10, QStringLiteral("  radio \"\", 41, 8 96 99 19"));
        QCOMPARE(documentLines(script), expected);
        script.undo();
        QCOMPARE(documentLines(script), scriptAroundTable);
    }

    // Code the script cannot take goes to a new script, after a question.
    void codeTheScriptCannotTakeGoesElsewhere_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only script") << true;
        QTest::newRow("table changed in the script") << false;
    }

    void codeTheScriptCannotTakeGoesElsewhere()
    {
        QFETCH(bool, readOnly);
        QPlainTextEdit script;
        script.setPlainText(scriptAroundTable.join(QLatin1Char('\n')));
        script.setReadOnly(readOnly);
        setCaretLine(script, 2);
        MdiChildBuilder win;
        QVERIFY(win.openTable(&script));
        if (!readOnly) {
            // Lines added above the table do not matter; a changed table does.
            script.moveCursor(QTextCursor::Start);
            script.insertPlainText(QStringLiteral("; new first line\n"));
            win.canvas()->objects()[0].widget->move(24, 200);
            win.generateCode();
            QCOMPARE(script.document()->findBlockByNumber(7).text(),
                     QStringLiteral("  button \"OK\", 1, 24 200 50 20, ok"));
            setCaretLine(script, 8);
            script.textCursor().insertText(QStringLiteral(" "));
        }
        win.canvas()->objects()[0].widget->move(24, 200);
        const QString before = script.toPlainText();
        QSignalSpy generated(&win, &MdiChildBuilder::codeGenerated);
        ModalAnswers question;
        question.press(QMessageBox::Yes);
        win.generateCode();
        QCOMPARE(question.seen(), 1);
        QCOMPARE(script.toPlainText(), before);
        QCOMPARE(generated.size(), 1);
        const QString code = generated.first().first().toString();
        QVERIFY(code.startsWith(QStringLiteral("dialog -l sample {\n")));
        QVERIFY(code.contains(QStringLiteral("button \"OK\", 1, 24 200 50 20, ok")));
    }

    void aSmallDialogIsDrawnAtItsOwnSize()
    {
        QPlainTextEdit script;
        script.setPlainText(QStringLiteral("dialog tiny {\n  size -1 -1 120 80\n}"));
        MdiChildBuilder win;
        QVERIFY(win.openTable(&script));
        QCOMPARE(win.canvas()->size(), QSize(120, 80));
    }

    // Tables of real scripts go onto a shown canvas and come back unchanged.
    void corpusTablesComeBackUnchanged()
    {
        if (!corpusAvailable())
            QSKIP("KORVEL_CORPUS does not name the directory of real scripts");
        const QVector<CorpusTable> tables = corpusTables();
        int placed = 0;
        constexpr int sampleEvery = 4; // a quarter of them keeps the test short
        for (int i = 0; i < tables.size(); i += sampleEvery) {
            QPlainTextEdit script;
            script.setPlainText(tables[i].lines.join(QLatin1Char('\n')));
            setCaretLine(script, 0);
            MdiChildBuilder win;
            win.show();
            QVERIFY(win.openTable(&script));
            placed += win.canvas()->objects().size();
            QSignalSpy generated(&win, &MdiChildBuilder::codeGenerated);
            win.generateCode();
            QCOMPARE(generated.size(), 0);
            QCOMPARE(documentLines(script), tables[i].lines);
        }
        QVERIFY(placed > 100);
    }
};

KORVEL_TEST(TestBuilder)
#include "tst_builder.moc"
