// The conversion's cost on a 4000 x 3000 photo-sized source at "TI 92": opening it with each
// sampling against the decode alone, and one press of "Lumière +" in every dithering mode,
// which only quantises the kept tones again.
#include "Bench.h"
#include "Document_Image.h"

#include <QTemporaryDir>
#include <cstdio>

namespace
{
using namespace Corvanel;

void Mesurer_Conversion_Grande()
{
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath(QStringLiteral("grande.bmp"));
    {
        QImage Image(4000, 3000, QImage::Format_RGB888);
        for (int y = 0; y < Image.height(); ++y)
        {
            uchar *Ligne = Image.scanLine(y);
            for (int x = 0; x < Image.width() * 3; ++x)
                Ligne[x] = static_cast<uchar>((x * 7 + y * 3 + (x * y >> 9)) & 0xFF);
        }
        if (!Image.save(Chemin, "BMP"))
        {
            std::printf("conversion 4000x3000: skipped: cannot write %s\n", qPrintable(Chemin));
            return;
        }
    }
    const double Decodage = Bench::Mediane_ms(7,
                                              [&]
                                              {
                                                  if (Decoder_Image(Chemin, true).Image.isNull())
                                                      std::puts("decodage impossible");
                                              });
    const char *const Noms_Echantillonnage[] = {"Point le plus proche", "Moyenne de la zone"};
    for (int E = 0; E < 2; ++E)
    {
        Options_Conversion Options;
        Options.Echantillonnage = static_cast<Mode_Echantillonnage>(E);
        Options.Teinte = Mode_Teinte::Luminance;
        const double Ouverture =
            Bench::Mediane_ms(7,
                              [&]
                              {
                                  Document_Image Document;
                                  Document.Choisir_Conversion(Options, false);
                                  Document.Ouvrir(Chemin, Genre_Fichier::Bitmap, 240, 128);
                              });
        std::printf("conversion 4000x3000 24 bits en TI 92, ouverture avec \"%s\": %.1f ms, "
                    "decodage seul %.1f ms, rapport %.2f%s\n",
                    Noms_Echantillonnage[E], Ouverture, Decodage, Ouverture / Decodage,
                    E == 1 ? " (cible <= 1.5)" : "");
    }

    const char *const Noms_Tramage[] = {"Aucun", "Floyd-Steinberg", "Atkinson", "Ordonné 4 x 4",
                                        "Ordonné 8 x 8"};
    Document_Image Document;
    Options_Conversion Options;
    Options.Echantillonnage = Mode_Echantillonnage::Moyenne_Zone;
    Options.Teinte = Mode_Teinte::Luminance;
    Document.Choisir_Conversion(Options, false);
    Document.Ouvrir(Chemin, Genre_Fichier::Bitmap, 240, 128);
    for (std::uint8_t Nombre : {std::uint8_t(2), std::uint8_t(4), std::uint8_t(8)})
    {
        Document.Choisir_Nombre(Nombre, true);
        for (int Q = 0; Q < 5; ++Q)
        {
            Options.Tramage = static_cast<Mode_Tramage>(Q);
            Document.Choisir_Conversion(Options, true);
            // Plus and minus in turn, so the bands stay in their useful range.
            bool Plus = true;
            const double Appui = Bench::Mediane_ms(101,
                                                   [&]
                                                   {
                                                       Document.Appliquer_Bandes(
                                                           Plus ? Action_Bandes::Lumiere_Plus
                                                                : Action_Bandes::Lumiere_Moins);
                                                       Plus = !Plus;
                                                   });
            std::printf("conversion 4000x3000 en TI 92, %d niveaux, \"%s\": Lumiere + %.3f ms "
                        "(cible < 1 ms)\n",
                        Nombre, Noms_Tramage[Q], Appui);
        }
    }
}

const bool Enregistre = Bench::Ajouter("conversion 4000x3000", [] { Mesurer_Conversion_Grande(); });
} // namespace
