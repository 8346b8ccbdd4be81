#include "Echantillonnage_Zone.h"

#include "Decodage_Image.h"

#include <QRgb>
#include <algorithm>
#include <array>

namespace Corvanel
{
namespace
{
// The source pixels [Premier, Dernier] that one point covers, with the covered part of the
// two end pixels; the pixels between are covered whole. Positions count in 1/Wf of a source
// pixel, so every weight is an exact integer and a whole pixel weighs Wf.
struct Etendue
{
    int Premier = 0;
    int Dernier = 0;
    std::uint32_t Poids_Premier = 0;
    std::uint32_t Poids_Dernier = 0; // 0 when Dernier == Premier
};

std::vector<Etendue> Etendues(int points, qint64 source, qint64 cadre)
{
    std::vector<Etendue> etendues(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i)
    {
        const qint64 debut = i * source;
        const qint64 fin = debut + source;
        Etendue &e = etendues[static_cast<std::size_t>(i)];
        e.Premier = static_cast<int>(debut / cadre);
        e.Dernier = static_cast<int>((fin - 1) / cadre);
        if (e.Premier == e.Dernier)
            e.Poids_Premier = static_cast<std::uint32_t>(source);
        else
        {
            e.Poids_Premier = static_cast<std::uint32_t>((e.Premier + 1) * cadre - debut);
            e.Poids_Dernier = static_cast<std::uint32_t>(fin - e.Dernier * cadre);
        }
    }
    return etendues;
}

// Column sums of the rows that one picture row covers, before the columns are summed: the
// rows are added whole, the long loop is a plain run along memory.
struct Colonnes
{
    std::vector<std::uint32_t> Rouge, Vert, Bleu;
    // Whole rows are added without weights, two channels to a word (red and blue, green and
    // alpha, 16 bits each), and folded into the three sums every 256 rows before a lane fills.
    std::vector<std::uint32_t> Rouge_Bleu, Vert_Alpha;
    int Rangs_En_Attente = 0;

    explicit Colonnes(int largeur)
        : Rouge(std::size_t(largeur)), Vert(std::size_t(largeur)), Bleu(std::size_t(largeur)),
          Rouge_Bleu(std::size_t(largeur)), Vert_Alpha(std::size_t(largeur))
    {
    }

    void Vider()
    {
        std::fill(Rouge.begin(), Rouge.end(), 0);
        std::fill(Vert.begin(), Vert.end(), 0);
        std::fill(Bleu.begin(), Bleu.end(), 0);
    }

    void Ajouter_Pondere(const QRgb *__restrict ligne, std::uint32_t poids)
    {
        std::uint32_t *__restrict r = Rouge.data();
        std::uint32_t *__restrict g = Vert.data();
        std::uint32_t *__restrict b = Bleu.data();
        const std::size_t n = Rouge.size();
        for (std::size_t x = 0; x < n; ++x)
        {
            const QRgb p = ligne[x];
            r[x] += poids * ((p >> 16) & 0xFF);
            g[x] += poids * ((p >> 8) & 0xFF);
            b[x] += poids * (p & 0xFF);
        }
    }

    void Ajouter_Entier(const QRgb *__restrict ligne, std::uint32_t poids)
    {
        std::uint32_t *__restrict rb = Rouge_Bleu.data();
        std::uint32_t *__restrict ga = Vert_Alpha.data();
        const std::size_t n = Rouge_Bleu.size();
        for (std::size_t x = 0; x < n; ++x)
        {
            const QRgb p = ligne[x];
            rb[x] += p & 0x00FF00FFu;
            ga[x] += (p >> 8) & 0x00FF00FFu;
        }
        if (++Rangs_En_Attente == 256)
            Replier(poids);
    }

    void Replier(std::uint32_t poids)
    {
        if (Rangs_En_Attente == 0)
            return;
        for (std::size_t x = 0; x < Rouge.size(); ++x)
        {
            Rouge[x] += poids * (Rouge_Bleu[x] >> 16);
            Bleu[x] += poids * (Rouge_Bleu[x] & 0xFFFF);
            Vert[x] += poids * (Vert_Alpha[x] & 0xFFFF);
        }
        std::fill(Rouge_Bleu.begin(), Rouge_Bleu.end(), 0);
        std::fill(Vert_Alpha.begin(), Vert_Alpha.end(), 0);
        Rangs_En_Attente = 0;
    }
};

// The sums of a picture with transparency: each pixel weighs its alpha as well as its share of
// the point, so that a point's colour is its visible pixels' and its alpha the mean.
struct Colonnes_Alpha
{
    std::vector<std::uint64_t> Rouge, Vert, Bleu, Alpha;

    explicit Colonnes_Alpha(int largeur)
        : Rouge(std::size_t(largeur)), Vert(std::size_t(largeur)), Bleu(std::size_t(largeur)),
          Alpha(std::size_t(largeur))
    {
    }

    void Vider()
    {
        for (auto *v : {&Rouge, &Vert, &Bleu, &Alpha})
            std::fill(v->begin(), v->end(), 0);
    }

