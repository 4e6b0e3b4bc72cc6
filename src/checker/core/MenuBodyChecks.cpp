#include "MslChecker.h"

// Placeholder until the menu body checks land.
void MslChecker::checkMenuLine(const QString& text, int& pos, int& depth)
{
    checkStatement(text, pos, depth);
}
