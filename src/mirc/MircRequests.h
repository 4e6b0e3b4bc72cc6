#pragma once

#include <QString>

// The texts Korvel sends to mIRC: evaluations whose answers fill the sync
// dock, and the commands its menus give.
namespace MircRequests {

// Evaluations.
QString displayName();          // the instance's entry text
QString scriptCount();          // decimal count of loaded scripts
QString scriptPath(int number); // full path of the 1-based number-th script
QString remoteState();          // decimal mask of RemoteBit, 0 when remote is off

enum class RemoteBit : int { Ctcps = 1, Events = 2, Raw = 4 };

// Commands on a script file; the path goes between double quotes unchanged.
QString loadScript(const QString& path);   // runs its on-load events
QString reloadScript(const QString& path); // without on-load events
QString unloadScript(const QString& path);
QString openFolder(const QString& folder);
QString openScriptFolder();
QString openMircFolder();
QString setRemote(bool on);

// The listening options of the instance menu, in menu order.
struct ListenOption {
    const char* menuText;
    RemoteBit bit;
    const char* switchOn;
    const char* switchOff;
};
extern const ListenOption listenOptions[];
extern const int listenOptionCount;

} // namespace MircRequests
