#pragma once

#include "reference/CommandTipTexts.h"

#include <QObject>
#include <QPoint>

class MslTextEditor;
class QTextBlock;
class QTimer;
class QWidget;

// The hover tip of a script editor: when the mouse rests for a moment over a
// built-in identifier written with parentheses, the identifier's parameter
// list, overloads and properties show as a tool tip, and over a command its
// usage, description and switches; the name is dash-underlined on a light
// cyan background. The underline stays until the caret-line highlight
// replaces the editor's extra selections (any caret move).
//
// What an identifier is, where it starts and where its call ends is read from
// the checker's record of the line (its identifiers), and a command
// is what the checker colours as one; the tip never parses the text itself.
//
// While the call tip is open, mouse moves do not start the delay: the call
// tip already documents the call being typed, and a second popup over it
// would hide it.
class HoverTip : public QObject {
    Q_OBJECT
public:
    // The mouse has to rest this long before the tip shows.
    static constexpr int restingDelayMs = 800;

    // Both widgets are the caller's: editor is the editor whose viewport the
    // mouse moves over, callTip the popup that silences the hover while open.
    HoverTip(MslTextEditor* editor, const QWidget* callTip);

    // To be called for every mouse move over the editor's viewport (viewport
    // coordinates). Unless the call tip is open, hides a shown tip and starts
    // the resting delay anew.
    void mouseMoved(const QPoint& viewportPos);
    // The editor lost the focus: a pending tip is dropped.
    void cancel();

public slots:
    // Shows the tip for the identifier under the last mouse position, if any.
    void processMouseHover();

private:
    // The command whose name covers the caret position column of block.
    CommandOccurrence commandUnder(const QTextBlock& block, int column) const;

    MslTextEditor* editor;
    const QWidget* callTip;
    // Made on the first mouse move, as a child of the editor.
    QTimer* hoverTimer = nullptr;
    QPoint lastMousePos;
};
