#pragma once

#include "MenuTables.h"
#include "UpdateServer.h"
#include "workspace/AliasFileCache.h"
#include "workspace/AliasIndex.h"

#include <QFileInfo>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QVector>

#include <memory>

class AboutDialog;
class DockEditKeys;
class MdiChildBuilder;
class MdiChildEditor;
class MessageArea;
class MircLink;
class MircSyncPanel;
class MslSyntaxHighlighter;
class QCloseEvent;
class QDockWidget;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;
class QTabWidget;
class QToolBar;

// The one top-level window: menus, the two toolbars, the tabbed document area
// and the docks around it. It owns every document window (one per tab) and
// keeps them in two lists, script windows and designer windows, in order of
// creation.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // The single way a file reaches a tab: a file that is already open (in
    // any mode) only has its tab made current.
    void openScript(const QFileInfo& file, bool readOnly);

    const QList<MdiChildEditor*>& scriptWindows() const { return editorWindows; }
    const QList<MdiChildBuilder*>& builderWindows() const { return designerWindows; }
    QTabWidget* tabArea() const { return tabs; }
    MircSyncPanel* mircSyncPanel() const { return syncPanel; }

    // True from the request for the version file until its answer has been
    // shown (or silently dropped).
    bool isCheckingForUpdates() const { return !versionReply.isNull(); }

