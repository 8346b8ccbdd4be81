// The conversion of a source picture into level codes, in three stages: resample the source
// onto the picture's points, turn each sample into a tone, quantise the tones into codes.
// The tones are kept between passes, so a new choice of bands or level count only runs the
// last stage again.
#ifndef CORVANEL_CONVERSION_H
#define CORVANEL_CONVERSION_H

#include "Bandes.h"
#include "Decodage_Image.h"
#include "Plan.h"

#include <cstdint>
#include <vector>

namespace Corvanel
{
// The source colour one picture point stands for, each channel from 0 to 255 (between two
// values for an average). A point that the source does not reach (when cutting a smaller
// picture) is not Dedans: it is white and gives code 0 whatever the bands. A Transparent point
// (alpha below 128, or a margin left by keeping the proportions) has no colour: it takes code 0
// too, and is left out of the mask of the transparency.
struct Echantillon
{
    float Rouge = 255;
    float Vert = 255;
    float Bleu = 255;
    bool Dedans = false;
    bool Transparent = false;
};

// Row by row from the top, each row from the left.
struct Echantillons
{
    int Largeur = 0;
    int Hauteur = 0;
    std::vector<Echantillon> Points;
};

// A tone on the colour-value scale of the band rule (0 black to 16,777,215 white); a point
// outside the source holds Ton_Hors_Source, a transparent one Ton_Transparent. Neither has
// paper to take or give a dither's error: both give code 0.
inline constexpr double Ton_Hors_Source = -1.0;
inline constexpr double Ton_Transparent = -2.0;
constexpr bool Sans_Papier(double ton)
{
    return ton < 0.0;
}
struct Tons
{
    int Largeur = 0;
    int Hauteur = 0;
    std::vector<double> Valeurs;

    double operator()(int x, int y) const
    {
        return Valeurs[static_cast<std::size_t>(y) * static_cast<std::size_t>(Largeur) +
                       static_cast<std::size_t>(x)];
    }
};

class Reechantillonnage
{
public:
    virtual ~Reechantillonnage() = default;
    // width x height points of the source; fit: the whole source onto the frame recorded at
    // the import; cut: the source's top-left corner at one pixel per pixel.
    virtual void Reechantillonner(const Image_Source &source, int largeur, int hauteur,
                                  bool adapter, Echantillons &sortie) const = 0;
};

class Teinte
{
public:
    virtual ~Teinte() = default;
    // Called only for points inside the source.
    virtual double Ton(const Echantillon &echantillon) const = 0;
};

class Quantification
{
public:
    virtual ~Quantification() = default;
    // Writes the code of every point of the tones into the plane's picture region.
    virtual void Quantifier(const Tons &tons, std::uint8_t nombre_couleur, const Bandes &bandes,
                            Plan &plan) const = 0;
};

// The nearest source point: x * Ws / Wf, y * Hs / Hf truncated.
class Reechantillonnage_Point final : public Reechantillonnage
{
public:
    void Reechantillonner(const Image_Source &source, int largeur, int hauteur, bool adapter,
                          Echantillons &sortie) const override;
};

// The colour value R + 256 G + 65536 B.
class Teinte_Valeur_Couleur final : public Teinte
{
public:
    double Ton(const Echantillon &echantillon) const override;
};

// Each tone on its own by the band widths.
class Quantification_Bandes final : public Quantification
{
public:
    void Quantifier(const Tons &tons, std::uint8_t nombre_couleur, const Bandes &bandes,
                    Plan &plan) const override;
};

// The choices that decide the stages; the defaults are the program's first conversion.
enum class Mode_Echantillonnage
{
    Point,
    Moyenne_Zone,
};
enum class Mode_Teinte
{
    Valeur_Couleur,
    Luminance,
    // Each distinct colour its own level: light, contrast and dithering do not apply.
    Couleurs_Exactes,
};
enum class Mode_Tramage
{
    Aucun,
    Floyd_Steinberg,
    Atkinson,
    Ordonne_4,
    Ordonne_8,
};

// A colour given its level in the exact colours' mode.
struct Couleur_Fixee
{
    std::uint32_t Valeur; // R + 256 G + 65536 B
    std::uint8_t Code;
    bool operator==(const Couleur_Fixee &) const = default;
};

struct Options_Conversion
{
    bool Adapter = true; // fit the source to the size, or cut its top-left corner
    // With fitting: one scale for both directions, the picture centred in the size.
    bool Proportions = false;
    Mode_Echantillonnage Echantillonnage = Mode_Echantillonnage::Point;
    Mode_Teinte Teinte = Mode_Teinte::Valeur_Couleur;
    Mode_Tramage Tramage = Mode_Tramage::Aucun;
    // The exact colours' levels, when given: every colour takes the level of the nearest.
    std::vector<Couleur_Fixee> Palette;

    bool operator==(const Options_Conversion &) const = default;
};

// Where the source lies in a frame of wf x hf when it keeps its proportions: one scale for both
// directions, as large as the frame allows, centred, an odd spare pixel to the right or below.
struct Place_Image
{
    int X = 0;
    int Y = 0;
    int Largeur = 0;
    int Hauteur = 0;
};
Place_Image Placer_Proportions(int ws, int hs, int wf, int hf);

const Reechantillonnage &Etape_Reechantillonnage(Mode_Echantillonnage mode);
const Teinte &Etape_Teinte(Mode_Teinte mode);
const Quantification &Etape_Quantification(Mode_Tramage mode);

// The first two stages: the tones of width x height points of the source.
void Calculer_Tons(const Image_Source &source, int largeur, int hauteur,
                   const Options_Conversion &options, Tons &tons);
// The last stage.
void Quantifier_Tons(const Tons &tons, const Options_Conversion &options,
                     std::uint8_t nombre_couleur, const Bandes &bandes, Plan &plan);
// 1 at the transparent points of the tones, 0 at the others, in the tones' region.
void Marquer_Transparence(const Tons &tons, Plan &transparence);

// All three stages at once, for callers that keep nothing between passes.
void Convertir_Image(Plan &plan, const Image_Source &source, int largeur, int hauteur,
                     const Options_Conversion &options, std::uint8_t nombre_couleur,
                     const Bandes &bandes);
void Convertir_Image(Plan &plan, const Image_Source &source, int largeur, int hauteur, bool adapter,
                     std::uint8_t nombre_couleur, const Bandes &bandes);
} // namespace Corvanel

#endif
