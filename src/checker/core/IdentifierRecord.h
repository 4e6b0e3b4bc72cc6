#pragma once

#include <QString>
#include <QVector>

// One "$" occurrence found in a checked line, kept for the editor's hover,
// call tips and completion.
struct IdentifierRecord {
    QString name;         // as written, lower-cased, with "$"/"$$", without "("
    int start = 0;        // position of the "$"
    int end = 0;          // last position that belongs to the occurrence
    int propertyPos = -1; // "." of a property; -1 none; 0 for the form without parentheses
    bool hasParens = false;
    QVector<int> commaPositions; // top-level commas inside the parentheses
    int isBreak = 0;             // 1 only for a lone "$" marker

    bool operator==(const IdentifierRecord& o) const
    {
        return name == o.name && start == o.start && end == o.end && propertyPos == o.propertyPos
            && hasParens == o.hasParens && commaPositions == o.commaPositions && isBreak == o.isBreak;
    }
};
