#pragma once

#include "DocumentAliases.h"

#include <QHash>
#include <QString>
#include <QVector>

// The aliases of a set of documents (the open ones and the script files of
// a workspace folder), each document named by a key of the caller's choice
// (a path or a URI). Answers go to definition, find references and
// workspace symbols. Names compare case-insensitively, as mIRC calls them.
class AliasIndex {
public:
    struct Location {
        QString document;
        AliasSite site;
    };
    struct Symbol {
        QString name; // as written
        Location location;
        bool isLocal = false;
    };

    void setDocument(const QString& document, DocumentAliases aliases);
    void removeDocument(const QString& document);
    bool contains(const QString& document) const { return documents.contains(document); }

    // The alias name defined or called at a position, lower-cased; empty
    // when the position is on neither.
    QString nameAt(const QString& document, int line, int character) const;
    // Where `name` is defined, as seen from `fromDocument`: its own
    // definitions first; a local alias ("alias -l") only in its own document.
    QVector<Location> definitions(const QString& name, const QString& fromDocument) const;
    // Every call of `name` (and its definitions, when asked), document by
    // document in key order, each in line order.
    QVector<Location> references(const QString& name, bool withDefinitions) const;
    // The aliases whose name holds `query` (case-insensitively; every alias
    // for an empty query), in key order.
    QVector<Symbol> symbols(const QString& query) const;

private:
    QHash<QString, DocumentAliases> documents;
};
