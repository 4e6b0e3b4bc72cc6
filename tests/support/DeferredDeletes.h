#pragma once

#include <QCoreApplication>
#include <QEvent>

// Windows closed with delete-on-close go away at the next deferred delete;
// this runs it now.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
