#include "MslChecker.h"

// Placeholders until the condition checks land.
void MslChecker::checkIfStatement(const QString& text, int& pos, int& depth) { checkExpression(text, pos, depth); }
void MslChecker::checkElse(const QString& text, int& pos, int& depth) { checkExpression(text, pos, depth); }
void MslChecker::checkCondition(const QString& text, int& pos, int& depth, bool) { checkExpression(text, pos, depth); }
bool MslChecker::isKnownOperator(const QString&) { return false; }
