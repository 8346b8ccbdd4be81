// The frames of an animation. Time: every frame of a 100-frame 64 x 64 GIF converted and saved
// as one sheet, against its first frame converted and saved alone, in the same process through
// "Sprite (language C)". Memory: corvanel-convert's peak on a 200-frame 1000 x 1000 GIF with
// --images, against the same call for its first frame only.
#include "../tests/Gif_Essai.h"
#include "Bench.h"
#include "Course_Convertisseur.h"
#include "Document_Image.h"
#include "Planche_Images.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace
{
using namespace Corvanel;

// A first frame of stripes over the whole screen, then a square that moves one step a frame,
// each left in place: every frame decodes to the whole screen.
QByteArray Animation(int Cote, int Images, int Carre)
{
    std::vector<Essai::Image_Gif> Trames;
    Essai::Image_Gif Fond{0, 0, Cote, Cote, 1, -1, {}};
    Fond.Indices.resize(std::size_t(Cote) * std::size_t(Cote));
    for (int y = 0; y < Cote; ++y)
        for (int x = 0; x < Cote; ++x)
            Fond.Indices[std::size_t(y) * std::size_t(Cote) + std::size_t(x)] =
                std::uint8_t((x / 8 + y / 8) % 3);
    Trames.push_back(std::move(Fond));
    for (int i = 1; i < Images; ++i)
    {
        const int Pas = (Cote - Carre) * i / Images;
        Trames.push_back(
            {Pas, Pas, Carre, Carre, 1, -1,
             std::vector<std::uint8_t>(std::size_t(Carre) * std::size_t(Carre), std::uint8_t(3))});
    }
    return Essai::Ecrire_Gif(
        Cote, Cote, {qRgb(255, 255, 255), qRgb(170, 170, 170), qRgb(85, 85, 85), qRgb(0, 0, 0)},
        Trames);
}

bool Ecrire(const QString &Chemin, const QByteArray &Octets)
{
    QFile Fichier(Chemin);
    return Fichier.open(QIODevice::WriteOnly) && Fichier.write(Octets) == Octets.size();
}

void Mesurer_Temps()
{
    QTemporaryDir Dossier;
    const QString Gif = Dossier.filePath(QStringLiteral("anim.gif"));
    if (!Ecrire(Gif, Animation(64, 100, 16)))
        return;
    const Plug_Info Slot{
        (QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin/Tavisk.so"))
            .toStdString(),
        "Tavisk", "c", 1};
    const auto Ouvrir = [&](Document_Image &D)
    { return D.Ouvrir(Gif, Genre_Fichier::Autres_Images, 32, 32).Etat == Etat_Ouverture::Ok; };
    bool Ok = true;
    const double Une = Bench::Mediane_ms(
        7,
        [&]
        {
            Document_Image D;
            Ok = Ok && Ouvrir(D) &&
                 D.Enregistrer_Image(Slot, Dossier.filePath("une.c"), "anim").Reussi();
        });
    int Ecrits = 0;
    const double Toutes =
        Bench::Mediane_ms(7,
                          [&]
                          {
                              Document_Image D;
                              Ok = Ok && Ouvrir(D);
                              const Resultat_Planche P = Enregistrer_Images(
                                  D, std::nullopt, Slot, Genre_Enregistrement::Image,
                                  Dossier.filePath("toutes.c"), "anim");
                              Ok = Ok && P.Enregistrement.Reussi();
                              Ecrits = P.Ecrits;
                          });
    // The reading and the conversion alone, without the plug-in.
    const double Lire_Une = Bench::Mediane_ms(7,
                                              [&]
                                              {
                                                  Document_Image D;
                                                  Ok = Ok && Ouvrir(D);
                                              });
    const double Lire_Toutes = Bench::Mediane_ms(7,
                                                 [&]
                                                 {
                                                     Document_Image D;
                                                     Ok = Ok && Ouvrir(D);
                                                     for (int i = 1; i < D.Images.Nombre; ++i)
                                                         Ok = Ok && D.Choisir_Image(i).isEmpty();
                                                 });
    if (!Ok || Ecrits != 100)
    {
        std::printf("images: failed (%d frames written)\n", Ecrits);
        return;
    }
    std::printf("images: 100-frame 64x64 GIF at 32x32, Sprite C, median of 7: every frame as a "
                "sheet %.1f ms, first frame alone %.1f ms: %.1f times (goal: under 20) %s\n",
                Toutes, Une, Toutes / Une, Toutes / Une < 20 ? "atteint" : "MANQUE");
    std::printf("images: reading and converting only: every frame %.1f ms (each read again from "
                "the start, as the window's frame box does), first frame %.1f ms\n",
                Lire_Toutes, Lire_Une);
}

// The peak resident memory of one corvanel-convert run, in MB; -1 on failure.
double Memoire_Pic(const QStringList &Arguments)
{
    const Bench::Course C = Bench::Lancer_Convertisseur(Arguments);
    return C.Statut == 0 ? double(C.Pic_Ko) / 1024.0 : -1;
}

void Mesurer_Memoire()
{
    QTemporaryDir Dossier;
    const QString Gif = Dossier.filePath(QStringLiteral("grande.gif"));
    if (!Ecrire(Gif, Animation(1000, 200, 100)))
        return;
    const QStringList Base{QStringLiteral("-p"),
                           QStringLiteral("Tavisk"),
                           QStringLiteral("-o"),
                           Dossier.filePath(QStringLiteral("sortie.c")),
                           QStringLiteral("-j"),
                           QStringLiteral("1"),
                           Gif};
    const double Une = Memoire_Pic(Base);
    const double Toutes = Memoire_Pic(Base + QStringList{QStringLiteral("--images")});
    if (Une < 0 || Toutes < 0)
    {
        std::printf("images: memory: corvanel-convert failed\n");
        return;
    }
    std::printf("images: 200-frame 1000x1000 GIF at TI 89, corvanel-convert peak memory: every "
                "frame (--images) %.1f MB, first frame only %.1f MB (%.2f times; 200 decoded "
                "frames would be %.0f MB)\n",
                Toutes, Une, Toutes / Une, 200 * 1000.0 * 1000 * 4 / (1024 * 1024));
}

const bool Enregistre = Bench::Ajouter("images",
                                       []
                                       {
                                           Mesurer_Temps();
                                           Mesurer_Memoire();
                                       });
} // namespace
