#pragma once

#include <QStringList>
#include <QStringView>

// One mSL command: its name, lower case and without the "/" prefix, and how
// Korvel explains it in tips and over the language server.
struct CommandEntry {
    const char* name;
    const char* synopsis;    // what follows the name: switches, then <required> and [optional] parameters
    const char* description; // one sentence
    const char* switches;    // each switch with a few words, separated by ", "; "" for none
};

// The mSL commands. The checker colours a statement's first word with their
// names, the tips and the language server explain them. The order is the
// list's own: where several names could apply to one word, the first one wins.
namespace CommandNames {

constexpr int count = 229;
extern const CommandEntry entries[count];

// True when `word` (lower case) is exactly one of the names. Fast enough to
// be asked for every statement of every checked line.
bool contains(QStringView word);

// The entry whose name equals `word` ignoring case, or nullptr.
const CommandEntry* find(QStringView word);

// The names in list order.
QStringList toStringList();

} // namespace CommandNames
