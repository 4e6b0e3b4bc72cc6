#pragma once

#include "BlockState.h"
#include "DocumentKind.h"
#include "FormatId.h"
#include "LineCheckResult.h"

#include <QMultiHash>
#include <QString>
#include <QVector>

namespace OnEvents {
enum class Parameter : unsigned char;
}
namespace DialogControls {
struct Control;
}

// The script checker: colours and checks one line of mSL at a time.
//
// Checking a line is a function of the lower-cased line and the state the
// previous line ended in. It yields the line's end state, the final format of
// every character, the diagnostics in raising order, the header record and
// the identifier occurrences (all in a LineCheckResult). Nothing here knows
// about documents: the highlighter applies the result to a QTextDocument, and
// korvel-check, the fuzzer and the benchmarks use the same object directly.
//
// The operations are grouped by concern, one source file each:
//   RootScanner.cpp         the dispatcher and the root level
//   DocumentKindChecks.cpp  the top level of alias, popup, variable and user files
//   HeaderChecks.cpp        alias, dialog, menu, on, ctcp and raw headers
//   DialogTableChecks.cpp   lines inside a dialog table
//   MenuBodyChecks.cpp      lines inside a menu body
//   StatementChecks.cpp     code lines: statements, comments, task markers
//   ConditionChecks.cpp     if/elseif/while conditions, else
//   IdentifierChecks.cpp    identifiers, var, variables
//
// Every operation takes the lower-cased line and the scan position (and the
// brace depth) by reference and leaves the position where it stopped. Every
// loop is bounded by the line's length.
class MslChecker {
public:
    // Checks `lower` (a lower-cased line) that follows a line which ended in
    // `previousState` (-1 for the first line counts as the root), as a line
    // of a document of `kind`. `result` is overwritten; pass the same object
    // line after line to spare allocations.
    void checkLine(const QString& lower, int previousState, LineCheckResult& result,
                   DocumentKind kind = DocumentKind::Remote);

    // The lower-cased copy of a line that checkLine expects: QString::toLower,
    // except that a position in the copy is always the same position in the
    // line (a few characters, such as U+0130, lower-case to two).
    static QString lowerCased(const QString& line);

    // What validateIdentifier concludes about one identifier occurrence.
    enum IdentifierResult {
        UnknownIdentifier = 0,
        ValidIdentifier = 1,
        TooFewParameters = 2,
        TooManyParameters = 3,
        WrongParity = 4,
        UnknownProperty = 5,
    };
    // Looks an identifier ("$name", without parentheses) up in the parameter
    // table. Public: the editor and the tests use it too.
    static IdentifierResult validateIdentifier(QString& name, unsigned paramCount, const QString& property);
    static bool isKnownOperator(const QString& op);
    static bool isAllDigits(const QString& text);

    // Scanning helpers shared by every part of the checker.
    static void skipSpaces(const QString& text, int& pos);
    static void skipWord(const QString& text, int& pos);
    static bool startsWithKeyword(const QString& text, const char* keyword);

private:
    // ---- Recording: what the highlighter turns into formats, block data and
    // diagnostics. A later paint overwrites an earlier one.
    void setFormat(int start, int count, FormatId format);
    void addError(Severity type, int linePos, const QString& block, const QString& message);
    void addError(Severity type, int linePos, const QString& message);
    void setAliasBlock(const QString& name, int namePos, bool isLocal);
    void setDialogBlock(const QString& name, int namePos, bool isLocal);
    void setEventBlock(const QString& name, const QString& detail, int namePos);
    void setMenuBlock(int namePos);
    void setPopupItemBlock(const QString& label, int labelPos);
    void markGroupLine(GroupMark kind);
    void setOpensBlock(bool opens);
    void addIdentifierRecord(const QString& name, int start, int end, int propertyPos, bool hasParens,
                             const QVector<int>& commaPositions);
    void addIdentifierBreak(int pos);

    // ---- The root level and the dispatcher (RootScanner.cpp).
    bool takeOpeningBrace(const QString& text, int& pos, int& depth);
    void checkRootLevel(const QString& text, bool inGroup);
    bool takeRootComment(const QString& text, int pos, bool inGroup);
    void checkRootComment(const QString& text, bool inGroup);
    void checkGroupLine(const QString& text, bool inGroup);
    bool checkRootHeader(const QString& text, bool inGroup);
    void checkHeaderCode(const QString& text, int& pos, int& depth, BlockState::Kind body, bool inGroup);
    void checkEventCode(const QString& text, int& pos, bool inGroup);
    bool reportUnknownEvent(const QString& text, int eventStart);
    void reportUnexpectedRootText(const QString& text);
    // Recovery after a fault at the root. A header line that was rejected
    // but ends with "{" opens the body of its kind (false when it does not
    // end so); other stray text continues as a detached body.
    bool openRejectedHeaderBody(const QString& text, BlockState::Kind body, bool inGroup);
    void detachStrayText(const QString& text, bool inGroup);
    // A header at the start of a line inside a body or dialog table: warned
    // as a "}" missing above, and checked as the header it is. False when
    // the line is no such header.
    bool checkHeaderInBody(const QString& text, int pos, const BlockState::Decoded& level);
    void checkBodyLine(const QString& text, int& pos, const BlockState::Decoded& level, int previousState);
    void checkBodyComment(const QString& text, int& pos, const BlockState::Decoded& level, int previousState);

