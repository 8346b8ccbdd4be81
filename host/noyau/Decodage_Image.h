// Decoding a source picture: the file into colours, and the colour of one source pixel.
#ifndef CORVANEL_DECODAGE_IMAGE_H
#define CORVANEL_DECODAGE_IMAGE_H

#include <QImage>
#include <QString>
#include <cstdint>

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
} // namespace Corvanel

#endif
