#include "BlockState.h"

namespace BlockState {

namespace {

struct DepthBase {
    int base;
    Kind kind;
};

// Tested in this order with "greater than": the first that holds decides.
constexpr DepthBase depthBases[] = {
    {detachedComment, Kind::DetachedComment}, {detachedBody, Kind::DetachedBody},
    {menuComment, Kind::MenuComment},         {menuBody, Kind::MenuBody},
    {eventComment, Kind::EventComment},       {eventBody, Kind::EventBody},
    {aliasComment, Kind::AliasComment},       {aliasBody, Kind::AliasBody},
};

int baseOf(Kind kind)
{
    for (const DepthBase& b : depthBases)
        if (b.kind == kind)
            return b.base;
    return 0;
}

} // namespace

Decoded decode(int state)
{
    Decoded d;
    if (state == rootComment)
        return {Kind::RootComment, 0, false};
    if (state == groupRootComment)
        return {Kind::RootComment, 0, true};
    if (state >= groupOffset) {
        state -= groupOffset;
        d.inGroup = true;
    }
    for (const DepthBase& b : depthBases) {
        if (state > b.base) {
            d.kind = b.kind;
            d.depth = state - b.base;
            return d;
        }
    }
    if (state == dialogTable)
        d.kind = Kind::DialogTable;
    else if (state == dialogComment)
        d.kind = Kind::DialogComment;
    else
        d.kind = Kind::Root;
    return d;
}

int encode(Kind kind, int depth, bool inGroup)
{
    const int group = inGroup ? groupOffset : 0;
    switch (kind) {
    case Kind::Root: return inGroup ? groupOffset : root;
    case Kind::RootComment: return inGroup ? groupRootComment : rootComment;
    case Kind::DialogTable: return dialogTable + group;
    case Kind::DialogComment: return dialogComment + group;
    default: break;
    }
    if (depth <= 0) // a body whose braces are all closed is back at its root
        return inGroup ? groupOffset : root;
    return baseOf(kind) + (depth > maxDepth ? maxDepth : depth) + group;
}

int withoutGroup(int state)
{
    return state >= groupOffset ? state - groupOffset : state;
}

bool isRootEnd(int state)
{
    const int inGroup = state - groupOffset;
    return state < rootComment || inGroup == 0 || inGroup == root;
}

bool hasDepth(Kind kind)
{
    return baseOf(kind) != 0;
}

Kind commentOf(Kind body)
{
    switch (body) {
    case Kind::Root: return Kind::RootComment;
    case Kind::DialogTable: return Kind::DialogComment;
    case Kind::AliasBody: return Kind::AliasComment;
    case Kind::EventBody: return Kind::EventComment;
    case Kind::MenuBody: return Kind::MenuComment;
    case Kind::DetachedBody: return Kind::DetachedComment;
    default: return body;
    }
}

Kind bodyOf(Kind comment)
{
    switch (comment) {
    case Kind::RootComment: return Kind::Root;
    case Kind::DialogComment: return Kind::DialogTable;
    case Kind::AliasComment: return Kind::AliasBody;
    case Kind::EventComment: return Kind::EventBody;
    case Kind::MenuComment: return Kind::MenuBody;
    case Kind::DetachedComment: return Kind::DetachedBody;
    default: return comment;
    }
}

} // namespace BlockState
