#include "Transformations.h"

#include <algorithm>

namespace Corvanel
{
namespace
{
struct Region
{
    int largeur;
    int hauteur;
};

Region Borner(int largeur, int hauteur)
{
    return {std::clamp(largeur, 0, Colonnes_Plan), std::clamp(hauteur, 0, Lignes_Plan)};
}

// Builds the moved region in a temporary plane, then copies the region back.
template <typename Cible> void Deplacer(Plan &plan, Region r, Cible cible)
{
    Plan temporaire = plan;
    for (int y = 0; y < r.hauteur; ++y)
        for (int x = 0; x < r.largeur; ++x)
        {
            const auto [cx, cy] = cible(x, y);
            temporaire[Indice(cx, cy)] = plan[Indice(x, y)];
        }
    for (int x = 0; x < r.largeur; ++x)
        std::copy_n(temporaire.begin() + Indice(x, 0), r.hauteur, plan.begin() + Indice(x, 0));
}
} // namespace

void Miroir_Horizontal(Plan &plan, int largeur, int hauteur)
{
    const Region r = Borner(largeur, hauteur);
    Deplacer(plan, r, [r](int x, int y) { return std::pair{r.largeur - 1 - x, y}; });
}

void Miroir_Vertical(Plan &plan, int largeur, int hauteur)
{
    const Region r = Borner(largeur, hauteur);
    Deplacer(plan, r, [r](int x, int y) { return std::pair{x, r.hauteur - 1 - y}; });
}

void Decaler_Image(Plan &plan, int largeur, int hauteur, int dx, int dy)
{
    const Region r = Borner(largeur, hauteur);
    Deplacer(
        plan, r,
        [r, dx, dy](int x, int y) {
            return std::pair{(x + dx + r.largeur) % r.largeur, (y + dy + r.hauteur) % r.hauteur};
        });
}

void Tourner_Quart(Plan &plan, int largeur, int hauteur)
{
    const Region r = Borner(largeur, hauteur);
    if (r.largeur > Lignes_Plan)
        return;
    const Plan source = plan;
    for (int x = 0; x < r.largeur; ++x)
        for (int y = 0; y < r.hauteur; ++y)
            plan[Indice(r.hauteur - 1 - y, x)] = source[Indice(x, y)];
}

void Creer_Mask_Auto(Plan &mask, const Plan &image, int largeur, int hauteur, std::uint8_t fond)
{
    const Region r = Borner(largeur, hauteur);
    for (int x = 0; x < r.largeur; ++x)
        for (int y = 0; y < r.hauteur; ++y)
            mask[Indice(x, y)] = image[Indice(x, y)] == fond ? 0 : 1;
}

void Inverser_Mask(Plan &mask, int largeur, int hauteur)
{
    const Region r = Borner(largeur, hauteur);
    for (int x = 0; x < r.largeur; ++x)
        for (int y = 0; y < r.hauteur; ++y)
        {
            std::uint8_t &octet = mask[Indice(x, y)];
            octet = octet == 1 ? 0 : 1;
        }
}
} // namespace Corvanel
