#include "MslChecker.h"

// Placeholders until the header checks land: each passes over its header.
void MslChecker::checkAliasHeader(const QString& text, int& pos) { skipWord(text, pos); skipSpaces(text, pos); skipWord(text, pos); skipSpaces(text, pos); }
void MslChecker::checkDialogHeader(const QString& text, int& pos) { skipWord(text, pos); skipSpaces(text, pos); skipWord(text, pos); skipSpaces(text, pos); }
void MslChecker::checkMenuHeader(const QString& text, int& pos) { skipWord(text, pos); skipSpaces(text, pos); skipWord(text, pos); }
bool MslChecker::checkAccessLevel(const QString& text, int& pos) { const int colon = text.indexOf(QLatin1Char(':'), pos); if (colon < 0) return false; pos = colon + 1; return true; }
bool MslChecker::checkEventHeader(const QString& text, int& pos) { pos = text.size(); return true; }
void MslChecker::checkCtcpHeader(const QString& text, int& pos) { pos = text.size(); }
void MslChecker::checkRawHeader(const QString& text, int& pos) { pos = text.size(); }
