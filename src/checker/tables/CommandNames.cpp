#include "CommandNames.h"

#include <QLatin1String>

#include <algorithm>
#include <array>

namespace CommandNames {

const char* const names[count] = {
    "abook",     "action",      "ajinvite",  "aline",      "alias",      "ame",        "amsg",       "anick",
    "aop",       "auto",        "auser",     "autojoin",   "avoice",     "away",       "background", "ban",
    "bcopy",     "beep",        "bindip",    "bread",      "break",      "breplace",   "bset",       "btrunc",
    "bunset",    "bwrite",      "channel",   "clear",      "clearall",   "cline",      "clipboard",  "close",
    "cnick",     "color",       "comclose",  "comopen",    "comreg",     "continue",   "copy",       "creq",
    "ctcpreply", "ctcps",       "dcc",       "dccserver",  "dde",        "ddeserver",  "debug",      "dec",
    "describe",  "dialog",      "did",       "didtok",     "disable",    "disconnect", "dlevel",     "dline",
    "dll",       "dns",         "dqwindow",  "drawcopy",   "drawdot",    "drawfill",   "drawline",   "drawpic",
    "drawrect",  "drawreplace", "drawrot",   "drawsave",   "drawscroll", "drawtext",   "ebeeps",     "echo",
    "editbox",   "emailaddr",   "enable",    "events",     "exit",       "fclose",     "filter",     "findtext",
    "finger",    "firewall",    "flash",     "flist",      "flood",      "flush",      "flushini",   "fnord",
    "font",      "fopen",       "fseek",     "fsend",      "fserve",     "fullname",   "fwrite",     "goto",
    "ghide",     "gload",       "gmove",     "gopts",      "gplay",      "gpoint",     "gqreq",      "groups",
    "gshow",     "gsize",       "gstop",     "gtalk",      "gunload",    "guser",      "hadd",       "halt",
    "haltdef",   "hdec",        "hdel",      "help",       "hfree",      "hinc",       "hload",      "hmake",
    "hop",       "hsave",       "ial",       "ialclear",   "ialmark",    "identd",     "ignore",     "iline",
    "inc",       "iuser",       "join",      "linesep",    "links",      "list",       "load",       "loadbuf",
    "localinfo", "log",         "mdi",       "me",         "menubar",    "mkdir",      "mnick",      "mode",
    "msg",       "noop",        "notify",    "notice",     "omsg",       "onotice",    "partall",    "pdcc",
    "perform",   "play",        "playctrl",  "pop",        "protect",    "pvoice",     "qme",        "qmsg",
    "query",     "queryrn",     "raw",       "reload",     "remini",     "remote",     "remove",     "rename",
    "renwin",    "reseterror",  "resetidle", "return",     "rlevel",     "rline",      "rmdir",      "run",
    "ruser",     "save",        "savebuf",   "saveini",    "say",        "scid",       "scon",       "server",
    "set",       "showmirc",    "signal",    "sline",      "sockaccept", "sockclose",  "socklist",   "socklisten",
    "sockmark",  "sockopen",    "sockread",  "sockrename", "sockudp",    "sockwrite",  "sound",      "speak",
    "splay",     "sreq",        "strip",     "switchbar",  "timer",      "timestamp",  "titlebar",   "tnick",
    "tokenize",  "toolbar",     "tray",      "treebar",    "ulist",      "unload",     "unset",      "unsetall",
    "updatenl",  "url",         "uwho",      "var",        "vcadd",      "vcmd",       "vcrem",      "vol",
    "window",    "winhelp",     "write",     "writeini",   "xyzzy",
};

namespace {

// A sorted copy of the names, built on first use, for binary search without
// allocating a QString per looked-up word.
using SortedNames = std::array<QLatin1String, count>;

const SortedNames& sortedNames()
{
    static const SortedNames sorted = [] {
        SortedNames s;
        for (int i = 0; i < count; ++i)
            s[i] = QLatin1String(names[i]);
        std::sort(s.begin(), s.end(), [](QLatin1String a, QLatin1String b) { return a < b; });
        return s;
    }();
    return sorted;
}

} // namespace

bool contains(QStringView word)
{
    const SortedNames& sorted = sortedNames();
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), word,
                                     [](QLatin1String name, QStringView w) { return w.compare(name) > 0; });
    return it != sorted.end() && word.compare(*it) == 0;
}

QStringList toStringList()
{
    QStringList list;
    list.reserve(count);
    for (const char* name : names)
        list.append(QLatin1String(name));
    return list;
}

} // namespace CommandNames
