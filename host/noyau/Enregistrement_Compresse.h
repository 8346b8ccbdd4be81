// Saves whose source text is packed before it reaches its file.
#ifndef CORVANEL_ENREGISTREMENT_COMPRESSE_H
#define CORVANEL_ENREGISTREMENT_COMPRESSE_H

#include "Enregistrement.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace Corvanel
{
// The packed array of a mask is named after the mask's file ("Mask_<nom>"), so that a
// program can hold the picture's and the mask's.
QString Nom_Compresse(const QString &Nom, Genre_Enregistrement Genre);

// The plain text a plug-in of the slot wrote, packed and written at Chemin in one piece; on a
// failure the file that was there stays as it was. The result carries the sizes.
Resultat_Enregistrement Ecrire_Compresse(const QByteArray &Texte, const Plug_Info &Slot,
                                         Genre_Enregistrement Genre, const QString &Chemin,
                                         const QString &Nom);

// A save made by Enregistrer into a draft of the slot's extension, then packed as above. A
// slot that writes no source text is refused before anything runs.
Resultat_Enregistrement Enregistrer_Compresse(
    const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Chemin, const QString &Nom,
    const std::function<Resultat_Enregistrement(const QString &Brouillon)> &Enregistrer);

// The refusal of a slot that writes no source text, or nothing when it does.
std::optional<Resultat_Enregistrement>
Refus_Compression(const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Chemin);
} // namespace Corvanel

#endif
