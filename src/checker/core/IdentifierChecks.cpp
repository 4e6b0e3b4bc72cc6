#include "MslChecker.h"

// Placeholders until the identifier checks land: a "$" or "%" word is passed over.
void MslChecker::checkVarCommand(const QString& text, int& pos, int& depth) { checkExpression(text, pos, depth); }
void MslChecker::checkIdentifier(const QString& text, int& pos, int&, int) { skipWord(text, pos); }
void MslChecker::paintVariable(const QString& text, int& pos) { skipWord(text, pos); }
void MslChecker::paintVarName(const QString& text, int& pos) { skipWord(text, pos); }
void MslChecker::paintParamVariable(const QString& text, int& pos) { skipWord(text, pos); }
MslChecker::IdentifierResult MslChecker::validateIdentifier(QString&, unsigned, const QString&) { return UnknownIdentifier; }
