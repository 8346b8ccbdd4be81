// Display colours of the level codes and the read-back of painted colours.
#ifndef CORVANEL_COULEURS_H
#define CORVANEL_COULEURS_H

#include <QRgb>
#include <cstdint>

namespace Corvanel
{
enum class Mode_Gris
{
    TI,
    Windows
};

// A colour value is red + 256 * green + 65536 * blue.
constexpr std::uint32_t Valeur_Couleur(int rouge, int vert, int bleu)
{
    return static_cast<std::uint32_t>(rouge) + 256u * static_cast<std::uint32_t>(vert) +
           65536u * static_cast<std::uint32_t>(bleu);
}
constexpr QRgb Vers_Rgb(std::uint32_t valeur)
{
    return qRgb(static_cast<int>(valeur & 0xFF), static_cast<int>((valeur >> 8) & 0xFF),
                static_cast<int>((valeur >> 16) & 0xFF));
}
constexpr std::uint32_t Depuis_Rgb(QRgb rgb)
{
    return Valeur_Couleur(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

inline constexpr std::uint32_t Couleur_Repli = Valeur_Couleur(9, 0, 0);
inline constexpr std::uint32_t Blanc_TI = Valeur_Couleur(192, 215, 192); // also the background
inline constexpr std::uint32_t Rouge_Mask = Valeur_Couleur(255, 0, 0);

std::uint32_t Couleur_Affichage(std::uint8_t code, std::uint8_t nombre_couleur, Mode_Gris mode);
std::uint8_t Classer_Couleur(std::uint32_t valeur, std::uint8_t nombre_couleur, Mode_Gris mode);
} // namespace Corvanel

#endif
