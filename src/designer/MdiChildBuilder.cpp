#include "MdiChildBuilder.h"

#include "BuilderTables.h"
#include "MdiChildDialogDummy.h"
#include "PropertyPanel.h"
#include "TQPushButton.h"
#include "dialogtable/DialogSkeletons.h"
#include "dialogtable/NewDialogTable.h"

#include <QAction>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

namespace {

const QColor areaBackground(140, 181, 255, 255);
const char* const toolbarIconPath = ":/guiToolbar/resources/img_assets/controls/";
const char* const toolboxIconPath = ":/toolbox/resources/img_assets/toolbox/";
const char* const rulerIcon = ":/statusbar/resources/img_assets/status/ruler.png";
const char* const dialogIconPath = ":/statusbar/resources/img_assets/window.png";
constexpr int toolboxMaximumHeight = 280;
const QSize initialCanvasSize(320, 280);

} // namespace

MdiChildBuilder::MdiChildBuilder(QWidget* parent)
    : QMainWindow(parent)
{
    // Closing the window destroys it, as with the script windows.
    setAttribute(Qt::WA_DeleteOnClose);

    innerArea = new QMdiArea(this);
    innerArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    innerArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    innerArea->setViewMode(QMdiArea::SubWindowView);
    innerArea->setBackground(QBrush(areaBackground));
    setCentralWidget(innerArea);

    dialog = new MdiChildDialogDummy;
    canvasWindow = innerArea->addSubWindow(dialog);
    resizeCanvas(initialCanvasSize);

    buildObjectToolbar();
    buildToolbox();
    buildPropertyPanel();
    buildStatusBar();

    connect(dialog, &MdiChildDialogDummy::newSelection, this, &MdiChildBuilder::newSelection);
    newSelection(dialog, QStringLiteral("window"));
    generatedDesign = design();
}

MdiChildBuilder::~MdiChildBuilder()
{
    emit closing(this);
}

void MdiChildBuilder::buildObjectToolbar()
{
    using BuilderTables::ToolbarCommand;
    auto* toolbar = new QToolBar(QStringLiteral("Object Toolbar"), this);
    toolbar->setIconSize(QSize(16, 16));
    addToolBar(toolbar);
    for (int i = 0; i < BuilderTables::toolbarActionCount; ++i) {
        const BuilderTables::ToolbarAction& entry = BuilderTables::toolbarActions[i];
        auto* action = new QAction(QIcon(QString::fromLatin1(toolbarIconPath) + QLatin1String(entry.icon)),
                                   QString::fromLatin1(entry.text), this);
        if (*entry.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        action->setStatusTip(QString::fromLatin1(entry.statusTip));
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checkable);
        toolbar->addAction(action);
        switch (entry.command) {
        case ToolbarCommand::AlignToGrid:
            connect(action, &QAction::toggled, dialog, &MdiChildDialogDummy::setSnapIn);
            break;
        case ToolbarCommand::ShowGrid:
            connect(action, &QAction::toggled, this, &MdiChildBuilder::showGridTriggered);
            break;
        case ToolbarCommand::IncreaseGrid:
            increaseGridAction = action;
            connect(action, &QAction::triggered, this, &MdiChildBuilder::incGridSize);
            break;
        case ToolbarCommand::DecreaseGrid:
            decreaseGridAction = action;
            connect(action, &QAction::triggered, this, &MdiChildBuilder::decGridSize);
            break;
        case ToolbarCommand::ObjectSelection:
            connect(action, &QAction::triggered, dialog, &MdiChildDialogDummy::objSelect);
            break;
        case ToolbarCommand::GenerateCode:
            connect(action, &QAction::triggered, this, &MdiChildBuilder::generateCode);
            break;
        case ToolbarCommand::WriteSkeletons: writeSkeletonsAction = action; break;
        }
    }
}

QDockWidget* MdiChildBuilder::makeDock(const QString& title)
{
    auto* dock = new QDockWidget(title, this);
    dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    dock->setFeatures(QDockWidget::DockWidgetMovable);
    return dock;
}

void MdiChildBuilder::buildToolbox()
{
    toolboxDock = makeDock(QStringLiteral("  ToolBox"));
    toolboxDock->setObjectName(QStringLiteral("toolboxDock"));
    toolboxDock->setMaximumHeight(toolboxMaximumHeight);
    auto* box = new QWidget(toolboxDock);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    constexpr int columns = 2;
    for (int i = 0; i < BuilderTables::toolboxEntryCount; ++i) {
        const BuilderTables::ToolboxEntry& entry = BuilderTables::toolboxEntries[i];
        const QString type = QString::fromLatin1(entry.typeName);
        auto* button = new TQPushButton(QStringLiteral("gui/") + type, box);
        button->setFlat(true);
        button->setToolTip(QString::fromLatin1(entry.toolTip));
        button->setIcon(QIcon(QString::fromLatin1(toolboxIconPath) + type + QStringLiteral(".bmp")));
        button->setCursor(Qt::OpenHandCursor);
        grid->addWidget(button, i / columns, i % columns);
    }
    toolboxDock->setWidget(box);
    addDockWidget(Qt::LeftDockWidgetArea, toolboxDock);
}

void MdiChildBuilder::buildPropertyPanel()
{
    propertyDock = makeDock(QStringLiteral("Properties"));
    propertyDock->setObjectName(QStringLiteral("propertyDock"));
    panel = new PropertyPanel(dialog, propertyDock);
    propertyDock->setWidget(panel);
    addDockWidget(Qt::RightDockWidgetArea, propertyDock);
}

