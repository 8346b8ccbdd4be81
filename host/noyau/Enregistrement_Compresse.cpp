#include "Enregistrement_Compresse.h"

#include "Assemblage_Planche.h"
#include "Cp1252.h"
#include "Lecture_Source.h"
#include "Source_Compressee.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace Corvanel
{
namespace
{
Resultat_Enregistrement Echec(const Plug_Info &Slot, Genre_Enregistrement Genre,
                              const QString &Chemin, Echec_Enregistrement Etape,
                              const QString &Detail)
{
    Resultat_Enregistrement Resultat;
    Resultat.Genre = Genre;
    Resultat.Echec = Etape;
    Resultat.Fichier = Slot.Fichier;
    Resultat.Chemin = Chemin;
    Resultat.Detail = Detail;
    return Resultat;
}
} // namespace

QString Nom_Compresse(const QString &Nom, Genre_Enregistrement Genre)
{
    return Genre == Genre_Enregistrement::Mask ? QString::fromUtf8(Prefixe_Mask) + Nom : Nom;
}

std::optional<Resultat_Enregistrement>
Refus_Compression(const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Chemin)
{
    if (Slot.Fichier.empty())
        return Echec(Slot, Genre, Chemin, Echec_Enregistrement::Sans_Plugin, {});
    if (Langage_Extention(Slot.Extention) == Langage_Source::Aucun)
        return Echec(
            Slot, Genre, Chemin, Echec_Enregistrement::Compression,
            QStringLiteral("« %1 » n'écrit pas de code source").arg(Depuis_Cp1252(Slot.Nom)));
    return std::nullopt;
}

Resultat_Enregistrement Ecrire_Compresse(const QByteArray &Texte, const Plug_Info &Slot,
                                         Genre_Enregistrement Genre, const QString &Chemin,
                                         const QString &Nom)
{
    if (auto Refus = Refus_Compression(Slot, Genre, Chemin))
        return *Refus;
    const Source_Compressee Compressee =
        Compresser_Source(Texte, Langage_Extention(Slot.Extention), Nom_Compresse(Nom, Genre));
    if (!Compressee.Erreur.isEmpty())
        return Echec(Slot, Genre, Chemin, Echec_Enregistrement::Compression, Compressee.Erreur);
    QSaveFile Fichier(Chemin);
    if (!Fichier.open(QIODevice::WriteOnly) ||
        Fichier.write(Compressee.Texte) != Compressee.Texte.size() || !Fichier.commit())
        return Echec(Slot, Genre, Chemin, Echec_Enregistrement::Fichier, Fichier.errorString());
    Resultat_Enregistrement Resultat;
    Resultat.Genre = Genre;
    Resultat.Fichier = Slot.Fichier;
    Resultat.Chemin = Chemin;
    Resultat.Compression = Compressee.Tailles;
    return Resultat;
}

Resultat_Enregistrement Enregistrer_Compresse(
    const Plug_Info &Slot, Genre_Enregistrement Genre, const QString &Chemin, const QString &Nom,
    const std::function<Resultat_Enregistrement(const QString &Brouillon)> &Enregistrer)
{
    if (auto Refus = Refus_Compression(Slot, Genre, Chemin))
        return *Refus;
    QTemporaryDir Dossier;
    if (!Dossier.isValid())
        return Echec(Slot, Genre, Chemin, Echec_Enregistrement::Fichier, Dossier.errorString());
    const QString Brouillon =
        Dossier.filePath(QStringLiteral("sortie.") + Depuis_Cp1252(Slot.Extention));
    Resultat_Enregistrement Ecrit = Enregistrer(Brouillon);
    Ecrit.Chemin = Chemin;
    if (!Ecrit.Reussi())
        return Ecrit;
    QFile Lu(Brouillon);
    // The plain text of 64 KB of data is far below this; more is no output of a sprite.
    if (!Lu.open(QIODevice::ReadOnly) || Lu.size() > Taille_Max_Source)
        return Echec(Slot, Genre, Chemin, Echec_Enregistrement::Fichier,
                     QStringLiteral("sortie du plug-in illisible"));
    return Ecrire_Compresse(Lu.readAll(), Slot, Genre, Chemin, Nom);
}
} // namespace Corvanel
