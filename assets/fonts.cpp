// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>

namespace Fonts {

namespace {

// The families of the bundled files; the originals come first where a machine has them.
const QLatin1String RoundedOriginal("Arial Rounded MT Bold");
const QLatin1String RoundedBundled("Quicksand");
const QLatin1String SansOriginal("MS Sans Serif");
const QLatin1String SansBundled("Liberation Sans");

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
        // Hand Qt the built-in bytes themselves rather than a copy.
        const QResource resource {QString(m_path)};
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
            QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
                reinterpret_cast<const char*>(resource.data()), resource.size()));
            return;
        }
        QFontDatabase::addApplicationFont(QString(m_path));
    }

private:
    QLatin1String m_path;
    bool m_added = false;
};

BundledFace quicksandBold(QLatin1String(":/fonts/Quicksand-Bold.ttf"));
BundledFace liberationSans(QLatin1String(":/fonts/LiberationSans-Regular.ttf"));
BundledFace liberationSansBold(QLatin1String(":/fonts/LiberationSans-Bold.ttf"));

QFont font(QStringList families, qreal points, QFont::Weight weight)
{
    QFont result;
    result.setFamilies(families);
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
    return font({RoundedOriginal, RoundedBundled}, points, weight);
}

QFont sansSerif(qreal points, QFont::Weight weight)
{
    // At regular weight or below Qt picks the regular file, so the bold one waits for a bolder
    // request (only the credits window makes one).
    liberationSans.require();
    if (weight > QFont::Normal)
        liberationSansBold.require();
    return font({SansOriginal, SansBundled}, points, weight);
}

} // namespace Fonts
