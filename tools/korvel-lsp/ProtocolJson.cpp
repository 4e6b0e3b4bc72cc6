#include "ProtocolJson.h"

QJsonObject jsonPosition(int line, int character)
{
    return QJsonObject{{QStringLiteral("line"), line}, {QStringLiteral("character"), character}};
}

QJsonObject jsonRange(int startLine, int startCharacter, int endLine, int endCharacter)
{
    return QJsonObject{{QStringLiteral("start"), jsonPosition(startLine, startCharacter)},
                       {QStringLiteral("end"), jsonPosition(endLine, endCharacter)}};
}
