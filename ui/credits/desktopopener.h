// Asks the desktop to open a text (a web address, a mail address) with whatever program the user
// has chosen for it. The credits window goes through this so that tests can see what it asks for.
#pragma once

#include <memory>
#include <QString>

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;

    // Hands the text to the desktop; what becomes of it is not reported back.
    virtual void open(const QString& text) = 0;

    // The desktop's own opener.
    static std::shared_ptr<DesktopOpener> system();
};
