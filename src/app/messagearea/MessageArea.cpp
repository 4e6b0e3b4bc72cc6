#include "MessageArea.h"

#include "DiagnosticListModel.h"
#include "checker/CBlockData.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeView>

MessageArea::MessageArea(QWidget* parent)
    : QTabWidget(parent)
{
    debugRows = new DiagnosticListModel(DiagnosticTabs::debug, this);
    messageRows = new DiagnosticListModel(DiagnosticTabs::messages, this);
    debugList = createList(debugRows);
    messageList = createList(messageRows);
    addTab(debugList, tr("Debug"));
    addTab(messageList, tr("Messages"));
}

QTreeView* MessageArea::createList(DiagnosticListModel* model)
{
    auto* view = new QTreeView(this);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line high; saying so spares the view measuring each
    // of thousands of rows.
    view->setUniformRowHeights(true);
    view->setSortingEnabled(true);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setColumnHidden(model->layout().hiddenColumn, true);
    return view;
}

void MessageArea::showReferences(const QVector<DiagnosticRow>& rows)
{
    if (!referenceRows) {
        referenceRows = new DiagnosticListModel(DiagnosticTabs::messages, this);
        referenceList = createList(referenceRows);
        addTab(referenceList, tr("References"));
        connect(referenceList, &QTreeView::doubleClicked, this,
                [this](const QModelIndex& index) { requestGoto(referenceRows, index); });
    }
    for (int row = referenceRows->rowCount() - 1; row >= 0; --row)
        referenceRows->remove(referenceRows->rowAt(row)->id);
    // The ids of this list are its own, numbered from 1 (none is 0).
    int id = 0;
    for (DiagnosticRow row : rows) {
        row.id = ++id;
        referenceRows->add(row);
    }
    setCurrentWidget(referenceList);
}

void MessageArea::updateError(int lineNum, int linePos, const QString& fname, const QString& block,
                              const QString& /*id: the checker's placeholder, shown nowhere*/, int type,
                              const QString& err, int& errId)
{
    errId = listedIds.take();

    DiagnosticRow row;
    row.file = fname;
    row.line = lineNum;
    row.column = linePos;
    row.block = block;
    row.id = errId;
    row.type = type;
    row.message = err;
    (type < DiagnosticTabs::firstMessageType ? debugRows : messageRows)->add(row);
}

void MessageArea::removeError(QVector<int>& errIds)
{
    for (int id : std::as_const(errIds)) {
        const bool fromDebug = debugRows->remove(id);
        const bool fromMessages = messageRows->remove(id);
        if (fromDebug || fromMessages)
            listedIds.release(id);
    }
}

void MessageArea::forgetIds(const QVector<int>& ids)
{
    for (int id : ids)
        listedIds.release(id);
}

void MessageArea::editorFclosed(const QFileInfo& filename)
{
    const QString file = filename.absoluteFilePath();
    forgetIds(debugRows->removeFile(file));
    forgetIds(messageRows->removeFile(file));
}

void MessageArea::editorErrUpdate(const QFileInfo& filename, MdiChildEditor* win)
{
    if (win)
        renumberLines(filename.absoluteFilePath(), win->getEditor()->document());
}

void MessageArea::renumberLines(const QString& file, const QTextDocument* document)
{
    if (!document || (!debugRows->hasRowsOf(file) && !messageRows->hasRowsOf(file)))
        return;
    // One walk over the document for all of the file's rows, ending as soon
    // as every one of them has been found.
    QSet<int> wanted = debugRows->idsOf(file);
    wanted.unite(messageRows->idsOf(file));
    QHash<int, int> lineOfId;
    lineOfId.reserve(wanted.size());
    int line = 1;
    for (QTextBlock block = document->begin(); block.isValid() && !wanted.isEmpty(); block = block.next(), ++line) {
        const auto* data = dynamic_cast<const CBlockData*>(block.userData());
        if (!data)
            continue;
        for (int id : data->errorCarrier.errIds) {
            if (wanted.remove(id))
                lineOfId.insert(id, line);
        }
    }
    debugRows->renumber(file, lineOfId);
    messageRows->renumber(file, lineOfId);
}

void MessageArea::requestGoto(const DiagnosticListModel* model, const QModelIndex& index)
{
    const DiagnosticRow* row = model->rowAt(index.row());
    if (row)
        emit gotoRequested(row->file, row->line, row->column);
}

void MessageArea::debugDClick(const QModelIndex& index)
{
    requestGoto(debugRows, index);
}

void MessageArea::statusDClick(const QModelIndex& index)
{
    requestGoto(messageRows, index);
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

void MessageArea::customDebugMenu(const QPoint& point)
{
    showCopyMenu(debugList, debugRows, tr("Copy Error"), point);
}

void MessageArea::customMessageMenu(const QPoint& point)
{
    showCopyMenu(messageList, messageRows, tr("Copy Message"), point);
}
