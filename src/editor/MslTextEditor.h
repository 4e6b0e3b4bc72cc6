#pragma once

#include <QPlainTextEdit>

#include <functional>

class CallTip;
class HoverTip;
class QCompleter;
class QKeyEvent;
class LineNumberBar;
class MslSyntaxHighlighter;
struct LineRecord;
class QDragEnterEvent;
class QFocusEvent;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;

// The editing surface of a script window: a plain-text editor with a
// line-number gutter that shows and toggles folds, a full-width highlight of
// the caret line, folding of script components and script groups, hover tips
// over built-in identifiers, the call-tip popup, the five completion popups,
// automatic indentation and brace completion while typing, the bracket
// checker, and the insertion of mIRC control codes.
//
// The editor never parses the script: what it knows about a line's structure
// it reads from the highlighter's record of the line and the block state,
// which the highlighter keeps up to date.
class MslTextEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    // The completion popups, in the order the key handler serves them when
    // more than one is open.
    enum class CompletionKind { Colour, Identifier, Property, Com, Command };

    explicit MslTextEditor(QWidget* parent = nullptr);

    QCompleter* completer(CompletionKind kind) const;

    // Width of the number column alone; the gutter adds the fold column.
    int lineNumberAreaWidth() const;
    // Width of the whole gutter (number column and fold column).
    int gutterWidth() const;
    // Replaces the whole text, as a file is loaded.
    void setScriptText(const QString& text);

    // The owning window hands over the checker of this editor's document
    // right after it has created both.
    void setHighlighter(MslSyntaxHighlighter* h);
    MslSyntaxHighlighter* syntaxHighlighter() const { return highlighter; }
    // The checker's record of the line; an empty one without a highlighter.
    const LineRecord& recordOf(const QTextBlock& block) const;
    // The owning window hides it when its bars close.
    CallTip* callTipPopup() const { return callTip; }

    // Called by the gutter.
    void paintLineNumbers(QPaintEvent* event);
    void toggleFoldAt(QMouseEvent* event);

signals:
    // A Ctrl+click (without a selection) put the caret on what the user
    // wants the definition of.
    void definitionRequested();

public slots:
    void foldAll();
    void unfoldAll();
    void foldCurrent();
    void unfoldCurrent();

    void gotoLine(int n);
    void gotoOffset(int n);
    void gotoColumn(int n);
    // Every jump to a place in the script (go-to, outline, messages, find)
    // ends here: the folds that hide the cursor's lines open first, then
    // the cursor becomes the editor's.
    void jumpTo(const QTextCursor& cursor);

    void insertBold();
    void insertItalics();
    void insertUnderline();
    void insertReverse();
    void insertColors();
    void insertPlainCode();

    // Re-indents the whole document from its braces, as one undo step,
    // behind a progress dialog that can abort the run.
    void checkBrackets();

    // Each is one undo step.
    void indentSelection();
    void unindentSelection();

    // Connected to the completers: each inserts the part of the chosen item
    // that has not been typed yet.
    void insertComCompletion(const QString& completion);
    void insertIdentPropCompletion(const QString& completion);
    void insertIdentCompletion(const QString& completion);
    void insertColorCompletion(const QString& completion);
    void insertCommandCompletion(const QString& completion);

    // Also to be called after the read-only flag changed: a read-only editor
    // has no caret-line highlight.
    void highlightCurrentLine();

    // Shows the hover tip for the identifier under the last mouse position;
    // the hover delay ends here.
    void processMouseHover();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Files dragged onto the editor are not text for the script: the editor
    // leaves them to the window around it, which opens scripts.
    void dragEnterEvent(QDragEnterEvent* event) override;

protected slots:
    void updatelineNumberWidth(int newBlockCount);
    void updatelineNumber(const QRect& rect, int dy);
    void showContextMenu(const QPoint& point);
    void scrollBarValueChanged(int value);

