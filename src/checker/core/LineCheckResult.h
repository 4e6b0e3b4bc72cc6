#pragma once

#include "FormatId.h"
#include "IdentifierRecord.h"

#include <QString>
#include <QVector>

// One problem the checker found in a line.
struct LineDiagnostic {
    int type = 0;        // 1 info, 2 warning, 3 error, 4 access level, 10..15 task markers
    int pos = 0;         // 0-based position in the line
    QString block;       // construct being checked: "root", "alias", "on text", ...; "" for tasks
    QString message;
};

// The header facts a line records (what the highlighter stores in the
// line's CBlockData).
struct HeaderRecord {
    int blockKind = 0;          // 0 none, 1 alias, 2 dialog, 3 event, 4 menu
    QString blockName;
    QString blockDetail;
    bool detailSet = false;     // blockDetail was written by this check
    int namePos = -1;
    bool isLocal = false;
    bool opensBlock = false;
    bool groupMark = false;
    int groupMarkKind = 0;      // 1 group start, 2 group end

    bool isEmpty() const { return blockKind == 0 && !opensBlock && !groupMark; }
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
    int state = 1;
    QVector<FormatId> formats;            // one per character of the line
    QVector<LineDiagnostic> diagnostics;  // in raising order
    HeaderRecord header;
    QVector<IdentifierRecord> identifiers;

    void reset(int lineLength)
    {
        state = 1;
        formats.fill(FormatId::None, lineLength);
        diagnostics.clear();
        header = HeaderRecord();
        identifiers.clear();
    }

    // Hands each maximal run of one non-default format to visit, in line
    // order, without building a list.
    template <typename Visit>
    void forEachSpan(Visit visit) const
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
