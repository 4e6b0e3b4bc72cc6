#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the update server's version file says. Its first line is the product
// name, a "|" and a four-part version ("Korvel|0.3.0.0"); every non-empty
// line after it is one entry of the list of what is new.
struct VersionAnnouncement {
    enum class Verdict {
        Unreadable, // no body, another product, or not a four-part version
        NotNewer,   // the same release as this one, or an older one
        Newer,
    };

    Verdict verdict = Verdict::Unreadable;
    QString versionText; // as announced, after the "|"
    QStringList news;

    // An empty body (what a failed request leaves) is Unreadable like any
    // other file that does not start with the product's line.
    static VersionAnnouncement read(const QByteArray& body);
};
