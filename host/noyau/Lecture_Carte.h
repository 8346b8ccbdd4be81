// A tile map read back from its source: the picture its map draws, each place filled with its
// tile, at the map's whole size (the padding of the last tiles included).
#ifndef CORVANEL_LECTURE_CARTE_H
#define CORVANEL_LECTURE_CARTE_H

#include "Analyse_Source.h"
#include "Lecture_Source.h"

#include <optional>

namespace Corvanel
{
// A map is the array <nom>_Carte with the constant <nom>_TUILE_LARGEUR beside it, and
// <nom>_TUILE_HAUTEUR, <nom>_NOMBRE, <nom>_CARTE_LARGEUR, <nom>_CARTE_HAUTEUR; the tiles are
// the arrays named as a sprite's with <nom>_Tuiles for its name, each holding the tiles one
// after another. Nothing when the text holds no map; a map larger than a picture is refused
// with its size.
std::optional<Resultat_Source> Lire_Carte(const Lecture &L);
} // namespace Corvanel

#endif
