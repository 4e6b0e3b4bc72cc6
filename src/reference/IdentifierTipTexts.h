#pragma once

#include "CallTipOverload.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// The texts the call tip and the hover tip show for a built-in identifier,
// made from the identifier table's hover and overload columns. Names match
// ignoring case; the texts spell the name as the table does.

// One parameter of a call-tip overload.
struct CallTipParameter {
    QString name;         // without the literal mark
    bool literal = false; // a value typed as it stands (the "~~" entries)

    // As the tip writes it: "<name>", or a literal as it stands.
    QString shown() const;
};

// One overload of a call-tip entry, as plain text.
struct CallTipSignature {
    QString identifier;
    QVector<CallTipParameter> parameters;
    QString description;

    // "$gettok(<string>, <N[-[N2]]>, <delimiter>)".
    QString text() const;
};

// The overloads of name in table order; empty when the identifier table has
// no such name.
QList<CallTipSignature> callTipSignatures(const QString& name);

// The overloads of name with parameter paramIndex (0-based) in bold in each
// signature; an index past an overload's last parameter marks nothing there.
// Empty when the identifier table has no such name.
QList<CallTipOverload> callTipOverloads(const QString& name, int paramIndex);

// The hover entry of name: the identifier as the table spells it and its
// parameter texts with their brackets. Empty when the identifier table has
// no such name.
struct HoverSignature {
    QString identifier;
    QStringList parameters;

    bool isEmpty() const { return identifier.isEmpty(); }
    // "$gettok(<string>, <N[-[N2]]>, <delimiter>)".
    QString text() const;
};
HoverSignature hoverSignature(const QString& name);

// The parameter list of name as one HTML paragraph, with the parameter at
// boldIndex in bold (-1: none). Empty when the identifier table has no such name.
QString identifierHoverHtml(const QString& name, int boldIndex = -1);

// What the editor's hover tip shows for name: the parameter list, each
// overload with its description and the properties. Empty when the
// identifier table has no such name.
QString identifierHoverTipHtml(const QString& name);

// The same as Markdown, for the language server's hover and completion.
QString identifierMarkdown(const QString& name);
