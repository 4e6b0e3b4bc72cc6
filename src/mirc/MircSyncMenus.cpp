// The two context menus of the sync panel: one for a loaded script, one for
// an mIRC instance.
#include "MircSyncPanel.h"

#include "MircRequests.h"
#include "MircScriptPath.h"

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QMenu>
#include <QProgressDialog>
#include <QTreeWidget>

#include <functional>
#include <iterator>

namespace {

const QString syncIcon = QStringLiteral(":/syncFiles/resources/img_assets/syncFiles/sync.png");

// Entries that send a command on the script: the entry text is `before`,
// the script's name, then `after`.
struct ScriptCommandEntry {
    const char* before;
    const char* after;
    QString (*command)(const QString& path);
};
const ScriptCommandEntry scriptCommandEntries[] = {
    {"Unload ", "", MircRequests::unloadScript},
    {"Reload ", " (trigger on load)", MircRequests::loadScript},
    {"Reload ", " (no on load)", MircRequests::reloadScript},
    // Sends what mIRC has on disk: an open editor of the file is not saved first.
    {"Sync ", "", MircRequests::reloadScript},
};

// Entries that copy a part of the script's path: the path on this system
// where there is one, else the one mIRC reported.
struct CopyEntry {
    const char* text;
    QString (*part)(const QString& path);
};
const CopyEntry copyEntries[] = {
    {"Copy to clipboard filename", MircScriptPath::fileName},
    {"Copy to clipboard filepath",
     [](const QString& path) { return MircScriptPath::folder(MircScriptPath::absolute(path)); }},
    {"Copy to clipboard full filename", MircScriptPath::absolute},
};

bool hasBit(int mask, MircRequests::RemoteBit bit)
{
    return (mask & int(bit)) != 0;
}

MircWindowHandle windowOf(const QTreeWidgetItem* instance)
{
    return instance->data(0, MircSyncPanel::windowHandleRole).value<MircWindowHandle>();
}

} // namespace

void MircSyncPanel::mircRightclickMenu(const QPoint& point)
{
    syncMenuOpen = true;
    const QTreeWidgetItem* current = syncTree->currentItem();
    const QPoint globalPoint = syncTree->viewport()->mapToGlobal(point);
    if (current && current->data(0, isFileRole).toBool())
        showScriptMenu(current, globalPoint);
    else if (current && current->data(0, isInstanceRole).toBool())
        showInstanceMenu(current, globalPoint);
    // The tree is left as it is: the next refresh shows what changed.
    syncMenuOpen = false;
}

void MircSyncPanel::sendCommand(MircWindowHandle window, const QString& text)
{
    switch (link->command(window, text)) {
    case MircLinkStatus::Done: setStatus(QString()); break;
    case MircLinkStatus::TextTooLong:
        setStatus(tr("Not sent: the path is too long for mIRC's shared memory (%1).").arg(text));
        break;
    case MircLinkStatus::Unavailable: {
        const QString reason = link->unavailableReason();
        setStatus(tr("Not sent (%1): %2.")
                      .arg(text, reason.isEmpty() ? tr("mIRC did not take it; it may be busy or closed") : reason));
        break;
    }
    }
}

void MircSyncPanel::showScriptMenu(const QTreeWidgetItem* script, const QPoint& globalPoint)
{
    const QString name = script->text(0);
    const QString path = script->data(0, filePathRole).toString();
    const MircWindowHandle window = windowOf(script->parent());

    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("Open ") + name), &QAction::triggered, this,
            [this, path] { openScript(path); });
    for (const ScriptCommandEntry& entry : scriptCommandEntries) {
        QAction* action =
            menu.addAction(QIcon(syncIcon), QLatin1String(entry.before) + name + QLatin1String(entry.after));
        const QString text = entry.command(MircScriptPath::absolute(path));
        connect(action, &QAction::triggered, this, [this, window, text] { sendCommand(window, text); });
    }
    const MircLocalPath local = link->localPath(path);
    const QString copied = local.path.isEmpty() ? path : local.path;
    for (const CopyEntry& entry : copyEntries) {
        const QString part = entry.part(copied);
        connect(menu.addAction(QLatin1String(entry.text)), &QAction::triggered, this,
                [part] { QApplication::clipboard()->setText(part); });
    }
    const QString folderCommand = MircRequests::openFolder(MircScriptPath::folder(MircScriptPath::absolute(path)));
    connect(menu.addAction(QStringLiteral("Open containing folder")), &QAction::triggered, this,
            [this, window, folderCommand] { sendCommand(window, folderCommand); });
    menu.exec(globalPoint);
}

void MircSyncPanel::showInstanceMenu(const QTreeWidgetItem* instance, const QPoint& globalPoint)
{
    const MircWindowHandle window = windowOf(instance);
    const MircEvaluation remoteAnswer = link->evaluate(window, MircRequests::remoteState());
    const int remote = remoteAnswer.text.toInt();
    if (remoteAnswer.status != MircLinkStatus::Done)
        setStatus(tr("This mIRC did not say which options are on; the menu shows them all off."));
    const auto sendOnChoice = [this, window](QAction* action, const QString& text) {
        connect(action, &QAction::triggered, this, [this, window, text] { sendCommand(window, text); });
    };

    QMenu menu(this);
    QMenu* listen = menu.addMenu(QStringLiteral("Set &Listen Options:"));
    for (int i = 0; i < MircRequests::listenOptionCount; ++i) {
        const MircRequests::ListenOption& option = MircRequests::listenOptions[i];
        const bool on = hasBit(remote, option.bit);
        QAction* action = listen->addAction(QLatin1String(option.menuText));
        action->setCheckable(true);
        action->setChecked(on);
        // Toggles from the state read before the menu opened.
        sendOnChoice(action, QLatin1String(on ? option.switchOff : option.switchOn));
    }
    QMenu* remoteMenu = menu.addMenu(QStringLiteral("Set &Remote Option:"));
    QAction* off = remoteMenu->addAction(QStringLiteral("O&ff"));
    off->setEnabled(remote != 0);
    sendOnChoice(off, MircRequests::setRemote(false));
    QAction* on = remoteMenu->addAction(QStringLiteral("O&n"));
    on->setEnabled(remote == 0);
    sendOnChoice(on, MircRequests::setRemote(true));
    sendOnChoice(menu.addAction(QStringLiteral("Open $scriptdir")), MircRequests::openScriptFolder());
    sendOnChoice(menu.addAction(QStringLiteral("Open $mircdir")), MircRequests::openMircFolder());

    // The instance item may be gone by the time a choice is made (a helper
    // that came up refreshes the tree), so the scripts are taken now.
    QStringList paths;
    for (int i = 0; i < instance->childCount(); ++i)
        paths.append(instance->child(i)->data(0, filePathRole).toString());
    QAction* openAll = menu.addAction(QStringLiteral("&Open All Files"));
    connect(openAll, &QAction::triggered, this, [this, &menu, paths] {
        menu.close();
        openAllFiles(paths);
    });
    menu.exec(globalPoint);
}

void MircSyncPanel::openAllFiles(const QStringList& paths)
{
    QProgressDialog progress(tr("Opening files..."), tr("Abort"), 0, int(paths.size()), window(),
                             Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    progress.setWindowModality(Qt::WindowModal);
    int reached = 0;
    for (; reached < paths.size(); ++reached) {
        progress.setValue(reached);
        progress.show();
        openScript(paths.at(reached));
        progress.show();
        if (progress.wasCanceled())
            break;
    }
    progress.setValue(reached);
}
