#include "MainWindow.h"

#include "DockEditKeys.h"
#include "DocumentIcons.h"
#include "NewProjectDialog.h"
#include "app/messagearea/MessageArea.h"
#include "checker/MslSyntaxHighlighter.h"
#include "designer/MdiChildBuilder.h"
#include "designer/MdiChildDialogDummy.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QAction>
#include <QDockWidget>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QTabWidget>
#include <QUndoStack>

namespace {

const QString scriptFileFilter = QStringLiteral("mIRC Scripts File (*.mRC);;mIRC INI Script File (*.ini)");

} // namespace

MdiChildEditor* MainWindow::createScriptWindow()
{
    auto* win = new MdiChildEditor;
    messageArea->addDocument(win->getHighlighter());
    for (QDockWidget* dock : win->findChildren<QDockWidget*>())
        dockKeys->guard(dock); // the outline and the find and go-to bars
    connect(win, &MdiChildEditor::closing, this, &MainWindow::editorClosed);
    connect(win, &MdiChildEditor::titleChanged, this, &MainWindow::editorTitleChange);
    connect(win, &MdiChildEditor::editDialogRequested, this, &MainWindow::editDialogInDesigner);
    // Only the document being typed in changes its undo stack, and that is
    // the current one, so Undo and Redo follow it while the menu is closed.
    connect(win->getEditor(), &QPlainTextEdit::undoAvailable, this, &MainWindow::editMenuUndoUpdate);
    connect(win->getEditor(), &MslTextEditor::definitionRequested, this, &MainWindow::goToDefinition);
    connect(win->getEditor(), &QPlainTextEdit::redoAvailable, this, &MainWindow::editMenuRedoUpdate);
    connect(win->getEditor(), &QPlainTextEdit::cursorPositionChanged, this, &MainWindow::updateFoldActions);
    return win;
}

void MainWindow::addDocumentTab(QWidget* win, const QString& iconPath, const QString& title)
{
    tabs->addTab(win, QIcon(iconPath), title);
}

QString MainWindow::nextUntitledName()
{
    // Shared by scripts and dialogs and never reset, so no number is reused
    // while the program runs.
    ++untitledCounter;
    return QStringLiteral("Untitled") + QString::number(untitledCounter);
}

void MainWindow::openScript(const QFileInfo& file, bool readOnly)
{
    for (MdiChildEditor* open : std::as_const(editorWindows)) {
        if (open->fileInfo() == file) {
            tabs->setCurrentWidget(open);
            return;
        }
    }

    MdiChildEditor* win = createScriptWindow();
    // Shown and sized before the text arrives: a change of width lays out
    // every line of the document again, which costs a text layout per line.
    addDocumentTab(win, readOnly ? DocumentIcons::readOnlyScript : DocumentIcons::script, file.fileName());
    editorWindows.append(win);
    applyWordWrap(win, wordWrapAction->isChecked());
    tabs->setCurrentWidget(win);
    win->loadDocument(file, false, readOnly);
    // Loading checked the whole text, so the message area is already full.
    win->getEditor()->setFocus();
}

void MainWindow::openFromFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Select File To Open"), QString(), scriptFileFilter);
    if (!path.isEmpty())
        openScript(QFileInfo(path), false);
}

void MainWindow::openFromFileRO()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Select File To Open (Read-Only)"), QString(), scriptFileFilter);
    if (!path.isEmpty())
        openScript(QFileInfo(path), true);
}

void MainWindow::newFile()
{
    NewProjectDialog chooser(this);
    const int type = chooser.exec();
    switch (type) {
    case NewProjectDialog::DialogDocument: {
        QMessageBox::information(this, tr("Unsupported Feature"),
                                 tr("This feature is currently in pre-alpha stage of development.\n"
                                    "(Please do not report any related bugs.)"));
        auto* win = new MdiChildBuilder;
        registerDesignerWindow(win);
        addDocumentTab(win, DocumentIcons::dialog, nextUntitledName());
        tabs->setCurrentWidget(win);
        break;
    }
    case NewProjectDialog::ScriptDocument: newScriptWindow(); break;
    case NewProjectDialog::Cancelled: break;
    default:
        QMessageBox::information(this, tr("Unsupported Feature"), tr("This feature is currently unsupported."));
        break;
    }
}

MdiChildEditor* MainWindow::newScriptWindow()
{
    MdiChildEditor* win = createScriptWindow();
    editorWindows.append(win);
    const QString name = nextUntitledName();
    addDocumentTab(win, DocumentIcons::script, name);
    win->loadDocument(QFileInfo(name), true, false);
    applyWordWrap(win, wordWrapAction->isChecked());
    tabs->setCurrentWidget(win);
    win->getEditor()->setFocus();
    return win;
}

