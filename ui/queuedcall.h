// SPDX-License-Identifier: GPL-3.0-or-later
// A call made once control is back in the event loop, after the event being handled: asked for
// any number of times before then, it runs once. It belongs to the object it calls into and is
// dropped with it.
#pragma once

#include <functional>
#include <QObject>

class QueuedCall {
public:
    QueuedCall(QObject* owner, std::function<void()> call)
        : m_owner(owner)
        , m_call(std::move(call))
    { }
    QueuedCall(const QueuedCall&) = delete;
    QueuedCall& operator=(const QueuedCall&) = delete;

    void request()
    {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(
            m_owner, [this] { runIfPending(); }, Qt::QueuedConnection);
    }

    // Makes the call now if it is still to come; the queued one then does nothing.
    void runIfPending()
    {
        if (!m_pending)
            return;
        m_pending = false;
        m_call();
    }

private:
    QObject* m_owner;
    std::function<void()> m_call;
    bool m_pending = false;
};
