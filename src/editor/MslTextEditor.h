#pragma once

#include <QPlainTextEdit>

#include <functional>

class CallTip;
class HoverTip;
class LineNumberBar;
class MslSyntaxHighlighter;
class QFocusEvent;
class QMouseEvent;
class QPaintEvent;
class QResizeEvent;

// The editing surface of a script window: a plain-text editor with a
// line-number gutter that shows and toggles folds, a full-width highlight of
// the caret line, folding of script components and script groups, hover tips
// over built-in identifiers, the call-tip popup, and the insertion of mIRC
// control codes.
//
// The editor never parses the script: what it knows about a line's structure
// it reads from the line's CBlockData and block state, which the document's
// highlighter keeps up to date.
class MslTextEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MslTextEditor(QWidget* parent = nullptr);

    // Width of the number column alone; the gutter adds the fold column.
    int lineNumberAreaWidth() const;
    // Width of the whole gutter (number column and fold column).
    int gutterWidth() const;

    // The owning window hands over the checker of this editor's document
    // right after it has created both.
    void setHighlighter(MslSyntaxHighlighter* h);
    MslSyntaxHighlighter* syntaxHighlighter() const { return highlighter; }

    // Called by the gutter.
    void paintLineNumbers(QPaintEvent* event);
    void toggleFoldAt(QMouseEvent* event);

public slots:
    void foldAll();
    void unfoldAll();
    void foldCurrent();
    void unfoldCurrent();

    void gotoLine(int n);
    void gotoOffset(int n);
    void gotoColumn(int n);

    void insertBold();
    void insertItalics();
    void insertUnderline();
    void insertReverse();
    void insertColors();
    void insertPlainCode();

    // Also to be called after the read-only flag changed: a read-only editor
    // has no caret-line highlight.
    void highlightCurrentLine();

    // Shows the hover tip for the identifier under the last mouse position;
    // the hover delay ends here.
    void processMouseHover();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

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
    // Lays out the blocks from..to again so that changed visibility shows at
    // once: hidden lines vanish and the scroll range follows.
    void relayoutBlocks(const QTextBlock& from, const QTextBlock& to);
    void placeGutter();

    LineNumberBar* lineNumberBar = nullptr;
    CallTip* callTip = nullptr;
    HoverTip* hoverTip = nullptr;
    int lastScrollValue = 0;
    // The scroll correction sets the scroll bar itself; the value change that
    // causes must not be corrected again.
    bool correctingScroll = false;
    MslSyntaxHighlighter* highlighter = nullptr;
};
