#pragma once

#include <QHash>
#include <QListView>

// The list a completer shows. The identifier popup can hold thousands of
// rows and follows every typed character, so the list must not measure
// every row each time: all rows of one list look alike (one icon size, one
// font), so they share one height, and the widest row is the one with the
// widest text, whose width is remembered from one opening to the next.
class CompletionPopup : public QListView {
    Q_OBJECT
public:
    explicit CompletionPopup(QWidget* parent = nullptr);

    // The width the delegate asks for the row with the widest text, with the
    // list's frame around it.
    int sizeHintForColumn(int column) const override;

private:
    // Text widths by font (its key) and text: a bold list (the colour
    // forms) must not read a plain one's widths.
    mutable QHash<QString, QHash<QString, int>> widthsByFont;
};
