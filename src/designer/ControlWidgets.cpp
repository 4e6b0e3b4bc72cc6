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
    case Type::Text: {
        // mIRC wraps a label's text unless it says nowrap.
        auto* label = new QLabel(parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Type::Link: {
        auto* label = new QLabel(parent);
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        label->setPalette(palette);
        return label;
    }
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

void applyStyles(Type type, QWidget* widget, const QStringList& styles)
{
    const auto has = [&styles](const char* style) { return styles.contains(QLatin1String(style)); };
    switch (type) {
    case Type::Text: {
        auto* label = static_cast<QLabel*>(widget);
        const Qt::Alignment across = has("center") ? Qt::AlignHCenter : has("right") ? Qt::AlignRight : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        label->setWordWrap(!has("nowrap"));
        break;
    }
    case Type::Button: static_cast<QPushButton*>(widget)->setDefault(has("default")); break;
    case Type::Edit:
    case Type::Pass: static_cast<QLineEdit*>(widget)->setReadOnly(has("read")); break;
    case Type::Rich: static_cast<QTextEdit*>(widget)->setReadOnly(has("read")); break;
    case Type::Check:
    case Type::Radio: widget->setLayoutDirection(has("left") ? Qt::RightToLeft : Qt::LeftToRight); break;
    case Type::Link:
    case Type::Combo:
    case Type::List:
    case Type::CheckList:
    case Type::RadioList:
    case Type::Icon:
    case Type::Box:
    case Type::Tab:
    case Type::VScroll:
    case Type::HScroll: break;
    }
}

bool drawsNothing(Type type, const QWidget* widget)
{
    switch (type) {
    case Type::Text:
    case Type::Link: return static_cast<const QLabel*>(widget)->text().isEmpty();
    case Type::Icon: return true;
    default: return false;
    }
}

} // namespace ControlWidgets
