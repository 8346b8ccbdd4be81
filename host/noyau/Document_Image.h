// The picture being worked on: its plane, size, level count, band widths, kept source, mask
// and undo copy, with every operation the commands run on them. The windows share one
// document; the batch converter makes one per input.
#ifndef CORVANEL_DOCUMENT_IMAGE_H
#define CORVANEL_DOCUMENT_IMAGE_H

#include "Bandes.h"
#include "Conversion.h"
#include "Enregistrement.h"
#include "Lecteurs.h"
#include "Plan.h"
#include "Registre.h"

#include <QString>
#include <cstdint>

namespace Corvanel
{
enum class Action_Bandes
{
    Lumiere_Plus,
    Lumiere_Moins,
    Contraste_Plus,
    Contraste_Moins,
    Reinitialisation,
};

class Document_Image
{
public:
    Plan Plan_Image{};
    Plan Image_Annulation{};
    Plan Plan_Mask{};
    std::uint8_t Largeur_Image = 0;
    std::uint8_t Hauteur_Image = 0;
    // The count the picture's codes are read with; a save file may hold any.
    std::uint8_t Nombre_Couleur = 4;
    // The count chosen on the options page (2, 4 or 8): the light and contrast steps follow it.
    std::uint8_t Nombre_Choisi = 4;
    Bandes Bandes_Lum;
    Image_Source Image_Couleur;
    // The picture came from a picture file opened in this run: only then do the light,
    // contrast and level-count controls convert the kept source again.
    bool Source_Valide = false;
    Options_Conversion Conversion;

    // Replaces the picture by the file's, at the given size (the size fields'); the mask is
    // cleared, the undo copy, the level count and the bands stay.
    Resultat_Ouverture Ouvrir(const QString &Chemin, Genre_Fichier Genre, int Largeur, int Hauteur);
    // A white picture of that size; the mask, the level count and the bands stay.
    void Creer_Image_Vide(int Largeur, int Hauteur);

    // Converts the kept source again; only the last stage runs when the source, the size and
    // the first two stages' choices are those of the last pass.
    void Convertir_Image();
    // A light, contrast or reset step on the widths, then a new conversion of a picture from
    // a file. Light and contrast follow the chosen count, the reset the picture's.
    void Appliquer_Bandes(Action_Bandes Action);
    // The level-count choice: its default widths, and a new conversion when Convertir is set
    // and the picture came from a file. Choosing the count already chosen does nothing;
    // the result says whether anything changed.
    bool Choisir_Nombre(std::uint8_t Nombre, bool Convertir);
    // New conversion choices, converting again under the same rule.
    void Choisir_Conversion(const Options_Conversion &Options, bool Convertir);

    void Creer_Mask_Auto(std::uint8_t Fond);
    void Inverser_Mask();

    void Miroir_Horizontal();
    void Miroir_Vertical();
    void Decaler(int Dx, int Dy);

    void Memoriser_Annulation() { Image_Annulation = Plan_Image; }
    void Annuler() { Plan_Image = Image_Annulation; }

    // Through a picture-and-mask slot (Prend_Mask), the mask goes too. Compresser packs the
    // source text the plug-in writes (Enregistrement_Compresse.h).
    Resultat_Enregistrement Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin,
                                              const QString &Nom, const Options_Appel &Options = {},
                                              bool Compresser = false) const;
    Resultat_Enregistrement Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin,
                                             const QString &Nom, const Options_Appel &Options = {},
                                             bool Compresser = false) const;
    // The picture and the mask through one plug-in of the picture-and-mask kind.
    Resultat_Enregistrement Enregistrer_Image_Mask(const Plug_Info &Slot, const QString &Chemin,
                                                   const QString &Nom,
                                                   const Options_Appel &Options = {}) const;

    // For the readers: a new source, converted at once.
    void Prendre_Source(QImage Image, int Largeur_Cadre, int Hauteur_Cadre);

private:
    // What the kept tones were computed from.
    struct Cle_Tons
    {
        std::uint64_t Source = 0;
        int Largeur = -1;
        int Hauteur = -1;
        bool Adapter = true;
        Mode_Echantillonnage Echantillonnage{};
        Mode_Teinte Teinte{};
        bool operator==(const Cle_Tons &) const = default;
    };
    Cle_Tons Cle_Courante() const;
    void Oublier_Source();

    std::uint64_t Generation_Source = 0;
    Tons Tons_;
    Cle_Tons Cle_;
};
} // namespace Corvanel

#endif
