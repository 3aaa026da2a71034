#include "assets/fonts.h"

#include <QFontDatabase>
#include <QResource>

namespace Fonts {

namespace {

// The families of the bundled files; the originals come first where a machine has them.
const QLatin1String RoundedOriginal("Arial Rounded MT Bold");
const QLatin1String RoundedBundled("Quicksand");
const QLatin1String SansOriginal("MS Sans Serif");
const QLatin1String SansBundled("Liberation Sans");

void addBundled(const QString& path)
{
    // Hand Qt the built-in bytes themselves rather than a copy.
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(resource.data()), resource.size()));
        return;
    }
    QFontDatabase::addApplicationFont(path);
}

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

void registerBundled()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    addBundled(QStringLiteral(":/fonts/Quicksand-Bold.ttf"));
    addBundled(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    addBundled(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
}

QFont rounded(qreal points, QFont::Weight weight)
{
    return font({RoundedOriginal, RoundedBundled}, points, weight);
}

QFont sansSerif(qreal points, QFont::Weight weight)
{
    return font({SansOriginal, SansBundled}, points, weight);
}

} // namespace Fonts
