#include "UpdateDialog.h"

#include "DesignerStyleDialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr QSize dialogSize(414, 271);
constexpr int versionPointSize = 13;

} // namespace

UpdateDialog::UpdateDialog(const QUrl& downloadPage, QWidget* parent)
    : QDialog(parent)
    , downloadPage(downloadPage)
{
    setModal(true);
    setWindowTitle(dialogText("Korvel Update!"));
    setFixedSize(dialogSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    useDialogFont(this);

    label = placeChild(new QLabel(dialogText("Korvel Updates found a new version of Korvel:"), this), "label",
                       QRect(10, 10, 261, 16));
    versionLabel = placeChild(new QLabel(this), "label_2", QRect(260, 10, 81, 16));
    QFont versionFont = versionLabel->font();
    versionFont.setPointSize(versionPointSize);
    versionLabel->setFont(versionFont);
    newsLabel = placeChild(new QLabel(dialogText("Whats new:"), this), "label_3", QRect(10, 40, 61, 16));
    listWidget = placeChild(new QListWidget(this), "listWidget", QRect(10, 60, 391, 171));
    checkBox = placeChild(new QCheckBox(dialogText("Check for updates automatically"), this), "checkBox",
                          QRect(10, 240, 181, 21));
    downloadButton =
        placeChild(new QPushButton(dialogText("Download Page"), this), "pushButton_2", QRect(214, 240, 101, 23));
    okButton = placeChild(new QPushButton(dialogText("Ok"), this), "pushButton", QRect(330, 240, 75, 23));

    connect(checkBox, &QCheckBox::toggled, this, &UpdateDialog::checkForUpdate);
    connect(downloadButton, &QPushButton::clicked, this, &UpdateDialog::openDownloadClicked);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void UpdateDialog::setAutoCheck(bool on)
{
    const QSignalBlocker quiet(checkBox);
    checkBox->setChecked(on);
}

void UpdateDialog::showAnnouncement(const QString& versionText, const QStringList& news)
{
    versionLabel->setText(versionText);
    listWidget->clear();
    listWidget->addItems(news);
}

void UpdateDialog::openDownloadClicked()
{
    QDesktopServices::openUrl(downloadPage);
}
