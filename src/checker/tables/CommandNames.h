#pragma once

#include <QStringList>
#include <QStringView>

// The names of the mSL commands: lower case, without the "/" prefix. The
// checker colours a statement's first word with them, and the editor may
// offer them. The order is the list's own: where several names could apply to
// one word, the first one wins.
namespace CommandNames {

constexpr int count = 229;
extern const char* const names[count];

// True when `word` (lower case) is exactly one of the names. Fast enough to
// be asked for every statement of every checked line.
bool contains(QStringView word);

// The names in list order.
QStringList toStringList();

} // namespace CommandNames
