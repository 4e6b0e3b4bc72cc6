#include "MircWin32Link.h"

#include "MircWin32Core.h"

namespace {

MircLinkStatus linkStatus(MircWin32::Status status)
{
    switch (status) {
    case MircWin32::Status::Done: return MircLinkStatus::Done;
    case MircWin32::Status::TextTooLong: return MircLinkStatus::TextTooLong;
    case MircWin32::Status::NoSharedMemory:
    case MircWin32::Status::NoAnswer: break;
    }
    return MircLinkStatus::Unavailable;
}

HWND toWindow(MircWindowHandle window)
{
    return reinterpret_cast<HWND>(static_cast<quintptr>(window.id));
}

} // namespace

MircWin32Link::MircWin32Link(QObject* parent)
    : MircLink(parent)
{
    MircWin32::SharedMemory::instance();
}

QList<MircWindowHandle> MircWin32Link::findInstances()
{
    QList<MircWindowHandle> found;
    for (HWND window : MircWin32::findInstances())
        found.append(MircWindowHandle{quint64(reinterpret_cast<quintptr>(window))});
    return found;
}

MircEvaluation MircWin32Link::evaluate(MircWindowHandle window, const QString& expression)
{
    std::wstring result;
    const MircWin32::Status status = MircWin32::evaluate(toWindow(window), expression.toStdWString(), result);
    return {linkStatus(status), QString::fromStdWString(result)};
}

MircLinkStatus MircWin32Link::command(MircWindowHandle window, const QString& text)
{
    return linkStatus(MircWin32::command(toWindow(window), text.toStdWString()));
}
