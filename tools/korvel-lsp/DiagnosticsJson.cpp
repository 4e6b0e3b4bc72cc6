#include "DiagnosticsJson.h"

#include "JsonText.h"
#include "checker/core/DiagnosticKinds.h"

#include <cstring>

namespace {

struct SeverityMapping {
    Severity checkerType;
    LspSeverity severity;
};

const SeverityMapping severityMappings[] = {
    {Severity::Information, LspSeverity::Information},
    {Severity::Warning, LspSeverity::Warning},
    {Severity::Error, LspSeverity::Error},
    {Severity::AccessLevel, LspSeverity::Information}, // the access-level note
};

} // namespace

LspSeverity lspSeverity(Severity checkerType)
{
    for (const SeverityMapping& mapping : severityMappings)
        if (mapping.checkerType == checkerType)
            return mapping.severity;
    return isTask(checkerType) ? LspSeverity::Hint : LspSeverity::Information;
}

LineDiagnosticsJson LineDiagnosticsJson::write(const QVector<LineDiagnostic>& diagnostics, const QVector<int>& ends)
{
    LineDiagnosticsJson json;
    QByteArray& out = json.text;
    for (int k = 0; k < diagnostics.size(); ++k) {
        const LineDiagnostic& diagnostic = diagnostics[k];
        if (k > 0)
            out.append(',');
        out.append("{\"range\":{\"start\":{\"line\":");
        json.lineSlots.append(int(out.size()));
        out.append(",\"character\":").append(QByteArray::number(diagnostic.pos));
        out.append("},\"end\":{\"line\":");
        json.lineSlots.append(int(out.size()));
        out.append(",\"character\":").append(QByteArray::number(ends[k]));
        out.append("}},\"severity\":").append(QByteArray::number(int(lspSeverity(diagnostic.type))));
        const QLatin1String kind = diagnosticKind(diagnostic.type);
        out.append(",\"code\":\"").append(kind.data(), kind.size());
        out.append("\",\"source\":\"korvel\",\"message\":");
        appendJsonString(out, diagnostic.message);
        out.append('}');
    }
    return json;
}

char* LineDiagnosticsJson::copyTo(char* out, const char* lineNumber, qsizetype lineNumberDigits) const
{
    const char* source = text.constData();
    int from = 0;
    for (int slot : lineSlots) {
        std::memcpy(out, source + from, size_t(slot - from));
        out += slot - from;
        std::memcpy(out, lineNumber, size_t(lineNumberDigits));
        out += lineNumberDigits;
        from = slot;
    }
    std::memcpy(out, source + from, size_t(text.size() - from));
    return out + (text.size() - from);
}
