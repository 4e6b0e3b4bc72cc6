#pragma once

#include <QStringList>
#include <QStringView>
#include <QtGlobal>

constexpr int identifierMaxParams = 11;
constexpr int identifierMaxOverloads = 10;

// One way to call an identifier as the call tip shows it. Parameter names are
// plain words (the tip adds the angle brackets); a name that starts with "~~"
// is a literal value the caller types as it stands, such as the mode number
// of $crc, shown without the tildes and without brackets.
struct IdentifierOverload {
    const char* params[identifierMaxParams]; // ends at the first null slot
    const char* description;                 // one sentence, plain text
};

// What mIRC accepts for each of its built-in identifiers and how Korvel
// explains it. The checker validates every parenthesised identifier against
// the parameter counts and properties, the key handler uses the names to tell
// an identifier from any other "$" word, the completion lists names and
// properties, and the hover tip, the call tip and the language server show
// the hover parameters and the overloads: one name list for all of them.
struct IdentifierParameterEntry {
    const char* name; // with its "$", lower case
    quint32 minParams;
    quint32 maxParams;      // IdentifierParameters::noLimit when unbounded
    bool evenOnly;          // the parameter count must be even
    bool oddOnly;           // the parameter count must be odd
    const char* properties; // names accepted after ")." separated by single spaces; "" for none
    // The parameter list as the hover tip writes it, each text with its
    // brackets: <required>, [optional]; ends at the first null slot.
    const char* hover[identifierMaxParams];
    // The call-tip overloads in the order the tip offers them; the list ends
    // at the first overload without a first parameter.
    IdentifierOverload overloads[identifierMaxOverloads];
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
