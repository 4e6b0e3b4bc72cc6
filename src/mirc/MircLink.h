#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// One running mIRC as a link knows it: the number of its main window. Only
// the link that found it understands the number.
struct MircWindowHandle {
    quint64 id = 0;

    friend bool operator==(MircWindowHandle a, MircWindowHandle b) { return a.id == b.id; }
    friend bool operator!=(MircWindowHandle a, MircWindowHandle b) { return a.id != b.id; }
};
Q_DECLARE_METATYPE(MircWindowHandle)

enum class MircLinkStatus {
    Done,
    TextTooLong, // refused whole: the text does not fit the shared memory
    Unavailable, // no way to reach mIRC right now (no Wine, no helper, no memory)
};

struct MircLocalPath {
    QString path;    // empty when the file has no place on this system
    QString problem; // why, when path is empty
};

struct MircEvaluation {
    MircLinkStatus status = MircLinkStatus::Unavailable;
    QString text;
};

// The way to running mIRC instances: find them, evaluate an mSL expression in
// one of them, perform an mSL command in one of them. The sync dock and the
// main window know only this; the Win32 messaging, the Wine bridge and the
// tests' fake sit behind it. Every call returns in bounded time.
class MircLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QList<MircWindowHandle> findInstances() = 0;
    virtual MircEvaluation evaluate(MircWindowHandle window, const QString& expression) = 0;
    virtual MircLinkStatus command(MircWindowHandle window, const QString& text) = 0;

    // Several evaluations in the window, answered in order. A link that pays
    // for each round trip answers them in one go.
    virtual QList<MircEvaluation> evaluateAll(MircWindowHandle window, const QStringList& expressions);

    // The same two, asked now and answered later on the GUI thread through
    // `done` (never before the call has returned), unless `context` has gone
    // by then. A link that talks to mIRC synchronously answers at the next
    // turn of the event loop; the Wine bridge answers as the helper does.
    virtual void findInstancesLater(QObject* context, std::function<void(const QList<MircWindowHandle>&)> done);
    virtual void evaluateAllLater(QObject* context, MircWindowHandle window, const QStringList& expressions,
                                  std::function<void(const QList<MircEvaluation>&)> done);

    // Why mIRC cannot be reached right now, in a few words for the status
    // line ("the Wine helper is starting"); empty when nothing is known.
    virtual QString unavailableReason() const { return QString(); }

    // Where Korvel finds a file that mIRC names by `mircPath` (mIRC sees its
    // own file system, which under Wine is not Korvel's), or why there is
    // no such place.
    virtual MircLocalPath localPath(const QString& mircPath) const { return {mircPath, QString()}; }

signals:
    // The link can reach mIRC now where it could not before (its helper has
    // started): worth a fresh look without waiting for the next refresh.
    void becameAvailable();
};

// The link of this platform: the Win32 messaging on Windows, the Wine bridge
// elsewhere. Tests replace it with setMircLinkFactory().
std::unique_ptr<MircLink> createMircLink();
void setMircLinkFactory(std::function<std::unique_ptr<MircLink>()> factory);
