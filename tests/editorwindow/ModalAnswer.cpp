#include "ModalAnswer.h"

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>

ModalAnswer::ModalAnswer()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswer::poll);
    timer.start(10);
}

std::unique_ptr<ModalAnswer> ModalAnswer::messageBoxes(const QList<QMessageBox::StandardButton>& buttons)
{
    std::unique_ptr<ModalAnswer> answer(new ModalAnswer);
    answer->buttons = buttons;
    return answer;
}

std::unique_ptr<ModalAnswer> ModalAnswer::fileDialog(const QString& path)
{
    std::unique_ptr<ModalAnswer> answer(new ModalAnswer);
    answer->forFileDialog = true;
    answer->path = path;
    return answer;
}

void ModalAnswer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == lastAnswered)
        return;
    if (forFileDialog)
        answerFileDialog(modal);
    else
        answerMessageBox(modal);
}

void ModalAnswer::answerFileDialog(QWidget* modal)
{
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog)
        return;
    timer.stop();
    shown.append({dialog->windowTitle(), dialog->nameFilters().join(QStringLiteral(";;")), {}});
    QDialog* base = dialog;
    if (path.isEmpty()) {
        base->reject();
    } else {
        // selectFile() leaves the name field alone while that field has the
        // focus, which it gets as soon as the dialog is activated: take the
        // focus away first so the chosen name is the one accepted.
        if (QWidget* focused = dialog->focusWidget())
            focused->clearFocus();
        dialog->selectFile(path);
        base->accept();
    }
}

void ModalAnswer::answerMessageBox(QWidget* modal)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || buttons.isEmpty())
        return;
    shown.append({box->windowTitle(), box->text(), box->standardButtons()});
    lastAnswered = box;
    box->button(buttons.takeFirst())->click();
    if (buttons.isEmpty())
        timer.stop();
}
