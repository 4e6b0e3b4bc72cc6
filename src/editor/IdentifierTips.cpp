#include "IdentifierTips.h"

#include "CallTip.h"
#include "reference/CallTipTable.h"
#include "reference/HoverTable.h"

namespace {

template <typename Entry>
const Entry* findEntry(const Entry* table, const QString& name)
{
    for (const Entry* entry = table; entry->name; ++entry) {
        if (name.compare(QLatin1String(entry->name), Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

QString signatureHtml(const char* identifier, const char* const* params, int paramIndex)
{
    static const QLatin1String literalMark("~~");
    QString html = QStringLiteral("<p style='white-space:pre; margin:0;'>") + QLatin1String(identifier) + QLatin1Char('(');
    for (int k = 0; k < callTipMaxParams && params[k] && params[k][0]; ++k) {
        if (k > 0)
            html += QLatin1String(", ");
        QString param = QString::fromLatin1(params[k]);
        param.replace(QLatin1Char('&'), QLatin1String("&amp;"));
        const bool current = (k == paramIndex);
        if (param.startsWith(literalMark)) {
            // A literal is typed as it stands, so it gets no brackets.
            const QString literal = param.mid(literalMark.size());
            html += current ? QStringLiteral("<strong>") + literal + QStringLiteral("</strong>") : literal;
        } else {
            const QString shown = QStringLiteral("&lt;") + param + QStringLiteral("&gt;");
            html += current ? QStringLiteral("<strong>") + shown + QStringLiteral("</strong>") : shown;
        }
    }
    html += QLatin1String(")</p>");
    return html;
}

QString escapedHtml(const char* text)
{
    QString escaped = QString::fromLatin1(text);
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

} // namespace

QList<CallTipOverload> callTipOverloads(const QString& name, int paramIndex)
{
    QList<CallTipOverload> overloads;
    const CallTipEntry* entry = findEntry(callTipTable, name);
    if (!entry)
        return overloads;
    for (const CallTipOverloadData& overload : entry->overloads) {
        if (!overload.params[0] || !overload.params[0][0])
            break;
        overloads.append({signatureHtml(entry->name, overload.params, paramIndex),
                          QString::fromLatin1(overload.description)});
    }
    return overloads;
}

bool buildCallTip(const QString& name, CallTip* tip, int paramIndex)
{
    const QList<CallTipOverload> overloads = callTipOverloads(name, paramIndex);
    if (overloads.isEmpty())
        return false;
    tip->setOverloads(overloads);
    return true;
}

QString identifierHoverHtml(const QString& name, int boldIndex)
{
    const HoverEntry* entry = findEntry(hoverTable, name);
    if (!entry)
        return QString();
    QString html = QStringLiteral("<p style='white-space:pre'>") + QLatin1String(entry->name) + QLatin1Char('(');
    for (int k = 0; k < hoverMaxParams && entry->params[k] && entry->params[k][0]; ++k) {
        if (k > 0)
            html += QLatin1String(", ");
        const QString text = escapedHtml(entry->params[k]);
        html += (k == boldIndex) ? QStringLiteral("<b>") + text + QStringLiteral("</b>") : text;
    }
    html += QLatin1String(")</p>");
    return html;
}
