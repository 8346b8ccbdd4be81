// How close the conversion comes to what the eye sees, on real photos at "TI 89" with fitting:
// every mode against ImageMagick's three usual commands, in the same run on the same photos.
//
// Both measures compare the picture's level tones on the even scale with the source's
// luminance box-filtered to 160 x 100: structure as the mean SSIM (Gaussian weights of sigma
// 1.5, data range 255), tone as the RMSE after a Gaussian blur of sigma 1.0 on both.
#include "Bench.h"
#include "Choix_Image.h"
#include "Conversion.h"
#include "Tramage.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace
{
using namespace Corvanel;

constexpr int Largeur = 160;
constexpr int Hauteur = 100;

// A portrait, a cat, a cup of coffee, a street, a page of text, the sky, ...
const char *const Photos[] = {
    "astronaut.png", "camera.png", "chelsea.png",
    "coffee.png",    "coins.png",  "hubble_deep_field.jpg",
    "ihc.png",       "moon.png",   "motorcycle_left.png",
    "page.png",      "retina.jpg", "rocket.jpg",
};

QString Dossier_Photos()
{
    const QString Choisi = qEnvironmentVariable("CORVANEL_PHOTOS");
    if (!Choisi.isEmpty())
        return Choisi;
    for (const char *Dossier :
         {"/usr/lib/python3/dist-packages/skimage/data", "/usr/share/python3-skimage/data"})
        if (QFileInfo::exists(QString::fromLatin1(Dossier) + QStringLiteral("/camera.png")))
            return QString::fromLatin1(Dossier);
    return {};
}

// A grey picture of doubles, row by row.
struct Gris
{
    int L = 0;
    int H = 0;
    std::vector<double> V;
    double operator()(int x, int y) const
    {
        return V[std::size_t(y) * std::size_t(L) + std::size_t(x)];
    }
};

// The source's luminance averaged over the rectangle each point covers, written apart from
// the program's own sampler so that a fault there cannot hide here.
Gris Reference(const QImage &Source)
{
    const int Ws = Source.width();
    const int Hs = Source.height();
    std::vector<double> Y(std::size_t(Ws) * std::size_t(Hs));
    for (int y = 0; y < Hs; ++y)
        for (int x = 0; x < Ws; ++x)
        {
            const std::uint32_t v = Valeur_Source(Source, x, y);
            Y[std::size_t(y) * std::size_t(Ws) + std::size_t(x)] =
                0.299 * (v & 0xFF) + 0.587 * ((v >> 8) & 0xFF) + 0.114 * ((v >> 16) & 0xFF);
        }
    Gris R{Largeur, Hauteur, std::vector<double>(std::size_t(Largeur) * Hauteur)};
    const double Sx = double(Ws) / Largeur;
    const double Sy = double(Hs) / Hauteur;
    for (int py = 0; py < Hauteur; ++py)
        for (int px = 0; px < Largeur; ++px)
        {
            const double X0 = px * Sx, X1 = X0 + Sx, Y0 = py * Sy, Y1 = Y0 + Sy;
            double Somme = 0;
            for (int y = int(Y0); y < Hs && y < Y1; ++y)
            {
                const double Hy = std::min<double>(y + 1, Y1) - std::max<double>(y, Y0);
                for (int x = int(X0); x < Ws && x < X1; ++x)
                {
                    const double Lx = std::min<double>(x + 1, X1) - std::max<double>(x, X0);
                    Somme += Hy * Lx * Y[std::size_t(y) * std::size_t(Ws) + std::size_t(x)];
                }
            }
            R.V[std::size_t(py) * Largeur + std::size_t(px)] = Somme / (Sx * Sy);
        }
    return R;
}

// A normalised Gaussian of the given radius.
std::vector<double> Noyau_Gauss(double Sigma, int Rayon)
{
    std::vector<double> K(std::size_t(2 * Rayon + 1));
    double Somme = 0;
    for (int i = -Rayon; i <= Rayon; ++i)
        Somme += K[std::size_t(i + Rayon)] = std::exp(-0.5 * i * i / (Sigma * Sigma));
    for (double &k : K)
        k /= Somme;
    return K;
}

// Separable blur; the border mirrors the picture about its edge (d c b a | a b c d).
Gris Flouter(const Gris &G, const std::vector<double> &K)
{
    const int R = int(K.size() / 2);
    const auto Miroir = [](int i, int n)
    {
        while (i < 0 || i >= n)
            i = i < 0 ? -i - 1 : 2 * n - i - 1;
        return i;
    };
    Gris T = G, S = G;
    for (int y = 0; y < G.H; ++y)
        for (int x = 0; x < G.L; ++x)
        {
            double s = 0;
            for (int i = -R; i <= R; ++i)
                s += K[std::size_t(i + R)] * G(Miroir(x + i, G.L), y);
            T.V[std::size_t(y) * std::size_t(G.L) + std::size_t(x)] = s;
        }
    for (int y = 0; y < G.H; ++y)
        for (int x = 0; x < G.L; ++x)
        {
            double s = 0;
            for (int i = -R; i <= R; ++i)
                s += K[std::size_t(i + R)] * T(x, Miroir(y + i, G.H));
            S.V[std::size_t(y) * std::size_t(G.L) + std::size_t(x)] = s;
        }
    return S;
}

Gris Produit(const Gris &A, const Gris &B)
{
    Gris P = A;
    for (std::size_t i = 0; i < P.V.size(); ++i)
        P.V[i] = A.V[i] * B.V[i];
    return P;
}

// Wang et al.'s SSIM with an 11-point Gaussian window of sigma 1.5 and population
// covariances, averaged away from the five-point border the window cannot fill.
double SSIM(const Gris &A, const Gris &B)
{
    const std::vector<double> K = Noyau_Gauss(1.5, 5);
    const Gris Ma = Flouter(A, K), Mb = Flouter(B, K);
    const Gris Aa = Flouter(Produit(A, A), K), Bb = Flouter(Produit(B, B), K),
               Ab = Flouter(Produit(A, B), K);
    const double C1 = (0.01 * 255) * (0.01 * 255), C2 = (0.03 * 255) * (0.03 * 255);
    double Somme = 0;
    int N = 0;
    for (int y = 5; y < A.H - 5; ++y)
        for (int x = 5; x < A.L - 5; ++x)
        {
            const double ma = Ma(x, y), mb = Mb(x, y);
            const double va = Aa(x, y) - ma * ma, vb = Bb(x, y) - mb * mb, cab = Ab(x, y) - ma * mb;
            Somme +=
                ((2 * ma * mb + C1) * (2 * cab + C2)) / ((ma * ma + mb * mb + C1) * (va + vb + C2));
            ++N;
        }
    return Somme / N;
}

double RMSE_Flou(const Gris &A, const Gris &B)
{
    const std::vector<double> K = Noyau_Gauss(1.0, 4);
    const Gris Fa = Flouter(A, K), Fb = Flouter(B, K);
    double Somme = 0;
    for (std::size_t i = 0; i < Fa.V.size(); ++i)
        Somme += (Fa.V[i] - Fb.V[i]) * (Fa.V[i] - Fb.V[i]);
    return std::sqrt(Somme / double(Fa.V.size()));
}

Gris Tons_Du_Plan(const Plan &P, std::uint8_t Nombre)
{
    Gris G{Largeur, Hauteur, std::vector<double>(std::size_t(Largeur) * Hauteur)};
    for (int y = 0; y < Hauteur; ++y)
        for (int x = 0; x < Largeur; ++x)
            G.V[std::size_t(y) * Largeur + std::size_t(x)] = Ton_Pair(P[Indice(x, y)], Nombre);
    return G;
}

struct Mesures
{
    double Structure = 0;
    double Ton = 0;
    int N = 0;
    void Ajouter(const Gris &Image, const Gris &Ref)
    {
        Structure += SSIM(Image, Ref);
        Ton += RMSE_Flou(Image, Ref);
        ++N;
    }
    double S() const { return N ? Structure / N : 0; }
    double T() const { return N ? Ton / N : 0; }
};

constexpr std::uint8_t Nombres[] = {2, 4, 8};

struct Ligne
{
    std::string Nom;
    Mesures Par_Nombre[3];
};

void Mesurer_Photos()
{
    const QString Dossier = Dossier_Photos();
    if (Dossier.isEmpty())
    {
        std::printf("photos: skipped: sample photos not found (python3-skimage, or set "
                    "CORVANEL_PHOTOS)\n");
        return;
    }
    const QString ImageMagick = Bench::Trouver_ImageMagick();
    QTemporaryDir Travail;

    // The tone modes of a photo: the exact colours are for pixel art.
    std::vector<Ligne> Lignes;
    for (const Mode_Nomme &E : Modes_Echantillonnage)
        for (const Mode_Nomme &T : std::span(Modes_Teinte).first(2))
            for (const Mode_Nomme &Q : Modes_Tramage)
                Lignes.push_back({std::string(E.Nom) + " + " + T.Nom + " + " + Q.Nom, {}});
    Ligne Equilibre{"Moyenne de la zone + Luminance + Aucun, \xC3\x89quilibrer", {}};
    // Not a mode of the program: the limits at the midpoints between the tones, as posterize
    // puts them, to show what the default limits cost on structure.
    Ligne Milieux{"(repere) Moyenne de la zone + Luminance, limites a mi-chemin des tons", {}};
    const char *const Commandes[] = {"+dither -posterize N", "-dither FloydSteinberg -remap Ngreys",
                                     "-ordered-dither o4x4,N"};
    std::vector<Ligne> Lignes_IM;
    for (const char *C : Commandes)
        Lignes_IM.push_back({std::string("convert -resize 160x100! -colorspace Gray ") + C, {}});

    // The palettes of N evenly spaced greys for -remap.
    for (std::uint8_t Nombre : Nombres)
    {
        const int N = Nombre_Tons(Nombre);
        QImage Palette(N, 1, QImage::Format_Grayscale8);
        for (int k = 0; k < N; ++k)
            Palette.scanLine(0)[k] = static_cast<uchar>(std::lround(255.0 * k / (N - 1)));
        Palette.save(Travail.filePath(QStringLiteral("%1greys.png").arg(N)));
    }

    int Lues = 0;
    for (const char *Photo : Photos)
    {
        const QString Chemin = Dossier + QLatin1Char('/') + QString::fromLatin1(Photo);
        QImage Source = QImageReader(Chemin).read();
        if (Source.isNull())
        {
            std::printf("photos: %s unreadable, left out\n", Photo);
            continue;
        }
        ++Lues;
        const Gris Ref = Reference(Source);
        const Image_Source Src{Source, Largeur, Hauteur};
        std::size_t L = 0;
        for (int E = 0; E < 2; ++E)
            for (int T = 0; T < 2; ++T)
            {
                Options_Conversion Options;
                Options.Echantillonnage = static_cast<Mode_Echantillonnage>(E);
                Options.Teinte = static_cast<Mode_Teinte>(T);
                Tons Tons_;
                Calculer_Tons(Src, Largeur, Hauteur, Options, Tons_);
                if (E == 1 && T == 1)
                    for (std::size_t n = 0; n < 3; ++n)
                    {
                        Bandes B;
                        Equilibrer(B, Nombres[n]);
                        Plan P{};
                        Quantifier_Tons(Tons_, Options, Nombres[n], B, P);
                        Equilibre.Par_Nombre[n].Ajouter(Tons_Du_Plan(P, Nombres[n]), Ref);
                    }
                if (E == 1 && T == 1)
                    for (std::size_t n = 0; n < 3; ++n)
                    {
                        const double Pas = 255.0 / (Nombre_Tons(Nombres[n]) - 1);
                        Gris G{Largeur, Hauteur, std::vector<double>(Tons_.Valeurs.size())};
                        for (std::size_t i = 0; i < G.V.size(); ++i)
                            G.V[i] = Pas * std::round(Tons_.Valeurs[i] / 65793.0 / Pas);
                        Milieux.Par_Nombre[n].Ajouter(G, Ref);
                    }
                for (int Q = 0; Q < 5; ++Q, ++L)
                {
                    Options.Tramage = static_cast<Mode_Tramage>(Q);
                    for (std::size_t n = 0; n < 3; ++n)
                    {
                        Bandes B;
                        Reinitialiser(B, Nombres[n]);
                        Plan P{};
                        Quantifier_Tons(Tons_, Options, Nombres[n], B, P);
                        Lignes[L].Par_Nombre[n].Ajouter(Tons_Du_Plan(P, Nombres[n]), Ref);
                    }
                }
            }
        if (ImageMagick.isEmpty())
            continue;
        for (std::size_t n = 0; n < 3; ++n)
        {
            const QString N = QString::number(Nombre_Tons(Nombres[n]));
            const QStringList Debut = {Chemin, QStringLiteral("-resize"),
                                       QStringLiteral("160x100!"), QStringLiteral("-colorspace"),
                                       QStringLiteral("Gray")};
            const QStringList Options[] = {
                {QStringLiteral("+dither"), QStringLiteral("-posterize"), N},
                {QStringLiteral("-dither"), QStringLiteral("FloydSteinberg"),
                 QStringLiteral("-remap"), Travail.filePath(N + QStringLiteral("greys.png"))},
                {QStringLiteral("-ordered-dither"), QStringLiteral("o4x4,") + N}};
            for (std::size_t c = 0; c < 3; ++c)
            {
                const QString Sortie = Travail.filePath(QStringLiteral("im.pgm"));
                QFile::remove(Sortie);
                QProcess Processus;
                Processus.start(ImageMagick, Debut + Options[c] +
                                                 QStringList{QStringLiteral("-depth"),
                                                             QStringLiteral("8"), Sortie});
                Processus.waitForFinished(60000);
                const QImage Resultat = QImage(Sortie).convertToFormat(QImage::Format_Grayscale8);
                if (Resultat.size() != QSize(Largeur, Hauteur))
                {
                    std::printf("photos: ImageMagick failed on %s\n", Photo);
                    continue;
                }
                Gris G{Largeur, Hauteur, std::vector<double>(std::size_t(Largeur) * Hauteur)};
                for (int y = 0; y < Hauteur; ++y)
                    for (int x = 0; x < Largeur; ++x)
                        G.V[std::size_t(y) * Largeur + std::size_t(x)] =
                            Resultat.constScanLine(y)[x];
                Lignes_IM[c].Par_Nombre[n].Ajouter(G, Ref);
            }
        }
    }
    if (Lues == 0)
    {
        std::printf("photos: skipped: none of the sample photos could be read in %s\n",
                    qPrintable(Dossier));
        return;
    }

    std::printf("photos: %d photos of %s at TI 89 (160x100), fitting, default bands; "
                "SSIM (higher is better) / blurred RMSE (lower is better)\n",
                Lues, qPrintable(Dossier));
    std::printf("photos: %-70s %15s %15s %15s\n", "conversion", "2 niveaux", "4 niveaux",
                "8 niveaux");
    const auto Afficher = [](const Ligne &L)
    {
        // The column counts characters, not the bytes of their UTF-8.
        const auto Suites =
            std::count_if(L.Nom.begin(), L.Nom.end(), [](char c) { return (c & 0xC0) == 0x80; });
        std::printf("photos: %-*s", 70 + static_cast<int>(Suites), L.Nom.c_str());
        for (const Mesures &M : L.Par_Nombre)
            std::printf("   %.4f / %5.2f", M.S(), M.T());
        std::printf("\n");
    };
    for (const Ligne &L : Lignes)
        Afficher(L);
    Afficher(Equilibre);
    Afficher(Milieux);
    if (ImageMagick.isEmpty())
    {
        std::printf("photos: ImageMagick: skipped: convert not found (ImageMagick)\n");
        return;
    }
    for (const Ligne &L : Lignes_IM)
        Afficher(L);

    // The goals: area + luminance against ImageMagick, at each level count.
    const auto Ligne_De = [&](int E, int T, int Q) -> const Ligne &
    { return Lignes[std::size_t(E * 10 + T * 5 + Q)]; };
    for (std::size_t n = 0; n < 3; ++n)
    {
        const Mesures &Aucun = Ligne_De(1, 1, 0).Par_Nombre[n];
        const Mesures &Fs = Ligne_De(1, 1, 1).Par_Nombre[n];
        const Mesures &Posterize = Lignes_IM[0].Par_Nombre[n];
        const Mesures &Fs_IM = Lignes_IM[1].Par_Nombre[n];
        const Mesures &Ord_IM = Lignes_IM[2].Par_Nombre[n];
        const auto Dit = [](bool Ok) { return Ok ? "atteint" : "MANQUE"; };
        std::printf(
            "photos: objectifs %d niveaux: Aucun a %.3f du posterize (<= 0.01) %s; "
            "Floyd-Steinberg ton %.2f contre %.2f, structure %.3f contre %.3f %s; "
            "ordonnes ton %.2f et %.2f contre %.2f %s\n",
            Nombres[n], Posterize.S() - Aucun.S(), Dit(Posterize.S() - Aucun.S() <= 0.01), Fs.T(),
            Fs_IM.T(), Fs.S(), Fs_IM.S(), Dit(Fs.T() < Fs_IM.T() && Fs.S() >= Fs_IM.S()),
            Ligne_De(1, 1, 3).Par_Nombre[n].T(), Ligne_De(1, 1, 4).Par_Nombre[n].T(), Ord_IM.T(),
            Dit(Ligne_De(1, 1, 3).Par_Nombre[n].T() < Ord_IM.T() &&
                Ligne_De(1, 1, 4).Par_Nombre[n].T() < Ord_IM.T()));
        // Balanced limits, no dither: at least the posterize's structure.
        const Mesures &Eq = Equilibre.Par_Nombre[n];
        std::printf("photos: objectif %d niveaux: \xC3\x89quilibrer structure %.4f contre "
                    "posterize %.4f (>=) %s; limites par d\xC3\xA9"
                    "faut %.4f\n",
                    Nombres[n], Eq.S(), Posterize.S(), Dit(Eq.S() >= Posterize.S()), Aucun.S());
    }
}

const bool Enregistre = Bench::Ajouter("photos", [] { Mesurer_Photos(); });
} // namespace
