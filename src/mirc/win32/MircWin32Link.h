#pragma once

#include "mirc/MircLink.h"

// Korvel on Windows: talks to the mIRC windows of the same desktop directly.
// Creating it creates the shared memory, which then lives as long as the
// process.
class MircWin32Link : public MircLink {
    Q_OBJECT
public:
    explicit MircWin32Link(QObject* parent = nullptr);

    QList<MircWindowHandle> findInstances() override;
    MircEvaluation evaluate(MircWindowHandle window, const QString& expression) override;
    MircLinkStatus command(MircWindowHandle window, const QString& text) override;
};
