#include "Conversion.h"

#include "Couleurs.h"
#include "Couleurs_Exactes.h"
#include "Echantillonnage_Zone.h"
#include "Luminance.h"
#include "Tramage.h"

#include <QRgb>
#include <algorithm>

namespace Corvanel
{
void Reechantillonnage_Point::Reechantillonner(const Image_Source &source, int largeur, int hauteur,
                                               bool adapter, Echantillons &sortie) const
{
    largeur = std::clamp(largeur, 0, Colonnes_Plan);
    hauteur = std::clamp(hauteur, 0, Lignes_Plan);
    const QImage &image = source.Image;
    const qint64 ws = image.width();
    const qint64 hs = image.height();
    const qint64 wf = source.Largeur_Cadre;
    const qint64 hf = source.Hauteur_Cadre;
    sortie.Largeur = largeur;
    sortie.Hauteur = hauteur;
    sortie.Points.assign(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur),
                         Echantillon{});
    auto point = sortie.Points.begin();
    for (int y = 0; y < hauteur; ++y)
    {
        const qint64 ys = adapter ? (hf > 0 ? y * hs / hf : 0) : y;
        for (int x = 0; x < largeur; ++x, ++point)
        {
            const qint64 xs = adapter ? (wf > 0 ? x * ws / wf : 0) : x;
            if (xs >= ws || ys >= hs)
                continue;
            const QRgb pixel = Pixel_Source(image, static_cast<int>(xs), static_cast<int>(ys));
            if (qAlpha(pixel) < Alpha_Opaque)
                point->Transparent = point->Dedans = true;
            else
                *point = {float(qRed(pixel)), float(qGreen(pixel)), float(qBlue(pixel)), true};
        }
    }
}

double Teinte_Valeur_Couleur::Ton(const Echantillon &e) const
{
    return double(e.Rouge) + 256.0 * double(e.Vert) + 65536.0 * double(e.Bleu);
}

void Quantification_Bandes::Quantifier(const Tons &tons, std::uint8_t nombre_couleur,
                                       const Bandes &bandes, Plan &plan) const
{
    const Limites_Bandes limites = Calculer_Limites(bandes, nombre_couleur);
    for (int y = 0; y < tons.Hauteur; ++y)
    {
        for (int x = 0; x < tons.Largeur; ++x)
        {
            const double ton = tons(x, y);
            plan[Indice(x, y)] = Sans_Papier(ton) ? Code::Blanc : Classer_Ton(ton, limites);
        }
    }
}

Place_Image Placer_Proportions(int ws, int hs, int wf, int hf)
{
    if (ws <= 0 || hs <= 0 || wf <= 0 || hf <= 0)
        return {0, 0, std::max(wf, 0), std::max(hf, 0)};
    const qint64 l = ws, h = hs, lf = wf, hf_ = hf;
    Place_Image place;
    // The other side rounded to the nearest pixel, halves up.
    if (l * hf_ <= h * lf)
    {
        place.Hauteur = hf;
        place.Largeur = static_cast<int>(std::clamp<qint64>((2 * l * hf_ + h) / (2 * h), 1, lf));
    }
    else
    {
        place.Largeur = wf;
        place.Hauteur = static_cast<int>(std::clamp<qint64>((2 * h * lf + l) / (2 * l), 1, hf_));
    }
    place.X = (wf - place.Largeur) / 2;
    place.Y = (hf - place.Hauteur) / 2;
    return place;
}

const Reechantillonnage &Etape_Reechantillonnage(Mode_Echantillonnage mode)
{
    static const Reechantillonnage_Point point;
    static const Reechantillonnage_Zone zone;
    return mode == Mode_Echantillonnage::Moyenne_Zone ? static_cast<const Reechantillonnage &>(zone)
                                                      : point;
}

const Teinte &Etape_Teinte(Mode_Teinte mode)
{
    static const Teinte_Valeur_Couleur valeur;
    static const Teinte_Luminance luminance;
    // The exact colours keep each point's colour value: its level comes from the colours the
    // whole picture holds, in the last stage.
    return mode == Mode_Teinte::Luminance ? static_cast<const Teinte &>(luminance) : valeur;
}

const Quantification &Etape_Quantification(Mode_Tramage mode)
{
    static const Quantification_Bandes bandes;
    static const Quantification_Diffusion floyd_steinberg(Noyau_Floyd_Steinberg);
    static const Quantification_Diffusion atkinson(Noyau_Atkinson);
    static const Quantification_Ordonnee ordonne_4(4);
    static const Quantification_Ordonnee ordonne_8(8);
    switch (mode)
    {
    case Mode_Tramage::Aucun:
        break;
    case Mode_Tramage::Floyd_Steinberg:
        return floyd_steinberg;
    case Mode_Tramage::Atkinson:
        return atkinson;
    case Mode_Tramage::Ordonne_4:
        return ordonne_4;
    case Mode_Tramage::Ordonne_8:
        return ordonne_8;
    }
    return bandes;
}

