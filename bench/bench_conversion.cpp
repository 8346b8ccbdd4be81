// The conversion's cost on a 4000 x 3000 photo-sized source at "TI 92": opening it with each
// sampling against the decode alone, and one press of "Lumière +" in every mode, which only
// quantises the kept tones again; both in the document alone and through the windows, which
// also redraw the light bar and the edit window.
#include "Bench.h"
#include "Choix_Image.h"
#include "Demarrage.h"
#include "Dialogues_Fixes.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>

namespace
{
using namespace Corvanel;

const char *Nom(const Mode_Nomme &Mode)
{
    return Mode.Nom;
}

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
        std::printf("conversion 4000x3000 24 bits en TI 92, ouverture (document) avec \"%s\": "
                    "%.1f ms, decodage seul %.1f ms, rapport %.2f%s\n",
                    Nom(Modes_Echantillonnage[E]), Ouverture, Decodage, Ouverture / Decodage,
                    E == 1 ? " (cible <= 1.5)" : "");
    }

    Dialogues_Fixes Faux;
    Faux.Fichier = Choix_Fichier{Chemin, 1};
    QTemporaryDir Vide;
    QDir::setCurrent(Vide.path());
    Creer_Fenetres(Faux);
    FMain->Taille_Image->setCurrentIndex(1);
    emit FMain->Taille_Image->activated(1);
    FMain->Choix_Echantillonnage->setCurrentIndex(1);
    const double Ouverture = Bench::Mediane_ms(7, [] { FMain->Button1->click(); });
    std::printf("conversion 4000x3000 24 bits en TI 92, ouverture (fenetres, \"Ouvrir\") avec "
                "\"%s\": %.1f ms, decodage seul %.1f ms, rapport %.2f (cible <= 1.5)\n",
                Nom(Modes_Echantillonnage[1]), Ouverture, Decodage, Ouverture / Decodage);

    std::printf("conversion 4000x3000: \"fenetres\" is the press of the button: the bands, the "
                "light bar, the conversion and the edit window's drawing\n");
    Document_Image &Document = FEcran->Document;
    QRadioButton *const Radios[] = {FMain->Choix_Nombre_Couleur_2, FMain->Choix_Nombre_Couleur_4,
                                    FMain->Choix_Nombre_Couleur_8};
    for (int E = 0; E < 2; ++E)
        for (int T = 0; T < 2; ++T)
        {
            FMain->Choix_Echantillonnage->setCurrentIndex(E);
            FMain->Choix_Teinte->setCurrentIndex(T);
            for (QRadioButton *Radio : Radios)
            {
                Radio->click();
                for (int Q = 0; Q < 5; ++Q)
                {
                    FMain->Choix_Tramage->setCurrentIndex(Q);
                    // Past some 60 presses the bands stop moving; the press costs the same.
                    const double Noyau = Bench::Mediane_ms(
                        101, [&] { Document.Appliquer_Bandes(Action_Bandes::Lumiere_Plus); });
                    FMain->Button9->click();
                    const double Fenetres = Bench::Mediane_ms(101, [] { FMain->Button4->click(); });
                    FMain->Button9->click();
                    std::printf("conversion 4000x3000 en TI 92, %d niveaux, \"%s\" + \"%s\" + "
                                "\"%s\": Lumiere + %.3f ms document, %.3f ms fenetres "
                                "(cible < 1 ms)\n",
                                Document.Nombre_Couleur, Nom(Modes_Echantillonnage[E]),
                                Nom(Modes_Teinte[T]), Nom(Modes_Tramage[Q]), Noyau, Fenetres);
                }
            }
        }
    Detruire_Fenetres();
}

const bool Enregistre = Bench::Ajouter("conversion 4000x3000", [] { Mesurer_Conversion_Grande(); });
} // namespace
