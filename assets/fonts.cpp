// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>

namespace Fonts {

namespace {

// The families of the bundled files. They are asked for alone: a machine that has the original
// faces (Windows has "MS Sans Serif") would otherwise set the captions in other widths and break
// them into other lines.
// The browser build bundles smaller copies under names of their own (assets/CMakeLists.txt).
const QLatin1String Rounded(TELMARONDA_ROUNDED_FAMILY);
const QLatin1String Sans(TELMARONDA_SANS_FAMILY);

// Hands a bundled font file to Qt the first time it is needed, and never again.
void require(QLatin1String path)
{
    static QList<QLatin1String> added;
    // Qt keeps application fonts only once the application object exists.
    if (added.contains(path) || !QGuiApplication::instance())
        return;
    if (added.isEmpty())
        useOwnCatalogue();
    added.append(path);
    // Hand Qt the built-in bytes themselves rather than a copy: the fonts are stored uncompressed
    // (assets/CMakeLists.txt).
    const QResource resource {QString(path)};
    QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size()));
}

QFont font(const QString& family, qreal points, QFont::Weight weight)
{
    QFont result(family);
    result.setPointSizeF(points);
    result.setWeight(weight);
    // The same glyphs on every platform plug-in: light vertical hinting, greyscale edges.
    result.setHintingPreference(QFont::PreferVerticalHinting);
    result.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return result;
}

} // namespace

QFont rounded(qreal points, QFont::Weight weight)
{
    require(QLatin1String(":/fonts/rounded-bold.ttf"));
    return font(Rounded, points, weight);
}

QFont sansSerif(qreal points, QFont::Weight weight)
{
    // At regular weight or below Qt picks the regular file, so the bold one waits for a bolder
    // request (only the credits window makes one).
    require(QLatin1String(":/fonts/sans-regular.ttf"));
    if (weight > QFont::Normal)
        require(QLatin1String(":/fonts/sans-bold.ttf"));
    return font(Sans, points, weight);
}

} // namespace Fonts