    // ---- Headers (HeaderChecks.cpp).
    void checkAliasHeader(const QString& text, int& pos);
    // The name after "alias" (and its switch); pos at the name, left after it.
    void checkAliasName(const QString& text, int& pos, bool isLocal);
    void checkDialogHeader(const QString& text, int& pos);
    void checkMenuHeader(const QString& text, int& pos);
    bool checkAccessLevel(const QString& text, int& pos);
    bool checkEventHeader(const QString& text, int& pos);
    void checkCtcpHeader(const QString& text, int& pos);
    void checkRawHeader(const QString& text, int& pos);
    // A matchtext, target or window field: a "%" variable must be a single
    // word, a "$(" identifier is checked. False when the field is neither.
    bool checkVariableField(const QString& field, int fieldPos, const QString& block, const QString& message);
    void checkEventParameter(OnEvents::Parameter parameter, const QString& field, int fieldPos, const QString& block);
    void checkMessageTargets(const QString& field, int fieldPos, const QString& block);
    void checkChannelTargets(const QString& field, int fieldPos, const QString& block);
    void checkDialogIds(const QString& field, int fieldPos, const QString& block);

    // ---- The top level of the other document kinds (DocumentKindChecks.cpp):
    // an alias file's line is the line behind an "alias" header, a popup
    // file's line an item line of a menu body.
    void checkDocumentLine(const QString& text, int& pos, bool inGroup);
    void checkAliasFileLine(const QString& text, int& pos, bool inGroup);
    void checkPopupFileLine(const QString& text, int& pos, bool inGroup);
    void checkVariableFileLine(const QString& text, int& pos);
    void checkUserFileLine(const QString& text, int& pos);
    void reportKindLine(const QString& text, int pos, QLatin1String block, const QString& message);

    // ---- Dialog tables (DialogTableChecks.cpp): each returns where the
    // next line stands: still in the table (DialogTable), in a comment
    // opened inside it (DialogComment), or back at the root (Root).
    BlockState::Kind checkDialogLine(const QString& text);
    static QString nextToken(const QString& text, int& pos, bool stopAtComma);
    int checkOptionWords(const QString& text, int& pos, bool inTitle);
    BlockState::Kind checkDialogOption(const QString& text, int& pos, int wordStart);
    BlockState::Kind checkDialogSize(const QString& text, int& pos, int wordStart);
    BlockState::Kind checkDialogTitle(const QString& text, int& pos, int wordStart);
    BlockState::Kind checkDialogControl(const QString& text, int& pos, int wordStart,
                                        const DialogControls::Control& control);
    void checkDialogField(const QString& text, int& pos, int wordStart, const QString& word, bool wordStartsOnly);
    void checkDialogFieldIdentifier(const QString& text, int& pos, int wordStart, const QString& word);
    // How a dialog statement's walk treats one of its tokens.
    enum class DialogToken { Plain, Evaluated, PrematureEnd };
    DialogToken checkDialogToken(const QString& text, int& pos, const QString& token, bool paintBraceOnly);

    // ---- Menu bodies (MenuBodyChecks.cpp).
    void checkMenuLine(const QString& text, int& pos, int& depth);

