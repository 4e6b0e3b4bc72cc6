// The "File Components" outline of a script window.
#include "MdiChildEditor.h"

#include "checker/MslSyntaxHighlighter.h"
#include "editor/MslTextEditor.h"

#include <QDockWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Entries keep their header's 1-based line here; categories and the detail
// children keep nothing, which is what tells them apart on a click.
constexpr int lineRole = Qt::DecorationRole;

QTreeWidgetItem* category(QTreeWidgetItem* parent, const QString& text)
{
    auto* item = new QTreeWidgetItem(parent, QStringList(text));
    item->setExpanded(true);
    return item;
}

QString trueOrFalse(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

void showEntry(QTreeWidgetItem* item, const OutlineEntry& entry, bool showMultiLine)
{
    item->setText(0, entry.label());
    item->setData(0, lineRole, entry.line);
    item->child(0)->setText(0, QStringLiteral("Line: ") + QString::number(entry.line));
    if (showMultiLine)
        item->child(1)->setText(0, QStringLiteral("Multi-Line: ") + trueOrFalse(entry.multiLine));
}

QTreeWidgetItem* newEntryItem(const OutlineEntry& entry, bool showMultiLine)
{
    auto* item = new QTreeWidgetItem;
    new QTreeWidgetItem(item);
    if (showMultiLine)
        new QTreeWidgetItem(item);
    showEntry(item, entry, showMultiLine);
    return item;
}

// Brings the entries under a category from `shown` to `entries`, touching
// only the items that change: an edit usually changes a few entries or
// none, and creating and deleting thousands of items is what a rebuild
// would otherwise cost.
void syncEntries(QTreeWidgetItem* under, const QVector<OutlineEntry>& entries, const QVector<OutlineEntry>& shown,
                 bool showMultiLine)
{
    if (entries.size() < shown.size()) {
        QList<QTreeWidgetItem*> items = under->takeChildren();
        qDeleteAll(items.begin() + entries.size(), items.end());
        items.erase(items.begin() + entries.size(), items.end());
        under->addChildren(items);
    }
    const int kept = int(qMin(entries.size(), shown.size()));
    for (int i = 0; i < kept; ++i) {
        if (!(entries[i] == shown[i]))
            showEntry(under->child(i), entries[i], showMultiLine);
    }
    QList<QTreeWidgetItem*> added;
    for (int i = kept; i < entries.size(); ++i)
        added.append(newEntryItem(entries[i], showMultiLine));
    under->addChildren(added);
}

// The outline of the document as its highlighter has recorded it.
ScriptOutline outlineOf(const MslSyntaxHighlighter& checker)
{
    ScriptOutline outline;
    for (QTextBlock block = checker.document()->begin(); block.isValid(); block = block.next()) {
        const HeaderRecord& header = checker.recordAt(block).header;
        if (!header.blockName.isEmpty())
            outline.add(block.blockNumber() + 1, header, block.text());
    }
    return outline;
}

} // namespace

void MdiChildEditor::buildOutlineDock()
{
    outlineDock = new QDockWidget(QStringLiteral("File Components"), this);
    outlineDock->setObjectName(QStringLiteral("File Components"));
    outlineDock->setTitleBarWidget(new QWidget(outlineDock));
    outlineDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                             | QDockWidget::DockWidgetFloatable);
    outlineDock->setAllowedAreas(Qt::AllDockWidgetAreas);

    outlineTree = new QTreeWidget(outlineDock);
    outlineTree->setHeaderHidden(true);
    outlineTree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTreeWidgetItem* aliases = category(outlineTree->invisibleRootItem(), QStringLiteral("Aliases"));
    localAliasesItem = category(aliases, QStringLiteral("Local"));
    globalAliasesItem = category(aliases, QStringLiteral("Global"));
    QTreeWidgetItem* dialogs = category(outlineTree->invisibleRootItem(), QStringLiteral("Dialogs"));
    localDialogsItem = category(dialogs, QStringLiteral("Local"));
    globalDialogsItem = category(dialogs, QStringLiteral("Global"));
    eventsItem = category(outlineTree->invisibleRootItem(), QStringLiteral("On Events"));
    outlineDock->setWidget(outlineTree);
    addDockWidget(Qt::RightDockWidgetArea, outlineDock);

    connect(outlineTree, &QTreeView::clicked, this, &MdiChildEditor::compClicked);

    // The checker has processed an edit by the time the document reports
    // it; the rebuild waits until typing pauses.
    outlineTimer = new QTimer(this);
    outlineTimer->setSingleShot(true);
    outlineTimer->setInterval(outlineRebuildDelayMs);
    connect(outlineTimer, &QTimer::timeout, this, &MdiChildEditor::updateObjTree);
    connect(editor->document(), &QTextDocument::contentsChanged, outlineTimer, qOverload<>(&QTimer::start));
    // Edits made while the dock was hidden show as soon as it is back.
    connect(outlineDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            updateObjTree();
    });
}

void MdiChildEditor::updateObjTree()
{
    if (!outlineDock->isVisible())
        return;
    ScriptOutline outline = outlineOf(*highlighter);
    // Only a popup file lists its items, in a category of their own (a
    // remote script's menus are not components the outline shows).
    const bool popups = highlighter->documentKind() == DocumentKind::Popups;
    if (!popups) {
        outline.menus.clear();
        delete popupItemsItem;
        popupItemsItem = nullptr;
        shownOutline.menus.clear();
    } else if (!popupItemsItem) {
        popupItemsItem = category(outlineTree->invisibleRootItem(), QStringLiteral("Popup Items"));
    }

    outlineTree->setUpdatesEnabled(false);
    syncEntries(localAliasesItem, outline.aliases.local, shownOutline.aliases.local, true);
    syncEntries(globalAliasesItem, outline.aliases.global, shownOutline.aliases.global, true);
    syncEntries(localDialogsItem, outline.dialogs.local, shownOutline.dialogs.local, false);
    syncEntries(globalDialogsItem, outline.dialogs.global, shownOutline.dialogs.global, false);
    syncEntries(eventsItem, outline.events, shownOutline.events, true);
    if (popupItemsItem)
        syncEntries(popupItemsItem, outline.menus, shownOutline.menus, true);
    outlineTree->setUpdatesEnabled(true);
    shownOutline = outline;
}

void MdiChildEditor::compClicked(const QModelIndex& /*index*/)
{
    const QList<QTreeWidgetItem*> selected = outlineTree->selectedItems();
    if (selected.isEmpty())
        return;
    const QVariant line = selected.first()->data(0, lineRole);
    if (line.isValid())
        editor->gotoLine(line.toInt());
}
