// --images: every frame of an input written one after another as a sheet's cells, and the
// preview with the frames side by side.
#ifndef CORVANEL_IMAGES_LOT_H
#define CORVANEL_IMAGES_LOT_H

#include "Conversion_Lot.h"

namespace Corvanel
{
class Document_Image;

// Document holds the input's first frame, converted, with its mask when one is needed.
Bilan_Travail Convertir_Images(const Lot &Lot_, const Travail &Travail_,
                               const Document_Image &Document, std::uint8_t Fond,
                               const QString &Nom);
} // namespace Corvanel

#endif
