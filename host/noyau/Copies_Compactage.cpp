#include "Copies_Compactage.h"

#include <algorithm>

namespace Corvanel
{
namespace
{
constexpr std::int32_t Aucun = -1;
// Far deeper than any tree of real data gets; it only bounds a pathological input.
constexpr int Profondeur_Max = 2048;
} // namespace

// Every earlier position sits in a binary tree per two-byte start, ordered by the bytes that
// follow it, the latest one nearest the root. Looking a position up walks the path its own
// bytes take, and that path goes through the nearest position of every common length: the
// latest of the positions that share a longer start is above all the others. The position
// then takes the root's place, splitting the tree along that path.
Copies_Compactage::Copies_Compactage(std::span<const std::uint8_t> Donnees)
{
    const std::size_t n = Donnees.size();
    Debuts.assign(n + 1, 0);
    std::vector<std::int32_t> Racines(65536, Aucun);
    std::vector<std::int32_t> Fils(2 * n, Aucun); // smaller, then greater, of each position
    const std::uint8_t *Octets = Donnees.data();
    for (std::size_t i = 0; i + 1 < n; ++i)
    {
        Debuts[i] = static_cast<std::uint32_t>(Copies.size());
        const int Limite = static_cast<int>(std::min<std::size_t>(Longueur_Max, n - i));
        std::int32_t &Racine = Racines[Octets[i] << 8 | Octets[i + 1]];
        std::int32_t Courant = Racine;
        Racine = static_cast<std::int32_t>(i);
        std::int32_t *Plus_Petit = &Fils[2 * i];
        std::int32_t *Plus_Grand = &Fils[2 * i + 1];
        int Commun_Petit = 0;
        int Commun_Grand = 0;
        int Meilleure = 1;
        for (int Profondeur = 0; Courant != Aucun && Profondeur < Profondeur_Max; ++Profondeur)
        {
            std::int32_t *Paire = &Fils[2 * static_cast<std::size_t>(Courant)];
            const std::uint8_t *Avant = Octets + Courant;
            const std::uint8_t *Ici = Octets + i;
            int Longueur = std::min(Commun_Petit, Commun_Grand);
            while (Longueur < Limite && Avant[Longueur] == Ici[Longueur])
                ++Longueur;
            if (Longueur > Meilleure)
            {
                Meilleure = Longueur;
                Copies.push_back(
                    {static_cast<std::uint16_t>(Longueur),
                     static_cast<std::uint16_t>(static_cast<std::int32_t>(i) - Courant)});
                if (Longueur == Limite)
                {
                    // As long as can be: the older position is dropped, its subtrees kept.
                    *Plus_Petit = Paire[0];
                    *Plus_Grand = Paire[1];
                    Courant = Aucun;
                    break;
                }
            }
            if (Avant[Longueur] < Ici[Longueur])
            {
                *Plus_Petit = Courant;
                Plus_Petit = &Paire[1];
                Courant = Paire[1];
                Commun_Petit = Longueur;
            }
            else
            {
                *Plus_Grand = Courant;
                Plus_Grand = &Paire[0];
                Courant = Paire[0];
                Commun_Grand = Longueur;
            }
        }
        if (Courant != Aucun || Meilleure < Limite)
        {
            *Plus_Petit = Aucun;
            *Plus_Grand = Aucun;
        }
    }
    for (std::size_t i = n > 0 ? n - 1 : 0; i <= n; ++i)
        Debuts[i] = static_cast<std::uint32_t>(Copies.size());
}
} // namespace Corvanel
