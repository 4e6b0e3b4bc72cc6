#include "MainWindow.h"

#include "designer/MdiChildBuilder.h"
#include "editorwindow/MdiChildEditor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTabWidget>

// Quitting, by File > Exit or by closing the window, asks once about every
// document that would lose work: modified scripts, and designer tabs whose
// canvas holds more than their last Generate Code wrote.

bool MainWindow::readyToQuit()
{
    QStringList unsaved;
    QList<MdiChildBuilder*> ungenerated;
    for (MdiChildEditor* win : std::as_const(editorWindows)) {
        if (win->isModified())
            unsaved << win->fileInfo().fileName();
    }
    for (MdiChildBuilder* win : std::as_const(designerWindows)) {
        if (win->hasUngeneratedChanges()) {
            ungenerated << win;
            unsaved << tr("%1 (dialog design, code not generated)").arg(tabs->tabText(tabs->indexOf(win)));
        }
    }
    if (unsaved.isEmpty())
        return true;

    QMessageBox box(QMessageBox::Warning, tr("Quit Korvel"), tr("Save the changes before quitting?"),
                    QMessageBox::SaveAll | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(tr("These documents have changes that are not saved:") + QStringLiteral("\n\n")
                           + unsaved.join(QLatin1Char('\n')));
    box.setDefaultButton(QMessageBox::SaveAll);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::SaveAll)
        return false;

    // A design's code goes into its script (or a new one) first, so that
    // the scripts saved next hold it.
    for (MdiChildBuilder* win : std::as_const(ungenerated))
        win->generateCode();
    // The first save that fails or is cancelled keeps Korvel open: that
    // document, and those after it, stay as they are.
    const QList<MdiChildEditor*> editors = editorWindows;
    for (MdiChildEditor* win : editors) {
        if (win->isModified() && !win->saveFileClicked())
            return false;
    }
    return true;
}

// Both ways save the settings first, whatever the answer.
void MainWindow::exitProgram()
{
    saveSettings();
    if (readyToQuit())
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveSettings();
    // The document windows are destroyed with the main window, without
    // asking again.
    if (readyToQuit())
        event->accept();
    else
        event->ignore();
}
