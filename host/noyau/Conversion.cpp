#include "Conversion.h"

#include "Couleurs.h"
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
            const std::uint32_t valeur =
                Valeur_Source(image, static_cast<int>(xs), static_cast<int>(ys));
            *point = {static_cast<float>(valeur & 0xFF), static_cast<float>((valeur >> 8) & 0xFF),
                      static_cast<float>((valeur >> 16) & 0xFF), true};
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
            plan[Indice(x, y)] = ton == Ton_Hors_Source ? Code::Blanc : Classer_Ton(ton, limites);
        }
    }
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

void Calculer_Tons(const Image_Source &source, int largeur, int hauteur,
                   const Options_Conversion &options, Tons &tons)
{
    Echantillons echantillons;
    Etape_Reechantillonnage(options.Echantillonnage)
        .Reechantillonner(source, largeur, hauteur, options.Adapter, echantillons);
    const Teinte &teinte = Etape_Teinte(options.Teinte);
    tons.Largeur = echantillons.Largeur;
    tons.Hauteur = echantillons.Hauteur;
    tons.Valeurs.resize(echantillons.Points.size());
    std::transform(echantillons.Points.begin(), echantillons.Points.end(), tons.Valeurs.begin(),
                   [&teinte](const Echantillon &e)
                   { return e.Dedans ? teinte.Ton(e) : Ton_Hors_Source; });
}

void Quantifier_Tons(const Tons &tons, const Options_Conversion &options,
                     std::uint8_t nombre_couleur, const Bandes &bandes, Plan &plan)
{
    Etape_Quantification(options.Tramage).Quantifier(tons, nombre_couleur, bandes, plan);
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
