#include "Decoupage.h"

#include "Enregistrement.h"
#include "Enregistrement_Compresse.h"
#include "Envoi_Lots.h"
#include "Hote_Plugin.h"
#include "Source_Compressee.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace Corvanel
{
std::vector<Case_Sprite> Cases_Grille(int Largeur, int Hauteur, const Grille_Sprites &Grille)
{
    std::vector<Case_Sprite> Cases;
    if (Grille.Largeur < 1 || Grille.Hauteur < 1)
        return Cases;
    int Indice = 0;
    for (int Y = 0; Y + Grille.Hauteur <= Hauteur; Y += Grille.Hauteur)
        for (int X = 0; X + Grille.Largeur <= Largeur; X += Grille.Largeur)
            Cases.push_back({Indice++, X, Y});
    return Cases;
}

void Extraire_Case(const Document_Image &Document, const Case_Sprite &Case,
                   const Grille_Sprites &Grille, Document_Image &Cellule)
{
    Cellule.Largeur_Image = static_cast<std::uint8_t>(Grille.Largeur);
    Cellule.Hauteur_Image = static_cast<std::uint8_t>(Grille.Hauteur);
    Cellule.Nombre_Couleur = Document.Nombre_Couleur;
    Cellule.Nombre_Choisi = Document.Nombre_Choisi;
    // Planes are column-major: each column of the cell is one run of bytes.
    const auto Colonne = static_cast<std::size_t>(Grille.Hauteur);
    for (int X = 0; X < Grille.Largeur; ++X)
    {
        const std::size_t De = Indice(Case.X + X, Case.Y);
        const std::size_t Vers = Indice(X, 0);
        std::copy_n(Document.Plan_Image.begin() + De, Colonne, Cellule.Plan_Image.begin() + Vers);
        std::copy_n(Document.Plan_Mask.begin() + De, Colonne, Cellule.Plan_Mask.begin() + Vers);
        std::copy_n(Document.Plan_Transparence.begin() + De, Colonne,
                    Cellule.Plan_Transparence.begin() + Vers);
    }
}

Document_Image Extraire_Case(const Document_Image &Document, const Case_Sprite &Case,
                             const Grille_Sprites &Grille)
{
    Document_Image Cellule;
    Extraire_Case(Document, Case, Grille, Cellule);
    return Cellule;
}

Document_Image Convertir_Case_Source(const Document_Image &Document, const Case_Sprite &Case,
                                     const Grille_Sprites &Grille)
{
    Document_Image Cellule;
    Cellule.Nombre_Couleur = Document.Nombre_Couleur;
    Cellule.Nombre_Choisi = Document.Nombre_Choisi;
    Cellule.Bandes_Lum = Document.Bandes_Lum;
    Cellule.Conversion = Document.Conversion;
    Cellule.Conversion.Adapter = false;
    Cellule.Largeur_Image = static_cast<std::uint8_t>(Grille.Largeur);
    Cellule.Hauteur_Image = static_cast<std::uint8_t>(Grille.Hauteur);
    Cellule.Prendre_Source(
        Document.Image_Couleur.Image.copy(Case.X, Case.Y, Grille.Largeur, Grille.Hauteur),
        Grille.Largeur, Grille.Hauteur);
    return Cellule;
}

bool Case_Vide(const Document_Image &Cellule)
{
    for (int X = 0; X < Cellule.Largeur_Image; ++X)
        for (int Y = 0; Y < Cellule.Hauteur_Image; ++Y)
            if (Cellule.Plan_Image[Indice(X, Y)] != Code::Blanc ||
                Cellule.Plan_Mask[Indice(X, Y)] == 1)
                return false;
    return true;
}

QString Chemin_Case(const QString &Chemin, int Indice)
{
    const QFileInfo Info(Chemin);
    const QString Fichier = Info.fileName();
    const qsizetype Point = Fichier.lastIndexOf(QLatin1Char('.'));
    const QString Dossier = Chemin.left(Chemin.size() - Fichier.size());
    if (Point <= 0)
        return Dossier + QStringLiteral("%1_%2").arg(Fichier).arg(Indice);
    return Dossier +
           QStringLiteral("%1_%2%3").arg(Fichier.left(Point)).arg(Indice).arg(Fichier.mid(Point));
}

QString Titre_Planche(const Resultat_Planche &Resultat)
{
    if (!Resultat.Enregistrement.Reussi())
        return Titre_Enregistrement(Resultat.Enregistrement);
    QString Titre = QStringLiteral("%1 sprite(s) enregistré(s), %2 ignoré(s)")
                        .arg(Resultat.Ecrits)
                        .arg(Resultat.Ignores);
    if (Resultat.Enregistrement.Compression)
        Titre += QStringLiteral(" (%1)").arg(Texte_Tailles(*Resultat.Enregistrement.Compression));
    return Titre;
}

namespace
{
Resultat_Enregistrement Enregistrer_Cellule(const Document_Image &Cellule, const Plug_Info &Slot,
                                            Genre_Enregistrement Genre, const QString &Chemin,
                                            const QString &Nom, const Options_Appel &Options)
{
    return Genre == Genre_Enregistrement::Mask
               ? Cellule.Enregistrer_Mask(Slot, Chemin, Nom, Options)
               : Cellule.Enregistrer_Image(Slot, Chemin, Nom, Options);
}

Resultat_Enregistrement Echec_Fichier(const Plug_Info &Slot, Genre_Enregistrement Genre,
                                      const QString &Chemin, const QString &Detail)
{
    Resultat_Enregistrement Resultat;
    Resultat.Genre = Genre;
    Resultat.Echec = Echec_Enregistrement::Fichier;
    Resultat.Fichier = Slot.Fichier;
    Resultat.Chemin = Chemin;
    Resultat.Detail = Detail;
    return Resultat;
}
} // namespace

Resultat_Planche Enregistrer_Planche(int Nombre,
                                     const std::function<const Document_Image &(int)> &Case,
                                     const Plug_Info &Slot, Genre_Enregistrement Genre,
                                     const QString &Chemin, const QString &Nom, bool Ignorer_Vides,
                                     const Options_Appel &Options, bool Compresser)
{
    Resultat_Planche Resultat;
    Resultat.Enregistrement.Genre = Genre;
    Resultat.Enregistrement.Fichier = Slot.Fichier;
    Resultat.Enregistrement.Chemin = Chemin;
    if (Slot.Fichier.empty())
    {
        Resultat.Enregistrement.Echec = Echec_Enregistrement::Sans_Plugin;
        return Resultat;
    }
    if (Compresser)
        if (auto Refus = Refus_Compression(Slot, Genre, Chemin))
        {
            Resultat.Enregistrement = *Refus;
            return Resultat;
        }
    const Langage_Source Langage = Langage_Extention(Slot.Extention);
    // Source text: each cell goes to a scratch file, and the sheet reaches its own file in one
    // piece at the end.
    QTemporaryDir Brouillon;
    if (Langage != Langage_Source::Aucun && !Brouillon.isValid())
    {
        Resultat.Enregistrement = Echec_Fichier(Slot, Genre, Chemin, Brouillon.errorString());
        return Resultat;
    }
    // One helper for the whole sheet, and for source text one library load per lot.
    Hote_Plugin Hote;
    Options_Appel Options_Hote = Options;
    Options_Hote.Hote = &Hote;
    std::vector<std::optional<QByteArray>> Sorties(static_cast<std::size_t>(std::max(Nombre, 0)));
    std::vector<int> Indices; // the cell of each sprite sent, in order
    // A picture-and-mask plug-in gets each cell's mask with its picture, as a single save does.
    const Genre_Enregistrement Genre_Lot = Genre == Genre_Enregistrement::Image && Prend_Mask(Slot)
                                               ? Genre_Enregistrement::Image_Mask
                                               : Genre;
    std::optional<Envoi_Lots> Envoi;
    if (Langage != Langage_Source::Aucun)
        Envoi.emplace(
            Slot, Genre_Lot,
            Brouillon.filePath(QStringLiteral("case.") + QString::fromStdString(Slot.Extention)),
            Options_Hote,
            [&](int Numero, QByteArray &&Octets)
            {
                const int Place = Indices[static_cast<std::size_t>(Numero)];
                Sorties[static_cast<std::size_t>(Place)] = std::move(Octets);
                ++Resultat.Ecrits;
                return true;
            });
    const auto Echec_Lot = [&]
    {
        Resultat.Enregistrement = Envoi->Resultat();
        Resultat.Enregistrement.Chemin = Chemin;
        return Resultat;
    };
    for (int i = 0; i < Nombre; ++i)
    {
        const Document_Image &Cellule = Case(i);
        if (Ignorer_Vides && Case_Vide(Cellule))
        {
            ++Resultat.Ignores;
            continue;
        }
        const QString Nom_Cellule = Nom_Case(Nom, i);
        if (!Envoi)
        {
            const Resultat_Enregistrement Un = Enregistrer_Cellule(
                Cellule, Slot, Genre, Chemin_Case(Chemin, i), Nom_Cellule, Options_Hote);
            if (!Un.Reussi())
            {
                Resultat.Enregistrement = Un;
                return Resultat;
            }
            ++Resultat.Ecrits;
            continue;
        }
        Indices.push_back(i);
        if (!Envoi->Ajouter(Nom_Cellule, Cellule.Nombre_Couleur, Cellule.Plan_Image,
                            Cellule.Plan_Mask, Cellule.Hauteur_Image, Cellule.Largeur_Image))
            return Echec_Lot();
    }
    if (!Envoi)
        return Resultat;
    if (!Envoi->Terminer())
        return Echec_Lot();
    if (Compresser)
    {
        Resultat.Enregistrement =
            Ecrire_Compresse(Assembler_Planche(Sorties, Nom, Langage), Slot, Genre, Chemin, Nom);
        return Resultat;
    }
    QSaveFile Planche(Chemin);
    if (!Planche.open(QIODevice::WriteOnly))
    {
        Resultat.Enregistrement = Echec_Fichier(Slot, Genre, Chemin, Planche.errorString());
        return Resultat;
    }
    const QByteArray Texte = Assembler_Planche(Sorties, Nom, Langage);
    if (Planche.write(Texte) != Texte.size() || !Planche.commit())
        Resultat.Enregistrement = Echec_Fichier(Slot, Genre, Chemin, Planche.errorString());
    return Resultat;
}

Resultat_Planche Enregistrer_Planche(const Document_Image &Document, const Grille_Sprites &Grille,
                                     const Plug_Info &Slot, Genre_Enregistrement Genre,
                                     const QString &Chemin, const QString &Nom,
                                     const Options_Appel &Options, bool Compresser)
{
    const std::vector<Case_Sprite> Cases =
        Cases_Grille(Document.Largeur_Image, Document.Hauteur_Image, Grille);
    Document_Image Cellule;
    return Enregistrer_Planche(
        static_cast<int>(Cases.size()),
        [&](int i) -> const Document_Image &
        {
            Extraire_Case(Document, Cases[static_cast<std::size_t>(i)], Grille, Cellule);
            return Cellule;
        },
        Slot, Genre, Chemin, Nom, Grille.Ignorer_Vides, Options, Compresser);
}

namespace
{
// A point-by-point conversion of the source: with a dither, a point's code also depends on its
// neighbours, with the exact colours on the colours of its picture, and each cell must then be
// converted on its own.
bool Conversion_Ponctuelle(const Options_Conversion &Conversion)
{
    return Conversion.Tramage == Mode_Tramage::Aucun &&
           Conversion.Teinte != Mode_Teinte::Couleurs_Exactes;
}

// The cells of one row of a sheet of the source, as many side by side as a picture holds,
// converted in one go: for a point-by-point conversion, the codes of each cell are those of
// the cell converted alone.
class Bande_Source
{
public:
    Bande_Source(const Document_Image &Document, const Grille_Sprites &Grille)
        : Document_(Document), Grille_(Grille),
          Cases_Par_Bande(std::max(1, Colonnes_Plan / Grille.Largeur))
    {
        Bande.Nombre_Couleur = Document.Nombre_Couleur;
        Bande.Nombre_Choisi = Document.Nombre_Choisi;
        Bande.Bandes_Lum = Document.Bandes_Lum;
        Bande.Conversion = Document.Conversion;
        Bande.Conversion.Adapter = false;
    }

    // The band that holds the cell, converted if it is not the one at hand.
    const Document_Image &Pour(const Case_Sprite &Case, Case_Sprite &Dans_Bande)
    {
        if (!(Case.Y == Y_ && Case.X >= X_ && Case.X + Grille_.Largeur <= X_ + Bande.Largeur_Image))
        {
            const QImage &Source = Document_.Image_Couleur.Image;
            const int Reste = (Source.width() - Case.X) / Grille_.Largeur;
            const int Largeur = std::min(Cases_Par_Bande, Reste) * Grille_.Largeur;
            X_ = Case.X;
            Y_ = Case.Y;
            Bande.Largeur_Image = static_cast<std::uint8_t>(Largeur);
            Bande.Hauteur_Image = static_cast<std::uint8_t>(Grille_.Hauteur);
            Bande.Prendre_Source(Source.copy(X_, Y_, Largeur, Grille_.Hauteur), Largeur,
                                 Grille_.Hauteur);
        }
        Dans_Bande = {Case.Indice, Case.X - X_, 0};
        return Bande;
    }

private:
    const Document_Image &Document_;
    const Grille_Sprites &Grille_;
    const int Cases_Par_Bande;
    Document_Image Bande;
    int X_ = -1;
    int Y_ = -1;
};
} // namespace

Resultat_Planche Enregistrer_Planche_Source(const Document_Image &Document,
                                            const Grille_Sprites &Grille,
                                            std::optional<std::uint8_t> Fond_Mask,
                                            const Plug_Info &Slot, Genre_Enregistrement Genre,
                                            const QString &Chemin, const QString &Nom,
                                            const Options_Appel &Options, bool Compresser)
{
    const QImage &Source = Document.Image_Couleur.Image;
    const std::vector<Case_Sprite> Cases = Cases_Grille(Source.width(), Source.height(), Grille);
    Bande_Source Bande(Document, Grille);
    Document_Image Cellule;
    return Enregistrer_Planche(
        static_cast<int>(Cases.size()),
        [&](int i) -> const Document_Image &
        {
            const Case_Sprite &Case = Cases[static_cast<std::size_t>(i)];
            if (Conversion_Ponctuelle(Document.Conversion))
            {
                Case_Sprite Dans_Bande{};
                Extraire_Case(Bande.Pour(Case, Dans_Bande), Dans_Bande, Grille, Cellule);
            }
            else
                Cellule = Convertir_Case_Source(Document, Case, Grille);
            if (Fond_Mask)
                Cellule.Creer_Mask_Auto(*Fond_Mask);
            return Cellule;
        },
        Slot, Genre, Chemin, Nom, Grille.Ignorer_Vides, Options, Compresser);
}
} // namespace Corvanel
