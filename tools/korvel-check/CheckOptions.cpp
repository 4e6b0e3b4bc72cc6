#include "CheckOptions.h"

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    ParsedCommandLine parsed;
    CheckOptions& options = parsed.options;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            options.files.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            parsed.outcome = ParsedCommandLine::Outcome::Help;
            return parsed;
        } else if (argument == QLatin1String("--format=text")) {
            options.format = CheckOptions::Format::Text;
        } else if (argument == QLatin1String("--format=json")) {
            options.format = CheckOptions::Format::Json;
        } else if (argument == QLatin1String("--format=sarif")) {
            options.format = CheckOptions::Format::Sarif;
        } else if (argument.startsWith(QLatin1String("--format"))) {
            parsed.outcome = ParsedCommandLine::Outcome::UsageError;
            parsed.error = QStringLiteral("unknown format in '%1' (use --format=text, --format=json or --format=sarif)")
                               .arg(argument);
            return parsed;
        } else if (argument.startsWith(QLatin1String("--kind="))) {
            const QString word = argument.mid(int(qstrlen("--kind=")));
            options.kindGiven = word != QLatin1String("auto");
            if (options.kindGiven && !DocumentKinds::fromName(word, &options.kind)) {
                parsed.outcome = ParsedCommandLine::Outcome::UsageError;
                parsed.error = QStringLiteral("unknown kind in '%1' (use --kind=auto, remote, aliases, popups, "
                                              "variables or users)")
                                   .arg(argument);
                return parsed;
            }
        } else if (argument == QLatin1String("--trace")) {
            options.trace = true;
        } else if (argument == QLatin1String("--quiet")) {
            options.quiet = true;
        } else {
            parsed.outcome = ParsedCommandLine::Outcome::UsageError;
            parsed.error = QStringLiteral("unknown option '%1'").arg(argument);
            return parsed;
        }
    }
    if (options.files.isEmpty()) {
        parsed.outcome = ParsedCommandLine::Outcome::UsageError;
        parsed.error = QStringLiteral("no script file given");
    }
    return parsed;
}

QString usageText()
{
    return QStringLiteral("usage: korvel-check [--format=text|json|sarif] [--kind=KIND] [--trace] [--quiet] FILE...\n"
                          "\n"
                          "Checks mIRC scripts (plain .mrc scripts and .ini files) line by line,\n"
                          "as the Korvel editor does, and prints what it finds.\n"
                          "\n"
                          "  --kind=KIND    what the files hold: remote, aliases, popups, variables or\n"
                          "                 users; auto (the default) tells each file's kind from its\n"
                          "                 INI section or its lines, as the editor does\n"
                          "  --format=text  per diagnostic FILE:LINE:COL: KIND: MESSAGE [BLOCK], the source\n"
                          "                 line and a caret, then a summary line (the default)\n"
                          "  --format=json  one JSON object per line, no summary: for each file one that\n"
                          "                 names the kind it was checked as, {\"file\":...,\"kind\":...},\n"
                          "                 then one per diagnostic\n"
                          "  --format=sarif one SARIF 2.1.0 log of every file, for code-scanning services;\n"
                          "                 files under the working folder are named relative to it\n"
                          "  --trace        (text and json) before a line's diagnostics, the line's number in\n"
                          "                 the script's text (an INI file's without its section lines),\n"
                          "                 end state, format spans and header record, separated by tabs\n"
                          "  --quiet        print the summary line only (in either format)\n"
                          "\n"
                          "Diagnostics name the file's own line and column: in an INI file the key\n"
                          "before a line's code (\"n1=\") counts in the column.\n"
                          "\n"
                          "Exit status: 0 without errors, 1 when an error was found, 2 for a usage error,\n"
                          "a file that could not be read (the other files are still checked) or a report\n"
                          "that could not be written.\n");
}
