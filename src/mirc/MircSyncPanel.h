#pragma once

#include "MircLink.h"

#include <QFileInfo>
#include <QTimer>
#include <QWidget>

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
    };
    static constexpr int refreshIntervalMs = 15000;

    // Takes the link over (it becomes this panel's child).
    MircSyncPanel(MircLink* link, QWidget* parent = nullptr);

    QTreeWidget* tree() const { return syncTree; }
    MircLink* mircLink() const { return link; }
    // True while one of the panel's context menus is open.
    bool isMenuOpen() const { return syncMenuOpen; }

public slots:
    // The first look for instances; arms the periodic refresh.
    void startUpDDE();
    // The periodic refresh (skipped while a context menu is open); re-arms
    // itself.
    void updateDDE();
    void openFromDDE(const QModelIndex& index);
    void mircRightclickMenu(const QPoint& point);

signals:
    // A script to open in a writable editor tab.
    void openScriptRequested(const QFileInfo& file);

private:
    // Rebuilds the tree from what the instances say now, keeping expanded
    // the instances that were.
    void refresh();
    void scan();
    void addInstance(MircWindowHandle window);

    // The context menus (MircSyncMenus.cpp).
    void showScriptMenu(const QTreeWidgetItem* script, const QPoint& globalPoint);
    void showInstanceMenu(const QTreeWidgetItem* instance, const QPoint& globalPoint);
    void openAllFiles(const QStringList& paths);
    void sendCommand(MircWindowHandle window, const QString& text);
    void openScript(const QString& mircPath);

    MircLink* link;
    QTreeWidget* syncTree;
    QTimer refreshTimer;
    bool syncMenuOpen = false;
};
