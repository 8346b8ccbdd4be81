#include "Compactage.h"

#include "Codage_Compactage.h"
#include "Copies_Compactage.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace Corvanel
{
namespace
{
using namespace Codage;

constexpr int Table_Max = 31;
constexpr int Copie_Suffisante = Copies_Compactage::Longueur_Max;

// What the parse needs of the data, whatever the settings.
struct Contexte
{
    explicit Contexte(std::span<const std::uint8_t> D) : Donnees(D), Copies(D), Series(D.size())
    {
        for (std::size_t i = D.size(); i-- > 0;)
            Series[i] = i + 1 < D.size() && D[i] == D[i + 1] ? Series[i + 1] + 1 : 1;
    }

    std::span<const std::uint8_t> Donnees;
    Copies_Compactage Copies;
    std::vector<std::uint32_t> Series; // equal bytes from each position on
};

std::array<std::uint16_t, 256> Couts_Octet(const Reglages_Compactage &Reglages)
{
    std::array<std::uint16_t, 256> Couts{};
    for (int v = 0; v < 256; ++v)
        Couts[v] = static_cast<std::uint16_t>(Gamma[32 + (v >> 3)] + 3);
    for (std::size_t k = 0; k < Reglages.Table.size(); ++k)
        Couts[Reglages.Table[k]] = std::min<std::uint16_t>(Couts[Reglages.Table[k]], Gamma[k + 1]);
    return Couts;
}

// The tokens of least cost in bits for these settings, a literal at i costing Litteraux[i]:
// a shortest path over the positions, every copy length and run length an edge.
std::vector<Jeton> Parser(const Contexte &C, const Reglages_Compactage &Reglages,
                          std::span<const std::uint16_t> Litteraux)
{
    const std::span<const std::uint8_t> D = C.Donnees;
    const std::size_t n = D.size();
    const int e = Reglages.Echappement;
    const int x = Reglages.Decalage;
    const std::uint32_t Loin = static_cast<std::uint32_t>(Distance_Max(x));
    const std::array<std::uint16_t, 256> Octet = Couts_Octet(Reglages);
    std::vector<std::uint32_t> Cout(n + 1, std::numeric_limits<std::uint32_t>::max());
    std::vector<Jeton> Arrivee(n + 1);
    Cout[0] = 0;
    const auto Relacher = [&](std::size_t Fin, std::uint32_t Total, Genre_Jeton Genre, int Longueur,
                              std::uint32_t Distance)
    {
        if (Total < Cout[Fin])
        {
            Cout[Fin] = Total;
            Arrivee[Fin] = {Genre, static_cast<std::uint16_t>(Longueur), Distance};
        }
    };
    std::size_t Reprise = 0;
    for (std::size_t i = 0; i < n; ++i)
    {
        // Within a copy as long as a copy can be, the copy is taken whole: the edges from
        // every position it covers would cost more time than they ever save bits.
        if (i < Reprise)
            continue;
        const std::uint32_t c = Cout[i];
        Relacher(i + 1, c + Litteraux[i], Genre_Jeton::Litteral, 1, 0);
        const int Serie = std::min<int>(C.Series[i], Serie_Max);
        // Deep inside a long run only a run to its end (or near it) is worth trying: copies
        // and short runs from there are never shorter than the run from its start.
        const bool Profond = C.Series[i] > 300 && i > 0 && D[i - 1] == D[i];
        if (Serie >= 2)
        {
            const std::uint32_t Base = c + e + 3 + Octet[D[i]];
            if (!Profond)
                for (int k = 2; k <= std::min(Serie, Serie_Courte_Max); ++k)
                    Relacher(i + k, Base + Gamma[k - 1], Genre_Jeton::Serie, k, 0);
            for (int k = std::max(Serie_Courte_Max + 1, Serie - 16); k <= Serie; ++k)
                Relacher(i + k, Base + 15 + Gamma[((k - 1) >> 8) + 1], Genre_Jeton::Serie, k, 0);
        }
        if (Profond)
            continue;
        const std::span<const Copie_Possible> Copies = C.Copies.A(i);
        if (Copies.empty())
            continue;
        if (Copies.front().Distance <= 256)
            Relacher(i + 2, c + e + 10, Genre_Jeton::Copie, 2, Copies.front().Distance);
        int Couverte = 2;
        for (const Copie_Possible &Copie : Copies)
        {
            if (Copie.Distance > Loin)
                break;
            const std::uint32_t Base =
                c + e + x + 8 + Gamma[((Copie.Distance - 1u) >> (8 + x)) + 1];
            for (int L = Couverte + 1; L <= Copie.Longueur; ++L)
                Relacher(i + L, Base + Gamma[L - 1], Genre_Jeton::Copie, L, Copie.Distance);
            Couverte = std::max<int>(Couverte, Copie.Longueur);
        }
        if (Couverte >= Copie_Suffisante && Serie < 2)
            Reprise = i + static_cast<std::size_t>(Couverte);
    }
    std::vector<Jeton> Jetons;
    for (std::size_t Fin = n; Fin > 0; Fin -= Arrivee[Fin].Longueur)
        Jetons.push_back(Arrivee[Fin]);
    std::reverse(Jetons.begin(), Jetons.end());
    return Jetons;
}

// The run bytes of the commonest runs, as many as save more than their place in the table.
std::vector<std::uint8_t> Table_Series(const std::array<std::uint32_t, 256> &Comptes)
{
    std::vector<std::uint8_t> Ordre(256);
    std::iota(Ordre.begin(), Ordre.end(), 0);
    std::stable_sort(Ordre.begin(), Ordre.end(),
                     [&](std::uint8_t a, std::uint8_t b) { return Comptes[a] > Comptes[b]; });
    long Gain = 0;
    long Meilleur_Gain = 0;
    std::size_t Garder = 0;
    for (std::size_t k = 0; k < Table_Max && Comptes[Ordre[k]] > 0; ++k)
    {
        Gain += static_cast<long>(Comptes[Ordre[k]]) *
                    (Gamma[32 + (Ordre[k] >> 3)] + 3 - Gamma[k + 1]) -
                8;
        if (Gain > Meilleur_Gain)
        {
            Meilleur_Gain = Gain;
            Garder = k + 1;
        }
    }
    Ordre.resize(Garder);
    return Ordre;
}

// The size these tokens would take with other settings, Changements literals changing the
// escape; what a copy too far for the settings would need is not counted.
std::size_t Estimer(std::span<const std::uint8_t> D, std::span<const Jeton> Jetons,
                    const Reglages_Compactage &Reglages, std::size_t Changements)
{
    const int e = Reglages.Echappement;
    const int x = Reglages.Decalage;
    const std::array<std::uint16_t, 256> Octet = Couts_Octet(Reglages);
    const std::uint32_t Loin = static_cast<std::uint32_t>(Distance_Max(x));
    std::size_t Bits = e + 17;
    std::size_t Litteraux = 0;
    for (std::size_t k = 0, Position = 0; k < Jetons.size(); Position += Jetons[k++].Longueur)
    {
        const Jeton &J = Jetons[k];
        if (J.Genre == Genre_Jeton::Litteral)
            ++Litteraux;
        else if (J.Genre == Genre_Jeton::Serie)
            Bits += e + 3 + Octet[D[Position]] +
                    (J.Longueur <= Serie_Courte_Max ? Gamma[J.Longueur - 1]
                                                    : 15 + Gamma[((J.Longueur - 1) >> 8) + 1]);
        else if (J.Distance > Loin)
            return std::numeric_limits<std::size_t>::max();
        else
            Bits += e + (J.Longueur == 2 ? 10
                                         : Gamma[J.Longueur - 1] +
                                               Gamma[((J.Distance - 1) >> (8 + x)) + 1] + x + 8);
    }
    Bits += e == 0 ? 11 * Litteraux : 8 * Litteraux + (e + 3) * Changements;
    return 16 + Reglages.Table.size() + (Bits + 7) / 8;
}

struct Essai
{
    Reglages_Compactage Reglages;
    std::vector<Jeton> Jetons;
    std::vector<std::uint8_t> Tampon;
};

class Recherche
{
public:
    explicit Recherche(std::span<const std::uint8_t> Donnees) : C(Donnees) {}

    // Parses with these settings, then again with each literal priced by the escape it met
    // in the first parse; the better of the two is kept if it beats the best so far.
    const Essai &Essayer(const Reglages_Compactage &Reglages)
    {
        const std::size_t n = C.Donnees.size();
        const int e = Reglages.Echappement;
        std::vector<std::uint16_t> Litteraux(n, static_cast<std::uint16_t>(e == 0 ? 11 : 8));
        Essai Courant{Reglages, Parser(C, Reglages, Litteraux), {}};
        Courant.Tampon = Ecrire_Compacte(C.Donnees, Reglages, Courant.Jetons);
        Retenir(Courant);
        if (e > 0)
        {
            const Echappements Choix = Choisir_Echappements(C.Donnees, e, Courant.Jetons);
            std::uint32_t Escape = Choix.Depart;
            std::size_t Position = 0;
            for (std::size_t k = 0; k < Courant.Jetons.size(); ++k)
            {
                for (int j = 0; j < Courant.Jetons[k].Longueur; ++j, ++Position)
                    Litteraux[Position] = static_cast<std::uint16_t>(
                        static_cast<std::uint32_t>(C.Donnees[Position] >> (8 - e)) == Escape
                            ? e + 11
                            : 8);
                if (Choix.Nouveau[k] >= 0)
                    Escape = static_cast<std::uint32_t>(Choix.Nouveau[k]);
            }
            Essai Affine{Reglages, Parser(C, Reglages, Litteraux), {}};
            Affine.Tampon = Ecrire_Compacte(C.Donnees, Reglages, Affine.Jetons);
            Retenir(Affine);
        }
        return Meilleur;
    }

    const Essai &Meilleur_Essai() const { return Meilleur; }

    std::array<std::uint32_t, 256> Octets_Des_Series(std::span<const Jeton> Jetons) const
    {
        std::array<std::uint32_t, 256> Comptes{};
        for (std::size_t k = 0, Position = 0; k < Jetons.size(); Position += Jetons[k++].Longueur)
            if (Jetons[k].Genre == Genre_Jeton::Serie)
                ++Comptes[C.Donnees[Position]];
        return Comptes;
    }

    // Every maximal run of the data, before any parse.
    std::array<std::uint32_t, 256> Series_Des_Donnees() const
    {
        std::array<std::uint32_t, 256> Comptes{};
        for (std::size_t i = 0; i < C.Donnees.size(); i += C.Series[i])
            if (C.Series[i] >= 2)
                ++Comptes[C.Donnees[i]];
        return Comptes;
    }

private:
    void Retenir(Essai &Candidat)
    {
        if (Meilleur.Tampon.empty() || Candidat.Tampon.size() < Meilleur.Tampon.size())
            Meilleur = std::move(Candidat);
    }

    Contexte C;
    Essai Meilleur;
};
} // namespace

std::vector<std::uint8_t> Compacter(std::span<const std::uint8_t> Donnees)
{
    if (Donnees.size() > Taille_Max_Compactage)
        return {};
    Recherche R(Donnees);
    Reglages_Compactage Depart;
    Depart.Echappement = 2;
    Depart.Table = Table_Series(R.Series_Des_Donnees());
    std::vector<Reglages_Compactage> Essayes = {Depart};
    R.Essayer(Depart);
    // A parse is worth little more than its settings: the sizes the best parse so far would
    // have with every other escape and distance setting point to the few worth a parse.
    const int Decalage_Max = Donnees.size() > 256 ? 4 : 0;
    for (int Tour = 0; Tour < 2; ++Tour)
    {
        const Essai Meilleur = R.Meilleur_Essai();
        std::vector<std::pair<std::size_t, Reglages_Compactage>> Estimes;
        for (int e = 0; e <= 8; ++e)
        {
            const Echappements Choix = Choisir_Echappements(Donnees, e, Meilleur.Jetons);
            const auto Changements = static_cast<std::size_t>(std::count_if(
                Choix.Nouveau.begin(), Choix.Nouveau.end(), [](std::int16_t v) { return v >= 0; }));
            for (int x = 0; x <= Decalage_Max; ++x)
            {
                Reglages_Compactage Autre{e, x, Meilleur.Reglages.Table};
                Estimes.emplace_back(Estimer(Donnees, Meilleur.Jetons, Autre, Changements),
                                     std::move(Autre));
            }
        }
        std::stable_sort(Estimes.begin(), Estimes.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        int Parses = 0;
        for (const auto &[Taille, Reglages] : Estimes)
        {
            if (Parses == 3)
                break;
            if (std::find(Essayes.begin(), Essayes.end(), Reglages) != Essayes.end())
                continue;
            Essayes.push_back(Reglages);
            R.Essayer(Reglages);
            ++Parses;
        }
        // The table from the runs the best parse takes.
        Reglages_Compactage Avec_Table = R.Meilleur_Essai().Reglages;
        Avec_Table.Table = Table_Series(R.Octets_Des_Series(R.Meilleur_Essai().Jetons));
        if (std::find(Essayes.begin(), Essayes.end(), Avec_Table) == Essayes.end())
        {
            Essayes.push_back(Avec_Table);
            R.Essayer(Avec_Table);
        }
    }
    return R.Meilleur_Essai().Tampon;
}
} // namespace Corvanel
