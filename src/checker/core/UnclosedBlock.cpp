#include "UnclosedBlock.h"

namespace UnclosedBlock {

bool isInsideBlock(int state)
{
    using BlockState::Kind;
    switch (BlockState::decode(state).kind) {
    case Kind::Root:
    case Kind::RootComment:
    case Kind::DetachedBody:
    case Kind::DetachedComment: return false;
    default: return true;
    }
}

namespace {

// A comment outside every block: at the root, or in code whose header was lost.
bool isOutsideComment(int state)
{
    const BlockState::Kind kind = BlockState::decode(state).kind;
    return kind == BlockState::Kind::RootComment || kind == BlockState::Kind::DetachedComment;
}

} // namespace

bool leavesDocumentOpen(int state)
{
    return isInsideBlock(state) || isOutsideComment(state);
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
    const bool inside = isInsideBlock(state);
    const bool inOutsideComment = !inside && isOutsideComment(state);
    // The line that enters a block from outside every block, or that a
    // header inside a body starts anew, is the header to report.
    if (inside && (!lastInside || leavesBlockOpen)) {
        headerLine = lineNumber;
        header = lineHeader;
    }
    if (inOutsideComment && !lastInOutsideComment)
        commentLine = lineNumber;
    lastInside = inside;
    lastInOutsideComment = inOutsideComment;
    return found;
}

std::optional<Tracker::Finding> Tracker::atEnd() const
{
    if (headerLine >= 0 && lastInside)
        return Finding{headerLine, diagnostic(header)};
    if (commentLine >= 0 && lastInOutsideComment)
        return Finding{commentLine, commentDiagnostic()};
    return std::nullopt;
}

} // namespace UnclosedBlock
