// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's catalogue of fonts where fontconfig keeps it (Linux and other freedesktop systems): one
// made from the settings of fonts/fonts.conf alone, with only the bundled faces. The machine's
// fonts and settings change nothing, and the start reads no folder of fonts and no file of its.
#include "assets/fonts.h"

#include <fontconfig/fontconfig.h>
#include <QResource>

void Fonts::useOwnCatalogue()
{
    const QByteArray settings = QResource(QStringLiteral(":/fonts/fonts.conf")).uncompressedData();
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    if (FcConfigParseAndLoadFromMemory(
            config, reinterpret_cast<const FcChar8*>(settings.constData()), FcTrue))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config);
}
