#pragma once

#include "Reporter.h"
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
// under the working folder are named relative to it. The log is one
// document, written once every file is checked.
class SarifReport : public Reporter {
public:
    explicit SarifReport(const QDir& workingDir);

    QString lineChecked(const QString& file, const ScriptLine& line, const LineCheckResult& result) override;
    QString fileUnreadable(const QString& file, const QString& error) override;
    QString finished(const CheckSummary& summary) override;

private:
    QByteArray document() const;
    void add(const QString& file, const ScriptLine& line, const LineDiagnostic& diagnostic);
    int ruleIndex(const QString& message, Severity type);
    QJsonObject artifactLocation(const QString& file) const;

    QDir workingDir;
    QJsonArray rules;
    QJsonArray results;
    QJsonArray notifications;
    QHash<QString, int> ruleByDescription;
    QSet<QString> ruleIds;
};
