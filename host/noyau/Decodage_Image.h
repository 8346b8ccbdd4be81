// Decoding a source picture: the file into colours, and the colour of one source pixel.
#ifndef CORVANEL_DECODAGE_IMAGE_H
#define CORVANEL_DECODAGE_IMAGE_H

#include "Entete_Bitmap.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

class QImageReader;

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
    QImage Image;          // null on failure
    QString Erreur;        // French reason on failure
    int Nombre_Images = 1; // the frames of an animation
};

// The frames of a picture file, read one at a time, each as the file shows it once composed:
// only the frame at hand is held, whatever the count.
class Lecture_Images
{
public:
    // bitmap_seul: decode as a Windows bitmap whatever the file holds (the "Image Bitmap" file
    // type); otherwise the format is recognised from the content.
    Lecture_Images(const QString &chemin, bool bitmap_seul);
    ~Lecture_Images();
    Lecture_Images(const Lecture_Images &) = delete;
    Lecture_Images &operator=(const Lecture_Images &) = delete;

    // The frames the file holds: 1 for a still picture.
    int Nombre() const { return Nombre_; }
    // The next frame, or why there is none.
    Resultat_Decodage Suivante();
    // Frame numero, counted from 0, reading past the frames before it: a frame is drawn over
    // the ones before.
    Resultat_Decodage Image(int numero);

private:
    QString Chemin;
    QString Debut;
    QString Refus; // set when the file is refused before any frame
    std::unique_ptr<QImageReader> Lecteur;
    Entete_Bitmap Entete;
    int Nombre_ = 1;
    int Lues = 0;
};

// The first frame, with the frame count.
Resultat_Decodage Decoder_Image(const QString &chemin, bool bitmap_seul);

// Colour value R + 256 G + 65536 B of a source pixel, transparency blended over white.
std::uint32_t Valeur_Source(const QImage &image, int x, int y);

// A point is transparent below this alpha.
inline constexpr int Alpha_Opaque = 128;
// A source pixel's own colour, not premultiplied, with its alpha (255 without an alpha channel).
QRgb Pixel_Source(const QImage &image, int x, int y);
} // namespace Corvanel

#endif
