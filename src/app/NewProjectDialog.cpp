#include "NewProjectDialog.h"

#include "NewDocumentTypes.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

NewProjectDialog::NewProjectDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Choose A Tool"));
    setFixedSize(340, 280);

    label = new QLabel(tr("Choose A Tool:"), this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(20, 10, 100, 20);

    listWidget = new QListWidget(this);
    listWidget->setObjectName(QStringLiteral("listWidget"));
    listWidget->setGeometry(20, 30, 300, 200);
    listWidget->setStyleSheet(QStringLiteral("background-color: rgb(207, 207, 207);"));
    listWidget->setViewMode(QListView::IconMode);
    listWidget->setGridSize(QSize(130, 50));
    listWidget->setIconSize(QSize(28, 25));
    listWidget->setSpacing(0);
    listWidget->setWordWrap(false);
    listWidget->setTextElideMode(Qt::ElideRight);
    listWidget->setResizeMode(QListView::Adjust);
    for (int row = 0; row < newDocumentTypeCount; ++row) {
        const NewDocumentType& type = newDocumentTypes[row];
        auto* item =
            new QListWidgetItem(QIcon(QString::fromLatin1(newDocumentIconFolder) + QString::fromLatin1(type.icon)),
                                tr(type.text), listWidget);
        item->setWhatsThis(tr(type.whatsThis));
    }
    // Enter alone takes the most common choice.
    listWidget->setCurrentRow(ScriptDocument);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonBox->setGeometry(30, 240, 280, 32);

    connect(buttonBox->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            qOverload<>(&NewProjectDialog::selectBtnClicked));
    connect(buttonBox->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &NewProjectDialog::cancelBtnClicked);
    connect(listWidget, &QListWidget::doubleClicked, this,
            qOverload<const QModelIndex&>(&NewProjectDialog::selectBtnClicked));
}

void NewProjectDialog::selectBtnClicked()
{
    const int row = listWidget->currentRow();
    if (row >= 0)
        done(row);
}

void NewProjectDialog::selectBtnClicked(const QModelIndex& index)
{
    done(index.row());
}

void NewProjectDialog::cancelBtnClicked()
{
    done(Cancelled);
}

void NewProjectDialog::reject()
{
    done(Cancelled);
}
