// The go-to bar of a script window.
#include "MdiChildEditor.h"

#include "EditorBars.h"
#include "editor/MslTextEditor.h"

#include <QButtonGroup>
#include <QDockWidget>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

constexpr int gotoBarMaxHeight = 50;
constexpr int closeColumn = 13;

} // namespace

void MdiChildEditor::buildGotoBar()
{
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+G")), this);
    connect(shortcut, &QShortcut::activated, this, &MdiChildEditor::showGoto);

    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);

    gotoBox = new QLineEdit(content);
    gotoBox->setObjectName(QStringLiteral("gotoBox"));
    gotoValidator = new QIntValidator(1, 1, gotoBox);
    gotoBox->setValidator(gotoValidator);
    auto* go = new QPushButton(QStringLiteral("Go"), content);
    lineRadio = new QRadioButton(QStringLiteral("Line"), content);
    offsetRadio = new QRadioButton(QStringLiteral("Offset"), content);
    auto* positioning = new QButtonGroup(content);
    positioning->addButton(lineRadio);
    positioning->addButton(offsetRadio);
    lineRadio->setChecked(true);
    gotoPositionValue = new QLabel(content);
    gotoPositionValue->setObjectName(QStringLiteral("gotoPosition"));
    gotoFurthestValue = new QLabel(content);
    gotoFurthestValue->setObjectName(QStringLiteral("gotoFurthest"));
    QPushButton* close = EditorBars::closeButton(content);
    close->setObjectName(QStringLiteral("gotoClose"));

    const QList<QWidget*> row = {
        EditorBars::whiteLabel(QStringLiteral("Goto Line:"), content),
        gotoBox,
        go,
        new QLabel(QStringLiteral("Positioning Type:"), content),
        lineRadio,
        offsetRadio,
        new QLabel(QStringLiteral("You are at:"), content),
        gotoPositionValue,
        new QLabel(QStringLiteral("Furthest:"), content),
        gotoFurthestValue,
    };
    for (int column = 0; column < row.size(); ++column)
        grid->addWidget(row[column], 0, column);
    grid->addWidget(close, 0, closeColumn);

    gotoBar = EditorBars::addBar(this, QStringLiteral("Goto"), gotoBarMaxHeight, content);

    connect(gotoBox, &QLineEdit::returnPressed, this, &MdiChildEditor::runGoto);
    connect(go, &QPushButton::clicked, this, &MdiChildEditor::runGoto);
    connect(lineRadio, &QRadioButton::toggled, this, &MdiChildEditor::updateCursorStatus);
    connect(close, &QPushButton::clicked, this, &MdiChildEditor::closExtraBoxes);
}

void MdiChildEditor::showGoto()
{
    closExtraBoxes();
    gotoBar->show();
    updateCursorStatus();
    gotoBox->setFocus();
}

// Part of updateCursorStatus(), while the bar is shown.
void MdiChildEditor::updateGotoStatus()
{
    const QTextCursor cursor = editor->textCursor();
    int position = 0;
    int furthest = 0;
    if (lineRadio->isChecked()) {
        position = cursor.blockNumber() + 1;
        furthest = editor->document()->blockCount();
    } else {
        QTextCursor end(editor->document());
        end.movePosition(QTextCursor::End);
        position = cursor.position() + 1;
        furthest = end.position() + 1;
    }
    gotoPositionValue->setText(QString::number(position));
    gotoFurthestValue->setText(QString::number(furthest));
    gotoValidator->setRange(1, furthest);
}

void MdiChildEditor::runGoto()
{
    // "Go" runs with whatever is typed; a number below 1 (or no number)
    // leaves the caret at the start.
    const int target = gotoBox->text().toInt();
    if (lineRadio->isChecked())
        editor->gotoLine(target);
    else
        editor->gotoOffset(target);
    editor->setFocus();
}
