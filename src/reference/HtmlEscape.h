#pragma once

#include <QString>

// The text with "&", "<" and ">" written as HTML entities, in that order.
QString escapedHtml(QString text);
