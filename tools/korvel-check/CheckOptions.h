#pragma once

#include "checker/core/DocumentKind.h"

#include <QString>
#include <QStringList>

// What the command line asked korvel-check to do.
struct CheckOptions {
    enum class Format { Text, Json, Sarif };

    Format format = Format::Text;
    bool trace = false;
    bool quiet = false;
    // --kind: unset (auto) detects each file's kind as the editor does.
    bool kindGiven = false;
    DocumentKind kind = DocumentKind::Remote;
    QStringList files;
};

struct ParsedCommandLine {
    enum class Outcome { Run, Help, UsageError };

    Outcome outcome = Outcome::Run;
    CheckOptions options;
    QString error; // for UsageError: what was wrong
};

// Parses the arguments after the program name. "--" ends the options, so a
// file whose name starts with "-" can still be checked.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

// The text printed for --help and after a usage error.
QString usageText();
