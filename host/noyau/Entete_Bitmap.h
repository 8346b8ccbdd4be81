// What Qt's bitmap decoder does not tell: the channel masks of a 16- or 32-bit Windows bitmap
// and where its pixel rows end, read from the file's own headers.
//
// Qt widens a channel of n bits by a plain shift (31 of 5 bits gives 248, not 255); the
// channels are corrected afterwards to v * 255 / (2^n - 1), rounded. The correction takes the
// decoded value's top n bits, so it is right whatever widening kept them.
#ifndef CORVANEL_ENTETE_BITMAP_H
#define CORVANEL_ENTETE_BITMAP_H

#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>

namespace Corvanel
{
// The headers of a bitmap hold at most this many bytes before the palette.
inline constexpr int Taille_Max_Entetes = 14 + 124 + 16;

struct Entete_Bitmap
{
    bool Lu = false; // a Windows bitmap header, read whole
    int Bits = 0;
    std::uint32_t Compression = 0;
    std::int64_t Largeur = 0;
    std::int64_t Hauteur = 0; // rows, whichever way they run
    // Red, green, blue and alpha masks of a 16- or 32-bit bitmap as the decoder applies them;
    // zero where the decoder widens nothing.
    std::array<std::uint32_t, 4> Masques{};
    // For a bitmap without compression, where its pixel rows end in the file; 0 otherwise.
    std::uint64_t Fin_Pixels = 0;
};

// The file's first bytes (up to Taille_Max_Entetes); Lu stays false for anything else.
Entete_Bitmap Lire_Entete_Bitmap(const QByteArray &Debut);

// Widens every channel of the decoded picture exactly, in place; a picture in another format
// than Qt gives 16- and 32-bit bitmaps is left as it is.
void Corriger_Canaux(QImage &Image, const Entete_Bitmap &Entete);
} // namespace Corvanel

#endif
