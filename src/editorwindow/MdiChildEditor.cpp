#include "MdiChildEditor.h"

#include "DocumentKindSelector.h"
#include "checker/MslSyntaxHighlighter.h"
#include "editor/MslTextEditor.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

namespace {

const char* const saveIcon = ":/general/toolbar/resources/img_assets/options/main/save.png";
const char* const checkBracketsIcon = ":/general/toolbar/resources/img_assets/editor/toolbar/bchecker.png";
const char* const designerIcon = ":/newFile/resources/img_assets/new_type/dialog.png";
const char* const scriptFilter = "mIRC Scripts File (*.mRC);;mIRC INI Script File (*.ini)";

// The size of the text in characters, as the status line shows it.
QString sizeText(qint64 characters)
{
    constexpr qint64 kilo = 1024;
    constexpr qint64 mega = 1024 * 1024;
    if (characters < kilo)
        return QString::number(double(characters), 'g', 6) + QStringLiteral(" B");
    if (characters < mega)
        return QString::number(double(characters) / kilo, 'f', 2) + QStringLiteral(" KB");
    return QString::number(double(characters) / mega, 'f', 2) + QStringLiteral(" MB");
}

} // namespace

MdiChildEditor::MdiChildEditor(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildToolbar();

    editor = new MslTextEditor(this);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    highlighter = new MslSyntaxHighlighter(editor->document());
    editor->setHighlighter(highlighter);
    setCentralWidget(editor);
    // The editor lists its own actions at the end of its context menu.
    editor->addAction(editDialogAction);

    buildStatusBar();

    editor->document()->setModified(false);
    // Lines start unwrapped; the main window applies its Word wrap choice.
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setWordWrapMode(QTextOption::NoWrap);
    buildSearchBar();
    buildOutlineDock();
    buildGotoBar();
    updateCursorStatus();

    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &MdiChildEditor::updateCursorStatus);
    connect(editor, &QPlainTextEdit::modificationChanged, this, &MdiChildEditor::documentedModified);
}

MdiChildEditor::~MdiChildEditor()
{
    emit closing(this);
}

void MdiChildEditor::buildToolbar()
{
    auto* toolbar = new QToolBar(QStringLiteral("Editor Menubar"), this);
    toolbar->setIconSize(QSize(16, 16));
    addToolBar(Qt::TopToolBarArea, toolbar);

    auto* save = new QAction(QIcon(QString::fromLatin1(saveIcon)), QStringLiteral("Save"), this);
    save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(save, &QAction::triggered, this, &MdiChildEditor::saveFileClicked);
    toolbar->addAction(save);

    auto* brackets = new QAction(QIcon(QString::fromLatin1(checkBracketsIcon)), QStringLiteral("Check Brackets"), this);
    brackets->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
    connect(brackets, &QAction::triggered, this, &MdiChildEditor::checkBrackets);
    toolbar->addAction(brackets);

    editDialogAction =
        new QAction(QIcon(QString::fromLatin1(designerIcon)), QStringLiteral("Edit Dialog in Designer"), this);
    editDialogAction->setStatusTip(QStringLiteral("Open the dialog table at the caret in the dialog designer."));
    connect(editDialogAction, &QAction::triggered, this, [this] { emit editDialogRequested(this); });
    toolbar->addAction(editDialogAction);
}

void MdiChildEditor::checkBrackets()
{
    editor->checkBrackets();
}

void MdiChildEditor::buildStatusBar()
{
    positionLabel = new QLabel(this);
    sizeLabel = new QLabel(this);
    encodingLabel = new QLabel(this);
    positionLabel->setObjectName(QStringLiteral("positionLabel"));
    sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    encodingLabel->setObjectName(QStringLiteral("encodingLabel"));
    statusBar()->addWidget(positionLabel);
    statusBar()->addWidget(sizeLabel);
    statusBar()->addWidget(encodingLabel);
    showEncoding();
    kindSelector = new DocumentKindSelector(this);
    statusBar()->addPermanentWidget(kindSelector);
    connect(kindSelector, &DocumentKindSelector::kindChosen, this, &MdiChildEditor::setDocumentKind);
}

void MdiChildEditor::setDocumentKind(DocumentKind kind)
{
    kindSelector->showKind(kind);
    DocumentKind sectionKind = DocumentKind::Remote;
    if (!DocumentKinds::fromSection(iniSection.toLower(), &sectionKind) || sectionKind != kind)
        iniSection.clear();
    highlighter->setDocumentKind(kind);
    updateObjTree();
}

void MdiChildEditor::showEncoding()
{
    const bool unusual = encoding != ScriptEncoding::Utf8;
    encodingLabel->setText(unusual ? QStringLiteral("  Encoding: ") + scriptEncodingName(encoding) : QString());
    encodingLabel->setVisible(unusual);
}

