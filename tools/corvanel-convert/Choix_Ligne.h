// The command line's conversion choices: size, grid, levels, light, contrast, conversion
// modes, preview zoom, mask background and the number of jobs.
#ifndef CORVANEL_CHOIX_LIGNE_H
#define CORVANEL_CHOIX_LIGNE_H

#include "Ligne_Commande.h"

#include <optional>

class QCommandLineParser;

namespace Corvanel
{
// Reads them into Lot_; a usage error when one is refused.
std::optional<Analyse> Lire_Choix(const QCommandLineParser &Parseur, Lot &Lot_);
} // namespace Corvanel

#endif
