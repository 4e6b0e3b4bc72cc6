#pragma once

#include <QStringList>
#include <QStringView>
#include <QtGlobal>

// What mIRC accepts for each of its built-in identifiers: how many
// parameters a call may have and which properties may follow it. The checker
// validates every parenthesised identifier against it, the key handler uses
// it to tell an identifier from any other "$" word, and the completion lists
// its names and properties.
struct IdentifierParameterEntry {
    const char* name; // with its "$", lower case
    quint32 minParams;
    quint32 maxParams;      // IdentifierParameters::noLimit when unbounded
    bool evenOnly;          // the parameter count must be even
    bool oddOnly;           // the parameter count must be odd
    const char* properties; // names accepted after ")." separated by single spaces; "" for none
};

namespace IdentifierParameters {

constexpr quint32 noLimit = 0xFFFFFFFFu;

// The entries in their fixed order.
int count();
const IdentifierParameterEntry& at(int index);

// The first entry whose name equals `name` ignoring case, or nullptr.
const IdentifierParameterEntry* find(QStringView name);

// The entry's property names in table order.
QStringList propertyNames(const IdentifierParameterEntry& entry);
// True when `property` (without the ".") is one of the entry's properties,
// ignoring case.
bool hasProperty(const IdentifierParameterEntry& entry, QStringView property);

} // namespace IdentifierParameters
