#pragma once

#include <QStringList>
#include <QVector>

// The dialog tables of the real scripts in the directory that KORVEL_CORPUS
// names, read at test time (the scripts are not part of the repository).
struct CorpusTable {
    QString file;
    int headerLine = 0;
    QStringList lines;
};

// False when KORVEL_CORPUS is not set or names no directory.
bool corpusAvailable();
QVector<CorpusTable> corpusTables();
