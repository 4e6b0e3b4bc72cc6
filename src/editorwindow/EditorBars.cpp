#include "EditorBars.h"

#include <QDockWidget>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>

namespace EditorBars {

namespace {
const char* const closeIcon = ":/find/resources/img_assets/editor/find/close.png";
constexpr int closeButtonMaxWidth = 17;
constexpr int gradientHeight = 10;
const QColor gradientTop(217, 217, 217);
const QColor gradientBottom(92, 92, 92);
} // namespace

QDockWidget* addBar(QMainWindow* window, const QString& title, int maxHeight, QWidget* content)
{
    auto* bar = new QDockWidget(title, window);
    bar->setObjectName(title);
    bar->setTitleBarWidget(new QWidget(bar));
    bar->setFeatures(QDockWidget::NoDockWidgetFeatures);
    bar->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    bar->setMaximumHeight(maxHeight);

    QLinearGradient gradient(0, 0, 0, gradientHeight);
    gradient.setColorAt(0, gradientTop);
    gradient.setColorAt(1, gradientBottom);
    QPalette palette = content->palette();
    palette.setBrush(QPalette::Window, QBrush(gradient));
    content->setPalette(palette);
    content->setAutoFillBackground(true);

    bar->setWidget(content);
    window->addDockWidget(Qt::BottomDockWidgetArea, bar);
    bar->hide();
    return bar;
}

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QPushButton* closeButton(QWidget* parent)
{
    auto* button = new QPushButton(QIcon(QString::fromLatin1(closeIcon)), QString(), parent);
    button->setFlat(true);
    button->setMaximumWidth(closeButtonMaxWidth);
    return button;
}

} // namespace EditorBars
