// Saving a tile map: every unique tile through the save plug-in, as a save of that tile alone
// would write it, gathered into one source file with the map.
#ifndef CORVANEL_ENREGISTREMENT_CARTE_H
#define CORVANEL_ENREGISTREMENT_CARTE_H

#include "Carte_Tuiles.h"
#include "Enregistrement.h"

#include <QString>
#include <optional>

namespace Corvanel
{
struct Resultat_Carte
{
    Resultat_Enregistrement Enregistrement; // the first failure of a plug-in, or a success
    QString Refus;                          // why no map was written when no plug-in failed
    int Nombre = 0;                         // unique tiles
    int Largeur = 0;                        // the map, in tiles
    int Hauteur = 0;

    bool Reussi() const { return Refus.isEmpty() && Enregistrement.Reussi(); }
};

// The window's title after a map: "N tuile(s) unique(s), carte de L x H", with the sizes of a
// packed one, or what went wrong.
QString Titre_Carte(const Resultat_Carte &Resultat);
// The same for the command line, naming the file; on a failure, with the plug-in.
QString Message_Carte(const Resultat_Carte &Resultat);

// The tiles go through the picture slot (with their mask to a picture-and-mask plug-in), then,
// when there is one, through the mask slot, whose arrays follow in the same file; both must
// write source text in the same language. The map's tiles carry their mask when either needs
// it. A failed save leaves the file that was there as it was. Compresser packs the whole text,
// tiles, mask tiles and map, as Ecrire_Compresse does (Enregistrement_Compresse.h).
Resultat_Carte Enregistrer_Carte(const Carte_De_Tuiles &Carte, const Plug_Info &Slot,
                                 const std::optional<Plug_Info> &Slot_Mask, const QString &Chemin,
                                 const QString &Nom, const Options_Appel &Options = {},
                                 bool Compresser = false);
} // namespace Corvanel

#endif
