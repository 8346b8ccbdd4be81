// Reading a picture back from its save file (.cvl), or a picture and its mask from theirs (.cvm).
#ifndef CORVANEL_LECTURE_SAUVEGARDE_H
#define CORVANEL_LECTURE_SAUVEGARDE_H

#include "Plan.h"

#include <QString>
#include <cstdint>

namespace Corvanel
{
enum class Etat_Lecture
{
    Ok,
    Non_Ouvert, // the file could not be opened: the caller says why
    Invalide,   // refused; Message says why
};

struct Resultat_Lecture
{
    Etat_Lecture Etat = Etat_Lecture::Non_Ouvert;
    QString Message;
    std::uint8_t Largeur = 0;
    std::uint8_t Hauteur = 0;
    std::uint16_t Nombre_Couleur = 0; // as stored; the caller decides what a count means
};

// Fills Plan_Image (cleared by the caller) only when the whole file is sound, so a refused
// file leaves the plane as it was. Codes other than 0, 1, 2, 3, 101, 112, 123 read as 10.
Resultat_Lecture Lire_Sauvegarde(const QString &Chemin, Plan &Plan_Image);
// The same with the mask after the codes; the file must end right after it. A mask byte other
// than 1 reads as not covered. Both planes are filled only when the whole file is sound.
Resultat_Lecture Lire_Sauvegarde_Mask(const QString &Chemin, Plan &Plan_Image, Plan &Plan_Mask);
} // namespace Corvanel

#endif
