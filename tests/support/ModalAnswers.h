#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

// Answers the modal windows a test provokes, in order, and records what each
// one showed. Arm it before the call that opens them; the call returns once
// they have been answered. A modal window nobody expected is rejected (and
// recorded), so a wrong prompt fails a test instead of hanging it. Modal
// windows run their own event loop, so they are looked for from a timer.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    struct Shown {
        QString title;
        QString text; // a file dialog's name filters
        QMessageBox::StandardButtons buttons;
    };
    QList<Shown> shown;

    ModalAnswers()
    {
        connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start(5);
    }

    // The next modal window, whatever it is.
    ModalAnswers& then(Answer answer)
    {
        answers.push_back(std::move(answer));
        return *this;
    }

    // The next message box: press `button`.
    ModalAnswers& press(QMessageBox::StandardButton button)
    {
        return then([button](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(button)->click();
        });
    }

    // The next file dialog: choose `path`, or cancel when it is empty.
    ModalAnswers& choose(const QString& path)
    {
        return then([path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog)
                return;
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            // selectFile() leaves the name field alone while that field has
            // the focus, which it gets as soon as the dialog is activated:
            // take the focus away first so the chosen name is the one accepted.
            if (QWidget* focused = dialog->focusWidget())
                focused->clearFocus();
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
    }

    int seen() const { return int(shown.size()); }

private:
    static Shown describe(QWidget* modal)
    {
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            return {box->windowTitle(), box->text(), box->standardButtons()};
        if (auto* dialog = qobject_cast<QFileDialog*>(modal))
            return {dialog->windowTitle(), dialog->nameFilters().join(QStringLiteral(";;")), {}};
        return {modal->windowTitle(), QString(), {}};
    }

    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == lastAnswered)
            return;
        lastAnswered = modal;
        shown.append(describe(modal));
        if (answers.empty()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        const Answer answer = std::move(answers.front());
        answers.pop_front();
        answer(modal);
    }

    QTimer timer;
    std::deque<Answer> answers;
    QPointer<QWidget> lastAnswered;
};
