// SPDX-License-Identifier: GPL-3.0-or-later
// The clock the credits window measures its five seconds with. Tests hand the window a clock of
// their own; the program uses a monotonic one, which never jumps back at midnight or when the
// system time is set.
#pragma once

#include <memory>

class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since an arbitrary origin; a later reading is never smaller than an earlier one.
    virtual double seconds() const = 0;

    // The system's monotonic clock.
    static std::shared_ptr<const Clock> monotonic();
};
