// Exact colours: for pixel art, each distinct colour of the picture takes a level of its own as
// far as the level count allows, instead of a level by its tone.
#ifndef CORVANEL_COULEURS_EXACTES_H
#define CORVANEL_COULEURS_EXACTES_H

#include "Conversion.h"

#include <cstdint>
#include <vector>

namespace Corvanel
{
// The levels of distinct colours (colour values, in any order, each once) at a level count,
// one code per colour in the order given. The colours are ordered by luminance from light to
// dark; k colours over T tones: with k <= T the i-th lightest takes tone round(i (T - 1) /
// (k - 1)), halves up, a single colour the tone nearest its luminance; with k > T they are
// split into T runs of consecutive luminance with the least squared error, each colour counted
// once against its run's mean, the runs taking the tones in order. An unknown count gives 9.
std::vector<std::uint8_t> Niveaux_Couleurs(const std::vector<std::uint32_t> &couleurs,
                                           std::uint8_t nombre_couleur);

// The level of the listed colour nearest in RGB; the first listed on a tie.
std::uint8_t Niveau_Palette(std::uint32_t couleur, const std::vector<Couleur_Fixee> &palette);

// The levels of a picture's distinct colours (sorted, each once): by Niveaux_Couleurs, or with a
// palette each the level of the listed colour nearest to it.
std::vector<std::uint8_t> Niveaux_Exacts(const std::vector<std::uint32_t> &couleurs,
                                         std::uint8_t nombre_couleur,
                                         const std::vector<Couleur_Fixee> &palette);

// The last stage for the exact colours: the tones hold each point's colour value. Without a
// palette the levels follow the colours the picture holds; the bands are not used.
class Quantification_Exacte final : public Quantification
{
public:
    explicit Quantification_Exacte(const std::vector<Couleur_Fixee> &palette) : Palette(palette) {}
    void Quantifier(const Tons &tons, std::uint8_t nombre_couleur, const Bandes &bandes,
                    Plan &plan) const override;

private:
    const std::vector<Couleur_Fixee> &Palette;
};
} // namespace Corvanel

#endif
