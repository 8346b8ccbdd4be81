#include "Protocole_Plugin.h"

#include "Plug_Contrat.h"

#include <algorithm>
#include <cstring>

namespace Corvanel::Protocole
{
namespace
{
void Ajouter_Longueur(std::string &Octets, std::uint32_t Longueur)
{
    char Quatre[sizeof Longueur];
    std::memcpy(Quatre, &Longueur, sizeof Longueur);
    Octets.append(Quatre, sizeof Quatre);
}
} // namespace

Ecriture &Ecriture::Octet(std::uint8_t Valeur)
{
    Corps.push_back(static_cast<char>(Valeur));
    return *this;
}

Ecriture &Ecriture::Texte(std::string_view Valeur)
{
    Ajouter_Longueur(Corps, static_cast<std::uint32_t>(Valeur.size()));
    Corps.append(Valeur);
    return *this;
}

Ecriture &Ecriture::Texte_Optionnel(const std::optional<std::string> &Valeur)
{
    Octet(Valeur ? 1 : 0);
    if (Valeur)
        Texte(*Valeur);
    return *this;
}

Ecriture &Ecriture::Plan(const std::uint8_t *Plan)
{
    Corps.append(reinterpret_cast<const char *>(Plan), Plug::Taille_Plan);
    return *this;
}

Ecriture &Ecriture::Points(const std::uint8_t *Plan, std::uint8_t Hauteur, std::uint8_t Largeur)
{
    for (std::size_t X = 0; X < std::min<std::size_t>(Largeur, std::size_t{Plug::Colonnes}); ++X)
        Corps.append(reinterpret_cast<const char *>(Plan + X * Plug::Lignes),
                     std::min<std::size_t>(Hauteur, std::size_t{Plug::Lignes}));
    return *this;
}

std::string Ecriture::Trame() const
{
    std::string Octets;
    Octets.reserve(sizeof(std::uint32_t) + Corps.size());
    Ajouter_Longueur(Octets, static_cast<std::uint32_t>(Corps.size()));
    Octets += Corps;
    return Octets;
}

bool Lecture::Prendre(std::size_t Taille, std::string_view &Morceau)
{
    if (!Ok || Reste.size() < Taille)
    {
        Ok = false;
        return false;
    }
    Morceau = Reste.substr(0, Taille);
    Reste.remove_prefix(Taille);
    return true;
}

std::uint8_t Lecture::Octet()
{
    std::string_view Morceau;
    return Prendre(1, Morceau) ? static_cast<std::uint8_t>(Morceau[0]) : 0;
}

std::string Lecture::Texte()
{
    std::string_view Morceau;
    if (!Prendre(sizeof(std::uint32_t), Morceau))
        return {};
    const std::uint32_t Longueur = Lire_Longueur(Morceau.data());
    if (!Prendre(Longueur, Morceau))
        return {};
    return std::string(Morceau);
}

std::optional<std::string> Lecture::Texte_Optionnel()
{
    if (Octet() == 0)
        return std::nullopt;
    return Texte();
}

void Lecture::Plan(std::uint8_t *Plan)
{
    std::string_view Morceau;
    if (Prendre(Plug::Taille_Plan, Morceau))
        std::memcpy(Plan, Morceau.data(), Plug::Taille_Plan);
    else
        std::memset(Plan, 0, Plug::Taille_Plan);
}

void Lecture::Points(std::uint8_t *Plan, std::uint8_t Hauteur, std::uint8_t Largeur)
{
    const std::size_t Colonne = std::min<std::size_t>(Hauteur, std::size_t{Plug::Lignes});
    std::string_view Morceau;
    for (std::size_t X = 0; X < std::min<std::size_t>(Largeur, std::size_t{Plug::Colonnes}); ++X)
        if (Prendre(Colonne, Morceau))
            std::memcpy(Plan + X * Plug::Lignes, Morceau.data(), Colonne);
}

std::uint32_t Lire_Longueur(const char *Quatre_Octets)
{
    std::uint32_t Longueur;
    std::memcpy(&Longueur, Quatre_Octets, sizeof Longueur);
    return Longueur;
}
} // namespace Corvanel::Protocole
