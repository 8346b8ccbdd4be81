#include "Lecteurs.h"

#include "Decodage_Image.h"
#include "Document_Image.h"
#include "Lecture_Calculatrice.h"
#include "Lecture_Sauvegarde.h"
#include "Lecture_Source.h"

#include <QFileInfo>
#include <QStringList>

namespace Corvanel
{
namespace
{
// Whichever picture type the dialog showed, the file's content chooses the decoder: a PNG
// picked as a bitmap opens as the PNG it is.
Resultat_Ouverture Lire_Image(Document_Image &Document, const QString &Chemin)
{
    Resultat_Decodage Decode = Decoder_Image(Chemin, false);
    Resultat_Ouverture Resultat;
    if (Decode.Image.isNull())
    {
        Resultat.Etat = Etat_Ouverture::Refuse;
        Resultat.Message = Decode.Erreur;
        return Resultat;
    }
    Document.Prendre_Source(std::move(Decode.Image), Document.Largeur_Image,
                            Document.Hauteur_Image);
    Document.Images = {Chemin, false, 0, Decode.Nombre_Images, {}, 0};
    return Resultat;
}

Resultat_Ouverture Lire_Codes(Document_Image &Document, const QString &Chemin, bool Avec_Mask)
{
    Resultat_Ouverture Resultat;
    // A save file holds codes, not colours: there is nothing to convert again.
    Resultat.Page_Lumiere = false;
    Plan Lu{};
    Plan Mask_Lu{};
    const Resultat_Lecture Lecture =
        Avec_Mask ? Lire_Sauvegarde_Mask(Chemin, Lu, Mask_Lu) : Lire_Sauvegarde(Chemin, Lu);
    if (Lecture.Etat == Etat_Lecture::Invalide)
    {
        Resultat.Etat = Etat_Ouverture::Refuse;
        Resultat.Message = Lecture.Message;
        return Resultat;
    }
    if (Lecture.Etat != Etat_Lecture::Ok)
    {
        const QFileInfo Info(Chemin);
        Resultat.Etat = Etat_Ouverture::Non_Ouvert;
        Resultat.Message =
            QStringLiteral("Impossible d'ouvrir le fichier de sauvegarde « %1 » : %2")
                .arg(Chemin, !Info.exists() ? QStringLiteral("fichier introuvable")
                             : Info.isDir() ? QStringLiteral("c'est un dossier")
                                            : QStringLiteral("lecture impossible"));
        return Resultat;
    }
    Document.Largeur_Image = Lecture.Largeur;
    Document.Hauteur_Image = Lecture.Hauteur;
    // As a click on the count's radio would; any other count is kept as stored and shown in
    // the fallback colour.
    if (Lecture.Nombre_Couleur == 2 || Lecture.Nombre_Couleur == 4 || Lecture.Nombre_Couleur == 8)
        Document.Choisir_Nombre(static_cast<std::uint8_t>(Lecture.Nombre_Couleur), false);
    Document.Nombre_Couleur = static_cast<std::uint8_t>(Lecture.Nombre_Couleur);
    Document.Plan_Image = Lu;
    if (Avec_Mask)
        Document.Plan_Mask = Mask_Lu;
    Resultat.Mask_Lu = Avec_Mask;
    return Resultat;
}

Resultat_Ouverture Lire_Fichier_Sauvegarde(Document_Image &Document, const QString &Chemin)
{
    return Lire_Codes(Document, Chemin, false);
}

Resultat_Ouverture Lire_Fichier_Sauvegarde_Mask(Document_Image &Document, const QString &Chemin)
{
    return Lire_Codes(Document, Chemin, true);
}

Resultat_Ouverture Lire_Source(Document_Image &Document, const QString &Chemin)
{
    Resultat_Ouverture Resultat;
    // Source holds codes, as a save file does.
    Resultat.Page_Lumiere = false;
    const Resultat_Source Lu =
        Lire_Fichier_Source(Chemin, Document.Largeur_Image, Document.Hauteur_Image);
    if (Lu.Etat != Etat_Source::Ok)
    {
        Resultat.Etat = Lu.Etat == Etat_Source::Non_Ouvert ? Etat_Ouverture::Non_Ouvert
                                                           : Etat_Ouverture::Refuse;
        Resultat.Message = Lu.Message;
        return Resultat;
    }
    Document.Largeur_Image = Lu.Largeur;
    Document.Hauteur_Image = Lu.Hauteur;
    // A mask alone leaves the level count as it is, over a white picture.
    if (Lu.Nombre_Couleur != 0)
    {
        Document.Choisir_Nombre(Lu.Nombre_Couleur, false);
        Document.Nombre_Couleur = Lu.Nombre_Couleur;
    }
    Document.Plan_Image = Lu.Plan_Image;
    if (Lu.Mask_Trouve)
        Document.Plan_Mask = Lu.Plan_Mask;
    Resultat.Nom_Image = Lu.Nom;
    Resultat.Mask_Lu = Lu.Mask_Trouve;
    return Resultat;
}

constexpr Lecteur Table_Lecteurs[] = {
    {Genre_Fichier::Bitmap, "Image Bitmap (*.bmp)", "*.bmp", &Lire_Image},
    {Genre_Fichier::Sauvegarde, "Sauvegarde (*.cvl)", "*.cvl", &Lire_Fichier_Sauvegarde},
    {Genre_Fichier::Autres_Images, "Autres images (*.png *.gif *.jpg *.jpeg)",
     "*.png;*.gif;*.jpg;*.jpeg", &Lire_Image},
    {Genre_Fichier::Source_Sprite, "Source de sprite (*.c *.h *.asm)", "*.c;*.h;*.asm",
     &Lire_Source},
    {Genre_Fichier::Sauvegarde_Mask, "Sauvegarde d'image et de mask Corvanel (*.cvm)", "*.cvm",
     &Lire_Fichier_Sauvegarde_Mask},
    {Genre_Fichier::Image_Calculatrice, "Images de calculatrice (*.89g *.9xg *.89i *.9xi)",
     "*.89g;*.9xg;*.89i;*.9xi", &Ouvrir_Image_Calculatrice},
};
} // namespace

std::span<const Lecteur> Lecteurs()
{
    return Table_Lecteurs;
}

QString Filtre_Ouverture()
{
    QStringList Parties;
    for (const Lecteur &L : Table_Lecteurs)
        Parties << QString::fromUtf8(L.Description) << QString::fromUtf8(L.Motifs);
    return Parties.join(QLatin1Char('|'));
}

const Lecteur &Lecteur_Du_Genre(Genre_Fichier Genre)
{
    for (const Lecteur &L : Table_Lecteurs)
        if (L.Genre == Genre)
            return L;
    return Lecteur_Du_Genre(Genre_Fichier::Autres_Images);
}

const Lecteur &Lecteur_Du_Type(int Type)
{
    if (Type >= 1 && Type <= static_cast<int>(std::size(Table_Lecteurs)))
        return Table_Lecteurs[Type - 1];
    return Lecteur_Du_Genre(Genre_Fichier::Autres_Images);
}

const Lecteur &Lecteur_Du_Fichier(const QString &Chemin)
{
    const QString Suffixe = QStringLiteral("*.") + QFileInfo(Chemin).suffix();
    for (const Lecteur &L : Table_Lecteurs)
    {
        // Pictures by content: a .png that holds a JPEG still opens.
        if (L.Genre == Genre_Fichier::Autres_Images)
            continue;
        for (const QString &Motif : QString::fromUtf8(L.Motifs).split(QLatin1Char(';')))
            if (Suffixe.compare(Motif, Qt::CaseInsensitive) == 0)
                return L;
    }
    return Lecteur_Du_Genre(Genre_Fichier::Autres_Images);
}
} // namespace Corvanel
