#include "MessageArea.h"

#include "DiagnosticListModel.h"
#include "checker/MslSyntaxHighlighter.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTreeView>

MessageArea::MessageArea(QWidget* parent)
    : QTabWidget(parent)
{
    debugRows = new DiagnosticListModel(DiagnosticTabs::debug, this);
    messageRows = new DiagnosticListModel(DiagnosticTabs::messages, this);
    debugList = createList(debugRows, tr("Copy Error"));
    messageList = createList(messageRows, tr("Copy Message"));
    addTab(debugList, tr("Debug"));
    addTab(messageList, tr("Messages"));
}

QTreeView* MessageArea::createList(DiagnosticListModel* model, const QString& copyEntry)
{
    auto* view = new QTreeView(this);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line high; saying so spares the view measuring each
    // of thousands of rows.
    view->setUniformRowHeights(true);
    view->setSortingEnabled(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QTreeView::doubleClicked, this,
            [this, model](const QModelIndex& index) { requestGoto(model, index); });
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, view, model, copyEntry](const QPoint& point) { showCopyMenu(view, model, copyEntry, point); });
    return view;
}

void MessageArea::showReferences(const QVector<DiagnosticRow>& rows)
{
    if (!referenceRows) {
        referenceRows = new DiagnosticListModel(DiagnosticTabs::messages, this);
        referenceList = createList(referenceRows, tr("Copy Message"));
        addTab(referenceList, tr("References"));
    }
    referenceRows->removeSource(nullptr);
    for (DiagnosticRow row : rows) {
        row.source = nullptr;
        referenceRows->add(row);
    }
    setCurrentWidget(referenceList);
}

void MessageArea::addDocument(const MslSyntaxHighlighter* checker)
{
    connect(checker, &MslSyntaxHighlighter::diagnosticsChanged, this,
            [this, checker](int first, int last) { relist(checker, first, last); });
    connect(checker, &MslSyntaxHighlighter::linesInserted, this,
            [this, checker](int first, int count) { linesInserted(checker, first, count); });
    connect(checker, &MslSyntaxHighlighter::linesRemoved, this,
            [this, checker](int first, int count) { linesRemoved(checker, first, count); });
    connect(checker, &MslSyntaxHighlighter::fileNameChanged, this,
            [this, checker](const QString& file) { renamed(checker, file); });
    connect(checker, &QObject::destroyed, this, [this, checker] { forget(checker); });
    if (checker->lineCount() > 0)
        relist(checker, 0, checker->lineCount() - 1);
}

void MessageArea::relist(const MslSyntaxHighlighter* checker, int first, int last)
{
    debugRows->removeLines(checker, first + 1, last + 1);
    messageRows->removeLines(checker, first + 1, last + 1);
    DiagnosticRow row;
    row.source = checker;
    row.file = checker->getFileName();
    for (int line = first; line <= last; ++line) {
        for (const LineDiagnostic& diagnostic : checker->recordAt(line).diagnostics) {
            row.line = line + 1;
            row.column = diagnostic.pos;
            row.block = diagnostic.block;
            row.type = int(diagnostic.type);
            row.message = diagnostic.message;
            (row.type < DiagnosticTabs::firstMessageType ? debugRows : messageRows)->add(row);
        }
    }
}

void MessageArea::linesInserted(const MslSyntaxHighlighter* checker, int first, int count)
{
    debugRows->moveLines(checker, first + 1, count);
    messageRows->moveLines(checker, first + 1, count);
}

void MessageArea::linesRemoved(const MslSyntaxHighlighter* checker, int first, int count)
{
    for (DiagnosticListModel* rows : {debugRows, messageRows}) {
        rows->removeLines(checker, first + 1, first + count);
        rows->moveLines(checker, first + count + 1, -count);
    }
}

void MessageArea::renamed(const MslSyntaxHighlighter* checker, const QString& file)
{
    debugRows->renameSource(checker, file);
    messageRows->renameSource(checker, file);
}

void MessageArea::forget(const void* checker)
{
    debugRows->removeSource(checker);
    messageRows->removeSource(checker);
}

void MessageArea::requestGoto(const DiagnosticListModel* model, const QModelIndex& index)
{
    const DiagnosticRow* row = model->rowAt(index.row());
    if (row)
        emit gotoRequested(static_cast<const MslSyntaxHighlighter*>(row->source), row->file, row->line, row->column);
}

void MessageArea::showCopyMenu(QTreeView* view, DiagnosticListModel* model, const QString& entry, const QPoint& point)
{
    if (model->rowCount() == 0)
        return;
    QMenu menu(this);
    const QAction* copy = menu.addAction(entry);
    if (menu.exec(view->viewport()->mapToGlobal(point)) == copy)
        QApplication::clipboard()->setText(model->copyText(view->currentIndex().row()));
}