void MdiChildBuilder::buildStatusBar()
{
    auto addGroup = [this](const char* icon, const char* name) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setPixmap(QPixmap(QString::fromLatin1(icon)));
        auto* text = new QLabel(QStringLiteral("  0, 0"), this);
        text->setObjectName(QString::fromLatin1(name));
        statusBar()->addWidget(iconLabel);
        statusBar()->addWidget(text);
        return text;
    };
    dialog->setPositionLabel(addGroup(rulerIcon, "positionLabel"));
    dialog->setSizeLabel(addGroup(dialogIconPath, "sizeLabel"));
}

void MdiChildBuilder::newSelection(QWidget* obj, const QString& str)
{
    panel->showObject(obj, str);
}

QLineEdit* MdiChildBuilder::valueEdit() const
{
    return panel->textEdit();
}

QLabel* MdiChildBuilder::objectLabel() const
{
    return panel->objectLabel();
}

QUndoStack* MdiChildBuilder::undoStack() const
{
    return dialog->undoStack();
}

void MdiChildBuilder::showGridTriggered(bool on)
{
    dialog->setGridVisible(on);
    updateGridActions();
}

void MdiChildBuilder::incGridSize()
{
    dialog->increaseGridSize();
    updateGridActions();
}

void MdiChildBuilder::decGridSize()
{
    dialog->decreaseGridSize();
    updateGridActions();
}

void MdiChildBuilder::updateGridActions()
{
    const bool shown = dialog->isGridVisible();
    increaseGridAction->setEnabled(shown && dialog->gridSize() < MdiChildDialogDummy::largestGridSize);
    decreaseGridAction->setEnabled(shown && dialog->gridSize() > MdiChildDialogDummy::smallestGridSize);
}

QAction* MdiChildBuilder::toolbarAction(const QString& text) const
{
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void MdiChildBuilder::resizeCanvas(const QSize& size)
{
    // The sub-window's frame and title bar come on top of the canvas.
    const QMargins frame = canvasWindow->contentsMargins();
    canvasWindow->resize(size.width() + frame.left() + frame.right(), size.height() + frame.top() + frame.bottom());
    dialog->resize(size);
}

DialogDesign MdiChildBuilder::design() const
{
    DialogDesign d;
    d.title = dialog->windowTitle();
    d.size = dialog->size() == shownSize ? tableSize : dialog->size();
    for (const DesignObject& object : dialog->objects()) {
        const ControlProperties& p = object.properties;
        d.controls.append(
            DesignControl{object.type, p.text, object.widget->geometry(), object.tableControl, p.id, p.styles});
    }
    d.menus = dialog->menuEntries();
    return d;
}

void MdiChildBuilder::showDesign(const DialogDesign& design)
{
    dialog->setWindowTitle(design.title);
    // A table without a usable size keeps the canvas's own.
    if (!design.size.isEmpty())
        resizeCanvas(design.size.expandedTo(dialog->minimumSize()));
    tableSize = design.size;
    shownSize = dialog->size();
    for (const DesignControl& control : design.controls)
        dialog->placeControl(control);
    dialog->placeMenus(design.menus);
    newSelection(dialog, QStringLiteral("window"));
}

bool MdiChildBuilder::openTable(QPlainTextEdit* script)
{
    if (!link.readAtCaret(script))
        return false;
    dialog->setHighestTableId(link.table().highestId());
    showDesign(link.table().design());
    generatedDesign = design();
    return true;
}

void MdiChildBuilder::linkGeneratedScript(QPlainTextEdit* script)
{
    if (!link.readAt(script, 0))
        return;
    dialog->setHighestTableId(link.table().highestId());
    dialog->adoptWrittenTable();
    wroteTable = true;
    tableSize = dialog->size();
    shownSize = tableSize;
    generatedDesign = design();
}

void MdiChildBuilder::generateCode()
{
    const DialogDesign current = design();
    const bool skeletons = writeSkeletonsAction->isChecked();
    if (!link.isLinked()) {
        QStringList code = NewDialogTable::generate(current);
        const QStringList added = skeletons
            ? DialogSkeletons::missing(NewDialogTable::nameFromTitle(current.title), current, {}, true)
            : QStringList();
        if (!added.isEmpty())
            code << QString() << added;
        generatedDesign = current;
        emit codeGenerated(code.join(QLatin1Char('\n')));
        return;
    }
    const QStringList lines = link.table().write(current);
    // A table that was there before gets handlers for the buttons placed
    // since, and an alias only when this designer wrote the table.
    DialogDesign placed = current;
    placed.controls.clear();
    for (const DesignControl& control : current.controls) {
        if (control.tableControl < 0)
            placed.controls.append(control);
    }
    const QStringList added = skeletons
        ? DialogSkeletons::missing(link.table().name(), placed, link.scriptLines(), wroteTable)
        : QStringList();
    if (!link.replace(lines, added)) {
        const auto answer =
            QMessageBox::question(this, QStringLiteral("Generate Code"),
                                  QStringLiteral("The dialog table cannot be written back: its script is closed or "
                                                 "read-only, or the table has changed there since it was last "
                                                 "written.\n\nPut the code into a new script?"));
        if (answer == QMessageBox::Yes) {
            generatedDesign = current;
            emit codeGenerated(lines.join(QLatin1Char('\n')));
        }
        return;
    }
    dialog->adoptWrittenTable();
    if (dialog->size() != shownSize) {
        tableSize = dialog->size();
        shownSize = tableSize;
    }
    generatedDesign = design();
}
