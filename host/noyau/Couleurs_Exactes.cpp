#include "Couleurs_Exactes.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace Corvanel
{
namespace
{
// Luminance in thousandths: 299 R + 587 G + 114 B, exact, 0 to 255000.
std::int64_t Luminance_Millieme(std::uint32_t v)
{
    return 299 * std::int64_t(v & 0xFF) + 587 * std::int64_t((v >> 8) & 0xFF) +
           114 * std::int64_t((v >> 16) & 0xFF);
}

// The least squared error split of y (light to dark) into t runs: the number of values in each
// run, in order. The cost of a run satisfies the quadrangle inequality, so the best cut of a
// prefix moves right as the prefix grows and each layer is found by divide and conquer.
std::vector<int> Decoupe_Moindres_Carres(const std::vector<std::int64_t> &y, int t)
{
    const int k = static_cast<int>(y.size());
    std::vector<__int128> s1(std::size_t(k) + 1, 0), s2(std::size_t(k) + 1, 0);
    for (int i = 0; i < k; ++i)
    {
        s1[std::size_t(i) + 1] = s1[std::size_t(i)] + y[std::size_t(i)];
        s2[std::size_t(i) + 1] =
            s2[std::size_t(i)] + __int128(y[std::size_t(i)]) * y[std::size_t(i)];
    }
    // Sum of squares about the mean of y[i, j), from exact integer sums.
    const auto ecart = [&](int i, int j) -> long double
    {
        const __int128 n = j - i;
        const __int128 a = s1[std::size_t(j)] - s1[std::size_t(i)];
        const __int128 b = s2[std::size_t(j)] - s2[std::size_t(i)];
        return static_cast<long double>(n * b - a * a) / static_cast<long double>(n);
    };
    constexpr long double Infini = std::numeric_limits<long double>::infinity();
    std::vector<long double> avant(std::size_t(k) + 1, Infini), apres(std::size_t(k) + 1, Infini);
    // coupe[c][j]: where the last run starts in the best split of y[0, j) into c + 1 runs.
    std::vector<std::vector<int>> coupe(std::size_t(t), std::vector<int>(std::size_t(k) + 1, 0));
    for (int j = 1; j <= k; ++j)
        avant[std::size_t(j)] = ecart(0, j);
    for (int c = 1; c < t; ++c)
    {
        std::fill(apres.begin(), apres.end(), Infini);
        std::vector<int> &ici = coupe[std::size_t(c)];
        // Positions j in [bas, haut], their cut known to lie in [obas, ohaut].
        struct Tache
        {
            int bas, haut, obas, ohaut;
        };
        std::vector<Tache> pile{{c + 1, k, c, k - 1}};
        while (!pile.empty())
        {
            const Tache tache = pile.back();
            pile.pop_back();
            if (tache.bas > tache.haut)
                continue;
            const int j = (tache.bas + tache.haut) / 2;
            long double meilleur = Infini;
            int choisi = tache.obas;
            for (int i = tache.obas; i <= std::min(j - 1, tache.ohaut); ++i)
            {
                const long double v = avant[std::size_t(i)] + ecart(i, j);
                if (v < meilleur)
                {
                    meilleur = v;
                    choisi = i;
                }
            }
            apres[std::size_t(j)] = meilleur;
            ici[std::size_t(j)] = choisi;
            pile.push_back({tache.bas, j - 1, tache.obas, choisi});
            pile.push_back({j + 1, tache.haut, choisi, tache.ohaut});
        }
        std::swap(avant, apres);
    }
    std::vector<int> tailles(static_cast<std::size_t>(t), 0);
    int fin = k;
    for (int c = t - 1; c >= 0; --c)
    {
        const int debut = c == 0 ? 0 : coupe[std::size_t(c)][std::size_t(fin)];
        tailles[std::size_t(c)] = fin - debut;
        fin = debut;
    }
    return tailles;
}
} // namespace

std::vector<std::uint8_t> Niveaux_Couleurs(const std::vector<std::uint32_t> &couleurs,
                                           std::uint8_t nombre_couleur)
{
    const std::vector<std::uint8_t> codes = Codes_En_Usage(nombre_couleur);
    std::vector<std::uint8_t> niveaux(couleurs.size(), Code::Sans_Nombre);
    const int k = static_cast<int>(couleurs.size());
    const int t = static_cast<int>(codes.size());
    if (codes.empty() || k == 0)
        return niveaux;
    // Light to dark; colours of one luminance by their value, so the order is fixed.
    std::vector<std::size_t> ordre(couleurs.size());
    std::iota(ordre.begin(), ordre.end(), std::size_t{0});
    std::sort(ordre.begin(), ordre.end(),
              [&](std::size_t a, std::size_t b)
              {
                  const std::int64_t la = Luminance_Millieme(couleurs[a]);
                  const std::int64_t lb = Luminance_Millieme(couleurs[b]);
                  return la != lb ? la > lb : couleurs[a] > couleurs[b];
              });
    if (k == 1)
    {
        // The tone nearest its luminance, halves towards the dark.
        const std::int64_t y = Luminance_Millieme(couleurs[0]);
        const std::int64_t j = (2 * (255000 - y) * (t - 1) + 255000) / 510000;
        niveaux[0] = codes[std::size_t(j)];
        return niveaux;
    }
    if (k <= t)
    {
        for (int i = 0; i < k; ++i)
        {
            const int j = (2 * i * (t - 1) + (k - 1)) / (2 * (k - 1));
            niveaux[ordre[std::size_t(i)]] = codes[std::size_t(j)];
        }
        return niveaux;
    }
    std::vector<std::int64_t> y(couleurs.size());
    for (std::size_t i = 0; i < ordre.size(); ++i)
        y[i] = Luminance_Millieme(couleurs[ordre[i]]);
    const std::vector<int> tailles = Decoupe_Moindres_Carres(y, t);
    std::size_t i = 0;
    for (int c = 0; c < t; ++c)
        for (int n = 0; n < tailles[std::size_t(c)]; ++n)
            niveaux[ordre[i++]] = codes[std::size_t(c)];
    return niveaux;
}

std::uint8_t Niveau_Palette(std::uint32_t couleur, const std::vector<Couleur_Fixee> &palette)
{
    std::uint8_t code = Code::Blanc;
    std::int64_t meilleure = std::numeric_limits<std::int64_t>::max();
    for (const Couleur_Fixee &f : palette)
    {
        std::int64_t d = 0;
        for (int decalage : {0, 8, 16})
        {
            const std::int64_t e = std::int64_t((couleur >> decalage) & 0xFF) -
                                   std::int64_t((f.Valeur >> decalage) & 0xFF);
            d += e * e;
        }
        if (d < meilleure)
        {
            meilleure = d;
            code = f.Code;
        }
    }
    return code;
}

std::vector<std::uint8_t> Niveaux_Exacts(const std::vector<std::uint32_t> &couleurs,
                                         std::uint8_t nombre_couleur,
                                         const std::vector<Couleur_Fixee> &palette)
{
    if (palette.empty())
        return Niveaux_Couleurs(couleurs, nombre_couleur);
    std::vector<std::uint8_t> niveaux;
    niveaux.reserve(couleurs.size());
    for (std::uint32_t c : couleurs)
        niveaux.push_back(Niveau_Palette(c, palette));
    return niveaux;
}

void Quantification_Exacte::Quantifier(const Tons &tons, std::uint8_t nombre_couleur,
                                       const Bandes &, Plan &plan) const
{
    std::vector<std::uint32_t> couleurs;
    couleurs.reserve(tons.Valeurs.size());
    for (double ton : tons.Valeurs)
        if (!Sans_Papier(ton))
            couleurs.push_back(static_cast<std::uint32_t>(ton));
    std::sort(couleurs.begin(), couleurs.end());
    couleurs.erase(std::unique(couleurs.begin(), couleurs.end()), couleurs.end());
    const std::vector<std::uint8_t> niveaux = Niveaux_Exacts(couleurs, nombre_couleur, Palette);
    for (int y = 0; y < tons.Hauteur; ++y)
        for (int x = 0; x < tons.Largeur; ++x)
        {
            const double ton = tons(x, y);
            if (Sans_Papier(ton))
            {
                plan[Indice(x, y)] = Code::Blanc;
                continue;
            }
            const auto trouve =
                std::lower_bound(couleurs.begin(), couleurs.end(), static_cast<std::uint32_t>(ton));
            plan[Indice(x, y)] = niveaux[std::size_t(trouve - couleurs.begin())];
        }
}
} // namespace Corvanel
