#include "DialogSkeletons.h"

#include "checker/core/MslChecker.h"

#include <QSet>

namespace DialogSkeletons {

namespace {

const QLatin1String dialogEvent("dialog");
const QLatin1String clickEvent("sclick");
const QLatin1String anyId("*");

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList missing(const QString& name, const DialogDesign& design, const QStringList& script, bool withAlias)
{
    MslChecker checker;
    LineCheckResult result;
    int state = -1;
    bool hasAlias = false;
    bool clicksHandled = false; // a handler for every id
    QSet<int> handled;
    for (const QString& line : script) {
        checker.checkLine(MslChecker::lowerCased(line), state, result);
        state = result.state;
        const HeaderRecord& header = result.header;
        if (header.blockKind == HeaderKind::Alias && sameName(header.blockName, name)) {
            hasAlias = true;
        } else if (header.blockKind == HeaderKind::Event && sameName(header.blockName, dialogEvent)) {
            // on LEVEL:dialog:NAME:EVENT:IDS:
            const QStringList fields = line.trimmed().split(QLatin1Char(':'));
            if (fields.size() < 5 || !sameName(fields[2], name) || !sameName(fields[3], clickEvent))
                continue;
            for (const QString& id : fields[4].split(QLatin1Char(','))) {
                clicksHandled = clicksHandled || id.trimmed() == anyId;
                handled.insert(id.trimmed().toInt());
            }
        }
    }
    QStringList lines;
    if (withAlias && !hasAlias)
        lines << QStringLiteral("alias %1 { dialog -m %1 %1 }").arg(name);
    for (const DesignControl& control : design.controls) {
        if (clicksHandled || control.type != QLatin1String("button") || control.id <= 0 || handled.contains(control.id))
            continue;
        lines << QStringLiteral("on *:dialog:%1:sclick:%2: {").arg(name).arg(control.id) << QStringLiteral("}");
        handled.insert(control.id);
    }
    return lines;
}

} // namespace DialogSkeletons
