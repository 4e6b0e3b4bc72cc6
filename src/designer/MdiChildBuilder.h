#pragma once

#include <QMainWindow>

// The document window of the dialog designer. For now it is an empty window
// that lives in a tab of the main window: it can be created, titled and
// closed, and tells the main window when it goes away. The canvas, toolbox
// and property panel will fill it.
class MdiChildBuilder : public QMainWindow
{
    Q_OBJECT
public:
    explicit MdiChildBuilder(QWidget* parent = nullptr);
    ~MdiChildBuilder() override;

signals:
    // Emitted while the window is destroyed, so its owner can forget it.
    void closing(MdiChildBuilder* win);
};
