#include "SarifReport.h"

#include "checker/core/DiagnosticKinds.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString sarifVersion = QStringLiteral("2.1.0");
const QString sarifSchema =
    QStringLiteral("https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json");
const QString toolName = QStringLiteral("korvel-check");
// Positions are counted in UTF-16 code units, as the checker counts them.
const QString columnKind = QStringLiteral("utf16CodeUnits");
const QString workingDirBase = QStringLiteral("SRCROOT");
const QString quotedNamePlaceholder = QStringLiteral("`\u2026'");
const QString fallbackRuleId = QStringLiteral("diagnostic");
constexpr int maxRuleIdLength = 64;

QString level(Severity type)
{
    switch (summaryClass(type)) {
    case SummaryClass::Error: return QStringLiteral("error");
    case SummaryClass::Warning: return QStringLiteral("warning");
    case SummaryClass::Info:
    case SummaryClass::Task:
    case SummaryClass::Uncounted: break;
    }
    return QStringLiteral("note");
}

// "Illegal characters after identifier `$iif' closing bracket" and the same
// for `$gettok' are one rule.
QString ruleDescription(const QString& message)
{
    static const QRegularExpression quotedName(QStringLiteral("`[^`']*'"));
    return QString(message).replace(quotedName, quotedNamePlaceholder);
}

// A stable, readable id: the description's words in lower case, joined by "-".
QString ruleIdFrom(const QString& description)
{
    QString id;
    for (const QChar c : description.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            id += c;
        else if (!id.isEmpty() && !id.endsWith(QLatin1Char('-')))
            id += QLatin1Char('-');
    }
    if (id.size() > maxRuleIdLength)
        id.truncate(maxRuleIdLength);
    while (id.endsWith(QLatin1Char('-')))
        id.chop(1);
    return id.isEmpty() ? fallbackRuleId : id;
}

QJsonObject text(const QString& value)
{
    return QJsonObject{{QStringLiteral("text"), value}};
}

} // namespace

SarifReport::SarifReport(const QDir& workingDir)
    : workingDir(workingDir)
{
}

int SarifReport::ruleIndex(const QString& message, Severity type)
{
    const QString description = ruleDescription(message);
    const auto known = ruleByDescription.constFind(description);
    if (known != ruleByDescription.cend())
        return *known;

    const QString baseId = ruleIdFrom(description);
    QString id = baseId;
    for (int suffix = 2; ruleIds.contains(id); ++suffix)
        id = baseId + QLatin1Char('-') + QString::number(suffix);
    ruleIds.insert(id);

    rules.append(QJsonObject{
        {QStringLiteral("id"), id},
        {QStringLiteral("shortDescription"), text(description)},
        {QStringLiteral("defaultConfiguration"), QJsonObject{{QStringLiteral("level"), level(type)}}},
    });
    const int index = int(rules.size()) - 1;
    ruleByDescription.insert(description, index);
    return index;
}

QJsonObject SarifReport::artifactLocation(const QString& file) const
{
    const QString absolute = QFileInfo(file).absoluteFilePath();
    const QString relative = workingDir.relativeFilePath(absolute);
    const bool underWorkingDir = !QDir::isAbsolutePath(relative) && relative != QLatin1String("..")
        && !relative.startsWith(QLatin1String("../"));
    if (!underWorkingDir)
        return QJsonObject{{QStringLiteral("uri"), QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)}};

    QUrl uri;
    // A first segment with a ":" would read as a scheme.
    uri.setPath(relative.section(QLatin1Char('/'), 0, 0).contains(QLatin1Char(':')) ? QLatin1String("./") + relative
                                                                                    : relative);
    return QJsonObject{{QStringLiteral("uri"), uri.toString(QUrl::FullyEncoded)},
                       {QStringLiteral("uriBaseId"), workingDirBase}};
}

QString SarifReport::lineChecked(const QString& file, const ScriptLine& line, const LineCheckResult& result)
{
    for (const LineDiagnostic& diagnostic : result.diagnostics)
        add(file, line, diagnostic);
    return QString();
}

void SarifReport::add(const QString& file, const ScriptLine& line, const LineDiagnostic& diagnostic)
{
    const int index = ruleIndex(diagnostic.message, diagnostic.type);
    const QString kind = diagnosticKind(diagnostic.type);
    const QJsonObject region{{QStringLiteral("startLine"), line.fileLine},
                             {QStringLiteral("startColumn"), line.fileColumn + diagnostic.pos + 1}};
    const QJsonObject location{{QStringLiteral("physicalLocation"),
                                QJsonObject{{QStringLiteral("artifactLocation"), artifactLocation(file)},
                                            {QStringLiteral("region"), region}}}};
    QJsonObject properties{{QStringLiteral("kind"), kind}};
    if (!diagnostic.block.isEmpty())
        properties.insert(QStringLiteral("block"), diagnostic.block);
    results.append(QJsonObject{
        {QStringLiteral("ruleId"), rules.at(index).toObject().value(QStringLiteral("id"))},
        {QStringLiteral("ruleIndex"), index},
        {QStringLiteral("level"), level(diagnostic.type)},
        {QStringLiteral("message"), text(diagnostic.message.isEmpty() ? kind : diagnostic.message)},
        {QStringLiteral("locations"), QJsonArray{location}},
        {QStringLiteral("properties"), properties},
    });
}

QString SarifReport::fileUnreadable(const QString& file, const QString& error)
{
    const QJsonObject location{{QStringLiteral("physicalLocation"),
                                QJsonObject{{QStringLiteral("artifactLocation"), artifactLocation(file)}}}};
    notifications.append(QJsonObject{
        {QStringLiteral("level"), QStringLiteral("error")},
        {QStringLiteral("message"), text(QStringLiteral("cannot read %1: %2").arg(file, error))},
        {QStringLiteral("locations"), QJsonArray{location}},
    });
    return QString();
}

QString SarifReport::finished(const CheckSummary&)
{
    return QString::fromUtf8(document());
}

QByteArray SarifReport::document() const
{
    const QJsonObject driver{{QStringLiteral("name"), toolName}, {QStringLiteral("rules"), rules}};
    const QJsonObject invocation{{QStringLiteral("executionSuccessful"), notifications.isEmpty()},
                                 {QStringLiteral("toolExecutionNotifications"), notifications}};
    QString base = QUrl::fromLocalFile(workingDir.absolutePath()).toString(QUrl::FullyEncoded);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    const QJsonObject run{
        {QStringLiteral("tool"), QJsonObject{{QStringLiteral("driver"), driver}}},
        {QStringLiteral("columnKind"), columnKind},
        {QStringLiteral("originalUriBaseIds"),
         QJsonObject{{workingDirBase, QJsonObject{{QStringLiteral("uri"), base}}}}},
        {QStringLiteral("invocations"), QJsonArray{invocation}},
        {QStringLiteral("results"), results},
    };
    const QJsonObject log{{QStringLiteral("$schema"), sarifSchema},
                          {QStringLiteral("version"), sarifVersion},
                          {QStringLiteral("runs"), QJsonArray{run}}};
    return QJsonDocument(log).toJson(QJsonDocument::Indented);
}
