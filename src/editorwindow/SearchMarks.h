#pragma once

#include "DocumentSearch.h"

#include <QObject>
#include <QVector>

class QPlainTextEdit;

// The find bar's marks on every match, shown as the editor's extra
// selections. Only the marks on the lines in view (and a screen above and
// below) are handed to the editor, and again whenever the view scrolls or
// grows: placing a mark makes the editor lay out its line, which for
// thousands of lines far off screen would freeze typing in the search box.
//
// As before, anything that moves the caret gives the editor its own extra
// selection (the caret line) back and drops the marks.
class SearchMarks : public QObject {
    Q_OBJECT
public:
    explicit SearchMarks(QPlainTextEdit* editor);

    void show(const QVector<SearchMatch>& matches);
    int count() const { return int(marks.size()); }

private:
    void showInView();
    void drop();

    QPlainTextEdit* editor;
    QVector<SearchMatch> marks; // in document order
};
