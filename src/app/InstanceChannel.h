#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// The line between Korvel started twice by one user: the first start
// listens, a later one hands it the files it was given and ends, so that
// one window, one mIRC link and one settings writer serve the user.
// Runs that keep their settings in different folders (tests, another
// profile) have channels of their own.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    // The channel of the current user's Korvel with its settings where
    // QSettings keeps them now.
    static QString nameForSettings();

    explicit InstanceChannel(QString name, QObject* parent = nullptr);

    // Gives `files` (absolute paths) to the Korvel listening on the channel
    // and waits until it has taken them; false when none answers.
    bool handOver(const QStringList& files) const;

    // Listens for later starts. A channel left behind by a run that crashed
    // is taken over; false when the channel cannot be opened.
    bool listen();

signals:
    // Another start handed over these files (maybe none): open them and
    // come to the front.
    void filesReceived(const QStringList& files);

private:
    void readRequest(QLocalSocket* socket);

    QString name;
    QLocalServer* server = nullptr;
};
