#include "MainWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>

namespace {

// A drag is taken only when every file in it is a script.
bool onlyScriptFiles(const QMimeData* data)
{
    if (!data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        const QString name = url.toLocalFile();
        if (!name.endsWith(QLatin1String(".mrc"), Qt::CaseInsensitive)
            && !name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (onlyScriptFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls();

    QProgressDialog progress(tr("Opening files..."), tr("Abort"), 0, int(urls.size()), this);
    progress.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    progress.setWindowModality(Qt::WindowModal);
    for (int i = 0; i < urls.size(); ++i) {
        progress.setValue(i);
        progress.show();
        // A file that vanished between drag and drop is skipped rather than
        // shown as an empty document that saving would create.
        const QFileInfo file(urls.at(i).toLocalFile());
        if (file.exists())
            openScript(file, false);
        progress.show();
        if (progress.wasCanceled())
            break;
    }
    event->acceptProposedAction();
}
