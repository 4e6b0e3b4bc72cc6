#include "MslTextEditor.h"

#include "CallTip.h"
#include "CompletionModels.h"
#include "CompletionPopup.h"
#include "completion/ControlCodes.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QScrollBar>
#include <QStandardItemModel>

namespace {

QCompleter* makeCompleter(Qt::CaseSensitivity caseSensitivity, MslTextEditor* editor)
{
    auto* completer = new QCompleter(editor);
    completer->setWidget(editor);
    completer->setPopup(new CompletionPopup);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setCaseSensitivity(caseSensitivity);
    completer->setWrapAround(false);
    return completer;
}

} // namespace

void MslTextEditor::createCompleters()
{
    comCompleter = makeCompleter(Qt::CaseInsensitive, this);
    comCompleter->setModel(comModel(comCompleter));
    propertyCompleter = makeCompleter(Qt::CaseInsensitive, this);
    propertyCompleter->setModel(comModel(propertyCompleter));
    identifierCompleter = makeCompleter(Qt::CaseInsensitive, this);
    colorCompleter = makeCompleter(Qt::CaseSensitive, this);
    colorCompleter->setModel(colorModel(colorCompleter));
    commandCompleter = makeCompleter(Qt::CaseInsensitive, this);
    commandCompleter->setModel(commandModel(commandCompleter));

    const auto chosen = qOverload<const QString&>(&QCompleter::activated);
    connect(comCompleter, chosen, this, &MslTextEditor::insertComCompletion);
    connect(propertyCompleter, chosen, this, &MslTextEditor::insertIdentPropCompletion);
    connect(identifierCompleter, chosen, this, &MslTextEditor::insertIdentCompletion);
    connect(colorCompleter, chosen, this, &MslTextEditor::insertColorCompletion);
    connect(commandCompleter, chosen, this, &MslTextEditor::insertCommandCompletion);
}

QCompleter* MslTextEditor::completer(CompletionKind kind) const
{
    switch (kind) {
    case CompletionKind::Colour: return colorCompleter;
    case CompletionKind::Identifier: return identifierCompleter;
    case CompletionKind::Property: return propertyCompleter;
    case CompletionKind::Com: return comCompleter;
    case CompletionKind::Command: return commandCompleter;
    }
    return nullptr;
}

QCompleter* MslTextEditor::firstVisibleCompletion() const
{
    for (QCompleter* c : {colorCompleter, identifierCompleter, propertyCompleter, comCompleter, commandCompleter})
        if (c->popup()->isVisible())
            return c;
    return nullptr;
}

bool MslTextEditor::anyCompletionPopupVisible() const
{
    return firstVisibleCompletion() != nullptr;
}

void MslTextEditor::openCompletionPopup(QCompleter* completer)
{
    QAbstractItemView* popup = completer->popup();
    popup->setCurrentIndex(completer->completionModel()->index(0, 0));
    QRect rect = caretRect();
    rect.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width());
    completer->complete(rect);
    // The popup opens below the caret line, where a call tip stands: the tip
    // moves above the line, or gives way while the popup is open when there
    // is no room above (typing on brings it back).
    if (callTip->isVisible()) {
        const int above = rect.top() - callTip->height() - 1;
        if (above >= 0)
            callTip->move(callTip->x(), above);
        else
            callTip->hide();
    }
}

void MslTextEditor::insertCompletionTail(const QCompleter* completer, const QString& completion)
{
    insertPlainText(completion.right(completion.size() - completer->completionPrefix().size()));
}

void MslTextEditor::insertComCompletion(const QString& completion)
{
    // The caret may stand inside the ProgID: the rest goes after its word.
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Left);
    cursor.movePosition(QTextCursor::EndOfWord);
    cursor.insertText(completion.right(completion.size() - comCompleter->completionPrefix().size()));
    setTextCursor(cursor);
}

void MslTextEditor::insertIdentPropCompletion(const QString& completion)
{
    insertCompletionTail(propertyCompleter, completion);
}

void MslTextEditor::insertIdentCompletion(const QString& completion)
{
    insertCompletionTail(identifierCompleter, completion);
}

void MslTextEditor::insertColorCompletion(const QString& completion)
{
    insertCompletionTail(colorCompleter, completion);
}

void MslTextEditor::insertCommandCompletion(const QString& completion)
{
    insertCompletionTail(commandCompleter, completion);
}

void MslTextEditor::showIdentifierCompletion()
{
    // Rebuilt on every lone "$", so that aliases written since the last one
    // are listed. The model replaced here is not the completer's child, so
    // the completer would keep it alive for good; freeing its thousands of
    // items waits until the popup is up.
    QAbstractItemModel* previous = identifierCompleter->model();
    QStandardItemModel* model = identifierModel(propertyCompleter, highlighter);
    model->sort(0, Qt::AscendingOrder);
    identifierCompleter->setModel(model);
    if (previous)
        previous->deleteLater();
    identifierCompleter->setCompletionPrefix(QStringLiteral("$"));
    openCompletionPopup(identifierCompleter);
}

void MslTextEditor::insertColors()
{
    // Picking a colour from the popup would insert it after all.
    if (isReadOnly())
        return;
    insertControlCode(controlChar(ControlCode::Colour));
    colorCompleter->setCompletionPrefix(QString(controlChar(ControlCode::Colour)));
    openCompletionPopup(colorCompleter);
}
