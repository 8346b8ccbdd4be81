// The packed buffer itself: the header, the table of run bytes, and the tokens as bits, with
// the escapes chosen for them.
#include "Codage_Compactage.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace Corvanel
{
namespace Codage
{
Echappements Choisir_Echappements(std::span<const std::uint8_t> Donnees, int e,
                                  std::span<const Jeton> Jetons)
{
    Echappements Choix;
    Choix.Nouveau.assign(Jetons.size(), -1);
    if (e == 0)
        return Choix;
    const int Valeurs = 1 << e;
    // The literals' top bits, and for each value the literals that carry it, in order.
    std::vector<std::uint8_t> Hauts;
    std::vector<std::size_t> Indices;
    for (std::size_t k = 0, Position = 0; k < Jetons.size(); Position += Jetons[k++].Longueur)
        if (Jetons[k].Genre == Genre_Jeton::Litteral)
        {
            Hauts.push_back(static_cast<std::uint8_t>(Donnees[Position] >> (8 - e)));
            Indices.push_back(k);
        }
    std::vector<std::uint32_t> Debut(Valeurs + 1, 0);
    for (const std::uint8_t h : Hauts)
        ++Debut[h + 1];
    std::partial_sum(Debut.begin(), Debut.end(), Debut.begin());
    std::vector<std::uint32_t> Usages(Hauts.size());
    std::vector<std::uint32_t> Curseur(Debut.begin(), Debut.end() - 1);
    for (std::size_t j = 0; j < Hauts.size(); ++j)
        Usages[Curseur[Hauts[j]]++] = static_cast<std::uint32_t>(j);
    std::copy(Debut.begin(), Debut.end() - 1, Curseur.begin());
    const auto Le_Plus_Loin = [&](std::size_t Apres)
    {
        std::uint32_t Meilleur = 0;
        std::size_t Plus_Loin = 0;
        for (int v = 0; v < Valeurs; ++v)
        {
            while (Curseur[v] < Debut[v + 1] && Usages[Curseur[v]] <= Apres)
                ++Curseur[v];
            const std::size_t Prochain = Curseur[v] < Debut[v + 1]
                                             ? Usages[Curseur[v]]
                                             : std::numeric_limits<std::size_t>::max();
            if (Prochain > Plus_Loin || v == 0)
            {
                Plus_Loin = Prochain;
                Meilleur = static_cast<std::uint32_t>(v);
            }
        }
        return Meilleur;
    };
    std::uint32_t Courant = Hauts.empty() ? 0
                                          : [&]
    {
        // Before the first literal: the value first used farthest ahead.
        std::uint32_t Meilleur = 0;
        std::size_t Plus_Loin = 0;
        for (int v = 0; v < Valeurs; ++v)
        {
            const std::size_t Premier = Debut[v] < Debut[v + 1]
                                            ? Usages[Debut[v]]
                                            : std::numeric_limits<std::size_t>::max();
            if (Premier > Plus_Loin || v == 0)
            {
                Plus_Loin = Premier;
                Meilleur = static_cast<std::uint32_t>(v);
            }
        }
        return Meilleur;
    }();
    Choix.Depart = Courant;
    for (std::size_t j = 0; j < Hauts.size(); ++j)
        if (Hauts[j] == Courant)
        {
            Courant = Le_Plus_Loin(j);
            Choix.Nouveau[Indices[j]] = static_cast<std::int16_t>(Courant);
        }
    return Choix;
}
} // namespace Codage

namespace
{
using namespace Codage;

class Ecrivain_Bits
{
public:
    explicit Ecrivain_Bits(std::vector<std::uint8_t> &Octets) : Octets_(Octets) {}

    void Bits(std::uint32_t Valeur, int Nombre)
    {
        for (int i = Nombre - 1; i >= 0; --i)
        {
            if (Rempli == 0)
                Octets_.push_back(0);
            Octets_.back() |= static_cast<std::uint8_t>(((Valeur >> i) & 1) << (7 - Rempli));
            Rempli = (Rempli + 1) % 8;
        }
    }

    void Gamma(std::uint32_t Valeur)
    {
        int n = 0;
        while ((Valeur >> (n + 1)) != 0)
            ++n;
        Bits((1u << n) - 1, n); // n ones
        if (n < 7)
            Bits(0, 1);
        Bits(Valeur, n);
    }

private:
    std::vector<std::uint8_t> &Octets_;
    int Rempli = 0; // bits used in the last byte
};
} // namespace

std::vector<std::uint8_t> Ecrire_Compacte(std::span<const std::uint8_t> Donnees,
                                          const Reglages_Compactage &Reglages,
                                          std::span<const Jeton> Jetons)
{
    const int e = Reglages.Echappement;
    const int x = Reglages.Decalage;
    const std::size_t n = Donnees.size();
    const Echappements Choix = Choisir_Echappements(Donnees, e, Jetons);
    std::vector<std::uint8_t> Tampon(16 + Reglages.Table.size(), 0);
    Tampon[0] = static_cast<std::uint8_t>(n & 0xFF);
    Tampon[1] = static_cast<std::uint8_t>(n >> 8);
    Tampon[2] = 'T';
    Tampon[3] = 'P';
    Tampon[6] = static_cast<std::uint8_t>(Choix.Depart);
    Tampon[9] = static_cast<std::uint8_t>(e);
    Tampon[10] = 8;
    Tampon[11] = 128;
    Tampon[12] = static_cast<std::uint8_t>(x);
    Tampon[15] = static_cast<std::uint8_t>(Reglages.Table.size());
    std::copy(Reglages.Table.begin(), Reglages.Table.end(), Tampon.begin() + 16);
    std::array<int, 256> Place{};
    for (std::size_t k = 0; k < Reglages.Table.size(); ++k)
        if (Place[Reglages.Table[k]] == 0)
            Place[Reglages.Table[k]] = static_cast<int>(k + 1);

    Ecrivain_Bits Flux(Tampon);
    std::uint32_t Escape = Choix.Depart;
    const auto Code = [&] { Flux.Bits(Escape, e); };
    std::size_t Position = 0;
    for (std::size_t k = 0; k < Jetons.size(); ++k)
    {
        const Jeton &J = Jetons[k];
        const std::uint8_t Octet = Donnees[Position];
        switch (J.Genre)
        {
        case Genre_Jeton::Litteral:
            if (e > 0 && Choix.Nouveau[k] < 0)
                Flux.Bits(Octet, 8);
            else
            {
                // An escape change carries the byte whose top bits are the escape.
                const std::uint32_t Nouveau =
                    e > 0 ? static_cast<std::uint32_t>(Choix.Nouveau[k]) : 0;
                Code();
                Flux.Bits(0b010, 3);
                Flux.Bits(Nouveau, e);
                Flux.Bits(Octet, 8 - e);
                Escape = Nouveau;
            }
            break;
        case Genre_Jeton::Copie:
        {
            const std::uint32_t d = J.Distance - 1;
            Code();
            if (J.Longueur == 2)
                Flux.Bits(0b00, 2);
            else
            {
                Flux.Gamma(J.Longueur - 1u);
                Flux.Gamma((d >> (8 + x)) + 1);
                Flux.Bits((d >> 8) & ((1u << x) - 1), x);
            }
            Flux.Bits((d & 0xFF) ^ 0xFF, 8);
            break;
        }
        case Genre_Jeton::Serie:
        {
            Code();
            Flux.Bits(0b011, 3);
            const std::uint32_t c = J.Longueur - 1u;
            if (J.Longueur <= Serie_Courte_Max)
                Flux.Gamma(c);
            else
            {
                Flux.Gamma(128 + ((c & 0xFF) >> 1));
                Flux.Bits(c & 1, 1);
                Flux.Gamma((c >> 8) + 1);
            }
            if (Place[Octet] != 0)
                Flux.Gamma(static_cast<std::uint32_t>(Place[Octet]));
            else
            {
                Flux.Gamma(32 + (Octet >> 3));
                Flux.Bits(Octet & 7, 3);
            }
            break;
        }
        }
        Position += J.Longueur;
    }
    Code();
    Flux.Gamma(3);
    Flux.Gamma(255);
    Tampon[4] = static_cast<std::uint8_t>(Tampon.size() & 0xFF);
    Tampon[5] = static_cast<std::uint8_t>(Tampon.size() >> 8);
    return Tampon;
}
} // namespace Corvanel
