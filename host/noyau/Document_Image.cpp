#include "Document_Image.h"

#include "Enregistrement_Compresse.h"
#include "Transformations.h"

#include <algorithm>

namespace Corvanel
{
Resultat_Ouverture Document_Image::Ouvrir(const QString &Chemin, Genre_Fichier Genre, int Largeur,
                                          int Hauteur)
{
    Largeur_Image = static_cast<std::uint8_t>(Largeur);
    Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
    Plan_Image.fill(0);
    Plan_Mask.fill(0);
    Oublier_Source();
    return Lecteur_Du_Genre(Genre).Lire(*this, Chemin);
}

void Document_Image::Creer_Image_Vide(int Largeur, int Hauteur)
{
    Largeur_Image = static_cast<std::uint8_t>(Largeur);
    Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
    Plan_Image.fill(0);
    Oublier_Source();
}

void Document_Image::Oublier_Source()
{
    // The decoded picture stays in its holder, as it always has; only the right to convert it
    // again goes.
    Source_Valide = false;
}

void Document_Image::Prendre_Source(QImage Image, int Largeur_Cadre, int Hauteur_Cadre)
{
    Image_Couleur = {std::move(Image), Largeur_Cadre, Hauteur_Cadre};
    ++Generation_Source;
    Source_Valide = true;
    Convertir_Image();
}

Document_Image::Cle_Tons Document_Image::Cle_Courante() const
{
    return {Generation_Source,          Largeur_Image,    Hauteur_Image, Conversion.Adapter,
            Conversion.Echantillonnage, Conversion.Teinte};
}

void Document_Image::Convertir_Image()
{
    if (!Source_Valide)
        return;
    const Cle_Tons Cle = Cle_Courante();
    if (!(Cle == Cle_))
    {
        Calculer_Tons(Image_Couleur, Largeur_Image, Hauteur_Image, Conversion, Tons_);
        Cle_ = Cle;
    }
    Quantifier_Tons(Tons_, Conversion, Nombre_Couleur, Bandes_Lum, Plan_Image);
}

void Document_Image::Appliquer_Bandes(Action_Bandes Action)
{
    switch (Action)
    {
    case Action_Bandes::Lumiere_Plus:
        Lumiere_Plus(Bandes_Lum, Nombre_Choisi);
        break;
    case Action_Bandes::Lumiere_Moins:
        Lumiere_Moins(Bandes_Lum, Nombre_Choisi);
        break;
    case Action_Bandes::Contraste_Plus:
        Contraste_Plus(Bandes_Lum, Nombre_Choisi);
        break;
    case Action_Bandes::Contraste_Moins:
        Contraste_Moins(Bandes_Lum, Nombre_Choisi);
        break;
    case Action_Bandes::Reinitialisation:
        Reinitialiser(Bandes_Lum, Nombre_Couleur);
        break;
    }
    Convertir_Image();
}

bool Document_Image::Choisir_Nombre(std::uint8_t Nombre, bool Convertir)
{
    if (Nombre == Nombre_Choisi)
        return false;
    Nombre_Choisi = Nombre;
    Nombre_Couleur = Nombre;
    Reinitialiser(Bandes_Lum, Nombre);
    if (Convertir)
        Convertir_Image();
    return true;
}

void Document_Image::Choisir_Conversion(const Options_Conversion &Options, bool Convertir)
{
    Conversion = Options;
    if (Convertir)
        Convertir_Image();
}

void Document_Image::Creer_Mask_Auto(std::uint8_t Fond)
{
    Corvanel::Creer_Mask_Auto(Plan_Mask, Plan_Image, Largeur_Image, Hauteur_Image, Fond);
}

void Document_Image::Inverser_Mask()
{
    Corvanel::Inverser_Mask(Plan_Mask, Largeur_Image, Hauteur_Image);
}

void Document_Image::Miroir_Horizontal()
{
    Corvanel::Miroir_Horizontal(Plan_Image, Largeur_Image, Hauteur_Image);
}

void Document_Image::Miroir_Vertical()
{
    Corvanel::Miroir_Vertical(Plan_Image, Largeur_Image, Hauteur_Image);
}

void Document_Image::Decaler(int Dx, int Dy)
{
    Decaler_Image(Plan_Image, Largeur_Image, Hauteur_Image, Dx, Dy);
}

Resultat_Enregistrement Document_Image::Enregistrer_Image(const Plug_Info &Slot,
                                                          const QString &Chemin, const QString &Nom,
                                                          const Options_Appel &Options,
                                                          bool Compresser) const
{
    if (Compresser)
        return Enregistrer_Compresse(Slot, Genre_Enregistrement::Image, Chemin, Nom,
                                     [&](const QString &Brouillon)
                                     { return Enregistrer_Image(Slot, Brouillon, Nom, Options); });
    if (Prend_Mask(Slot))
        return Enregistrer_Image_Mask(Slot, Chemin, Nom, Options);
    return Corvanel::Enregistrer_Image(Slot, Chemin, Nom, Nombre_Couleur, Plan_Image, Hauteur_Image,
                                       Largeur_Image, Options);
}

Resultat_Enregistrement Document_Image::Enregistrer_Mask(const Plug_Info &Slot,
                                                         const QString &Chemin, const QString &Nom,
                                                         const Options_Appel &Options,
                                                         bool Compresser) const
{
    if (Compresser)
        return Enregistrer_Compresse(Slot, Genre_Enregistrement::Mask, Chemin, Nom,
                                     [&](const QString &Brouillon)
                                     { return Enregistrer_Mask(Slot, Brouillon, Nom, Options); });
    return Corvanel::Enregistrer_Mask(Slot, Chemin, Nom, Plan_Mask, Hauteur_Image, Largeur_Image,
                                      Options);
}

Resultat_Enregistrement Document_Image::Enregistrer_Image_Mask(const Plug_Info &Slot,
                                                               const QString &Chemin,
                                                               const QString &Nom,
                                                               const Options_Appel &Options) const
{
    return Corvanel::Enregistrer_Image_Mask(Slot, Chemin, Nom, Nombre_Couleur, Plan_Image,
                                            Plan_Mask, Hauteur_Image, Largeur_Image, Options);
}
} // namespace Corvanel
