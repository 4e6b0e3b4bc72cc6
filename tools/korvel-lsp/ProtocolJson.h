#pragma once

#include <QJsonObject>

// Positions and ranges as the protocol writes them (0-based lines, UTF-16
// code units).
QJsonObject jsonPosition(int line, int character);
QJsonObject jsonRange(int startLine, int startCharacter, int endLine, int endCharacter);
