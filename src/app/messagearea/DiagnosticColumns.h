#pragma once

// What a column of a diagnostics list shows.
enum class DiagnosticField { File, Line, Column, Block, Message };

struct DiagnosticColumn {
    const char* title;
    DiagnosticField field;
};

// The column layout of one tab of the message area.
struct DiagnosticTabLayout {
    const DiagnosticColumn* columns;
    int columnCount;
    bool copyIncludesBlock; // "Copy Error" names the block, "Copy Message" does not
};

namespace DiagnosticTabs {
extern const DiagnosticTabLayout debug;
extern const DiagnosticTabLayout messages;

// Severities below this go to the Debug tab, the task markers from it on to Messages.
constexpr int firstMessageType = 10;
} // namespace DiagnosticTabs
