#include "KorvelResources.h"
#include "PopupMenuAnswer.h"
#include "ReferenceMessageList.h"
#include "app/messagearea/DiagnosticListModel.h"
#include "app/messagearea/MessageArea.h"
#include "checker/MslSyntaxHighlighter.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QTest>
#include <QTextDocument>
#include <QTreeView>

namespace {

const QString scriptA = QStringLiteral("/scripts/a.mrc");

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

// A checked script whose diagnostics the message area lists.
struct CheckedScript {
    QTextDocument document;
    MslSyntaxHighlighter checker{&document};

    CheckedScript(MessageArea& area, const QString& text)
    {
        document.documentLayout(); // a document reports its changes only with a layout
        checker.setFileName(scriptA);
        area.addDocument(&checker);
        document.setPlainText(text);
    }
};

} // namespace

class TestMessageArea : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initKorvelResources(); }

    void listsMatchPlainImplementation_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 42u, 1234u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }

    // Random diagnostics listed and withdrawn by line, lines moved, files
    // renamed and closed, with header clicks in between: the lists show what
    // re-scanning and re-sorting everything would.
    void listsMatchPlainImplementation()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        MessageArea area;
        area.resize(900, 400);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ReferenceMessageList reference;
        const int sources[] = {1, 2, 3};
        const QStringList files{scriptA, QStringLiteral("/scripts/b.mrc"), QStringLiteral("/scripts/C.mrc")};
        const QStringList blocks{QStringLiteral("alias"), QStringLiteral("on text"), QStringLiteral("dialog")};
        const QList<int> types{1, 2, 3, 4, 10, 11, 13, 15, 20};
        const auto models = {area.debugModel(), area.messageModel()};
        const auto sortOf = [](QTreeView* view) {
            return std::pair{view->header()->sortIndicatorSection(), view->header()->sortIndicatorOrder()};
        };

        for (int step = 0; step < 600; ++step) {
            const int choice = int(random.bounded(14));
            const void* source = &sources[random.bounded(3)];
            const int line = int(random.bounded(1, 12));
            if (choice < 6) {
                DiagnosticRow row;
                row.source = source;
                row.file = files.at(int(random.bounded(files.size())));
                row.line = line;
                row.column = int(random.bounded(0, 4));
                row.block = blocks.at(int(random.bounded(blocks.size())));
                row.type = types.at(int(random.bounded(types.size())));
                row.message = QStringLiteral("message %1").arg(random.bounded(5));
                const bool debug = row.type < 10;
                (debug ? area.debugModel() : area.messageModel())->add(row);
                const auto [column, order] = sortOf(debug ? area.debugView() : area.messageView());
                reference.add(row, column, order);
            } else if (choice < 9) {
                const int last = line + int(random.bounded(3));
                for (DiagnosticListModel* model : models)
                    model->removeLines(source, line, last);
                reference.removeLines(source, line, last);
            } else if (choice < 11) {
                // Lines inserted before `line`, or the lines before it removed
                // with their rows, as the checker reports them.
                const int delta = std::max(int(random.bounded(-3, 4)), 1 - line);
                for (DiagnosticListModel* model : models) {
                    model->removeLines(source, line + delta, line - 1);
                    model->moveLines(source, line, delta);
                }
                reference.removeLines(source, line + delta, line - 1);
                reference.moveLines(source, line, delta);
            } else if (choice == 11) {
                const QString file = files.at(int(random.bounded(files.size())));
                for (DiagnosticListModel* model : models)
                    model->renameSource(source, file);
                const auto [debugColumn, debugOrder] = sortOf(area.debugView());
                const auto [messageColumn, messageOrder] = sortOf(area.messageView());
                reference.renameSource(source, file, debugColumn, debugOrder, messageColumn, messageOrder);
            } else if (choice == 12) {
                for (DiagnosticListModel* model : models)
                    model->removeSource(source);
                reference.removeSource(source);
            } else {
                QTreeView* view = random.bounded(2) ? area.debugView() : area.messageView();
                clickHeader(view, int(random.bounded(view->model()->columnCount())));
                QStandardItemModel& plain = view == area.debugView() ? reference.debug : reference.messages;
                plain.sort(view->header()->sortIndicatorSection(), view->header()->sortIndicatorOrder());
            }
            QCOMPARE(shownRows(*area.debugModel()), shownRows(reference.debug));
            QCOMPARE(shownRows(*area.messageModel()), shownRows(reference.messages));
        }
    }

    // An error and an access level are listed under Debug, a task marker
    // under Messages, with an icon for all but the access level. A list's
    // menu copies its current row (empty fields without one); the rows leave
    // with the document, and a list without rows offers no menu.
    void listedAndCopied_data()
    {
        QTest::addColumn<bool>("debugList");
        QTest::addColumn<int>("row"); // -1: no current row
        QTest::addColumn<bool>("hasIcon");
        QTest::addColumn<QString>("copied");
        QTest::newRow("error") << true << 0 << true
                               << "/scripts/a.mrc 1:17 block Unexpected characters after closing bracket";
        QTest::newRow("access level") << true << 1 << false << "/scripts/a.mrc 2:0 Ctcp Invalid Access Level";
        QTest::newRow("task marker") << false << 0 << true << "/scripts/a.mrc 3:2 x";
        QTest::newRow("no current row") << true << -1 << false << " :  ";
    }

    void listedAndCopied()
    {
        QFETCH(bool, debugList);
        QFETCH(int, row);
        QFETCH(bool, hasIcon);
        MessageArea area;
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        CheckedScript script(area, QStringLiteral("alias f { echo } x\nctcp x\n; todo: x"));
        QTreeView* view = debugList ? area.debugView() : area.messageView();
        DiagnosticListModel* model = debugList ? area.debugModel() : area.messageModel();
        QCOMPARE(model->rowCount(), debugList ? 2 : 1);
        const QModelIndex messageCell = model->index(row, model->columnCount() - 1);
        const QIcon icon = messageCell.data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(!icon.isNull() && !icon.pixmap(16, 16).isNull(), hasIcon);
        view->setCurrentIndex(messageCell);
        QApplication::clipboard()->setText(QStringLiteral("untouched"));

        QStringList entries;
        answerNextMenu(&area, 0, entries);
        emit view->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(entries.value(0), debugList ? QStringLiteral("Copy Error") : QStringLiteral("Copy Message"));
        QTEST(QApplication::clipboard()->text(), "copied");

        script.document.clear();
        QCOMPARE(model->rowCount(), 0);
        entries.clear();
        answerNextMenu(&area, 0, entries);
        emit view->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(entries.isEmpty());
    }
};

QTEST_MAIN(TestMessageArea)
#include "tst_messagearea.moc"
