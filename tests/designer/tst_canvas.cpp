#include "DragEvents.h"
#include "TestRegistry.h"
#include "designer/MdiChildDialogDummy.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

namespace {

QWidget* placeNew(MdiChildDialogDummy& canvas, const QString& type, const QPoint& pos)
{
    return DragEvents::placeNew(&canvas, type, pos);
}

void press(QWidget* widget, const QPoint& pos = QPoint(3, 3), Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, Qt::NoModifier, pos);
}

// Moves the selected control as a "gui.moved" drag pressed at `grip`
// inside it and released with the cursor at `cursor`.
void moveSelected(MdiChildDialogDummy& canvas, const QPoint& grip, const QPoint& cursor)
{
    const QByteArray gripText = QByteArray::number(grip.x()) + ' ' + QByteArray::number(grip.y());
    DragEvents::dragTo(&canvas, DragEvents::withFormat(QStringLiteral("gui.moved"), gripText).get(), cursor,
                       Qt::MoveAction);
}

bool resizeSelected(MdiChildDialogDummy& canvas, MdiChildDialogDummy::Handle handle, const QPoint& cursor)
{
    const auto mime = DragEvents::withFormat(QStringLiteral("gui.resize"), QByteArray::number(int(handle)));
    DragEvents::send<QDragEnterEvent>(&canvas, mime.get(), cursor, Qt::MoveAction);
    return DragEvents::send<QDragMoveEvent>(&canvas, mime.get(), cursor, Qt::MoveAction);
}

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void tabPageIsRefused()
    {
        MdiChildDialogDummy canvas;
        const auto mime = DragEvents::withFormat(QStringLiteral("gui/tabPage"));
        QVERIFY(!DragEvents::send<QDragEnterEvent>(&canvas, mime.get(), QPoint(20, 20)));
        QVERIFY(!DragEvents::send<QDragMoveEvent>(&canvas, mime.get(), QPoint(20, 20)));
        QVERIFY(canvas.objects().isEmpty());
    }

    void placingSnapsToTheGrid_data()
    {
        QTest::addColumn<bool>("snap");
        QTest::addColumn<int>("gridSteps"); // increases (+) or decreases (-) from 8
        QTest::addColumn<bool>("moveAfterwards");
        QTest::addColumn<QPoint>("landed");
        QTest::newRow("new control, grid 8") << true << 0 << false << QPoint(16, 8);
        QTest::newRow("grid 10") << true << 1 << false << QPoint(20, 10);
        QTest::newRow("grid 6") << true << -1 << true << QPoint(18, 12);
        QTest::newRow("no snapping") << false << 0 << true << QPoint(21, 13);
    }
    void placingSnapsToTheGrid()
    {
        QFETCH(bool, snap);
        QFETCH(int, gridSteps);
        QFETCH(bool, moveAfterwards);
        QFETCH(QPoint, landed);
        MdiChildDialogDummy canvas;
        canvas.setSnapIn(snap);
        for (int i = 0; i < gridSteps; ++i)
            canvas.increaseGridSize();
        for (int i = 0; i > gridSteps; --i)
            canvas.decreaseGridSize();
        QLabel position;
        canvas.setPositionLabel(&position);
        QWidget* control =
            placeNew(canvas, QStringLiteral("button"), moveAfterwards ? QPoint(100, 100) : QPoint(21, 13));
        if (moveAfterwards) {
            // Pressed 5 x 7 inside the control, released where its top-left
            // comes to (21, 13).
            moveSelected(canvas, QPoint(5, 7), QPoint(26, 20));
            QCOMPARE(position.text(), QStringLiteral("  26, 20"));
        } else {
            QCOMPARE(position.text(), QStringLiteral("  21, 13"));
        }
        QCOMPARE(control->pos(), landed);
        QCOMPARE(QToolTip::text(), QStringLiteral("(%1,%2)").arg(landed.x()).arg(landed.y()));
    }

    void resizingFromTheTopLeftHandle_data()
    {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QRect>("geometry");
        using H = MdiChildDialogDummy::Handle;
        // The control starts at (40, 40), 75 x 23.
        QTest::newRow("grow") << int(H::TopLeft) << QPoint(25, 33) << QRect(24, 32, 91, 31);
        QTest::newRow("past the other corner") << int(H::TopLeft) << QPoint(200, 200) << QRect(200, 200, 10, 10);
        QTest::newRow("on the left edge") << int(H::TopLeft) << QPoint(40, 10) << QRect(40, 40, 75, 23);
        QTest::newRow("another handle") << int(H::BottomRight) << QPoint(200, 200) << QRect(40, 40, 75, 23);
    }
    void resizingFromTheTopLeftHandle()
    {
        QFETCH(int, handle);
        QFETCH(QPoint, cursor);
        MdiChildDialogDummy canvas;
        canvas.resize(400, 400);
        QWidget* control = placeNew(canvas, QStringLiteral("button"), QPoint(40, 40));
        QVERIFY(resizeSelected(canvas, MdiChildDialogDummy::Handle(handle), cursor));
        QTEST(control->geometry(), "geometry");
    }

    // Presses select controls and the dialog, unless selection is off.
    void pressesSelectControlsAndTheDialog()
    {
        MdiChildDialogDummy canvas;
        canvas.resize(400, 400);
        canvas.show();
        QWidget* button = placeNew(canvas, QStringLiteral("button"), QPoint(200, 200));
        auto* list = static_cast<QListWidget*>(placeNew(canvas, QStringLiteral("checkList"), QPoint(16, 40)));
        QSignalSpy selections(&canvas, &MdiChildDialogDummy::newSelection);

        press(button, QPoint(3, 3), Qt::RightButton);
        QCOMPARE(canvas.selected(), button);
        QCOMPARE(selections.last().at(1).toString(), QStringLiteral("button"));
        QVERIFY(!static_cast<QPushButton*>(button)->isDown()); // the filter took the press

        // A list's press lands on its viewport, which stands for the list.
        press(list->viewport(), QPoint(5, 5), Qt::RightButton);
        QCOMPARE(canvas.selected(), list);
        QCOMPARE(selections.last().at(1).toString(), QStringLiteral("checkList"));

        // The left button also starts moving the control (a drag that the
        // test platform ends at once, leaving the control in place).
        press(button, QPoint(3, 3), Qt::LeftButton);
        QCOMPARE(canvas.selected(), button);
        QCOMPARE(button->pos(), QPoint(200, 200));

        press(&canvas, QPoint(350, 350));
        QCOMPARE(canvas.selected(), nullptr);
        QCOMPARE(selections.last().at(0).value<QWidget*>(), &canvas);
        QCOMPARE(selections.last().at(1).toString(), QStringLiteral("window"));

        // With selection off a press reaches the control itself, and a
        // control dropped meanwhile is not selected either.
        press(button);
        QCOMPARE(canvas.selected(), button);
        const qsizetype selected = selections.size();
        canvas.objSelect(false);
        QCOMPARE(canvas.selected(), nullptr);
        QCOMPARE(selections.size(), selected + 1);
        QCOMPARE(selections.last().at(1).toString(), QStringLiteral("window"));
        press(button);
        QVERIFY(static_cast<QPushButton*>(button)->isDown());
        QCOMPARE(canvas.selected(), nullptr);
        QCOMPARE(selections.size(), selected + 1);
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(placeNew(canvas, QStringLiteral("edit"), QPoint(40, 100)));
        QCOMPARE(canvas.selected(), nullptr);
    }

    void handlesTurnTheCursor_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("shape");
        // The control is at (48, 80), 75 x 23.
        QTest::newRow("top left") << QPoint(45, 77) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top right") << QPoint(126, 77) << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom left") << QPoint(44, 106) << int(Qt::SizeFDiagCursor);
        QTest::newRow("away from the corners") << QPoint(80, 60) << int(Qt::ArrowCursor);
    }
    void handlesTurnTheCursor()
    {
        QFETCH(QPoint, cursor);
        QFETCH(int, shape);
        MdiChildDialogDummy canvas;
        canvas.resize(300, 250);
        placeNew(canvas, QStringLiteral("button"), QPoint(48, 80));
        QMouseEvent move(QEvent::MouseMove, QPointF(cursor), canvas.mapToGlobal(QPointF(cursor)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
        // A handle starts a resize drag; once it ends the cursor keeps the
        // diagonal shape until the next move.
        QCOMPARE(int(canvas.cursor().shape()), shape);
    }

    void statusLabelsFollowTheCanvas()
    {
        MdiChildDialogDummy canvas;
        QLabel position;
        QLabel size;
        canvas.setPositionLabel(&position);
        canvas.setSizeLabel(&size);
        canvas.resize(412, 301);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QCOMPARE(size.text(), QStringLiteral("  412, 301"));
        QMouseEvent move(QEvent::MouseMove, QPointF(120, 90), canvas.mapToGlobal(QPointF(120, 90)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
        QCOMPARE(position.text(), QStringLiteral("  120, 90"));
    }

    void closingFromItsTitleBarIsIgnored()
    {
        MdiChildDialogDummy canvas;
        canvas.show();
        QVERIFY(!canvas.close());
        QVERIFY(canvas.isVisible());
    }
};

KORVEL_TEST(TestCanvas)
#include "tst_canvas.moc"
