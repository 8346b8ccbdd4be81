// Everything of a picture document that its operations change, as one value: what a step of
// the history puts back.
#ifndef CORVANEL_ETAT_DOCUMENT_H
#define CORVANEL_ETAT_DOCUMENT_H

#include "Bandes.h"
#include "Conversion.h"
#include "Decodage_Image.h"
#include "Plan.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

namespace Corvanel
{
// The picture file behind the kept source, for a file of several frames (an animation): the
// frame converted, counted from 0.
struct Images_Source
{
    QString Chemin;
    bool Bitmap_Seul = false;
    int Numero = 0;
    int Nombre = 1;
    // What the quarter turns did to the frame shown, done to every other frame as it is read:
    // the part a cut picture kept, in the frame as read (all of it when null), then the turns.
    QRect Partie;
    int Quarts = 0;
    bool operator==(const Images_Source &) const = default;

    // A frame as read from the file, as the frame shown now stands.
    QImage Disposer(QImage Image) const;
    // One more quarter turn of the frame shown, whose size is Source before it, keeping only
    // its part Gardee (all of it when null).
    void Tourner(QSize Source, QRect Gardee);
};

// Planes are never changed once in a state, so states that hold the same bytes share them.
using Plan_Partage = std::shared_ptr<const Plan>;

struct Etat_Document
{
    Plan_Partage Plan_Image;
    Plan_Partage Plan_Mask;
    Plan_Partage Plan_Transparence;
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
    Images_Source Images;

    // Planes compared by content; sources by their number.
    bool operator==(const Etat_Document &Autre) const;
};

// The plane as a shared one: Modele itself when it holds the same bytes.
Plan_Partage Partager_Plan(const Plan &Plan_, const Plan_Partage &Modele);
} // namespace Corvanel

#endif
