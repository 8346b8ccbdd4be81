#include "Planche_Images.h"

namespace Corvanel
{
namespace
{
// Carries a frame's read failure out of the sheet's loop, which has no other way to stop.
struct Image_Illisible
{
    QString Raison;
};
} // namespace

Resultat_Planche Enregistrer_Images(const Document_Image &Document,
                                    std::optional<std::uint8_t> Fond_Mask, const Plug_Info &Slot,
                                    Genre_Enregistrement Genre, const QString &Chemin,
                                    const QString &Nom, const Options_Appel &Options,
                                    bool Compresser,
                                    const std::function<void(int, const Document_Image &)> &Chaque)
{
    const Images_Source &Images = Document.Images;
    const auto Montree = [&](int i) -> const Document_Image &
    {
        if (Chaque)
            Chaque(i, Document);
        return Document;
    };
    if (!Document.Source_Valide || Images.Nombre <= 1)
        return Enregistrer_Planche(1, Montree, Slot, Genre, Chemin, Nom, false, Options,
                                   Compresser);

    Lecture_Images Lecture(Images.Chemin, Images.Bitmap_Seul);
    Document_Image Image;
    Image.Nombre_Couleur = Document.Nombre_Couleur;
    Image.Nombre_Choisi = Document.Nombre_Choisi;
    Image.Bandes_Lum = Document.Bandes_Lum;
    Image.Conversion = Document.Conversion;
    Image.Largeur_Image = Document.Largeur_Image;
    Image.Hauteur_Image = Document.Hauteur_Image;
    try
    {
        return Enregistrer_Planche(
            Images.Nombre,
            [&](int i) -> const Document_Image &
            {
                // Each frame is drawn over the ones before: the one shown is read too.
                Resultat_Decodage Lu = Lecture.Suivante();
                if (i == Images.Numero)
                    return Montree(i);
                if (Lu.Image.isNull())
                    throw Image_Illisible{Lu.Erreur};
                Image.Prendre_Source(Images.Disposer(std::move(Lu.Image)),
                                     Document.Image_Couleur.Largeur_Cadre,
                                     Document.Image_Couleur.Hauteur_Cadre);
                if (Fond_Mask)
                    Image.Creer_Mask_Auto(*Fond_Mask);
                if (Chaque)
                    Chaque(i, Image);
                return Image;
            },
            Slot, Genre, Chemin, Nom, false, Options, Compresser);
    }
    catch (const Image_Illisible &Erreur)
    {
        Resultat_Planche Resultat;
        Resultat.Enregistrement.Genre = Genre;
        Resultat.Enregistrement.Echec = Echec_Enregistrement::Fichier;
        Resultat.Enregistrement.Fichier = Slot.Fichier;
        Resultat.Enregistrement.Chemin = Chemin;
        Resultat.Enregistrement.Detail = Erreur.Raison;
        return Resultat;
    }
}
} // namespace Corvanel
