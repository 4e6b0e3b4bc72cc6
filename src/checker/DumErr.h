#pragma once

#include <QObject>
#include <QVector>

// Carries the ids of the diagnostics one line has raised since its last check
// began. When the line's record goes away (the block was deleted or the
// document destroyed) the ids are withdrawn with it.
class DumErr : public QObject {
    Q_OBJECT
public:
    DumErr() = default;
    ~DumErr() override;

    QVector<int> errIds;

signals:
    void doRemErr(QVector<int>& errIds);
};
