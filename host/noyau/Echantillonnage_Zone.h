// Area sampling: each picture point takes the average colour of the source rectangle it
// covers, so fine detail averages out instead of aliasing.
#ifndef CORVANEL_ECHANTILLONNAGE_ZONE_H
#define CORVANEL_ECHANTILLONNAGE_ZONE_H

#include "Conversion.h"

namespace Corvanel
{
// With fitting, point x covers the source columns [x Ws / Wf, (x + 1) Ws / Wf), each pixel
// counted with the fraction of it that lies inside (rows the same); cutting stays one pixel
// per pixel, as the nearest point does.
class Reechantillonnage_Zone final : public Reechantillonnage
{
public:
    void Reechantillonner(const Image_Source &source, int largeur, int hauteur, bool adapter,
                          Echantillons &sortie) const override;
};
} // namespace Corvanel

#endif