    void Ajouter(const QRgb *ligne, std::uint32_t poids)
    {
        for (std::size_t x = 0; x < Rouge.size(); ++x)
        {
            const QRgb p = ligne[x];
            const std::uint64_t a = std::uint64_t(poids) * qAlpha(p);
            Rouge[x] += a * qRed(p);
            Vert[x] += a * qGreen(p);
            Bleu[x] += a * qBlue(p);
            Alpha[x] += a;
        }
    }
};

// The sum over the columns one point covers, each end column by its covered part.
template <typename T>
std::uint64_t Somme_Colonnes(const Etendue &c, qint64 wf, const std::vector<T> &col)
{
    std::uint64_t entiers = 0;
    for (int x = c.Premier + 1; x < c.Dernier; ++x)
        entiers += col[static_cast<std::size_t>(x)];
    return std::uint64_t(wf) * entiers +
           std::uint64_t(c.Poids_Premier) * col[static_cast<std::size_t>(c.Premier)] +
           std::uint64_t(c.Poids_Dernier) * col[static_cast<std::size_t>(c.Dernier)];
}
} // namespace

void Reechantillonnage_Zone::Reechantillonner(const Image_Source &source, int largeur, int hauteur,
                                              bool adapter, Echantillons &sortie) const
{
    const QImage &brute = source.Image;
    if (!adapter || brute.isNull() || source.Largeur_Cadre <= 0 || source.Hauteur_Cadre <= 0)
    {
        Reechantillonnage_Point().Reechantillonner(source, largeur, hauteur, adapter, sortie);
        return;
    }
    largeur = std::clamp(largeur, 0, Colonnes_Plan);
    hauteur = std::clamp(hauteur, 0, Lignes_Plan);
    sortie.Largeur = largeur;
    sortie.Hauteur = hauteur;
    sortie.Points.assign(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur),
                         Echantillon{});

    // One read format for the summing loop; the usual decoded formats need no copy.
    const bool alpha = brute.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QImage image = brute.format() == format ? brute : brute.convertToFormat(format);

    const qint64 ws = image.width();
    const qint64 hs = image.height();
    const qint64 wf = source.Largeur_Cadre;
    const qint64 hf = source.Hauteur_Cadre;
    // Points at or past the frame lie beyond the source, as with the nearest point.
    const int nx = static_cast<int>(std::min<qint64>(largeur, wf));
    const int ny = static_cast<int>(std::min<qint64>(hauteur, hf));
    if (nx <= 0 || ny <= 0)
        return;
    const std::vector<Etendue> colonnes = Etendues(nx, ws, wf);
    const std::vector<Etendue> lignes = Etendues(ny, hs, hf);

    // Every point covers Ws x Hs units of Wf x Hf source pixels.
    const double aire = double(ws) * double(hs);
    const auto poids_h = static_cast<std::uint32_t>(hf);
    const auto ligne_source = [&image](int ys)
    { return reinterpret_cast<const QRgb *>(image.constScanLine(ys)); };
    if (alpha)
    {
        Colonnes_Alpha sommes(static_cast<int>(ws));
        for (int y = 0; y < ny; ++y)
        {
            const Etendue &e = lignes[static_cast<std::size_t>(y)];
            sommes.Vider();
            sommes.Ajouter(ligne_source(e.Premier), e.Poids_Premier);
            for (int ys = e.Premier + 1; ys < e.Dernier; ++ys)
                sommes.Ajouter(ligne_source(ys), poids_h);
            if (e.Dernier != e.Premier)
                sommes.Ajouter(ligne_source(e.Dernier), e.Poids_Dernier);
            auto point = sortie.Points.begin() + static_cast<std::ptrdiff_t>(y) * largeur;
            for (const Etendue &c : colonnes)
            {
                const std::uint64_t a = Somme_Colonnes(c, wf, sommes.Alpha);
                Echantillon &e_point = *point++;
                e_point.Dedans = true;
                // Transparent when the mean alpha is below the limit.
                if (double(a) < Alpha_Opaque * aire)
                {
                    e_point.Transparent = true;
                    continue;
                }
                const auto canal = [&](const std::vector<std::uint64_t> &col)
                { return static_cast<float>(double(Somme_Colonnes(c, wf, col)) / double(a)); };
                e_point.Rouge = canal(sommes.Rouge);
                e_point.Vert = canal(sommes.Vert);
                e_point.Bleu = canal(sommes.Bleu);
            }
        }
        return;
    }
    Colonnes sommes(static_cast<int>(ws));
    for (int y = 0; y < ny; ++y)
    {
        const Etendue &e = lignes[static_cast<std::size_t>(y)];
        sommes.Vider();
        sommes.Ajouter_Pondere(ligne_source(e.Premier), e.Poids_Premier);
        for (int ys = e.Premier + 1; ys < e.Dernier; ++ys)
            sommes.Ajouter_Entier(ligne_source(ys), poids_h);
        sommes.Replier(poids_h);
        if (e.Dernier != e.Premier)
            sommes.Ajouter_Pondere(ligne_source(e.Dernier), e.Poids_Dernier);
        auto point = sortie.Points.begin() + static_cast<std::ptrdiff_t>(y) * largeur;
        for (const Etendue &c : colonnes)
        {
            const auto somme = [&c, wf, aire](const std::vector<std::uint32_t> &col)
            { return static_cast<float>(double(Somme_Colonnes(c, wf, col)) / aire); };
            *point++ = {somme(sommes.Rouge), somme(sommes.Vert), somme(sommes.Bleu), true};
        }
    }
}
} // namespace Corvanel
