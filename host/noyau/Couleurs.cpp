#include "Couleurs.h"

#include "Plan.h"

namespace Corvanel
{
namespace
{
struct Teinte
{
    std::uint8_t code;
    std::uint32_t ti;
    std::uint32_t windows;
};

// Lightest to darkest.
constexpr Teinte Teintes[] = {
    {Code::Blanc, Valeur_Couleur(192, 215, 192), Valeur_Couleur(255, 255, 255)},
    {Code::Demi_01, Valeur_Couleur(172, 187, 168), Valeur_Couleur(224, 224, 224)},
    {Code::Gris_Clair, Valeur_Couleur(143, 159, 144), Valeur_Couleur(192, 192, 192)},
    {Code::Demi_12, Valeur_Couleur(119, 131, 120), Valeur_Couleur(160, 160, 160)},
    {Code::Gris_Fonce, Valeur_Couleur(95, 103, 96), Valeur_Couleur(128, 128, 128)},
    {Code::Demi_23, Valeur_Couleur(32, 47, 72), Valeur_Couleur(64, 64, 64)},
    {Code::Noir, Valeur_Couleur(32, 47, 48), Valeur_Couleur(0, 0, 0)},
};

struct Seuil
{
    std::uint32_t en_dessous;
    std::uint8_t code;
};

constexpr Seuil Seuils_2[] = {{8000000, 1}};
constexpr Seuil Seuils_4[] = {{5267551, 3}, {8427663, 2}, {12638144, 1}};
constexpr Seuil Seuils_8_TI[] = {{3200000, 3},   {4800000, 123}, {6400000, 2},
                                 {8000000, 112}, {9600000, 1},   {11200000, 101}};
// The TI bounds would read the Windows dark grey back as light grey; these lie halfway
// between consecutive Windows greys.
constexpr Seuil Seuils_8_Windows[] = {{2105376, 3},    {6316128, 123}, {9474192, 2},
                                      {11579568, 112}, {13684944, 1},  {15757424, 101}};

template <std::size_t N> std::uint8_t Classer(std::uint32_t valeur, const Seuil (&seuils)[N])
{
    for (const Seuil &seuil : seuils)
        if (valeur < seuil.en_dessous)
            return seuil.code;
    return Code::Blanc;
}
} // namespace

std::uint32_t Couleur_Affichage(std::uint8_t code, std::uint8_t nombre_couleur, Mode_Gris mode)
{
    const bool ti = mode == Mode_Gris::TI;
    if (nombre_couleur != 4 && nombre_couleur != 8)
    {
        // Two entries only: the mode's white and black.
        if (code == Code::Blanc)
            return ti ? Teintes[0].ti : Teintes[0].windows;
        if (code == Code::Gris_Clair)
            return ti ? Teintes[6].ti : Teintes[6].windows;
        return Couleur_Repli;
    }
    for (const Teinte &teinte : Teintes)
        if (teinte.code == code)
            return ti ? teinte.ti : teinte.windows;
    return Couleur_Repli;
}

std::uint8_t Classer_Couleur(std::uint32_t valeur, std::uint8_t nombre_couleur, Mode_Gris mode)
{
    switch (nombre_couleur)
    {
    case 2:
        return Classer(valeur, Seuils_2);
    case 4:
        return Classer(valeur, Seuils_4);
    case 8:
        return mode == Mode_Gris::TI ? Classer(valeur, Seuils_8_TI)
                                     : Classer(valeur, Seuils_8_Windows);
    default:
        return Code::Sans_Nombre;
    }
}
} // namespace Corvanel
