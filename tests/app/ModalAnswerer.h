#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Answers the modal dialogs a test provokes, in order: each queued answer is
// given to the next modal window that shows. A modal window nobody expected
// is rejected (and counted), so a wrong prompt fails a test instead of
// hanging it. Dialogs run their own event loop, so the answers are polled
// for from a timer.
class ModalAnswerer : public QObject
{
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswerer()
    {
        timer.setInterval(5);
        connect(&timer, &QTimer::timeout, this, [this] { poll(); });
        timer.start();
    }

    void then(Answer answer) { answers.push_back(std::move(answer)); }

    int seen() const { return answered; }
    bool allUsed() const { return answers.empty(); }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (answers.empty()) {
            ++answered;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        Answer answer = std::move(answers.front());
        answers.pop_front();
        ++answered;
        answer(modal);
    }

    QTimer timer;
    std::deque<Answer> answers;
    int answered = 0;
};
