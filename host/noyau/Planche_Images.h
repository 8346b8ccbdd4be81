// The frames of an animation saved as one sheet: frame i is the sprite "<nom>_<i>".
#ifndef CORVANEL_PLANCHE_IMAGES_H
#define CORVANEL_PLANCHE_IMAGES_H

#include "Decoupage.h"

#include <functional>
#include <optional>

namespace Corvanel
{
// Every frame of the document's picture file in order, read one at a time and converted with
// the document's level count, bands and choices; the frame the document shows is taken as it
// stands, retouching and mask included. A picture of one frame is a sheet of one. With
// Fond_Mask each converted frame gets its automatic mask of that background. Chaque, when
// given, sees each frame's picture as it is saved. A frame that cannot be read fails the sheet
// (the reason in Detail) and leaves the file that was there as it was. Compresser packs the
// sheet's text as Enregistrer_Planche does.
Resultat_Planche
Enregistrer_Images(const Document_Image &Document, std::optional<std::uint8_t> Fond_Mask,
                   const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Chemin,
                   const QString &Nom, const Options_Appel &Options = {}, bool Compresser = false,
                   const std::function<void(int, const Document_Image &)> &Chaque = {});
} // namespace Corvanel

#endif
