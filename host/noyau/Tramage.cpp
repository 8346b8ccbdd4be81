#include "Tramage.h"

#include <algorithm>
#include <cmath>

namespace Corvanel
{
namespace
{
constexpr double Blanc_Valeur = 16'777'215.0;
constexpr double Valeur_Par_Gris = 65793.0; // the colour value of the grey (1, 1, 1)

// The level codes darkest first, so that index k is the tone 255 k / (n - 1).
std::vector<std::uint8_t> Codes_Du_Noir(std::uint8_t nombre_couleur)
{
    std::vector<std::uint8_t> codes = Codes_En_Usage(nombre_couleur);
    std::reverse(codes.begin(), codes.end());
    return codes;
}
} // namespace

int Nombre_Tons(std::uint8_t nombre_couleur)
{
    return static_cast<int>(Codes_En_Usage(nombre_couleur).size());
}

double Ton_Pair(std::uint8_t code, std::uint8_t nombre_couleur)
{
    const std::vector<std::uint8_t> codes = Codes_Du_Noir(nombre_couleur);
    const auto trouve = std::find(codes.begin(), codes.end(), code);
    if (trouve == codes.end())
        return -1.0;
    return 255.0 * double(trouve - codes.begin()) / double(codes.size() - 1);
}

Courbe_Bandes::Courbe_Bandes(const Bandes &bandes, std::uint8_t nombre_couleur)
{
    const Limites_Bandes limites = Calculer_Limites(bandes, nombre_couleur);
    Bandes defaut;
    Reinitialiser(defaut, nombre_couleur);
    const Limites_Bandes reference = Calculer_Limites(defaut, nombre_couleur);
    const int n = limites.Connu ? limites.Nombre : 0;
    for (int i = 0; i < n; ++i)
    {
        const auto k = static_cast<std::size_t>(i);
        X[k + 1] = limites.Limite[k];
        Y[k + 1] = reference.Limite[k] / Valeur_Par_Gris;
    }
    const auto haut = static_cast<std::size_t>(n + 1);
    // Bands past the top of the scale keep white out of reach, as the band rule does.
    X[haut] = std::max(Blanc_Valeur, X[haut - 1]);
    Y[haut] = 255.0;
    Noeuds = n + 2;
    // A band of no width is a step: no tone falls inside it, so its slope is never used.
    for (std::size_t i = 0; i < haut; ++i)
        Pente[i] = X[i + 1] > X[i] ? (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) : 0.0;
}

void Quantification_Diffusion::Quantifier(const Tons &tons, std::uint8_t nombre_couleur,
                                          const Bandes &bandes, Plan &plan) const
{
    const std::vector<std::uint8_t> codes = Codes_Du_Noir(nombre_couleur);
    if (codes.empty())
    {
        Quantification_Bandes().Quantifier(tons, nombre_couleur, bandes, plan);
        return;
    }
    const Courbe_Bandes courbe(bandes, nombre_couleur);
    const int dernier = static_cast<int>(codes.size()) - 1;
    const float pas = 255.0f / float(dernier);
    const float par_pas = 1.0f / pas;
    const int largeur = tons.Largeur;
    // Three rows of pending error with two spare columns on each side, so the kernel never
    // needs a bounds check: what lands in the margins or past the last row is never read.
    constexpr int Marge = 2;
    constexpr int Rangs = 3;
    const std::size_t pas_rang = static_cast<std::size_t>(largeur + 2 * Marge);
    std::vector<float> erreurs(pas_rang * Rangs, 0.0f);
    const auto rang = [&](int y) { return erreurs.data() + pas_rang * std::size_t(y % Rangs); };
    for (int y = 0; y < tons.Hauteur; ++y)
    {
        float *rangs[Rangs] = {rang(y) + Marge, rang(y + 1) + Marge, rang(y + 2) + Marge};
        const double *ligne = tons.Valeurs.data() + std::size_t(y) * std::size_t(largeur);
        for (int x = 0; x < largeur; ++x)
        {
            float &ici = rangs[0][x];
            const double ton = ligne[x];
            if (Sans_Papier(ton))
            {
                // No paper there to take or give error.
                plan[Indice(x, y)] = Code::Blanc;
                ici = 0.0f;
                continue;
            }
            const float voulu = static_cast<float>(courbe(ton)) + ici;
            ici = 0.0f;
            // The nearest level; beyond either end, the end level.
            const int k = std::clamp(static_cast<int>(voulu * par_pas + 0.5f), 0, dernier);
            plan[Indice(x, y)] = codes[static_cast<std::size_t>(k)];
            const float reste = voulu - float(k) * pas;
            for (const Voisin &v : Noyau)
                rangs[v.Dy][x + v.Dx] += reste * v.Part;
        }
    }
}

Quantification_Ordonnee::Quantification_Ordonnee(int cote) : Cote(cote)
{
    // Bayer's matrix of side 2s from that of side s: each entry spreads into four.
    std::vector<int> m{0};
    for (int s = 1; s < cote; s *= 2)
    {
        std::vector<int> suivante(static_cast<std::size_t>(4 * s * s));
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
            {
                const int v = 4 * m[static_cast<std::size_t>(y * s + x)];
                const auto at = [&](int yy, int xx) -> int &
                { return suivante[static_cast<std::size_t>(yy * 2 * s + xx)]; };
                at(y, x) = v;
                at(y, x + s) = v + 2;
                at(y + s, x) = v + 3;
                at(y + s, x + s) = v + 1;
            }
        m = std::move(suivante);
    }
    Seuils.resize(m.size());
    for (std::size_t i = 0; i < m.size(); ++i)
        Seuils[i] = (float(m[i]) + 0.5f) / float(m.size());
}

void Quantification_Ordonnee::Quantifier(const Tons &tons, std::uint8_t nombre_couleur,
                                         const Bandes &bandes, Plan &plan) const
{
    const std::vector<std::uint8_t> codes = Codes_Du_Noir(nombre_couleur);
    if (codes.empty())
    {
        Quantification_Bandes().Quantifier(tons, nombre_couleur, bandes, plan);
        return;
    }
    const Courbe_Bandes courbe(bandes, nombre_couleur);
    const int dernier = static_cast<int>(codes.size()) - 1;
    const double pas = 255.0 / double(dernier);
    for (int y = 0; y < tons.Hauteur; ++y)
    {
        const float *seuils = Seuils.data() + static_cast<std::size_t>((y % Cote) * Cote);
        for (int x = 0; x < tons.Largeur; ++x)
        {
            const double ton = tons(x, y);
            if (Sans_Papier(ton))
            {
                plan[Indice(x, y)] = Code::Blanc;
                continue;
            }
            // The share of the step above the lower level decides how many cells of the
            // pattern take the upper one.
            const double position = courbe(ton) / pas;
            int k = std::clamp(static_cast<int>(position), 0, dernier);
            if (k < dernier && position - k > seuils[x % Cote])
                ++k;
            plan[Indice(x, y)] = codes[static_cast<std::size_t>(k)];
        }
    }
}
} // namespace Corvanel
