#include "Registre.h"

#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Hote_Plugin.h"
#include "Plug_Contrat.h"
#include "Protocole_Plugin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace Corvanel
{
namespace
{
std::string Couper(std::string Texte, std::size_t Longueur)
{
    if (Texte.size() > Longueur)
    {
        Texte.resize(Longueur);
    }
    return Texte;
}

// Nothing when the library cannot be offered in a save dialog: without an extension there is
// neither a pattern nor an extension to add to the file name.
std::optional<Plug_Info> Slot_De(const std::string &Chemin, std::uint8_t Genre,
                                 const std::optional<std::string> &Extention,
                                 const std::optional<std::string> &Nom)
{
    if (!Extention)
    {
        return std::nullopt;
    }
    Plug_Info Slot;
    Slot.Fichier = Chemin;
    Slot.Nom = Couper(Nom.value_or(""), Longueur_Max_Nom);
    Slot.Extention = Couper(*Extention, Longueur_Max_Extention);
    Slot.Fonction = Genre;
    return Slot;
}

Echec_Examen Echec_De(Fin_Appel Fin)
{
    switch (Fin)
    {
    case Fin_Appel::Repondu:
        return Echec_Examen::Aucun;
    case Fin_Appel::Arret_Plugin:
        return Echec_Examen::Arret;
    case Fin_Appel::Delai:
    case Fin_Appel::Arret:
        return Echec_Examen::Delai;
    case Fin_Appel::Sans_Hote:
        return Echec_Examen::Sans_Hote;
    case Fin_Appel::Plantage:
    case Fin_Appel::Reponse_Invalide:
        break;
    }
    return Echec_Examen::Plantage;
}

template <std::size_t Capacite>
bool Inscrire(std::array<Plug_Info, Capacite> &Liste, std::uint8_t &Nombre,
              std::optional<Plug_Info> Slot)
{
    if (!Slot || Nombre >= Capacite)
    {
        return false;
    }
    Liste[Nombre] = std::move(*Slot);
    ++Nombre;
    return true;
}

QString Filtre(const Plug_Info *Slots, std::uint8_t Nombre)
{
    QString Texte;
    for (std::uint8_t i = 0; i < Nombre; ++i)
    {
        if (i > 0)
        {
            Texte += QLatin1Char('|');
        }
        Texte += Depuis_Cp1252(Slots[i].Nom);
        Texte += QLatin1String("|*.");
        Texte += Depuis_Cp1252(Slots[i].Extention);
    }
    return Texte;
}

const Plug_Info &Slot(const Plug_Info *Slots, std::uint8_t Nombre, int Type_Fichier)
{
    static const Plug_Info Vide;
    if (Type_Fichier < 1 || Type_Fichier > Nombre)
    {
        return Vide;
    }
    return Slots[Type_Fichier - 1];
}

// Examines one library and files it in the tables, as line Ligne of the explorer.
void Examiner(Hote_Plugin &Hote, Resultat_Scan &Scan, std::size_t Ligne, const QString &Fichier,
              const std::string &Chemin)
{
    // A library that does not load stays listed with kind 0; the next one is still read.
    if (Chemin.empty())
    {
        return;
    }
    const Resultat_Appel Appel =
        Hote.Appeler(Protocole::Ecriture(Protocole::Operation::Examiner).Texte(Chemin).Trame(),
                     Options_Appel{Delai_Examen, {}});
    if (!Appel.Repondu())
    {
        Scan.Table_Plug[Ligne] = Entree_Plug{Chemin, 0, Echec_De(Appel.Fin), Appel.Detail};
        return;
    }
    Protocole::Lecture Reponse(Appel.Reponse);
    if (static_cast<Protocole::Etat>(Reponse.Octet()) != Protocole::Etat::Fait)
    {
        return;
    }
    const std::uint8_t Genre = Reponse.Octet();
    const std::optional<std::string> Extention = Reponse.Texte_Optionnel();
    const std::optional<std::string> Nom = Reponse.Texte_Optionnel();
    if (!Reponse.Valide())
    {
        Scan.Table_Plug[Ligne] =
            Entree_Plug{Chemin, 0, Echec_Examen::Plantage, "réponse illisible du programme d'aide"};
        return;
    }
    Scan.Table_Plug[Ligne] = Entree_Plug{Chemin, Genre, Echec_Examen::Aucun, {}};
    // A library with both picture bits is offered once, and saves the picture with its mask.
    if ((Genre & (Plug::Genre_Image | Plug::Genre_Image_Mask)) != 0 &&
        !Inscrire(Scan.Liste_Plug_Image, Scan.Nombre_Plug_Image,
                  Slot_De(Chemin, Genre, Extention, Nom)))
    {
        Scan.Plug_Non_Offerts.push_back(Fichier);
    }
    if ((Genre & Plug::Genre_Mask) != 0 && !Inscrire(Scan.Liste_Plug_Mask, Scan.Nombre_Plug_Mask,
                                                     Slot_De(Chemin, Genre, Extention, Nom)))
    {
        Scan.Plug_Non_Offerts.push_back(Fichier);
    }
}

// The scan of the given files, in that order; Chemin_De gives the load path of each.
template <typename Chemin_Fichier>
Resultat_Scan Scanner_Liste(const QStringList &Fichiers, Chemin_Fichier Chemin_De)
{
    Resultat_Scan Scan;
    // Started at the first library, and again after one that took it down.
    Hote_Plugin Hote;
    for (const QString &Fichier : Fichiers)
    {
        if (Scan.ListePlug.size() >= Capacite_Liste_Plug)
        {
            Scan.Fichiers_Non_Listes.push_back(Fichier);
            continue;
        }
        const std::size_t Ligne = Scan.ListePlug.size();
        Scan.ListePlug.push_back(QFileInfo(Fichier).fileName());
        Examiner(Hote, Scan, Ligne, Fichier, Chemin_De(Fichier));
    }
    return Scan;
}

// The scan of the libraries of one folder; Chemin_De gives the load path of a file name.
template <typename Chemin_Fichier>
Resultat_Scan Scanner_Dossier(const QDir &Plugins, Chemin_Fichier Chemin_De)
{
    QDir::Filters Filtres = QDir::Files;
#if !defined(_WIN32)
    Filtres |= QDir::CaseSensitive;
#endif
    QStringList Fichiers =
        Plugins.entryList({QLatin1String(Motif_Plugin)}, Filtres, QDir::Unsorted);
    std::sort(Fichiers.begin(), Fichiers.end());
    return Scanner_Liste(Fichiers, Chemin_De);
}
} // namespace

Resultat_Scan Scanner_Plugins(const QString &Dossier)
{
    QDir Plugins(Dossier.isEmpty() ? QString(QLatin1Char('.')) : Dossier);
    if (!Plugins.cd(QLatin1String(Dossier_Plugin)))
    {
        return {};
    }
    return Scanner_Dossier(Plugins, [&Dossier](const QString &Fichier)
                           { return Chemin_Plugin(Fichier, Dossier); });
}

Resultat_Scan Scanner_Dossier_Plugins(const QString &Dossier_Plugins)
{
    const QDir Plugins(Dossier_Plugins);
    if (Dossier_Plugins.isEmpty() || !Plugins.exists())
    {
        return {};
    }
    return Scanner_Dossier(Plugins, [&Dossier_Plugins](const QString &Fichier)
                           { return Chemin_Bibliotheque(Fichier, Dossier_Plugins); });
}

Resultat_Scan Scanner_Fichiers_Plugins(const QStringList &Fichiers)
{
    return Scanner_Liste(Fichiers, [](const QString &Fichier)
                         { return QFile::encodeName(Fichier).toStdString(); });
}

bool Prend_Mask(const Plug_Info &Slot)
{
    return (Slot.Fonction & Plug::Genre_Image_Mask) != 0;
}

QString Nom_Genre(std::int32_t Fonction)
{
    if (Fonction == Plug::Genre_Application)
        return QStringLiteral("application");
    if (Fonction == 0)
        return QStringLiteral("aucun");
    QStringList Parties;
    if ((Fonction & Plug::Genre_Image_Mask) != 0)
        Parties << QStringLiteral("image et mask");
    else if ((Fonction & Plug::Genre_Image) != 0)
        Parties << QStringLiteral("image");
    if ((Fonction & Plug::Genre_Mask) != 0)
        Parties << QStringLiteral("mask");
    if (Parties.isEmpty())
        return QStringLiteral("genre %1").arg(Fonction);
    return Parties.join(QLatin1Char('+'));
}

QString Filtre_Image(const Resultat_Scan &Scan)
{
    return Filtre(Scan.Liste_Plug_Image.data(), Scan.Nombre_Plug_Image);
}

QString Filtre_Mask(const Resultat_Scan &Scan)
{
    return Filtre(Scan.Liste_Plug_Mask.data(), Scan.Nombre_Plug_Mask);
}

QString Extention_Defaut_Image(const Resultat_Scan &Scan)
{
    if (Scan.Nombre_Plug_Image == 0)
    {
        return {};
    }
    return Depuis_Cp1252(Scan.Liste_Plug_Image[0].Extention);
}

const Plug_Info &Slot_Image(const Resultat_Scan &Scan, int Type_Fichier)
{
    return Slot(Scan.Liste_Plug_Image.data(), Scan.Nombre_Plug_Image, Type_Fichier);
}

const Plug_Info &Slot_Mask(const Resultat_Scan &Scan, int Type_Fichier)
{
    return Slot(Scan.Liste_Plug_Mask.data(), Scan.Nombre_Plug_Mask, Type_Fichier);
}
} // namespace Corvanel
