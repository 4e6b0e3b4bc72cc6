#pragma once

#include "mirc-fake/FakeMircState.h"
#include "mirc/MircLink.h"
#include "mirc/win32/MircSharedMemoryLayout.h"

#include <QList>
#include <QString>

// A link to mIRC instances that live in the test itself: each answers and
// applies commands like the fake mIRC program, and texts longer than the
// shared memory allows are refused as the real link refuses them.
class FakeMircLink : public MircLink {
public:
    struct Instance {
        MircWindowHandle window;
        FakeMircState state;
    };
    QList<Instance> instances;

    // `stateText` as the fake program reads it ("key value" lines).
    void add(quint64 window, const QString& stateText)
    {
        instances.append({MircWindowHandle{window}, FakeMircState::parse(stateText.toStdWString())});
    }

    FakeMircState* state(MircWindowHandle window)
    {
        for (Instance& instance : instances) {
            if (instance.window == window)
                return &instance.state;
        }
        return nullptr;
    }

    QStringList performed(MircWindowHandle window)
    {
        QStringList commands;
        if (const FakeMircState* s = state(window)) {
            for (const std::wstring& command : s->performed())
                commands.append(QString::fromStdWString(command));
        }
        return commands;
    }

    QList<MircWindowHandle> findInstances() override
    {
        QList<MircWindowHandle> windows;
        for (const Instance& instance : std::as_const(instances))
            windows.append(instance.window);
        return windows;
    }

    MircEvaluation evaluate(MircWindowHandle window, const QString& expression) override
    {
        if (!fits(expression))
            return {MircLinkStatus::TextTooLong, QString()};
        const FakeMircState* s = state(window);
        if (!s || s->hangs())
            return {MircLinkStatus::Unavailable, QString()};
        return {MircLinkStatus::Done, QString::fromStdWString(s->evaluate(expression.toStdWString()))};
    }

    MircLinkStatus command(MircWindowHandle window, const QString& text) override
    {
        if (!fits(text))
            return MircLinkStatus::TextTooLong;
        FakeMircState* s = state(window);
        if (!s)
            return MircLinkStatus::Unavailable;
        s->perform(text.toStdWString());
        return MircLinkStatus::Done;
    }

private:
    static bool fits(const QString& text) { return std::size_t(text.size()) <= MircSharedMemoryLayout::maxTextLength; }
};
