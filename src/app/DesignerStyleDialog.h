#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

// The small dialogs are laid out the way a form designer would leave them:
// fixed geometry, object names such as "label_2", and texts translated in
// the context "Dialog".

// The fixed geometry was laid out for 8-point text; the desktop's usual
// larger default would cut the longer texts off.
inline constexpr int dialogPointSize = 8;

inline void useDialogFont(QWidget* dialog)
{
    QFont font = dialog->font();
    font.setPointSize(dialogPointSize);
    dialog->setFont(font);
}

inline QString dialogText(const char* source)
{
    return QCoreApplication::translate("Dialog", source);
}

template <typename Widget> Widget* placeChild(Widget* widget, const char* objectName, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    return widget;
}
