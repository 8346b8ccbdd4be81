// The mask editor on a 240 x 128 picture at mask zoom 8: a full repaint, and one pencil
// release (the block, then the read-back of the whole mask).
#include "Bench.h"

#include "Demarrage.h"
#include "Dialogues_Fixes.h"
#include "Fiche_Ecran.h"
#include "Fiche_Mask.h"
#include "Surface_Dessin.h"

#include <QApplication>
#include <QMouseEvent>
#include <cstdio>

namespace
{
void Mesurer_Mask()
{
    using namespace Corvanel;
    Corvanel::Dialogues_Fixes dialogues;
    Creer_Fenetres(dialogues);
    FEcran->Largeur_Image = 240;
    FEcran->Hauteur_Image = 128;
    FEcran->Nombre_Couleur = 8;
    const std::uint8_t codes[] = {0, 101, 1, 112, 2, 123, 3};
    for (int x = 0; x < 240; ++x)
        for (int y = 0; y < 128; ++y)
        {
            FEcran->Plan_Image[Indice(x, y)] = codes[(x / 3 + y / 5) % 7];
            FMask->Plan_Mask[Indice(x, y)] = (x + y) % 4 == 0 ? 1 : 0;
        }
    FMask->Zoom_Mask = 8;
    FMask->show();

    const double affichage = Bench::Mediane_ms(41, [] { FMask->Afficher_Mask(); });
    std::printf("mask: Afficher_Mask 240 x 128 zoom 8: %.3f ms (median)\n", affichage);

    int n = 0;
    const double relache =
        Bench::Mediane_ms(41,
                          [&n]
                          {
                              const QPointF point(8 * (n % 240) + 3, 8 * ((n / 240) % 128) + 5);
                              ++n;
                              QMouseEvent appui(QEvent::MouseButtonPress, point, point,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                              QApplication::sendEvent(FMask->Ecran_MASK, &appui);
                              QMouseEvent relache(QEvent::MouseButtonRelease, point, point,
                                                  Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                              QApplication::sendEvent(FMask->Ecran_MASK, &relache);
                          });
    std::printf("mask: pencil release 240 x 128 zoom 8: %.3f ms (median)\n", relache);
    Detruire_Fenetres();
}

const bool Enregistre = Bench::Ajouter("mask", Mesurer_Mask);
} // namespace
