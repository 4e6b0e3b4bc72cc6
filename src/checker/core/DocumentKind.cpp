#include "DocumentKind.h"

namespace {

struct KindName {
    DocumentKind kind;
    const char* name;
    const char* section; // where an INI file of the kind keeps its lines
};

const KindName kindNames[] = {
    {DocumentKind::Remote, "remote", "script"}, {DocumentKind::Aliases, "aliases", "aliases"},
    {DocumentKind::Popups, "popups", "cpopup"}, {DocumentKind::Variables, "variables", "variables"},
    {DocumentKind::Users, "users", "users"},
};

struct SectionKind {
    const char* section;
    DocumentKind kind;
};

// The INI sections mIRC keeps script lines in. The five popup sections are
// the status window, channel, query, nick list and menu bar popups.
const SectionKind sectionKinds[] = {
    {"script", DocumentKind::Remote}, {"aliases", DocumentKind::Aliases},     {"bpopup", DocumentKind::Popups},
    {"cpopup", DocumentKind::Popups}, {"qpopup", DocumentKind::Popups},       {"lpopup", DocumentKind::Popups},
    {"mpopup", DocumentKind::Popups}, {"variables", DocumentKind::Variables}, {"users", DocumentKind::Users},
};

const KindName& entryOf(DocumentKind kind)
{
    for (const KindName& entry : kindNames)
        if (entry.kind == kind)
            return entry;
    return kindNames[0];
}

} // namespace

namespace DocumentKinds {

int count()
{
    return int(sizeof kindNames / sizeof kindNames[0]);
}

DocumentKind at(int index)
{
    return kindNames[index].kind;
}

QLatin1String name(DocumentKind kind)
{
    return QLatin1String(entryOf(kind).name);
}

bool fromName(const QString& word, DocumentKind* kind)
{
    for (const KindName& entry : kindNames) {
        if (word == QLatin1String(entry.name)) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

QLatin1String defaultSection(DocumentKind kind)
{
    return QLatin1String(entryOf(kind).section);
}

bool fromSection(const QString& section, DocumentKind* kind)
{
    for (const SectionKind& entry : sectionKinds) {
        if (section == QLatin1String(entry.section)) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

DocumentKind fromSections(const QStringList& sections)
{
    if (sections.contains(QLatin1String("script")))
        return DocumentKind::Remote;
    DocumentKind kind = DocumentKind::Remote;
    for (const QString& section : sections)
        if (fromSection(section, &kind))
            return kind;
    return DocumentKind::Remote;
}

} // namespace DocumentKinds
