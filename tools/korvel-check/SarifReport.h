#pragma once

#include "checker/core/LineCheckResult.h"

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QSet>
#include <QString>

// The findings of one korvel-check run as a SARIF 2.1.0 log, the format
// that code-scanning services of forges show next to the lines. Each kind
// of message is a rule: names quoted in a message (`$iif') are left out of
// its rule, so one rule covers every identifier it is raised for. Files
// under the working folder are named relative to it.
class SarifReport {
public:
    explicit SarifReport(const QDir& workingDir);

    void add(const QString& file, int lineNumber, const LineDiagnostic& diagnostic);
    void addUnreadable(const QString& file, const QString& error);

    QByteArray document() const;

private:
    int ruleIndex(const QString& message, Severity type);
    QJsonObject artifactLocation(const QString& file) const;

    QDir workingDir;
    QJsonArray rules;
    QJsonArray results;
    QJsonArray notifications;
    QHash<QString, int> ruleByDescription;
    QSet<QString> ruleIds;
};
