#include "LineEditBtn.h"

#include <QIcon>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

LineEditBtn::LineEditBtn(QWidget* parent)
    : QLineEdit(parent)
    , button(new QToolButton(this))
{
    button->setCursor(Qt::ArrowCursor);
    // Tab goes from the text to the next field, not to the button inside it.
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; }"));
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QToolButton::clicked, this, &LineEditBtn::sideBtnClicked);
    connect(button, &QWidget::customContextMenuRequested, this, &LineEditBtn::sideBtnCustomContext);
    connect(this, &QLineEdit::textChanged, this, &LineEditBtn::updateButtonVisibility);
    reserveRoomForButton();
}

void LineEditBtn::setButtonIcon(const QIcon& icon, const QSize& size)
{
    button->setIcon(icon);
    button->setIconSize(size);
    button->setFixedSize(size);
    reserveRoomForButton();
    placeButton();
}

void LineEditBtn::setHideButtonWhenEmpty(bool hide)
{
    hideWhenEmpty = hide;
    updateButtonVisibility();
}

void LineEditBtn::reserveRoomForButton()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize buttonSize = button->sizeHint().expandedTo(button->size());
    setStyleSheet(QStringLiteral("LineEditBtn { padding-right: %1px; }").arg(buttonSize.width() + frame + 1));
    const QSize least = minimumSizeHint();
    setMinimumSize(qMax(least.width(), buttonSize.width() + frame * 2 + 2),
                   qMax(least.height(), buttonSize.height() + frame * 2 + 2));
}

void LineEditBtn::placeButton()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize size = button->size();
    button->move(rect().right() - frame - size.width(), (rect().bottom() + 1 - size.height()) / 2);
}

void LineEditBtn::updateButtonVisibility()
{
    button->setVisible(!hideWhenEmpty || !text().isEmpty());
}

void LineEditBtn::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeButton();
}
