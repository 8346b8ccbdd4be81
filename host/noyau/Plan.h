// The picture plane and its level codes.
#ifndef CORVANEL_PLAN_H
#define CORVANEL_PLAN_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace Corvanel
{
inline constexpr int Colonnes_Plan = 240;
inline constexpr int Lignes_Plan = 128;
inline constexpr std::size_t Taille_Plan = Colonnes_Plan * Lignes_Plan;

// 240 columns of 128 bytes, column-major, whatever the picture's height.
using Plan = std::array<std::uint8_t, Taille_Plan>;

constexpr std::size_t Indice(int x, int y)
{
    return static_cast<std::size_t>(x) * Lignes_Plan + static_cast<std::size_t>(y);
}

// Level codes, lightest to darkest with 8 levels: 0, 101, 1, 112, 2, 123, 3.
namespace Code
{
inline constexpr std::uint8_t Blanc = 0;
inline constexpr std::uint8_t Gris_Clair = 1;
inline constexpr std::uint8_t Gris_Fonce = 2;
inline constexpr std::uint8_t Noir = 3;
inline constexpr std::uint8_t Demi_01 = 101;
inline constexpr std::uint8_t Demi_12 = 112;
inline constexpr std::uint8_t Demi_23 = 123;
inline constexpr std::uint8_t Sans_Nombre = 9; // conversion with an unknown level count
inline constexpr std::uint8_t Inconnu = 10;    // unknown code read from a save file

// The codes that have a tone: 0 to 3 and the three half steps.
constexpr bool Tonal(std::uint8_t code)
{
    return code <= Noir || code == Demi_01 || code == Demi_12 || code == Demi_23;
}
} // namespace Code

// The size fields' limits: the plane holds at most 240 x 128.
inline constexpr bool Taille_Valide(long largeur, long hauteur)
{
    return largeur >= 1 && largeur <= Colonnes_Plan && hauteur >= 1 && hauteur <= Lignes_Plan;
}
} // namespace Corvanel

#endif
