#include "Conversion_Lot.h"

#include "Affichage_Plan.h"
#include "Choix_Image.h"
#include "Document_Image.h"
#include "Enregistrement_Carte.h"
#include "Images_Lot.h"
#include "Lecteurs.h"
#include "Source_Compressee.h"

#include <QFileInfo>
#include <QImageWriter>
#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>

namespace Corvanel
{
namespace
{
// The bands stop moving long before this many presses: each step is capped at 0 or 400.
constexpr int Appuis_Utiles = 400;

void Appuyer(Document_Image &Document, int Appuis, Action_Bandes Plus, Action_Bandes Moins)
{
    const int Fois = std::min(Appuis < 0 ? -Appuis : Appuis, Appuis_Utiles);
    for (int i = 0; i < Fois; ++i)
        Document.Appliquer_Bandes(Appuis < 0 ? Moins : Plus);
}

// The input read into the document as the windows would: the choices made on the option and
// light pages first, so that the picture is converted once, with them.
QString Lire_Entree(const Lot &Lot_, const Travail &Travail_, Document_Image &Document,
                    Resultat_Ouverture &Ouverture)
{
    const Choix_Conversion &Choix = Lot_.Choix;
    Document.Choisir_Nombre(Choix.Nombre_Couleur, false);
    if (Choix.Equilibrer)
        Document.Appliquer_Bandes(Action_Bandes::Equilibrer);
    Appuyer(Document, Choix.Lumiere, Action_Bandes::Lumiere_Plus, Action_Bandes::Lumiere_Moins);
    Appuyer(Document, Choix.Contraste, Action_Bandes::Contraste_Plus,
            Action_Bandes::Contraste_Moins);
    Options_Conversion Options = Document.Conversion;
    Options.Adapter = Choix.Adapter;
    Options.Echantillonnage = Choix.Echantillonnage;
    Options.Teinte = Choix.Teinte;
    Options.Tramage = Choix.Tramage;
    Options.Proportions = Choix.Proportions;
    Options.Palette = Choix.Palette;
    Document.Choisir_Conversion(Options, false);

    const Lecteur &Lecteur_ = Lecteur_Du_Fichier(Travail_.Entree);
    Ouverture = Document.Ouvrir(Travail_.Entree, Lecteur_.Genre, Choix.Largeur, Choix.Hauteur);
    switch (Ouverture.Etat)
    {
    case Etat_Ouverture::Ok:
        return {};
    case Etat_Ouverture::Non_Ouvert:
        // The windows would go on with a white picture; here that would hide the failure.
        return Ouverture.Message;
    case Etat_Ouverture::Refuse:
        break;
    }
    if (Lecteur_.Genre == Genre_Fichier::Sauvegarde ||
        Lecteur_.Genre == Genre_Fichier::Sauvegarde_Mask ||
        Lecteur_.Genre == Genre_Fichier::Source_Sprite ||
        Lecteur_.Genre == Genre_Fichier::Image_Calculatrice)
        return QStringLiteral("« %1 » : %2").arg(Travail_.Entree, Ouverture.Message);
    return Ouverture.Message;
}
} // namespace

QString Identifiant_C(const QString &Base)
{
    QString Nom;
    for (const char32_t Point : Base.toUcs4())
    {
        const bool Valide = (Point >= U'a' && Point <= U'z') || (Point >= U'A' && Point <= U'Z') ||
                            (Point >= U'0' && Point <= U'9') || Point == U'_';
        Nom += Valide ? QChar(static_cast<char16_t>(Point)) : QLatin1Char('_');
    }
    if (Nom.isEmpty())
        return QStringLiteral("Image");
    if (Nom.front().isDigit())
        Nom.prepend(QLatin1Char('_'));
    return Nom;
}

bool Besoin_Mask(const Lot &Lot_)
{
    return Lot_.Plug_Mask || Prend_Mask(Lot_.Plug_Image);
}

namespace
{
// The sizes of a packed output, after what else is said of it.
QString Tailles(const Resultat_Enregistrement &Resultat)
{
    return Resultat.Compression ? Texte_Tailles(*Resultat.Compression) : QString();
}
} // namespace

QString Bilan_Planche(const QString &Chemin, const Resultat_Planche &Planche)
{
    QString Bilan = QStringLiteral("« %1 » : %2 sprite(s) écrit(s), %3 ignoré(s)")
                        .arg(Chemin)
                        .arg(Planche.Ecrits)
                        .arg(Planche.Ignores);
    if (Planche.Enregistrement.Compression)
        Bilan += QStringLiteral(" (%1)").arg(Tailles(Planche.Enregistrement));
    return Bilan;
}

namespace
{
// What a packed single save says: its sizes.
void Ajouter_Bilan(Bilan_Travail &Bilan, const Resultat_Enregistrement &Resultat)
{
    if (!Resultat.Compression)
        return;
    if (!Bilan.Message.isEmpty())
        Bilan.Message += QLatin1Char('\n');
    Bilan.Message += QStringLiteral("« %1 » : %2").arg(Resultat.Chemin, Tailles(Resultat));
}

// The sheet of one input: the picture's cells, or the source's.
Resultat_Planche Ecrire_Planche(const Lot &Lot_, const Document_Image &Document, std::uint8_t Fond,
                                const Plug_Info &Slot, Genre_Enregistrement Genre,
                                const QString &Chemin, const QString &Nom)
{
    const Grille_Sprites &Grille = *Lot_.Grille;
    const Options_Appel Options{Lot_.Delai_Plugin, {}};
    if (!Lot_.Decouper_Source || !Document.Source_Valide)
        return Enregistrer_Planche(Document, Grille, Slot, Genre, Chemin, Nom, Options,
                                   Lot_.Compresser);
    const std::optional<std::uint8_t> Fond_Mask =
        Besoin_Mask(Lot_) ? std::optional<std::uint8_t>(Fond) : std::nullopt;
    return Enregistrer_Planche_Source(Document, Grille, Fond_Mask, Slot, Genre, Chemin, Nom,
                                      Options, Lot_.Compresser);
}
} // namespace

Bilan_Travail Convertir_Travail(const Lot &Lot_, const Travail &Travail_)
{
    if (!Travail_.Erreur.isEmpty())
        return {Travail_.Erreur, {}};
    Document_Image Document;
    Resultat_Ouverture Ouverture;
    const QString Erreur = Lire_Entree(Lot_, Travail_, Document, Ouverture);
    if (!Erreur.isEmpty())
        return {Erreur, {}};
    // Only the name in the code follows the input: the file names are already chosen.
    const QString Nom =
        !Travail_.Nom_Donne && Ouverture.Nom_Image ? *Ouverture.Nom_Image : Travail_.Nom;
    // The picture's own transparency is its background unless another is chosen.
    const std::uint8_t Fond =
        Lot_.Fond.value_or(Document.Transparence() ? Fond_Transparence : Code::Blanc);
    if (!Travail_.Chemin_Apercu.isEmpty() && !Lot_.Images)
    {
        // In Windows greys: the tones the levels stand for, not the calculator's tint.
        QImageWriter Ecrivain(Travail_.Chemin_Apercu, "png");
        if (!Ecrivain.write(Dessiner_Plan(Document.Plan_Image, Document.Largeur_Image,
                                          Document.Hauteur_Image, Document.Nombre_Couleur,
                                          Mode_Gris::Windows, Lot_.Zoom_Apercu)))
            return {QStringLiteral("« %1 » : aperçu impossible à écrire : %2")
                        .arg(Travail_.Chemin_Apercu, Ecrivain.errorString()),
                    {}};
    }
    // The automatic mask is made before the sheet is cut, so that empty cells can be told; a
    // mask read from the input takes its place.
    if (Besoin_Mask(Lot_) && !Ouverture.Mask_Lu)
        Document.Creer_Mask_Auto(Fond);
    if (Lot_.Images)
        return Convertir_Images(Lot_, Travail_, Document, Fond, Nom);

    if (Lot_.Carte)
    {
        const Carte_De_Tuiles Carte =
            Document.Source_Valide
                ? Carte_Source(Document, *Lot_.Carte,
                               Besoin_Mask(Lot_) ? std::optional<std::uint8_t>(Fond) : std::nullopt)
                : Carte_Image(Document, *Lot_.Carte, Besoin_Mask(Lot_));
        const Resultat_Carte Resultat =
            Enregistrer_Carte(Carte, Lot_.Plug_Image, Lot_.Plug_Mask, Travail_.Chemin_Image, Nom,
                              {Lot_.Delai_Plugin, {}}, Lot_.Compresser);
        if (!Resultat.Reussi())
            return {Message_Carte(Resultat), {}};
        return {{}, Message_Carte(Resultat)};
    }

    if (Lot_.Grille)
    {
        Bilan_Travail Bilan;
        const Resultat_Planche Image =
            Ecrire_Planche(Lot_, Document, Fond, Lot_.Plug_Image, Genre_Enregistrement::Image,
                           Travail_.Chemin_Image, Nom);
        if (!Image.Enregistrement.Reussi())
            return {Message_Enregistrement(Image.Enregistrement), {}};
        Bilan.Message = Bilan_Planche(Travail_.Chemin_Image, Image);
        if (Lot_.Plug_Mask)
        {
            const Resultat_Planche Mask =
                Ecrire_Planche(Lot_, Document, Fond, *Lot_.Plug_Mask, Genre_Enregistrement::Mask,
                               Travail_.Chemin_Mask, Nom);
            if (!Mask.Enregistrement.Reussi())
                return {Message_Enregistrement(Mask.Enregistrement), Bilan.Message};
            Bilan.Message += QLatin1Char('\n') + Bilan_Planche(Travail_.Chemin_Mask, Mask);
        }
        return Bilan;
    }

    const Options_Appel Options{Lot_.Delai_Plugin, {}};
    const Resultat_Enregistrement Image = Document.Enregistrer_Image(
        Lot_.Plug_Image, Travail_.Chemin_Image, Nom, Options, Lot_.Compresser);
    if (!Image.Reussi())
        return {Message_Enregistrement(Image), {}};
    Bilan_Travail Bilan;
    Ajouter_Bilan(Bilan, Image);

    if (Lot_.Plug_Mask)
    {
        const Resultat_Enregistrement Mask = Document.Enregistrer_Mask(
            *Lot_.Plug_Mask, Travail_.Chemin_Mask, Nom, Options, Lot_.Compresser);
        if (!Mask.Reussi())
            return {Message_Enregistrement(Mask), Bilan.Message};
        Ajouter_Bilan(Bilan, Mask);
    }
    return Bilan;
}

std::vector<Bilan_Travail> Convertir_Lot(const Lot &Lot_)
{
    const std::size_t Nombre = Lot_.Travaux.size();
    std::vector<Bilan_Travail> Raisons(Nombre);
    std::atomic<std::size_t> Suivant{0};
    // Each thread takes the next input as it finishes one: the pictures differ in size.
    const auto Ouvrier = [&]
    {
        for (std::size_t i = Suivant++; i < Nombre; i = Suivant++)
        {
            try
            {
                Raisons[i] = Convertir_Travail(Lot_, Lot_.Travaux[i]);
            }
            catch (const std::exception &Exception)
            {
                Raisons[i].Erreur =
                    QStringLiteral("« %1 » : %2")
                        .arg(Lot_.Travaux[i].Entree, QString::fromLocal8Bit(Exception.what()));
            }
        }
    };
    const std::size_t Taches = std::clamp<std::size_t>(
        static_cast<std::size_t>(std::max(Lot_.Taches, 1)), 1, std::max<std::size_t>(Nombre, 1));
    std::vector<std::thread> Fils;
    for (std::size_t t = 1; t < Taches; ++t)
        Fils.emplace_back(Ouvrier);
    Ouvrier();
    for (std::thread &Fil : Fils)
        Fil.join();
    return Raisons;
}
} // namespace Corvanel
