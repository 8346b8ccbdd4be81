#include "Enregistrement.h"

#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Plug_Contrat.h"

#include <QFile>
#include <QFileInfo>

namespace Corvanel
{
namespace
{
Resultat_Enregistrement Debut(Genre_Enregistrement Genre, const Plug_Info &Slot,
                              const QString &Chemin)
{
    Resultat_Enregistrement Resultat;
    Resultat.Genre = Genre;
    Resultat.Fichier = Slot.Fichier;
    Resultat.Chemin = Chemin;
    if (Slot.Fichier.empty())
        Resultat.Echec = Echec_Enregistrement::Sans_Plugin;
    return Resultat;
}

QString Nom_Local(const std::string &Fichier)
{
    return QFile::decodeName(QByteArray::fromStdString(Fichier));
}
} // namespace

QString Appliquer_Extention(const QString &Chemin, const Plug_Info &Slot)
{
    if (Chemin.contains(QLatin1Char('.')) || Slot.Extention.empty())
    {
        return Chemin;
    }
    return Chemin + QLatin1Char('.') + Depuis_Cp1252(Slot.Extention);
}

QString Titre_Enregistrement(const Resultat_Enregistrement &Resultat)
{
    const bool Mask = Resultat.Genre == Genre_Enregistrement::Mask;
    switch (Resultat.Echec)
    {
    case Echec_Enregistrement::Aucun:
        return {};
    case Echec_Enregistrement::Sans_Plugin:
        return QString::fromUtf8(Message_Sans_Plugin);
    case Echec_Enregistrement::Chargement:
        return QStringLiteral("Bug 1 !!!");
    case Echec_Enregistrement::Fonction_Absente:
        // The picture save names the library that lacks its function.
        return Mask ? QStringLiteral("Bug 2 !!!") : Nom_Local(Resultat.Fichier);
    case Echec_Enregistrement::Refus:
        return Mask ? QStringLiteral("Bug 3 !!!") : QStringLiteral("Problème d'enregistrement.");
    case Echec_Enregistrement::Plantage:
    case Echec_Enregistrement::Delai:
    case Echec_Enregistrement::Arret:
    case Echec_Enregistrement::Fichier:
        return QStringLiteral("Problème d'enregistrement.");
    }
    return QStringLiteral("Problème d'enregistrement.");
}

QString Message_Enregistrement(const Resultat_Enregistrement &Resultat)
{
    if (Resultat.Reussi())
        return {};
    // The window's title says what went wrong; the command line adds the file and the plug-in.
    QString Raison = Titre_Enregistrement(Resultat);
    if (!Resultat.Detail.isEmpty())
        Raison += QStringLiteral(" (%1)").arg(Resultat.Detail);
    return QStringLiteral("Impossible d'enregistrer « %1 » avec %2 : %3")
        .arg(Resultat.Chemin, QFileInfo(Nom_Local(Resultat.Fichier)).fileName(), Raison);
}

Resultat_Enregistrement Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin,
                                          const QString &Nom, std::uint8_t Nombre_Couleur,
                                          const Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                          std::uint8_t Largeur_Image)
{
    Resultat_Enregistrement Resultat = Debut(Genre_Enregistrement::Image, Slot, Chemin);
    if (!Resultat.Reussi())
        return Resultat;
    const Bibliotheque Plugin(Slot.Fichier);
    if (!Plugin.Chargee())
    {
        Resultat.Echec = Echec_Enregistrement::Chargement;
        return Resultat;
    }
    const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Image_Type>(
        "Plug_Enregistrement_Go", Ordre::Simple_Puis_Souligne);
    if (Go == nullptr)
    {
        Resultat.Echec = Echec_Enregistrement::Fonction_Absente;
        return Resultat;
    }
    const QByteArray Chemin_Local = QFile::encodeName(Chemin);
    const std::string Nom_Cp1252 = Vers_Cp1252(Nom);
    if (Go(Chemin_Local.constData(), Nom_Cp1252.c_str(), Nombre_Couleur, Plan_Image.data(),
           Hauteur_Image, Largeur_Image) == 0)
        Resultat.Echec = Echec_Enregistrement::Refus;
    return Resultat;
}

Resultat_Enregistrement Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin,
                                         const QString &Nom, const Plan &Plan_Mask,
                                         std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image)
{
    Resultat_Enregistrement Resultat = Debut(Genre_Enregistrement::Mask, Slot, Chemin);
    if (!Resultat.Reussi())
        return Resultat;
    const Bibliotheque Plugin(Slot.Fichier);
    if (!Plugin.Chargee())
    {
        Resultat.Echec = Echec_Enregistrement::Chargement;
        return Resultat;
    }
    const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Mask_Type>(
        "Plug_Enregistrement_Go", Ordre::Simple_Seul);
    if (Go == nullptr)
    {
        Resultat.Echec = Echec_Enregistrement::Fonction_Absente;
        return Resultat;
    }
    const QByteArray Chemin_Local = QFile::encodeName(Chemin);
    const std::string Nom_Cp1252 = Vers_Cp1252(Nom);
    if (Go(Chemin_Local.constData(), Nom_Cp1252.c_str(), Plan_Mask.data(), Hauteur_Image,
           Largeur_Image) == 0)
        Resultat.Echec = Echec_Enregistrement::Refus;
    return Resultat;
}
} // namespace Corvanel
