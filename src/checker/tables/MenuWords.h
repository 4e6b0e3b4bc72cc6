#pragma once

#include <QStringView>

// The words of popup menus: the targets a "menu" header may name, and the
// event words a menu body may use as an item label.
namespace MenuWords {

// Targets accepted by name; "@window" targets and the wildcard "*" are
// accepted besides these.
int targetCount();
const char* target(int index);
bool isTarget(QStringView word);

int eventWordCount();
const char* eventWord(int index);
bool isEventWord(QStringView word);

} // namespace MenuWords
