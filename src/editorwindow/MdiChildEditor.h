#pragma once

#include "SearchModes.h"
#include "checker/core/ScriptOutline.h"
#include "formats/ScriptFile.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QString>

class DocumentKindSelector;
class DocumentSearch;
class LineEditBtn;
class MslSyntaxHighlighter;
class MslTextEditor;
class QAction;
class QCloseEvent;
class QDockWidget;
class QIntValidator;
class QLabel;
class QLineEdit;
class QModelIndex;
class QRadioButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class SearchMarks;

// The window of one script document, living in one tab of the main window.
// It owns the code editor and the checker of its document, keeps the
// document's file identity, loads and saves the two script formats (plain
// and INI), asks before a modified document is closed, and shows the caret
// position and the text size in its status line. Along its bottom edge it
// carries a find-and-replace bar and a go-to bar, one at a time; at its side
// the "File Components" outline of the script.
class MdiChildEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiChildEditor(QWidget* parent = nullptr);
    ~MdiChildEditor() override;

    // Most matches the find bar marks at once, and most replacements one
    // Replace All makes.
    static constexpr int maxSearchMarks = 5000;
    static constexpr int maxReplacements = 100000;
    // How long the outline waits after the last edit before it is rebuilt.
    static constexpr int outlineRebuildDelayMs = 250;

    MslTextEditor* getEditor() const { return editor; }
    MslSyntaxHighlighter* getHighlighter() const { return highlighter; }

    // The document's file; for a new document a relative name "Untitled"
    // followed by its number. Two windows never show the same file, which
    // the main window checks with QFileInfo equality.
    const QFileInfo& fileInfo() const { return file; }
    bool isUntitled() const { return untitled; }
    bool isModified() const { return modified; }
    bool isReadOnly() const;

    // Loads the file into the editor, or starts an empty document when isNew.
    // A file that does not exist loads as an empty document.
    void loadDocument(const QFileInfo& fileToLoad, bool isNew, bool readOnly);

    // How the find bar reads its text; the menu of its mode button sets it.
    void setSearchMode(SearchMode mode);

signals:
    // Emitted while the window is destroyed.
    void closing(MdiChildEditor* win);

    // The tab text: the file name, followed by "*" while modified.
    void titleChanged(MdiChildEditor* win, QString newTitle);
    // "Edit Dialog in Designer" was chosen (toolbar or context menu).
    void editDialogRequested(MdiChildEditor* win);

public slots:
    // Re-indents the script from its braces (one undo step).
    void checkBrackets();
    void updateCursorStatus();
    // Saves under the document's name, asking for one first when the document
    // is untitled. False when nothing was written: read-only document,
    // cancelled dialog or write error (which has been reported).
    bool saveFileClicked();
    // Asks for a new name (and with it the format, .mrc or .ini) and saves
    // under it. The document takes the new name only once the file has been
    // written: after a failure it keeps its old name, untitled or not.
    bool saveAsClicked();
    void documentedModified(bool changed);
    // Checks the document as a file of `kind` from now on; an INI file is
    // saved under that kind's section.
    void setDocumentKind(DocumentKind kind);

    // The find and replace bar (MdiChildEditorSearch.cpp).
    void openSearchBox();
    void closExtraBoxes();
    void searchSelectionClicked(QPoint point);
    void search_prev();
    void search_next();
    void search_enter();
    void search_change();
    void search_replace();
    void search_replaceAll();

    // The go-to bar (MdiChildEditorGoto.cpp).
    void showGoto();
    void runGoto();

    // The outline dock (MdiChildEditorOutline.cpp).
    void updateObjTree();
    void compClicked(const QModelIndex& index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildToolbar();
    void buildStatusBar();
    // The status line names the file's encoding when it is not UTF-8.
    void showEncoding();
    // Before the first save that writes the file in another encoding than
    // it had, the user is told so; false when he cancels that save.
    bool confirmEncodingChange(ScriptEncoding written);
    // The name the user chooses in a save dialog titled `title`, with the
    // chosen format's extension added when the name has none; empty when
    // the dialog is cancelled.
    QString askSaveName(const QString& title);
    // Writes the text to `target`; on success the document is unmodified
    // and named `target`. A failure is reported and changes nothing.
    bool writeTo(const QFileInfo& target);
    void buildSearchBar();
    void buildGotoBar();
    void buildOutlineDock();
    DocumentSearch currentSearch() const;
    // Selects the next (or previous) match from the caret; false when
    // there is none, and the caret stays.
    bool selectMatch(bool backward);
    void updateGotoStatus();

    bool modified = false;
    bool untitled = false;
    MslTextEditor* editor = nullptr;
    MslSyntaxHighlighter* highlighter = nullptr;
    QLabel* positionLabel = nullptr;
    QLabel* sizeLabel = nullptr;
    QAction* editDialogAction = nullptr;
    QLabel* encodingLabel = nullptr;
    DocumentKindSelector* kindSelector = nullptr;

    QDockWidget* searchBar = nullptr;
    LineEditBtn* searchBox = nullptr;
    QLineEdit* replaceBox = nullptr;
    SearchMode searchMode = SearchMode::Plain;
    SearchMarks* searchMarks = nullptr;

    QDockWidget* gotoBar = nullptr;
    QLineEdit* gotoBox = nullptr;
    QIntValidator* gotoValidator = nullptr;
    QRadioButton* lineRadio = nullptr;
    QRadioButton* offsetRadio = nullptr;
    QLabel* gotoPositionValue = nullptr;
    QLabel* gotoFurthestValue = nullptr;

    QDockWidget* outlineDock = nullptr;
    QTreeWidget* outlineTree = nullptr;
    QTreeWidgetItem* localAliasesItem = nullptr;
    QTreeWidgetItem* globalAliasesItem = nullptr;
    QTreeWidgetItem* localDialogsItem = nullptr;
    QTreeWidgetItem* globalDialogsItem = nullptr;
    QTreeWidgetItem* eventsItem = nullptr;
    QTreeWidgetItem* popupItemsItem = nullptr;
    QTimer* outlineTimer = nullptr;
    ScriptOutline shownOutline; // what the tree's entries show

    QFileInfo file;
    // Written back on save, so that a file keeps the encoding it came in.
    ScriptEncoding encoding = ScriptEncoding::Utf8;
    bool encodingChangeConfirmed = false;
    // The INI section the lines came from, when it is one of the document
    // kind's; saved under again.
    QString iniSection;
};
