#include "MircSyncPanel.h"

#include "MircScriptPath.h"

#include <QHash>
#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString instanceIconPath = QStringLiteral(":/options/dde/resources/img_assets/options/dde/dde_con.png");
const QString scriptIconPath = QStringLiteral(":/options/dde/resources/img_assets/options/dde/page.png");
const QString unnamedInstance = QStringLiteral("mIRC (its name could not be read)");
const QString notAnsweringSuffix = QStringLiteral(" (not answering)");

quint64 windowIdOf(const QTreeWidgetItem* instance)
{
    return instance->data(0, MircSyncPanel::windowHandleRole).value<MircWindowHandle>().id;
}

} // namespace

MircSyncPanel::MircSyncPanel(MircLink* mircLink, QWidget* parent)
    : QWidget(parent)
    , link(mircLink)
    , syncTree(new QTreeWidget(this))
    , status(new QLabel(this))
    , refresher(new MircRefresh(mircLink, refreshDeadlineMs, this))
    , instanceIcon(instanceIconPath)
    , scriptIcon(scriptIconPath)
{
    link->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(syncTree);
    status->setWordWrap(true);
    status->hide();
    layout->addWidget(status);
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
    connect(refresher, &MircRefresh::finished, this, &MircSyncPanel::showInstances);
}

void MircSyncPanel::setStatus(const QString& text)
{
    status->setText(text);
    status->setVisible(!text.isEmpty());
}

void MircSyncPanel::showScripts(QTreeWidgetItem* instance, const MircInstanceState& state)
{
    const QSet<QString> loaded(state.scripts.begin(), state.scripts.end());
    QSet<QString> shown;
    for (int i = instance->childCount() - 1; i >= 0; --i) {
        const QString path = instance->child(i)->data(0, filePathRole).toString();
        // An instance that did not answer keeps the scripts it had.
        if (state.complete && !loaded.contains(path))
            delete instance->takeChild(i);
        else
            shown.insert(path);
    }
    // New entries go in with one call: the view hears of them once, not
    // once for each of a few hundred scripts.
    QList<QTreeWidgetItem*> added;
    for (const QString& path : state.scripts) {
        if (shown.contains(path))
            continue;
        auto* script = new QTreeWidgetItem(QStringList{MircScriptPath::fileName(path)});
        script->setIcon(0, scriptIcon);
        script->setData(0, isFileRole, true);
        script->setData(0, filePathRole, path);
        shown.insert(path);
        added.append(script);
    }
    instance->addChildren(added);
}

void MircSyncPanel::showInstances(const QList<MircInstanceState>& instances, bool complete)
{
    if (instances.isEmpty() && !complete) {
        // Not even the list of instances came: the tree stays as it was.
        const QString reason = link->unavailableReason();
        setStatus(reason.isEmpty() ? tr("mIRC did not answer in time; the list may be out of date.")
                                   : tr("mIRC cannot be reached: %1.").arg(reason));
        emit refreshed();
        return;
    }
    const int scrolled = syncTree->verticalScrollBar()->value();
    syncTree->setSortingEnabled(false);
    QHash<quint64, const MircInstanceState*> byWindow;
    for (const MircInstanceState& state : instances)
        byWindow.insert(state.window.id, &state);
    QHash<quint64, QTreeWidgetItem*> shown;
    for (int i = syncTree->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = syncTree->topLevelItem(i);
        if (byWindow.contains(windowIdOf(item)))
            shown.insert(windowIdOf(item), item);
        else
            delete syncTree->takeTopLevelItem(i);
    }
    for (const MircInstanceState& state : instances) {
        QTreeWidgetItem* instance = shown.value(state.window.id);
        if (!instance) {
            instance = new QTreeWidgetItem;
            instance->setIcon(0, instanceIcon);
            instance->setData(0, isFileRole, false);
            instance->setData(0, windowHandleRole, QVariant::fromValue(state.window));
            instance->setData(0, isInstanceRole, true);
            syncTree->addTopLevelItem(instance);
        }
        // A name that could not be read this time is the one read before.
        if (!state.name.isEmpty())
            instance->setData(0, instanceNameRole, state.name);
        QString name = instance->data(0, instanceNameRole).toString();
        if (name.isEmpty())
            name = unnamedInstance;
        instance->setText(0, state.complete ? name : name + notAnsweringSuffix);
        showScripts(instance, state);
    }
    syncTree->setSortingEnabled(true);
    syncTree->verticalScrollBar()->setValue(scrolled);
    if (!complete)
        setStatus(tr("Not every mIRC answered within %1 s; entries marked \"not answering\" may be out of date.")
                      .arg(refreshDeadlineMs / 1000));
    else if (instances.isEmpty())
        setStatus(tr("No running mIRC was found. Start mIRC, then refresh."));
    else
        setStatus(QString());
    emit refreshed();
}

void MircSyncPanel::startUpDDE()
{
    syncMenuOpen = false;
    refresh();
    refreshTimer.start();
}

void MircSyncPanel::refresh()
{
    if (!syncMenuOpen)
        refresher->start();
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
    const MircLocalPath local = link->localPath(mircPath);
    if (local.path.isEmpty()) {
        setStatus(tr("%1 cannot be opened: %2.").arg(mircPath, local.problem));
        return;
    }
    emit openScriptRequested(QFileInfo(local.path));
}
