#pragma once

#include "MircLink.h"
#include "MircRefresh.h"

#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <QWidget>

class QLabel;
class QModelIndex;
class QTreeWidget;
class QTreeWidgetItem;

// The contents of the "mIRC Sync" dock: every running mIRC with the scripts
// it has loaded, refreshed every 15 seconds. A script opens in an editor on
// double click; the context menus load, unload and reload scripts and switch
// an instance's remote and listening options.
class MircSyncPanel : public QWidget {
    Q_OBJECT
public:
    // Item data in column 0.
    enum ItemRole {
        isInstanceRole = 99,
        isFileRole = 100,
        windowHandleRole = 200, // MircWindowHandle of the instance
        filePathRole = 300,     // the script's path as mIRC reports it
        instanceNameRole = 400, // the instance's display text as last read
    };
    static constexpr int refreshIntervalMs = 15000;
    // A refresh shows what has come by then, and says what has not.
    static constexpr int refreshDeadlineMs = 3000;

    // Takes the link over (it becomes this panel's child).
    MircSyncPanel(MircLink* link, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return syncTree; }
    // The line under the tree that says what could not be done.
    QLabel* statusLine() const { return status; }
    MircLink* mircLink() const { return link; }
    // True while one of the panel's context menus is open.
    bool isMenuOpen() const { return syncMenuOpen; }

public slots:
    // The first look for instances; arms the periodic refresh.
    void startUpDDE();
    // The periodic refresh (skipped while a context menu is open or the
    // last one is still waiting for mIRC); re-arms itself.
    void updateDDE();
    void openFromDDE(const QModelIndex& index);
    void mircRightclickMenu(const QPoint& point);

signals:
    // A script to open in a writable editor tab.
    void openScriptRequested(const QFileInfo& file);
    // A refresh has come back and the tree shows it.
    void refreshed();

private:
    // Asks every instance again; the tree follows when the answers are in.
    void refresh();
    // Updates the tree in place, so expansion, selection and scrolling stay.
    void showInstances(const QList<MircInstanceState>& instances, bool complete);
    void showScripts(QTreeWidgetItem* instance, const MircInstanceState& state);
    void setStatus(const QString& text);

    // The context menus (MircSyncMenus.cpp).
    void showScriptMenu(const QTreeWidgetItem* script, const QPoint& globalPoint);
    void showInstanceMenu(const QTreeWidgetItem* instance, const QPoint& globalPoint);
    void openAllFiles(const QStringList& paths);
    void sendCommand(MircWindowHandle window, const QString& text);
    void openScript(const QString& mircPath);

    MircLink* link;
    QTreeWidget* syncTree;
    QLabel* status;
    MircRefresh* refresher;
    // Made once: every entry shares them.
    QIcon instanceIcon;
    QIcon scriptIcon;
    QTimer refreshTimer;
    bool syncMenuOpen = false;
};
