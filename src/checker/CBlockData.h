#pragma once

#include "DumErr.h"
#include "checker/core/HeaderKind.h"
#include "checker/core/IdentifierRecord.h"

#include <QString>
#include <QTextBlockUserData>
#include <QVector>

// The checker's record of one text block, owned by the block.
class CBlockData : public QTextBlockUserData {
public:
    DumErr errorCarrier;
    HeaderKind blockKind = HeaderKind::None;
    bool isLocal = false;
    QString blockDetail;
    QString blockName;
    int namePos = -1;
    bool opensBlock = false;
    bool carrierConnected = false;
    bool groupMark = false;
    GroupMark groupMarkKind = GroupMark::None;
    QVector<IdentifierRecord> identifiers;
};
