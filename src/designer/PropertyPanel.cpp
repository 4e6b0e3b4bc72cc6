#include "PropertyPanel.h"

#include "BuilderTables.h"
#include "MdiChildDialogDummy.h"
#include "dialogtable/DesignControlTypes.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int textRow = 0;
constexpr int idRow = 1;
constexpr int firstStyleRow = 2;
constexpr int rowHeight = 18;
// mIRC takes ids up to this.
constexpr int largestId = 65535;
const QLatin1String dialogType("window");

QString displayName(const QString& type)
{
    for (int i = 0; i < BuilderTables::toolboxEntryCount; ++i) {
        if (type == QLatin1String(BuilderTables::toolboxEntries[i].typeName))
            return QLatin1String(BuilderTables::toolboxEntries[i].toolTip);
    }
    return type;
}

} // namespace

PropertyPanel::PropertyPanel(MdiChildDialogDummy* canvas, QWidget* parent)
    : QWidget(parent)
    , canvas(canvas)
    , objectName(new QLabel(QStringLiteral("Main Dialog"), this))
    , table(new QTableWidget(firstStyleRow, 2, this))
    , textLine(new QLineEdit)
    , idBox(new QSpinBox)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(objectName);
    table->setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setCellWidget(textRow, 0, new QLabel(QStringLiteral("Text")));
    table->setCellWidget(textRow, 1, textLine);
    table->setCellWidget(idRow, 0, new QLabel(QStringLiteral("ID")));
    idBox->setRange(1, largestId);
    table->setCellWidget(idRow, 1, idBox);
    layout->addWidget(table);

    connect(textLine, &QLineEdit::textChanged, this, &PropertyPanel::textEdited);
    connect(idBox, &QSpinBox::valueChanged, this, &PropertyPanel::idEdited);
    connect(canvas, &MdiChildDialogDummy::propertiesChanged, this, &PropertyPanel::propertiesChanged);
}

QCheckBox* PropertyPanel::styleBox(const QString& style) const
{
    for (QCheckBox* box : styleBoxes) {
        if (box->text() == style)
            return box;
    }
    return nullptr;
}

void PropertyPanel::showObject(QWidget* object, const QString& type)
{
    shown = object;
    shownType = type;
    const bool isWindow = type == dialogType;
    objectName->setText(isWindow ? QStringLiteral("Object: Dialog Object")
                                 : QStringLiteral("Object: ") + displayName(type));
    const DesignControlTypes::ControlType* controlType = DesignControlTypes::findByName(type);
    textLine->setEnabled(isWindow || (controlType && controlType->hasText));
    table->setRowHidden(idRow, isWindow);

    table->setRowCount(firstStyleRow);
    styleBoxes.clear();
    const QStringList offered = controlType ? DesignControlTypes::offeredStyles(*controlType) : QStringList();
    table->setRowCount(firstStyleRow + int(offered.size()));
    for (int i = 0; i < offered.size(); ++i) {
        auto* box = new QCheckBox(offered[i]);
        connect(box, &QCheckBox::toggled, this, &PropertyPanel::styleToggled);
        table->setCellWidget(firstStyleRow + i, 0, new QLabel(i == 0 ? QStringLiteral("Styles") : QString()));
        table->setCellWidget(firstStyleRow + i, 1, box);
        styleBoxes.append(box);
    }
    refresh();
}

void PropertyPanel::refresh()
{
    if (!shown)
        return;
    refreshing = true;
    const ControlProperties properties = canvas->properties(shown);
    textLine->setText(properties.text);
    idBox->setValue(properties.id);
    for (QCheckBox* box : std::as_const(styleBoxes))
        box->setChecked(properties.styles.contains(box->text()));
    refreshing = false;
}

void PropertyPanel::propertiesChanged(QWidget* control)
{
    if (control == shown)
        refresh();
}

void PropertyPanel::textEdited()
{
    if (refreshing || !shown)
        return;
    ControlProperties properties = canvas->properties(shown);
    properties.text = textLine->text();
    canvas->editProperties(shown, properties);
}

void PropertyPanel::idEdited(int id)
{
    if (refreshing || !shown)
        return;
    ControlProperties properties = canvas->properties(shown);
    properties.id = id;
    canvas->editProperties(shown, properties);
}

void PropertyPanel::styleToggled()
{
    if (refreshing || !shown)
        return;
    ControlProperties properties = canvas->properties(shown);
    // The styles keep their order; one switched on goes at the end.
    QStringList styles;
    for (const QString& style : std::as_const(properties.styles)) {
        const QCheckBox* box = styleBox(style);
        if (!box || box->isChecked())
            styles.append(style);
    }
    for (const QCheckBox* box : std::as_const(styleBoxes)) {
        if (box->isChecked() && !styles.contains(box->text()))
            styles.append(box->text());
    }
    properties.styles = styles;
    canvas->editProperties(shown, properties);
}
