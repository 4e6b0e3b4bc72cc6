#include "AboutDialog.h"

#include "DesignerStyleDialog.h"
#include "KorvelVersion.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr QSize dialogSize(287, 148);
const QString titleFontFamily = QStringLiteral("Monospace");
constexpr int titlePointSize = 20;

} // namespace

AboutDialog::AboutDialog(const QUrl& homePage, QWidget* parent)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(dialogText("About Korvel"));
    setFixedSize(dialogSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    useDialogFont(this);

    titleLabel = placeChild(new QLabel(dialogText("Brenta - Korvel"), this), "label", QRect(20, 10, 250, 31));
    QFont titleFont(titleFontFamily, titlePointSize);
    titleFont.setBold(true);
    titleLabel->setFont(titleFont);

    versionCaption = placeChild(new QLabel(dialogText("Version:"), this), "label_2", QRect(30, 50, 56, 14));
    versionLabel = placeChild(new QLabel(korvelVersionText(), this), "label_3", QRect(90, 50, 56, 14));

    // Without an update server there is no home page to link to.
    supportLabel =
        new QLabel(homePage.isEmpty()
                       ? dialogText("Questions, bug reports and ideas are welcome.")
                       : dialogText(
                             "Questions, bug reports and ideas are welcome on the <a href=\"%1\">Korvel home page</a>.")
                             .arg(homePage.toString(QUrl::FullyEncoded).toHtmlEscaped()),
                   this);
    placeChild(supportLabel, "label_4", QRect(20, 70, 241, 51));
    supportLabel->setTextFormat(Qt::RichText);
    supportLabel->setWordWrap(true);
    supportLabel->setOpenExternalLinks(true);

    okButton = placeChild(new QPushButton(dialogText("&Ok"), this), "pushButton", QRect(190, 120, 85, 27));
    connect(okButton, &QPushButton::clicked, this, &AboutDialog::okClicked);
}

void AboutDialog::okClicked()
{
    accept();
}
