#include "MainWindow.h"

#include "ScriptAliases.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"
#include "messagearea/DiagnosticRow.h"
#include "messagearea/MessageArea.h"
#include "workspace/ScriptFolder.h"

#include <QApplication>
#include <QTextBlock>
#include <algorithm>

namespace {

// A window's document in the alias index: its file's absolute path, or for
// an untitled window its title.
QString windowKey(const MdiChildEditor* win)
{
    return win->isUntitled() ? QStringLiteral("untitled:") + win->windowTitle() : win->fileInfo().absoluteFilePath();
}

} // namespace

AliasIndex MainWindow::aliasIndex(const MdiChildEditor* current)
{
    AliasIndex index;
    // The scripts of the current script's folder and its subfolders as
    // saved, then every open script as it is now.
    if (!current->isUntitled())
        for (const QString& path : ScriptFolder::scriptFiles(current->fileInfo().absolutePath()))
            index.setDocument(path, aliasFiles.aliasesOf(path));
    for (const MdiChildEditor* win : std::as_const(editorWindows))
        index.setDocument(windowKey(win), aliasesOfDocument(*win->getHighlighter()));
    return index;
}

QString MainWindow::aliasAtCaret(const AliasIndex& index, const MdiChildEditor* win) const
{
    const QTextCursor caret = win->getEditor()->textCursor();
    return index.nameAt(windowKey(win), caret.blockNumber(), caret.positionInBlock());
}

void MainWindow::goToDefinition()
{
    MdiChildEditor* win = currentScriptWindow();
    if (!win)
        return;
    const AliasIndex index = aliasIndex(win);
    const QString name = aliasAtCaret(index, win);
    const QVector<AliasIndex::Location> found =
        name.isEmpty() ? QVector<AliasIndex::Location>() : index.definitions(name, windowKey(win));
    if (found.isEmpty()) {
        QApplication::beep();
        return;
    }
    const AliasIndex::Location& place = found.first();
    for (MdiChildEditor* open : std::as_const(editorWindows)) {
        if (windowKey(open) == place.document) {
            showPosition(open, place.site.line + 1, place.site.start + 1);
            return;
        }
    }
    gotoFilePosition(place.document, place.site.line + 1, place.site.start + 1);
}

void MainWindow::findReferences()
{
    MdiChildEditor* win = currentScriptWindow();
    if (!win)
        return;
    const AliasIndex index = aliasIndex(win);
    const QString name = aliasAtCaret(index, win);
    if (name.isEmpty()) {
        QApplication::beep();
        return;
    }
    QVector<DiagnosticRow> rows;
    const QVector<AliasIndex::Location> definitions = index.definitions(name, windowKey(win));
    for (const AliasIndex::Location& place : index.references(name, true)) {
        DiagnosticRow row;
        row.file = place.document;
        row.line = place.site.line + 1;
        row.column = place.site.start + 1;
        const bool isDefinition = std::any_of(definitions.begin(), definitions.end(), [&place](const auto& d) {
            return d.document == place.document && d.site.line == place.site.line && d.site.start == place.site.start;
        });
        row.message = (isDefinition ? tr("Definition of %1") : tr("Call of %1")).arg(name);
        rows.append(row);
    }
    messageArea->showReferences(rows);
}
