#include "IdentifierParameters.h"

#include <QLatin1String>

#include <algorithm>
#include <vector>

namespace {

using IdentifierParameters::noLimit;

const IdentifierParameterEntry identifierParamTable[] = {
    {"$", 1u, 2u, false, false, ""},
    {"$abook", 1u, 2u, false, false, "nick info email website picture noteN"},
    {"$abs", 1u, 1u, false, false, ""},
    {"$address", 2u, 2u, false, false, ""},
    {"$addtok", 3u, 3u, false, false, ""},
    {"$addtokcs", 3u, 3u, false, false, ""},
    {"$agent", 1u, 2u, false, false,
     "name fname visible x y w h ow oh speed pitch idle effects active langid balloon "
     "hide char"},
    {"$alias", 1u, 1u, false, false, ""},
    {"$and", 2u, 2u, false, false, ""},
    {"$ansi2mirc", 1u, 1u, false, false, ""},
    {"$aop", 1u, 1u, false, false, "type network"},
    {"$asc", 1u, 1u, false, false, ""},
    {"$asctime", 1u, 2u, false, false, ""},
    {"$asin", 1u, 1u, false, false, "deg"},
    {"$atan", 1u, 1u, false, false, "deg"},
    {"$avoice", 1u, 1u, false, false, "type"},
    {"$base", 3u, 5u, false, false, ""},
    {"$bfind", 3u, 3u, false, false, "text"},
    {"$bindip", 1u, 1u, false, false, "name ip loopback"},
    {"$bitoff", 1u, 2u, false, false, ""},
    {"$biton", 1u, 2u, false, false, ""},
    {"$bvar", 2u, 3u, false, false, "text word nword long nlong"},
    {"$bytes", 1u, 2u, false, false, "suf"},
    {"$calc", 1u, 1u, false, false, ""},
    {"$ceil", 1u, 1u, false, false, ""},
    {"$chan", 1u, 1u, false, false,
     "topic mode key limit ial logfile stamp status inwho wid cid hwnd ibl iel iil "
     "idle"},
    {"$chat", 1u, 2u, false, false, "ip status logfile stamp wid cid hwnd idle"},
    {"$chr", 1u, 1u, false, false, ""},
    {"$click", 2u, 2u, false, false, "x y"},
    {"$cnick", 1u, 2u, false, false, "color modes levels method anymode nomode ignore op voice protect notify idle"},
    {"$color", 1u, 1u, false, false, "dd"},
    {"$com", 1u, noLimit, false, false, "progid dispatch unknown result error errortext argerr"},
    {"$comcall", 4u, noLimit, false, false, ""},
    {"$comchan", 2u, 2u, false, false, "op help voice"},
    {"$compress", 1u, 2u, false, false, ""},
    {"$comval", 1u, 3u, false, false, ""},
    {"$cos", 1u, 1u, false, false, "deg"},
    {"$count", 2u, noLimit, false, false, ""},
    {"$countcs", 2u, noLimit, false, false, ""},
    {"$crc", 1u, 2u, false, false, ""},
    {"$ctime", 1u, 1u, false, false, ""},
    {"$date", 1u, 2u, false, false, ""},
    {"$dde", 2u, 4u, false, false, ""},
    {"$decode", 1u, 3u, false, false, ""},
    {"$decompress", 1u, 2u, false, false, ""},
    {"$deltok", 3u, 3u, false, false, ""},
    {"$dialog", 1u, 3u, false, false, "x y w h cw ch title modal table ok cancel result focus tab active hwnd"},
    {"$did", 1u, 3u, false, false,
     "text len lines sel seltext selstart selend edited state next prev visible "
     "enabled isid csel cstate"},
    {"$didreg", 1u, 4u, false, false, ""},
    {"$didtok", 1u, 3u, false, false, ""},
    {"$didwm", 1u, 4u, false, false, ""},
    {"$disk", 1u, 1u, false, false, "type free label size unc path"},
    {"$dll", 1u, 3u, false, false, ""},
    {"$dllcall", 4u, 4u, false, false, ""},
    {"$dns", 1u, 1u, false, false, "nick addr ip"},
    {"$duration", 1u, 2u, false, false, ""},
    {"$editbox", 1u, 1u, false, false, "selstart selend"},
    {"$encode", 1u, 3u, false, false, ""},
    {"$eval", 1u, noLimit, false, false, ""},
    {"$exists", 1u, 1u, false, false, ""},
    {"$fgetc", 1u, 1u, false, false, ""},
    {"$file", 1u, 1u, false, false, "size ctime mtime atime shortfn longfn attr sig"},
    {"$finddir", 3u, 5u, false, false, "shortfn"},
    {"$findfile", 3u, 5u, false, false, "shortfn"},
    {"$findtok", 3u, 4u, false, false, ""},
    {"$findtokcs", 3u, 4u, false, false, ""},
    {"$fline", 2u, 4u, false, false, "text"},
    {"$floor", 1u, 1u, false, false, ""},
    {"$fopen", 1u, 1u, false, false, "fname pos eof err"},
    {"$fread", 1u, 3u, false, false, ""},
    {"$fserve", 1u, 3u, false, false, "ip status cd"},
    {"$get", 1u, 2u, false, false, "ip status file path size rcvd cps pc secs done resume wid cid hwnd idle"},
    {"$getdir", 1u, 1u, false, false, ""},
    {"$getdot", 3u, 3u, false, false, ""},
    {"$gettok", 3u, 3u, false, false, ""},
    {"$gmt", 1u, 2u, false, false, ""},
    {"$group", 1u, 1u, false, false, "status name fname"},
    {"$hash", 2u, 2u, false, false, ""},
    {"$height", 3u, 3u, false, false, ""},
    {"$hfind", 2u, 4u, false, false, "data"},
    {"$hget", 1u, 3u, false, false, "size unset item data"},
    {"$highlight", 1u, 1u, false, false, "text color sound flash message nicks regex cs"},
    {"$ial", 1u, 2u, false, false, "addr"},
    {"$ialchan", 1u, 3u, false, false, "pnick nick"},
    {"$ibl", 2u, 2u, false, false, "by date ctime"},
    {"$iel", 2u, 2u, false, false, "by date ctime"},
    {"$ignore", 1u, 1u, false, false, "type secs"},
    {"$iif", 2u, 3u, false, false, ""},
    {"$iil", 2u, 2u, false, false, "by date ctime"},
    {"$inellipse", 6u, 6u, false, false, ""},
    {"$ini", 2u, 3u, false, false, ""},
    {"$inpoly", 2u, noLimit, true, false, ""},
    {"$input", 1u, 6u, false, false, ""},
    {"$inrect", 6u, 6u, false, false, ""},
    {"$inroundrect", 8u, 8u, false, false, ""},
    {"$instok", 4u, 4u, false, false, ""},
    {"$int", 1u, 1u, false, false, ""},
    {"$iptype", 1u, 1u, false, false, "compress expand"},
    {"$isalias", 1u, 1u, false, false, "fname alias"},
    {"$isbit", 2u, 2u, false, false, ""},
    {"$isdde", 1u, 1u, false, false, ""},
    {"$isdir", 1u, 1u, false, false, ""},
    {"$isfile", 1u, 1u, false, false, ""},
    {"$islower", 1u, 1u, false, false, ""},
    {"$istok", 3u, 3u, false, false, ""},
    {"$istokcs", 3u, 3u, false, false, ""},
    {"$isupper", 1u, 1u, false, false, ""},
    {"$left", 2u, 2u, false, false, ""},
    {"$len", 1u, 1u, false, false, ""},
    {"$level", 1u, 1u, false, false, ""},
    {"$line", 2u, 2u, false, false, ""},
    {"$lines", 1u, 1u, false, false, ""},
    {"$link", 1u, 1u, false, false, "addr ip level info"},
    {"$lock", 1u, 1u, false, false, "send get chat query fserve channels com decode dll run"},
    {"$log", 1u, 1u, false, false, ""},
    {"$longfn", 1u, 1u, false, false, ""},
    {"$longip", 1u, 1u, false, false, ""},
    {"$lower", 1u, 1u, false, false, ""},
    {"$mask", 2u, 2u, false, false, ""},
    {"$matchtok", 4u, 4u, false, false, ""},
    {"$matchtokcs", 4u, 4u, false, false, ""},
    {"$md5", 1u, 2u, false, false, ""},
    {"$mid", 2u, 3u, false, false, ""},
    {"$mkfn", 1u, 1u, false, false, ""},
    {"$mklogfn", 1u, 1u, false, false, ""},
    {"$mknickfn", 1u, 1u, false, false, ""},
    {"$mode", 1u, 1u, false, false, "op deop ban unban voice devoice help dehelp"},
    {"$msfile", 1u, 3u, false, false, ""},
    {"$nick", 2u, 4u, false, false, "color pnick idle"},
    {"$nofile", 1u, 1u, false, false, ""},
    {"$nopath", 1u, 1u, false, false, ""},
    {"$noqt", 1u, 1u, false, false, ""},
    {"$not", 1u, 1u, false, false, ""},
    {"$notags", 1u, 1u, false, false, ""},
    {"$notify", 1u, 1u, false, false, "ison note sound whois addr network"},
    {"$numtok", 2u, 2u, false, false, ""},
    {"$onpoly", 6u, noLimit, false, false, ""},
    {"$or", 1u, 2u, false, false, ""},
    {"$ord", 1u, 1u, false, false, ""},
    {"$pic", 1u, 1u, false, false, "size width height"},
    {"$play", 1u, 2u, false, false, "type fname topic pos lines delay status"},
    {"$portfree", 1u, 2u, false, false, ""},
    {"$pos", 2u, 3u, false, false, ""},
    {"$poscs", 2u, 3u, false, false, ""},
    {"$protect", 1u, 1u, false, false, "type network"},
    {"$puttok", 4u, 4u, false, false, ""},
    {"$qt", 1u, 1u, false, false, ""},
    {"$query", 1u, 1u, false, false, "addr logfile stamp wid cid hwnd idle"},
    {"$rand", 1u, 2u, false, false, ""},
    {"$read", 1u, 4u, false, false, ""},
    {"$readini", 3u, 4u, false, false, ""},
    {"$regex", 2u, 3u, false, false, ""},
    {"$regml", 1u, 2u, false, false, ""},
    {"$regsub", 4u, 5u, false, false, ""},
    {"$regsubex", 3u, 4u, false, false, ""},
    {"$remove", 2u, noLimit, false, false, ""},
    {"$removecs", 2u, noLimit, false, false, ""},
    {"$remtok", 3u, 4u, false, false, ""},
    {"$remtokcs", 3u, 4u, false, false, ""},
    {"$replace", 3u, noLimit, false, true, ""},
    {"$replacecs", 3u, noLimit, false, true, ""},
    {"$replacex", 3u, noLimit, false, true, ""},
    {"$replacexcs", 3u, noLimit, false, true, ""},
    {"$reptok", 4u, 5u, false, false, ""},
    {"$reptokcs", 4u, 5u, false, false, ""},
    {"$rgb", 1u, 3u, false, false, ""},
    {"$right", 2u, 2u, false, false, ""},
    {"$round", 1u, 2u, false, false, ""},
    {"$script", 1u, 1u, false, false, ""},
    {"$sdir", 1u, 2u, false, false, ""},
    {"$send", 1u, 2u, false, false, "ip status file path size sent lra cps pc secs done resume wid cid hwnd idle"},
    {"$server", 1u, 1u, false, false, "desc port group pass"},
    {"$sfile", 1u, 3u, false, false, ""},
    {"$sha1", 1u, 2u, false, false, ""},
    {"$shortfn", 1u, 1u, false, false, ""},
    {"$sin", 1u, 1u, false, false, "deg"},
    {"$sline", 1u, 2u, false, false, "ln"},
    {"$snick", 1u, 2u, false, false, ""},
    {"$sock", 1u, 2u, false, false,
     "name ip addr port status sent rcvd sq rq ls lr mark type saddr sport to wserr "
     "wsmsg bindip bindport ssl pause"},
    {"$sorttok", 2u, 3u, false, false, ""},
    {"$sorttokcs", 2u, 3u, false, false, ""},
    {"$sound", 1u, 1u, false, false,
     "album title artist year comment genre track length version bitrate vbr sample "
     "mode copyright private crc id3 tag tags"},
    {"$speak", 1u, 1u, false, false, ""},
    {"$sqrt", 1u, 1u, false, false, ""},
    {"$str", 2u, 2u, false, false, ""},
    {"$strip", 1u, 2u, false, false, ""},
    {"$style", 1u, 1u, false, false, ""},
    {"$submenu", 1u, 1u, false, false, ""},
    {"$tan", 1u, 1u, false, false, "deg"},
    {"$time", 1u, 2u, false, false, ""},
    {"$timer", 1u, 1u, false, false, "com time reps delay type secs mmt anysc wid cid hwnd pause"},
    {"$tip", 1u, 8u, false, false, "name title text delay iconfn iconpos alias wid"},
    {"$toolbar", 1u, 1u, false, false, "name type tip alias popup width height wide enabled visible checked alpha"},
    {"$trust", 1u, 1u, false, false, ""},
    {"$ulist", 1u, 3u, false, false, "info"},
    {"$upper", 1u, 1u, false, false, ""},
    {"$uptime", 1u, 2u, false, false, ""},
    {"$url", 1u, 1u, false, false, "desc group"},
    {"$var", 1u, 2u, false, false, "value local secs"},
    {"$vcmd", 1u, 1u, false, false, ""},
    {"$vol", 1u, 1u, false, false, "mute"},
    {"$width", 3u, 5u, false, false, ""},
    {"$wildtok", 4u, 5u, false, false, ""},
    {"$wildtokcs", 4u, 5u, false, false, ""},
    {"$window", 1u, 2u, false, false,
     "x y w h dx dy dw dh bw bh mdi title state font fontsize fontbold fontitalic "
     "fontcs logfile stamp icon ontop type anysc wid cid hwnd sbtext sbcolor sbstate "
     "tbtext tbstate"},
    {"$wrap", 5u, 6u, false, false, ""},
    {"$xor", 2u, 2u, false, false, ""},
};

constexpr int entryCount = int(sizeof identifierParamTable / sizeof identifierParamTable[0]);

QLatin1String nameOf(int index)
{
    return QLatin1String(identifierParamTable[index].name);
}

// Every parenthesised identifier of every checked line is looked up, so the
// entries are sorted by name once and searched by halves without building a
// key. The sort is stable: among equal names the earlier entry comes first,
// as in a front-to-back search.
const std::vector<int>& indicesByName()
{
    static const std::vector<int> sorted = [] {
        std::vector<int> order(entryCount);
        for (int i = 0; i < entryCount; ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [](int a, int b) { return nameOf(a).compare(nameOf(b), Qt::CaseInsensitive) < 0; });
        return order;
    }();
    return sorted;
}

} // namespace

