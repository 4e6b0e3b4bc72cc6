#pragma once

#include "formats/ScriptFile.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QString>

class MslSyntaxHighlighter;
class MslTextEditor;
class QAction;
class QCloseEvent;
class QLabel;

// The window of one script document, living in one tab of the main window.
// It owns the code editor and the checker of its document, keeps the
// document's file identity, loads and saves the two script formats (plain
// and INI), asks before a modified document is closed, and shows the caret
// position and the text size in its status line.
class MdiChildEditor : public QMainWindow
{
    Q_OBJECT
public:
    explicit MdiChildEditor(QWidget* parent = nullptr);
    ~MdiChildEditor() override;

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

signals:
    // Emitted while the window is destroyed, in this order.
    void fclosing(QFileInfo fileName);
    void closing(MdiChildEditor* win);

    void blocksChanged(QFileInfo fname, MdiChildEditor* win);
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
    void blocksChange(int bcount);
    void documentedModified(bool changed);

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

    bool modified = false;
    bool untitled = false;
    MslTextEditor* editor = nullptr;
    MslSyntaxHighlighter* highlighter = nullptr;
    QLabel* positionLabel = nullptr;
    QLabel* sizeLabel = nullptr;
    QAction* editDialogAction = nullptr;
    QLabel* encodingLabel = nullptr;
    QFileInfo file;
    // Written back on save, so that a file keeps the encoding it came in.
    ScriptEncoding encoding = ScriptEncoding::Utf8;
    bool encodingChangeConfirmed = false;
};
