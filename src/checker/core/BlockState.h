#pragma once

// The integer a checked line hands to the next one. It says where the line
// ends in the script's structure: at the root, inside a root comment, or
// inside a dialog table, an alias, event or menu body (with its brace depth),
// each possibly inside a script group. This is the one place that knows the
// numeric encoding; everything else goes through encode() and decode().
namespace BlockState {

enum class Kind {
    Root,
    RootComment,
    DialogTable,
    DialogComment,
    AliasBody,
    AliasComment,
    EventBody,
    EventComment,
    MenuBody,
    MenuComment,
    // Code met at the root after a fault (stray text, or a "}" that closed a
    // body too early): checked as a body whose header was lost, so that one
    // fault is reported once; a header line or the "}" that brings its depth
    // back to 0 returns to the root.
    DetachedBody,
    DetachedComment,
};

constexpr int root = 1;
constexpr int rootComment = 2;
constexpr int groupRootComment = 3; // not groupOffset + 2
constexpr int dialogTable = 0x100;
constexpr int dialogComment = 0x101;
constexpr int aliasBody = 0x20000;
constexpr int aliasComment = 0x21000;
constexpr int eventBody = 0x24000;
constexpr int eventComment = 0x25000;
constexpr int menuBody = 0x26000;
constexpr int menuComment = 0x27000;
constexpr int detachedBody = 0x28000;
constexpr int detachedComment = 0x29000;
constexpr int groupOffset = 0x75000;
// The deepest brace depth a state holds: a body deeper than this would no
// longer decode back to its kind, so deeper braces are not counted.
constexpr int maxDepth = 4096;

struct Decoded {
    Kind kind = Kind::Root;
    int depth = 0; // open braces; 0 for root, comment and dialog kinds
    bool inGroup = false;
};

// A state of -1 (a line never highlighted) decodes as the root outside a group.
Decoded decode(int state);
int encode(Kind kind, int depth, bool inGroup);
inline int encode(const Decoded& d)
{
    return encode(d.kind, d.depth, d.inGroup);
}

// The state without the script-group offset: the root, comment, table or
// body it stands for wherever the line lies.
int withoutGroup(int state);
// States up to this one (the root and root comment states, and -1 for a line
// never checked) end outside every component; above it a line ends inside a
// dialog table or a body.
constexpr int lastRootLevel = 10;
// A line that ends in `state` ends at the root of the script, inside a group
// or not: what closes a component. So do -1 and 0 (a line never checked) and
// the group offset plus one.
bool isRootEnd(int state);

// True for the body kinds that carry a brace depth (alias, event, menu and
// their comments).
bool hasDepth(Kind kind);
// The body kind a comment kind returns to when the comment closes, and back.
Kind commentOf(Kind body);
Kind bodyOf(Kind comment);

} // namespace BlockState
