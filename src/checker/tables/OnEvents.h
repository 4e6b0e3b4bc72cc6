#pragma once

#include <QStringView>

// The on-events mIRC knows, grouped by the parameters that follow the event
// name in an "on level:event:parameters...:" header, and the vocabularies
// that some of those parameters are checked against.
namespace OnEvents {

// What one colon-separated parameter after the event name holds, which
// decides how it is checked and what is said when it is missing.
enum class Parameter : unsigned char {
    Matchtext,          // variable field
    UncheckedMatchtext, // read only (logon)
    MessageTargets,     // channel/query/wildcard list of text, action, notice
    ChannelTargets,     // channel list
    WindowTarget,       // one target beginning with *, #, ?, =, !, @
    MatchtextTarget,    // variable field (vcmd, hotlink)
    Filename,           // read only
    DccType,            // chat, send or fserve
    WindowType,         // read only (open, close)
    Window,             // variable field (keydown, keyup)
    KeyTypes,           // digits or "*", comma-separated
    DialogName,         // read only
    DialogEvent,        // one of the dialog events
    DialogIds,          // "*", or digits and ranges, comma-separated
};

// When the header is recorded for the outline and the folding: as soon as
// the event name is known, once the first parameter is read, or after every
// check (with the position reached by then).
enum class RecordPoint : unsigned char {
    BeforeParameters,
    AfterFirstParameter,
    AfterChecks,
};

struct EventGroup {
    const char* label; // "E1" ... "E12": a stable name for the group
    Parameter parameters[3];
    int parameterCount;
    int requiredCount; // the rest are optional
    RecordPoint recordPoint;
    int detailParameter; // index of the parameter recorded as detail, -1 none
};

struct EventName {
    const char* name; // lower case
    int group;        // index into the groups
};

int groupCount();
const EventGroup& group(int index);

int eventCount();
const EventName& event(int index);
// The event named exactly `name` (lower case), or nullptr.
const EventName* findEvent(QStringView name);

// The message raised when `parameter` is missing from a header.
const char* missingMessage(Parameter parameter);

// Events of a dialog ("on level:dialog:name:event:ids:").
int dialogEventCount();
const char* dialogEvent(int index);
bool isDialogEvent(QStringView word);

// DCC types of a dccserver event.
int dccTypeCount();
const char* dccType(int index);
bool isDccType(QStringView word);

// The characters a single window target may begin with.
const char* windowTargetPrefixes();

} // namespace OnEvents
