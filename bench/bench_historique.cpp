// The history of the largest picture (240 x 128) with its mask: the time to record a step,
// beside the single undo copy it replaces; one undo with the repaint of both windows, beside
// the repaint alone; and the memory that 100 steps hold.
#include "Bench.h"

#include "Demarrage.h"
#include "Dialogues_Fixes.h"
#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Historique_Image.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cstdio>
#include <malloc.h>

namespace
{
using namespace Corvanel;

void Remplir(Document_Image &Document)
{
    Document.Largeur_Image = 240;
    Document.Hauteur_Image = 128;
    for (int x = 0; x < 240; ++x)
        for (int y = 0; y < 128; ++y)
        {
            Document.Plan_Image[Indice(x, y)] = static_cast<std::uint8_t>((x / 3 + y / 5) % 4);
            Document.Plan_Mask[Indice(x, y)] = (x + y) % 4 == 0 ? 1 : 0;
        }
}

double Octets_Pris()
{
    return static_cast<double>(mallinfo2().uordblks);
}

void Mesurer_Etape()
{
    Document_Image Document;
    Remplir(Document);
    Historique_Image Historique(Document);
    int i = 0;
    // A pencil's step: one cell of the picture.
    const double Etape = Bench::Mediane_ms(401,
                                           [&]
                                           {
                                               Document.Commencer_Etape();
                                               Document.Plan_Image[Indice(i % 240, i % 128)] ^= 3;
                                               Document.Terminer_Etape(QStringLiteral("Crayon"));
                                               ++i;
                                           });
    const double Copie =
        Bench::Mediane_ms(401, [&] { Document.Image_Annulation = Document.Plan_Image; });
    std::printf("historique: recording a drawing step 240x128: %.4f ms (median); the single "
                "undo copy: %.4f ms\n",
                Etape, Copie);
}

void Mesurer_Memoire()
{
    for (const bool Avec_Mask : {false, true})
    {
        {
            Document_Image Document;
            Remplir(Document);
            Historique_Image Historique(Document);
            const double Vide = Octets_Pris();
            for (int i = 0; i < Historique_Image::Etapes_Maximum; ++i)
                Document.Etape(QStringLiteral("Pas"),
                               [&]
                               {
                                   Document.Plan_Image[Indice(i, i % 128)] ^= 3;
                                   if (Avec_Mask)
                                       Document.Plan_Mask[Indice(i, i % 128)] ^= 1;
                               });
            std::printf("historique: memory of %d steps 240x128, %s: %.2f MB (goal under 16 MB; "
                        "two whole states a step would take %.2f MB)\n",
                        Historique.Pile.count(),
                        Avec_Mask ? "each changing picture and mask" : "each changing the picture",
                        (Octets_Pris() - Vide) / (1024.0 * 1024.0),
                        Historique_Image::Etapes_Maximum * 4.0 * Taille_Plan / (1024.0 * 1024.0));
        }
    }
}

void Mesurer_Annulation()
{
    Dialogues_Fixes Dialogues;
    Creer_Fenetres(Dialogues);
    FMain->RadioButton1->setChecked(true);
    FMain->Largeur->setText(QStringLiteral("240"));
    FMain->Hauteur->setText(QStringLiteral("128"));
    FMain->Button1->click();
    Remplir(FEcran->Document);
    FMask->show();
    for (const int Zoom : {1, 4, 8})
    {
        while (FEcran->Zoom_Ecran < Zoom)
            FMain->SpeedButton17->click();
        // The step undone: a mirror of the whole picture.
        FMain->SpeedButton[2]->click();
        QCoreApplication::processEvents();
        // Each run redoes the step untimed, then undoes it.
        std::vector<double> Temps;
        for (int n = 0; n < 41; ++n)
        {
            FMain->Outil_Retablir->click();
            QCoreApplication::processEvents();
            const auto Debut = std::chrono::steady_clock::now();
            FMain->Outil[9]->click();
            QCoreApplication::processEvents();
            Temps.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Debut)
                    .count());
        }
        std::sort(Temps.begin(), Temps.end());
        const double Peindre = Bench::Mediane_ms(41,
                                                 []
                                                 {
                                                     FEcran->Peindre_Image();
                                                     FMask->Afficher_Mask();
                                                     QCoreApplication::processEvents();
                                                 });
        std::printf("historique: one undo with the repaint of both windows 240x128 zoom %d: "
                    "%.3f ms (median; goal under 1 ms); the repaint alone: %.3f ms\n",
                    Zoom, Temps[Temps.size() / 2], Peindre);
    }
    Detruire_Fenetres();
}

void Mesurer_Historique()
{
    Mesurer_Etape();
    Mesurer_Memoire();
    Mesurer_Annulation();
}

const bool Inscrite = Bench::Ajouter("historique", Mesurer_Historique);
} // namespace
