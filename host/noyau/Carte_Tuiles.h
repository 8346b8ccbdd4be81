// Tile maps: a picture cut into tiles of one size, identical tiles kept once and numbered in
// the order they first appear, and the map of tile numbers that draws the picture again, as
// the calculators' tile engines take them.
#ifndef CORVANEL_CARTE_TUILES_H
#define CORVANEL_CARTE_TUILES_H

#include "Plan.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace Corvanel
{
class Document_Image;

struct Taille_Tuile
{
    int Largeur = 8; // 1 to 240
    int Hauteur = 8; // 1 to 128
};

// A map holds 16-bit tile numbers at most.
inline constexpr int Tuiles_Maximum = 65536;

struct Carte_De_Tuiles
{
    Taille_Tuile Tuile;
    int Largeur = 0; // the map, in tiles
    int Hauteur = 0;
    std::uint8_t Nombre_Couleur = 4;
    bool Avec_Mask = false;
    // Each unique tile's codes row by row, then, with a mask, its mask row by row.
    std::vector<std::uint8_t> Tuiles;
    // Row by row, the number of the tile at each place.
    std::vector<std::uint32_t> Carte;
    // Why there is no map: more unique tiles than a map can number.
    QString Erreur;

    std::size_t Octets_Tuile() const;
    int Nombre() const;
    // Tile i as a picture of its own, in the planes' top-left corner.
    void Poser(int i, Plan &Image, Plan &Mask) const;
};

// The map of the document's picture as it stands; with Avec_Mask its mask counts too.
Carte_De_Tuiles Carte_Image(const Document_Image &Document, Taille_Tuile Tuile, bool Avec_Mask);
// The map of the document's kept source, whatever its size, one source pixel per point,
// converted with the document's level count, bands and choices as the cells of a sheet of the
// source are: point by point, or with a dither each tile on its own. With Fond_Mask each tile
// gets the automatic mask of that background. The source goes through in rows of tiles, so no
// more than one row of codes is held beside the tiles.
Carte_De_Tuiles Carte_Source(const Document_Image &Document, Taille_Tuile Tuile,
                             std::optional<std::uint8_t> Fond_Mask);
} // namespace Corvanel

#endif
