#pragma once

#include <QSet>
#include <QString>
#include <QVector>

// The names offered after a lone "$": every built-in identifier in the
// parameter table's order, then the script's own aliases as "$name" in the
// order their headers appear. An alias whose text is already listed (a
// second header of the same name, or an alias named like a built-in) adds
// nothing, so the first header decides whether it shows as local.
class IdentifierCandidates {
public:
    enum class Origin { BuiltIn, Alias, LocalAlias };

    struct Candidate {
        QString text; // with its "$"
        Origin origin;
    };

    IdentifierCandidates();

    // An alias header's name (without "$") and its -l switch.
    void addAlias(const QString& name, bool isLocal);

    const QVector<Candidate>& items() const { return list; }

private:
    QVector<Candidate> list;
    QSet<QString> texts;
};
