#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QUrl;

// Name, version and where to get help. The main window keeps one for the
// life of the program and shows it again each time.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QUrl& homePage, QWidget* parent = nullptr);

public slots:
    void okClicked();

private:
    QLabel* titleLabel = nullptr;
    QLabel* versionCaption = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* supportLabel = nullptr;
    QPushButton* okButton = nullptr;
};
