#include "Luminance.h"

namespace Corvanel
{
double Teinte_Luminance::Ton(const Echantillon &e) const
{
    // In thousandths, so that a grey gives exactly its own colour value.
    const double y =
        (299.0 * double(e.Rouge) + 587.0 * double(e.Vert) + 114.0 * double(e.Bleu)) / 1000.0;
    return 65793.0 * y;
}
} // namespace Corvanel
