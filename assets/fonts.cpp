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
const QLatin1String Rounded("Quicksand");
const QLatin1String Sans("Liberation Sans");

// One bundled font file, handed to Qt the first time it is needed and never again.
class BundledFace {
public:
    constexpr explicit BundledFace(QLatin1String path)
        : m_path(path)
    { }

    void require()
    {
        // Qt keeps application fonts only once the application object exists.
        if (m_added || !QGuiApplication::instance())
            return;
        m_added = true;
        static const bool catalogue = (useOwnCatalogue(), true);
        static_cast<void>(catalogue);
        // Hand Qt the built-in bytes themselves rather than a copy: the fonts are stored
        // uncompressed (assets/CMakeLists.txt).
        const QResource resource {QString(m_path)};
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(resource.data()), resource.size()));
    }

private:
    QLatin1String m_path;
    bool m_added = false;
};

BundledFace quicksandBold(QLatin1String(":/fonts/Quicksand-Bold.ttf"));
BundledFace liberationSans(QLatin1String(":/fonts/LiberationSans-Regular.ttf"));
BundledFace liberationSansBold(QLatin1String(":/fonts/LiberationSans-Bold.ttf"));

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
    quicksandBold.require();
    return font(Rounded, points, weight);
}

QFont sansSerif(qreal points, QFont::Weight weight)
{
    // At regular weight or below Qt picks the regular file, so the bold one waits for a bolder
    // request (only the credits window makes one).
    liberationSans.require();
    if (weight > QFont::Normal)
        liberationSansBold.require();
    return font(Sans, points, weight);
}

} // namespace Fonts
