#include "MslChecker.h"

// Placeholders until the code line checks land.
void MslChecker::checkStatement(const QString& text, int& pos, int& depth) { checkExpression(text, pos, depth); }
void MslChecker::checkExpression(const QString& text, int& pos, int& depth)
{
    for (; pos < text.size(); ++pos) {
        if (text[pos] == QLatin1Char('{'))
            ++depth;
        else if (text[pos] == QLatin1Char('}') && depth > 0)
            --depth;
    }
}
void MslChecker::checkLineComment(const QString& text, int& pos, int&) { pos = text.size(); }
void MslChecker::checkInlineComment(const QString& text, int& pos, int&) { pos = text.size(); }
void MslChecker::markTasks(const QString&, int, int) {}
