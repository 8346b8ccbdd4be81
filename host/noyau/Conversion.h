// Decoding a source picture and sampling it onto the plane.
#ifndef CORVANEL_CONVERSION_H
#define CORVANEL_CONVERSION_H

#include "Bandes.h"
#include "Plan.h"

#include <QImage>
#include <QString>

namespace Corvanel
{
// The kept source of the last import: the decoded picture and the frame size read from the
// size fields at that import.
struct Image_Source
{
    QImage Image;
    int Largeur_Cadre = 0;
    int Hauteur_Cadre = 0;
};

// Pictures claiming more than this are refused before any pixel memory is taken.
inline constexpr qint64 Pixels_Maximum = 100'000'000;
inline constexpr int Cote_Maximum = 32767;

struct Resultat_Decodage
{
    QImage Image;   // null on failure
    QString Erreur; // French reason on failure
};

// bitmap_seul: decode as a Windows bitmap whatever the file holds (the "Image Bitmap" file
// type); otherwise the format is recognised from the content.
Resultat_Decodage Decoder_Image(const QString &chemin, bool bitmap_seul);

// Colour value R + 256 G + 65536 B of a source pixel, transparency blended over white.
std::uint32_t Valeur_Source(const QImage &image, int x, int y);

// Samples the source onto width x height points (fit: nearest-point scaling of the whole
// source onto the frame; cut: top-left corner at one pixel per pixel) and stores each point's
// level code. Only the picture's region of the plane is written.
void Convertir_Image(Plan &plan, const Image_Source &source, int largeur, int hauteur, bool adapter,
                     std::uint8_t nombre_couleur, const Bandes &bandes);
} // namespace Corvanel

#endif