void MainWindow::registerDesignerWindow(MdiChildBuilder* win)
{
    connect(win, &MdiChildBuilder::closing, this, &MainWindow::builderClosed);
    connect(win, &MdiChildBuilder::codeGenerated, this,
            [this, win](const QString& code) { openGeneratedCode(win, code); });
    // The designer's steps change Undo, Redo and Delete while it is current.
    QUndoStack* steps = win->undoStack();
    const auto followSteps = [this, win] {
        if (currentWindow == win)
            designerEditActionsUpdate();
    };
    connect(steps, &QUndoStack::indexChanged, this, followSteps);
    connect(win->canvas(), &MdiChildDialogDummy::newSelection, this, followSteps);
    designerWindows.append(win);
}

void MainWindow::openGeneratedCode(MdiChildBuilder* from, const QString& code)
{
    MdiChildEditor* win = newScriptWindow();
    // Typed in rather than loaded: the new script has unsaved text.
    win->getEditor()->insertPlainText(code);
    from->linkGeneratedScript(win->getEditor());
}

void MainWindow::editDialogInDesigner(MdiChildEditor* script)
{
    auto* win = new MdiChildBuilder;
    if (!win->openTable(script->getEditor())) {
        delete win;
        QMessageBox::information(this, tr("Edit Dialog in Designer"), tr("The caret is not inside a dialog table."));
        return;
    }
    registerDesignerWindow(win);
    addDocumentTab(win, DocumentIcons::dialog, win->tableName());
    tabs->setCurrentWidget(win);
}

void MainWindow::saveAll()
{
    // Each document saves on its own: a cancelled dialog or a failed write
    // only leaves that one unsaved.
    const QList<MdiChildEditor*> editors = editorWindows;
    for (MdiChildEditor* win : editors) {
        if (!win->getEditor()->isReadOnly())
            win->saveFileClicked();
    }
}

void MainWindow::saveAsClicked()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->saveAsClicked();
}

void MainWindow::closeFile()
{
    if (currentWindow)
        currentWindow->close();
}

void MainWindow::closeEveryWindowExcept(QWidget* kept)
{
    // Unlike closing the main window, a refused close does not stop the rest.
    const QList<MdiChildEditor*> editors = editorWindows;
    for (MdiChildEditor* win : editors) {
        if (win != kept)
            win->close();
    }
    const QList<MdiChildBuilder*> builders = designerWindows;
    for (MdiChildBuilder* win : builders) {
        if (win != kept)
            win->close();
    }
}

void MainWindow::closeAllFiles()
{
    closeEveryWindowExcept(nullptr);
}

void MainWindow::closeAllButActive()
{
    closeEveryWindowExcept(currentWindow);
}

void MainWindow::tabCloseRequested(int index)
{
    QWidget* win = tabs->widget(index);
    if (auto* script = qobject_cast<MdiChildEditor*>(win)) {
        if (script->close()) {
            editorWindows.removeOne(script);
            tabs->removeTab(index);
        }
    } else if (auto* builder = qobject_cast<MdiChildBuilder*>(win)) {
        if (builder->close()) {
            designerWindows.removeOne(builder);
            tabs->removeTab(index);
        }
    }
    editMenuSelectionUpdate();
}

void MainWindow::tabChangedRequested(int index)
{
    const bool anyTab = tabs->count() > 0;
    closeAction->setEnabled(anyTab);
    closeAllAction->setEnabled(anyTab);
    closeAllButActiveAction->setEnabled(anyTab);
    currentWindow = anyTab ? tabs->widget(index) : nullptr;
    editMenuSelectionUpdate();
    updateFoldActions();
}

void MainWindow::editorTitleChange(MdiChildEditor* win, const QString& title)
{
    const int index = tabs->indexOf(win);
    if (index >= 0)
        tabs->setTabText(index, title);
}

void MainWindow::editorClosed(MdiChildEditor* win)
{
    editorWindows.removeOne(win);
}

void MainWindow::builderClosed(MdiChildBuilder* win)
{
    designerWindows.removeOne(win);
}

void MainWindow::gotoListed(const MslSyntaxHighlighter* checker, const QString& filePath, int line, int column)
{
    if (!checker) {
        gotoFilePosition(filePath, line, column);
        return;
    }
    for (MdiChildEditor* win : std::as_const(editorWindows)) {
        if (win->getHighlighter() == checker) {
            showPosition(win, line, column);
            return;
        }
    }
}

void MainWindow::gotoFilePosition(const QString& filePath, int line, int column)
{
    const auto showing = [this, &filePath] {
        for (MdiChildEditor* win : std::as_const(editorWindows))
            if (win->fileInfo().absoluteFilePath() == filePath)
                return win;
        return static_cast<MdiChildEditor*>(nullptr);
    };
    MdiChildEditor* win = showing();
    if (!win && QFileInfo(filePath).isFile()) {
        openScript(QFileInfo(filePath), false);
        win = showing();
    }
    if (win)
        showPosition(win, line, column);
}

void MainWindow::showPosition(MdiChildEditor* win, int line, int column)
{
    tabs->setCurrentWidget(win);
    MslTextEditor* editor = win->getEditor();
    // By blocks, not by screen lines, so word wrap does not shift it;
    // a fold that hides the line opens.
    editor->gotoLine(line);
    editor->gotoColumn(column);
    editor->setFocus();
}
