#include "Sorties_Ligne.h"

#include "Enregistrement.h"
#include "Reponses_Ligne.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>

namespace Corvanel
{
namespace
{
QString Chemin_Reel(const QString &Chemin)
{
    const QFileInfo Info(Chemin);
    const QString Canonique = Info.canonicalFilePath();
    return Canonique.isEmpty() ? Info.absoluteFilePath() : Canonique;
}

// Two inputs writing the same file on two threads would leave it garbled, and an output on top
// of its input would destroy it: such inputs fail before anything is written.
void Refuser_Conflits(std::vector<Travail> &Travaux)
{
    QHash<QString, QString> Sorties;
    for (Travail &T : Travaux)
    {
        const QString Entree = Chemin_Reel(T.Entree);
        for (const QString &Chemin : {T.Chemin_Image, T.Chemin_Mask, T.Chemin_Apercu})
        {
            if (Chemin.isEmpty() || !T.Erreur.isEmpty())
                continue;
            const QString Reel = Chemin_Reel(Chemin);
            if (Reel == Entree)
                T.Erreur = QStringLiteral("« %1 » : la sortie « %2 » remplacerait le fichier "
                                          "d'entrée")
                               .arg(T.Entree, Chemin);
            else if (const auto Deja = Sorties.constFind(Reel); Deja != Sorties.cend())
                T.Erreur = QStringLiteral("« %1 » : même fichier de sortie « %2 » que « %3 »")
                               .arg(T.Entree, Chemin, *Deja);
        }
        // A preview on top of the input's own source code would replace it.
        if (T.Erreur.isEmpty() && !T.Chemin_Apercu.isEmpty())
            for (const QString &Chemin : {T.Chemin_Image, T.Chemin_Mask})
                if (!Chemin.isEmpty() && Chemin_Reel(Chemin) == Chemin_Reel(T.Chemin_Apercu))
                    T.Erreur = QStringLiteral("« %1 » : l'aperçu « %2 » remplacerait la sortie")
                                   .arg(T.Entree, T.Chemin_Apercu);
        if (T.Erreur.isEmpty())
        {
            Sorties.insert(Chemin_Reel(T.Chemin_Image), T.Entree);
            for (const QString &Chemin : {T.Chemin_Mask, T.Chemin_Apercu})
                if (!Chemin.isEmpty())
                    Sorties.insert(Chemin_Reel(Chemin), T.Entree);
        }
    }
}

} // namespace

std::optional<Analyse> Preparer_Travaux(const QCommandLineParser &Parseur,
                                        const QStringList &Entrees, Lot &Lot_)
{
    const auto Option = [&Parseur](const char *Nom) { return Parseur.isSet(QLatin1String(Nom)); };
    const auto Valeur = [&Parseur](const char *Nom) { return Parseur.value(QLatin1String(Nom)); };
    const bool Sortie_Donnee = Option("sortie");
    const QString Sortie = Valeur("sortie");
    if (Sortie_Donnee && Sortie.isEmpty())
        return Erreur_Usage(QStringLiteral("--sortie est vide"));
    const bool Vers_Dossier = !Sortie_Donnee || QFileInfo(Sortie).isDir();
    if (!Vers_Dossier && Entrees.size() > 1)
        return Erreur_Usage(
            QStringLiteral("avec plusieurs fichiers, --sortie doit être un dossier existant : "
                           "« %1 »")
                .arg(Sortie));

    const bool Apercu = Option("apercu");
    const QString Apercus = Valeur("apercu");
    if (Apercu && Apercus.isEmpty())
        return Erreur_Usage(QStringLiteral("--apercu est vide"));
    const bool Apercus_En_Dossier = Apercu && QFileInfo(Apercus).isDir();
    if (Apercu && !Apercus_En_Dossier && Entrees.size() > 1)
        return Erreur_Usage(
            QStringLiteral("avec plusieurs fichiers, --apercu doit être un dossier existant : "
                           "« %1 »")
                .arg(Apercus));

    for (const QString &Entree : Entrees)
    {
        Travail T;
        T.Entree = Entree;
        const QString Identifiant = Identifiant_C(QFileInfo(Entree).completeBaseName());
        T.Nom_Donne = Option("nom");
        T.Nom = T.Nom_Donne ? Valeur("nom") : Identifiant;
        if (Vers_Dossier)
        {
            // A name made here has no dot, so it always gets the plug-in's extension, whatever
            // dots the folder's path holds.
            const QString Dossier_Sortie = Sortie_Donnee ? Sortie : QFileInfo(Entree).path();
            T.Chemin_Image =
                Joindre(Dossier_Sortie, Appliquer_Extention(Identifiant, Lot_.Plug_Image));
            if (Lot_.Plug_Mask)
                T.Chemin_Mask =
                    Joindre(Dossier_Sortie,
                            Appliquer_Extention(QString::fromUtf8(Prefixe_Mask) + Identifiant,
                                                *Lot_.Plug_Mask));
        }
        else
        {
            // A path given whole follows the save dialog's rule, folders included.
            T.Chemin_Image = Appliquer_Extention(Sortie, Lot_.Plug_Image);
            if (Lot_.Plug_Mask)
            {
                const QFileInfo Info(Sortie);
                const QString Tete = Sortie.left(Sortie.size() - Info.fileName().size());
                T.Chemin_Mask = Appliquer_Extention(Tete + QString::fromUtf8(Prefixe_Mask) +
                                                        Info.completeBaseName(),
                                                    *Lot_.Plug_Mask);
            }
        }
        // A tile map holds the mask's arrays in its own file.
        if (Lot_.Carte)
            T.Chemin_Mask.clear();
        if (Apercu)
            T.Chemin_Apercu = Apercus_En_Dossier
                                  ? Joindre(Apercus, Identifiant + QStringLiteral(".png"))
                                  : Apercus;
        Lot_.Travaux.push_back(std::move(T));
    }
    Refuser_Conflits(Lot_.Travaux);
    return std::nullopt;
}
} // namespace Corvanel
