// Everything of a picture document that its operations change, as one value: what a step of
// the history puts back.
#ifndef CORVANEL_ETAT_DOCUMENT_H
#define CORVANEL_ETAT_DOCUMENT_H

#include "Bandes.h"
#include "Conversion.h"
#include "Decodage_Image.h"
#include "Plan.h"

#include <QString>
#include <cstdint>
#include <memory>

namespace Corvanel
{
// Planes are never changed once in a state, so states that hold the same bytes share them.
using Plan_Partage = std::shared_ptr<const Plan>;

struct Etat_Document
{
    Plan_Partage Plan_Image;
    Plan_Partage Plan_Mask;
    std::uint8_t Largeur_Image = 0;
    std::uint8_t Hauteur_Image = 0;
    std::uint8_t Nombre_Couleur = 4;
    std::uint8_t Nombre_Choisi = 4;
    Bandes Bandes_Lum;
    Options_Conversion Conversion;
    // The kept source and the number that tells one decoded source from another.
    Image_Source Image_Couleur;
    std::uint64_t Generation_Source = 0;
    bool Source_Valide = false;
    QString Fichier; // the file the picture was last opened from

    // Planes compared by content; sources by their number.
    bool operator==(const Etat_Document &Autre) const;
};

// The plane as a shared one: Modele itself when it holds the same bytes.
Plan_Partage Partager_Plan(const Plan &Plan_, const Plan_Partage &Modele);
} // namespace Corvanel

#endif
