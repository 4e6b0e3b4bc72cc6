#include "CallTip.h"

#include "IdentifierTips.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTextDocument>

namespace {

QTextDocument* makeTipDocument(QObject* parent)
{
    auto* doc = new QTextDocument(parent);
    doc->setDefaultFont(QApplication::font());
    doc->setUndoRedoEnabled(false);
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
    if (isVisible())
        update();
}

void CallTip::setCurrentOverload(int i)
{
    currentOverload = (i < overloads.count()) ? qMax(0, i) : qMax(0, overloads.count() - 1);
    if (!overloads.isEmpty())
        update();
}

void CallTip::nextOverload()
{
    currentOverload = (currentOverload + 1 < overloads.count()) ? currentOverload + 1 : 0;
    update();
}

void CallTip::previousOverload()
{
    currentOverload = (currentOverload > 0) ? currentOverload - 1 : qMax(0, overloads.count() - 1);
    update();
}

void CallTip::paintEvent(QPaintEvent*)
{
    prevArrowRect = QRect();
    nextArrowRect = QRect();
    if (overloads.isEmpty())
        return;

    const QFontMetrics fm = fontMetrics();
    const CallTipOverload& shown = overloads.at(currentOverload);
    const QString counter = QString::asprintf("%d of %d", currentOverload + 1, int(overloads.count()));

    signatureDoc->setHtml(shown.signatureHtml);
    signatureDoc->setUseDesignMetrics(true);
    descriptionDoc->setHtml(shown.descriptionHtml);

    // The bold parameter and the document margins make the rendered
    // signature wider than the plain text; the extra tenth absorbs that.
    const int width = int(fm.horizontalAdvance(counter + signatureDoc->toPlainText()) * 1.1 + 10.0 + 2 * arrowBoxWidth);
    descriptionDoc->setPageSize(QSizeF(width, -1));
    const int height = int(fm.height() + 3 + descriptionDoc->pageSize().height()
                           + descriptionDoc->documentLayout()->documentSize().height());
    const QRect frame(0, 0, width + 5, height);

    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, 12);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, QColor(228, 229, 240));
    painter.fillRect(frame, gradient);

    const int bottom = this->height() - 1;
    const int right = frame.width() - 1;
    painter.setPen(Qt::black);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, bottom, right, 0);
    painter.setPen(QColor(192, 192, 192));
    painter.drawLine(0, bottom, 0, 0);
    painter.drawLine(0, 0, right, 0);

    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const int arrowBase = fm.height() - 4;
    int x = 3;
    painter.drawPolygon(QPolygon({QPoint(x + 6, 5), QPoint(x + 2, arrowBase), QPoint(x + 10, arrowBase)}));
    prevArrowRect = QRect(x, 0, arrowBoxWidth, this->height());
    x += arrowBoxWidth;

    painter.drawText(x, fm.ascent(), counter);
    x += fm.horizontalAdvance(counter);

    painter.drawPolygon(QPolygon({QPoint(x + 2, 5), QPoint(x + 10, 5), QPoint(x + 6, arrowBase)}));
    nextArrowRect = QRect(x, 0, arrowBoxWidth, this->height());
    x += arrowBoxWidth;

    painter.save();
    painter.translate(x, -3);
    signatureDoc->drawContents(&painter);
    painter.restore();
    painter.translate(3, 10);
    descriptionDoc->drawContents(&painter);

    setFixedSize(frame.size() + QSize(1, 1));
    raise();
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