public slots:
    // Documents.
    void newFile();
    void openFromFile();
    void openFromFileRO();
    void saveAll();
    // Save As on the current script window.
    void saveAsClicked();
    void closeFile();
    void closeAllFiles();
    void closeAllButActive();
    void tabCloseRequested(int index);
    void tabChangedRequested(int index);
    void tabContextMenu(const QPoint& point);
    void editorTitleChange(MdiChildEditor* win, const QString& title);
    void editorClosed(MdiChildEditor* win);
    void builderClosed(MdiChildBuilder* win);
    // A designer tab for the dialog table at the caret of `win`'s script.
    void editDialogInDesigner(MdiChildEditor* win);
    // A new script tab holding `code` (the designer's generated table), to
    // which the designer `from` writes its next code.
    void openGeneratedCode(MdiChildBuilder* from, const QString& code);

    // Window frame. Exit asks as closing the window does (readyToQuit).
    void exitProgram();
    void resizeBar();

    // Edit menu.
    void editMenuAboutToShow();
    void editMenuUndoUpdate(bool available);
    void editMenuRedoUpdate(bool available);
    void editMenuSelectionUpdate();
    void undoClicked();
    void redoClicked();
    void cutClicked();
    void copyClicked();
    void pasteClicked();
    void deleteClicked();
    void selectAllClicked();
    void checkBracketsClicked();
    void findReplaceClicked();
    void insertBold();
    void insertItalics();
    void insertUnderline();
    void insertReverse();
    void insertColors();
    void insertPlainText();

    // View and Window menus. The fold entries (and so their shortcuts)
    // follow the current tab and its caret, from start-up on.
    void updateFoldActions();
    void setOnTop(bool on);
    void setWordWrap(bool wrap);
    void setFoldAll();
    void setUnfoldAll();
    void setFoldCurrent();
    void setUnfoldCurrent();
    void showSyncBar(bool show);
    void showMessageBar(bool show);
    void showMainToolbar(bool show);
    void showFormatToolbar(bool show);

    // Update check and About (MainWindowUpdates.cpp). A manual check is
    // marked by the disabled Check For Updates entry.
    void checkForUpdatesClick();
    void checkForUpdatesReply(QNetworkReply* reply);
    void setCheckForUpdate(bool automatic);
    void showAbout();

    // Moves to a place the message area names: in the script window whose
    // checker raised it, or, for a row with no checker, in the first script
    // window showing the file (exact path comparison), opening the file when
    // no window shows it. The window becomes current.
    void gotoListed(const MslSyntaxHighlighter* checker, const QString& filePath, int line, int column);
    void gotoFilePosition(const QString& filePath, int line, int column);

    // The script's own aliases (MainWindowAliases.cpp): F12 (and Ctrl+click)
    // moves to the definition of the alias at the caret, opening its file
    // when needed; Shift+F12 lists its definitions and calls in the message
    // area. Both look through the open scripts and the script files of the
    // current script's folder.
    void goToDefinition();
    void findReferences();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction steps (MainWindowMenus.cpp, MainWindow.cpp).
    void buildMainToolbar();
    void buildFormatToolbar();
    void buildMdiArea();
    void buildReportDock();
    void buildMenuBar();
    void buildSyncDock();
    QAction* makeAction(const char* text, const char* shortcut, const char* icon);

    // Asks once about every document that would lose work on quitting,
    // with Save All, Discard and Cancel; true when Korvel may quit
    // (MainWindowQuit.cpp).
    bool readyToQuit();

    // Settings (MainWindowSettings.cpp).
    void restoreSettings();
    void saveSettings() const;

    // Update check (MainWindowUpdates.cpp).
    void requestVersionFile();

    // Documents (MainWindowDocuments.cpp).
    MdiChildEditor* createScriptWindow();
    MdiChildEditor* newScriptWindow();
    void registerDesignerWindow(MdiChildBuilder* win);
    void addDocumentTab(QWidget* win, const QString& iconPath, const QString& title);
    void closeEveryWindowExcept(QWidget* kept);
    QString nextUntitledName();

    MdiChildEditor* currentScriptWindow() const;
    MdiChildBuilder* currentDesignerWindow() const;
    // The Edit entries while a designer tab is current.
    void designerEditActionsUpdate();
    // Makes the window current with the caret at a 1-based line and column.
    void showPosition(MdiChildEditor* win, int line, int column);
    // The aliases of the open scripts and of the current script's folder.
    AliasIndex aliasIndex(const MdiChildEditor* current);
    QString aliasAtCaret(const AliasIndex& index, const MdiChildEditor* win) const;
    // The current script window when its text may be changed, else null:
    // every Edit entry that changes the text goes through this.
    MdiChildEditor* currentWritableScriptWindow() const;
    // Word wrap on or off for one script window's code editor.
    static void applyWordWrap(MdiChildEditor* win, bool wrap);
    void setEditActionsEnabled(bool enabled);

    // Menu and toolbar tables (MainMenuTable.cpp, ToolbarTables.cpp).
    static const MenuItemEntry menuBarItems[];
    static const int menuBarItemCount;
    static const ControlCodeEntry controlCodes[];
    static const int controlCodeCount;
    static const ToolbarActionEntry mainToolbarActions[];
    static const int mainToolbarActionCount;

    QList<MdiChildBuilder*> designerWindows;
    QList<MdiChildEditor*> editorWindows;
    QTabWidget* tabs = nullptr;
    QDockWidget* messageDock = nullptr;
    QDockWidget* syncDock = nullptr;
    MessageArea* messageArea = nullptr;
    AliasFileCache aliasFiles;
    MircLink* mircLink = nullptr; // created first; the sync panel owns it
    MircSyncPanel* syncPanel = nullptr;
    DockEditKeys* dockKeys = nullptr; // the Edit keys stay in the docks
    QToolBar* mainToolbar = nullptr;
    QToolBar* formatToolbar = nullptr;

    // Edit actions, enabled and disabled as a block.
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* deleteAction = nullptr;
    QAction* selectAllAction = nullptr;
    QAction* findReplaceAction = nullptr;
    QAction* checkBracketsAction = nullptr;
    QList<QAction*> controlCodeActions; // the menu's six, then the toolbar's six

    QWidget* currentWindow = nullptr;

    QAction* closeAction = nullptr;
    QAction* closeAllAction = nullptr;
    QAction* closeAllButActiveAction = nullptr;

    QAction* alwaysOnTopAction = nullptr;
    QAction* wordWrapAction = nullptr;
    QAction* foldAllAction = nullptr;
    QAction* unfoldAllAction = nullptr;
    QAction* foldCurrentAction = nullptr;
    QAction* unfoldCurrentAction = nullptr;

    QAction* syncBarAction = nullptr;
    QAction* debugWindowAction = nullptr;
    QAction* mainToolbarAction = nullptr;
    QAction* formatToolbarAction = nullptr;

    QAction* checkForUpdatesAction = nullptr;

    int untitledCounter = 0;
    std::unique_ptr<QNetworkAccessManager> network;
    bool autoCheckUpdates = true;
    UpdateServer updateServer;
    QPointer<QNetworkReply> versionReply; // the check under way, if any
    AboutDialog* aboutDialog = nullptr;   // made on first use, then kept
};
