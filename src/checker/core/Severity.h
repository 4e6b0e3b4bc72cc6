#pragma once

// How a diagnostic is to be taken. The values are the diagnostic's type as
// the message area and korvel-check read it; task markers start at TaskBlue.
enum class Severity : int {
    Information = 1,
    Warning = 2,
    Error = 3,
    AccessLevel = 4, // only "Invalid Access Level", shown without icon
    TaskBlue = 10,
    TaskTodo = 11,
    TaskGrey = 12,
    TaskHack = 13,
    TaskXxx = 14,
    TaskFixme = 15,
};

inline bool isTask(Severity severity)
{
    return severity >= Severity::TaskBlue;
}
