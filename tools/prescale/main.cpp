// SPDX-License-Identifier: GPL-3.0-or-later
// Scales each of the crossword window's decorations to the box it is always shown in, on a screen
// of scale 1, with the program's own scaler, and writes it without loss as the BMP the picture
// list names. The build puts these copies into the program, so that such a screen shows the
// decorations without decoding a JPEG or scaling anything.
//   prescale <folder of the stored pictures> <output folder>
#include "assets/picturelist.h"
#include "assets/scaling.h"
#include "puzzle/twips.h"

#include <cstdio>
#include <QDir>
#include <QImageReader>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: prescale <stored pictures> <output folder>\n");
        return 2;
    }
    const QDir stored(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "prescale: cannot create %s\n", argv[2]);
        return 1;
    }
    for (const PictureList::Decoration& decoration : PictureList::Decorations) {
        const QString file = QLatin1String(decoration.stored.file);
        QImageReader reader(stored.filePath(file));
        const QImage picture = reader.read();
        const QSize box = Twips::size(decoration.boxWidth, decoration.boxHeight);
        const QString target = output.filePath(QLatin1String(decoration.scaledAhead));
        if (picture.isNull() || !Pictures::scaledToBox(picture, box).save(target, "bmp")) {
            std::fprintf(stderr, "prescale: cannot scale %s into %s: %s\n", qPrintable(file),
                qPrintable(target), qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
