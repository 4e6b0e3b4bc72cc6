#include "CompletionModels.h"

#include "checker/MslSyntaxHighlighter.h"
#include "checker/core/ScriptOutline.h"
#include "checker/tables/CommandNames.h"
#include "checker/tables/IdentifierParameters.h"
#include "completion/ColourCodeForms.h"
#include "completion/ComProgIds.h"
#include "completion/MircPalette.h"
#include "reference/CommandTipTexts.h"
#include "reference/IdentifierCandidates.h"
#include "reference/IdentifierTipTexts.h"

#include <QHash>
#include <QIcon>
#include <QStandardItemModel>

namespace {

const char* const builtInIdentifierIcon = ":/completer/resources/img_assets/completer/builtident.png";
const char* const scriptAliasIcon = ":/completer/resources/img_assets/completer/customident.png";
const char* const localScriptAliasIcon = ":/completer/resources/img_assets/completer/customlocalident.png";
const char* const propertyIcon = ":/completer/resources/img_assets/completer/property.png";
const char* const comIconFolder = ":/completer/com/resources/img_assets/com/";

const char* candidateIcon(IdentifierCandidates::Origin origin)
{
    switch (origin) {
    case IdentifierCandidates::Origin::Alias: return scriptAliasIcon;
    case IdentifierCandidates::Origin::LocalAlias: return localScriptAliasIcon;
    case IdentifierCandidates::Origin::BuiltIn: break;
    }
    return builtInIdentifierIcon;
}

// Icons are made once per kind: the identifier model is rebuilt on every
// lone "$" and may hold thousands of aliases.
const QIcon& cachedIcon(const QString& path)
{
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end())
        it = icons.insert(path, QIcon(path));
    return *it;
}

const QIcon& cachedIcon(const char* path)
{
    return cachedIcon(QString::fromLatin1(path));
}

// The tool tip of a built-in's item: its hover tip. Made once per name, as
// the model is rebuilt on every lone "$".
const QString& builtInToolTip(const QString& name)
{
    static QHash<QString, QString> tips;
    auto it = tips.find(name);
    if (it == tips.end())
        it = tips.insert(name, identifierHoverTipHtml(name));
    return *it;
}

QStandardItemModel* singleColumnModel(const QList<QStandardItem*>& items, QObject* parent)
{
    auto* model = new QStandardItemModel(parent);
    if (!items.isEmpty())
        model->appendColumn(items);
    else
        model->setColumnCount(1);
    return model;
}

} // namespace

QStandardItemModel* identifierModel(QObject* parent, const MslSyntaxHighlighter* checker)
{
    IdentifierCandidates candidates;
    for (int line = 0; checker && line < checker->lineCount(); ++line) {
        const HeaderRecord& header = checker->recordAt(line).header;
        if (header.blockKind == HeaderKind::Alias)
            candidates.addAlias(header.blockName, header.isLocal);
    }
    QList<QStandardItem*> items;
    for (const IdentifierCandidates::Candidate& candidate : candidates.items()) {
        auto* item = new QStandardItem(cachedIcon(candidateIcon(candidate.origin)), candidate.text);
        if (candidate.origin == IdentifierCandidates::Origin::BuiltIn)
            item->setToolTip(builtInToolTip(candidate.text));
        items << item;
    }
    return singleColumnModel(items, parent);
}

QStandardItemModel* propertyModel(const QString& name, QObject* parent)
{
    const IdentifierParameterEntry* entry = IdentifierParameters::find(name);
    if (!entry)
        return nullptr;
    QList<QStandardItem*> items;
    const QIcon& icon = cachedIcon(propertyIcon);
    for (const QString& property : IdentifierParameters::propertyNames(*entry))
        items << new QStandardItem(icon, property);
    return singleColumnModel(items, parent);
}

const QVector<QBrush>& colorPalette()
{
    static const QVector<QBrush> brushes = [] {
        QVector<QBrush> list;
        for (const PaletteColour& c : MircPalette::colours)
            list << QBrush(QColor(c.red, c.green, c.blue));
        return list;
    }();
    return brushes;
}

QStandardItemModel* colorModel(QObject* parent)
{
    QList<QStandardItem*> items;
    for (const ColourCodeForm& form : colourCodeForms()) {
        auto* item = new QStandardItem(form.text);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setForeground(colorPalette().at(form.foreground));
        if (form.background != ColourCodeForm::noBackground)
            item->setBackground(colorPalette().at(form.background));
        items << item;
    }
    QStandardItemModel* model = singleColumnModel(items, parent);
    model->sort(0, Qt::AscendingOrder);
    return model;
}

QStandardItemModel* commandModel(QObject* parent)
{
    QList<QStandardItem*> items;
    for (const CommandEntry& entry : CommandNames::entries) {
        auto* item = new QStandardItem(QString::fromLatin1(entry.name));
        item->setToolTip(commandHoverHtml(entry));
        items << item;
    }
    QStandardItemModel* model = singleColumnModel(items, parent);
    model->sort(0, Qt::AscendingOrder);
    return model;
}

QStandardItemModel* comModel(QObject* parent)
{
    QList<QStandardItem*> items;
    for (const ComProgIdEntry& entry : ComProgIds::entries)
        items << new QStandardItem(cachedIcon(QLatin1String(comIconFolder) + QLatin1String(entry.iconFile)),
                                   QString::fromLatin1(entry.progId));
    return singleColumnModel(items, parent);
}
