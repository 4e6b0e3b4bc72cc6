#pragma once

#include <QLineEdit>

class QIcon;
class QSize;
class QToolButton;

// A line edit with an icon button embedded at its right edge. The text
// never runs under the button. A click on the button and a right click on it
// are reported separately; the button can hide itself while the text is
// empty.
class LineEditBtn : public QLineEdit {
    Q_OBJECT
public:
    explicit LineEditBtn(QWidget* parent = nullptr);

    void setButtonIcon(const QIcon& icon, const QSize& size);
    QToolButton* sideButton() const { return button; }

    // When set, the button is shown only while there is text.
    void setHideButtonWhenEmpty(bool hide);

signals:
    void sideBtnClicked();
    // A right click on the button, in the button's own coordinates.
    void sideBtnCustomContext(QPoint point);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void reserveRoomForButton();
    void placeButton();
    void updateButtonVisibility();

    QToolButton* button = nullptr;
    bool hideWhenEmpty = false;
};
