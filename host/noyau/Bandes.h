// Band widths of the colour-to-level conversion, on a scale of 400 units of 40000 steps.
#ifndef CORVANEL_BANDES_H
#define CORVANEL_BANDES_H

#include <array>
#include <cstdint>
#include <vector>

namespace Corvanel
{
inline constexpr std::int32_t Echelle_Lum = 400;
inline constexpr std::uint32_t Pas_Unite = 40000;

struct Bandes
{
    std::int32_t Bande_0 = 100;
    std::int32_t Bande_1 = 100;
    std::int32_t Bande_2 = 100;
    std::int32_t Bande_3 = 100;
    std::int32_t Bande_101 = 0;
    std::int32_t Bande_112 = 0;
    std::int32_t Bande_123 = 0;

    bool operator==(const Bandes &) const = default;
};

// The widths in use, lightest level first, as pointers into the record.
std::vector<std::int32_t *> Bandes_En_Usage(Bandes &bandes, std::uint8_t nombre_couleur);
// The level codes of a count, lightest first (empty for an unknown count).
std::vector<std::uint8_t> Codes_En_Usage(std::uint8_t nombre_couleur);

std::uint8_t Quantifier_Couleur(std::uint32_t valeur, std::uint8_t nombre_couleur,
                                const Bandes &bandes);

// The band rule worked out once for a whole picture: the limits between the levels on the
// colour-value scale, stacked from the dark end, and the code under each limit.
struct Limites_Bandes
{
    int Nombre = 0;                     // limits in use: the level count less one
    std::array<double, 6> Limite{};     // ascending; a tone on a limit goes to the lighter level
    std::array<std::uint8_t, 7> Code{}; // Code[i] lies below Limite[i]; Code[Nombre] is white
    bool Connu = false;                 // false for an unknown level count: every tone gives 9
};
Limites_Bandes Calculer_Limites(const Bandes &bandes, std::uint8_t nombre_couleur);
// The same code as Quantifier_Couleur for a whole tone, also for a tone between two values.
inline std::uint8_t Classer_Ton(double ton, const Limites_Bandes &limites)
{
    if (!limites.Connu)
        return 9;
    for (int i = 0; i < limites.Nombre; ++i)
        if (ton < limites.Limite[static_cast<std::size_t>(i)])
            return limites.Code[static_cast<std::size_t>(i)];
    return limites.Code[static_cast<std::size_t>(limites.Nombre)];
}

// Sets the default widths of a level count; an unknown count changes nothing.
void Reinitialiser(Bandes &bandes, std::uint8_t nombre_couleur);
// Each limit between two levels as near as whole units allow to the middle between their tones
// on the even scale, white to black; the widths add up to 400.
void Equilibrer(Bandes &bandes, std::uint8_t nombre_couleur);
void Lumiere_Plus(Bandes &bandes, std::uint8_t nombre_couleur);
void Lumiere_Moins(Bandes &bandes, std::uint8_t nombre_couleur);
void Contraste_Plus(Bandes &bandes, std::uint8_t nombre_couleur);
void Contraste_Moins(Bandes &bandes, std::uint8_t nombre_couleur);

// One rectangle of the light bar: columns [Gauche, Droite) clipped to the 400 pixels.
struct Segment_Barre
{
    int Gauche;
    int Droite;
    std::uint8_t Code;
};
std::vector<Segment_Barre> Segments_Palette_Lum(const Bandes &bandes, std::uint8_t nombre_couleur);
} // namespace Corvanel

#endif
