#pragma once

#include "CheckedDocument.h"
#include "workspace/AliasIndex.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QSet>
#include <QString>

// The alias index of the language server: the script files (.mrc, .ini) of
// the workspace folder, read once when first needed, and the open
// documents, re-read from their checked lines when they changed. Documents
// are keyed by their file URI in one spelling, so that the client's URI and
// a file found on disk meet.
class WorkspaceAliases {
public:
    void setFolder(const QString& path) { folder = path; }

    // The open document changed (or was opened): its aliases are read again
    // before the next answer.
    void markChanged(const QString& uri);
    // The document was closed: a file of the folder is read from disk again,
    // anything else leaves the index.
    void closed(const QString& uri);

    // Brings the index up to date: the folder's files on first use, then
    // every open document that changed, taken from `open`.
    template <typename OpenDocuments> void update(const OpenDocuments& open)
    {
        scanFolder();
        for (const QString& uri : std::as_const(changed)) {
            const auto found = open.constFind(uri);
            if (found != open.constEnd())
                index.setDocument(key(uri), aliasesOf(found->document));
        }
        changed.clear();
    }

    // textDocument/definition, textDocument/references and workspace/symbol.
    QJsonValue definition(const QString& uri, TextPosition position) const;
    QJsonValue references(const QString& uri, TextPosition position, bool withDefinitions) const;
    QJsonArray symbols(const QString& query) const;

    // The one spelling of a URI the index uses.
    static QString key(const QString& uri);

private:
    static DocumentAliases aliasesOf(const CheckedDocument& document);
    void scanFolder();
    QJsonArray locations(const QVector<AliasIndex::Location>& found) const;

    AliasIndex index;
    QString folder;
    bool scanned = false;
    QSet<QString> changed; // URIs of open documents whose aliases are to be read again
};
