#include "KorvelResources.h"
#include "PopupMenuAnswer.h"
#include "ReferenceMessageList.h"
#include "app/messagearea/DiagnosticListModel.h"
#include "app/messagearea/MessageArea.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeView>

namespace {

const QString scriptA = QStringLiteral("/scripts/a.mrc");
const QString scriptB = QStringLiteral("/scripts/b.mrc");

int raise(MessageArea& area, const QString& file, int line, int type, const QString& message = QStringLiteral("m"),
          int column = 0, const QString& block = QStringLiteral("alias"))
{
    int id = -1;
    area.updateError(line, column, file, block, QStringLiteral("???"), type, message, id);
    return id;
}

// What a user reads in one list: every cell of every row, top to bottom.
QStringList shownRows(const QAbstractItemModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void clickHeader(QTreeView* view, int column)
{
    QHeaderView* header = view->header();
    const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestMessageArea : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initKorvelResources(); }

    void idsAreSharedByBothTabs()
    {
        MessageArea area;
        QCOMPARE(raise(area, scriptA, 1, 3), 2);
        QCOMPARE(raise(area, scriptA, 2, 1), 3);
        QCOMPARE(raise(area, scriptA, 3, 11), 4);
        QCOMPARE(raise(area, scriptB, 9, 14), 5);
        QCOMPARE(raise(area, scriptB, 1, 2), 6);

        // Withdrawing ids below the largest does not make them available again;
        // withdrawing the largest does, down to the next largest still listed.
        // Ids that match nothing are ignored.
        QVector<int> withdrawn{2, 4, 99, -1};
        area.removeError(withdrawn);
        QCOMPARE(raise(area, scriptA, 1, 10), 7);
        withdrawn = {7, 6, 5};
        area.removeError(withdrawn);
        QCOMPARE(raise(area, scriptA, 1, 1), 4);

        withdrawn = {3, 4};
        area.removeError(withdrawn);
        QCOMPARE(area.debugModel()->rowCount() + area.messageModel()->rowCount(), 0);
        QCOMPARE(raise(area, scriptA, 1, 12), 2);
    }

    void severityChoosesTabAndIcon_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("inDebug");
        QTest::addColumn<bool>("hasIcon");
        QTest::newRow("information") << 1 << true << true;
        QTest::newRow("warning") << 2 << true << true;
        QTest::newRow("error") << 3 << true << true;
        QTest::newRow("access level") << 4 << true << false;
        QTest::newRow("9") << 9 << true << false;
        QTest::newRow("blue marker") << 10 << false << true;
        QTest::newRow("fixme") << 15 << false << true;
        QTest::newRow("16") << 16 << false << false;
    }

    void severityChoosesTabAndIcon()
    {
        QFETCH(int, type);
        QFETCH(bool, inDebug);
        QFETCH(bool, hasIcon);
        MessageArea area;
        raise(area, scriptA, 4, type, QStringLiteral("text"));
        DiagnosticListModel* model = inDebug ? area.debugModel() : area.messageModel();
        DiagnosticListModel* other = inDebug ? area.messageModel() : area.debugModel();
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(other->rowCount(), 0);
        const QModelIndex messageCell = model->index(0, model->columnCount() - 1);
        QCOMPARE(messageCell.data().toString(), QStringLiteral("text"));
        const QIcon icon = messageCell.data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(!icon.isNull() && !icon.pixmap(16, 16).isNull(), hasIcon);
    }

    void listsMatchPlainImplementation_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 42u, 1234u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    // Random diagnostics raised, withdrawn and renumbered, files closed, with
    // header clicks in between: the lists show what re-scanning and re-sorting everything would.
    void listsMatchPlainImplementation()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        MessageArea area;
        area.resize(900, 400);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ReferenceMessageList reference;
        QList<int> listed;
        const QStringList files{scriptA, scriptB, QStringLiteral("/scripts/C.mrc")};
        const QStringList blocks{QStringLiteral("alias"), QStringLiteral("on text"), QStringLiteral("dialog")};
        const QList<int> types{1, 2, 3, 4, 10, 11, 13, 15, 20};

