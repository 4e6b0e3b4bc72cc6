#include "MslTextEditor.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// Dragged files carry their paths as text as well, which the plain-text
// editor would insert. A web link is still text to paste.
bool carriesFiles(const QMimeData* data)
{
    if (!data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            return false;
    }
    return true;
}

} // namespace

// An ignored drag enter travels on to the parent widgets, up to the main
// window, which takes script files and opens them. The widget that takes
// the enter receives the moves and the drop of that drag, so the editor
// never sees them.
void MslTextEditor::dragEnterEvent(QDragEnterEvent* event)
{
    if (carriesFiles(event->mimeData()))
        event->ignore();
    else
        QPlainTextEdit::dragEnterEvent(event);
}
