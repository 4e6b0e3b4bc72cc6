#include "MainWindow.h"

#include "AboutDialog.h"
#include "UpdateDialog.h"
#include "VersionAnnouncement.h"

#include <QAction>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>

void MainWindow::requestVersionFile()
{
    // One answer at a time: a click while the start-up check still waits
    // turns that check into the manual one.
    if (versionReply)
        return;
    connect(network.get(), &QNetworkAccessManager::finished, this, &MainWindow::checkForUpdatesReply);
    versionReply = updateServer.requestVersionFile(*network);
}

void MainWindow::checkForUpdatesClick()
{
    if (!updateServer.isSet()) {
        QMessageBox::information(this, tr("Updates"), updateServer.unsetHelp());
        return;
    }
    checkForUpdatesAction->setEnabled(false);
    requestVersionFile();
}

void MainWindow::checkForUpdatesReply(QNetworkReply* reply)
{
    // The check at start-up stays silent unless it finds a newer release.
    const bool manual = !checkForUpdatesAction->isEnabled();
    const VersionAnnouncement announcement = VersionAnnouncement::read(UpdateServer::versionFileBody(reply));

    switch (announcement.verdict) {
    case VersionAnnouncement::Verdict::Unreadable:
        if (manual)
            QMessageBox::information(this, tr("Updates"), tr("Error checking for updates."));
        break;
    case VersionAnnouncement::Verdict::NotNewer:
        if (manual)
            QMessageBox::information(this, tr("Updates"), tr("No new updates were found."));
        break;
    case VersionAnnouncement::Verdict::Newer: {
        UpdateDialog dialog(updateServer.downloadPageUrl(), this);
        dialog.setAutoCheck(autoCheckUpdates);
        connect(&dialog, &UpdateDialog::checkForUpdate, this, &MainWindow::setCheckForUpdate);
        dialog.showAnnouncement(announcement.versionText, announcement.news);
        dialog.exec();
        break;
    }
    }

    checkForUpdatesAction->setEnabled(true);
    disconnect(network.get(), &QNetworkAccessManager::finished, this, &MainWindow::checkForUpdatesReply);
    versionReply = nullptr;
    reply->deleteLater();
}

void MainWindow::setCheckForUpdate(bool automatic)
{
    autoCheckUpdates = automatic;
}

void MainWindow::showAbout()
{
    if (!aboutDialog)
        aboutDialog = new AboutDialog(updateServer.baseUrl, this);
    aboutDialog->exec();
}