namespace IdentifierParameters {

int count()
{
    return entryCount;
}

const IdentifierParameterEntry& at(int index)
{
    Q_ASSERT(index >= 0 && index < entryCount);
    return identifierParamTable[index];
}

const IdentifierParameterEntry* find(QStringView name)
{
    const std::vector<int>& order = indicesByName();
    const auto it = std::lower_bound(order.begin(), order.end(), name, [](int index, QStringView wanted) {
        return nameOf(index).compare(wanted, Qt::CaseInsensitive) < 0;
    });
    if (it == order.end() || nameOf(*it).compare(name, Qt::CaseInsensitive) != 0)
        return nullptr;
    return &identifierParamTable[*it];
}

QStringList propertyNames(const IdentifierParameterEntry& entry)
{
    const QString all = QString::fromLatin1(entry.properties);
    return all.isEmpty() ? QStringList() : all.split(QLatin1Char(' '));
}

bool hasProperty(const IdentifierParameterEntry& entry, QStringView property)
{
    // Walks the packed names in place: no allocation on the checker's path.
    const char* p = entry.properties;
    while (*p) {
        const char* end = p;
        while (*end && *end != ' ')
            ++end;
        const QLatin1String candidate(p, int(end - p));
        if (property.compare(candidate, Qt::CaseInsensitive) == 0)
            return true;
        p = *end ? end + 1 : end;
    }
    return false;
}

} // namespace IdentifierParameters
