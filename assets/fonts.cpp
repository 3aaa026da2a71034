#include "fonts.h"

// Placeholder until the bundled faces land: the toolkit's substitution applies.
namespace Fonts {

void registerBundled()
{ }

QFont rounded(qreal points, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial Rounded MT Bold"));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont sansSerif(qreal points, QFont::Weight weight)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace Fonts
