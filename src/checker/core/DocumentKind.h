#pragma once

#include <QString>
#include <QStringList>

// What kind of mIRC script file a document is. mIRC loads five: remote
// scripts (headers such as alias, on, dialog and menu at the root), alias
// files (one alias definition per line, as behind an "alias" header), popup
// files (the item lines of a menu body), variable files ("%name value") and
// user lists ("level:address"). The checker takes the kind as an input, like
// the block state; the same rules serve every kind.
enum class DocumentKind : unsigned char {
    Remote,
    Aliases,
    Popups,
    Variables,
    Users,
};

namespace DocumentKinds {

// Every kind, in the order a list offers them.
int count();
DocumentKind at(int index);

// The kind's word on the command line and in reports: "remote", "aliases",
// "popups", "variables", "users".
QLatin1String name(DocumentKind kind);
// The word back to its kind; false when `word` names none.
bool fromName(const QString& word, DocumentKind* kind);

// The INI section an INI file of this kind is saved under: "script",
// "aliases", "variables", "users"; popups have five sections (one per popup
// menu) and save under "cpopup", the channel popups, unless they came from
// another popup section.
QLatin1String defaultSection(DocumentKind kind);
// The kind an INI section holds; false for a section no script kind uses
// (settings sections of mirc.ini and the like). Lower-case section names.
bool fromSection(const QString& section, DocumentKind* kind);

// The kind of an INI file from its section names (lower-cased, in file
// order): a file with a "[script]" section is a remote script whatever else
// it holds; otherwise the first section of a script kind decides; remote
// when there is none.
DocumentKind fromSections(const QStringList& sections);

// The kind of a plain file from its text ("\n" line ends): a file with a
// header keyword ("alias ", "on ", "menu ", ...) at its top level is a remote
// script; otherwise the kind whose line shape most of the top-level lines
// have (more than half of them); remote when no kind has that.
DocumentKind fromContent(const QString& text);

} // namespace DocumentKinds
