#pragma once

#include <QBrush>
#include <QVector>

class MslSyntaxHighlighter;
class QObject;
class QStandardItemModel;

// The item models of the editor's five completion popups: one column whose
// item texts are what the user completes. They are views over the tables of
// the completion and checker libraries; the editor decides when to build
// them and where to show them.

// The identifier parameter table's names, in table order, then "$" + the
// name of every alias header the document's checker has recorded that is not
// listed yet (local aliases with their own icon). Unsorted.
QStandardItemModel* identifierModel(QObject* parent, const MslSyntaxHighlighter* checker);

// The property names of the identifier called name (matched ignoring case;
// a "$$" name finds nothing). Null for a name that is not in the table, an
// empty model for an identifier without properties.
QStandardItemModel* propertyModel(const QString& name, QObject* parent);

// Every colour form, bold, painted in its colours, sorted.
QStandardItemModel* colorModel(QObject* parent);

// The command names, sorted, each with its usage, description and switches
// as its tool tip.
QStandardItemModel* commandModel(QObject* parent);

// The COM ProgIDs in list order, each with its icon.
QStandardItemModel* comModel(QObject* parent);

// One brush per mIRC colour number, built once.
const QVector<QBrush>& colorPalette();