    // ---- Code lines (StatementChecks.cpp).
    void checkStatement(const QString& text, int& pos, int& depth);
    void checkExpression(const QString& text, int& pos, int& depth);
    void checkLineComment(const QString& text, int& pos, int& depth);
    void checkInlineComment(const QString& text, int& pos, int& depth);
    // Where a comment's first word, which may be a task marker, is looked
    // for: after the ";" at or after pos, after the "/*" at or after pos, or
    // at pos itself (a line inside a multi-line comment).
    enum class CommentStart : unsigned char { Semicolon, BlockOpener, Continued };
    void markTasks(const QString& text, int pos, CommentStart start);
    // checkStatement and checkExpression share one loop, so that a line of
    // many statements does not nest one call per statement.
    enum class CodeStep : unsigned char { Statement, Parameters, Unwind };
    void scanCode(const QString& text, int& pos, int& depth, CodeStep first);
    CodeStep beginStatement(const QString& text, int& pos, int& depth);
    CodeStep scanParameters(const QString& text, int& pos, int& depth, bool& atWordStart, int& waiting);
    // A standalone "}" in code (pos on it), the closing braces right after
    // it, and any text up to the next separator. A statement and a var
    // declaration list word their findings differently and treat that text
    // differently (see ClosingBraceSite). True when the walk stopped at a
    // separator (pos on the "|"); false when it reached the end of the line
    // or nothing more of the line may be checked.
    enum class ClosingBraceSite : unsigned char { Statement, VarDeclarations };
    bool checkClosingBraces(const QString& text, int& pos, int& depth, ClosingBraceSite site);
    void checkCommentBrace(const QString& text, int pos, int& depth, int& commentStart);
    void checkAfterInlineComment(const QString& text, int& pos, int& depth);

    // ---- Conditions (ConditionChecks.cpp).
    void checkIfStatement(const QString& text, int& pos, int& depth);
    void checkElse(const QString& text, int& pos, int& depth);
    void checkCondition(const QString& text, int& pos, int& depth, bool nested);
    void checkConditionGroup(const QString& text, int& pos, int& depth, bool nested);
    // The two walks return true when the group ended, false when the line did.
    bool walkParenthesisedCondition(const QString& text, int& pos, int& depth, bool nested, bool opened);
    bool walkBareCondition(const QString& text, int& pos, int& depth, bool nested);
    void finishConditionGroup(const QString& text, int& pos, int& depth, bool nested, bool opened);
    void paintConditionVariable(const QString& text, int& pos);
    bool braceBeforeNextSeparator(const QString& text, int from);
    // The bare walk asks, for each group, whether a "{" comes before the next
    // " | "; the answers are kept for one if statement, so that a long chain
    // of groups does not search the rest of the line again for each one.
    struct ForwardFind {
        const QChar* line = nullptr; // the line searched
        int from = -1;               // searched from here; -1: nothing cached
        int found = -1;              // first hit at or after `from`, -1 when none
        int next(const QString& text, int pos, QLatin1String what);
    };
    ForwardFind nextBrace;
    ForwardFind nextSeparator;

    // ---- Identifiers, var and variables (IdentifierChecks.cpp).
    void checkVarCommand(const QString& text, int& pos, int& depth);
    // Where an identifier stands decides what ends it: in a statement only a
    // space; among another identifier's parameters or var declarations a ","
    // or an unmatched ")" too; inside a condition an unmatched ")".
    enum class IdentifierContext : unsigned char { Statement, Parameters, Condition };
    void checkIdentifier(const QString& text, int& pos, int& depth, IdentifierContext context);
    void checkIdentifierAt(const QString& text, int& pos, int& depth, IdentifierContext context);
    void skipDeferredIdentifier(const QString& text, int& pos, IdentifierContext context);
    bool checkInputIdentifier(const QString& text, int& pos);
    void checkIdentifierParameters(const QString& text, int& pos, int& depth, IdentifierContext context, int start,
                                   const QString& name);
    QString checkIdentifierTail(const QString& text, int& pos, IdentifierContext context, const QString& name,
                                bool outerInCalc, int& dotPos);
    void paintVariable(const QString& text, int& pos);
    void paintVarName(const QString& text, int& pos);
    void paintParamVariable(const QString& text, int& pos);

    // ---- Findings of conditions and identifiers (RepeatedFindings.cpp).
    // Every group a condition leaves open reports the end of the line; while
    // a condition is checked, a diagnostic already raised on the line is not
    // raised again.
    void report(Severity type, int linePos, const QString& block, const QString& message);
    void openRepeatFilter();
    void closeRepeatFilter();
    int repeatFilterUsers = 0;
    QMultiHash<int, int> reportedAt; // position -> index into the line's diagnostics
    // Conditions and identifiers nest by recursion, and if, else and var
    // check the statement after them by calling back into the statement
    // scanner; past this depth the rest of the line is left unexamined
    // rather than risking the stack.
    static constexpr int maxNestedChecks = 200;
    int nestedChecks = 0;
    void checkFollowingStatement(const QString& text, int& pos, int& depth);

    LineCheckResult* out = nullptr;
    DocumentKind documentKind = DocumentKind::Remote;
    // Set by a check when the rest of the line must not be scanned.
    bool stopLine = false;
    // Set while the parameters of $calc are scanned.
    bool inCalc = false;
    // Statements that hand the rest of the line back to checkStatement (if,
    // else, var) nest one call each; this counts them, so that a line of a
    // great many such statements stops being checked instead of exhausting
    // the stack.
    int codeNesting = 0;
};
