#pragma once

#include "DumErr.h"
#include "core/IdentifierRecord.h"

#include <QString>
#include <QTextBlockUserData>
#include <QVector>

// The checker's record of one text block, owned by the block.
class CBlockData : public QTextBlockUserData
{
public:
    DumErr errorCarrier;
    int blockKind = 0;          // 0 none, 1 alias, 2 dialog, 3 event (on, ctcp, raw), 4 menu
    bool isLocal = false;
    QString blockDetail;
    QString blockName;
    int namePos = -1;
    bool opensBlock = false;
    bool carrierConnected = false;
    bool groupMark = false;
    int groupMarkKind = 0;      // 1 group start, 2 group end
    QVector<IdentifierRecord> identifiers;
};