bool MdiChildEditor::confirmEncodingChange(ScriptEncoding written)
{
    if (written == encoding || encodingChangeConfirmed)
        return true;
    const QMessageBox::StandardButton answer =
        QMessageBox::information(this, QStringLiteral("Encoding Change"),
                                 QStringLiteral("%1 is stored as %2. It will be saved as %3.")
                                     .arg(file.fileName(), scriptEncodingName(encoding), scriptEncodingName(written)),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    encodingChangeConfirmed = answer == QMessageBox::Ok;
    return encodingChangeConfirmed;
}

bool MdiChildEditor::isReadOnly() const
{
    return editor->isReadOnly();
}

void MdiChildEditor::loadDocument(const QFileInfo& fileToLoad, bool isNew, bool readOnly)
{
    file = fileToLoad;
    setWindowTitle(file.fileName());
    untitled = isNew;
    if (isNew) {
        editor->document()->setModified(false);
        highlighter->setFileName(file.absoluteFilePath());
        return;
    }

    const LoadedScript loaded = ScriptFile::load(file.absoluteFilePath());
    bool protect = readOnly;
    if (!loaded.ok && file.exists()) {
        // The file is there but could not be read: saving the empty document
        // over it would destroy it, so it opens read-only. The reason is
        // shown beside the window without holding up the opening of others.
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Error opening file"),
                                    QStringLiteral("Error reading file `%1'").arg(file.absoluteFilePath()),
                                    QMessageBox::Ok, this);
        box->setInformativeText(loaded.error);
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        protect = true;
    }
    encoding = loaded.encoding;
    showEncoding();
    iniSection = loaded.iniSection;
    setDocumentKind(loaded.kind);
    // Setting the text checks every line once; the diagnostics it raises
    // carry the file's name from the start.
    highlighter->setFileName(file.absoluteFilePath());
    editor->setScriptText(loaded.text);
    editor->document()->setModified(false);
    if (protect) {
        editor->setReadOnly(true);
        editor->highlightCurrentLine();
    }
}

bool MdiChildEditor::saveFileClicked()
{
    if (editor->isReadOnly())
        return false;
    if (!untitled)
        return writeTo(file);
    const QString chosen = askSaveName(QStringLiteral("Save File"));
    return !chosen.isEmpty() && writeTo(QFileInfo(chosen));
}

bool MdiChildEditor::saveAsClicked()
{
    if (editor->isReadOnly())
        return false;
    const QString chosen = askSaveName(QStringLiteral("Save As"));
    return !chosen.isEmpty() && writeTo(QFileInfo(chosen));
}

QString MdiChildEditor::askSaveName(const QString& title)
{
    const QString filters = QString::fromLatin1(scriptFilter);
    QString chosenFilter = ScriptFile::isIniScript(file.fileName()) ? filters.section(QStringLiteral(";;"), 1)
                                                                    : filters.section(QStringLiteral(";;"), 0, 0);
    const QString start = untitled ? file.fileName() : file.absoluteFilePath();
    QString chosen = QFileDialog::getSaveFileName(this, title, start, filters, &chosenFilter);
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty())
        chosen += chosenFilter.contains(QStringLiteral("*.ini")) ? QStringLiteral(".ini") : QStringLiteral(".mrc");
    return chosen;
}

bool MdiChildEditor::writeTo(const QFileInfo& target)
{
    // The raw text keeps no-break spaces and line separators that
    // toPlainText() would turn into spaces and line breaks.
    const QString text = ScriptFile::editorTextFromRawDocumentText(editor->document()->toRawText());
    const ScriptEncoding written = ScriptFile::encodingForSave(text, encoding);
    if (!confirmEncodingChange(written))
        return false;
    QString error;
    if (!ScriptFile::save(target.absoluteFilePath(), text, encoding, &error, highlighter->documentKind(), iniSection)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Error saving file"),
                        QStringLiteral("Error accessing file `%1'").arg(target.absoluteFilePath()), QMessageBox::Ok,
                        this);
        box.setInformativeText(error
                               + QStringLiteral("\n\n%1 is unchanged in the editor. File > Save As... saves "
                                                "it under another name or in another folder.")
                                     .arg(file.fileName()));
        box.exec();
        return false;
    }
    encoding = written;
    showEncoding();
    if (untitled || target != file) {
        file = target;
        untitled = false;
        setWindowTitle(file.fileName());
        // The diagnostics are listed under the new name from now on.
        highlighter->setFileName(file.absoluteFilePath());
        // An unmodified document changes no modification state below, so
        // the tab learns the new name here.
        emit titleChanged(this, file.fileName() + (modified ? QStringLiteral("*") : QString()));
    }
    editor->document()->setModified(false);
    return true;
}

void MdiChildEditor::documentedModified(bool changed)
{
    modified = changed;
    emit titleChanged(this, file.fileName() + (changed ? QStringLiteral("*") : QString()));
}

void MdiChildEditor::updateCursorStatus()
{
    const QTextCursor cursor = editor->textCursor();
    positionLabel->setText(
        QStringLiteral("Ln %1, Col %2").arg(cursor.blockNumber() + 1).arg(cursor.positionInBlock() + 1));
    // characterCount() counts the paragraph separator after the last line,
    // which the plain text does not have.
    sizeLabel->setText(QStringLiteral("  Size: ") + sizeText(editor->document()->characterCount() - 1));
    // Also while the window itself is hidden, as in a tab in the background.
    if (!gotoBar->isHidden())
        updateGotoStatus();
}

void MdiChildEditor::closeEvent(QCloseEvent* event)
{
    if (!modified) {
        event->accept();
        return;
    }
    const QMessageBox::StandardButton answer =
        QMessageBox::warning(this, QStringLiteral("Save Changes?"),
                             QStringLiteral("Do you want to save changes you have made to %1?").arg(file.fileName()),
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::NoButton);
    if (answer == QMessageBox::Discard || (answer == QMessageBox::Save && saveFileClicked()))
        event->accept();
    else
        event->ignore();
}
