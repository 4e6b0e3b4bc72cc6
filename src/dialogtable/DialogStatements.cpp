#include "DialogStatements.h"

#include "DesignControlTypes.h"
#include "DialogUnits.h"

namespace DialogStatements {

const QLatin1String indent("  ");

QString quotable(const QString& text)
{
    QString inner = text;
    inner.replace(QLatin1Char('"'), QLatin1Char('\''));
    inner.replace(QLatin1Char('\n'), QLatin1Char(' '));
    inner.remove(QLatin1Char('\r'));
    return inner;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + quotable(text) + QLatin1Char('"');
}

QString geometryField(const QRect& pixels, Units units)
{
    const QRect r = units == Units::DialogUnits ? DialogUnits::toUnits(pixels) : pixels;
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString sizeField(const QSize& pixels, Units units)
{
    const QSize s = units == Units::DialogUnits ? DialogUnits::toUnits(pixels) : pixels;
    return QStringLiteral("%1 %2").arg(s.width()).arg(s.height());
}

QString controlStatement(const DesignControl& control, int id, Units units)
{
    const DesignControlTypes::ControlType* type = DesignControlTypes::findByName(control.type);
    QString line = QLatin1String(type->keyword) + QLatin1Char(' ');
    if (type->hasText)
        line += quoted(control.text) + QStringLiteral(", ");
    line += QString::number(id) + QStringLiteral(", ") + geometryField(control.geometry, units);
    QStringList styles = control.styles;
    if (*type->marker)
        styles.prepend(QLatin1String(type->marker));
    if (!styles.isEmpty())
        line += QStringLiteral(", ") + styles.join(QLatin1Char(' '));
    return line;
}

QString titleStatement(const QString& title)
{
    return QStringLiteral("title ") + quoted(title);
}

QLatin1String menuKeyword(DesignMenuEntry::Kind kind)
{
    return kind == DesignMenuEntry::Kind::Menu ? QLatin1String("menu") : QLatin1String("item");
}

const QLatin1String separatorWord("break");

QString menuStatement(const DesignMenuEntry& entry)
{
    const QString text = entry.kind == DesignMenuEntry::Kind::Separator ? QString(separatorWord) : quoted(entry.text);
    QString line = menuKeyword(entry.kind) + QLatin1Char(' ') + text + QStringLiteral(", ") + QString::number(entry.id);
    if (entry.parent > 0)
        line += QStringLiteral(", ") + QString::number(entry.parent);
    return line;
}

} // namespace DialogStatements
