#pragma once

#include <QByteArray>
#include <QString>

// A QString as a JSON string literal (with its quotes), UTF-8 encoded. Used
// where messages are written directly rather than through QJsonDocument,
// which would be too slow for the diagnostics of a very long script. A lone
// UTF-16 surrogate, which no UTF-8 text can hold, is written as U+FFFD.
void appendJsonString(QByteArray& out, const QString& text);

// QJsonDocument's compact text made valid JSON for every client: it escapes
// a lone surrogate as "\udXXX", which strict parsers refuse; those escapes
// become "\ufffd".
QByteArray validJsonText(QByteArray json);
