// The tone of a colour as the eye weighs it, rather than by its colour value.
#ifndef CORVANEL_LUMINANCE_H
#define CORVANEL_LUMINANCE_H

#include "Conversion.h"

namespace Corvanel
{
// Y = 0.299 R + 0.587 G + 0.114 B, given as the colour value of the grey (Y, Y, Y), so the
// bands, light and contrast treat it as they treat a grey.
class Teinte_Luminance final : public Teinte
{
public:
    double Ton(const Echantillon &echantillon) const override;
};
} // namespace Corvanel

#endif
