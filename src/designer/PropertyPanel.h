#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class MdiChildDialogDummy;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// The designer's property panel: the text, the id and the common styles of
// the control selected on the canvas, or the title of the dialog. Every edit
// goes to the canvas as an undo step; an undo shows here at once.
class PropertyPanel : public QWidget {
    Q_OBJECT
public:
    PropertyPanel(MdiChildDialogDummy* canvas, QWidget* parent = nullptr);

    QLabel* objectLabel() const { return objectName; }
    QLineEdit* textEdit() const { return textLine; }
    QSpinBox* idEdit() const { return idBox; }
    // The check box of a style of the control shown; nullptr for a style
    // it is not offered.
    QCheckBox* styleBox(const QString& style) const;

public slots:
    // The canvas itself with "window" stands for the dialog.
    void showObject(QWidget* object, const QString& type);

private:
    void refresh();
    void propertiesChanged(QWidget* control);
    void textEdited();
    void idEdited(int id);
    void styleToggled();

    MdiChildDialogDummy* canvas;
    QLabel* objectName;
    QTableWidget* table;
    QLineEdit* textLine;
    QSpinBox* idBox;
    QList<QCheckBox*> styleBoxes;
    QPointer<QWidget> shown;
    QString shownType;
    bool refreshing = false;
};
