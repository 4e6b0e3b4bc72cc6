#include "IdentifierTipTexts.h"

#include "HtmlEscape.h"
#include "checker/tables/IdentifierParameters.h"

namespace {

QString signatureHtml(const CallTipSignature& signature, int paramIndex)
{
    QString html =
        QStringLiteral("<p style='white-space:pre-wrap; margin:0;'>") + signature.identifier + QLatin1Char('(');
    for (int k = 0; k < signature.parameters.size(); ++k) {
        if (k > 0)
            html += QLatin1String(", ");
        const QString shown = escapedHtml(signature.parameters[k].shown());
        html += (k == paramIndex) ? QStringLiteral("<strong>") + shown + QStringLiteral("</strong>") : shown;
    }
    html += QLatin1String(")</p>");
    return html;
}

QString callText(const QString& identifier, const QStringList& parameters)
{
    return identifier + QLatin1Char('(') + parameters.join(QLatin1String(", ")) + QLatin1Char(')');
}

} // namespace

QString CallTipParameter::shown() const
{
    return literal ? name : QLatin1Char('<') + name + QLatin1Char('>');
}

QString CallTipSignature::text() const
{
    QStringList shown;
    for (const CallTipParameter& parameter : parameters)
        shown.append(parameter.shown());
    return callText(identifier, shown);
}

QList<CallTipSignature> callTipSignatures(const QString& name)
{
    static const QLatin1String literalMark("~~");
    QList<CallTipSignature> signatures;
    const IdentifierParameterEntry* entry = IdentifierParameters::find(name);
    if (!entry)
        return signatures;
    for (const IdentifierOverload& overload : entry->overloads) {
        if (!overload.params[0] || !overload.params[0][0])
            break;
        CallTipSignature signature{QLatin1String(entry->name), {}, QString::fromLatin1(overload.description)};
        for (int k = 0; k < identifierMaxParams && overload.params[k] && overload.params[k][0]; ++k) {
            const QString param = QString::fromLatin1(overload.params[k]);
            const bool literal = param.startsWith(literalMark);
            signature.parameters.append({literal ? param.mid(literalMark.size()) : param, literal});
        }
        signatures.append(signature);
    }
    return signatures;
}

QList<CallTipOverload> callTipOverloads(const QString& name, int paramIndex)
{
    QList<CallTipOverload> overloads;
    for (const CallTipSignature& signature : callTipSignatures(name))
        overloads.append({signatureHtml(signature, paramIndex), signature.description});
    return overloads;
}

QString HoverSignature::text() const
{
    return callText(identifier, parameters);
}

HoverSignature hoverSignature(const QString& name)
{
    HoverSignature signature;
    const IdentifierParameterEntry* entry = IdentifierParameters::find(name);
    if (!entry || !entry->hover[0])
        return signature;
    signature.identifier = QLatin1String(entry->name);
    for (int k = 0; k < identifierMaxParams && entry->hover[k] && entry->hover[k][0]; ++k)
        signature.parameters.append(QString::fromLatin1(entry->hover[k]));
    return signature;
}

QString identifierHoverHtml(const QString& name, int boldIndex)
{
    const HoverSignature signature = hoverSignature(name);
    if (signature.isEmpty())
        return QString();
    QString html = QStringLiteral("<p style='white-space:pre'>") + signature.identifier + QLatin1Char('(');
    for (int k = 0; k < signature.parameters.size(); ++k) {
        if (k > 0)
            html += QLatin1String(", ");
        const QString text = escapedHtml(signature.parameters[k]);
        html += (k == boldIndex) ? QStringLiteral("<b>") + text + QStringLiteral("</b>") : text;
    }
    html += QLatin1String(")</p>");
    return html;
}

QString identifierHoverTipHtml(const QString& name)
{
    QString html = identifierHoverHtml(name);
    if (html.isEmpty())
        return html;
    for (const CallTipSignature& signature : callTipSignatures(name))
        html += QStringLiteral("<p style='margin:0'><code>") + escapedHtml(signature.text())
            + QStringLiteral("</code> ") + signature.description + QStringLiteral("</p>");
    const QStringList properties = IdentifierParameters::propertyNames(*IdentifierParameters::find(name));
    if (!properties.isEmpty())
        html += QStringLiteral("<p>Properties: .") + properties.join(QStringLiteral(" .")) + QStringLiteral("</p>");
    return html;
}

QString identifierMarkdown(const QString& name)
{
    const HoverSignature hover = hoverSignature(name);
    if (hover.isEmpty())
        return QString();
    QString markdown = QStringLiteral("```mirc\n") + hover.text() + QStringLiteral("\n```");
    for (const CallTipSignature& signature : callTipSignatures(name))
        markdown += QStringLiteral("\n\n`") + signature.text() + QStringLiteral("`  \n") + signature.description;
    const QStringList properties = IdentifierParameters::propertyNames(*IdentifierParameters::find(name));
    if (!properties.isEmpty())
        markdown += QStringLiteral("\n\nProperties: .") + properties.join(QStringLiteral(" ."));
    return markdown;
}
