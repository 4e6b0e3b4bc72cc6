#include "CallTip.h"

#include "IdentifierTips.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTextDocument>
#include <QtMath>

namespace {

// Room left between the tip and the editor's edges, and around its texts.
constexpr int edgeGap = 4;
constexpr int textInset = 3;
// The narrowest a tip gets, however narrow the editor.
constexpr int narrowestTip = 160;

// The right edge the tip keeps clear of: the text area's, left of a
// scroll bar, when the tip sits on an editor.
int rightLimit(const QWidget* editor)
{
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(editor))
        return area->viewport()->geometry().right() + 1 - edgeGap;
    return editor->width() - edgeGap;
}

QTextDocument* makeTipDocument(QObject* parent)
{
    auto* doc = new QTextDocument(parent);
    doc->setDefaultFont(QApplication::font());
    doc->setUndoRedoEnabled(false);
    doc->setDocumentMargin(0);
    doc->setUseDesignMetrics(true);
    return doc;
}

} // namespace

CallTip::CallTip(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QApplication::font());
    signatureDoc = makeTipDocument(this);
    descriptionDoc = makeTipDocument(this);
    hide();
}

bool CallTip::showTip(const QString& identifierName, int paramIndex, const QPoint& pos)
{
    if (!buildCallTip(identifierName, this, paramIndex))
        return false;
    move(pos);
    setCurrentOverload(0);
    show();
    return true;
}

void CallTip::setOverloads(const QList<CallTipOverload>& list)
{
    overloads = list;
    if (currentOverload >= overloads.count())
        currentOverload = qMax(0, overloads.count() - 1);
    fitToContent();
}

void CallTip::setCurrentOverload(int i)
{
    const int chosen = (i < overloads.count()) ? qMax(0, i) : qMax(0, overloads.count() - 1);
    if (chosen == currentOverload)
        return; // laid out when the overloads were set
    currentOverload = chosen;
    fitToContent();
}

void CallTip::nextOverload()
{
    currentOverload = (currentOverload + 1 < overloads.count()) ? currentOverload + 1 : 0;
    fitToContent();
}

void CallTip::previousOverload()
{
    currentOverload = (currentOverload > 0) ? currentOverload - 1 : qMax(0, overloads.count() - 1);
    fitToContent();
}

QString CallTip::counterText() const
{
    return QString::asprintf("%d of %d", currentOverload + 1, int(overloads.count()));
}

void CallTip::fitToContent()
{
    if (overloads.isEmpty())
        return;
    const CallTipOverload& shown = overloads.at(currentOverload);
    signatureDoc->setHtml(shown.signatureHtml);
    descriptionDoc->setHtml(shown.descriptionHtml);

    // The first line: an arrow, the counter, an arrow, then the signature.
    const QFontMetrics fm = fontMetrics();
    const int signatureLeft = textInset + 2 * arrowBoxWidth + fm.horizontalAdvance(counterText()) + textInset;
    signatureDoc->setTextWidth(-1);
    descriptionDoc->setTextWidth(-1);
    int width =
        qMax(signatureLeft + qCeil(signatureDoc->idealWidth()), qCeil(descriptionDoc->idealWidth())) + 2 * textInset;
    const QWidget* editor = parentWidget();
    if (editor)
        width = qMin(width, qMax(narrowestTip, rightLimit(editor) - edgeGap));
    signatureDoc->setTextWidth(width - signatureLeft - textInset);
    descriptionDoc->setTextWidth(width - 2 * textInset);
    descriptionTop = textInset + qMax(fm.height(), qCeil(signatureDoc->size().height())) + 1;
    const int height = descriptionTop + qCeil(descriptionDoc->size().height()) + textInset;
    setFixedSize(width, height);
    if (editor && x() + width > rightLimit(editor))
        move(qMax(0, rightLimit(editor) - width), y());
    update();
}

void CallTip::showEvent(QShowEvent* event)
{
    // Laid out already: every way to show the tip sets its overloads first.
    QWidget::showEvent(event);
    raise();
}

void CallTip::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // Placed at the caret near the right edge: moved back inside.
    if (parentWidget() && x() + width() > rightLimit(parentWidget()) && x() > 0)
        move(qMax(0, rightLimit(parentWidget()) - width()), y());
}

void CallTip::paintEvent(QPaintEvent*)
{
    prevArrowRect = QRect();
    nextArrowRect = QRect();
    if (overloads.isEmpty())
        return;

    const QFontMetrics fm = fontMetrics();
    const QRect frame = rect();
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, 12);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, QColor(228, 229, 240));
    painter.fillRect(frame, gradient);

    const int bottom = frame.height() - 1;
    const int right = frame.width() - 1;
    painter.setPen(Qt::black);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, bottom, right, 0);
    painter.setPen(QColor(192, 192, 192));
    painter.drawLine(0, bottom, 0, 0);
    painter.drawLine(0, 0, right, 0);

    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const int arrowTop = textInset + 2;
    const int arrowBase = textInset + fm.height() - 4;
    int x = textInset;
    painter.drawPolygon(QPolygon({QPoint(x + 6, arrowTop), QPoint(x + 2, arrowBase), QPoint(x + 10, arrowBase)}));
    prevArrowRect = QRect(x, 0, arrowBoxWidth, descriptionTop);
    x += arrowBoxWidth;

    const QString counter = counterText();
    painter.drawText(x, textInset + fm.ascent(), counter);
    x += fm.horizontalAdvance(counter);

    painter.drawPolygon(QPolygon({QPoint(x + 2, arrowTop), QPoint(x + 10, arrowTop), QPoint(x + 6, arrowBase)}));
    nextArrowRect = QRect(x, 0, arrowBoxWidth, descriptionTop);
    x += arrowBoxWidth + textInset;

    painter.save();
    painter.translate(x, textInset);
    signatureDoc->drawContents(&painter);
    painter.restore();
    painter.translate(textInset, descriptionTop);
    descriptionDoc->drawContents(&painter);
}

void CallTip::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (prevArrowRect.contains(pos))
        previousOverload();
    else if (nextArrowRect.contains(pos))
        nextOverload();
    event->accept();
}

void CallTip::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void CallTip::keyPressEvent(QKeyEvent* event)
{
    // A shortcut belongs to the editor, never to the tip.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        hideAndReturnFocus();
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        hideAndReturnFocus();
        event->accept();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
        // Ignored, so the key goes on to the editor and takes effect there.
        hideAndReturnFocus();
        event->ignore();
        return;
    case Qt::Key_Up:
        previousOverload();
        event->accept();
        return;
    case Qt::Key_Down:
        nextOverload();
        event->accept();
        return;
    case Qt::Key_Shift: event->ignore(); return;
    default: break;
    }
    // Typing goes on in the editor with the tip still open; any other
    // non-printing key ends the call tip.
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        hideAndReturnFocus();
    event->ignore();
}

void CallTip::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (parentWidget())
        parentWidget()->setFocus();
}

bool CallTip::focusNextPrevChild(bool)
{
    return false;
}

void CallTip::hideAndReturnFocus()
{
    hide();
    if (parentWidget())
        parentWidget()->setFocus();
}
