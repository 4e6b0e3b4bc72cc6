#include "MircRequests.h"

#include <iterator>

namespace MircRequests {

const ListenOption listenOptions[] = {
    {"&Ctcps", RemoteBit::Ctcps, "/!.ctcps on", "/!.ctcps off"},
    {"&Events", RemoteBit::Events, "/!.events on", "/!.events off"},
    {"&Raw", RemoteBit::Raw, "/!.raw on", "/!.raw off"},
};
const int listenOptionCount = int(std::size(listenOptions));

namespace {

QString withQuotedPath(const char* command, const QString& path)
{
    return QLatin1String(command) + QLatin1Char('"') + path + QLatin1Char('"');
}

} // namespace

QString displayName()
{
    return QStringLiteral("$ddename ( $+ $version $+ )");
}

QString scriptCount()
{
    return scriptPath(0);
}

QString scriptPath(int number)
{
    return QStringLiteral("$script(") + QString::number(number) + QLatin1Char(')');
}

QString remoteState()
{
    return QStringLiteral("$remote");
}

QString loadScript(const QString& path)
{
    return withQuotedPath("/!.load -rs ", path);
}

QString reloadScript(const QString& path)
{
    return withQuotedPath("/!.reload -rs ", path);
}

QString unloadScript(const QString& path)
{
    return withQuotedPath("/!.unload -rs ", path);
}

QString openFolder(const QString& folder)
{
    return withQuotedPath("/!.run ", folder);
}

QString openScriptFolder()
{
    return QStringLiteral("/!.run $qt($scriptdir)");
}

QString openMircFolder()
{
    return QStringLiteral("/!.run $qt($mircdir)");
}

QString setRemote(bool on)
{
    return on ? QStringLiteral("/!.remote on") : QStringLiteral("/!.remote off");
}

} // namespace MircRequests
