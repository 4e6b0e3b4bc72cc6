#include "MainWindow.h"

#include "DockEditKeys.h"
#include "app/messagearea/MessageArea.h"
#include "checker/MslSyntaxHighlighter.h"
#include "designer/MdiChildBuilder.h"
#include "editorwindow/MdiChildEditor.h"
#include "mirc/MircLink.h"
#include "mirc/MircSyncPanel.h"

#include <QDockWidget>
#include <QNetworkAccessManager>
#include <QTabWidget>
#include <QTimer>

namespace {
// The message dock opens small on the first layout, then may be dragged
// larger once the window has settled.
constexpr int messageDockStartHeight = 150;
constexpr int messageDockMaxHeight = 500;
constexpr int messageDockReleaseMs = 150;
constexpr QSize firstStartSize(1000, 700);
// First-start sizes of the docks. Without them each dock opens at its
// contents' minimum, which leaves the mIRC Sync dock a sliver with its
// title cut to a letter.
constexpr int syncDockStartWidth = 240;
}

MainWindow::MainWindow()
    : QMainWindow(nullptr)
{
    // The link to mIRC sets up its shared memory before anything else.
    mircLink = createMircLink().release();
    mircLink->setParent(this);
    setWindowTitle(QStringLiteral("Korvel"));
    setAcceptDrops(true);

    buildMainToolbar();
    buildFormatToolbar();
    buildMdiArea();
    buildReportDock();
    buildMenuBar();
    buildSyncDock();
    // The first look for mIRC waits until the window has shown: a busy mIRC
    // must not keep it from showing.
    QTimer::singleShot(0, syncPanel, &MircSyncPanel::startUpDDE);
    dockKeys = new DockEditKeys(QList<QAction*>{undoAction, redoAction, cutAction, copyAction, pasteAction,
                                                deleteAction, selectAllAction}
                                    + controlCodeActions,
                                this);
    dockKeys->guard(messageDock);
    dockKeys->guard(syncDock);

    messageDock->setMaximumHeight(messageDockStartHeight);
    QTimer::singleShot(messageDockReleaseMs, this, &MainWindow::resizeBar);

    untitledCounter = 0;
    currentWindow = nullptr;
    network = std::make_unique<QNetworkAccessManager>();

    // On a first start there is no saved geometry, and an empty tab area
    // would leave the window at a few pixels' size.
    resize(firstStartSize);
    // The stored layout, when there is one, replaces these.
    resizeDocks({syncDock}, {syncDockStartWidth}, Qt::Horizontal);
    resizeDocks({messageDock}, {messageDockStartHeight}, Qt::Vertical);
    restoreSettings();
}

MainWindow::~MainWindow()
{
    // Destroy the document windows while the lists and the message area they
    // report to are still whole; Qt would otherwise delete them from the base
    // class destructor, after this object's members are gone.
    disconnect(tabs, nullptr, this, nullptr);
    const QList<MdiChildEditor*> editors = editorWindows;
    qDeleteAll(editors);
    const QList<MdiChildBuilder*> builders = designerWindows;
    qDeleteAll(builders);
}

void MainWindow::buildMdiArea()
{
    tabs = new QTabWidget(this);
    tabs->setTabsClosable(true);
    tabs->setTabShape(QTabWidget::Rounded);
    tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    setCentralWidget(tabs);
    connect(tabs, &QTabWidget::tabCloseRequested, this, &MainWindow::tabCloseRequested);
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::tabChangedRequested);
    connect(tabs, &QWidget::customContextMenuRequested, this, &MainWindow::tabContextMenu);
}

void MainWindow::buildReportDock()
{
    messageDock = new QDockWidget(tr("Message Area"), this);
    messageDock->setObjectName(QStringLiteral("msgArea"));
    messageDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    messageDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                             | QDockWidget::DockWidgetFloatable);
    messageArea = new MessageArea(messageDock);
    messageDock->setWidget(messageArea);
    connect(messageArea, &MessageArea::gotoRequested, this, &MainWindow::gotoListed);
    addDockWidget(Qt::BottomDockWidgetArea, messageDock);
}

void MainWindow::buildSyncDock()
{
    syncDock = new QDockWidget(tr("mIRC Sync"), this);
    syncDock->setObjectName(QStringLiteral("mIRCSync"));
    syncDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    syncDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                          | QDockWidget::DockWidgetFloatable);
    syncPanel = new MircSyncPanel(mircLink, syncDock);
    syncDock->setWidget(syncPanel);
    connect(syncPanel, &MircSyncPanel::openScriptRequested, this,
            [this](const QFileInfo& file) { openScript(file, false); });
    addDockWidget(Qt::LeftDockWidgetArea, syncDock);
}

void MainWindow::resizeBar()
{
    messageDock->setMaximumHeight(messageDockMaxHeight);
}
