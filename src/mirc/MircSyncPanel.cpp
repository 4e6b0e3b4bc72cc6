#include "MircSyncPanel.h"

#include "MircRequests.h"
#include "MircScriptPath.h"

#include <QHeaderView>
#include <QIcon>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString instanceIcon = QStringLiteral(":/options/dde/resources/img_assets/options/dde/dde_con.png");
const QString scriptIcon = QStringLiteral(":/options/dde/resources/img_assets/options/dde/page.png");

} // namespace

MircSyncPanel::MircSyncPanel(MircLink* mircLink, QWidget* parent)
    : QWidget(parent)
    , link(mircLink)
    , syncTree(new QTreeWidget(this))
{
    link->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(syncTree);
    syncTree->setHeaderHidden(true);
    syncTree->setColumnCount(1);
    syncTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    syncTree->setContextMenuPolicy(Qt::CustomContextMenu);
    syncTree->sortByColumn(0, Qt::AscendingOrder);
    syncTree->setSortingEnabled(true);

    connect(syncTree, &QTreeWidget::doubleClicked, this, &MircSyncPanel::openFromDDE);
    connect(syncTree, &QWidget::customContextMenuRequested, this, &MircSyncPanel::mircRightclickMenu);

    refreshTimer.setSingleShot(true);
    refreshTimer.setInterval(refreshIntervalMs);
    connect(&refreshTimer, &QTimer::timeout, this, &MircSyncPanel::updateDDE);
    // A link whose helper has just come up has the instances a refresh
    // missed while it was starting.
    connect(link, &MircLink::becameAvailable, this, &MircSyncPanel::refresh);
}

void MircSyncPanel::addInstance(MircWindowHandle window)
{
    const MircEvaluation name = link->evaluate(window, MircRequests::displayName());
    auto* instance = new QTreeWidgetItem(QStringList{name.text});
    instance->setIcon(0, QIcon(instanceIcon));
    instance->setData(0, isFileRole, false);
    instance->setData(0, windowHandleRole, QVariant::fromValue(window));
    instance->setData(0, isInstanceRole, true);

    const int count = link->evaluate(window, MircRequests::scriptCount()).text.toInt();
    QStringList pathQueries;
    for (int number = 1; number <= count; ++number)
        pathQueries.append(MircRequests::scriptPath(number));
    for (const MircEvaluation& path : link->evaluateAll(window, pathQueries)) {
        if (path.text.isEmpty())
            continue;
        auto* script = new QTreeWidgetItem(instance, QStringList{MircScriptPath::fileName(path.text)});
        script->setIcon(0, QIcon(scriptIcon));
        script->setData(0, isFileRole, true);
        script->setData(0, filePathRole, path.text);
    }
    syncTree->addTopLevelItem(instance);
}

void MircSyncPanel::scan()
{
    for (MircWindowHandle window : link->findInstances())
        addInstance(window);
}

void MircSyncPanel::startUpDDE()
{
    scan();
    syncTree->sortByColumn(0, Qt::AscendingOrder);
    syncMenuOpen = false;
    refreshTimer.start();
}

void MircSyncPanel::refresh()
{
    if (syncMenuOpen)
        return;
    QSet<quint64> expanded;
    for (int i = 0; i < syncTree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* instance = syncTree->topLevelItem(i);
        if (instance->isExpanded())
            expanded.insert(instance->data(0, windowHandleRole).value<MircWindowHandle>().id);
    }

    syncTree->setSortingEnabled(false);
    syncTree->clear();
    scan();
    syncTree->setSortingEnabled(true);

    for (int i = 0; i < syncTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* instance = syncTree->topLevelItem(i);
        if (expanded.contains(instance->data(0, windowHandleRole).value<MircWindowHandle>().id))
            instance->setExpanded(true);
    }
}

void MircSyncPanel::updateDDE()
{
    refresh();
    refreshTimer.start();
}

void MircSyncPanel::openFromDDE(const QModelIndex&)
{
    // An instance only expands or collapses, which the tree does itself.
    const QTreeWidgetItem* current = syncTree->currentItem();
    if (current && current->data(0, isFileRole).toBool())
        openScript(current->data(0, filePathRole).toString());
}

void MircSyncPanel::openScript(const QString& mircPath)
{
    emit openScriptRequested(QFileInfo(link->localPath(mircPath)));
}
