#include "ui/credits/desktopopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class SystemOpener final : public DesktopOpener {
public:
    void open(const QString& text) override { QDesktopServices::openUrl(QUrl(text)); }
};

} // namespace

std::shared_ptr<DesktopOpener> DesktopOpener::system()
{
    static const auto opener = std::make_shared<SystemOpener>();
    return opener;
}