        for (int step = 0; step < 600; ++step) {
            const int choice = int(random.bounded(12));
            if (choice < 6) {
                const QString file = files.at(int(random.bounded(files.size())));
                const int line = int(random.bounded(1, 12));
                const int column = int(random.bounded(0, 4));
                const QString block = blocks.at(int(random.bounded(blocks.size())));
                const int type = types.at(int(random.bounded(types.size())));
                const QString message = QStringLiteral("message %1").arg(random.bounded(5));
                QHeaderView* debugHeader = area.debugView()->header();
                QHeaderView* messageHeader = area.messageView()->header();
                const int expectedId =
                    reference.add(line, column, file, block, type, message, debugHeader->sortIndicatorSection(),
                                  debugHeader->sortIndicatorOrder(), messageHeader->sortIndicatorSection(),
                                  messageHeader->sortIndicatorOrder());
                QCOMPARE(raise(area, file, line, type, message, column, block), expectedId);
                listed << expectedId;
            } else if (choice < 9) {
                const int id = (listed.isEmpty() || random.bounded(4) == 0)
                    ? int(random.bounded(2, 40))
                    : listed.at(int(random.bounded(listed.size())));
                QVector<int> ids{id};
                area.removeError(ids);
                reference.remove(id);
                listed.removeAll(id);
            } else if (choice == 10) {
                // Lines inserted or deleted above some of a file's rows.
                const QString file = files.at(int(random.bounded(files.size())));
                QHash<int, int> lineOfId;
                for (int id : std::as_const(listed)) {
                    if (random.bounded(2))
                        lineOfId.insert(id, int(random.bounded(1, 12)));
                }
                area.debugModel()->renumber(file, lineOfId);
                area.messageModel()->renumber(file, lineOfId);
                reference.renumber(file, lineOfId);
            } else if (choice == 11) {
                const QString file = files.at(int(random.bounded(files.size())));
                area.editorFclosed(QFileInfo(file));
                reference.close(file);
            } else {
                QTreeView* view = random.bounded(2) ? area.debugView() : area.messageView();
                QStandardItemModel& plain = view == area.debugView() ? reference.debug : reference.messages;
                int column = int(random.bounded(view->model()->columnCount()));
                if (view->isColumnHidden(column))
                    column = 0;
                clickHeader(view, column);
                plain.sort(view->header()->sortIndicatorSection(), view->header()->sortIndicatorOrder());
            }
            QCOMPARE(shownRows(*area.debugModel()), shownRows(reference.debug));
            QCOMPARE(shownRows(*area.messageModel()), shownRows(reference.messages));
        }
    }

    void copyMenu_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("otherList");
        QTest::addColumn<bool>("withCurrentRow");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("copied");
        const QString error = QStringLiteral("/scripts/a.mrc 12:5 on text Missing bracket");
        const QString task = QStringLiteral("/scripts/a.mrc 12:5 Missing bracket");
        const QString none = QStringLiteral("untouched");
        QTest::newRow("Debug") << 3 << false << true << QStringLiteral("Copy Error") << error;
        QTest::newRow("Messages") << 11 << false << true << QStringLiteral("Copy Message") << task;
        QTest::newRow("Debug, no current row") << 3 << false << false << QStringLiteral("Copy Error") << " :  ";
        QTest::newRow("Messages, no current row") << 11 << false << false << QStringLiteral("Copy Message") << " : ";
        // A list without rows offers no menu.
        QTest::newRow("empty Messages list") << 3 << true << true << QString() << none;
        QTest::newRow("empty Debug list") << 11 << true << true << QString() << none;
    }

    void copyMenu()
    {
        QFETCH(int, type);
        QFETCH(bool, otherList);
        QFETCH(bool, withCurrentRow);
        QFETCH(QString, entry);
        QFETCH(QString, copied);
        MessageArea area;
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        raise(area, scriptB, 2, type, QStringLiteral("other"), 0, QStringLiteral("alias"));
        raise(area, scriptA, 12, type, QStringLiteral("Missing bracket"), 5, QStringLiteral("on text"));
        const bool debugList = (type < 10) != otherList;
        QTreeView* view = debugList ? area.debugView() : area.messageView();
        DiagnosticListModel* model = debugList ? area.debugModel() : area.messageModel();
        int row = 0;
        while (row < model->rowCount() && model->rowAt(row)->line != 12)
            ++row;
        view->setCurrentIndex(withCurrentRow ? model->index(row, 0) : QModelIndex());
        QApplication::clipboard()->setText(QStringLiteral("untouched"));

        QStringList entries;
        answerNextMenu(&area, 0, entries);
        if (debugList)
            area.customDebugMenu(QPoint(5, 5));
        else
            area.customMessageMenu(QPoint(5, 5));
        QCOMPARE(entries.value(0), entry);
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }
};

QTEST_MAIN(TestMessageArea)
#include "tst_messagearea.moc"
