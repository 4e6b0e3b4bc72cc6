#include "DocumentKindSelector.h"

#include <QSignalBlocker>

namespace {

struct KindLabel {
    DocumentKind kind;
    const char* label;
};

const KindLabel kindLabels[] = {
    {DocumentKind::Remote, "Remote"},       {DocumentKind::Aliases, "Aliases"}, {DocumentKind::Popups, "Popups"},
    {DocumentKind::Variables, "Variables"}, {DocumentKind::Users, "Users"},
};

} // namespace

DocumentKindSelector::DocumentKindSelector(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("documentKindSelector"));
    setToolTip(QStringLiteral("What this file holds: its lines are checked as a remote script, alias, popup, "
                              "variables or users file, and an INI file is saved under that kind's section"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setFocusPolicy(Qt::NoFocus);
    for (const KindLabel& entry : kindLabels)
        addItem(QString::fromLatin1(entry.label), int(entry.kind));
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit kindChosen(DocumentKind(itemData(index).toInt())); });
}

DocumentKind DocumentKindSelector::kind() const
{
    return DocumentKind(currentData().toInt());
}

void DocumentKindSelector::showKind(DocumentKind kind)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(findData(int(kind)));
}
