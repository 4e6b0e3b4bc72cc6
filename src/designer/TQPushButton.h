#pragma once

#include <QPushButton>

// A toolbox button: pressing it with the left button drags the drag format it
// carries (for example "gui/button"), with empty data, as a copy.
class TQPushButton : public QPushButton {
    Q_OBJECT
public:
    TQPushButton(const QString& format, QWidget* parent = nullptr);

    const QString& dragFormat() const { return format; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString format;
};
