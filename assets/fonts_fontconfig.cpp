// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's catalogue of fonts where fontconfig keeps it (Linux and other freedesktop systems).
#include "assets/fonts.h"

#include <fontconfig/fontconfig.h>
#include <QResource>

void Fonts::useOwnCatalogue()
{
    // Made from the settings alone: no folder is scanned and no file of the machine's is read.
    const QByteArray settings = QResource(QStringLiteral(":/fonts/fonts.conf")).uncompressedData();
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    if (FcConfigParseAndLoadFromMemory(
            config, reinterpret_cast<const FcChar8*>(settings.constData()), FcTrue))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config);
}
