#include "Registre.h"

#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Plug_Contrat.h"

#include <QDir>
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
std::optional<Plug_Info> Lire_Slot(const Bibliotheque &Plugin, const std::string &Chemin)
{
    const auto Extention =
        Plugin.Lire_Texte("Plug_Enregistrement_Extention", Ordre::Simple_Puis_Souligne);
    if (!Extention)
    {
        return std::nullopt;
    }
    Plug_Info Slot;
    Slot.Fichier = Chemin;
    Slot.Nom = Couper(Plugin.Lire_Texte("Plug_Nom", Ordre::Simple_Puis_Souligne).value_or(""),
                      Longueur_Max_Nom);
    Slot.Extention = Couper(*Extention, Longueur_Max_Extention);
    return Slot;
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

// The scan of the libraries of one folder; Chemin_De gives the load path of a file name.
template <typename Chemin_Fichier>
Resultat_Scan Scanner_Dossier(const QDir &Plugins, Chemin_Fichier Chemin_De)
{
    Resultat_Scan Scan;
    QDir::Filters Filtres = QDir::Files;
#if !defined(_WIN32)
    Filtres |= QDir::CaseSensitive;
#endif
    QStringList Fichiers =
        Plugins.entryList({QLatin1String(Motif_Plugin)}, Filtres, QDir::Unsorted);
    std::sort(Fichiers.begin(), Fichiers.end());

    for (const QString &Fichier : Fichiers)
    {
        if (Scan.ListePlug.size() >= Capacite_Liste_Plug)
        {
            Scan.Fichiers_Non_Listes.push_back(Fichier);
            continue;
        }
        const std::size_t Ligne = Scan.ListePlug.size();
        Scan.ListePlug.push_back(Fichier);

        // A library that does not load stays listed with kind 0; the next one is still read.
        const std::string Chemin = Chemin_De(Fichier);
        const Bibliotheque Plugin(Chemin);
        if (!Plugin.Chargee())
        {
            continue;
        }
        const auto Fonction = Plugin.Chercher_Fonction<Plug_Fonction_Type>(
            "Plug_Fonction", Ordre::Simple_Puis_Souligne);
        if (Fonction == nullptr)
        {
            continue;
        }
        // Asked once: a kind that changed between calls would put the library in a table
        // that does not match what the explorer shows.
        const std::uint8_t Genre = Fonction();
        Scan.Table_Plug[Ligne] = Entree_Plug{Chemin, Genre};

        if ((Genre & Plug::Genre_Image) != 0 &&
            !Inscrire(Scan.Liste_Plug_Image, Scan.Nombre_Plug_Image, Lire_Slot(Plugin, Chemin)))
        {
            Scan.Plug_Non_Offerts.push_back(Fichier);
        }
        if ((Genre & Plug::Genre_Mask) != 0 &&
            !Inscrire(Scan.Liste_Plug_Mask, Scan.Nombre_Plug_Mask, Lire_Slot(Plugin, Chemin)))
        {
            Scan.Plug_Non_Offerts.push_back(Fichier);
        }
    }
    return Scan;
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
