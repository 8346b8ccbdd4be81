#include "Enregistrement_Carte.h"

#include "Assemblage_Carte.h"
#include "Cp1252.h"
#include "Enregistrement_Compresse.h"
#include "Envoi_Lots.h"
#include "Hote_Plugin.h"
#include "Source_Compressee.h"

#include <QSaveFile>
#include <QTemporaryDir>

namespace Corvanel
{
QString Titre_Carte(const Resultat_Carte &Resultat)
{
    if (!Resultat.Refus.isEmpty())
        return Resultat.Refus;
    if (!Resultat.Enregistrement.Reussi())
        return Titre_Enregistrement(Resultat.Enregistrement);
    QString Titre = QStringLiteral("%1 tuile(s) unique(s), carte de %2 x %3")
                        .arg(Resultat.Nombre)
                        .arg(Resultat.Largeur)
                        .arg(Resultat.Hauteur);
    if (Resultat.Enregistrement.Compression)
        Titre += QStringLiteral(" (%1)").arg(Texte_Tailles(*Resultat.Enregistrement.Compression));
    return Titre;
}

QString Message_Carte(const Resultat_Carte &Resultat)
{
    if (Resultat.Refus.isEmpty() && !Resultat.Enregistrement.Reussi())
        return Message_Enregistrement(Resultat.Enregistrement);
    return QStringLiteral("« %1 » : %2").arg(Resultat.Enregistrement.Chemin, Titre_Carte(Resultat));
}

namespace
{
// Every tile of the map through one plug-in, in lots, each tile's output handed to the text.
Resultat_Enregistrement Passer_Tuiles(const Carte_De_Tuiles &Carte, const Plug_Info &Slot,
                                      Genre_Enregistrement Genre, const QString &Nom,
                                      const QString &Brouillon, const Options_Appel &Options,
                                      Assemblage_Carte &Texte, QString &Refus)
{
    Hote_Plugin Hote;
    Options_Appel Options_Hote = Options;
    Options_Hote.Hote = &Hote;
    Envoi_Lots Envoi(Slot, Genre, Brouillon, Options_Hote,
                     [&](int, QByteArray &&Sortie)
                     {
                         if (Texte.Ajouter(Sortie))
                             return true;
                         Refus = Texte.Erreur();
                         return false;
                     });
    const QString Nom_Tuile = Nom_Tuiles(Nom);
    const auto Hauteur = static_cast<std::uint8_t>(Carte.Tuile.Hauteur);
    const auto Largeur = static_cast<std::uint8_t>(Carte.Tuile.Largeur);
    Plan Image{};
    Plan Mask{};
    for (int i = 0; i < Carte.Nombre(); ++i)
    {
        Carte.Poser(i, Image, Mask);
        if (!Envoi.Ajouter(Nom_Tuile, Carte.Nombre_Couleur, Image, Mask, Hauteur, Largeur))
            return Envoi.Resultat();
    }
    Envoi.Terminer();
    return Envoi.Resultat();
}
} // namespace

Resultat_Carte Enregistrer_Carte(const Carte_De_Tuiles &Carte, const Plug_Info &Slot,
                                 const std::optional<Plug_Info> &Slot_Mask, const QString &Chemin,
                                 const QString &Nom, const Options_Appel &Options, bool Compresser)
{
    Resultat_Carte Resultat;
    Resultat.Enregistrement.Fichier = Slot.Fichier;
    Resultat.Enregistrement.Chemin = Chemin;
    Resultat.Nombre = Carte.Nombre();
    Resultat.Largeur = Carte.Largeur;
    Resultat.Hauteur = Carte.Hauteur;
    if (Slot.Fichier.empty())
    {
        Resultat.Enregistrement.Echec = Echec_Enregistrement::Sans_Plugin;
        return Resultat;
    }
    const Langage_Source Langage = Langage_Extention(Slot.Extention);
    if (Langage == Langage_Source::Aucun)
        Resultat.Refus = QStringLiteral("Tuiles uniques et carte : « %1 » n'écrit pas de code "
                                        "source.")
                             .arg(Depuis_Cp1252(Slot.Nom));
    else if (Slot_Mask && Langage_Extention(Slot_Mask->Extention) != Langage)
        Resultat.Refus = QStringLiteral("Tuiles uniques et carte : « %1 » n'écrit pas dans le "
                                        "langage de « %2 ».")
                             .arg(Depuis_Cp1252(Slot_Mask->Nom), Depuis_Cp1252(Slot.Nom));
    else if (!Carte.Erreur.isEmpty())
        Resultat.Refus = QStringLiteral("Tuiles uniques et carte : %1.").arg(Carte.Erreur);
    else if (Carte.Nombre() == 0)
        Resultat.Refus = QStringLiteral("Tuiles uniques et carte : l'image est vide.");
    if (!Resultat.Refus.isEmpty())
        return Resultat;

    QTemporaryDir Brouillon;
    const auto Echec_Fichier = [&](const QString &Detail)
    {
        Resultat.Enregistrement.Echec = Echec_Enregistrement::Fichier;
        Resultat.Enregistrement.Detail = Detail;
        return Resultat;
    };
    if (!Brouillon.isValid())
        return Echec_Fichier(Brouillon.errorString());
    Assemblage_Carte Texte(Langage);
    const Genre_Enregistrement Genre =
        Prend_Mask(Slot) ? Genre_Enregistrement::Image_Mask : Genre_Enregistrement::Image;
    const auto Passer = [&](const Plug_Info &Un_Slot, Genre_Enregistrement Un_Genre)
    {
        Texte.Changer_Plugin();
        Resultat.Enregistrement = Passer_Tuiles(
            Carte, Un_Slot, Un_Genre, Nom,
            Brouillon.filePath(QStringLiteral("tuile.") + Depuis_Cp1252(Un_Slot.Extention)),
            Options, Texte, Resultat.Refus);
        Resultat.Enregistrement.Chemin = Chemin;
        if (!Resultat.Refus.isEmpty())
            Resultat.Refus = QStringLiteral("Tuiles uniques et carte : %1 : %2.")
                                 .arg(Depuis_Cp1252(Un_Slot.Nom), Resultat.Refus);
        return Resultat.Reussi();
    };
    if (!Passer(Slot, Genre) || (Slot_Mask && !Passer(*Slot_Mask, Genre_Enregistrement::Mask)))
        return Resultat;

    const QByteArray Octets = Texte.Texte(Carte, Nom);
    if (Compresser)
    {
        Resultat.Enregistrement = Ecrire_Compresse(Octets, Slot, Genre, Chemin, Nom);
        return Resultat;
    }
    QSaveFile Fichier(Chemin);
    if (!Fichier.open(QIODevice::WriteOnly))
        return Echec_Fichier(Fichier.errorString());
    if (Fichier.write(Octets) != Octets.size() || !Fichier.commit())
        return Echec_Fichier(Fichier.errorString());
    return Resultat;
}
} // namespace Corvanel
