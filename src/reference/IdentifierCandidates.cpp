#include "IdentifierCandidates.h"

#include "checker/tables/IdentifierParameters.h"

IdentifierCandidates::IdentifierCandidates()
{
    const int count = IdentifierParameters::count();
    list.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString text = QLatin1String(IdentifierParameters::at(i).name);
        list.append({text, Origin::BuiltIn});
        texts.insert(text);
    }
}

void IdentifierCandidates::addAlias(const QString& name, bool isLocal)
{
    const QString text = QLatin1Char('$') + name;
    if (texts.contains(text))
        return;
    texts.insert(text);
    list.append({text, isLocal ? Origin::LocalAlias : Origin::Alias});
}
