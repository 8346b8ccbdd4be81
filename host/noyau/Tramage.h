// Dithering: the levels mixed point by point so that an area keeps its tone.
//
// The error is measured on the scale on which the calculator shows the levels: evenly spaced
// tones from black 0 to white 255 (at 4 levels 0, 85, 170, 255; at 8 the half steps midway).
// Error diffusion alone would cancel any move of a limit, so the bands first act as a tone
// curve: a tone on one of the current limits goes where that limit lies with the default
// widths, linearly between limits. With the default widths the curve is the plain grey of the
// tone; light moves every limit down and so lightens, contrast spreads the middle bands.
#ifndef CORVANEL_TRAMAGE_H
#define CORVANEL_TRAMAGE_H

#include "Conversion.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace Corvanel
{
// The number of tones of a level count (2, 4, 7), 0 for an unknown count.
int Nombre_Tons(std::uint8_t nombre_couleur);
// A level code's tone on the even scale, 0 black to 255 white; -1 for a code the count lacks.
double Ton_Pair(std::uint8_t code, std::uint8_t nombre_couleur);

// The bands' tone curve, from the colour-value scale onto the even scale.
class Courbe_Bandes
{
public:
    Courbe_Bandes(const Bandes &bandes, std::uint8_t nombre_couleur);
    double operator()(double ton) const
    {
        // A tone on a limit goes above it, as it goes to the lighter level.
        ton = std::max(ton, 0.0);
        int i = 1;
        while (i < Noeuds && ton >= X[static_cast<std::size_t>(i)])
            ++i;
        if (i == Noeuds)
            return 255.0;
        const auto a = static_cast<std::size_t>(i - 1);
        return Y[a] + (ton - X[a]) * Pente[a];
    }

private:
    int Noeuds = 0;
    std::array<double, 8> X{};
    std::array<double, 8> Y{};
    std::array<double, 8> Pente{}; // from knot i to knot i + 1
};

// Error diffusion: each point takes the nearest level and hands what it missed to the
// neighbours still to come, row by row from the left.
class Quantification_Diffusion final : public Quantification
{
public:
    struct Voisin
    {
        int Dx;
        int Dy; // 0 or a later row, at most 2
        float Part;
    };
    explicit Quantification_Diffusion(std::span<const Voisin> noyau) : Noyau(noyau) {}
    void Quantifier(const Tons &tons, std::uint8_t nombre_couleur, const Bandes &bandes,
                    Plan &plan) const override;

private:
    std::span<const Voisin> Noyau;
};

inline constexpr Quantification_Diffusion::Voisin Noyau_Floyd_Steinberg[] = {
    {1, 0, 7.0f / 16}, {-1, 1, 3.0f / 16}, {0, 1, 5.0f / 16}, {1, 1, 1.0f / 16}};
// Only three quarters of the error travel on: lighter shadows and highlights, crisper edges.
inline constexpr Quantification_Diffusion::Voisin Noyau_Atkinson[] = {
    {1, 0, 1.0f / 8}, {2, 0, 1.0f / 8}, {-1, 1, 1.0f / 8},
    {0, 1, 1.0f / 8}, {1, 1, 1.0f / 8}, {0, 2, 1.0f / 8}};

// Ordered dither: a fixed Bayer threshold pattern of side 4 or 8, so a flat area gives a
// regular texture and one point never changes its neighbours.
class Quantification_Ordonnee final : public Quantification
{
public:
    explicit Quantification_Ordonnee(int cote);
    void Quantifier(const Tons &tons, std::uint8_t nombre_couleur, const Bandes &bandes,
                    Plan &plan) const override;

private:
    int Cote;
    std::vector<float> Seuils; // row by row, each in (0, 1)
};
} // namespace Corvanel

#endif
