#pragma once

#include "reference/CallTipOverload.h"

#include <QList>
#include <QRect>
#include <QWidget>

class QTextDocument;

// Width of the box each overload arrow sits in.
constexpr int arrowBoxWidth = 14;

// The call-tip popup of the editor: one overload of an identifier at a time,
// its signature with the current parameter in bold after a "1 of 3" counter
// between two arrows, and its description underneath.
//
// It is a child widget drawn over the editor rather than a window of its own,
// so it never takes the focus unless the user clicks it; while it has the
// focus it handles the arrows itself and hands every other key back to the
// editor. It sizes itself to the shown overload, no wider than the editor:
// a long signature or description wraps, and a tip that would run past the
// editor's right edge moves left until it fits.
//
// The editor fills it with buildCallTip() (IdentifierTips.h) and shows it
// with showTip() when a call opens, or keeps its place and overload by
// calling buildCallTip() and show() while the caret moves inside the call.
class CallTip : public QWidget {
    Q_OBJECT
public:
    explicit CallTip(QWidget* parent);

    // Fills the tip with the overloads of identifierName (parameter
    // paramIndex in bold), places its top left corner at pos (in the parent's
    // coordinates), starts at the first overload and shows it. Returns false,
    // leaving the tip untouched, for a name without call tip.
    bool showTip(const QString& identifierName, int paramIndex, const QPoint& pos);

    // Keeps the shown overload's index unless the new list is shorter.
    void setOverloads(const QList<CallTipOverload>& list);
    // Clamps i to the last overload.
    void setCurrentOverload(int i);

    int currentOverloadIndex() const { return currentOverload; }
    const QList<CallTipOverload>& overloadList() const { return overloads; }

public slots:
    // Both wrap around at the ends.
    void nextOverload();
    void previousOverload();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab belongs to the editor (it indents there), so the tip never moves
    // the focus along a chain; Tab then reaches keyPressEvent.
    bool focusNextPrevChild(bool next) override;

private:
    void hideAndReturnFocus();
    // Lays out the shown overload: the tip's size, where the signature and
    // description go, and a place inside the editor.
    void fitToContent();
    QString counterText() const;

    int currentOverload = 0;
    QList<CallTipOverload> overloads;
    QRect prevArrowRect;
    QRect nextArrowRect;
    QTextDocument* signatureDoc = nullptr;
    QTextDocument* descriptionDoc = nullptr;
    int descriptionTop = 0;
};
