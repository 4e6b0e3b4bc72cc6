#pragma once

#include <QByteArray>
#include <QString>

// A QString as a JSON string literal (with its quotes), UTF-8 encoded. Used
// where messages are written directly rather than through QJsonDocument,
// which would be too slow for the diagnostics of a very long script.
void appendJsonString(QByteArray& out, const QString& text);
