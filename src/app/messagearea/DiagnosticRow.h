#pragma once

#include <QString>

// One diagnostic as the checker reports it, before it is listed.
struct DiagnosticRow
{
    QString file;
    int line = 0;
    int column = 0;
    QString block;
    int id = 0;
    int type = 0;
    QString message;
};
