#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

// Answers the modal message boxes or the file dialog that the code under
// test opens next, and records what they showed. Arm it before the call that
// opens them; the call returns once they have been answered. Whatever is
// still armed when the answer goes out of scope answers nothing.
class ModalAnswer : public QObject
{
    Q_OBJECT
public:
    // Presses the given buttons, one per message box, in order.
    static std::unique_ptr<ModalAnswer> messageBoxes(const QList<QMessageBox::StandardButton>& buttons);
    // Chooses `path` in the next file dialog; an empty path cancels it.
    static std::unique_ptr<ModalAnswer> fileDialog(const QString& path);

    struct Shown {
        QString title;
        QString text;   // a file dialog's name filters
        QMessageBox::StandardButtons buttons;
    };
    QList<Shown> shown;

private:
    ModalAnswer();
    void poll();
    void answerFileDialog(QWidget* modal);
    void answerMessageBox(QWidget* modal);

    QTimer timer;
    bool forFileDialog = false;
    QList<QMessageBox::StandardButton> buttons;
    QString path;
    QPointer<QWidget> lastAnswered;
};
