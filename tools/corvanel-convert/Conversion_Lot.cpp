#include "Conversion_Lot.h"

#include "Bandes.h"
#include "Conversion.h"
#include "Enregistrement.h"
#include "Lecture_Sauvegarde.h"
#include "Plan.h"
#include "Transformations.h"

#include <QFile>
#include <QFileInfo>
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

void Appuyer(Bandes &Bandes_, std::uint8_t Nombre_Couleur, int Appuis,
             void (*Plus)(Bandes &, std::uint8_t), void (*Moins)(Bandes &, std::uint8_t))
{
    const int Fois = std::min(Appuis < 0 ? -Appuis : Appuis, Appuis_Utiles);
    for (int i = 0; i < Fois; ++i)
        (Appuis < 0 ? Moins : Plus)(Bandes_, Nombre_Couleur);
}

QString Lire_Entree(const Lot &Lot_, const Travail &Travail_, Plan &Plan_Image,
                    std::uint8_t &Largeur, std::uint8_t &Hauteur, std::uint8_t &Nombre_Couleur)
{
    if (Est_Sauvegarde(Travail_.Entree))
    {
        const Resultat_Lecture Lu = Lire_Sauvegarde(Travail_.Entree, Plan_Image);
        if (Lu.Etat == Etat_Lecture::Invalide)
            return QStringLiteral("« %1 » : %2").arg(Travail_.Entree, Lu.Message);
        if (Lu.Etat != Etat_Lecture::Ok)
        {
            // The windows would go on with a white picture; here that would hide the failure.
            const QFileInfo Info(Travail_.Entree);
            return QStringLiteral("Impossible d'ouvrir le fichier de sauvegarde « %1 » : %2")
                .arg(Travail_.Entree, !Info.exists() ? QStringLiteral("fichier introuvable")
                                      : Info.isDir() ? QStringLiteral("c'est un dossier")
                                                     : QStringLiteral("lecture impossible"));
        }
        Largeur = Lu.Largeur;
        Hauteur = Lu.Hauteur;
        // As the windows do: the count is kept as stored, the plug-in judges it.
        Nombre_Couleur = static_cast<std::uint8_t>(Lu.Nombre_Couleur);
        return {};
    }

    const bool Bitmap =
        QFileInfo(Travail_.Entree).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
    Resultat_Decodage Decode = Decoder_Image(Travail_.Entree, Bitmap);
    if (Decode.Image.isNull())
        return Decode.Erreur;

    const Choix_Conversion &Choix = Lot_.Choix;
    // The level-count radio resets the bands; the light and contrast presses then move them.
    Bandes Bandes_;
    Reinitialiser(Bandes_, Choix.Nombre_Couleur);
    Appuyer(Bandes_, Choix.Nombre_Couleur, Choix.Lumiere, &Lumiere_Plus, &Lumiere_Moins);
    Appuyer(Bandes_, Choix.Nombre_Couleur, Choix.Contraste, &Contraste_Plus, &Contraste_Moins);

    Largeur = static_cast<std::uint8_t>(Choix.Largeur);
    Hauteur = static_cast<std::uint8_t>(Choix.Hauteur);
    Nombre_Couleur = Choix.Nombre_Couleur;
    const Image_Source Source{std::move(Decode.Image), Choix.Largeur, Choix.Hauteur};
    Convertir_Image(Plan_Image, Source, Choix.Largeur, Choix.Hauteur, Choix.Adapter,
                    Choix.Nombre_Couleur, Bandes_);
    return {};
}

QString Echec_Enregistrement(const QString &Chemin, const Plug_Info &Slot, const QString &Titre)
{
    return QStringLiteral("Impossible d'enregistrer « %1 » avec %2 : %3")
        .arg(Chemin,
             QFileInfo(QFile::decodeName(QByteArray::fromStdString(Slot.Fichier))).fileName(),
             Titre);
}
} // namespace

bool Est_Sauvegarde(const QString &Chemin)
{
    return QFileInfo(Chemin).suffix().compare(QLatin1String("cvl"), Qt::CaseInsensitive) == 0;
}

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

QString Convertir_Travail(const Lot &Lot_, const Travail &Travail_)
{
    if (!Travail_.Erreur.isEmpty())
        return Travail_.Erreur;
    Plan Plan_Image{};
    std::uint8_t Largeur = 0;
    std::uint8_t Hauteur = 0;
    std::uint8_t Nombre_Couleur = 0;
    const QString Erreur =
        Lire_Entree(Lot_, Travail_, Plan_Image, Largeur, Hauteur, Nombre_Couleur);
    if (!Erreur.isEmpty())
        return Erreur;

    const QString Titre = Enregistrer_Image(Lot_.Plug_Image, Travail_.Chemin_Image, Travail_.Nom,
                                            Nombre_Couleur, Plan_Image, Hauteur, Largeur);
    if (!Titre.isEmpty())
        return Echec_Enregistrement(Travail_.Chemin_Image, Lot_.Plug_Image, Titre);

    if (Lot_.Plug_Mask)
    {
        Plan Plan_Mask{};
        Creer_Mask_Auto(Plan_Mask, Plan_Image, Largeur, Hauteur, Lot_.Fond);
        const QString Titre_Mask = Enregistrer_Mask(*Lot_.Plug_Mask, Travail_.Chemin_Mask,
                                                    Travail_.Nom, Plan_Mask, Hauteur, Largeur);
        if (!Titre_Mask.isEmpty())
            return Echec_Enregistrement(Travail_.Chemin_Mask, *Lot_.Plug_Mask, Titre_Mask);
    }
    return {};
}

std::vector<QString> Convertir_Lot(const Lot &Lot_)
{
    const std::size_t Nombre = Lot_.Travaux.size();
    std::vector<QString> Raisons(Nombre);
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
                Raisons[i] =
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
