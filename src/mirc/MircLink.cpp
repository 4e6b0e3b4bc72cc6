#include "MircLink.h"

#include <QPointer>
#include <QTimer>

#ifdef _WIN32
#include "mirc/win32/MircWin32Link.h"
#else
#include "mirc/bridge/MircBridgeLink.h"
#endif

namespace {

std::function<std::unique_ptr<MircLink>()>& linkFactory()
{
    static std::function<std::unique_ptr<MircLink>()> factory;
    return factory;
}

} // namespace

QList<MircEvaluation> MircLink::evaluateAll(MircWindowHandle window, const QStringList& expressions)
{
    QList<MircEvaluation> results;
    results.reserve(expressions.size());
    for (const QString& expression : expressions)
        results.append(evaluate(window, expression));
    return results;
}

void MircLink::findInstancesLater(QObject* context, std::function<void(const QList<MircWindowHandle>&)> done)
{
    const QPointer<MircLink> self(this);
    QTimer::singleShot(0, context, [self, done] {
        if (self)
            done(self->findInstances());
    });
}

void MircLink::evaluateAllLater(QObject* context, MircWindowHandle window, const QStringList& expressions,
                                std::function<void(const QList<MircEvaluation>&)> done)
{
    const QPointer<MircLink> self(this);
    QTimer::singleShot(0, context, [self, window, expressions, done] {
        if (self)
            done(self->evaluateAll(window, expressions));
    });
}

void setMircLinkFactory(std::function<std::unique_ptr<MircLink>()> factory)
{
    linkFactory() = std::move(factory);
}

std::unique_ptr<MircLink> createMircLink()
{
    if (linkFactory())
        return linkFactory()();
#ifdef _WIN32
    return std::make_unique<MircWin32Link>();
#else
    return std::make_unique<MircBridgeLink>(WineSettings::fromEnvironment());
#endif
}
