#include "Etat_Document.h"

#include <QTransform>

namespace Corvanel
{
QImage Images_Source::Disposer(QImage Image) const
{
    if (!Partie.isNull())
        Image = Image.copy(Partie);
    if (Quarts != 0)
        Image = Image.transformed(QTransform().rotate(90 * Quarts));
    return Image;
}

void Images_Source::Tourner(QSize Source, QRect Gardee)
{
    if (!Gardee.isNull())
    {
        // The part kept, taken back through the turns already made into the part kept before.
        const QSize Avant = Quarts % 2 != 0 ? Source.transposed() : Source;
        const QTransform Tours =
            QImage::trueMatrix(QTransform().rotate(90 * Quarts), Avant.width(), Avant.height());
        const QRect Dedans = Tours.inverted().mapRect(QRectF(Gardee)).toAlignedRect();
        Partie = Dedans.translated(Partie.isNull() ? QPoint() : Partie.topLeft());
    }
    Quarts = (Quarts + 1) % 4;
}
} // namespace Corvanel
