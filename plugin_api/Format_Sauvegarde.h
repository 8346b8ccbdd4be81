// The picture save file (.cvl), as the Sauvegarde plug-in writes it and the program reads it:
// three 16-bit little-endian values (width, height, level count), then one 16-bit
// little-endian value per pixel, the rows from the top, each row from the left.
// The picture-and-mask save file (.cvm) is that layout followed by the mask, one byte per pixel
// in the same order: 1 where the cell is covered, 0 where it is not.
#ifndef CORVANEL_FORMAT_SAUVEGARDE_H
#define CORVANEL_FORMAT_SAUVEGARDE_H

#include <cstddef>
#include <cstdint>

namespace Sauvegarde
{
inline constexpr std::size_t Taille_Mot = 2;
inline constexpr std::size_t Position_Largeur = 0;
inline constexpr std::size_t Position_Hauteur = 2;
inline constexpr std::size_t Position_Nombre_Couleur = 4;
inline constexpr std::size_t Taille_Entete = 6;

// The file's size for a picture of that size.
constexpr std::size_t Taille_Fichier(std::size_t largeur, std::size_t hauteur)
{
    return Taille_Entete + Taille_Mot * largeur * hauteur;
}

// The picture-and-mask file's size.
constexpr std::size_t Taille_Fichier_Mask(std::size_t largeur, std::size_t hauteur)
{
    return Taille_Fichier(largeur, hauteur) + largeur * hauteur;
}

// Where the value of pixel (x, y) begins.
constexpr std::size_t Position_Pixel(std::size_t x, std::size_t y, std::size_t largeur)
{
    return Taille_Entete + Taille_Mot * (y * largeur + x);
}

// Where the mask byte of pixel (x, y) lies in a picture-and-mask file.
constexpr std::size_t Position_Mask(std::size_t x, std::size_t y, std::size_t largeur,
                                    std::size_t hauteur)
{
    return Taille_Fichier(largeur, hauteur) + y * largeur + x;
}

inline void Ecrire_Mot(unsigned char *octets, std::uint16_t valeur)
{
    octets[0] = static_cast<unsigned char>(valeur & 0xFF);
    octets[1] = static_cast<unsigned char>(valeur >> 8);
}

inline std::uint16_t Lire_Mot(const unsigned char *octets)
{
    return static_cast<std::uint16_t>(octets[0] | octets[1] << 8);
}
} // namespace Sauvegarde

#endif
