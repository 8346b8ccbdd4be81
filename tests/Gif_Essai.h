// Animated GIF files written from scratch, for the tests and the benchmark: Qt reads GIF but
// does not write it.
#ifndef CORVANEL_GIF_ESSAI_H
#define CORVANEL_GIF_ESSAI_H

#include <QByteArray>
#include <QRgb>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace Essai
{
// One frame: its rectangle on the screen, what becomes of it before the next frame (1 left in
// place, 2 cleared to the background, 3 put back as it was), its transparent index (-1: none),
// and one palette index per pixel, row by row.
struct Image_Gif
{
    int X = 0;
    int Y = 0;
    int Largeur = 0;
    int Hauteur = 0;
    int Disposition = 1;
    int Transparent = -1;
    std::vector<std::uint8_t> Indices;
};

namespace Gif_Detail
{
class Bits
{
public:
    void Ecrire(unsigned code, int taille)
    {
        Accumulateur |= std::uint32_t(code) << Nombre;
        Nombre += taille;
        while (Nombre >= 8)
        {
            Octets.push_back(char(Accumulateur & 0xFF));
            Accumulateur >>= 8;
            Nombre -= 8;
        }
    }
    QByteArray Finir()
    {
        if (Nombre > 0)
            Octets.push_back(char(Accumulateur & 0xFF));
        return Octets;
    }

private:
    QByteArray Octets;
    std::uint32_t Accumulateur = 0;
    int Nombre = 0;
};

inline void Mot(QByteArray &b, int v)
{
    b.push_back(char(v & 0xFF));
    b.push_back(char((v >> 8) & 0xFF));
}

// The LZW code stream of the indices, codes growing from taille_min + 1 bits to 12, the table
// started again when full.
inline QByteArray Lzw(const std::vector<std::uint8_t> &indices, int taille_min)
{
    const unsigned effacer = 1u << taille_min;
    const unsigned fin = effacer + 1;
    Bits sortie;
    std::map<std::pair<unsigned, unsigned>, unsigned> table;
    int taille = taille_min + 1;
    unsigned dernier = fin; // the last code given
    sortie.Ecrire(effacer, taille);
    long courant = -1;
    for (std::uint8_t k : indices)
    {
        if (courant < 0)
        {
            courant = k;
            continue;
        }
        const auto trouve = table.find({unsigned(courant), k});
        if (trouve != table.end())
        {
            courant = trouve->second;
            continue;
        }
        sortie.Ecrire(unsigned(courant), taille);
        table[{unsigned(courant), k}] = ++dernier;
        if (dernier >= (1u << taille))
            ++taille;
        if (dernier == 4095)
        {
            sortie.Ecrire(effacer, taille);
            table.clear();
            taille = taille_min + 1;
            dernier = fin;
        }
        courant = k;
    }
    if (courant >= 0)
        sortie.Ecrire(unsigned(courant), taille);
    sortie.Ecrire(fin, taille);
    return sortie.Finir();
}
} // namespace Gif_Detail

// A GIF89a of that screen size with a global palette (up to 256 colours) and the frames.
inline QByteArray Ecrire_Gif(int largeur, int hauteur, std::vector<QRgb> palette,
                             const std::vector<Image_Gif> &images)
{
    int bits = 2;
    while ((1u << bits) < palette.size())
        ++bits;
    palette.resize(std::size_t(1) << bits, qRgb(0, 0, 0));
    QByteArray b("GIF89a");
    Gif_Detail::Mot(b, largeur);
    Gif_Detail::Mot(b, hauteur);
    b.push_back(char(0x80 | 0x70 | (bits - 1)));
    b.push_back(char(0));
    b.push_back(char(0));
    for (QRgb c : palette)
    {
        b.push_back(char(qRed(c)));
        b.push_back(char(qGreen(c)));
        b.push_back(char(qBlue(c)));
    }
    for (const Image_Gif &image : images)
    {
        b.append("\x21\xF9\x04", 3);
        b.push_back(char((image.Disposition << 2) | (image.Transparent >= 0 ? 1 : 0)));
        Gif_Detail::Mot(b, 10);
        b.push_back(char(image.Transparent >= 0 ? image.Transparent : 0));
        b.push_back(char(0));
        b.push_back(char(0x2C));
        Gif_Detail::Mot(b, image.X);
        Gif_Detail::Mot(b, image.Y);
        Gif_Detail::Mot(b, image.Largeur);
        Gif_Detail::Mot(b, image.Hauteur);
        b.push_back(char(0));
        b.push_back(char(bits));
        const QByteArray donnees = Gif_Detail::Lzw(image.Indices, bits);
        for (qsizetype i = 0; i < donnees.size(); i += 255)
        {
            const QByteArray bloc = donnees.mid(i, 255);
            b.push_back(char(bloc.size()));
            b.append(bloc);
        }
        b.push_back(char(0));
    }
    b.push_back(char(0x3B));
    return b;
}
} // namespace Essai

#endif