private:
    // Walks the blocks from the first one shown in the viewport until a
    // block's top passes untilY (viewport coordinates), handing each block
    // with its top and bottom edge to visit; visit returns false to end the
    // walk early.
    using BlockRowVisitor = std::function<bool(const QTextBlock& block, int top, int bottom)>;
    void forEachBlockRow(int untilY, const BlockRowVisitor& visit) const;

    void insertControlCode(QChar code);

    void createCompleters();
    // Makes row 0 of the completer's list current and opens its popup under
    // the caret, as wide as its widest item.
    void openCompletionPopup(QCompleter* completer);
    // The completer's prefix has changed: the tail of the chosen item is what
    // follows it.
    void insertCompletionTail(const QCompleter* completer, const QString& completion);
    // A fresh identifier model for this document, sorted, prefix "$".
    void showIdentifierCompletion();
    bool anyCompletionPopupVisible() const;
    QCompleter* firstVisibleCompletion() const;

    // Steps of the key handler (see keyPressEvent).
    void expandReturn();
    bool deleteEmptyParenPair();
    bool insertControlCodeKey(const QKeyEvent* e);
    void openIdentifierCompletion();
    void openPropertyCompletion();
    // Ctrl+Space in a statement's first word: the commands that start with
    // what is typed of it.
    void openCommandCompletion();
    bool openCallTipAt(const QKeyEvent* e);
    bool stepOverAutoClosedParen();
    void forgetParensLeftBehind();
    void followCallTip();
    // The usage of the command whose parameters the caret stands in, in the
    // call tip; false, leaving the tip as it was, when there is none.
    bool buildCommandCallTip();
    // After a space: the call tip follows the caret, or opens for the
    // command whose parameters begin.
    void openCommandCallTip();
    void insertIndentKey(const QKeyEvent* e);
    // The last line that Tab and Shift+Tab indent and unindent.
    QTextBlock lastSelectedBlock(const QTextCursor& cursor) const;
    void followCompletionPopup(QCompleter* completer, const QKeyEvent* e);
    void followComCompletion(QKeyEvent* e);

    // The caret's rectangle in the editor's own coordinates (cursorRect()
    // is the viewport's, which starts after the gutter).
    QRect caretRect() const;

    // The last key was a "{" typed in this editor: the next Return here
    // expands it into a block.
    bool braceTyped = false;
    // Each ")" this editor inserted itself behind a "(", as a cursor that
    // selects from the "(" up to that ")": what is typed inside moves the end
    // along, and a ")" typed right at the end steps over it. A pair is
    // forgotten once the caret leaves it.
    QList<QTextCursor> autoClosedParens;
    bool isComponentHeader(const QTextBlock& block) const;
    bool isGroupStart(const QTextBlock& block) const;
    // Lays out the blocks from..to again so that changed visibility shows at
    // once: hidden lines vanish and the scroll range follows.
    void relayoutBlocks(const QTextBlock& from, const QTextBlock& to);
    bool hasFoldMarker(const QTextBlock& block) const;
    // Shows the hidden lines around a hidden one: from the visible line
    // above them down to the next visible one. Returns the last line shown.
    QTextBlock openFoldAround(const QTextBlock& hidden);
    // After an edit (and after the checker has seen it): an edited line
    // that is hidden, or one that hides the lines after it with no marker
    // to show them, has those lines shown.
    void keepHiddenLinesReachable(int position, int removed, int added);
    void placeGutter();

    LineNumberBar* lineNumberBar = nullptr;
    CallTip* callTip = nullptr;
    HoverTip* hoverTip = nullptr;
    int lastScrollValue = 0;
    // The scroll correction sets the scroll bar itself; the value change that
    // causes must not be corrected again.
    bool correctingScroll = false;
    int arrivingLines = 0; // lines of a text being set, which the gutter is sized for
    MslSyntaxHighlighter* highlighter = nullptr;

    QCompleter* comCompleter = nullptr;
    QCompleter* propertyCompleter = nullptr;
    QCompleter* identifierCompleter = nullptr;
    QCompleter* colorCompleter = nullptr;
    QCompleter* commandCompleter = nullptr;
};
