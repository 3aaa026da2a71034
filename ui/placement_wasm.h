// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window stands in a browser page, which is the screen Qt's browser platform shows the
// windows on: Qt places none of them.
#pragma once

class QWidget;

namespace Placement {

// Keeps a top-level window centred in the page: whenever it is shown, once Qt knows the frame it
// draws around it, and when the page changes size; and offers no maximise, which would stretch it
// over the page. On a phone's screen smaller than the window, the page is made wider, so that the
// phone's browser shows it whole, scaled down, at the top of the screen. Asked again for the same
// window, does nothing.
void keepCentred(QWidget* window);

} // namespace Placement
