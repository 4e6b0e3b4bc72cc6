#pragma once

#include "checker/core/DocumentKind.h"

#include <QComboBox>

// The status line field that shows what a script document holds (remote
// script, aliases, popups, variables, users) and lets the user say otherwise
// when the kind told from the file is wrong.
class DocumentKindSelector : public QComboBox {
    Q_OBJECT
public:
    explicit DocumentKindSelector(QWidget* parent = nullptr);

    DocumentKind kind() const;
    // Shows `kind` without emitting kindChosen.
    void showKind(DocumentKind kind);

signals:
    // The user picked another kind.
    void kindChosen(DocumentKind kind);
};
