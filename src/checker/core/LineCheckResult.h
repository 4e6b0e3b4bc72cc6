#pragma once

#include "BlockState.h"
#include "FormatId.h"
#include "HeaderKind.h"
#include "IdentifierRecord.h"
#include "Severity.h"

#include <QString>
#include <QVector>

// One problem the checker found in a line.
struct LineDiagnostic {
    Severity type = Severity::Information;
    int pos = 0;   // 0-based position in the line
    QString block; // construct being checked: "root", "alias", "on text", ...; "" for tasks
    QString message;

    bool operator==(const LineDiagnostic& o) const
    {
        return type == o.type && pos == o.pos && block == o.block && message == o.message;
    }
    bool operator!=(const LineDiagnostic& o) const { return !(*this == o); }
};

// The header facts a line records (kept with the line's record in
// LineRecords).
struct HeaderRecord {
    HeaderKind blockKind = HeaderKind::None;
    QString blockName;
    QString blockDetail;
    bool detailSet = false; // blockDetail was written by this check
    int namePos = -1;
    bool isLocal = false;
    bool opensBlock = false;
    bool groupMark = false;
    GroupMark groupMarkKind = GroupMark::None;

    bool isEmpty() const { return blockKind == HeaderKind::None && !opensBlock && !groupMark; }
};

// A maximal run of one non-default format.
struct FormatSpan {
    int start = 0;
    int length = 0;
    FormatId format = FormatId::None;
};

// Everything checking one line produces. The formats are the final format
// of every character: a later paint overwrites an earlier one.
struct LineCheckResult {
    int state = BlockState::root;
    QVector<FormatId> formats;           // one per character of the line
    QVector<LineDiagnostic> diagnostics; // in raising order
    HeaderRecord header;
    QVector<IdentifierRecord> identifiers;
    // A header met inside a body: the block the previous line was in is
    // never closed (see UnclosedBlock).
    bool leavesBlockOpen = false;

    void reset(int lineLength)
    {
        state = BlockState::root;
        leavesBlockOpen = false;
        formats.fill(FormatId::None, lineLength);
        diagnostics.clear();
        header = HeaderRecord();
        identifiers.clear();
    }

    // Hands each maximal run of one non-default format to visit, in line
    // order, without building a list.
    template <typename Visit> void forEachSpan(Visit visit) const
    {
        const int n = formats.size();
        int i = 0;
        while (i < n) {
            const FormatId f = formats[i];
            int j = i + 1;
            while (j < n && formats[j] == f)
                ++j;
            if (f != FormatId::None)
                visit(FormatSpan{i, j - i, f});
            i = j;
        }
    }

    QVector<FormatSpan> spans() const
    {
        QVector<FormatSpan> runs;
        forEachSpan([&runs](const FormatSpan& span) { runs.append(span); });
        return runs;
    }
};
