// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/credits/clock.h"

#include <QElapsedTimer>

namespace {

class MonotonicClock final : public Clock {
public:
    MonotonicClock() { m_timer.start(); }

    double seconds() const override { return static_cast<double>(m_timer.nsecsElapsed()) / 1e9; }

private:
    QElapsedTimer m_timer;
};

} // namespace

std::shared_ptr<const Clock> Clock::monotonic()
{
    static const auto clock = std::make_shared<const MonotonicClock>();
    return clock;
}
