#pragma once

#include <QString>

// The script the highlighter benchmarks work on: the real-script corpus
// ($KORVEL_CORPUS, or ../shared/corpus beside the checkout), every file once
// and loaded as the editor loads it, concatenated; repeated until it has at
// least `minimumLines` lines, or cut after `maximumLines` (0: no limit).
// Without a corpus, made-up scripts of the usual constructs stand in.
struct BenchScript {
    QString text;
    QString origin; // what the text was made of, for the report
    int lines = 0;
};

BenchScript loadBenchScript(int minimumLines, int maximumLines);

// Processor time of this process in seconds (less disturbed by other
// programs on a busy machine than the wall clock).
double processorSeconds();
