#pragma once

#include "DocumentKind.h"

#include <QStringList>
#include <QStringView>

namespace DocumentKinds {

// The kind of a plain file by the rule of fromContent, from its lines handed
// over one at a time (a file read piece by piece): addLine() takes them in
// order and returns false once the kind is decided (a header line was met);
// kind() gives the kind of the lines added so far.
class ContentKind {
public:
    bool addLine(QStringView line);
    DocumentKind kind() const;

private:
    QStringList topLevel; // lower-cased and trimmed
    int depth = 0;
    bool remote = false;
};

} // namespace DocumentKinds
