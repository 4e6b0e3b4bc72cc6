#include "UnclosedBlock.h"

namespace UnclosedBlock {

Place placeOf(int state)
{
    using BlockState::Kind;
    switch (BlockState::decode(state).kind) {
    case Kind::Root:
    case Kind::DetachedBody: return Place::Outside;
    case Kind::RootComment:
    case Kind::DetachedComment: return Place::InOutsideComment;
    default: return Place::InBlock;
    }
}

bool leavesDocumentOpen(int state)
{
    return placeOf(state) != Place::Outside;
}

namespace {

// The header as a script writer names it: "alias x", "dialog x", "on text".
QString headerName(const HeaderRecord& header)
{
    switch (header.blockKind) {
    case HeaderKind::Alias: return QStringLiteral("alias ") + header.blockName;
    case HeaderKind::Dialog: return QStringLiteral("dialog ") + header.blockName;
    case HeaderKind::Menu: return header.blockName == QLatin1String("Menu") ? QStringLiteral("menu") : header.blockName;
    case HeaderKind::Event:
        if (header.blockName == QLatin1String("Ctcp"))
            return QStringLiteral("ctcp");
        if (header.blockName.compare(QLatin1String("raw"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("raw");
        return QStringLiteral("on ") + header.blockName;
    case HeaderKind::None: break;
    }
    return QStringLiteral("menu item"); // an item's block, whose line records no header
}

} // namespace

LineDiagnostic diagnostic(const HeaderRecord& header)
{
    return {Severity::Error, 0, QStringLiteral("root"),
            QStringLiteral("`%1' is never closed: a `}' is missing").arg(headerName(header))};
}

LineDiagnostic commentDiagnostic()
{
    return {Severity::Warning, 0, QStringLiteral("root"),
            QStringLiteral("A `/*' comment is never closed: the rest of the script is ignored")};
}

std::optional<Tracker::Finding> Tracker::follow(int lineNumber, int state, bool leavesBlockOpen,
                                                const HeaderRecord& lineHeader)
{
    std::optional<Finding> found;
    if (leavesBlockOpen && headerLine >= 0)
        found = Finding{headerLine, diagnostic(header)};
    const Place place = placeOf(state);
    // The line that enters a block from outside every block, or that a
    // header inside a body starts anew, is the header to report.
    if (place == Place::InBlock && (lastPlace != Place::InBlock || leavesBlockOpen)) {
        headerLine = lineNumber;
        header = lineHeader;
    }
    if (place == Place::InOutsideComment && lastPlace != Place::InOutsideComment)
        commentLine = lineNumber;
    lastPlace = place;
    return found;
}

std::optional<Tracker::Finding> Tracker::atEnd() const
{
    if (headerLine >= 0 && lastPlace == Place::InBlock)
        return Finding{headerLine, diagnostic(header)};
    if (commentLine >= 0 && lastPlace == Place::InOutsideComment)
        return Finding{commentLine, commentDiagnostic()};
    return std::nullopt;
}

} // namespace UnclosedBlock
