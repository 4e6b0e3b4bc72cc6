#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QModelIndex;

// The type chooser of the New command. It ends with the row of the chosen
// type, or Cancelled.
class NewProjectDialog : public QDialog {
    Q_OBJECT
public:
    // Results the main window acts on; the other rows are offered but not
    // supported yet.
    enum Result { Cancelled = -1, DialogDocument = 1, ScriptDocument = 4 };

    explicit NewProjectDialog(QWidget* parent = nullptr);

    QListWidget* typeList() const { return listWidget; }

public slots:
    void selectBtnClicked();
    void selectBtnClicked(const QModelIndex& index);
    void cancelBtnClicked();
    // Escape and the window's close button cancel too.
    void reject() override;

private:
    QLabel* label = nullptr;
    QListWidget* listWidget = nullptr;
    QDialogButtonBox* buttonBox = nullptr;
};
