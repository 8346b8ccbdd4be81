// The named choices that the windows offer and the command line accepts: the picture sizes,
// the background levels of the automatic mask and the conversion's modes.
#ifndef CORVANEL_CHOIX_IMAGE_H
#define CORVANEL_CHOIX_IMAGE_H

#include <cstdint>

namespace Corvanel
{
struct Taille_Predefinie
{
    const char *Nom; // UTF-8, as the size list shows it
    int Largeur;
    int Hauteur;
    bool Libre; // the size fields are open for the user to type
};

// In the order of the size list.
inline constexpr Taille_Predefinie Tailles_Image[] = {
    {"TI 89", 160, 100, false}, {"TI 92", 240, 128, false}, {"32 x 32", 32, 32, false},
    {"16 x 16", 16, 16, false}, {"8 x 8", 8, 8, false},     {"Personnalis\xC3\xA9", 32, 32, true},
};

struct Fond_Mask
{
    const char *Nom;    // UTF-8, as the background list shows it
    const char *Option; // as the command line spells it
    std::uint8_t Niveau;
};

// Not a level: the mask covers the points that are not transparent.
inline constexpr std::uint8_t Fond_Transparence = 4;

// In the order of the background list: the list's index is the level.
inline constexpr Fond_Mask Fonds_Mask[] = {
    {"Blanc", "blanc", 0},
    {"Gris Clair", "gris-clair", 1},
    {"Gris Fonc\xC3\xA9", "gris-fonce", 2},
    {"Noir", "noir", 3},
    {"Transparence", "transparence", Fond_Transparence},
};

struct Mode_Nomme
{
    const char *Nom;    // UTF-8, as the option page's list shows it
    const char *Option; // as the command line spells it
};

// In the order of the lists, which is that of the modes (Mode_Echantillonnage, Mode_Teinte,
// Mode_Tramage): the list's index is the mode, the first is the default.
inline constexpr Mode_Nomme Modes_Echantillonnage[] = {
    {"Point le plus proche", "point"},
    {"Moyenne de la zone", "moyenne"},
};
inline constexpr Mode_Nomme Modes_Teinte[] = {
    {"Valeur de couleur", "valeur"},
    {"Luminance", "luminance"},
    {"Couleurs exactes", "exacte"},
};
inline constexpr Mode_Nomme Modes_Tramage[] = {
    {"Aucun", "aucun"},
    {"Floyd-Steinberg", "floyd-steinberg"},
    {"Atkinson", "atkinson"},
    {"Ordonn\xC3\xA9 4 x 4", "ordonne-4"},
    {"Ordonn\xC3\xA9 8 x 8", "ordonne-8"},
};
} // namespace Corvanel

#endif
