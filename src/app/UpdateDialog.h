#pragma once

#include <QDialog>
#include <QUrl>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// Tells the user about a newer release: its version, what is new in it, a
// way to the download page, and the switch of the check at start-up.
class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    UpdateDialog(const QUrl& downloadPage, QWidget* parent = nullptr);

    // Sets the check box without reporting it through checkForUpdate.
    void setAutoCheck(bool on);
    void showAnnouncement(const QString& versionText, const QStringList& news);

signals:
    // The user ticked or unticked "Check for updates automatically".
    void checkForUpdate(bool isChecked);

public slots:
    void openDownloadClicked();

private:
    QUrl downloadPage;
    QLabel* label = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* newsLabel = nullptr;
    QListWidget* listWidget = nullptr;
    QCheckBox* checkBox = nullptr;
    QPushButton* downloadButton = nullptr;
    QPushButton* okButton = nullptr;
};
