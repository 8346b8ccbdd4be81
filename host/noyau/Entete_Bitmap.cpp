#include "Entete_Bitmap.h"

#include <algorithm>
#include <bit>

namespace Corvanel
{
namespace
{
constexpr std::uint32_t Sans_Compression = 0;
constexpr std::uint32_t Champs_De_Bits = 3;
// Beyond this the decoder refuses the picture anyway; within it the sizes below cannot overflow.
constexpr std::int64_t Cote_Calculable = 1 << 20;

std::uint32_t Mot(const QByteArray &Octets, int Position, int Taille)
{
    std::uint32_t Valeur = 0;
    for (int i = Taille - 1; i >= 0; --i)
        Valeur = Valeur << 8 | static_cast<std::uint8_t>(Octets[Position + i]);
    return Valeur;
}

// The exact value of each byte the decoder gives for a channel of this mask: its top n bits
// are the channel's value. Nothing to do for 8 bits, nor for a mask the decoder cannot widen
// (empty, wider than 8 bits or with holes).
bool Table_Canal(std::uint32_t Masque, std::array<std::uint8_t, 256> &Table)
{
    if (Masque == 0)
        return false;
    const std::uint32_t Aligne = Masque >> std::countr_zero(Masque);
    const int Largeur = std::popcount(Aligne);
    if ((Aligne & (Aligne + 1)) != 0 || Largeur >= 8)
        return false;
    const unsigned Maximum = (1u << Largeur) - 1;
    for (unsigned Octet = 0; Octet < 256; ++Octet)
    {
        const unsigned Valeur = Octet >> (8 - Largeur);
        Table[Octet] = static_cast<std::uint8_t>((Valeur * 255 + Maximum / 2) / Maximum);
    }
    return true;
}
} // namespace

Entete_Bitmap Lire_Entete_Bitmap(const QByteArray &Debut)
{
    Entete_Bitmap Entete;
    if (Debut.size() < 14 + 12 || Debut[0] != 'B' || Debut[1] != 'M')
        return Entete;
    const std::uint32_t Debut_Pixels = Mot(Debut, 10, 4);
    const std::uint32_t Taille_Info = Mot(Debut, 14, 4);
    // The sizes the decoder reads with 32-bit fields; any other is taken as the oldest
    // header, with 16-bit fields and no compression.
    const bool Moderne =
        Taille_Info == 40 || Taille_Info == 64 || Taille_Info == 108 || Taille_Info == 124;
    if (Moderne && Debut.size() < 14 + 40)
        return Entete;
    if (Moderne)
    {
        Entete.Largeur = static_cast<std::int32_t>(Mot(Debut, 18, 4));
        Entete.Hauteur = static_cast<std::int32_t>(Mot(Debut, 22, 4));
        Entete.Bits = static_cast<int>(Mot(Debut, 28, 2));
        Entete.Compression = Mot(Debut, 30, 4);
    }
    else
    {
        Entete.Largeur = static_cast<std::int16_t>(Mot(Debut, 18, 2));
        Entete.Hauteur = static_cast<std::int16_t>(Mot(Debut, 20, 2));
        Entete.Bits = static_cast<int>(Mot(Debut, 24, 2));
    }
    if (Entete.Hauteur < 0)
        Entete.Hauteur = -Entete.Hauteur;
    const bool Seize_Ou_32 = Entete.Bits == 16 || Entete.Bits == 32;
    if (Entete.Compression == Champs_De_Bits && Seize_Ou_32 && Taille_Info != 64)
    {
        // The three masks follow a 40-byte header, or sit inside a longer one with the alpha
        // mask after them.
        if (Debut.size() < 14 + 40 + 12 + (Taille_Info >= 108 ? 4 : 0))
            return Entete;
        for (int i = 0; i < 3; ++i)
            Entete.Masques[static_cast<std::size_t>(i)] = Mot(Debut, 54 + 4 * i, 4);
        if (Taille_Info >= 108)
            Entete.Masques[3] = Mot(Debut, 66, 4);
    }
    else if (Entete.Compression == Sans_Compression && Entete.Bits == 16)
        Entete.Masques = {0x7C00, 0x03E0, 0x001F, 0};

    const bool Profondeur_Connue = Entete.Bits == 1 || Entete.Bits == 4 || Entete.Bits == 8 ||
                                   Entete.Bits == 24 || Seize_Ou_32;
    if ((Entete.Compression == Sans_Compression ||
         (Entete.Compression == Champs_De_Bits && Seize_Ou_32)) &&
        Profondeur_Connue && Entete.Largeur > 0 && Entete.Hauteur > 0 &&
        Entete.Largeur <= Cote_Calculable && Entete.Hauteur <= Cote_Calculable)
    {
        // Rows are padded to 4 bytes; a last row without its padding is still whole.
        const std::uint64_t Bits_Ligne =
            static_cast<std::uint64_t>(Entete.Largeur) * static_cast<std::uint64_t>(Entete.Bits);
        const std::uint64_t Ligne = (Bits_Ligne + 31) / 32 * 4;
        const std::uint64_t Premier = std::max<std::uint64_t>(Debut_Pixels, 14 + Taille_Info);
        Entete.Fin_Pixels =
            Premier + Ligne * static_cast<std::uint64_t>(Entete.Hauteur - 1) + (Bits_Ligne + 7) / 8;
    }
    Entete.Lu = true;
    return Entete;
}

void Corriger_Canaux(QImage &Image, const Entete_Bitmap &Entete)
{
    if (Image.format() != QImage::Format_RGB32 && Image.format() != QImage::Format_ARGB32)
        return;
    std::array<std::array<std::uint8_t, 256>, 4> Tables;
    bool Corriger[4];
    bool Aucun = true;
    for (std::size_t i = 0; i < 4; ++i)
    {
        Corriger[i] = Table_Canal(Entete.Masques[i], Tables[i]);
        Aucun = Aucun && !Corriger[i];
    }
    // Alpha only where the decoder kept it.
    Corriger[3] = Corriger[3] && Image.format() == QImage::Format_ARGB32;
    if (Aucun)
        return;
    for (std::size_t i = 0; i < 4; ++i)
        if (!Corriger[i])
            for (unsigned Octet = 0; Octet < 256; ++Octet)
                Tables[i][Octet] = static_cast<std::uint8_t>(Octet);
    for (int y = 0; y < Image.height(); ++y)
    {
        auto *Ligne = reinterpret_cast<QRgb *>(Image.scanLine(y));
        for (int x = 0; x < Image.width(); ++x)
        {
            const QRgb Point = Ligne[x];
            Ligne[x] = qRgba(Tables[0][qRed(Point)], Tables[1][qGreen(Point)],
                             Tables[2][qBlue(Point)], Tables[3][qAlpha(Point)]);
        }
    }
}
} // namespace Corvanel
