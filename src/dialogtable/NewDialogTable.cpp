#include "NewDialogTable.h"

#include "DialogStatements.h"

namespace NewDialogTable {

QString nameFromTitle(const QString& title)
{
    QString name;
    for (const QChar c : title) {
        if ((c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('_'))
            name += c;
    }
    return name.isEmpty() ? QStringLiteral("dialog") : name;
}

QStringList generate(const DialogDesign& design)
{
    using DialogStatements::indent;
    const auto units = DialogStatements::Units::Pixels;
    QStringList lines;
    lines << QStringLiteral("dialog %1 {").arg(nameFromTitle(design.title));
    lines << indent + DialogStatements::titleStatement(design.title);
    // -1 -1 lets mIRC centre the dialog.
    lines << indent + QStringLiteral("size -1 -1 ") + DialogStatements::sizeField(design.size, units);
    lines << indent + QStringLiteral("option pixels");
    // Controls without an id of their own take the ones after every id given.
    int id = 0;
    for (const DesignControl& control : design.controls)
        id = qMax(id, control.id);
    for (const DesignMenuEntry& entry : design.menus)
        id = qMax(id, entry.id);
    for (const DesignControl& control : design.controls)
        lines << indent + DialogStatements::controlStatement(control, control.id > 0 ? control.id : ++id, units);
    for (const DesignMenuEntry& entry : design.menus)
        lines << indent + DialogStatements::menuStatement(entry);
    lines << QStringLiteral("}");
    return lines;
}

} // namespace NewDialogTable
