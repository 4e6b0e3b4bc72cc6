#pragma once

#include <QWidget>

class MslTextEditor;

// The gutter beside the editor. It owns no state: painting and clicks are
// handed to the editor, which knows the blocks and their folds.
class LineNumberBar : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberBar(MslTextEditor* editor);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    MslTextEditor* editor;
};
