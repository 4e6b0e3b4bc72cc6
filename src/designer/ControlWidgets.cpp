#include "ControlWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>

namespace ControlWidgets {

using DesignControlTypes::Type;

QWidget* create(Type type, QWidget* parent)
{
    switch (type) {
    case Type::Button: return new QPushButton(parent);
    case Type::Edit: return new QLineEdit(parent);
    case Type::Pass: {
        auto* edit = new QLineEdit(parent);
        edit->setEchoMode(QLineEdit::Password);
        return edit;
    }
    case Type::Rich: return new QTextEdit(parent);
    case Type::Text:
    case Type::Link:
    case Type::Icon: return new QLabel(parent);
    case Type::Combo: return new QComboBox(parent);
    case Type::List:
    case Type::CheckList:
    case Type::RadioList: return new QListWidget(parent);
    case Type::Check: return new QCheckBox(parent);
    case Type::Radio: return new QRadioButton(parent);
    case Type::Box: return new QGroupBox(parent);
    case Type::Tab: return new QTabWidget(parent);
    case Type::VScroll: return new QScrollBar(Qt::Vertical, parent);
    case Type::HScroll: return new QScrollBar(Qt::Horizontal, parent);
    }
    return nullptr;
}

QString text(Type type, const QWidget* widget)
{
    switch (type) {
    case Type::Button:
    case Type::Check:
    case Type::Radio: return static_cast<const QAbstractButton*>(widget)->text();
    case Type::Edit:
    case Type::Pass: return static_cast<const QLineEdit*>(widget)->text();
    case Type::Rich: return static_cast<const QTextEdit*>(widget)->toPlainText();
    case Type::Text:
    case Type::Link: return static_cast<const QLabel*>(widget)->text();
    case Type::Box: return static_cast<const QGroupBox*>(widget)->title();
    case Type::Tab: {
        const auto* tabs = static_cast<const QTabWidget*>(widget);
        return tabs->count() > 0 ? tabs->tabText(0) : QString();
    }
    case Type::Combo:
    case Type::List:
    case Type::CheckList:
    case Type::RadioList:
    case Type::Icon:
    case Type::VScroll:
    case Type::HScroll: break;
    }
    return QString();
}

void setText(Type type, QWidget* widget, const QString& value)
{
    switch (type) {
    case Type::Button:
    case Type::Check:
    case Type::Radio: static_cast<QAbstractButton*>(widget)->setText(value); break;
    case Type::Edit:
    case Type::Pass: static_cast<QLineEdit*>(widget)->setText(value); break;
    case Type::Rich: static_cast<QTextEdit*>(widget)->setPlainText(value); break;
    case Type::Text:
    case Type::Link: static_cast<QLabel*>(widget)->setText(value); break;
    case Type::Box: static_cast<QGroupBox*>(widget)->setTitle(value); break;
    case Type::Tab: {
        auto* tabs = static_cast<QTabWidget*>(widget);
        if (tabs->count() == 0)
            tabs->addTab(new QWidget, value);
        else
            tabs->setTabText(0, value);
        break;
    }
    case Type::Combo:
    case Type::List:
    case Type::CheckList:
    case Type::RadioList:
    case Type::Icon:
    case Type::VScroll:
    case Type::HScroll: break;
    }
}

} // namespace ControlWidgets