namespace
{
// The first stage, with the proportions kept: the source sampled onto its place in the frame,
// the margins transparent.
void Reechantillonner(const Image_Source &source, int largeur, int hauteur,
                      const Options_Conversion &options, Echantillons &sortie)
{
    // The exact colours take each point's own pixel, whatever the sampling.
    const Reechantillonnage &etape = Etape_Reechantillonnage(
        options.Teinte == Mode_Teinte::Couleurs_Exactes ? Mode_Echantillonnage::Point
                                                        : options.Echantillonnage);
    const int wf = source.Largeur_Cadre;
    const int hf = source.Hauteur_Cadre;
    if (!options.Adapter || !options.Proportions || source.Image.isNull() || wf <= 0 || hf <= 0)
    {
        etape.Reechantillonner(source, largeur, hauteur, options.Adapter, sortie);
        return;
    }
    const Place_Image place =
        Placer_Proportions(source.Image.width(), source.Image.height(), wf, hf);
    Echantillons dedans;
    etape.Reechantillonner({source.Image, place.Largeur, place.Hauteur}, place.Largeur,
                           place.Hauteur, true, dedans);
    largeur = std::clamp(largeur, 0, Colonnes_Plan);
    hauteur = std::clamp(hauteur, 0, Lignes_Plan);
    sortie.Largeur = largeur;
    sortie.Hauteur = hauteur;
    sortie.Points.assign(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur),
                         Echantillon{});
    Echantillon marge;
    marge.Dedans = marge.Transparent = true;
    auto point = sortie.Points.begin();
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x, ++point)
        {
            // Past the frame lies beyond the source, as without the proportions.
            if (x >= wf || y >= hf)
                continue;
            const int xi = x - place.X;
            const int yi = y - place.Y;
            if (xi < 0 || yi < 0 || xi >= dedans.Largeur || yi >= dedans.Hauteur)
                *point = marge;
            else
                *point = dedans.Points[static_cast<std::size_t>(yi) *
                                           static_cast<std::size_t>(dedans.Largeur) +
                                       static_cast<std::size_t>(xi)];
        }
}
} // namespace

void Calculer_Tons(const Image_Source &source, int largeur, int hauteur,
                   const Options_Conversion &options, Tons &tons)
{
    Echantillons echantillons;
    Reechantillonner(source, largeur, hauteur, options, echantillons);
    const Teinte &teinte = Etape_Teinte(options.Teinte);
    tons.Largeur = echantillons.Largeur;
    tons.Hauteur = echantillons.Hauteur;
    tons.Valeurs.resize(echantillons.Points.size());
    std::transform(
        echantillons.Points.begin(), echantillons.Points.end(), tons.Valeurs.begin(),
        [&teinte](const Echantillon &e) {
            return !e.Dedans ? Ton_Hors_Source : e.Transparent ? Ton_Transparent : teinte.Ton(e);
        });
}

void Quantifier_Tons(const Tons &tons, const Options_Conversion &options,
                     std::uint8_t nombre_couleur, const Bandes &bandes, Plan &plan)
{
    if (options.Teinte == Mode_Teinte::Couleurs_Exactes)
        Quantification_Exacte(options.Palette).Quantifier(tons, nombre_couleur, bandes, plan);
    else
        Etape_Quantification(options.Tramage).Quantifier(tons, nombre_couleur, bandes, plan);
}

void Marquer_Transparence(const Tons &tons, Plan &transparence)
{
    for (int y = 0; y < tons.Hauteur; ++y)
        for (int x = 0; x < tons.Largeur; ++x)
            transparence[Indice(x, y)] = tons(x, y) == Ton_Transparent ? 1 : 0;
}

void Convertir_Image(Plan &plan, const Image_Source &source, int largeur, int hauteur,
                     const Options_Conversion &options, std::uint8_t nombre_couleur,
                     const Bandes &bandes)
{
    Tons tons;
    Calculer_Tons(source, largeur, hauteur, options, tons);
    Quantifier_Tons(tons, options, nombre_couleur, bandes, plan);
}

void Convertir_Image(Plan &plan, const Image_Source &source, int largeur, int hauteur, bool adapter,
                     std::uint8_t nombre_couleur, const Bandes &bandes)
{
    Options_Conversion options;
    options.Adapter = adapter;
    Convertir_Image(plan, source, largeur, hauteur, options, nombre_couleur, bandes);
}
} // namespace Corvanel
