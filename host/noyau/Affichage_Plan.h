// The picture as it is shown: each point a block of its level's display colour. The edit
// window paints its surface with it and the converter writes its previews with it.
#ifndef CORVANEL_AFFICHAGE_PLAN_H
#define CORVANEL_AFFICHAGE_PLAN_H

#include "Couleurs.h"
#include "Plan.h"

#include <QImage>
#include <cstdint>

namespace Corvanel
{
// Paints width x height points, zoom x zoom pixels each, from the top-left corner of an RGB32
// picture at least that large; the rest of it is left as it was.
void Peindre_Plan(QImage &Surface, const Plan &Plan_Image, int Largeur, int Hauteur,
                  std::uint8_t Nombre_Couleur, Mode_Gris Mode, int Zoom);

// The same on a new picture of exactly width x zoom by height x zoom pixels.
QImage Dessiner_Plan(const Plan &Plan_Image, int Largeur, int Hauteur, std::uint8_t Nombre_Couleur,
                     Mode_Gris Mode, int Zoom);
} // namespace Corvanel

#endif
