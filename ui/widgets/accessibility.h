// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers are told about the windows' controls beyond what Qt infers from their
// classes: a role chosen by the window, and announcements of texts that appear again.
#pragma once

#include <QAccessible>

class QWidget;

namespace Accessibility {

// Gives a widget the role screen readers present it by, in place of the one Qt infers from its
// class. Its name is its accessible name and its description its accessible description; of its
// children only those not hidden are part of the accessibility tree. Call it before the widget is
// first shown.
void setRole(QWidget* widget, QAccessible::Role role);

// Tells screen readers that a widget on screen has just been shown again, so that a notification
// that is already showing is read out once more.
void announce(QWidget* widget);

} // namespace Accessibility
